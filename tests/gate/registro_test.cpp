// The gate card: the new card at every show, the read-only dates and their calendar,
// the today and now pictures, the plate, the Enter chain, the eight save steps, the
// navigation table, the archive access error, the dialogs, hints and help.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "core/clock.h"
#include "gate/frm_registro.h"
#include "gate/visit_record.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/app/card_window.h"
#include "support/helpers.h"
#include "support/record_bytes.h"
#include "support/scripted_host.h"

using platform::MsgKind;

namespace {

const QString kArchive = QStringLiteral("2024.vis");
constexpr int kSize = 1366;
const core::DateTime kNow{{5, 3, 2024}, 8, 7, 30};

// Where each field's length byte stands, spelled out by hand.
enum Offset {
  kDataEnt = 0, kOraEnt = 11, kOperatoreEnt = 17, kVeicolo = 68, kTarga = 119, kConduttore = 150,
  kPersone = 201, kMerce = 452, kFoglio = 703, kTessere = 754, kLuogo = 875, kTelCel = 996,
  kNote = 1047, kDataUsc = 1298, kOraUsc = 1309, kOperatoreUsc = 1315
};

QByteArray visit(const QByteArray& plate, const QByteArray& entered = "04/03/2024", const QByteArray& left = "") {
  QByteArray r = handBuiltRecord(kSize, {{kDataEnt, entered}, {kOraEnt, "09:00"}, {kOperatoreEnt, "Bianchi"},
                                         {kVeicolo, "Fiat Ducato"}, {kTarga, plate}, {kConduttore, "Mario Rossi"}});
  if (!left.isEmpty()) {
    r[kDataUsc] = char(left.size());
    r.replace(kDataUsc + 1, left.size(), left);
    r[kOraUsc] = 5;
    r.replace(kOraUsc + 1, 5, "17:00");
  }
  return r;
}

class RegistroTest : public CardWindowTest<TfrmRegistro, &App::frmRegistro> {
 protected:
  void SetUp() override {
    app().createWindows();
    w = app().frmRegistro;
    ASSERT_NE(w, nullptr);
    w->openYear(QStringLiteral("2024"));
  }
  void fillRequired() {
    w->txtVeicolo->setText(QStringLiteral("Fiat Ducato"));
    w->txtTarga->setText(QStringLiteral("AB123CD"));
  }
  QByteArray storedText(int record, int offset) { return storedField(dir.read(kArchive).mid(record * kSize, kSize), offset); }

  core::PinnedClock clock{kNow};
};

TEST_F(RegistroTest, EveryShowAndNuovoStartANewCard) {
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Ingresso e Uscite Veicoli anno 2024");
  EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath(kArchive));
  EXPECT_FALSE(w->lblFile->isVisible());
  ASSERT_EQ(w->edits().size(), 16u);
  for (std::size_t i = 0; i < 16; ++i) {
    const auto name = gate::VisitRecord::fields[i].name;
    SCOPED_TRACE(std::string(name));
    EXPECT_EQ(w->edits()[i]->objectName(), "txt" + QString::fromLatin1(name.data(), qsizetype(name.size())));
    EXPECT_EQ(qobject_cast<platform::FilteredEdit*>(w->edits()[i])->inputLimit(), gate::VisitRecord::fields[i].width);
    EXPECT_NE(w->findChild<QWidget*>("eff" + QString::fromLatin1(name.data(), qsizetype(name.size()))), nullptr);
  }
  EXPECT_TRUE(w->txtDataEnt->isReadOnly());
  EXPECT_TRUE(w->txtDataUsc->isReadOnly());
  EXPECT_EQ(w->panInfo->text(), "Pronto per archiviare una nuova scheda...");

  for (QLineEdit* e : w->edits()) e->setText(QStringLiteral("x"));
  w->lblPosizione->setText(QStringLiteral("4"));
  showActive();
  EXPECT_EQ(w->txtDataEnt->text(), "05/03/2024");
  EXPECT_EQ(w->txtOraEnt->text(), "08:07");
  for (std::size_t i = 2; i < 16; ++i) EXPECT_TRUE(w->edits()[i]->text().isEmpty()) << i;
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(w->focusWidget(), w->txtOperatoreEnt);
  // lblFile and the caption stay as the menu set them.
  EXPECT_EQ(w->windowTitle(), " Velmora 4.0 - Ingresso e Uscite Veicoli anno 2024");
  EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath(kArchive));

  core::PinnedClock later(core::DateTime{{6, 3, 2024}, 23, 59, 59});
  w->txtNote->setText(QStringLiteral("nota"));
  w->lblPosizione->setText(QStringLiteral("2"));
  w->txtVeicolo->setFocus();
  click(w->cmdNuovo);
  EXPECT_EQ(w->txtDataEnt->text(), "06/03/2024");
  EXPECT_EQ(w->txtOraEnt->text(), "23:59");
  EXPECT_TRUE(w->txtNote->text().isEmpty());
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  EXPECT_EQ(w->focusWidget(), w->txtOperatoreEnt);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(dir.exists(kArchive));  // a new card opens nothing

  click(w->cmdEsci);
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(app().window("TfrmAvvio")->isVisible());
}

TEST_F(RegistroTest, DatesAreTakenFromTheCalendarOrTheTodayPicturesOnly) {
  showActive();
  // Typing does not reach a date; any key but Backspace and Delete, Enter included,
  // opens the calendar with the edit's key word, and "Importa" writes the day there.
  struct Case {
    QLineEdit* TfrmRegistro::*edit;
    Qt::Key key;
    const char* keyWord;
  } cases[] = {
      {&TfrmRegistro::txtDataEnt, Qt::Key_Return, "dataent"},
      {&TfrmRegistro::txtDataEnt, Qt::Key_7, "dataent"},
      {&TfrmRegistro::txtDataUsc, Qt::Key_A, "datausc"},
      {&TfrmRegistro::txtDataUsc, Qt::Key_Enter, "datausc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyWord);
    QLineEdit* edit = w->*c.edit;
    edit->clear();
    QString memory;
    QWidget* owner = nullptr;
    host.modalScripts.push_back([&](platform::Form& f) {
      memory = f.memory();
      owner = f.parentWidget();
      click(f.findChild<QPushButton*>(QStringLiteral("btnImportaData")));
    });
    edit->setFocus();
    QTest::keyClick(edit, c.key);
    ASSERT_EQ(host.modalShown.size(), 1);
    EXPECT_EQ(host.modalShown.last(), "TfrmCalendario");
    EXPECT_EQ(memory, c.keyWord);
    EXPECT_EQ(owner, w);
    EXPECT_EQ(edit->text(), "05/03/2024");
    EXPECT_EQ(w->focusWidget(), edit);  // Enter does not go on to the time
    host.clear();
  }
  // "Annulla" writes nothing.
  host.modalScripts.push_back([](platform::Form& f) { click(f.findChild<QPushButton*>(QStringLiteral("btnAnnulla"))); });
  w->txtDataUsc->clear();
  QTest::keyClick(w->txtDataUsc, Qt::Key_X);
  EXPECT_TRUE(w->txtDataUsc->text().isEmpty());

  // Backspace and Delete empty a date without any dialog.
  host.clear();
  for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
    w->txtDataEnt->setText(QStringLiteral("01/01/2024"));
    w->txtDataEnt->setFocus();
    QTest::keyClick(w->txtDataEnt, key);
    EXPECT_TRUE(w->txtDataEnt->text().isEmpty());
  }
  EXPECT_TRUE(host.modalShown.isEmpty());

  // The pictures fill their edit and leave the focus where it was.
  core::PinnedClock evening(core::DateTime{{31, 12, 2024}, 0, 4, 59});
  w->txtNote->setFocus();
  click(w->impDataEnt);
  click(w->impDataUsc);
  click(w->impOraEnt);
  click(w->impOraUscita);
  EXPECT_EQ(w->txtDataEnt->text(), "31/12/2024");
  EXPECT_EQ(w->txtDataUsc->text(), "31/12/2024");
  EXPECT_EQ(w->txtOraEnt->text(), "00:04");
  EXPECT_EQ(w->txtOraUsc->text(), "00:04");
  EXPECT_EQ(w->focusWidget(), w->txtNote);
  EXPECT_TRUE(host.modalShown.isEmpty());
}

TEST_F(RegistroTest, PlateInCapitalsAndTheEnterChain) {
  showActive();
  w->txtTarga->setFocus();
  QTest::keyClicks(w->txtTarga, QStringLiteral("ab 12"));
  EXPECT_EQ(w->txtTarga->text(), "AB12");  // the blank at the end goes at once
  typeText(w->txtTarga, QStringLiteral("è"));
  EXPECT_EQ(w->txtTarga->text(), "AB12è");  // accented letters keep their case
  typeText(w->txtTarga, QStringLiteral("x "));
  EXPECT_EQ(w->txtTarga->text(), "AB12èX");

  const std::pair<QLineEdit* TfrmRegistro::*, QLineEdit* TfrmRegistro::*> chain[] = {
      {&TfrmRegistro::txtOraEnt, &TfrmRegistro::txtOperatoreEnt},
      {&TfrmRegistro::txtOperatoreEnt, &TfrmRegistro::txtVeicolo},
      {&TfrmRegistro::txtVeicolo, &TfrmRegistro::txtTarga},
      {&TfrmRegistro::txtTarga, &TfrmRegistro::txtConduttore},
      {&TfrmRegistro::txtConduttore, &TfrmRegistro::txtPersone},
      {&TfrmRegistro::txtPersone, &TfrmRegistro::txtMerce},
      {&TfrmRegistro::txtMerce, &TfrmRegistro::txtFoglio},
      {&TfrmRegistro::txtFoglio, &TfrmRegistro::txtTessere},
      {&TfrmRegistro::txtTessere, &TfrmRegistro::txtLuogo},
      {&TfrmRegistro::txtLuogo, &TfrmRegistro::txtTelCel},
      {&TfrmRegistro::txtTelCel, &TfrmRegistro::txtNote},
      {&TfrmRegistro::txtNote, &TfrmRegistro::txtDataUsc},
      {&TfrmRegistro::txtOraUsc, &TfrmRegistro::txtOperatoreUsc},
      {&TfrmRegistro::txtOperatoreUsc, &TfrmRegistro::txtDataEnt},
  };
  for (const auto& [from, to] : chain) {
    SCOPED_TRACE((w->*from)->objectName().toStdString());
    (w->*from)->setFocus();
    QTest::keyClick(w->*from, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->*to);
  }
  EXPECT_TRUE(host.modalShown.isEmpty());
}

TEST_F(RegistroTest, SaveTestsItsEightStepsInOrderAndWritesNothingWhenRefused) {
  showActive();
  const QString required = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
  const QString valid = QStringLiteral(
      "\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa.");
  const QString both = QStringLiteral(
      "\n\r\n\rPer poter salvare la scheda è necessario o compilare o lasciare in bianco entrambi i campi di testo.");
  struct Case {
    const char* name;
    std::function<void(TfrmRegistro*)> spoil;
    MsgKind kind;
    QString message;
    QLineEdit* TfrmRegistro::*focus;
  } cases[] = {
      {"1 entry date empty, vehicle too", [](TfrmRegistro* c) { c->txtDataEnt->clear(); c->txtVeicolo->clear(); },
       MsgKind::Warning, required + "la data d'ingresso.", &TfrmRegistro::txtDataEnt},
      {"2 31 February", [](TfrmRegistro* c) { c->txtDataEnt->setText(QStringLiteral("31/02/2024")); },
       MsgKind::Plain, "Attenzione: la data d'ingresso 31/02/2024 non esiste." + valid, &TfrmRegistro::txtDataEnt},
      {"2 another separator", [](TfrmRegistro* c) { c->txtDataEnt->setText(QStringLiteral("05.03.2024")); },
       MsgKind::Plain, "Attenzione: la data d'ingresso 05.03.2024 non esiste." + valid, &TfrmRegistro::txtDataEnt},
      {"3 entry time blanks only", [](TfrmRegistro* c) { c->txtOraEnt->setText(QStringLiteral("   ")); },
       MsgKind::Warning, required + "l'ora d'ingresso.", &TfrmRegistro::txtOraEnt},
      {"4 vehicle", [](TfrmRegistro* c) { c->txtVeicolo->clear(); c->txtTarga->clear(); }, MsgKind::Warning,
       required + "la marca e il modello del veicolo.", &TfrmRegistro::txtVeicolo},
      {"5 plate", [](TfrmRegistro* c) { c->txtTarga->clear(); }, MsgKind::Warning,
       required + "la targa del veicolo.", &TfrmRegistro::txtTarga},
      {"6 exit date", [](TfrmRegistro* c) { c->txtDataUsc->setText(QStringLiteral("30/13/2024")); }, MsgKind::Plain,
       "Attenzione: la data d'uscita 30/13/2024 non esiste." + valid, &TfrmRegistro::txtDataUsc},
      {"7 exit time without date", [](TfrmRegistro* c) { c->txtOraUsc->setText(QStringLiteral("17:00")); },
       MsgKind::Plain, "Attenzione: è stata indicata l'ora d'uscita ma non la data." + both, &TfrmRegistro::txtDataUsc},
      {"8 exit date without time", [](TfrmRegistro* c) { c->txtDataUsc->setText(QStringLiteral("06/03/2024")); },
       MsgKind::Plain, "Attenzione: è stata indicata la data d'uscita ma non l'ora." + both, &TfrmRegistro::txtDataUsc},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    click(w->cmdNuovo);
    fillRequired();
    c.spoil(w);
    w->txtNote->setFocus();
    host.clear();
    click(w->cmdSalva);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, c.kind);
    EXPECT_EQ(host.last().text, c.message);
    EXPECT_EQ(w->focusWidget(), w->*c.focus);
    EXPECT_TRUE(w->lblPosizione->text().isEmpty());
  }
  EXPECT_FALSE(dir.exists(kArchive));
}

TEST_F(RegistroTest, SaveAppendsThenOverwritesTheSameRecordByteForByte) {
  dir.write(kArchive, visit("AA111AA") + visit("BB222BB"));
  showActive();
  w->txtOraEnt->setText(QStringLiteral("9x"));  // times are never tested
  w->txtOperatoreEnt->setText(QStringLiteral("  Verdi "));
  fillRequired();
  w->txtConduttore->setText(QStringLiteral("Nicolò Rossi"));
  w->txtNote->setText(QStringLiteral("[x] <b>"));
  w->txtDataUsc->setText(QStringLiteral("01/03/2024"));  // an exit before the entry is kept
  w->txtOraUsc->setText(QStringLiteral("99:99"));
  click(w->cmdSalva);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, "La scheda corrente è stata inserita in archivio.");
  EXPECT_EQ(w->lblPosizione->text(), "3");

  const QByteArray third = handBuiltRecord(
      kSize, {{kDataEnt, "05/03/2024"}, {kOraEnt, "9x"}, {kOperatoreEnt, "Verdi"}, {kVeicolo, "Fiat Ducato"},
              {kTarga, "AB123CD"}, {kConduttore, "Nicol\xF2 Rossi"}, {kNote, "[x] <b>"}, {kDataUsc, "01/03/2024"},
              {kOraUsc, "99:99"}});
  QByteArray file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 3 * kSize);
  EXPECT_EQ(file.left(2 * kSize), visit("AA111AA") + visit("BB222BB"));
  EXPECT_EQ(file.mid(2 * kSize), third);

  // The card keeps its values: the second save overwrites record 3.
  w->txtOperatoreUsc->setText(QStringLiteral("Neri"));
  host.clear();
  click(w->cmdSalva);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(host.last().text, "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
  EXPECT_EQ(w->lblPosizione->text(), "3");
  file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 3 * kSize);
  EXPECT_EQ(storedField(file.mid(2 * kSize), kOperatoreUsc), "Neri");

  // Recording an exit: a record loaded and saved again is overwritten in place.
  click(w->cmdPrimo);
  EXPECT_EQ(w->txtTarga->text(), "AA111AA");
  w->txtDataUsc->setText(QStringLiteral("05/03/2024"));
  w->txtOraUsc->setText(QStringLiteral("12:30"));
  click(w->cmdSalva);
  file = dir.read(kArchive);
  ASSERT_EQ(file.size(), 3 * kSize);
  EXPECT_EQ(storedField(file, kDataUsc), "05/03/2024");
  EXPECT_EQ(storedField(file, kOraUsc), "12:30");

  // New after a load, then Save: appended, even when equal to a stored visit.
  click(w->cmdUltimo);
  const QString plate = w->txtTarga->text();
  click(w->cmdNuovo);
  fillRequired();
  w->txtTarga->setText(plate);
  click(w->cmdSalva);
  EXPECT_EQ(w->lblPosizione->text(), "4");
  EXPECT_EQ(dir.read(kArchive).size(), 4 * kSize);
}

// The card builds its date with "/" and reads dates with "/" whatever the system's
// separator, so today's card saves under any locale.
TEST_F(RegistroTest, TodaysCardSavesUnderALocaleWithAnotherDateSeparator) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  showActive();
  fillRequired();
  click(w->cmdSalva);
  QLocale::setDefault(before);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Information);
  EXPECT_EQ(storedText(0, kDataEnt), "05/03/2024");
}

TEST_F(RegistroTest, NavigationFollowsItsTable) {
  const QString empty = QStringLiteral("L'archivio non contiene nessuna scheda.");
  // A year never used: its file is created by the first navigation, then reported empty.
  struct EmptyCase {
    platform::PictureButton* TfrmRegistro::*button;
    const char* position;  // before
    bool message;
    const char* after;
  } emptyCases[] = {
      {&TfrmRegistro::cmdPrimo, "2", true, "2"},       {&TfrmRegistro::cmdUltimo, "", true, ""},
      {&TfrmRegistro::cmdAvanti, "2", true, ""},       {&TfrmRegistro::cmdIndietro, "", true, ""},
      {&TfrmRegistro::cmdIndietro, "2", true, "2"},    {&TfrmRegistro::cmdIndietro, "1", false, "1"},
  };
  for (const EmptyCase& c : emptyCases) {
    SCOPED_TRACE((w->*c.button)->objectName().toStdString() + " from '" + c.position + "'");
    QFile::remove(dir.file(kArchive));
    host.clear();
    w->lblPosizione->setText(QString::fromLatin1(c.position));
    click(w->*c.button);
    EXPECT_TRUE(dir.exists(kArchive));
    EXPECT_EQ(dir.read(kArchive).size(), 0);
    if (c.message) {
      ASSERT_EQ(host.boxes.size(), 1u);
      EXPECT_EQ(host.last().kind, MsgKind::Information);
      EXPECT_EQ(host.last().text, empty);
    } else {
      EXPECT_TRUE(host.boxes.empty());
    }
    EXPECT_EQ(w->lblPosizione->text(), c.after);
  }

  // Three visits; a partial record at the end counts for nothing and stays.
  dir.write(kArchive, visit("AA111AA") + visit("BB222BB") + visit("CC333CC") + QByteArray(100, 'z'));
  struct Case {
    platform::PictureButton* TfrmRegistro::*button;
    const char* position;
    const char* after;
    const char* plate;  // shown afterwards
  } cases[] = {
      {&TfrmRegistro::cmdPrimo, "", "1", "AA111AA"},      {&TfrmRegistro::cmdUltimo, "", "3", "CC333CC"},
      {&TfrmRegistro::cmdAvanti, "", "1", "AA111AA"},     {&TfrmRegistro::cmdAvanti, "1", "2", "BB222BB"},
      {&TfrmRegistro::cmdAvanti, "3", "3", "kept"},       {&TfrmRegistro::cmdIndietro, "", "1", "AA111AA"},
      {&TfrmRegistro::cmdIndietro, "3", "2", "BB222BB"},  {&TfrmRegistro::cmdIndietro, "1", "1", "kept"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((w->*c.button)->objectName().toStdString() + " from '" + c.position + "'");
    host.clear();
    w->txtTarga->setText(QStringLiteral("kept"));
    w->lblPosizione->setText(QString::fromLatin1(c.position));
    click(w->*c.button);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(w->lblPosizione->text(), c.after);
    EXPECT_EQ(w->txtTarga->text(), c.plate);
  }
  click(w->cmdPrimo);
  EXPECT_EQ(w->txtDataEnt->text(), "04/03/2024");
  EXPECT_EQ(w->txtConduttore->text(), "Mario Rossi");
  EXPECT_TRUE(w->txtDataUsc->text().isEmpty());
  EXPECT_EQ(dir.read(kArchive).size(), 3 * kSize + 100);
}

// Only a missing archive is created: one that cannot be opened is never replaced,
// and the card says so in an error box and keeps what it showed.
TEST_F(RegistroTest, AnArchiveThatCannotBeOpenedIsAnErrorBoxAndNothingIsReplaced) {
  QDir(dir.path()).mkdir(kArchive);  // a folder where the archive should be
  showActive();
  fillRequired();
  click(w->cmdSalva);
  click(w->cmdPrimo);
  w->lblPosizione->setText(QStringLiteral("1"));
  click(w->cmdIndietro);
  ASSERT_EQ(host.boxes.size(), 3u);
  for (const RecordedBox& b : host.boxes) {
    EXPECT_EQ(b.kind, MsgKind::Error);
    EXPECT_EQ(b.text, "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                      "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                      "programma.");
  }
  EXPECT_EQ(w->txtTarga->text(), "AB123CD");
  EXPECT_TRUE(QFileInfo(dir.file(kArchive)).isDir());
}

TEST_F(RegistroTest, CommandsOpenTheirDialogsOwnedByTheCard) {
  struct Case {
    platform::PictureButton* TfrmRegistro::*command;
    const char* dialog;
    const char* keyWord;
  } cases[] = {
      {&TfrmRegistro::cmdTrova, "TfrmTrovaVisite", "registro"},
      {&TfrmRegistro::cmdStampa, "TfrmStampaVisita", ""},
      {&TfrmRegistro::cmdNonUsciti, "TfrmNonUsciti", ""},
      {&TfrmRegistro::cmdEntratiOggi, "TfrmEntratiOggi", ""},
      {&TfrmRegistro::cmdUscitiOggi, "TfrmUscitiOggi", ""},
      {&TfrmRegistro::cmdExcel, "TfrmExpVisite", ""},
      {&TfrmRegistro::impVeicolo, "TfrmTrovaAutomezzi", "registro"},
      {&TfrmRegistro::cmdGuida, "TfrmGuida", ""},
  };
  for (const Case& c : cases) expectOpensDialog(w->*c.command, c.dialog, c.keyWord);
  // Opening them changes nothing of the card; the position label stays too.
  EXPECT_TRUE(w->lblPosizione->text().isEmpty());
}

TEST_F(RegistroTest, TwentyOneHintsAndTheHelp) {
  const std::pair<const char*, const char*> hints[] = {
      {"cmdPrimo", "Visualizza la prima scheda in archivio."},
      {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
      {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
      {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
      {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
      {"cmdSalva", "Salva la scheda corrente in archivio."},
      {"cmdTrova", "Trova una scheda in archivio."},
      {"cmdStampa", "Stampa la scheda corrente."},
      {"cmdNonUsciti", "Visualizza l'elenco dei veicoli non ancora usciti."},
      {"cmdEntratiOggi", "Visualizza l'elenco dei veicoli entrati oggi."},
      {"cmdUscitiOggi", "Visualizza l'elenco dei veicoli usciti oggi."},
      {"cmdExcel", "Esporta le schede in archivio in un file di Microsoft Excel."},
      {"cmdGuida", "Visualizza la guida in linea."},
      {"cmdEsci", "Esci da questa schermata di lavoro."},
      {"impDataEnt", "Inserisci data corrente."},
      {"impDataUsc", "Inserisci data corrente."},
      {"impOraEnt", "Inserisci ora corrente."},
      {"impOraUscita", "Inserisci ora corrente."},
      {"impVeicolo", "Importa i dati dal Parco Automezzi."},
      {"txtDataEnt", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
      {"txtDataUsc", "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
  };
  QWidget* section = w->findChild<QWidget*>(QStringLiteral("bkgVeicolo"));
  ASSERT_NE(section, nullptr);
  const QPointF background(3, section->height() - 3);
  QMouseEvent move(QEvent::MouseMove, background, background, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QEvent over(QEvent::Enter);
  for (const auto& [control, hint] : hints) {
    SCOPED_TRACE(control);
    QWidget* c = find(w, QString::fromLatin1(control));
    ASSERT_NE(c, nullptr);
    QApplication::sendEvent(c, &over);
    EXPECT_EQ(w->panInfo->text(), QString::fromUtf8(hint));
    // Over a section's background the bar empties.
    QApplication::sendEvent(section, &move);
    EXPECT_TRUE(w->panInfo->text().isEmpty());
  }

  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    title = static_cast<TfrmGuida&>(f).title();
    text = static_cast<TfrmGuida&>(f).text();
  });
  click(w->cmdGuida);
  EXPECT_EQ(title, "App Ingressi e Uscite Veicoli");
  const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
  ASSERT_EQ(paragraphs.size(), 6);
  const char* starts[] = {
      "L'app Ingressi e Uscite Veicoli è studiata per gestire le schede da compilarsi a cura del personale di "
      "servizio alla porta carraia",
      "Per inserire una nuova scheda in archivio bisogna selezionare un anno solare",
      "Quando i visitatori stanno per lasciare la sede",
      "La funzione Trova permette di ottenere riepiloghi personalizzati",
      "Si può richiamare una scheda anche utilizzando le frecce di scorrimento",
      "La scheda di rilevazione dell'ingresso e dell'uscita del veicolo può essere stampata in duplice copia su un "
      "unico foglio A4",
  };
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(paragraphs[i].startsWith(QString::fromUtf8(starts[i]))) << i;
}

}  // namespace
