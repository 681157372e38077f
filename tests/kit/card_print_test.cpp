// The card print in its framed-rows layout, on a test card of three edits and a
// combo: the rows filled from the card (a composed value among them), two copies of
// the block with their tags, the footer's date and time, and what a failure does.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

#include "core/clock.h"
#include "kit/card_print.h"
#include "platform/report/report.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using namespace platform::report;

namespace {

constexpr kit::CardPrintRow kRows[] = {
    {.caption = "Nome:", .memo = "txtNome"},
    {.caption = "Città:", .memo = "txtCitta", .value = "{txtCitta} {txtProv}"},
    {.caption = "Carta:", .memo = "txtCarta", .value = "{txtCarta}  Scadenza: {txtScade}"},
};

kit::CardPrintSettings settings() {
  return {.dialogClass = QStringLiteral("TfrmStampaProva"),
          .cardClass = QStringLiteral("TfrmProva"),
          .reportName = QStringLiteral("Scheda Prova"),
          .title = QStringLiteral("SCHEDA DI PROVA"),
          .rows = kRows};
}

class TestCard : public platform::Form {
 public:
  TestCard() : platform::Form(nullptr, QStringLiteral("TfrmProva"), platform::WindowKind::Maximized, QString(), 300, 200) {
    for (const char* name : {"txtNome", "txtCitta", "txtCarta", "txtScade"}) {
      auto* e = new QLineEdit(this);
      e->setObjectName(QString::fromLatin1(name));
    }
    auto* prov = new QComboBox(this);
    prov->setObjectName(QStringLiteral("txtProv"));
    prov->setEditable(true);
  }
  void set(const char* name, const QString& text) {
    if (auto* e = findChild<QLineEdit*>(QString::fromLatin1(name))) e->setText(text);
    else findChild<QComboBox*>(QString::fromLatin1(name))->setEditText(text);
  }
};

class CardPrintKit : public ::testing::Test {
 protected:
  void SetUp() override {
    card.set("txtNome", QStringLiteral("  Rossi [DATE] "));
    card.set("txtCitta", QStringLiteral(" Torino "));
    card.set("txtProv", QStringLiteral(" TO "));
    card.set("txtScade", QStringLiteral(" 12/27 "));
  }

  ScriptedDialogHost host;
  TestCard card;
};

TEST_F(CardPrintKit, ValuesAreTrimmedOrComposedFromTrimmedTexts) {
  EXPECT_EQ(kit::cardValue(&card, kRows[0]), "Rossi [DATE]");
  EXPECT_EQ(kit::cardValue(&card, kRows[1]), "Torino TO");
  // An empty part leaves its literal: two blanks first, not trimmed again.
  EXPECT_EQ(kit::cardValue(&card, kRows[2]), "  Scadenza: 12/27");
  card.set("txtProv", QString());
  EXPECT_EQ(kit::cardValue(&card, kRows[1]), "Torino ");
  const kit::CardPrintRow odd{.caption = "", .memo = "txtNome", .value = "{txtNome}: {non chiusa"};
  EXPECT_EQ(kit::cardValue(&card, odd), "Rossi [DATE]: {non chiusa");
  const kit::CardPrintRow missing{.caption = "", .memo = "txtNome", .value = "{txtManca}"};
  EXPECT_THROW(kit::cardValue(&card, missing), ReportError);
}

TEST_F(CardPrintKit, FramedRowsUnderTheTitleAndTheFooterWithTheDateAndTime) {
  core::PinnedClock pin(core::DateTime{{5, 3, 2024}, 9, 7, 3});
  auto report = kit::makeCardReport(settings());
  EXPECT_EQ(report->name(), "Scheda Prova");
  report->page(0).orientation = QPageLayout::Landscape;  // filling puts it back to portrait
  kit::fillCardReport(*report, settings(), &card);
  ASSERT_EQ(report->preparedPages().size(), 1u);
  const PreparedPage& page = report->preparedPages()[0];
  EXPECT_EQ(page.orientation, QPageLayout::Portrait);

  expectPlaced(page, "shpTitolo", 1, 1, 188, 5.8);
  EXPECT_EQ(page.find("shpTitolo")->fill, QColor(0xB0, 0xC4, 0xDE));
  EXPECT_EQ(page.find("txtTitolo")->text(), "SCHEDA DI PROVA");
  for (int i = 0; i < 3; ++i) {
    const QString memo = QString::fromLatin1(kRows[i].memo);
    expectPlaced(page, QStringLiteral("shpRiga0%1").arg(i + 1), 1, 7 + 5 * i, 188, 4.6);
    expectPlaced(page, QStringLiteral("cap") + memo.mid(3), 2, 7.5 + 5 * i, 37.8, 3.5);
    expectPlaced(page, memo, 44, 7.5 + 5 * i, 144, 3.5);
    EXPECT_EQ(page.find(memo)->font.points, 7);
    EXPECT_EQ(page.find(memo)->font.family, "Arial");
  }
  EXPECT_TRUE(page.find("shpRiga01")->frame.isValid());
  EXPECT_EQ(page.find("capCitta")->text(), "Città:");
  EXPECT_EQ(page.find("txtNome")->text(), "Rossi [DATE]");  // brackets printed as typed
  EXPECT_EQ(page.find("txtCitta")->text(), "Torino TO");
  EXPECT_EQ(page.find("txtCarta")->text(), "  Scadenza: 12/27");
  const PreparedItem* rule = page.find("shpLinea");
  ASSERT_NE(rule, nullptr);
  EXPECT_NEAR(rule->rect.left(), mm(52), 0.01);
  EXPECT_NEAR(rule->rect.height(), mm(14.6), 0.01);

  expectPlaced(page, "shpCalce", 1, 270, 188, 5.8);
  EXPECT_EQ(page.find("shpCalce")->fill, QColor(0xFF, 0xD7, 0x00));
  EXPECT_EQ(page.find("txtCalce")->text(),
            "Stampa eseguita in data 05/03/2024 alle ore " + timeText(QTime(9, 7, 3)));
  EXPECT_EQ(page.find("txtCopia"), nullptr);
  EXPECT_EQ(kit::cardPrintMemos(settings()), QStringList({"txtNome", "txtCitta", "txtCarta"}));
}

TEST_F(CardPrintKit, TheBlockTwiceWithItsSuffixesAndTags) {
  kit::CardPrintSettings s = settings();
  s.copies = {{.offset = 0, .suffix = "_A", .tag = "COPIA PER CONDUTTORE"},
              {.offset = 108, .suffix = "_B", .tag = "COPIA PER AZIENDA"}};
  auto report = kit::makeCardReport(s);
  kit::fillCardReport(*report, s, &card);
  const PreparedPage& page = report->preparedPages()[0];
  EXPECT_EQ(kit::cardPrintMemos(s),
            QStringList({"txtNome_A", "txtCitta_A", "txtCarta_A", "txtNome_B", "txtCitta_B", "txtCarta_B"}));
  for (const char* suffix : {"_A", "_B"}) {
    EXPECT_EQ(page.find(QStringLiteral("txtCitta") + suffix)->text(), "Torino TO");
    EXPECT_EQ(page.find(QStringLiteral("txtTitolo") + suffix)->text(), "SCHEDA DI PROVA");
  }
  expectPlaced(page, "txtNome_B", 44, 115.5, 144, 3.5);
  expectPlaced(page, "shpTitolo_B", 1, 109, 188, 5.8);
  expectPlaced(page, "shpCopia_A", 109, 24, 80, 5.8);
  EXPECT_EQ(page.find("txtCopia_A")->text(), "COPIA PER CONDUTTORE");
  EXPECT_EQ(page.find("txtCopia_B")->text(), "COPIA PER AZIENDA");
}

TEST_F(CardPrintKit, DialogPrintsTheCardItsOwnerIsAndCloses) {
  QTemporaryDir dir;
  host.printPdfPath = dir.filePath("scheda.pdf");
  kit::CardPrintDialog dialog(&card, settings());
  EXPECT_EQ(dialog.objectName(), "TfrmStampaProva");
  EXPECT_EQ(dialog.windowTitle(), " Stampa documento");
  EXPECT_EQ(dialog.kind(), platform::WindowKind::CentredOnOwner);
  EXPECT_EQ(dialog.size(), QSize(364, 287));
  EXPECT_EQ(dialog.btnStampa->text(), "Stampa");
  EXPECT_EQ(dialog.btnAnnulla->text(), "Annulla");
  EXPECT_EQ(dialog.imgLogo, nullptr);  // no photo in this layout
  host.modalScripts.push_back([](platform::Form& f) { click(find<QPushButton>(&f, "btnStampa")); });
  dialog.showModalDialog();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(QFile::exists(host.printPdfPath));
}

TEST_F(CardPrintKit, AFailureWarnsAndClosesOrWithNoWarningShowsItsOwnMessageAndStaysOpen) {
  QWidget stranger;  // no card of that class anywhere
  {
    kit::CardPrintDialog dialog(&stranger, settings());
    host.modalScripts.push_back([](platform::Form& f) { click(find<QPushButton>(&f, "btnStampa")); });
    dialog.showModalDialog();
    EXPECT_EQ(host.printDialogs, 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, platform::MsgKind::Warning);
    EXPECT_EQ(host.last().text, kit::cardprintmsg::kPrintFailure);
  }
  host.clear();
  kit::CardPrintSettings s = settings();
  s.failure.clear();
  kit::CardPrintDialog dialog(&stranger, s);
  dialog.show();
  EXPECT_NO_THROW(dialog.btnStampaClick());
  EXPECT_TRUE(dialog.isVisible());  // the dialog stays open
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_EQ(host.last().text, "The card \"TfrmProva\" is not available.");

  // A printer that cannot be written: its own message too, and nothing else said.
  host.clear();
  QTemporaryDir dir;
  host.printPdfPath = dir.filePath("manca/scheda.pdf");
  kit::CardPrintDialog onCard(&card, s);
  onCard.show();
  onCard.btnStampaClick();
  EXPECT_TRUE(onCard.isVisible());
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_TRUE(host.last().text.contains("manca/scheda.pdf")) << host.last().text.toStdString();
}

TEST_F(CardPrintKit, ACutLineBetweenTheCopiesAndTheObjectsAfterAnEmptyDataPage) {
  kit::CardPrintSettings s = settings();
  s.copies = {{.offset = 0, .suffix = "_A"}, {.offset = 108, .suffix = "_B"}};
  s.cutLine = 102;
  s.dataPage = true;
  auto report = kit::makeCardReport(s);
  ASSERT_EQ(report->pageCount(), 2);
  EXPECT_EQ(kit::cardReportPage(s), 1);
  EXPECT_EQ(report->page(0).name(), "Data");
  EXPECT_TRUE(report->page(0).objects().empty());
  EXPECT_NE(report->page(1).find("txtNome_B"), nullptr);
  report->page(1).orientation = QPageLayout::Landscape;  // filling puts the card's page back
  kit::fillCardReport(*report, s, &card);
  ASSERT_EQ(report->preparedPages().size(), 1u);  // one sheet: the data page prints nothing
  const PreparedPage& page = report->preparedPages()[0];
  EXPECT_EQ(page.orientation, QPageLayout::Portrait);
  const PreparedItem* cut = page.find("linTaglio");
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->kind, Object::Kind::Line);
  expectPlaced(page, "linTaglio", 0, 102, 190, 0);
  EXPECT_TRUE(cut->arrowStart);
  EXPECT_TRUE(cut->arrowEnd);
  EXPECT_EQ(page.find("txtNome_B")->text(), "Rossi [DATE]");
  // Without the settings: no line, the card on page index 0.
  auto plain = kit::makeCardReport(settings());
  EXPECT_EQ(plain->pageCount(), 1);
  EXPECT_EQ(plain->findObject("linTaglio"), nullptr);
}

}  // namespace
