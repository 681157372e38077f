// The shared date-range summary set up the other way its settings allow: a yearly
// archive named by the year typed (through the menu's lblFile), a cause-of-payment
// combo as second filter, one total, filters kept from one showing to the next, the
// yellow highlights, and its own texts.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/clock.h"
#include "platform/edits.h"

#include "core/archive.h"
#include "kit/archive_source.h"
#include "kit/summary.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"

namespace {

constexpr std::array<core::FieldDef, 4> kPayment{{{"Data", 10}, {"Targa", 30}, {"Causale", 50}, {"Importo", 15}}};
const core::RecordLayout& paymentLayout() {
  static const core::RecordLayout layout(kPayment);
  return layout;
}

kit::SummarySettings paymentSummary() {
  using namespace core::line;
  kit::SummarySettings s;
  s.menuClass = "TfrmMenuProva";
  s.menuCaption = " Riepilogo pagamenti";
  s.plate = {.edit = "txtTipologia", .caption = "Targa:", .maxLength = 30, .field = 1, .upperCase = true,
             .highlight = "effTipologia"};
  s.other = {.edit = "txtCausale", .caption = "Causale:", .maxLength = 50, .field = 2,
             .items = {"Bollo", "Revisione", "Revisione freni"}, .highlight = "effCausale"};
  s.keepFilters = true;
  s.highlights = true;
  s.layout = &paymentLayout();
  s.yearExtension = ".eur";
  s.dateField = 0;
  s.line = core::LineFormat({column({1}, 10), literal(u"  "), column({2}, 20), literal(u"  € "), rest({3})});
  s.totals = {{"lblTotCosti", "Totale costi sostenuti:", 3, core::TotalForm::Amount, "TOTALE COSTI SOSTENUTI:        € "}};
  s.windowClass = "TfrmRiepProva";
  s.windowCaption = " Riepilogo pagamenti";
  s.plateCaption = "Targa selezionata:";
  s.emptyPlate = "Tutte le targhe in archivio";
  s.printTitle = "Riepilogo costi sostenuti   -   Targa veicolo:  ";
  s.intervalTrailer = "INTERVALLO SELEZIONATO:        ";
  return s;
}

void appendPayments(const QString& file, const std::vector<std::array<const char16_t*, 4>>& payments) {
  core::Archive archive = kit::openArchive(platform::exePath(file), paymentLayout().size());
  archive.seek(archive.count());
  for (const auto& p : payments) {
    core::RecordBuffer r(paymentLayout());
    for (std::size_t i = 0; i < 4; ++i) r.set(i, p[i]);
    archive.write(r);
  }
}

class SummaryKit : public ::testing::Test {
 protected:
  void SetUp() override { menu.showWindow(); }
  void view(std::function<void(kit::SummaryWindow&)> look) {
    host.modalScripts.push_back([look](platform::Form& f) { look(static_cast<kit::SummaryWindow&>(f)); });
    click(menu.btnVisualizza);
  }
  void interval(const QString& d1, const QString& m1, const QString& d2, const QString& m2) {
    menu.txtGiornoInizio->setEditText(d1);
    menu.txtMeseInizio->setEditText(m1);
    menu.txtGiornoFine->setEditText(d2);
    menu.txtMeseFine->setEditText(m2);
  }
  QComboBox* causale() { return static_cast<QComboBox*>(menu.txtOther); }

  core::PinnedClock clock{core::Date{20, 6, 2024}};
  TempExeDir dir;
  ScriptedDialogHost host;
  kit::SummaryMenu menu{nullptr, paymentSummary()};
};

TEST_F(SummaryKit, YearlyArchiveOneAmountAndItsOwnTexts) {
  appendPayments("2023.eur", {{u"10/03/2023", u"AB123CD", u"Revisione freni", u"80"},
                              {u"11/03/2023", u"EF456GH", u"Bollo", u"0,10"},
                              {u"12/03/2023", u"AB123CD", u"Revisione", u"0,20"}});
  appendPayments("2024.eur", {{u"10/03/2024", u"AB123CD", u"Revisione", u"999"}});
  menu.txtAnno->setText("2023");
  interval("10", "Marzo", "12", "Marzo");
  causale()->setEditText("Revisione");  // free text, a substring of "Revisione freni" too
  view([](kit::SummaryWindow& s) {
    EXPECT_EQ(listLines(s.lstRecords), QStringList({"AB123CD     Revisione             € 0,20",
                                                    "AB123CD     Revisione freni       € 80"}));
    EXPECT_EQ(s.titTipologia->text(), "Tutte le targhe in archivio");
    EXPECT_EQ(s.lblConta->text(), "1");
    ASSERT_EQ(s.totals.size(), 1u);
    EXPECT_EQ(s.total("lblTotCosti")->text(), "80,20");
    EXPECT_EQ(s.printTitle(), "Riepilogo costi sostenuti   -   Targa veicolo:  Tutte le targhe in archivio");
    EXPECT_EQ(s.printTrailer(), QStringList({"- - - - - - - - - - - - - - - -",
                                             "INTERVALLO SELEZIONATO:        Dal   10/03/2023   al   12/03/2023",
                                             "TOTALE COSTI SOSTENUTI:        € 80,20"}));
  });
  EXPECT_EQ(menu.lblFile->text(), platform::exePath("2023.eur"));

  // A year without its file: created empty, nothing listed.
  menu.txtAnno->setText("2022");
  view([](kit::SummaryWindow& s) {
    EXPECT_EQ(listCount(s.lstRecords), 0);
    EXPECT_EQ(s.total("lblTotCosti")->text(), "0,00");
  });
  EXPECT_TRUE(dir.exists("2022.eur"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SummaryKit, FiltersSurviveANewShowingAndTheEditsShowTheirFocus) {
  menu.plateFilter()->setText("AB");
  causale()->setEditText("Bollo");
  interval("01", "Marzo", "31", "Marzo");
  menu.hide();
  menu.showWindow();
  EXPECT_EQ(menu.plateFilter()->text(), "AB");
  EXPECT_EQ(causale()->currentText(), "Bollo");
  EXPECT_TRUE(menu.txtGiornoInizio->currentText().isEmpty());  // the interval is not kept
  EXPECT_EQ(menu.txtAnno->text(), "2024");
  for (const char* eff : {"effAnno", "effTipologia", "effCausale", "effGiornoInizio", "effMeseInizio", "effGiornoFine",
                          "effMeseFine"})
    EXPECT_NE(menu.findChild<platform::HighlightRect*>(eff), nullptr) << eff;
  activate(&menu);
  EXPECT_TRUE(menu.findChild<QWidget*>("effTipologia")->isVisible());
  EXPECT_FALSE(menu.findChild<QWidget*>("effAnno")->isVisible());
}

}  // namespace
