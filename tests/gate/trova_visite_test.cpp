// The gate search: its filters and their Enter chain, the search line, filters matched
// as typed (blanks alone never match), the counter, the double-click into the gate
// card under "registro" only, the print, and the archive failures.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <memory>

#include "gate/gate_fixtures.h"
#include "core/clock.h"
#include "gate/frm_registro.h"
#include "gate/frm_trova_visite.h"
#include "gate/visit_record.h"
#include "platform/widgets.h"
#include "support/archive_files.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"

namespace {

const QString kArchive = kGateArchive;

FieldTexts rossi() {
  return {{"DataEnt", "05/03/2024"}, {"OraEnt", "08:30"},      {"Veicolo", "Fiat Ducato"},  {"Targa", "AB123CD"},
          {"Conduttore", "Mario Rossi"}, {"Foglio", "FM-7"},   {"Merce", "Pallet"},        {"Luogo", "Magazzino"},
          {"Note", "consegna  urgente"}, {"DataUsc", "05/03/2024"}, {"OraUsc", "12:00"}};
}
FieldTexts rossini() {
  return {{"DataEnt", "28/02/2024"}, {"OraEnt", "14:00"}, {"Veicolo", "Iveco Daily con cassone ribaltabile"},
          {"Targa", "EF456GHIJKLMNOP"}, {"Conduttore", "Luca Rossini"}, {"Persone", "Anna"}, {"Note", "nessuna"}};
}
FieldTexts nicolo() {
  return {{"DataEnt", "12/03/2024"}, {"OraEnt", "09:15"}, {"Veicolo", "Renault Master"}, {"Targa", "GH789IL"},
          {"Conduttore", "NICOLÒ Verdi"}, {"Luogo", "Ufficio"}};
}

QString col(const QString& s, int n) { return listColumn(s, n); }
// The search line, built here independently of the program: 128 characters before the
// driver.
QString lineOf(const FieldTexts& v) {
  auto f = [&](std::string_view n) { auto it = v.find(n); return it == v.end() ? QString() : it->second; };
  return col(f("Veicolo"), 28) + "  Targa: " + col(f("Targa"), 12) + "  Entrata: " + col(f("DataEnt"), 10) +
         "  Ora: " + col(f("OraEnt"), 5) + "  Uscita: " + col(f("DataUsc"), 10) + "  Ora: " + col(f("OraUsc"), 5) +
         "  Conduttore: " + f("Conduttore").trimmed();
}

class TrovaVisite : public GateCardTest {
 protected:

  std::unique_ptr<TfrmTrovaVisite> open(const QString& keyWord = QStringLiteral("registro")) {
    auto w = std::make_unique<TfrmTrovaVisite>(card);
    w->setMemory(keyWord);
    w->show();
    return w;
  }
  void search(TfrmTrovaVisite& w, const std::map<QString, QString>& filters = {}) {
    for (const auto& [name, text] : filters) w.filterEdit(name)->setText(text);
    click(w.btnCerca);
  }

  core::PinnedClock clock{core::DateTime{{5, 3, 2024}, 10, 0, 0}};
};

TEST_F(TrovaVisite, FiltersAndTheirChainAsDesigned) {
  auto w = open();
  activate(w.get());
  EXPECT_EQ(w->windowTitle(), " Trova ingressi e uscite veicoli in archivio");
  EXPECT_EQ(w->size(), QSize(862, 560));
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), w->txtDataEnt);
  const QStringList chain{"txtDataEnt", "txtDataUsc", "txtVeicolo", "txtTarga", "txtConduttore",
                          "txtFoglio",  "txtPersone", "txtMerce",   "txtLuogo", "txtNote"};
  const QStringList captions{"Data ingresso (gg/mm/aaaa):", "Data uscita (gg/mm/aaaa):", "Marca e modello veicolo:",
                             "Targa:", "Conduttore:", "Foglio di marcia:", "Altre persone a bordo:",
                             "Merce trasportata:", "Luogo destinazione:", "Note:"};
  ASSERT_EQ(w->filterEdits.size(), 10);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(chain[i].toStdString());
    EXPECT_EQ(w->filterEdits[i]->objectName(), chain[i]);
    EXPECT_EQ(w->filterLabels[i]->text(), captions[i]);
    QWidget* highlight = find<QWidget>(w.get(), "eff" + chain[i].mid(3));
    w->filterEdits[i]->setFocus();
    EXPECT_TRUE(highlight->isVisible());
    pressKey(w->filterEdits[i], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->filterEdits[(i + 1) % 10]);
    EXPECT_FALSE(highlight->isVisible());
  }
  // The entry date, vehicle, driver, persons and destination stand at the left.
  EXPECT_LT(w->txtDataEnt->mapTo(w.get(), QPoint()).x(), w->txtDataUsc->mapTo(w.get(), QPoint()).x());
  EXPECT_LT(w->txtLuogo->mapTo(w.get(), QPoint()).x(), w->txtNote->mapTo(w.get(), QPoint()).x());
}

TEST_F(TrovaVisite, FiltersMatchAsTypedAndBlanksAloneNeverMatch) {
  appendFieldRecords(kArchive, gate::visitLayout(), {rossi(), rossini(), nicolo()});
  struct Case {
    const char* name;
    std::map<QString, QString> filters;
    QStringList lines;
  } cases[] = {
      {"no filter: every visit, sorted", {}, {lineOf(rossi()), lineOf(rossini()), lineOf(nicolo())}},
      {"/03/2024 finds March", {{"txtDataEnt", "/03/2024"}}, {lineOf(rossi()), lineOf(nicolo())}},
      {"rossi finds Rossi and Rossini", {{"txtConduttore", "rossi"}}, {lineOf(rossi()), lineOf(rossini())}},
      {"an accented capital is not its small letter", {{"txtConduttore", "nicolò"}}, {}},
      {"two filters, both matched", {{"txtConduttore", "ROSSI"}, {"txtMerce", "pall"}}, {lineOf(rossi())}},
      {"two filters, one not matched", {{"txtConduttore", "rossi"}, {"txtLuogo", "ufficio"}}, {}},
      // Two blanks alone do not count, and no longer stand in for the plate filter.
      {"blanks with a plate that does not match", {{"txtTarga", "ZZ"}, {"txtNote", "  "}}, {}},
      {"blanks with a plate that matches", {{"txtTarga", "ab123"}, {"txtNote", "  "}}, {lineOf(rossi())}},
      {"a leading blank counts and is matched with it", {{"txtLuogo", " Magazzino"}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = open();
    search(*w, c.filters);
    EXPECT_TRUE(w->panContainer->isVisible());
    EXPECT_FALSE(w->panAvvio->isVisible());
    EXPECT_EQ(listLines(w->lstRecords), c.lines);
    EXPECT_EQ(w->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.lines.size()));
    EXPECT_TRUE(host.boxes.empty());
  }
  // The long vehicle and plate are cut at 28 and 12; the driver starts at character 129.
  auto w = open();
  search(*w, {{"txtPersone", "anna"}});
  const QString line = listLines(w->lstRecords).value(0);
  EXPECT_EQ(line.left(28), "Iveco Daily con cassone riba");
  EXPECT_EQ(line.mid(37, 12), "EF456GHIJKLM");
  EXPECT_EQ(line.mid(114, 14), "  Conduttore: ");
  EXPECT_EQ(line.mid(128), "Luca Rossini");
}

TEST_F(TrovaVisite, AMissingArchiveIsCreatedAndListsNothing) {
  auto w = open();
  search(*w);
  EXPECT_TRUE(dir.exists(kArchive));
  EXPECT_EQ(listCount(w->lstRecords), 0);
  EXPECT_EQ(w->lblTrovate->text(), "Il presente riepilogo contiene 0 schede.");
  EXPECT_TRUE(w->panContainer->isVisible());
}

TEST_F(TrovaVisite, DoubleClickLoadsTheLaterEqualVisitUnderRegistroOnly) {
  FieldTexts copy = rossi();
  copy["Tessere"] = "41, 42";  // not on the line: the two lines are equal
  appendFieldRecords(kArchive, gate::visitLayout(), {rossi(), nicolo(), copy});
  auto w = open();
  search(*w, {{"txtTarga", "AB1"}});
  ASSERT_EQ(listCount(w->lstRecords), 2);
  selectLine(w->lstRecords, 1);
  w->lstRecordsDblClick();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(card->lblPosizione->text(), "3");
  EXPECT_EQ(card->txtTessere->text(), "41, 42");
  EXPECT_EQ(card->txtNote->text(), "consegna  urgente");
  EXPECT_EQ(card->txtOraUsc->text(), "12:00");

  card->cmdNuovoClick();
  for (const char* keyWord : {"", "Registro", "autoparco"}) {
    SCOPED_TRACE(keyWord);
    auto other = open(QString::fromLatin1(keyWord));
    search(*other);
    selectLine(other->lstRecords, 0);
    other->lstRecordsDblClick();
    EXPECT_FALSE(other->isVisible());
    EXPECT_TRUE(card->lblPosizione->text().isEmpty());
    EXPECT_TRUE(card->txtVeicolo->text().isEmpty());
  }
}

TEST_F(TrovaVisite, ThePrintHasItsTitleAndAFailureIsAnErrorBox) {
  appendFieldRecords(kArchive, gate::visitLayout(), {rossi()});
  auto w = open();
  search(*w);
  host.printPdfPath = dir.file(QStringLiteral("ricerca.pdf"));
  click(w->btnStampa);
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  if (const std::optional<QString> pdf = pdfText(host.printPdfPath)) {
    EXPECT_TRUE(pdf->contains("Riepilogo ingressi e uscite veicoli"));
    EXPECT_TRUE(pdf->contains("Targa: AB123CD"));
  }
  host.printPdfPath = dir.file(QStringLiteral("manca/ricerca.pdf"));
  click(w->btnStampa);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_TRUE(w->isVisible());
}

// An archive that cannot be opened is the plain access message; the filters stay.
TEST_F(TrovaVisite, AnUnopenableArchiveIsAPlainMessageAndTheFiltersStay) {
  QDir(dir.path()).mkdir(kArchive);
  auto w = open();
  search(*w, {{"txtTarga", "AB"}});
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
  EXPECT_EQ(host.last().text, "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                              "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                              "programma.");
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());
  EXPECT_TRUE(QFileInfo(dir.file(kArchive)).isDir());
}

}  // namespace
