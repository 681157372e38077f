// The vehicle search and picker: filters, result list, list find, the double-click
// into the window its key word names, print.
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <map>
#include <memory>

#include "app/app.h"
#include "kit/list_find.h"
#include "platform/form.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/vehicle_archive.h"
#include "vehicles/frm_autoparco.h"
#include "vehicles/frm_trova_automezzi.h"
#include "vehicles/vehicle_record.h"

namespace {

VehicleFields punto() {
  return {{"Tipo", "Autovettura"},   {"Marca", "Fiat"},       {"Modello", "Punto"},   {"Targa", "AB123CD"},
          {"Proprietario", "Rossi Mario"}, {"Anno", "2019"}, {"Chilometri", "45000"}, {"Colore", "Rosso"},
          {"Alimentazione", "Benzina"}, {"Autista", "Verdi Luca"}, {"TelAutista", "333 1234567"},
          {"Destinazione", "Trasporto persone"}, {"Note", "tagliando  fatto"}, {"File01", "libretto.pdf"}};
}
VehicleFields daily() {
  return {{"Tipo", "Furgone"}, {"Marca", "Iveco"},   {"Modello", "Daily"}, {"Targa", "EF456GH"},
          {"Proprietario", "Bianchi Srl"}, {"Anno", "2021"}, {"Chilometri", "120000"}};
}
VehicleFields astra() {
  return {{"Tipo", "autovettura"}, {"Marca", "Opel"}, {"Modello", "Astra"}, {"Targa", "ZZ999ZZ"}};
}

// The line as the list shows it, built here independently of the program.
QString lineOf(const VehicleFields& v) {
  auto f = [&](std::string_view n) { auto it = v.find(n); return it == v.end() ? QString() : it->second; };
  auto col = [](const QString& s, int n) { return s.leftJustified(n, QLatin1Char(' '), true); };
  return col(f("Tipo"), 20) + "  " + col(f("Marca") + " " + f("Modello"), 30) + "  Targa: " + col(f("Targa"), 12) +
         "  Titolare: " + col(f("Proprietario"), 30) + "  Anno: " + col(f("Anno"), 10) + "  Km: " + f("Chilometri");
}

class TrovaAutomezzi : public ::testing::Test {
 protected:
  void TearDown() override { app().destroyWindows(); }

  // A fresh search window, shown as a caller shows it.
  std::unique_ptr<TfrmTrovaAutomezzi> open(const QString& keyWord = {}) {
    auto w = std::make_unique<TfrmTrovaAutomezzi>(nullptr);
    w->setMemory(keyWord);
    w->show();
    return w;
  }
  void search(TfrmTrovaAutomezzi& w, const std::map<QString, QString>& filters = {}) {
    for (const auto& [name, text] : filters) w.filterEdit(name)->setText(text);
    click(w.btnCerca);
  }

  TempExeDir dir;
  ScriptedDialogHost host;
};

TEST_F(TrovaAutomezzi, OpensOnTheFiltersWithTheirLabelsAndChain) {
  auto w = open();
  EXPECT_EQ(w->objectName(), "TfrmTrovaAutomezzi");
  EXPECT_EQ(w->windowTitle(), " Trova schede veicoli in archivio");
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());
  const QStringList chain{"txtTipo", "txtDestinazione", "txtMarca",     "txtModello",      "txtTarga",
                          "txtStato", "txtAutista",      "txtMeccanico", "txtProprietario", "txtNote"};
  const QStringList captions{"Tipo veicolo:", "Destinazione ed uso:", "Marca:",      "Modello:",      "Targa:",
                             "Stato veicolo:", "Autista:",            "Meccanico:", "Proprietario:", "Note:"};
  const QStringList highlights{"effCampo01", "effCampo02", "effCampo09", "effCampo10", "effCampo05",
                               "effCampo06", "effCampo07", "effCampo08", "effCampo03", "effCampo04"};
  for (int i = 0; i < chain.size(); ++i) {
    EXPECT_EQ(w->filterEdits[i]->objectName(), chain[i]);
    EXPECT_EQ(find<QLabel>(w.get(), QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')))->text(), captions[i]);
    EXPECT_NE(find<QWidget>(w.get(), highlights[i]), nullptr);
  }
  EXPECT_EQ(w->txtTipo, w->filterEdits[0]);
  EXPECT_EQ(w->txtNote, w->filterEdits[9]);
  EXPECT_EQ(w->btnCerca->text(), "Cerca");
  EXPECT_EQ(w->btnAnnulla->text(), "Chiudi");
  EXPECT_EQ(w->lblTrovate->text(), "Il presente riepilogo contiene 0 schede");

  // Enter moves along the chain; the last filter's Enter returns to the first, and
  // the highlight follows the focus.
  activate(w.get());
  w->txtTipo->setFocus();
  for (int i = 1; i <= chain.size(); ++i) {
    pressKey(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->filterEdits[i % chain.size()]) << i;
  }
  EXPECT_TRUE(find<QWidget>(w.get(), "effCampo01")->isVisible());
  EXPECT_FALSE(find<QWidget>(w.get(), "effCampo04")->isVisible());
}

TEST_F(TrovaAutomezzi, NoFilterListsEveryVehicleSortedWithItsCounter) {
  appendVehicles({punto(), daily(), astra()});
  auto w = open();
  search(*w);
  // Sorted with A-Z folded: "autovettura" and "Autovettura" side by side, file order kept.
  EXPECT_EQ(listLines(w->lstRecords), (QStringList{lineOf(punto()), lineOf(astra()), lineOf(daily())}));
  EXPECT_EQ(w->lblTrovate->text(), "Il presente riepilogo contiene 3 schede");
  EXPECT_EQ(w->lblConta->text(), "0");
  EXPECT_TRUE(w->panContainer->isVisible());
  EXPECT_FALSE(w->panAvvio->isVisible());
  EXPECT_EQ(w->lstRecords->font().family(), "Courier New");
  EXPECT_EQ(w->lstRecords->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(lineRect(w->lstRecords, 0).width(), 1600);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(TrovaAutomezzi, EmptyOrMissingArchiveGivesAnEmptyListAndCreatesTheFile) {
  auto w = open();
  search(*w);
  EXPECT_EQ(listCount(w->lstRecords), 0);
  EXPECT_EQ(w->lblTrovate->text(), "Il presente riepilogo contiene 0 schede");
  EXPECT_TRUE(dir.exists(kVehicleArchive));
  EXPECT_EQ(dir.read(kVehicleArchive).size(), 0);
}

TEST_F(TrovaAutomezzi, LineCutsMakeModelAndOwnerButNeverTheKilometres) {
  VehicleFields v = punto();
  v["Marca"] = "Mercedes-Benz Veicoli Commerciali";
  v["Modello"] = "Sprinter";
  v["Proprietario"] = "Trasporti Internazionali Rossi & Figli";
  v["Chilometri"] = "123456 (contachilometri sostituito)";
  appendVehicles({v});
  auto w = open();
  search(*w);
  const QString line = listLines(w->lstRecords).at(0);
  EXPECT_EQ(line, lineOf(v));
  EXPECT_TRUE(line.contains("  Mercedes-Benz Veicoli Commerci  Targa: AB123CD       Titolare: Trasporti Internazionali Rossi  Anno: "));
  EXPECT_TRUE(line.endsWith("  Km: 123456 (contachilometri sostituito)"));
}

TEST_F(TrovaAutomezzi, FiltersFoldOnlyAToZAndEveryFilledFilterMustMatch) {
  VehicleFields accented = daily();
  accented["Marca"] = QString::fromUtf8("\xC3\x88lite");  // "Èlite"
  appendVehicles({punto(), daily(), astra(), accented});
  struct Case {
    const char* name;
    std::map<QString, QString> filters;
    QStringList found;
  } cases[] = {
      {"make in capitals, model in small letters", {{"txtMarca", "FIAT"}, {"txtModello", "punto"}}, {lineOf(punto())}},
      {"two filters, one fails", {{"txtMarca", "fiat"}, {"txtModello", "daily"}}, {}},
      {"type matches two records", {{"txtTipo", "AUTOV"}}, {lineOf(punto()), lineOf(astra())}},
      {"accented capital not folded", {{"txtMarca", QString::fromUtf8("\xC3\xA8lite")}}, {}},
      {"accented as stored", {{"txtMarca", QString::fromUtf8("\xC3\x88lite")}}, {lineOf(accented)}},
      {"filter with a trailing blank must be found with it", {{"txtTarga", "AB123CD "}}, {}},
      {"blanks alone list everything",
       {{"txtNote", "  "}},
       {lineOf(punto()), lineOf(astra()), lineOf(daily()), lineOf(accented)}},
      // A filter of blanks never matches: the notes of the Punto hold two spaces, but
      // the type filter alone decides.
      {"blank notes beside a type", {{"txtTipo", "Furgone"}, {"txtNote", "  "}}, {lineOf(daily()), lineOf(accented)}},
      {"notes and driver", {{"txtNote", "tagliando"}, {"txtAutista", "verdi"}}, {lineOf(punto())}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = open();
    search(*w, c.filters);
    EXPECT_EQ(listLines(w->lstRecords), c.found);
    EXPECT_EQ(w->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene %1 schede").arg(c.found.size()));
  }
}

TEST_F(TrovaAutomezzi, AnArchiveThatCannotBeOpenedIsAPlainMessageAndTheFiltersStay) {
  QDir(dir.path()).mkdir(kVehicleArchive);  // a folder where the archive should be
  auto w = open();
  search(*w, {{"txtTarga", "AB"}});
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(host.last().text,
            "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
            "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());
  EXPECT_FALSE(w->lblAttendere->isVisible());
  EXPECT_EQ(w->txtTarga->text(), "AB");
}

TEST_F(TrovaAutomezzi, PressingCercaShowsTheWaitLabelAndClosingEmptiesTheList) {
  appendVehicles({punto()});
  auto w = open();
  EXPECT_FALSE(w->lblAttendere->isVisible());
  QTest::mousePress(w->btnCerca, Qt::LeftButton);
  EXPECT_TRUE(w->lblAttendere->isVisible());
  EXPECT_EQ(w->lblAttendere->text(), "Ricerca schede in corso. Attendere...");
  QTest::mouseRelease(w->btnCerca, Qt::LeftButton);
  EXPECT_EQ(listCount(w->lstRecords), 1);
  click(w->btnChiudi);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(listCount(w->lstRecords), 0);
}

// ---- the picker --------------------------------------------------------------------

const QStringList kStandInControls{"txtVeicolo",    "txtMarca",      "txtModello", "txtColore",
                                   "txtAlimentazione", "txtTarga",   "txtConducente", "txtRecapito",
                                   "txtConduttore", "txtCliente",    "txtTipologia"};
const QStringList kStandInWindows{"TfrmServizi",      "TfrmMenuRiepCosti", "TfrmAnagrafica", "TfrmRegistro",
                                  "TfrmScadenzario", "TfrmChilometrico", "TfrmCosti",      "TfrmMenuRiepSpese"};
const QString kUntouched = QStringLiteral("(untouched)");

// The other apps' windows as the picker sees them: every control it could write
// into, each holding a mark. The cost card's vehicle field is a combo edit.
void addStandIns() {
  for (const QString& cls : kStandInWindows) {
    auto* f = new platform::Form(nullptr, cls, platform::WindowKind::Maximized, " " + cls, 400, 300);
    for (const QString& name : kStandInControls) {
      if (cls == "TfrmCosti" && name == "txtVeicolo") {
        auto* combo = new QComboBox(f);
        combo->setEditable(true);
        combo->addItems({"Autovettura", "Furgone"});
        combo->setObjectName(name);
        combo->setEditText(kUntouched);
      } else {
        auto* e = new QLineEdit(kUntouched, f);
        e->setObjectName(name);
      }
    }
    app().adopt(f);
  }
}

QString controlText(const QString& window, const QString& control) {
  QObject* c = app().window(window)->findChild<QObject*>(control);
  if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText();
  return qobject_cast<QLineEdit*>(c)->text();
}

TEST_F(TrovaAutomezzi, EachKeyWordWritesItsFieldsIntoItsWindowAndNothingElse) {
  VehicleFields v = punto();
  v["Tipo"] = "Trattore stradale";  // not one of the cost card's vehicle types
  appendVehicles({daily(), v});
  const QString make = "Fiat Punto";
  struct Case {
    QString keyWord, window;
    std::map<QString, QString> written;
  } cases[] = {
      {"servizi", "TfrmServizi", {{"txtVeicolo", make}, {"txtTarga", "AB123CD"}}},
      {"riepcosti", "TfrmMenuRiepCosti", {{"txtCliente", "AB123CD"}}},
      {"anagrafica",
       "TfrmAnagrafica",
       {{"txtVeicolo", "Trattore stradale"}, {"txtMarca", "Fiat"}, {"txtModello", "Punto"}, {"txtColore", "Rosso"},
        {"txtAlimentazione", "Benzina"}, {"txtTarga", "AB123CD"}, {"txtConducente", "Verdi Luca"},
        {"txtRecapito", "333 1234567"}}},
      {"registro", "TfrmRegistro", {{"txtVeicolo", make}, {"txtTarga", "AB123CD"}, {"txtConduttore", "Verdi Luca"}}},
      {"riepspese", "TfrmMenuRiepSpese", {{"txtTipologia", "AB123CD"}}},
  };
  const std::map<QString, QString> six{{"txtVeicolo", "Trattore stradale"}, {"txtMarca", "Fiat"},
                                       {"txtModello", "Punto"},             {"txtColore", "Rosso"},
                                       {"txtAlimentazione", "Benzina"},     {"txtTarga", "AB123CD"}};
  std::vector<Case> all(std::begin(cases), std::end(cases));
  all.push_back({"scadenzario", "TfrmScadenzario", six});
  all.push_back({"chilometrico", "TfrmChilometrico", six});
  all.push_back({"costi", "TfrmCosti", six});
  all.push_back({" servizi ", "TfrmServizi", {{"txtVeicolo", make}, {"txtTarga", "AB123CD"}}});  // trimmed
  all.push_back({"Servizi", "", {}});   // case-sensitive: nothing
  all.push_back({"ignoto", "", {}});
  all.push_back({"", "", {}});

  for (const Case& c : all) {
    SCOPED_TRACE(c.keyWord.toStdString());
    addStandIns();
    auto w = open(c.keyWord);
    search(*w, {{"txtTarga", "ab123"}});
    ASSERT_EQ(listCount(w->lstRecords), 1);
    kit::selectRow(w->lstRecords, 0);
    w->lstRecordsDblClick();
    EXPECT_FALSE(w->isVisible());
    for (const QString& cls : kStandInWindows)
      for (const QString& name : kStandInControls) {
        const auto it = c.written.find(name);
        const QString expected = cls == c.window && it != c.written.end() ? it->second : kUntouched;
        EXPECT_EQ(controlText(cls, name), expected) << cls.toStdString() << "." << name.toStdString();
      }
    app().destroyWindows();
  }
}

TEST_F(TrovaAutomezzi, AutoparcoLoadsTheWholeCardAndTheLaterOfTwoEqualLinesWins) {
  VehicleFields first = punto();
  VehicleFields second = punto();
  second["Colore"] = "Blu";  // not in the line: both records give the same line
  second["File01"] = "seconda.pdf";
  appendVehicles({daily(), first, astra(), second});
  auto* card = new TfrmAutoparco(nullptr);
  app().adopt(card);

  // Opened by the card as every dialog is: owned, key word, modal, freed.
  auto* picker = new TfrmTrovaAutomezzi(card);
  picker->setMemory("autoparco");
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& w = static_cast<TfrmTrovaAutomezzi&>(f);
    search(w, {{"txtMarca", "fiat"}});
    ASSERT_EQ(listCount(w.lstRecords), 2);
    // A double-click on the first line: the first press selects it.
    const QRect r = lineRect(w.lstRecords, 0);
    QTest::mouseClick(w.lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_EQ(kit::selectedRow(w.lstRecords), 0);
    QTest::mouseDClick(w.lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_FALSE(w.isVisible());
  });
  picker->showModalDialog();
  delete picker;

  EXPECT_EQ(card->lblPosizione->text(), "4");
  EXPECT_EQ(card->txtColore->text(), "Blu");
  EXPECT_EQ(card->txtTarga->text(), "AB123CD");
  EXPECT_EQ(card->txtDestinazione->text(), "Trasporto persone");
  EXPECT_EQ(card->lblFile01->text(), "seconda.pdf");
  EXPECT_TRUE(QDir(dir.file("Autoparco")).exists());
}

TEST_F(TrovaAutomezzi, DoubleClickWithNoSelectedLineClosesAndWritesNothing) {
  appendVehicles({punto()});
  addStandIns();
  auto w = open("servizi");
  search(*w);
  kit::selectRow(w->lstRecords, -1);
  w->lstRecordsDblClick();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(controlText("TfrmServizi", "txtTarga"), kUntouched);

  // The archive gone between the search and the double-click: closes silently.
  auto again = open("servizi");
  search(*again);
  kit::selectRow(again->lstRecords, 0);
  QFile::remove(dir.file(kVehicleArchive));
  QDir(dir.path()).mkdir(kVehicleArchive);
  again->lstRecordsDblClick();
  EXPECT_FALSE(again->isVisible());
  EXPECT_EQ(controlText("TfrmServizi", "txtTarga"), kUntouched);
  EXPECT_TRUE(host.boxes.empty());
}

// ---- list find ---------------------------------------------------------------------

TEST_F(TrovaAutomezzi, TrovaFindsFromTheTopThenOnwardsAndForgetsItsTextOnANewOpening) {
  appendVehicles({punto(), daily(), astra()});  // listed: Punto, Astra, Daily
  auto w = open();
  search(*w);
  auto find = [&](const QString& text) {
    w->txtTrova->setText(text);
    click(w->btnTrova);
    return kit::selectedRow(w->lstRecords);
  };
  EXPECT_EQ(kit::selectedRow(w->lstRecords), -1);
  EXPECT_EQ(find("nothing like it"), 0);  // no line selected: the first is, and stays
  EXPECT_EQ(find("AUTOVETTURA"), 0);
  EXPECT_EQ(find("autovettura"), 1);  // same text, other case: onwards
  EXPECT_EQ(find("Autovettura"), 0);  // wraps
  EXPECT_EQ(find("km: 120000"), 2);
  EXPECT_EQ(find(""), 2);  // an empty text finds nothing
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(kit::lastFindText("TfrmTrovaAutomezzi"), "");

  find("autovettura");
  EXPECT_EQ(kit::lastFindText("TfrmTrovaAutomezzi"), "autovettura");
  // A new opening forgets it: the same text starts from the top again.
  auto second = open();
  EXPECT_EQ(kit::lastFindText("TfrmTrovaAutomezzi"), "");
  search(*second);
  kit::selectRow(second->lstRecords, 0);
  second->txtTrova->setText("autovettura");
  click(second->btnTrova);
  EXPECT_EQ(kit::selectedRow(second->lstRecords), 0);
}

TEST_F(TrovaAutomezzi, TrovaOnAnEmptyListSaysSoAndEnterMovesToTheButton) {
  auto w = open();
  search(*w, {{"txtTarga", "nessuna"}});
  w->txtTrova->setText("x");
  click(w->btnTrova);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(host.last().text, "Ricerca non applicabile: la lista non contiene nessuna voce.");

  activate(w.get());
  w->txtTrova->setFocus();
  pressKey(w->txtTrova, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w->btnTrova);
  pressKey(w->btnTrova, Qt::Key_Return);  // Enter presses it
  EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(TrovaAutomezzi, StampaPrintsTheListUnderItsTitle) {
  appendVehicles({punto(), daily()});
  auto w = open();
  search(*w);
  host.printPdfPath = dir.file("lista.pdf");
  click(w->btnStampa);
  EXPECT_EQ(host.printDialogs, 1);
  ASSERT_TRUE(dir.exists("lista.pdf"));
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-layout", dir.file("lista.pdf"), "-"});
  if (!pdftotext.waitForFinished(20000)) GTEST_SKIP() << "pdftotext not available";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains("Riepilogo schede veicoli in archivio"));
  EXPECT_TRUE(text.contains("Targa: EF456GH"));
}

}  // namespace
