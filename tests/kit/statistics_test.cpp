// The statistics window set up the two ways its settings allow: the monthly sums of an
// amount field (with the year box's yellow highlight), and the monthly counts of
// records (without it, March in bisque). The year, the archive, the rounding, the
// chart's kind across showings, the hints, the help and the chart print.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include "core/clock.h"
#include "kit/statistics.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "support/archive_files.h"
#include "support/helpers.h"
#include "support/printed_documents.h"
#include "support/scripted_host.h"

using platform::ChartKind;
using platform::MsgKind;

namespace {

constexpr std::array<core::FieldDef, 3> kFields{{{"Targa", 10}, {"Data", 10}, {"Importo", 15}}};
const core::RecordLayout& testLayout() {
  static const core::RecordLayout layout(kFields);
  return layout;
}

struct HelpCall {
  QString owner, title;
  QStringList paragraphs;
};
std::vector<HelpCall> helpCalls;

kit::StatisticsSettings amountSettings() {
  return {
      .windowClass = "TfrmStatProva",
      .caption = " Velmora 4.0 - Statistiche di prova",
      .gradientTop = QColor(0x42, 0x7A, 0xA8),
      .banner = "STATISTICHE DI PROVA",
      .yearHighlight = true,
      .chartPicture = {.name = "imgFattura", .draw = [](const QSize& s) {
                         QPixmap pm(s);
                         pm.fill(Qt::darkGreen);
                         return pm;
                       }},
      .headingDesign = "Rappresentazione grafica delle spese nell'anno solare.",
      .headingPrefix = "Rappresentazione grafica delle spese nell'anno ",
      .explanation = "Il presente grafico mostra le spese di ciascun mese.",
      .initialHint = "Grafico statistico delle spese.",
      .hintBarre = "Spese a barre.",
      .hintTorta = "Spese a torta.",
      .decorationsClearHint = true,
      .chartTitle = "Statistiche spese mensili",
      .chartFoot = "Importi arrotondati all'euro",
      .legendTitle = "Spese:",
      .layout = &testLayout(),
      .yearExtension = ".eur",
      .dateField = 1,
      .amountField = 2,
      .helpTitle = "App Statistiche di prova",
      .helpParagraphs = {"Primo.", "Secondo."},
      .help = [](QWidget* owner, const QString& title,
                 const QStringList& paragraphs) { helpCalls.push_back({owner->objectName(), title, paragraphs}); },
  };
}

kit::StatisticsSettings countSettings() {
  kit::StatisticsSettings s = amountSettings();
  s.windowClass = "TfrmStatConta";
  s.yearHighlight = false;
  s.decorationsClearHint = false;
  s.chartPicture.name = "icoDecoro08";
  s.headingPrefix = "Rappresentazione grafica dei transiti registrati nell'anno ";
  s.yearExtension = ".vis";
  s.amountField = std::nullopt;
  s.monthColours[2] = QColor(0xFF, 0xE4, 0xC4);
  return s;
}

void appendPayments(const QString& file, const std::vector<std::pair<QString, QString>>& payments) {
  std::vector<FieldTexts> records;
  for (const auto& [date, amount] : payments) records.push_back({{"Targa", "AB123CD"}, {"Data", date}, {"Importo", amount}});
  appendFieldRecords(file, testLayout(), records);
}

QStringList labelTexts(const kit::StatisticsWindow& w) {
  QStringList out;
  for (QLabel* l : w.months) out << l->text();
  return out;
}

QStringList zeros() { return QStringList(12, "0"); }

class Statistics : public ::testing::Test {
 protected:
  void SetUp() override { helpCalls.clear(); }
  void open(kit::StatisticsWindow& w, const QString& year) {
    w.txtAnno->setText(year);
    w.btnApriClick();
  }
  core::PinnedClock clock{core::Date{20, 6, 2024}};
  TempExeDir dir;
  ScriptedDialogHost host;
};

TEST_F(Statistics, AmountsOfTheYearAreSummedPerMonthThenRounded) {
  appendPayments("2024.eur", {
                                 {"05/03/2024", "10,40"},
                                 {"06/03/2024", "10,40"},  // 20,80 gives 21
                                 {"10-04-2024", "2,50"},   // any separator; 3
                                 {"01/05/2024", "-2,70"},  // -2
                                 {"15/06/2023", "500"},    // another year, in this year's file
                                 {"16/06/2024", ""},       // no amount: left out, the chart is drawn
                                 {"17/06/2024", "dieci"},
                                 {"18/06/2024", "4"},
                                 {"18/06/2023", "dieci"},  // another year: never read as a number
                                 {"5/7/2024", "8"},        // one-digit day and month: no month
                             });
  kit::StatisticsWindow w(nullptr, amountSettings());
  w.showWindow();
  EXPECT_EQ(w.txtAnno->text(), "2024");
  click(w.btnApri);

  EXPECT_EQ(labelTexts(w), QStringList({"0", "0", "21", "3", "-2", "4", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(w.months[0]->objectName(), "memGennaio");
  EXPECT_EQ(w.months[11]->objectName(), "memDicembre");
  EXPECT_EQ(w.lblFile->text(), QDir(dir.path()).filePath("2024.eur"));
  EXPECT_EQ(w.lblTitolo->text(), "Rappresentazione grafica delle spese nell'anno 2024.");
  EXPECT_FALSE(w.panAvvio->isVisible());
  EXPECT_TRUE(w.panContainer->isVisible());
  EXPECT_TRUE(host.boxes.empty());

  const platform::Chart& chart = w.ChartStats->chart();
  EXPECT_EQ(w.ChartStats->objectName(), "ChartStats");
  EXPECT_EQ(w.ChartStats->size(), QSize(945, 486));
  EXPECT_EQ(chart.kind, ChartKind::Bars);
  EXPECT_EQ(chart.title, "Statistiche spese mensili");
  EXPECT_EQ(chart.foot, "Importi arrotondati all'euro");
  EXPECT_EQ(chart.legendTitle, "Spese:");
  ASSERT_EQ(chart.points.size(), 12u);
  const char* names[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                         "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
  const double values[] = {0, 0, 21, 3, -2, 4, 0, 0, 0, 0, 0, 0};
  for (std::size_t m = 0; m < 12; ++m) {
    SCOPED_TRACE(names[m]);
    EXPECT_EQ(chart.points[m].label, names[m]);
    EXPECT_EQ(chart.points[m].value, values[m]);
    EXPECT_EQ(chart.points[m].colour, kit::kMonthColours[m]);
  }
  EXPECT_EQ(chart.points[2].colour, QColor(Qt::white));
  EXPECT_EQ(chart.points[8].colour, QColor(0xF0, 0xFB, 0xFF));
}

TEST_F(Statistics, CountsAreTheNumberOfRecordsOfEachMonth) {
  appendPayments("2024.vis", {
                                 {"31/12/2024", ""},
                                 {"01/01/2025", ""},
                                 {"05-03-2024", "non un numero"},
                                 {"05/03/2024", "non un numero"},  // the same day twice counts twice
                                 {"", ""},
                                 {"5/03/2024", ""},
                             });
  kit::StatisticsWindow w(nullptr, countSettings());
  w.showWindow();
  click(w.btnApri);
  EXPECT_EQ(labelTexts(w), QStringList({"0", "0", "2", "0", "0", "0", "0", "0", "0", "0", "0", "1"}));
  EXPECT_EQ(w.lblFile->text(), QDir(dir.path()).filePath("2024.vis"));
  EXPECT_EQ(w.lblTitolo->text(), "Rappresentazione grafica dei transiti registrati nell'anno 2024.");
  EXPECT_EQ(w.ChartStats->chart().points[2].colour, QColor(0xFF, 0xE4, 0xC4));
  EXPECT_EQ(w.ChartStats->chart().points[0].colour, QColor(0xFF, 0x00, 0x00));
  EXPECT_TRUE(host.boxes.empty());
  // The year box shows its focus with a highlight in one window and not in the other.
  EXPECT_EQ(w.findChild<QWidget*>("effAnno"), nullptr);
  kit::StatisticsWindow costs(nullptr, amountSettings());
  EXPECT_NE(costs.findChild<QWidget*>("effAnno"), nullptr);
  EXPECT_NE(costs.findChild<QWidget*>("imgFattura"), nullptr);
  EXPECT_NE(w.findChild<QWidget*>("icoDecoro08"), nullptr);
}

TEST_F(Statistics, AMissingYearCreatesAnEmptyArchiveAndAnExistingOneStaysAsItWas) {
  kit::StatisticsWindow w(nullptr, amountSettings());
  w.showWindow();
  open(w, "2019");
  EXPECT_TRUE(dir.exists("2019.eur"));
  EXPECT_EQ(QFileInfo(dir.file("2019.eur")).size(), 0);
  EXPECT_EQ(labelTexts(w), zeros());
  ASSERT_EQ(w.ChartStats->chart().points.size(), 12u);
  for (const platform::ChartPoint& p : w.ChartStats->chart().points) EXPECT_EQ(p.value, 0);
  EXPECT_TRUE(w.panContainer->isVisible());

  // An existing archive, a trailing partial record included, is read and never rewritten.
  appendPayments("2020.eur", {{"01/02/2020", "7"}});
  QByteArray bytes = dir.read("2020.eur") + QByteArray("xyz");
  dir.write("2020.eur", bytes);
  w.showWindow();
  open(w, "2020");
  EXPECT_EQ(labelTexts(w)[1], "7");
  EXPECT_EQ(dir.read("2020.eur"), bytes);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Statistics, OnlyFourAsciiDigitsNameAYear) {
  kit::StatisticsWindow w(nullptr, amountSettings());
  activate(&w);
  // Typed or pasted, only digits enter the box, four at most.
  w.txtAnno->clear();
  QTest::keyClicks(w.txtAnno, "2a0/2 45");
  EXPECT_EQ(w.txtAnno->text(), "2024");
  w.txtAnno->clear();
  QGuiApplication::clipboard()->setText("..\\x");
  w.txtAnno->pasteAdmitted();
  EXPECT_EQ(w.txtAnno->text(), "");
  QGuiApplication::clipboard()->setText("20x23");
  w.txtAnno->pasteAdmitted();
  EXPECT_EQ(w.txtAnno->text(), "2023");

  struct Case {
    const char* name;
    QString year;
  } cases[] = {
      {"empty", ""},
      {"three digits", "202"},
      {"four letters, set by code", "abcd"},
      {"a path", "..\\x"},
      {"a blank before", " 202"},
      {"a blank inside", "20 4"},
      {"wide digits", QString::fromUtf16(u"\uFF12\uFF10\uFF12\uFF14")},
  };
  const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host.clear();
    w.btnApri->setFocus();
    open(w, c.year);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, MsgKind::Warning);
    EXPECT_EQ(host.last().text, "Attenzione: indicare l'anno solare utilizzando quattro cifre.");
    EXPECT_EQ(QApplication::focusWidget(), w.txtAnno);
    EXPECT_EQ(w.lblFile->text(), "FilePath");
    EXPECT_EQ(w.lblTitolo->text(), "Rappresentazione grafica delle spese nell'anno solare.");
    EXPECT_TRUE(w.panAvvio->isVisible());
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), before);
  // 0000 is four digits, so a year.
  host.clear();
  open(w, "0000");
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(dir.exists("0000.eur"));
}

TEST_F(Statistics, EnterInTheYearBoxMovesToApriAndEnterThereOpens) {
  kit::StatisticsWindow w(nullptr, amountSettings());
  activate(&w);
  EXPECT_EQ(QApplication::focusWidget(), w.txtAnno);
  EXPECT_TRUE(w.findChild<QWidget*>("effAnno")->isVisible());
  pressKey(w.txtAnno, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w.btnApri);
  EXPECT_TRUE(w.panAvvio->isVisible());  // not pressed
  EXPECT_FALSE(w.findChild<QWidget*>("effAnno")->isVisible());
  pressKey(w.btnApri, Qt::Key_Return);
  EXPECT_TRUE(w.panContainer->isVisible());
}

TEST_F(Statistics, AnArchiveThatCannotBeOpenedStopsSilently) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("2024.eur"));  // a folder where the archive should be
  kit::StatisticsWindow w(nullptr, amountSettings());
  w.showWindow();
  w.months[3]->setText("99");
  click(w.btnApri);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(w.panAvvio->isVisible());
  EXPECT_FALSE(w.panContainer->isVisible());
  EXPECT_EQ(labelTexts(w), zeros());
  EXPECT_EQ(w.lblFile->text(), QDir(dir.path()).filePath("2024.eur"));
  EXPECT_EQ(w.lblTitolo->text(), "Rappresentazione grafica delle spese nell'anno 2024.");
  EXPECT_TRUE(w.ChartStats->chart().points.empty());
  EXPECT_TRUE(QFileInfo(dir.file("2024.eur")).isDir());
}

TEST_F(Statistics, BarOrPieStaysAcrossShowingsAndEachShowingStartsOnTheYearPanel) {
  appendPayments("2023.eur", {{"01/01/2023", "5"}});
  kit::StatisticsWindow w(nullptr, amountSettings());
  w.showWindow();
  open(w, "2023");
  click(w.btnTorta);
  EXPECT_EQ(w.ChartStats->kind(), ChartKind::Pie);
  ASSERT_EQ(w.ChartStats->chart().points.size(), 12u);  // the points stay
  EXPECT_EQ(w.ChartStats->chart().points[0].value, 5);

  click(w.btnEsci);
  EXPECT_FALSE(w.isVisible());
  w.showWindow();
  EXPECT_TRUE(w.panAvvio->isVisible());
  EXPECT_FALSE(w.panContainer->isVisible());
  EXPECT_EQ(w.txtAnno->text(), "2024");  // the current year again
  EXPECT_TRUE(w.ChartStats->chart().points.empty());
  open(w, "2023");
  EXPECT_EQ(w.ChartStats->kind(), ChartKind::Pie);
  EXPECT_EQ(w.ChartStats->chart().points[0].value, 5);
  click(w.btnBarre);
  EXPECT_EQ(w.ChartStats->kind(), ChartKind::Bars);
  EXPECT_EQ(w.ChartStats->chart().points.size(), 12u);

  // Esci on the year panel closes too.
  w.showWindow();
  click(w.imgEsci);
  EXPECT_FALSE(w.isVisible());
}

void enter(QWidget* w) {
  QEvent e(QEvent::Enter);
  QApplication::sendEvent(w, &e);
}
void moveOver(QWidget* w) {
  QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

TEST_F(Statistics, TheStatusHintFollowsTheMouse) {
  for (bool decorations : {true, false}) {
    SCOPED_TRACE(decorations ? "decorations empty the hint" : "decorations keep it");
    kit::StatisticsWindow w(nullptr, decorations ? amountSettings() : countSettings());
    w.showWindow();
    open(w, "2024");
    EXPECT_EQ(w.panInfo->text(), "Grafico statistico delle spese.");
    const std::pair<QWidget*, QString> hints[] = {
        {w.btnBarre, "Spese a barre."},
        {w.btnTorta, "Spese a torta."},
        {w.btnStampa, "Stampa il grafico corrente."},
        {w.btnEsci, "Esci da questo ambiente di lavoro."},
        {w.cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
    };
    for (const auto& [control, hint] : hints) {
      SCOPED_TRACE(control->objectName().toStdString());
      enter(control);
      EXPECT_EQ(w.panInfo->text(), hint);
      moveOver(w.ChartStats);
      EXPECT_EQ(w.panInfo->text(), "");
    }
    for (const char* name : {"panContainer", "shpSezione01", "shpInfo"}) {
      SCOPED_TRACE(name);
      enter(w.btnBarre);
      moveOver(find(&w, name));
      EXPECT_EQ(w.panInfo->text(), "");
    }
    for (QWidget* decoration : {find(&w, "bkgSezione01"), find(&w, w.settings().chartPicture.name)}) {
      SCOPED_TRACE(decoration->objectName().toStdString());
      enter(w.btnBarre);
      moveOver(decoration);
      EXPECT_EQ(w.panInfo->text(), decorations ? "" : "Spese a barre.");
    }
  }
}

TEST_F(Statistics, HelpFromEitherPanel) {
  kit::StatisticsWindow w(nullptr, amountSettings());
  w.showWindow();
  click(w.imgGuida);
  open(w, "2024");
  click(w.cmdGuida);
  ASSERT_EQ(helpCalls.size(), 2u);
  for (const HelpCall& c : helpCalls) {
    EXPECT_EQ(c.owner, "TfrmStatProva");
    EXPECT_EQ(c.title, "App Statistiche di prova");
    EXPECT_EQ(c.paragraphs, QStringList({"Primo.", "Secondo."}));
  }
}

TEST_F(Statistics, TheChartIsPrintedInLandscapeOnceACopyAsShown) {
  appendPayments("2024.eur", {{"01/01/2024", "5"}, {"01/09/2024", "3"}});
  kit::StatisticsWindow w(nullptr, amountSettings());
  w.showWindow();
  open(w, "2024");
  click(w.btnTorta);

  // A printer chosen in the dialog: each copy is a document of its own.
  host.printToPrinter = true;
  PrintedDocuments documents;
  QList<QPageLayout::Orientation> orientations;
  host.inputs = {QStringLiteral("3")};
  click(w.btnStampa);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].kind, MsgKind::Question);
  EXPECT_EQ(host.boxes[0].text, "Si vuole stampare il presente grafico statistico?");
  EXPECT_EQ(host.inputPrompts, QStringList{"Numero copie da stampare|Copie:"});
  EXPECT_EQ(host.inputDefaults, QStringList{"1"});
  EXPECT_EQ(host.printCopiesShown, QList<int>{3});
  EXPECT_EQ(documents.begun, 3);
  for (const QString& file : documents.files) EXPECT_GT(QFileInfo(file).size(), 1000) << file.toStdString();
  for (int count : documents.copyCounts) EXPECT_EQ(count, 1);

  // Landscape, and the copies left in the dialog decide.
  host.clear();
  host.inputs = {QStringLiteral("3")};
  host.printCopiesKept = 2;
  kit::setDocumentHook([&](int, QPrinter& printer) {
    orientations << printer.pageLayout().orientation();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.file("grafico.pdf"));
  });
  click(w.btnStampa);
  kit::setDocumentHook({});
  EXPECT_EQ(orientations, (QList<QPageLayout::Orientation>{QPageLayout::Landscape, QPageLayout::Landscape}));

  // No to the question: nothing more.
  host.clear();
  host.printCopiesShown.clear();
  host.answers = {false};
  click(w.btnStampa);
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_TRUE(host.inputPrompts.isEmpty());
  EXPECT_TRUE(host.printCopiesShown.isEmpty());
}

TEST_F(Statistics, APrintFailureIsAnErrorBoxAndTheWindowGoesOn) {
  kit::StatisticsWindow w(nullptr, amountSettings());
  w.showWindow();
  open(w, "2024");
  {
    // Digits too many for a number of copies.
    PrintedDocuments documents;
    host.inputs = {QStringLiteral("99999999999")};
    click(w.btnStampa);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].kind, MsgKind::Error);
    EXPECT_EQ(host.boxes[1].text, "'99999999999' is not a valid integer value");
    EXPECT_EQ(host.printDialogs, 0);
    EXPECT_EQ(documents.begun, 0);
  }
  {
    // A printer that cannot start: its own message, no later copy tried.
    PrintedDocuments documents(false);
    host.clear();
    host.inputs = {QStringLiteral("2")};
    host.printPdfPath = dir.file("manca/grafico.pdf");
    click(w.btnStampa);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].kind, MsgKind::Error);
    EXPECT_EQ(host.boxes[1].text, QStringLiteral("Cannot create the file \"%1\".").arg(host.printPdfPath));
    EXPECT_EQ(documents.begun, 1);
  }
  // The window goes on.
  click(w.btnTorta);
  EXPECT_EQ(w.ChartStats->kind(), ChartKind::Pie);
  EXPECT_TRUE(w.panContainer->isVisible());
}

}  // namespace
