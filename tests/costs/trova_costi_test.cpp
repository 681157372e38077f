// The cost card's two lists: the payments still to settle ("No" exactly) and the search
// over ten filters; the lines they list, the counter, the double-click back into the
// card (the later of two equal lines; the search only under its key word), the print
// titles and the failures.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "app/app.h"
#include "costs/cost_fixtures.h"
#include "costs/frm_costi.h"
#include "costs/frm_da_saldare.h"
#include "costs/frm_trova_costi.h"
#include "kit/list_find.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"

using platform::MsgKind;

namespace {

const QString kArchive = QStringLiteral("2023.eur");
const QString kAccessError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

CostFields fiat() {
  return {{"Giorno", "05"},         {"Mese", "Marzo"},          {"Anno", "2023"},
          {"Data", "05/03/2023"},   {"Luogo", "Milano"},        {"Veicolo", "Furgone"},
          {"Marca", "Fiat"},        {"Modello", "Ducato"},      {"Targa", "AB123CD"},
          {"Causale", "Bollo"},     {"Descrizione", "Tassa annuale"}, {"Importo", "80,00"},
          {"Pagatore", "Flotta Srl"}, {"Beneficiario", "ACI"},  {"Conducente", "Mario Rossi"},
          {"Saldato", "No"},        {"Note", "pagato in posta"}};
}
CostFields iveco() {
  return {{"Giorno", "12"},          {"Mese", "Aprile"},        {"Anno", "2023"},
          {"Data", "12/04/2023"},    {"Marca", "FIAT"},         {"Modello", "Doblò"},
          {"Targa", "EF456GH"},      {"Causale", "Revisione"},  {"Importo", "3,1416"},
          {"Beneficiario", "Officina Rossi"}, {"Conducente", "Luca Bianchi"},
          {"Saldato", "Sì"},         {"Note", "freni à posto"}};
}
CostFields renault() {
  return {{"Giorno", "20"},       {"Mese", "Marzo"},   {"Anno", "2023"},         {"Data", "20/03/2023"},
          {"Marca", "Renault"},   {"Modello", "Master"}, {"Targa", "GH789IL"},  {"Causale", "Multa"},
          {"Importo", "41,5"},    {"Beneficiario", "Comune di Milano"}, {"Pagatore", "Mario Fiatti"},
          {"Saldato", ""},        {"Note", "Pagato"}};
}
CostFields with(CostFields c, std::string_view field, const QString& text) {
  c[field] = text;
  return c;
}

// The program's windows with the cost card open on 2023.
class CostLists : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    card = static_cast<TfrmCosti*>(app().window("TfrmCosti"));
    ASSERT_NE(card, nullptr);
    card->openYear(QStringLiteral("2023"));
  }
  void TearDown() override { app().destroyWindows(); }

  std::unique_ptr<TfrmTrovaCosti> openSearch(const QString& keyWord = QStringLiteral("Costi")) {
    auto w = std::make_unique<TfrmTrovaCosti>(card);
    w->setMemory(keyWord);
    w->show();
    return w;
  }
  void search(TfrmTrovaCosti& w, const std::map<QString, QString>& filters = {}) {
    for (const auto& [name, text] : filters) w.filterEdit(name)->setText(text);
    click(w.btnCerca);
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  TfrmCosti* card = nullptr;
};

TEST_F(CostLists, UnsettledListsOnlyTheNoFlagSortedByLine) {
  appendCosts("2023", {with(fiat(), "Saldato", "No"), iveco(), renault(), with(fiat(), "Saldato", "no"),
                       with(with(fiat(), "Marca", "Alfa"), "Saldato", "No"), with(fiat(), "Saldato", "NO")});
  TfrmDaSaldare w(card);
  EXPECT_EQ(w.objectName(), "TfrmDaSaldare");
  EXPECT_EQ(w.windowTitle(), " Riepilogo pagamenti da saldare");
  EXPECT_EQ(w.listSettings().printTitle, "Riepilogo pagamenti da saldare");
  EXPECT_EQ(w.lblTrovate, nullptr);
  EXPECT_NE(w.findChild<platform::HighlightRect*>("effTrova"), nullptr);
  w.show();
  EXPECT_EQ(listLines(w.lstRecords), QStringList({costLineOf(with(fiat(), "Marca", "Alfa")), costLineOf(fiat())}));
  EXPECT_EQ(find<QLabel>(&w, "lblRigo03")->text(), "Fare doppio clic sulla voce in elenco per richiamare la scheda");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CostLists, AYearWithoutFileListsNothingAndCreatesItEmpty) {
  {
    TfrmDaSaldare w(card);
    w.show();
    EXPECT_EQ(listCount(w.lstRecords), 0);
  }
  EXPECT_TRUE(dir.exists(kArchive));
  EXPECT_EQ(dir.read(kArchive).size(), 0);
  QFile::remove(dir.file(kArchive));
  auto w = openSearch();
  search(*w);
  EXPECT_EQ(listCount(w->lstRecords), 0);
  EXPECT_EQ(w->lblTrovate->text(), "Il presente elenco contiene 0 schede.");
  EXPECT_EQ(dir.read(kArchive).size(), 0);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CostLists, SearchWindowHasItsTenFiltersInTheirChain) {
  auto w = openSearch();
  EXPECT_EQ(w->windowTitle(), " Trova costi sostenuti in archivio");
  EXPECT_EQ(w->listSettings().printTitle, "Riepilogo costi sostenuti");
  const char* chain[] = {"txtData",         "txtCausale", "txtConducente", "txtPagatore",    "txtBeneficiario",
                         "txtTarga",        "txtMarca",   "txtModello",    "txtDescrizione", "txtNote"};
  const char* captions[] = {"Data saldo (gg/mm/aaaa):", "Causale pagamento:", "Conduttore o responsabile:",
                            "Pagatore:", "Beneficiario:", "Targa veicolo:", "Marca:", "Modello:",
                            "Descrizione costi:", "Note:"};
  ASSERT_EQ(w->filterEdits.size(), 10);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(chain[i]);
    EXPECT_EQ(w->filterEdits[i]->objectName(), chain[i]);
    EXPECT_EQ(w->filterLabels[i]->text(), QString::fromUtf8(captions[i]));
    EXPECT_NE(w->findChild<platform::HighlightRect*>(QStringLiteral("effCampo%1").arg(i + 1, 2, 10, QLatin1Char('0'))),
              nullptr);
    EXPECT_EQ(w->filterEdits[i]->maxLength(), 32767);  // no limit
  }
  EXPECT_EQ(w->txtData, w->filterEdits[0]);
  EXPECT_EQ(w->txtNote, w->filterEdits[9]);
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());
  EXPECT_FALSE(w->lblAttendere->isVisible());
}

TEST_F(CostLists, FiltersAreCaseFoldedSubstringsThatMustAllMatch) {
  appendCosts("2023", {fiat(), iveco(), renault()});
  struct Case {
    const char* name;
    std::map<QString, QString> filters;
    QStringList lines;
    const char* inUse;
  } cases[] = {
      {"no filter: every payment, sorted by line", {}, {costLineOf(iveco()), costLineOf(fiat()), costLineOf(renault())},
       "0"},
      {"fiat finds Fiat and FIAT", {{"txtMarca", "fiat"}}, {costLineOf(iveco()), costLineOf(fiat())}, "1"},
      {"a month of a year", {{"txtData", "03/2023"}}, {costLineOf(fiat()), costLineOf(renault())}, "1"},
      {"an accented capital misses the small letter", {{"txtNote", "À"}}, {}, "1"},
      {"the small accented letter is found", {{"txtNote", "à"}}, {costLineOf(iveco())}, "1"},
      {"a trailing blank is matched as typed and counts", {{"txtCausale", "Bollo "}}, {}, "1"},
      {"make and notes must both match", {{"txtMarca", "fiat"}, {"txtNote", "posta"}}, {costLineOf(fiat())}, "2"},
      {"a make that matches and notes that do not", {{"txtMarca", "renault"}, {"txtNote", "posta"}}, {}, "2"},
      {"each filter tests its own field", {{"txtPagatore", "fiat"}}, {costLineOf(renault())}, "1"},
      {"plate, model and description",
       {{"txtTarga", "ab1"}, {"txtModello", "DUC"}, {"txtDescrizione", "annuale"}}, {costLineOf(fiat())}, "3"},
      {"driver and beneficiary", {{"txtConducente", "bianchi"}, {"txtBeneficiario", "officina"}},
       {costLineOf(iveco())}, "2"},
      // Blanks alone do not count, and never match: they do not let a blank in a cause
      // pass the plate filter.
      {"blanks with a plate", {{"txtCausale", " "}, {"txtTarga", "gh7"}}, {costLineOf(renault())}, "1"},
      {"blanks alone list everything", {{"txtBeneficiario", "  "}},
       {costLineOf(iveco()), costLineOf(fiat()), costLineOf(renault())}, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = openSearch();
    search(*w, c.filters);
    EXPECT_EQ(listLines(w->lstRecords), c.lines);
    EXPECT_EQ(w->lblConta->text(), c.inUse);
    EXPECT_EQ(w->lblTrovate->text(), QStringLiteral("Il presente elenco contiene %1 schede.").arg(c.lines.size()));
    EXPECT_TRUE(w->panContainer->isVisible());
    EXPECT_FALSE(w->panAvvio->isVisible());
    EXPECT_TRUE(w->txtTrova->hasFocus() || !QApplication::activeWindow());
  }
}

TEST_F(CostLists, DoubleClickLoadsTheLaterOfTwoEqualLinesIntoTheCard) {
  // Differing only after the 28 characters of make and model, or outside the line.
  CostFields first = with(fiat(), "Modello", "Ducato Maxi Furgone Tetto Alto A");
  CostFields later = with(with(first, "Modello", "Ducato Maxi Furgone Tetto Alto B"), "Note", "la seconda");
  later["Saldato"] = "No";
  later["Luogo"] = "  Torino  ";
  appendCosts("2023", {renault(), first, iveco(), later});
  ASSERT_EQ(costLineOf(first), costLineOf(later));

  card->chkSaldato->setChecked(true);
  TfrmDaSaldare list(card);
  list.show();
  ASSERT_EQ(listCount(list.lstRecords), 2);
  EXPECT_EQ(listLines(list.lstRecords), QStringList({costLineOf(first), costLineOf(later)}));
  selectLine(list.lstRecords, 0);
  list.lstRecordsDblClick();
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(card->lblPosizione->text(), "4");
  EXPECT_EQ(card->txtModello->text(), "Ducato Maxi Furgone Tetto Alto B");
  EXPECT_EQ(card->txtNote->text(), "la seconda");
  EXPECT_EQ(card->txtLuogo->text(), "Torino");
  EXPECT_EQ(card->txtGiorno->currentText(), "05");
  EXPECT_EQ(card->txtMese->currentText(), "Marzo");
  EXPECT_EQ(card->lblAnno->text(), "2023");
  EXPECT_EQ(card->lblData->text(), "05/03/2023");
  EXPECT_EQ(card->txtImporto->text(), "80,00");
  EXPECT_FALSE(card->chkSaldato->isChecked());  // "No" clears the box

  // The search loads under "Costi": a "Sì" ticks the box.
  auto w = openSearch();
  search(*w, {{"txtTarga", "EF456"}});
  selectLine(w->lstRecords, 0);
  w->lstRecordsDblClick();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(card->lblPosizione->text(), "3");
  EXPECT_EQ(card->txtMarca->text(), "FIAT");
  EXPECT_TRUE(card->chkSaldato->isChecked());

  // Settled flag neither "Sì" nor "No": the box stays as it was.
  w = openSearch();
  search(*w, {{"txtTarga", "GH789"}});
  selectLine(w->lstRecords, 0);
  w->lstRecordsDblClick();
  EXPECT_EQ(card->lblPosizione->text(), "1");
  EXPECT_EQ(card->txtMarca->text(), "Renault");
  EXPECT_TRUE(card->chkSaldato->isChecked());
  EXPECT_EQ(card->lblFile->text(), QDir(dir.path()).filePath(kArchive));  // untouched
  EXPECT_EQ(card->windowTitle(), " Velmora 4.0 - Costi sostenuti nell'anno 2023");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CostLists, ADoubleClickThatCannotLoadOnlyCloses) {
  appendCosts("2023", {fiat()});
  card->ClearCostCard();
  struct Case {
    const char* name;
    QString keyWord;
    bool select;
  } cases[] = {{"another key word", QStringLiteral("costi"), true},
               {"no key word", QString(), true},
               {"no line selected", QStringLiteral("Costi"), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = openSearch(c.keyWord);
    search(*w);
    ASSERT_EQ(listCount(w->lstRecords), 1);  // it lists and finds as usual
    if (c.select) selectLine(w->lstRecords, 0);
    else w->lstRecords->selectionModel()->clear();
    w->lstRecordsDblClick();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(card->lblPosizione->text().isEmpty());
    EXPECT_TRUE(card->txtMarca->text().isEmpty());
  }
  // An empty list.
  dir.write(kArchive, QByteArray());
  TfrmDaSaldare list(card);
  list.show();
  list.lstRecordsDblClick();
  EXPECT_FALSE(list.isVisible());
  EXPECT_TRUE(card->lblPosizione->text().isEmpty());
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CostLists, ASearchThatCannotOpenTheArchiveStaysOnTheFilters) {
  QDir(dir.path()).mkdir(kArchive);  // a folder where the year's file should be
  auto w = openSearch();
  w->btnCercaMouseDown();
  EXPECT_TRUE(w->lblAttendere->isVisibleTo(w.get()));
  search(*w, {{"txtMarca", "fiat"}});
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Plain);
  EXPECT_EQ(host.last().text, kAccessError);
  EXPECT_TRUE(w->panAvvio->isVisible());
  EXPECT_FALSE(w->panContainer->isVisible());

  // The unsettled list fills nothing and says nothing.
  host.clear();
  TfrmDaSaldare list(card);
  list.show();
  EXPECT_EQ(listCount(list.lstRecords), 0);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CostLists, EveryOpeningStartsAFreshFind) {
  appendCosts("2023", {fiat(), with(fiat(), "Targa", "ZZ999ZZ"), renault()});
  for (int opening = 0; opening < 2; ++opening) {
    SCOPED_TRACE(opening);
    TfrmDaSaldare w(card);
    w.show();
    ASSERT_EQ(listCount(w.lstRecords), 2);
    EXPECT_TRUE(w.txtTrova->text().isEmpty());
    w.txtTrova->setText("ducato");
    click(w.btnTrova);
    EXPECT_EQ(kit::selectedRow(w.lstRecords), 0);  // a new opening: the first match again
    click(w.btnTrova);
    EXPECT_EQ(kit::selectedRow(w.lstRecords), 1);
  }
}

}  // namespace
