// The trip card: the new-card state, the refuelling and kilometre totals, Save with
// its required fields and its refusal of a total too long to store, Duplicate, and
// the behaviour of its edits (colours, keys, Enter links, leave rules, dates, plate).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "core/clock.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/archive_files.h"
#include "support/app/card_window.h"
#include "support/helpers.h"
#include "support/record_bytes.h"
#include "support/scripted_host.h"
#include "support/small_disk.h"
#include "trips/frm_servizi.h"
#include "trips/trip_record.h"

using platform::MsgKind;
using trips::TripRecord;

namespace {

const QString kArchive = QStringLiteral("Registro_Viaggi.pro");
constexpr int kSize = 3378;
const core::DateTime kNow{{14, 3, 2024}, 9, 5, 0};

// A trip built by hand: {offset, Windows-1252 bytes} per field set.
QByteArray trip(std::initializer_list<std::pair<int, QByteArray>> fields) { return handBuiltRecord(kSize, fields); }
QByteArray tripTo(const QByteArray& luogo) {
  return trip({{0, "01/03/2024"}, {34, luogo}, {657, "Fiat Ducato"}, {708, "AB123CD"}, {1869, "No"}});
}
QByteArray field(const QByteArray& record, int offset) { return storedField(record, offset); }

// The trip card among all the program's windows.
class ServiziTest : public CardWindowTest<TfrmServizi, &App::frmServizi> {
 protected:
  void SetUp() override {
    app().createWindows();
    w = app().frmServizi;
    ASSERT_NE(w, nullptr);
  }
  void fillRequired() {
    w->txtVeicolo->setText(QStringLiteral("Fiat Ducato"));
    w->txtLuogo->setText(QStringLiteral("Milano"));
    w->txtTarga->setText(QStringLiteral("AB123CD"));
  }
  void setRow(int row, const QString& litres, const QString& amount) {
    w->txtLitri[row]->setText(litres);
    w->txtImporto[row]->setText(amount);
  }

  core::PinnedClock clock{kNow};
};

TEST_F(ServiziTest, NewCardStateOnShowAndNew) {
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" Velmora 4.0 - Registro Viaggi"));
  ASSERT_EQ(w->edits().size(), 44u);
  for (std::size_t i = 0; i < 44; ++i) {
    const auto name = TripRecord::fields[i].name;
    SCOPED_TRACE(std::string(name));
    EXPECT_EQ(w->edits()[i]->objectName(), QStringLiteral("txt") + QString::fromLatin1(name.data(), int(name.size())));
    EXPECT_EQ(qobject_cast<platform::FilteredEdit*>(w->edits()[i])->inputLimit(), TripRecord::fields[i].width);
  }
  for (auto* b : w->findChildren<platform::PictureButton*>()) EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);

  // Whatever was on screen, showing the card starts a new one.
  w->txtLuogo->setText(QStringLiteral("Milano"));
  w->txtLitri[2]->setText(QStringLiteral("7"));
  w->chkInCorso->setChecked(true);
  w->lblFile02->setText(QStringLiteral("ddt.pdf"));
  w->lblPosizione->setText(QStringLiteral("3"));
  showActive();
  EXPECT_EQ(w->txtDataPartenza->text(), QStringLiteral("14/03/2024"));
  EXPECT_EQ(w->txtOraPartenza->text(), QStringLiteral("09:05"));
  EXPECT_TRUE(w->txtLuogo->text().isEmpty());
  for (QLineEdit* e : {w->txtTotViaggiatori, w->txtLitriTot, w->txtKmPartenza, w->txtKmRientro, w->txtKmPercorsi})
    EXPECT_EQ(e->text(), QStringLiteral("0")) << e->objectName().toStdString();
  EXPECT_EQ(w->txtImportoTot->text(), QStringLiteral("0,00"));
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(w->txtLitri[r]->text(), QStringLiteral("0"));
    EXPECT_EQ(w->txtImporto[r]->text(), QStringLiteral("0,00"));
    EXPECT_TRUE(w->txtDataRif[r]->text().isEmpty());
  }
  EXPECT_FALSE(w->chkInCorso->isChecked());
  EXPECT_TRUE(w->lblFile02->text().isEmpty());
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(w->focusWidget(), w->txtDataRientro);

  w->txtLuogo->setText(QStringLiteral("Roma"));
  click(w->cmdNuovo);
  EXPECT_TRUE(w->txtLuogo->text().isEmpty());

  // Closing shows the launcher and hides the card.
  click(w->cmdEsci);
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(app().window("TfrmAvvio")->isVisible());
}

TEST_F(ServiziTest, RefuellingTotals) {
  struct Case {
    const char* name;
    QStringList litres, amounts;
    QStringList litresAfter, amountsAfter;
    QString litreTotal, amountTotal;
  } cases[] = {
      {"12,5 + 7,25", {"0", "0", "0", "0", "0"}, {"12,5", "7,25", "0,00", "0,00", "0,00"}, {"0", "0", "0", "0", "0"},
       {"12,5", "7,25", "0,00", "0,00", "0,00"}, "0", "19,75"},
      {"10 + 5 and an empty amount", {"30", "", "0", "0", "0"}, {"10", "5", "", "0,00", "0,00"},
       {"30", "0", "0", "0", "0"}, {"10", "5", "0,00", "0,00", "0,00"}, "30", "15,00"},
      {"a bad amount resets itself only", {"12", "23", "8", "40", "17"}, {"10,50", "x", "20", "", "0,00"},
       {"12", "23", "8", "40", "17"}, {"10,50", "0,00", "20", "0,00", "0,00"}, "100", "30,50"},
      {"a bad litre figure resets itself only", {"10", "1,5,", "5", "0", "0"}, {"0,00", "0,00", "0,00", "0,00", "0,00"},
       {"10", "0", "5", "0", "0"}, {"0,00", "0,00", "0,00", "0,00", "0,00"}, "15", "0,00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int r = 0; r < 5; ++r) setRow(r, c.litres[r], c.amounts[r]);
    click(w->btnCalcolaRif);
    for (int r = 0; r < 5; ++r) {
      EXPECT_EQ(w->txtLitri[r]->text(), c.litresAfter[r]) << "row " << r + 1;
      EXPECT_EQ(w->txtImporto[r]->text(), c.amountsAfter[r]) << "row " << r + 1;
    }
    EXPECT_EQ(w->txtLitriTot->text(), c.litreTotal);
    EXPECT_EQ(w->txtImportoTot->text(), c.amountTotal);
  }
}

TEST_F(ServiziTest, KilometreComputation) {
  struct Case {
    const char* name;
    QString from, to, fromAfter, toAfter, distance;
  } cases[] = {
      {"return below departure", "150", "100", "150", "100", "-50"},
      {"both empty", "", "", "0", "0", "0"},
      {"a bad reading resets itself and the distance", "150", "1x0", "150", "0", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w->txtKmPartenza->setText(c.from);
    w->txtKmRientro->setText(c.to);
    click(w->btnCalcolaKm);
    EXPECT_EQ(w->txtKmPartenza->text(), c.fromAfter);
    EXPECT_EQ(w->txtKmRientro->text(), c.toAfter);
    EXPECT_EQ(w->txtKmPercorsi->text(), c.distance);
  }
}

TEST_F(ServiziTest, SaveWarnsForTheRequiredFieldsInOrderAfterRecomputingTheTotals) {
  showActive();
  const QString kPrefix = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
  struct Case {
    const char* name;
    std::function<void(TfrmServizi*)> fill;
    QString warning;
    QLineEdit* TfrmServizi::*focus;
  } cases[] = {
      {"departure date and vehicle empty: the date first", [](TfrmServizi* c) { c->txtDataPartenza->clear(); },
       "la data di partenza.", &TfrmServizi::txtDataPartenza},
      {"vehicle before destination", [](TfrmServizi*) {}, "la marca e il modello di veicolo.", &TfrmServizi::txtVeicolo},
      {"destination and plate empty: the destination first",
       [](TfrmServizi* c) { c->txtVeicolo->setText(QStringLiteral("Fiat Ducato")); }, "il luogo di destinazione.",
       &TfrmServizi::txtLuogo},
      {"plate", [](TfrmServizi* c) {
         c->txtVeicolo->setText(QStringLiteral("Fiat Ducato"));
         c->txtLuogo->setText(QStringLiteral("  Milano "));
       },
       "la targa del veicolo.", &TfrmServizi::txtTarga},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    click(w->cmdNuovo);
    c.fill(w);
    setRow(0, QStringLiteral("30"), QStringLiteral("45,5"));
    w->txtKmPartenza->setText(QStringLiteral("150"));
    w->txtKmRientro->setText(QStringLiteral("100"));
    host.clear();
    click(w->cmdSalva);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, kPrefix + c.warning);
    EXPECT_EQ(w->focusWidget(), w->*c.focus);
    // Refused, the totals have still been recomputed on screen.
    EXPECT_EQ(w->txtLitriTot->text(), QStringLiteral("30"));
    EXPECT_EQ(w->txtImportoTot->text(), QStringLiteral("45,50"));
    EXPECT_EQ(w->txtKmPercorsi->text(), QStringLiteral("-50"));
  }
  EXPECT_FALSE(dir.exists(kArchive));
}

TEST_F(ServiziTest, SaveAppendsRecordFourThenOverwritesIt) {
  dir.write(kArchive, tripTo("Uno") + tripTo("Due") + tripTo("Tre"));
  showActive();
  fillRequired();
  w->txtTarga->setText(QStringLiteral("ab123cd"));  // set by code: stored as it stands
  setRow(0, QStringLiteral("12"), QStringLiteral("10,50"));
  setRow(1, QStringLiteral("23"), QStringLiteral("20,00"));
  w->txtKmPartenza->setText(QStringLiteral("1000"));
  w->txtKmRientro->setText(QStringLiteral("1250"));
  w->chkInCorso->setChecked(true);
  w->lblDesc03->setText(QStringLiteral("Documento di trasporto"));
  click(w->cmdSalva);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("4"));

  QByteArray file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 4 * kSize);
  const QByteArray r = file.mid(3 * kSize);
  EXPECT_EQ(field(r, 0), "14/03/2024");
  EXPECT_EQ(field(r, 11), "09:05");
  EXPECT_EQ(field(r, 34), "Milano");
  EXPECT_EQ(field(r, 708), "ab123cd");
  EXPECT_EQ(field(r, 1349 + 68), "12");
  EXPECT_EQ(field(r, 1439 + 74), "20,00");
  EXPECT_EQ(field(r, 1799), "35");
  EXPECT_EQ(field(r, 1805), "30,50");
  EXPECT_EQ(field(r, 1853), "250");
  EXPECT_EQ(r.mid(1869, 3), QByteArray("\x02\x53\xEC", 3));
  EXPECT_EQ(field(r, 3127), "Documento di trasporto");

  w->chkInCorso->setChecked(false);
  click(w->cmdSalva);
  EXPECT_EQ(host.last().text, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("4"));
  file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 4 * kSize);
  EXPECT_EQ(file.mid(3 * kSize + 1869, 3), QByteArray("\x02\x4E\x6F", 3));
  EXPECT_EQ(file.left(3 * kSize), tripTo("Uno") + tripTo("Due") + tripTo("Tre"));
}

TEST_F(ServiziTest, AFirstSaveOnAFullDiskLeavesNoArchiveBehind) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason().toStdString();
  disk.fill();
  showActive();
  fillRequired();
  click(w->cmdSalva);
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_TRUE(host.last().text.startsWith(QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(disk.entries(), QStringList{SmallDisk::kFiller});
}

// A total longer than its field would be stored cut (a litre total of 499995 kept as
// 49999): Save refuses it instead and writes nothing.
TEST_F(ServiziTest, ATotalTooLongForItsFieldIsRefusedNotCut) {
  showActive();
  fillRequired();
  for (int r = 0; r < 5; ++r) setRow(r, QStringLiteral("99999"), QStringLiteral("1"));
  click(w->cmdSalva);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_TRUE(host.last().text.startsWith(QStringLiteral("Attenzione: ")));
  EXPECT_TRUE(host.last().text.contains(QStringLiteral("499995")));
  EXPECT_EQ(host.last().text,
            TfrmServizi::totalTooLong(QStringLiteral("il totale dei litri"), QStringLiteral("499995"), 5));
  EXPECT_EQ(w->txtLitriTot->text(), QStringLiteral("499995"));
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(dir.read(kArchive).size(), 0);

  // A distance of 16 characters is refused the same way.
  for (int r = 0; r < 5; ++r) setRow(r, QStringLiteral("1"), QStringLiteral("1"));
  w->txtKmPartenza->setText(QStringLiteral("999999999999999"));
  w->txtKmRientro->setText(QStringLiteral("0"));
  host.clear();
  click(w->cmdSalva);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(host.last().text.contains(QStringLiteral("-999999999999999")));
  EXPECT_EQ(dir.read(kArchive).size(), 0);
}

TEST_F(ServiziTest, ARecalledTripWithABadAmountKeepsItsOtherFigures) {
  QByteArray r = tripTo("Milano");
  auto put = [&r](int offset, const QByteArray& v) {
    r[offset] = char(v.size());
    r.replace(offset + 1, v.size(), v);
  };
  put(1349 + 68, "20");
  put(1349 + 74, "30,00");
  put(1439 + 68, "10");
  put(1439 + 74, "1.5");  // not a number with the decimal comma
  put(1799, "30");
  put(1805, "31,50");
  dir.write(kArchive, r);
  click(w->cmdPrimo);
  EXPECT_EQ(w->txtImporto[1]->text(), QStringLiteral("1.5"));
  EXPECT_EQ(w->txtImportoTot->text(), QStringLiteral("31,50"));  // shown as stored
  click(w->btnCalcolaRif);
  EXPECT_EQ(w->txtImporto[0]->text(), QStringLiteral("30,00"));
  EXPECT_EQ(w->txtImporto[1]->text(), QStringLiteral("0,00"));
  EXPECT_EQ(w->txtImportoTot->text(), QStringLiteral("30,00"));
  EXPECT_EQ(w->txtLitriTot->text(), QStringLiteral("30"));
}

TEST_F(ServiziTest, DuplicateWorksOnlyOnAStoredCard) {
  click(w->cmdDuplica);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(host.last().text, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                                             "che questa è stata inserita in archivio."));

  QByteArray r = trip({{0, "01/02/2024"}, {11, "07:00"}, {17, "03/02/2024"}, {34, "Milano"}, {657, "Fiat Ducato"},
                       {708, "AB123CD"}, {1349, "02/02/2024"}, {1349 + 68, "40"}, {1821, "100"}, {1837, "900"},
                       {1853, "800"}, {1869, "S\xEC"}, {1872, "ddt.pdf"}, {2625, "DDT"}});
  QByteArray six;
  for (int i = 0; i < 6; ++i) six += tripTo("Altro");
  dir.write(kArchive, six + r);
  showActive();
  click(w->cmdUltimo);
  ASSERT_EQ(w->lblPosizione->text(), QStringLiteral("7"));
  EXPECT_TRUE(w->chkInCorso->isChecked());
  EXPECT_EQ(w->lblFile01->text(), QStringLiteral("ddt.pdf"));
  host.clear();
  click(w->cmdDuplica);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                             "Al termine premere Salva per inserire la scheda in archivio."));
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_TRUE(w->lblFile01->text().isEmpty());
  EXPECT_TRUE(w->lblDesc01->text().isEmpty());
  EXPECT_EQ(w->txtDataPartenza->text(), QStringLiteral("14/03/2024"));
  EXPECT_EQ(w->txtOraPartenza->text(), QStringLiteral("09:05"));
  EXPECT_EQ(w->txtDataRientro->text(), QStringLiteral("03/02/2024"));
  EXPECT_EQ(w->txtDataRif[0]->text(), QStringLiteral("02/02/2024"));
  EXPECT_EQ(w->txtLitri[0]->text(), QStringLiteral("40"));
  EXPECT_EQ(w->txtKmPercorsi->text(), QStringLiteral("800"));
  EXPECT_TRUE(w->chkInCorso->isChecked());
  EXPECT_EQ(w->focusWidget(), w->txtDataRientro);

  host.clear();
  click(w->cmdSalva);
  EXPECT_EQ(host.last().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
  EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("8"));
}

// ---- the edits -------------------------------------------------------------------

TEST_F(ServiziTest, EditsAreAliceBlueAndYellowWhileFocusedButTheTotalsNeverAre) {
  showActive();
  auto fill = [](QLineEdit* e) { return e->grab().toImage().pixelColor(e->width() / 2, e->height() - 4); };
  w->btnFocus->setFocus();
  for (QLineEdit* e : w->edits()) {
    SCOPED_TRACE(e->objectName().toStdString());
    const bool total = e == w->txtLitriTot || e == w->txtImportoTot || e == w->txtKmPercorsi;
    const QColor normal = total ? platform::kLightSteelBlue : platform::kAliceBlue;
    EXPECT_EQ(fill(e), normal);
    e->setFocus();
    EXPECT_EQ(w->focusWidget(), e);
    EXPECT_EQ(fill(e), total ? normal : platform::kFocusYellow);
    w->btnFocus->setFocus();
    EXPECT_EQ(fill(e), normal);
  }
  EXPECT_TRUE(w->txtLitriTot->isReadOnly());
  EXPECT_TRUE(w->txtImportoTot->isReadOnly());
  EXPECT_TRUE(w->txtKmPercorsi->isReadOnly());
}

TEST_F(ServiziTest, KeysAndLeaveRulesOfTheNumberEdits) {
  showActive();
  struct Case {
    const char* name;
    QLineEdit* TfrmServizi::*edit;
    int row;  // for the refuelling rows, else -1
    QString typed, shown, left;
  } cases[] = {
      {"letters do not enter a litres edit", nullptr, 0, "12a", "12", "12"},
      {"nor does a comma", nullptr, 1, "1,5", "15", "15"},
      {"left empty", nullptr, 2, "", "", "0"},
      {"the travellers take digits", &TfrmServizi::txtTotViaggiatori, -1, "3x", "3", "3"},
      {"a reading left empty", &TfrmServizi::txtKmRientro, -1, "", "", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QLineEdit* e = c.edit ? w->*c.edit : w->txtLitri[c.row];
    e->clear();
    e->setFocus();
    QTest::keyClicks(e, c.typed);
    EXPECT_EQ(e->text(), c.shown);
    w->txtLuogo->setFocus();
    EXPECT_EQ(e->text(), c.left);
  }
  EXPECT_EQ(w->txtKmPercorsi->text(), QStringLiteral("0"));  // not recomputed on leaving

  struct Amount {
    QString typed, left;
  } amounts[] = {{"", "0,00"}, {"12", "12,00"}, {"12,5", "12,50"}, {"1,2,3", "0,00"}, {"7a,2", "7,20"}};
  for (const Amount& a : amounts) {
    SCOPED_TRACE(a.typed.toStdString());
    w->txtImporto[3]->clear();
    w->txtImporto[3]->setFocus();
    QTest::keyClicks(w->txtImporto[3], a.typed);
    w->txtLuogo->setFocus();
    EXPECT_EQ(w->txtImporto[3]->text(), a.left);
  }
}

TEST_F(ServiziTest, EnterMovesOnlyAlongItsLinksAndOpensTheCalendarInADate) {
  showActive();
  struct Link {
    QLineEdit* from;
    QWidget* to;
  };
  std::vector<Link> links = {{w->txtTarga, w->txtConduttore}, {w->txtTotViaggiatori, w->txtMerce},
                             {w->txtKmPartenza, w->txtKmRientro}, {w->txtKmRientro, w->btnCalcolaKm}};
  for (int r = 0; r < 5; ++r) {
    links.push_back({w->txtLitri[r], w->txtImporto[r]});
    links.push_back({w->txtImporto[r], r < 4 ? static_cast<QWidget*>(w->txtDataRif[r + 1]) : w->btnCalcolaRif});
  }
  for (const Link& l : links) {
    SCOPED_TRACE(l.from->objectName().toStdString());
    l.from->setFocus();
    QTest::keyClick(l.from, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), l.to);
  }
  for (QLineEdit* e : {w->txtLuogo, w->txtOraPartenza, w->txtStazione[2], w->txtMerce, w->txtLitriTot}) {
    SCOPED_TRACE(e->objectName().toStdString());
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), e);
  }
  EXPECT_TRUE(host.modalShown.isEmpty());

  // In a date edit Enter, like any key but Backspace and Delete, opens the calendar
  // with the edit's key word; "Importa" writes the date there.
  QString memory;
  host.modalScripts.push_back([&](platform::Form& f) {
    memory = f.memory();
    click(f.findChild<QPushButton*>(QStringLiteral("btnImportaData")));
  });
  w->txtImporto[1]->setFocus();
  QTest::keyClick(w->txtImporto[1], Qt::Key_Return);
  ASSERT_EQ(w->focusWidget(), w->txtDataRif[2]);
  QTest::keyClick(w->txtDataRif[2], Qt::Key_Return);
  ASSERT_EQ(host.modalShown.size(), 1);
  EXPECT_EQ(host.modalShown.last(), QStringLiteral("TfrmCalendario"));
  EXPECT_EQ(memory, QStringLiteral("datarif03"));
  EXPECT_EQ(w->txtDataRif[2]->text(), QStringLiteral("14/03/2024"));

  // Backspace empties a date without a calendar; a letter opens it.
  QTest::keyClick(w->txtDataRif[2], Qt::Key_Backspace);
  EXPECT_TRUE(w->txtDataRif[2]->text().isEmpty());
  EXPECT_EQ(host.modalShown.size(), 1);
  host.modalScripts.push_back([&](platform::Form& f) { memory = f.memory(); });
  w->txtDataRientro->setFocus();
  QTest::keyClick(w->txtDataRientro, Qt::Key_A);
  EXPECT_EQ(memory, QStringLiteral("datarientro"));
  EXPECT_TRUE(w->txtDataRientro->text().isEmpty());
}

TEST_F(ServiziTest, PlateShowsCapitalsWithoutBlanksAtTheEnds) {
  showActive();
  w->txtTarga->setFocus();
  // The blank typed at the end goes at once, so the digits follow the letters.
  QTest::keyClicks(w->txtTarga, QStringLiteral("ab 12"));
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB12"));
  QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("è"));
  QApplication::sendEvent(w->txtTarga, &accented);
  EXPECT_EQ(w->txtTarga->text(), QStringLiteral("AB12è"));  // accented letters stay as typed
  QTest::keyClick(w->txtTarga, Qt::Key_Return);
  EXPECT_EQ(w->focusWidget(), w->txtConduttore);
}

TEST_F(ServiziTest, CommandsOpenTheirDialogsWithTheirKeyWords) {
  struct Case {
    platform::PictureButton* TfrmServizi::*command;
    const char* dialog;
    const char* keyWord;
  } cases[] = {
      {&TfrmServizi::cmdTrova, "TfrmTrovaServizi", "servizi"},
      {&TfrmServizi::cmdInCorso, "TfrmInCorso", ""},
      {&TfrmServizi::cmdEsporta, "TfrmExpServizi", ""},
      {&TfrmServizi::cmdStampa, "TfrmStampaIstruttore", ""},
      {&TfrmServizi::cmdFile, "TfrmAllegaCartella", "servizi"},
      {&TfrmServizi::impVeicolo, "TfrmTrovaAutomezzi", "servizi"},
  };
  for (const Case& c : cases) expectOpensDialog(w->*c.command, c.dialog, c.keyWord);
}

TEST_F(ServiziTest, HintsHelpAndInstructions) {
  QEvent over(QEvent::Enter);
  QApplication::sendEvent(w->txtDataRif[4], &over);
  EXPECT_EQ(w->panInfo->text(),
            QStringLiteral("Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."));
  QApplication::sendEvent(w->cmdInCorso, &over);
  EXPECT_EQ(w->panInfo->text(), QStringLiteral("Visualizza il riepilogo dei viaggi in corso."));
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w->findChild<QWidget*>(QStringLiteral("bkgRifornimenti")), &move);
  EXPECT_TRUE(w->panInfo->text().isEmpty());

  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& g = static_cast<TfrmGuida&>(f);
    title = g.title();
    text = g.text();
  });
  click(w->cmdGuida);
  EXPECT_EQ(host.modalShown.last(), QStringLiteral("TfrmGuida"));
  EXPECT_EQ(title, QStringLiteral("App Registro Viaggi"));
  EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")).size(), 15);

  host.modalScripts.push_back([](platform::Form& f) { click(f.findChild<QPushButton*>(QStringLiteral("btnChiudi"))); });
  click(w->icoInfo);
  EXPECT_EQ(host.modalShown.last(), QStringLiteral("TfrmIstruzioni"));
  click(w->titInfo);
  EXPECT_EQ(host.modalShown.last(), QStringLiteral("TfrmIstruzioni"));
}

}  // namespace
