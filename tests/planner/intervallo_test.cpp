// The interval booking dialog: how the board opens it, its four list-only pickers and
// their Enter chain, copy, clear and "Annulla", the checks of "Applica e chiudi" in
// their order, and the days it books on the board.
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "planner/frm_intervallo.h"
#include "planner/frm_planning.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "support/app/card_window.h"
#include "support/record_bytes.h"

using platform::MsgKind;
using planner::BoardDay;

namespace {

const BoardDay& dayOf(const char16_t* key) {
  const BoardDay* d = planner::dayOfKey(key);
  EXPECT_NE(d, nullptr);
  return *d;
}

class Intervallo : public CardWindowTest<TfrmPlanning, &App::frmPlanning> {
 protected:
  void open(const QString& year) {
    w->openFor(planner::plannerFilePath(QStringLiteral("AB123CD"), year), year,
               {"Autovettura", "Fiat", "Panda", "AB123CD"});
    w->showWindow();
  }
  // A dialog as the board's interval picture fills it, kept open for the test.
  std::unique_ptr<TfrmIntervallo> dialog() {
    auto d = std::make_unique<TfrmIntervallo>(w);
    const QString year = w->txtAnno->text();
    d->lblAnnoInizio->setText(year);
    d->lblAnnoFine->setText(year);
    activate(d.get());
    return d;
  }
  static void setInterval(TfrmIntervallo& d, const QString& d1, const QString& m1, const QString& d2,
                          const QString& m2) {
    d.txtGiornoInizio->setEditText(d1);
    d.txtMeseInizio->setEditText(m1);
    d.txtGiornoFine->setEditText(d2);
    d.txtMeseFine->setEditText(m2);
  }
  // The board's interval picture clicked; `act` runs on the dialog while it is shown.
  void throughTheBoard(std::function<void(TfrmIntervallo&)> act) {
    host.modalScripts.push_back([act](platform::Form& f) { act(static_cast<TfrmIntervallo&>(f)); });
    click(w->cmdIntervallo);
  }
  int bookedDays() const {
    int n = 0;
    for (const BoardDay& d : planner::boardDays()) n += w->isDayBooked(d);
    return n;
  }
  // Booked with `text`, or free with no text; both pictures and the label agree.
  void expectDay(const char16_t* key, const QString& text) const {
    const BoardDay& d = dayOf(key);
    SCOPED_TRACE(QString::fromStdU16String(key).toStdString());
    const QString suffix = QString::fromLatin1(d.suffix.data(), static_cast<int>(d.suffix.size()));
    EXPECT_EQ(w->findChild<QObject*>("lib" + suffix)->property("visible").toBool(), text.isEmpty());
    EXPECT_EQ(w->findChild<QObject*>("occ" + suffix)->property("visible").toBool(), !text.isEmpty());
    EXPECT_EQ(w->findChild<QObject*>("mem" + suffix)->property("text").toString(), text);
  }
};

TEST_F(Intervallo, TheBoardOpensItWithItsYearAndVehicleAndEmptyPickers) {
  open(QStringLiteral("2024"));
  QString caption, startYear, endYear, vehicle, owner;
  QStringList pickers, days, months;
  QSize size;
  bool memoryHidden = false;
  throughTheBoard([&](TfrmIntervallo& d) {
    caption = d.windowTitle();
    size = d.size();
    startYear = d.lblAnnoInizio->text();
    endYear = d.lblAnnoFine->text();
    vehicle = d.infCamera->text();
    owner = d.parentWidget()->objectName();
    memoryHidden = !d.lblMemory()->isVisibleTo(&d);
    for (QComboBox* c : {d.txtGiornoInizio, d.txtMeseInizio, d.txtGiornoFine, d.txtMeseFine})
      pickers << c->currentText() + "|" + QString::number(c->currentIndex());
    for (int i = 0; i < d.txtGiornoFine->count(); ++i) days << d.txtGiornoFine->itemText(i);
    for (int i = 0; i < d.txtMeseInizio->count(); ++i) months << d.txtMeseInizio->itemText(i);
  });
  EXPECT_EQ(host.modalShown, QStringList("TfrmIntervallo"));
  EXPECT_EQ(caption, " Prenotazione noleggio veicolo per intervallo di tempo");
  EXPECT_EQ(size, QSize(778, 366));
  EXPECT_EQ(startYear, "2024");
  EXPECT_EQ(endYear, "2024");
  EXPECT_EQ(vehicle, "Fiat Panda");
  EXPECT_EQ(owner, "TfrmPlanning");
  EXPECT_TRUE(memoryHidden);
  EXPECT_EQ(pickers, QStringList({"|-1", "|-1", "|-1", "|-1"}));
  ASSERT_EQ(days.size(), 31);
  EXPECT_EQ(days.first(), "01");
  EXPECT_EQ(days.last(), "31");
  EXPECT_EQ(months, QStringList({"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto",
                                 "Settembre", "Ottobre", "Novembre", "Dicembre"}));
  // Nothing written on the board.
  EXPECT_EQ(bookedDays(), 0);
}

TEST_F(Intervallo, ShowsItsTextsAndTheFocusInTheBookingText) {
  open(QStringLiteral("2024"));
  auto d = dialog();
  EXPECT_TRUE(d->txtPrenotazione->hasFocus());
  EXPECT_EQ(d->lblCampo03->text(), "Indicare l'intervallo di tempo relativo al periodo da prenotare.");
  EXPECT_EQ(d->lblCampo02->text(), "Indicare il nome del cliente nel campo sottostante.");
  EXPECT_EQ(d->grpDataInizio->title(), " Data inizio intervallo: ");
  EXPECT_EQ(d->grpDataFine->title(), " Data fine intervallo: ");
  EXPECT_EQ(d->btnChiudi->text(), "Applica e chiudi");
  EXPECT_EQ(d->btnAnnulla->text(), "Annulla");
  EXPECT_FALSE(d->btnChiudi->isDefault() || d->btnChiudi->autoDefault());
  EXPECT_FALSE(d->lblDataInizio->isVisibleTo(d.get()));
  EXPECT_FALSE(d->lblDataFine->isVisibleTo(d.get()));
  // The band behind the booking text is always shown, the pickers' highlights only
  // with the focus.
  EXPECT_TRUE(d->effPrenotazione->isVisible());
  for (const char* eff : {"effGiornoInizio", "effMeseInizio", "effGiornoFine", "effMeseFine"})
    EXPECT_FALSE(find(d.get(), eff)->isVisible()) << eff;
  // Tab order: the pickers, the text, the two buttons.
  d->txtGiornoInizio->setFocus();
  const QWidget* order[] = {d->txtMeseInizio, d->txtGiornoFine, d->txtMeseFine, d->txtPrenotazione, d->btnChiudi,
                            d->btnAnnulla};
  for (const QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

TEST_F(Intervallo, ThePickersTakeOnlyTheirListsEntries) {
  open(QStringLiteral("2024"));
  auto d = dialog();
  struct Case {
    const char* name;
    std::function<platform::ListOnlyCombo*(TfrmIntervallo&)> picker;
    const char* entry;
    const char* eff;
  };
  const Case cases[] = {
      {"start day", [](TfrmIntervallo& x) { return x.txtGiornoInizio; }, "05", "effGiornoInizio"},
      {"start month", [](TfrmIntervallo& x) { return x.txtMeseInizio; }, "Marzo", "effMeseInizio"},
      {"end day", [](TfrmIntervallo& x) { return x.txtGiornoFine; }, "31", "effGiornoFine"},
      {"end month", [](TfrmIntervallo& x) { return x.txtMeseFine; }, "Dicembre", "effMeseFine"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::ListOnlyCombo* p = c.picker(*d);
    QWidget* eff = find(d.get(), c.eff);
    p->setCurrentIndex(p->findText(c.entry));  // chosen from the list
    d->txtPrenotazione->setFocus();
    // About to take the focus the list selection goes, the text stays; the highlight shows.
    p->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p->currentIndex(), -1);
    EXPECT_EQ(p->currentText(), c.entry);
    EXPECT_TRUE(eff->isVisible());
    // Typing, the other arrows and a paste change nothing; Left and Right pass.
    QTest::keyClicks(p, "1a");
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home}) QTest::keyClick(p, k);
    QGuiApplication::clipboard()->setText(QStringLiteral("07"));
    QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(p->currentText(), c.entry);
    EXPECT_TRUE(p->hasFocus());
    // Backspace empties it whole, and so does Delete.
    QTest::keyClick(p, Qt::Key_Backspace);
    EXPECT_EQ(p->currentText(), "");
    p->setEditText(c.entry);
    QTest::keyClick(p, Qt::Key_Delete);
    EXPECT_EQ(p->currentText(), "");
    // Leaving it hides the highlight.
    p->setEditText(c.entry);
    d->txtPrenotazione->setFocus();
    EXPECT_FALSE(eff->isVisible());
    EXPECT_EQ(p->currentText(), c.entry);
  }
}

TEST_F(Intervallo, LeavingAPickerEmptiesATextThatIsNoneOfItsEntries) {
  open(QStringLiteral("2024"));
  auto d = dialog();
  const struct {
    bool month;
    const char* text;
    const char* kept;
  } cases[] = {
      {false, "05", "05"},        {false, " 05 ", " 05 "}, {false, "5", ""},   {false, "32", ""},
      {false, "005", ""},         {true, "Marzo", "Marzo"}, {true, " MARZO ", " MARZO "},
      {true, "marzo", "marzo"},   {true, "Marz", ""},       {true, "03", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    platform::ListOnlyCombo* const days[] = {d->txtGiornoInizio, d->txtGiornoFine};
    platform::ListOnlyCombo* const months[] = {d->txtMeseInizio, d->txtMeseFine};
    for (platform::ListOnlyCombo* p : c.month ? months : days) {
      p->setFocus();
      p->setEditText(QString::fromUtf8(c.text));  // reached by some route other than the list
      d->txtPrenotazione->setFocus();
      EXPECT_EQ(p->currentText(), c.kept) << p->objectName().toStdString();
    }
  }
}

TEST_F(Intervallo, EnterMovesAlongTheChainToApplicaEChiudiAndBooksNothing) {
  open(QStringLiteral("2024"));
  auto d = dialog();
  setInterval(*d, "01", "Marzo", "02", "Marzo");
  d->txtPrenotazione->setText(QStringLiteral("Rossi"));
  d->txtGiornoInizio->setFocus();
  const QWidget* chain[] = {d->txtMeseInizio, d->txtGiornoFine, d->txtMeseFine, d->txtPrenotazione, d->btnChiudi};
  for (const QWidget* next : chain) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
  // Enter in the booking text only moved on: nothing asked, nothing booked.
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(bookedDays(), 0);
  EXPECT_TRUE(d->isVisible());
  // The keypad's Enter moves on as well.
  d->txtMeseFine->setFocus();
  QTest::keyClick(d->txtMeseFine, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(d->txtPrenotazione->hasFocus());
  // Enter on "Applica e chiudi" presses it, as Space does.
  QTest::keyClick(d->txtPrenotazione, Qt::Key_Return);
  QTest::keyClick(d->btnChiudi, Qt::Key_Return);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Question);
  EXPECT_EQ(bookedDays(), 2);
  EXPECT_FALSE(d->isVisible());
}

TEST_F(Intervallo, CopyClearAndAnnullaLeaveTheBoardAsItWas) {
  open(QStringLiteral("2024"));
  w->setDay(dayOf(u"mar_01"), QStringLiteral("Bianchi"));
  auto d = dialog();
  setInterval(*d, "01", "Marzo", "05", "Marzo");
  QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
  d->txtPrenotazione->setText(QStringLiteral("   "));
  click(d->cmdClipboard);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(host.last().text, "Attenzione: il campo di testo non contiene nessun dato da copiare in memoria.");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "prima");
  EXPECT_TRUE(d->txtPrenotazione->hasFocus());

  d->txtPrenotazione->setText(QStringLiteral(" Rossi 333 "));
  click(d->cmdClipboard);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, "Il contenuto del campo di testo è stato copiato in memoria.");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), " Rossi 333 ");

  click(d->cmdCancella);
  EXPECT_EQ(d->txtPrenotazione->text(), "");
  EXPECT_TRUE(d->txtPrenotazione->hasFocus());
  EXPECT_EQ(d->txtGiornoFine->currentText(), "05");
  EXPECT_EQ(d->txtMeseInizio->currentText(), "Marzo");

  d->txtPrenotazione->setText(QStringLiteral("Rossi"));
  click(d->btnAnnulla);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(bookedDays(), 1);
  expectDay(u"mar_01", "Bianchi");
}

TEST_F(Intervallo, TheTextStopsAtFiftyCharactersWithoutControls) {
  open(QStringLiteral("2024"));
  auto d = dialog();
  QTest::keyClicks(d->txtPrenotazione, QString(60, 'a'));
  EXPECT_EQ(d->txtPrenotazione->text(), QString(50, 'a'));
  d->txtPrenotazione->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("Rossi\tMario"));
  QTest::keyClick(d->txtPrenotazione, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(d->txtPrenotazione->text(), "RossiMario");
}

TEST_F(Intervallo, ChecksStopAtTheFirstFailureWithItsBoxAndFocus) {
  open(QStringLiteral("2023"));
  auto d = dialog();
  struct Case {
    const char* name;
    QString d1, m1, d2, m2, text;
    MsgKind kind;
    QString message;
    QWidget* focus;  // null: it stays in the booking text
    QString startText, endText;
  };
  const QString dateInvalid = QStringLiteral("\n\r\n\rPer poter effettuare la prenotazione è necessario indicare una data valida.");
  const QString endInvalid = QStringLiteral("\n\r\n\rPer effettuare la prenotazione è necessario indicare una data valida.");
  const Case cases[] = {
      {"every picker empty", "", "", "", "", "Rossi", MsgKind::Warning,
       "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.", d->txtGiornoInizio},
      {"start month and the end empty", "01", "", "", "", "Rossi", MsgKind::Warning,
       "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.", d->txtMeseInizio},
      {"end day empty", "01", "Marzo", "", "Marzo", "", MsgKind::Warning,
       "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.", d->txtGiornoFine},
      {"end month empty", "01", "Marzo", "02", "", "", MsgKind::Warning,
       "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.", d->txtMeseFine},
      {"29 February of a common year", "29", "Febbraio", "01", "Marzo", "Rossi", MsgKind::Plain,
       "Attenzione: la data 29/02/2023 di inizio intervallo non esiste." + dateInvalid, d->txtGiornoInizio,
       "29/02/2023", ""},
      {"31 April as the end", "01", "Aprile", "31", "Aprile", "Rossi", MsgKind::Plain,
       "Attenzione: la data 31/04/2023 di fine intervallo non esiste." + endInvalid, d->txtGiornoFine, "01/04/2023",
       "31/04/2023"},
      {"end before start", "10", "Marzo", "09", "Marzo", "Rossi", MsgKind::Plain,
       "Attenzione: la data di fine intervallo (09/03/2023) non può essere anteriore a quella di inizio intervallo "
       "(10/03/2023).\n\r\n\rPer effettuare la prenotazione è necessario indicare un intervallo di tempo valido.",
       nullptr, "10/03/2023", "09/03/2023"},
      {"an earlier month, a later day", "01", "Dicembre", "31", "Gennaio", "Rossi", MsgKind::Plain,
       "Attenzione: la data di fine intervallo (31/01/2023) non può essere anteriore a quella di inizio intervallo "
       "(01/12/2023).\n\r\n\rPer effettuare la prenotazione è necessario indicare un intervallo di tempo valido.",
       nullptr, "01/12/2023", "31/01/2023"},
      {"a text of blanks", "01", "Marzo", "02", "Marzo", "   ", MsgKind::Warning,
       "Attenzione: per effettuare la prenotazione è necessario indicare il nome del cliente.", d->txtPrenotazione,
       "01/03/2023", "02/03/2023"},
      // After the failures above left dates behind, a press that stops first empties them.
      {"stale dates emptied", "", "Marzo", "02", "Marzo", "Rossi", MsgKind::Warning,
       "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.", d->txtGiornoInizio,
       "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.clear();
    setInterval(*d, c.d1, c.m1, c.d2, c.m2);
    d->txtPrenotazione->setText(c.text);
    d->txtPrenotazione->setFocus();
    d->btnChiudi->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, c.kind);
    EXPECT_EQ(host.last().text, c.message);
    EXPECT_EQ(QApplication::focusWidget(), c.focus ? c.focus : static_cast<QWidget*>(d->txtPrenotazione));
    EXPECT_EQ(d->lblDataInizio->text(), c.startText);
    EXPECT_EQ(d->lblDataFine->text(), c.endText);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->txtPrenotazione->text(), c.text);  // the entries as the user left them
  }
  EXPECT_EQ(bookedDays(), 0);
}

TEST_F(Intervallo, NoToTheQuestionLeavesBoardAndDialogAsTheyWere) {
  open(QStringLiteral("2025"));
  auto d = dialog();
  setInterval(*d, "05", "Marzo", "07", "Marzo");
  d->txtPrenotazione->setText(QStringLiteral("Rossi"));
  host.answers = {false};
  d->btnChiudi->click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Question);
  EXPECT_EQ(host.last().text,
            "INTERVALLO SELEZIONATO:  DAL  05/03/2025 AL 07/03/2025.\r\n\r\nSi conferma la prenotazione?");
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(bookedDays(), 0);
  EXPECT_EQ(d->txtMeseFine->currentText(), "Marzo");
  // A second press asks again; Yes books and closes.
  d->btnChiudi->click();
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.last().kind, MsgKind::Question);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(bookedDays(), 3);
}

TEST_F(Intervallo, BooksEveryDayFromStartToEndOn29FebruaryTooWhenTheYearHasIt) {
  struct Case {
    const char* name;
    const char* year;
    QString d1, m1, d2, m2;
    const char16_t* first;  // the first and last day booked, in board order
    const char16_t* last;
    int booked;
  };
  const Case cases[] = {
      {"one day", "2025", "10", "Marzo", "10", "Marzo", u"mar_10", u"mar_10", 1},
      {"across February in a leap year", "2024", "25", "Febbraio", "05", "Marzo", u"feb_25", u"mar_05", 10},
      {"across February in a common year", "2023", "25", "Febbraio", "05", "Marzo", u"feb_25", u"mar_05", 9},
      {"29 February alone", "2024", "29", "Febbraio", "29", "Febbraio", u"feb_29", u"feb_29", 1},
      {"from 29 February", "2000", "29", "Febbraio", "01", "Marzo", u"feb_29", u"mar_01", 2},
      {"a whole leap year", "2024", "01", "Gennaio", "31", "Dicembre", u"gen_01", u"dic_31", 366},
      {"a whole common year", "1900", "01", "gennaio", "31", "DICEMBRE", u"gen_01", u"dic_31", 365},
      {"a month's edges", "2023", "30", "Aprile", "01", "Maggio", u"apr_30", u"mag_01", 2},
  };
  // Whatever the system's date format, the dates are dd/mm/yyyy with "/".
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.clear();
    open(QString::fromLatin1(c.year));
    QString question;
    throughTheBoard([&](TfrmIntervallo& d) {
      setInterval(d, c.d1, c.m1, c.d2, c.m2);
      d.txtPrenotazione->setText(QStringLiteral("  Rossi  Mario  "));
      click(d.btnChiudi);
      EXPECT_FALSE(d.isVisible());
    });
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Question);
    const int first = dayOf(c.first).index, last = dayOf(c.last).index;
    const bool leap = QDate::isLeapYear(QString::fromLatin1(c.year).toInt());
    for (const BoardDay& day : planner::boardDays()) {
      const bool inside = first <= day.index && day.index <= last && (leap || !day.isLeapDay());
      if (w->isDayBooked(day) != inside) ADD_FAILURE() << "day " << day.index;
      if (inside) EXPECT_EQ(w->dayText(day), "Rossi  Mario");
    }
    EXPECT_EQ(bookedDays(), c.booked);
    w->closeForm();
    QFile::remove(w->filePath());  // the next case of the same year starts free
  }
  QLocale::setDefault(before);
}

TEST_F(Intervallo, InsideIsOverwrittenOutsideAndA29FebruaryOfACommonYearKeepTheirs) {
  // A common year's file may hold a text for 29 February: the interval never touches it.
  dir.write(QStringLiteral("Prenotazioni veicolo targa AB123CD anno 2023.pln"),
            handBuiltRecord(18850, {{184 + 51 * 59, "Vecchio"}}));
  open(QStringLiteral("2023"));
  w->setDay(dayOf(u"feb_27"), QStringLiteral("Bianchi"));
  w->setDay(dayOf(u"mar_02"), QStringLiteral("Verdi"));
  w->setDay(dayOf(u"mar_03"), QStringLiteral("Neri"));
  expectDay(u"feb_29", "Vecchio");
  throughTheBoard([](TfrmIntervallo& d) {
    setInterval(d, "28", "Febbraio", "02", "Marzo");
    d.txtPrenotazione->setText(QStringLiteral(" Rossi "));
    click(d.btnChiudi);
  });
  expectDay(u"feb_27", "Bianchi");
  expectDay(u"feb_28", "Rossi");
  expectDay(u"feb_29", "Vecchio");
  expectDay(u"mar_01", "Rossi");
  expectDay(u"mar_02", "Rossi");
  expectDay(u"mar_03", "Neri");
  // What the dialog wrote lasts through the board's save.
  w->closeForm();
  const QByteArray stored = dir.read(QStringLiteral("Prenotazioni veicolo targa AB123CD anno 2023.pln"));
  EXPECT_EQ(storedField(stored, 184 + 51 * 58), "Rossi");
  EXPECT_EQ(storedField(stored, 184 + 51 * 59), "Vecchio");
  EXPECT_EQ(storedField(stored, 184 + 51 * 61), "Rossi");
  EXPECT_EQ(storedField(stored, 184 + 51 * 62), "Neri");
}

TEST_F(Intervallo, WritesOnTheProgramsBoardWhoeverOwnsTheDialog) {
  open(QStringLiteral("2024"));
  TfrmIntervallo d(nullptr);
  d.lblAnnoInizio->setText(QStringLiteral("2024"));
  d.lblAnnoFine->setText(QStringLiteral("2024"));
  d.show();
  setInterval(d, "01", "Giugno", "02", "Giugno");
  d.txtPrenotazione->setText(QStringLiteral("Rossi"));
  d.btnChiudi->click();
  expectDay(u"giu_01", "Rossi");
  expectDay(u"giu_02", "Rossi");
  EXPECT_EQ(bookedDays(), 2);
}

}  // namespace
