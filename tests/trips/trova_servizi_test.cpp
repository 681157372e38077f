// The trip search and the trips in progress: the trip line, the filters, the counter,
// the in-progress selection, the double-click into the trip card and the print.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <memory>

#include "app/app.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "trips/frm_in_corso.h"
#include "trips/frm_servizi.h"
#include "trips/frm_trova_servizi.h"
#include "trips/trip_archive.h"
#include "trips/trip_fixtures.h"

namespace {

TripFields milano() {
  return {{"DataPartenza", "12/01/2024"}, {"DataRientro", "13/01/2024"}, {"Luogo", "Milano"},
          {"Veicolo", "Fiat Ducato"},     {"Targa", "AB123CD"},          {"LitriTot", "40"},
          {"ImportoTot", "72,40"},        {"KmPercorsi", "420"},         {"Conduttore", "Mario Rossi"},
          {"InCorso", "No"},              {"Itinerario", "A1"},           {"Merce", "Tessuti"}};
}
TripFields torino() {
  return {{"DataPartenza", "05/03/2024"}, {"Luogo", "Torino"},  {"Veicolo", "Iveco Daily"},
          {"Targa", "EF456GH"},           {"LitriTot", "12"},  {"ImportoTot", "20,00"},
          {"KmPercorsi", "-50"},          {"InCorso", "Sì"},  {"Conduttore", "Luca Bianchi"}};
}
TripFields reggio() {
  return {{"DataPartenza", "20/02/2024"}, {"Luogo", "Reggio Emilia"}, {"Veicolo", "Fiat Ducato"},
          {"Targa", "GH789IL"},           {"LitriTot", "5"},          {"ImportoTot", "9,00"},
          {"KmPercorsi", "60"},           {"InCorso", "Si"},          {"Conduttore", "Mario Rossi"}};
}

// The line as the lists show it, built here independently of the program.
QString lineOf(const TripFields& t) {
  auto f = [&](std::string_view n) { auto it = t.find(n); return it == t.end() ? QString() : it->second; };
  return "Dal: " + col(f("DataPartenza"), 10) + "  Al: " + col(f("DataRientro"), 10) + "  " + col(f("Luogo"), 25) +
         "  " + col(f("Veicolo"), 25) + "  Targa: " + col(f("Targa"), 10) + "  Litri: " + col(f("LitriTot"), 5) +
         "  Costo: € " + col(f("ImportoTot"), 12) + "  Km: " + f("KmPercorsi");
}

class TrovaServizi : public ::testing::Test {
 protected:
  void SetUp() override { app().createWindows(); }
  void TearDown() override { app().destroyWindows(); }

  std::unique_ptr<TfrmTrovaServizi> open(const QString& keyWord = QStringLiteral("servizi")) {
    auto w = std::make_unique<TfrmTrovaServizi>(app().window("TfrmServizi"));
    w->setMemory(keyWord);
    w->show();
    return w;
  }
  void search(TfrmTrovaServizi& w, const std::map<QString, QString>& filters = {}) {
    for (const auto& [name, text] : filters) w.filterEdit(name)->setText(text);
    click(w.btnCerca);
  }
  QString pdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(20000)) return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
  }

  TempExeDir dir;
  ScriptedDialogHost host;
};

TEST_F(TrovaServizi, TripLineHasFixedColumnsAndTheDistanceAtCharacter148) {
  TripFields t = torino();
  t["Luogo"] = "Una destinazione molto lontana";
  t["Targa"] = "ABCDEFGHIJKLMN";
  const QString line = platform::fromCore(trips::tripListLine().build(tripRecord(t)));
  EXPECT_EQ(line, "Dal: 05/03/2024  Al:             Una destinazione molto lo  Iveco Daily                "
                  "Targa: ABCDEFGHIJ  Litri: 12     Costo: € 20,00         Km: -50");
  EXPECT_EQ(line.mid(147), "-50");  // the 148th character on
  EXPECT_EQ(line.indexOf("ABCDEFGHIJ  Litri"), line.indexOf("Targa: ") + 7);  // the plate cut at 10

  const QString fuel = platform::fromCore(trips::fuelSummaryLine().build(tripRecord(t)));
  EXPECT_EQ(fuel, "Dal: 05/03/2024  Al:             Una destinazione molto lo  Iveco Daily                "
                  "Targa: ABCDEFGHIJ  Litri: 12     Km: -50         Costo: € 20,00");
  EXPECT_EQ(fuel.mid(145), "20,00");
}

TEST_F(TrovaServizi, EmptyArchiveListsNothingAndCreatesTheFile) {
  auto w = open();
  EXPECT_EQ(w->windowTitle(), " Trova viaggi in archivio");
  EXPECT_EQ(w->filterEdits.size(), 10);
  const QStringList chain{"txtDataPartenza", "txtDataRientro", "txtLuogo",   "txtItinerario", "txtScopo",
                          "txtMerce",        "txtVeicolo",     "txtTarga",   "txtConduttore", "txtPersone"};
  for (int i = 0; i < chain.size(); ++i) EXPECT_EQ(w->filterEdits[i]->objectName(), chain[i]);
  search(*w);
  EXPECT_EQ(listCount(w->lstRecords), 0);
  EXPECT_EQ(w->lblTrovate->text(), "Il presente riepilogo contiene 0 schede.");
  EXPECT_TRUE(dir.exists(kTripArchive));
}

TEST_F(TrovaServizi, FiltersMustAllMatchAndABlankFilterNeverDoes) {
  appendTrips({milano(), torino(), reggio()});
  struct Case {
    const char* name;
    std::map<QString, QString> filters;
    QStringList lines;
  } cases[] = {
      {"no filter: every trip, sorted by text", {}, {lineOf(torino()), lineOf(milano()), lineOf(reggio())}},
      {"three filters, all matched", {{"txtConduttore", "rossi"}, {"txtVeicolo", "DUCATO"}, {"txtLuogo", "milan"}},
       {lineOf(milano())}},
      {"a trip matching two of three is left out",
       {{"txtConduttore", "rossi"}, {"txtVeicolo", "DUCATO"}, {"txtLuogo", "Reggio x"}}, {}},
      {"a trailing blank is matched as typed", {{"txtLuogo", "Reggio "}}, {lineOf(reggio())}},
      // Blanks alone do not count and match nothing: they no longer let a trip with a
      // blank in its destination past the plate filter.
      {"blanks in the destination with a plate", {{"txtLuogo", "  "}, {"txtTarga", "ef4"}}, {lineOf(torino())}},
      {"blanks alone list everything", {{"txtLuogo", " "}}, {lineOf(torino()), lineOf(milano()), lineOf(reggio())}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = open();
    search(*w, c.filters);
    EXPECT_EQ(listLines(w->lstRecords), c.lines);
    EXPECT_EQ(w->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.lines.size()));
  }
}

TEST_F(TrovaServizi, DoubleClickLoadsTheLaterOfTwoEqualTripsIntoTheCard) {
  TripFields copy = milano();
  copy["Itinerario"] = "A4";  // not on the line: the two lines are equal
  copy["Importo01"] = "72,40";
  copy["InCorso"] = "Sì";
  copy["File02"] = "ddt.pdf";
  appendTrips({milano(), torino(), copy});
  auto* card = static_cast<TfrmServizi*>(app().window("TfrmServizi"));
  auto w = open();
  search(*w, {{"txtLuogo", "milano"}});
  ASSERT_EQ(listCount(w->lstRecords), 2);
  selectLine(w->lstRecords, 0);
  w->lstRecordsDblClick();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(card->lblPosizione->text(), "3");
  EXPECT_EQ(card->txtItinerario->text(), "A4");
  EXPECT_EQ(card->txtImporto[0]->text(), "72,40");
  EXPECT_EQ(card->txtConduttore->text(), "Mario Rossi");
  EXPECT_TRUE(card->chkInCorso->isChecked());
  EXPECT_EQ(card->lblFile02->text(), "ddt.pdf");

  // Under another key word the search writes nothing.
  card->cmdNuovoClick();
  auto other = open(QStringLiteral("autoparco"));
  search(*other);
  selectLine(other->lstRecords, 0);
  other->lstRecordsDblClick();
  EXPECT_FALSE(other->isVisible());
  EXPECT_TRUE(card->lblPosizione->text().isEmpty());
  EXPECT_TRUE(card->txtLuogo->text().isEmpty());
}

TEST_F(TrovaServizi, InProgressListsOnlyTripsFlaggedSi) {
  TripFields empty = milano();
  empty["InCorso"] = "";
  appendTrips({milano(), torino(), reggio(), empty});
  TfrmInCorso w(app().window("TfrmServizi"));
  EXPECT_EQ(w.windowTitle(), " Riepilogo viaggi in corso");
  EXPECT_EQ(w.lblTrovate, nullptr);
  w.show();
  EXPECT_EQ(listLines(w.lstRecords), QStringList{lineOf(torino())});

  auto* card = static_cast<TfrmServizi*>(app().window("TfrmServizi"));
  selectLine(w.lstRecords, 0);
  w.lstRecordsDblClick();
  EXPECT_EQ(card->lblPosizione->text(), "2");
  EXPECT_EQ(card->txtLuogo->text(), "Torino");
  EXPECT_EQ(card->txtKmPercorsi->text(), "-50");
}

TEST_F(TrovaServizi, PrintTitlesAndAnEmptyListStillPrints) {
  appendTrips({milano(), torino()});
  auto w = open();
  search(*w);
  host.printPdfPath = dir.file("viaggi.pdf");
  click(w->btnStampa);
  EXPECT_EQ(host.printDialogs, 1);
  const QString text = pdfText(dir.file("viaggi.pdf"));
  if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
  EXPECT_TRUE(text.contains("Registro viaggi"));
  EXPECT_TRUE(text.contains("Targa: EF456GH"));

  // The trips in progress: none here, and the report is printed with no lines, unasked.
  dir.write(kTripArchive, QByteArray());
  TfrmInCorso list(nullptr);
  list.show();
  EXPECT_EQ(listCount(list.lstRecords), 0);
  host.printPdfPath = dir.file("incorso.pdf");
  click(list.btnStampa);
  EXPECT_EQ(host.printDialogs, 2);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(pdfText(dir.file("incorso.pdf")).contains("Riepilogo viaggi in corso"));
}

}  // namespace
