// The gate card print: both copies of the 16 rows from the card on screen on one
// sheet, the cut line between them, printed literally; it closes after printing, and
// a failure shows its own message while the dialog stays open.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/app.h"
#include "core/clock.h"
#include "gate/frm_registro.h"
#include "gate/frm_stampa_visita.h"
#include "platform/report/report.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using namespace platform::report;

namespace {

struct Row {
  const char* edit;
  const char* caption;
  const char* typed;   // what the card's edit holds
  const char* printed; // what the row prints
};

// The 16 edits of the gate card in record order, typed with blanks around some.
const Row kRows[] = {
    {"txtDataEnt", "Data ingresso:", "05/03/2024", "05/03/2024"},
    {"txtOraEnt", "Ora ingresso:", " 8:05 ", "8:05"},
    {"txtOperatoreEnt", "Registrato da:", "Bianchi", "Bianchi"},
    {"txtVeicolo", "Marca e modello veicolo:", "  Fiat Ducato", "Fiat Ducato"},
    {"txtTarga", "Targa:", "AB123CD", "AB123CD"},
    {"txtConduttore", "Conduttore:", "Mario Rossi  ", "Mario Rossi"},
    {"txtPersone", "Altre persone a bordo:", "[x] Luigi [DATE]", "[x] Luigi [DATE]"},
    {"txtMerce", "Merce trasportata:", "Pallet", "Pallet"},
    {"txtFoglio", "Foglio di marcia:", "", ""},
    {"txtTessere", "Tessere:", "12, 13", "12, 13"},
    {"txtLuogo", "Luogo destinazione:", "Magazzino B", "Magazzino B"},
    {"txtTelCel", "Cellulare:", "333 1234567", "333 1234567"},
    {"txtNote", "Note:", "Consegna entro le 12", "Consegna entro le 12"},
    {"txtDataUsc", "Data uscita:", "", ""},
    {"txtOraUsc", "Ora uscita:", "", ""},
    {"txtOperatoreUsc", "Registrato da:", "   ", ""},
};

// The program's gate card, a new card never saved, its 16 edits typed as the rows say.
class GateCardPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    card = app().frmRegistro;
    ASSERT_NE(card, nullptr);
    card->openYear(QStringLiteral("2024"));
    for (const Row& row : kRows) find<QLineEdit>(card, QString::fromLatin1(row.edit))->setText(QString::fromUtf8(row.typed));
    host.printPdfPath = pdfDir.filePath(QStringLiteral("visita.pdf"));
  }
  void TearDown() override { app().destroyWindows(); }
  // The rows of the copy with `suffix` as they should print.
  static std::vector<CardRow> copyRows(const char* suffix, std::vector<std::string>& names) {
    names.clear();
    for (const Row& row : kRows) names.push_back(std::string(row.edit) + suffix);
    std::vector<CardRow> rows;
    for (std::size_t i = 0; i < std::size(kRows); ++i)
      rows.push_back({names[i].c_str(), kRows[i].caption, QString::fromUtf8(kRows[i].printed)});
    return rows;
  }
  void clickInDialog(const char* button, std::function<void(platform::Form&)> after = {}) {
    host.modalScripts.push_back([button, after](platform::Form& f) {
      click(find<QPushButton>(&f, QString::fromLatin1(button)));
      if (after) after(f);
    });
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  QTemporaryDir pdfDir;
  TfrmRegistro* card = nullptr;
};

TEST_F(GateCardPrint, BothCopiesOfTheSixteenRowsStandOnPageIndexOne) {
  core::PinnedClock pin(core::DateTime{{5, 3, 2024}, 17, 45, 9});
  const kit::CardPrintSettings s = TfrmStampaVisita::settings();
  auto report = kit::makeCardReport(s);
  EXPECT_EQ(report->name(), "Entrata Uscita Veicolo");
  ASSERT_EQ(report->pageCount(), 2);
  EXPECT_EQ(report->page(0).name(), "Data");
  EXPECT_TRUE(report->page(0).objects().empty());
  const Page& sheet = report->page(1);
  EXPECT_EQ(sheet.name(), "Page1");
  EXPECT_EQ(sheet.paper, QPageSize::A4);
  EXPECT_EQ(sheet.margins, QMarginsF(10, 10, 10, 10));

  kit::fillCardReport(*report, s, card);
  ASSERT_EQ(report->preparedPages().size(), 1u);
  const PreparedPage& page = report->preparedPages()[0];
  EXPECT_EQ(page.orientation, QPageLayout::Portrait);

  // Copy A's value memos at 7.5 + 5(i - 1) mm, copy B's at 115.5 + 5(i - 1) mm.
  std::vector<std::string> names;
  expectCardRows(page, copyRows("_A", names), 10 + 7.5);
  expectCardRows(page, copyRows("_B", names), 10 + 115.5);
  for (int i = 0; i < 16; ++i) {
    const QString edit = QString::fromLatin1(kRows[i].edit);
    expectPlaced(page, edit + "_A", 44, 7.5 + 5 * i, 144, 3.5);
    expectPlaced(page, edit + "_B", 44, 115.5 + 5 * i, 144, 3.5);
    expectPlaced(page, "cap" + edit.mid(3) + "_B", 2, 115.5 + 5 * i, 37.8, 3.5);
    EXPECT_EQ(page.find(edit + "_A")->font.family, "Arial");
    EXPECT_EQ(page.find(edit + "_A")->font.points, 7);
  }
  // Brackets print as typed: no expression is worked out.
  EXPECT_EQ(page.find("txtPersone_B")->text(), "[x] Luigi [DATE]");

  struct Fixed {
    const char* name;
    double left, top, width, height;
    const char* text;  // null: a box
  } fixed[] = {
      {"shpTitolo_A", 1, 1, 188, 5.8, nullptr},
      {"txtTitolo_A", 2, 2, 185.8, 4.2, "SCHEDA RIEPILOGATIVA INGRESSO E USCITA VEICOLO"},
      {"shpCopia_A", 109, 89, 80, 5.8, nullptr},
      {"txtCopia_A", 110, 90, 77.8, 4.2, "COPIA PER CONDUTTORE"},
      {"linTaglio", 0, 102, 190, 0, nullptr},
      {"shpTitolo_B", 1, 109, 188, 5.8, nullptr},
      {"txtTitolo_B", 2, 110, 185.8, 4.2, "SCHEDA RIEPILOGATIVA INGRESSO E USCITA VEICOLO"},
      {"shpCopia_B", 109, 197, 80, 5.8, nullptr},
      {"txtCopia_B", 110, 198, 77.8, 4.2, "COPIA PER AZIENDA"},
      {"shpCalce", 1, 270, 188, 5.8, nullptr},
      {"txtCalce", 2, 271, 185.8, 4.2, nullptr},
  };
  for (const Fixed& f : fixed) {
    expectPlaced(page, QString::fromLatin1(f.name), f.left, f.top, f.width, f.height);
    if (f.text) {
      EXPECT_EQ(page.find(QString::fromLatin1(f.name))->text(), f.text);
    }
  }
  EXPECT_EQ(page.find("shpCopia_B")->fill, QColor(0xB0, 0xC4, 0xDE));
  EXPECT_EQ(page.find("shpCalce")->fill, QColor(0xFF, 0xD7, 0x00));
  const PreparedItem* cut = page.find("linTaglio");
  EXPECT_EQ(cut->kind, Object::Kind::Line);
  EXPECT_TRUE(cut->arrowStart && cut->arrowEnd);
  for (const char* rule : {"shpLinea_A", "shpLinea_B"}) {
    SCOPED_TRACE(rule);
    EXPECT_NEAR(page.find(rule)->rect.left(), mm(52), 0.01);
    EXPECT_NEAR(page.find(rule)->rect.height(), mm(79.6), 0.01);
  }
  EXPECT_NEAR(page.find("shpLinea_B")->rect.top(), mm(125), 0.01);
  EXPECT_EQ(page.find("txtCalce")->text(),
            "Stampa eseguita in data 05/03/2024 alle ore " + timeText(QTime(17, 45, 9)));
}

TEST_F(GateCardPrint, StampaPrintsOneSheetWithBothCopiesAndCloses) {
  TfrmStampaVisita dialog(card);
  EXPECT_EQ(dialog.objectName(), "TfrmStampaVisita");
  EXPECT_EQ(dialog.windowTitle(), " Stampa documento");
  EXPECT_EQ(dialog.kind(), platform::WindowKind::CentredOnOwner);
  EXPECT_EQ(dialog.size(), QSize(364, 287));
  EXPECT_EQ(dialog.btnAnnulla->text(), "Annulla");
  EXPECT_EQ(dialog.btnStampa->text(), "Stampa");
  EXPECT_EQ(dialog.btnAnnulla->nextInFocusChain(), dialog.btnStampa);
  clickInDialog("btnStampa");
  dialog.showModalDialog();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  ASSERT_TRUE(QFile::exists(host.printPdfPath));
  keepPdf(host.printPdfPath, "scheda_visita.pdf");
  const std::optional<QString> pdf = pdfText(host.printPdfPath);
  if (!pdf) return;
  EXPECT_EQ(pdf->count(QLatin1Char('\f')), 1) << "one sheet";
  EXPECT_EQ(pdf->count("SCHEDA RIEPILOGATIVA INGRESSO E USCITA VEICOLO"), 2);
  EXPECT_EQ(pdf->count("[x] Luigi [DATE]"), 2);
  for (const char* text : {"COPIA PER CONDUTTORE", "COPIA PER AZIENDA", "Stampa eseguita in data"})
    EXPECT_TRUE(pdf->contains(QString::fromLatin1(text))) << text;
}

TEST_F(GateCardPrint, TheLongLivedCardIsReadWhenTheOwnerIsAnotherWindow) {
  QWidget other;
  auto* plate = card->findChild<QLineEdit*>("txtTarga");
  plate->setText(" ZZ999ZZ ");
  TfrmStampaVisita dialog(&other);
  clickInDialog("btnStampa");
  dialog.showModalDialog();
  EXPECT_TRUE(host.boxes.empty());
  const std::optional<QString> pdf = pdfText(host.printPdfPath);
  if (pdf) {
    EXPECT_EQ(pdf->count("ZZ999ZZ"), 2);
  }
}

TEST_F(GateCardPrint, AnnullaPrintsNothing) {
  TfrmStampaVisita dialog(card);
  clickInDialog("btnAnnulla", [](platform::Form& f) { EXPECT_FALSE(f.isVisible()); });
  dialog.showModalDialog();
  EXPECT_EQ(host.printDialogs, 0);
  EXPECT_FALSE(QFile::exists(host.printPdfPath));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(GateCardPrint, AFailureShowsItsOwnMessageInAnErrorBoxAndTheDialogStaysOpen) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
    QString message;
  } cases[] = {
      {"printer not writable",
       [&] { host.printPdfPath = pdfDir.filePath(QStringLiteral("manca/visita.pdf")); },
       "Cannot create the file \"" + pdfDir.filePath(QStringLiteral("manca/visita.pdf")) + "\"."},
      {"an edit missing", [&] { card->txtNote->setObjectName(QStringLiteral("txtAltro")); },
       QStringLiteral("Control \"txtNote\" not found on the card.")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.clear();
    c.spoil();
    TfrmStampaVisita dialog(card);
    bool openAfterFailure = false;
    clickInDialog("btnStampa", [&](platform::Form& f) { openAfterFailure = f.isVisible(); });
    dialog.showModalDialog();
    EXPECT_TRUE(openAfterFailure);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
    EXPECT_EQ(host.last().text, c.message);
  }
}

}  // namespace
