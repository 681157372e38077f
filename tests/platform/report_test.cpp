#include <QDir>
#include <QImage>
#include <QPainter>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/report/report.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using namespace platform::report;

namespace {

// Text of a PDF, one string per page; empty when pdftotext is not installed.
QStringList pdfPages(const QString& path) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return {};
  QProcess p;
  p.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

#define REQUIRE_PDFTOTEXT()                                                        \
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {   \
    GTEST_SKIP() << "pdftotext (poppler-utils) not installed";                   \
  }

// A portrait page with a title band, a data band that may split holding `lines`
// lines in one memo, and a footer band.
std::unique_ptr<Report> bandedReport(int lines) {
  auto r = std::make_unique<Report>(QStringLiteral("Prova"));
  Page& page = r->addPage(QStringLiteral("Page"));
  Band& title = page.addBand(BandKind::ReportTitle, QStringLiteral("ReportTitle"), mm(8));
  title.addMemo(QStringLiteral("txtTitolo"), QRectF(0, 0, mm(150), mm(6))).setText(QStringLiteral("Titolo"));
  Band& data = page.addBand(BandKind::MasterData, QStringLiteral("MasterData"), 0);
  data.allowSplit = true;
  Memo& memo = data.addMemo(QStringLiteral("txtDati"), QRectF(0, 0, mm(150), 0));
  memo.font = {QStringLiteral("Courier New"), 8, false, Qt::black};
  for (int i = 1; i <= lines; ++i) memo.lines << QStringLiteral("riga %1").arg(i, 4, 10, QLatin1Char('0'));
  memo.setHeight(lines * 12.822);
  data.setHeight(memo.height() + 10);
  Band& footer = page.addBand(BandKind::Footer, QStringLiteral("Footer"), mm(8));
  footer.addMemo(QStringLiteral("txtPiede"), QRectF(0, mm(2), mm(150), mm(5))).setText(QStringLiteral("Fine"));
  return r;
}

}  // namespace

TEST(Report, UnitsAreNinetySixthsOfAnInch) {
  EXPECT_NEAR(mm(8), 30.24, 0.01);
  EXPECT_NEAR(mm(25.4), 96.0, 1e-9);
  Page page(QStringLiteral("p"));
  page.orientation = QPageLayout::Landscape;
  EXPECT_NEAR(page.paperSize().width(), mm(297), 0.01);
  EXPECT_NEAR(page.paperSize().height(), mm(210), 0.01);
}

TEST(Report, SplitBandRunsOverPagesTitleFirstFooterAfterLastLine) {
  auto r = bandedReport(250);
  r->prepare();
  const auto& pages = r->preparedPages();
  ASSERT_GE(pages.size(), 3u);
  const double bottom = pages[0].size.height() - mm(10);

  QStringList printed;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE(i);
    const PreparedPage& p = pages[i];
    EXPECT_EQ(p.find(QStringLiteral("txtTitolo")) != nullptr, i == 0);
    EXPECT_EQ(p.find(QStringLiteral("txtPiede")) != nullptr, i + 1 == pages.size());
    const PreparedItem* data = p.find(QStringLiteral("txtDati"));
    ASSERT_NE(data, nullptr);
    // Whole lines only, none past the printable bottom.
    EXPECT_LE(data->textTop + data->lines.size() * data->linePitch, bottom + 0.01);
    EXPECT_LE(data->rect.bottom(), bottom + 0.01);
    printed << data->lines;
    // Every page but the first starts at the top margin.
    if (i > 0) {
      EXPECT_NEAR(p.bands.front().top, mm(10), 0.01);
    }
  }
  // Every line once, in order.
  ASSERT_EQ(printed.size(), 250);
  for (int i = 0; i < 250; ++i) EXPECT_EQ(printed[i], QStringLiteral("riga %1").arg(i + 1, 4, 10, QLatin1Char('0')));

  // The footer comes straight after the last piece of the data band.
  const PreparedPage& last = pages.back();
  const PreparedBand* data = last.band(QStringLiteral("MasterData"));
  const PreparedBand* footer = last.band(QStringLiteral("Footer"));
  ASSERT_TRUE(data && footer);
  EXPECT_NEAR(footer->top, data->top + data->height, 0.01);
}

TEST(Report, BandThatCannotSplitMovesWholeToTheNextPage) {
  // A data band just short of a page leaves too little room for the footer.
  auto r = bandedReport(0);
  const double printable = r->page(0).paperSize().height() - mm(20);
  r->band(QStringLiteral("MasterData")).setHeight(printable - mm(8) - mm(4));
  r->prepare();
  const auto& pages = r->preparedPages();
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_NE(pages[1].band(QStringLiteral("Footer")), nullptr);
  EXPECT_NEAR(pages[1].band(QStringLiteral("Footer"))->top, mm(10), 0.01);
  EXPECT_EQ(pages[0].band(QStringLiteral("Footer")), nullptr);
}

TEST(Report, PreparingAgainStartsFromScratch) {
  auto r = bandedReport(10);
  r->prepare();
  r->memo(QStringLiteral("txtTitolo")).setText(QStringLiteral("Secondo"));
  r->prepare();
  ASSERT_EQ(r->preparedPages().size(), 1u);
  EXPECT_EQ(r->preparedPages()[0].find(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Secondo"));
}

TEST(Report, ExpressionsGiveDateAndSystemTimeOnlyWhereAllowed) {
  struct Case {
    const char* name;
    bool expressions;
    QString text;
  };
  const Case cases[] = {
      {"date", true, QStringLiteral("Stampa eseguita in data [DATE]")},
      {"time", true, QStringLiteral("alle ore [TIME]")},
      {"unknown name stays", true, QStringLiteral("[ALTRO] [date]")},
      {"expressions off", false, QStringLiteral("[DATE] [TIME]")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Report r(QStringLiteral("x"));
    Memo& m = r.addPage(QStringLiteral("p")).addMemo(QStringLiteral("m"), QRectF(0, 0, 300, 20));
    m.expressions = c.expressions;
    m.setText(c.text);
    r.prepare();
    QString expected = c.text;
    if (c.expressions) {
      expected.replace(QStringLiteral("[DATE]"), dateText(r.preparedAt().date()));
      expected.replace(QStringLiteral("[TIME]"), timeText(r.preparedAt().time()));
    }
    EXPECT_EQ(r.preparedPages()[0].find(QStringLiteral("m"))->text(), expected);
  }
  // Dates always dd/mm/yyyy; the time as the system writes it, with its seconds and
  // without a time zone.
  EXPECT_EQ(dateText(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
  const QString t = timeText(QTime(9, 5, 7));
  EXPECT_TRUE(t.contains(QStringLiteral("05"))) << t.toStdString();
  EXPECT_TRUE(t.contains(QStringLiteral("07"))) << t.toStdString();
  EXPECT_FALSE(t.contains(QStringLiteral("UTC")) || t.contains(QStringLiteral("GMT"))) << t.toStdString();
}

TEST(Report, LongLineIsCutNotWrapped) {
  Report r(QStringLiteral("x"));
  Memo& m = r.addPage(QStringLiteral("p")).addMemo(QStringLiteral("m"), QRectF(0, 0, mm(20), mm(6)));
  const QString longLine = QString(200, QLatin1Char('X'));
  m.setText(longLine);
  r.prepare();
  const PreparedItem* item = r.preparedPages()[0].find(QStringLiteral("m"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->lines, QStringList{longLine});
  EXPECT_NEAR(item->rect.width(), mm(20), 0.01);
}

TEST(Report, ObjectsOnAPageSitInsideTheMarginsAndAreFoundByName) {
  Report r(QStringLiteral("Scheda"));
  Page& page = r.addPage(QStringLiteral("Page1"));
  page.addShape(QStringLiteral("shp"), QRectF(mm(1), mm(1), mm(188), mm(8))).fill = kRoyalBlue;
  page.addPicture(QStringLiteral("img"), QRectF(mm(1), mm(11), mm(50), mm(40)));
  r.prepare();
  const PreparedItem* shp = r.preparedPages()[0].find(QStringLiteral("shp"));
  ASSERT_NE(shp, nullptr);
  EXPECT_NEAR(shp->rect.left(), mm(11), 0.01);
  EXPECT_NEAR(shp->rect.top(), mm(11), 0.01);

  EXPECT_NE(r.findObject(QStringLiteral("img")), nullptr);
  EXPECT_EQ(r.findObject(QStringLiteral("assente")), nullptr);
  EXPECT_NO_THROW(r.picture(QStringLiteral("img")));
  // Missing objects, or one of another kind, are a failure with its own message.
  try {
    r.memo(QStringLiteral("img"));
    FAIL() << "a picture is not a memo";
  } catch (const ReportError& e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("\"img\""))) << e.what();
  }
  EXPECT_THROW(r.band(QStringLiteral("MasterData")), ReportError);
  EXPECT_THROW(r.page(1), ReportError);
}

TEST(Report, PrintGoesThroughThePrintDialogAndFailsLoudly) {
  ScriptedDialogHost host;
  QTemporaryDir dir;
  auto r = bandedReport(5);
  EXPECT_THROW(r->print(nullptr), ReportError);  // nothing prepared yet
  r->prepare();

  host.acceptPrint = false;
  host.printPdfPath = dir.filePath(QStringLiteral("annullata.pdf"));
  EXPECT_FALSE(r->print(nullptr));
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_FALSE(QFile::exists(host.printPdfPath));

  host.acceptPrint = true;
  host.printPdfPath = dir.filePath(QStringLiteral("stampa.pdf"));
  EXPECT_TRUE(r->print(nullptr));
  EXPECT_GT(QFileInfo(host.printPdfPath).size(), 0);

  host.printPdfPath = dir.filePath(QStringLiteral("manca/stampa.pdf"));
  EXPECT_THROW(r->print(nullptr), ReportError);
  EXPECT_TRUE(host.boxes.empty());
}

TEST(Report, PdfHoldsThePreparedPages) {
  REQUIRE_PDFTOTEXT();
  QTemporaryDir dir;
  auto r = bandedReport(250);
  r->prepare();
  const QString path = dir.filePath(QStringLiteral("prova.pdf"));
  r->exportPdf(path);
  const QStringList pages = pdfPages(path);
  ASSERT_EQ(pages.size(), static_cast<qsizetype>(r->preparedPages().size()));
  EXPECT_TRUE(pages.first().contains(QStringLiteral("Titolo")));
  EXPECT_TRUE(pages.first().contains(QStringLiteral("riga 0001")));
  EXPECT_FALSE(pages[1].contains(QStringLiteral("Titolo")));
  EXPECT_TRUE(pages.last().contains(QStringLiteral("riga 0250")));
  EXPECT_TRUE(pages.last().contains(QStringLiteral("Fine")));
  EXPECT_THROW(r->exportPdf(dir.filePath(QStringLiteral("manca/prova.pdf"))), ReportError);
}

TEST(Report, CopiesPrintedIntoAFileFollowOneAnotherInThatFile) {
  REQUIRE_PDFTOTEXT();
  ScriptedDialogHost host;
  QTemporaryDir dir;
  auto r = bandedReport(250);
  r->prepare();
  const auto pagesOfOne = static_cast<qsizetype>(r->preparedPages().size());
  ASSERT_GT(pagesOfOne, 1);
  host.printPdfPath = dir.filePath(QStringLiteral("copie.pdf"));
  host.printCopiesKept = 3;
  EXPECT_TRUE(r->print(nullptr));
  const QStringList pages = pdfPages(host.printPdfPath);
  ASSERT_EQ(pages.size(), 3 * pagesOfOne);
  for (int copy = 0; copy < 3; ++copy) {
    SCOPED_TRACE(copy);
    EXPECT_TRUE(pages[copy * pagesOfOne].contains(QStringLiteral("Titolo")));
    EXPECT_TRUE(pages[(copy + 1) * pagesOfOne - 1].contains(QStringLiteral("riga 0250")));
  }
}

TEST(Report, PreviewShowsThePreparedPagesInQtsPreview) {
  ScriptedDialogHost host;
  auto r = bandedReport(250);
  r->prepare();
  int previewPages = -1;
  host.onQtModal = [&](QDialog& dialog) {
    ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(&dialog), nullptr);
    auto* widget = dialog.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widget, nullptr);
    widget->updatePreview();
    previewPages = widget->pageCount();
    // Never larger than the screen's available area, still at 100 %.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(dialog.geometry())) << dialog.geometry().width() << "x" << dialog.geometry().height();
    EXPECT_DOUBLE_EQ(widget->zoomFactor(), 1.0);
  };
  r->preview(nullptr);
  EXPECT_EQ(host.qtModalShown, QStringList{QStringLiteral("QPrintPreviewDialog")});
  EXPECT_EQ(previewPages, static_cast<int>(r->preparedPages().size()));
}

namespace {

// A page with a horizontal line 190 mm long with arrowheads at both ends, and a
// vertical line without any, after an empty data page.
std::unique_ptr<Report> linedReport() {
  auto r = std::make_unique<Report>(QStringLiteral("Linee"));
  r->addDataPage(QStringLiteral("Data"));
  Page& page = r->addPage(QStringLiteral("Page1"));
  Line& cut = page.addLine(QStringLiteral("linTaglio"), QRectF(0, mm(102), mm(190), 0));
  cut.arrowStart = cut.arrowEnd = true;
  cut.frameWidth = 2;
  page.addLine(QStringLiteral("linColonna"), QRectF(mm(30), mm(7), 0, mm(77))).frameWidth = 2;
  Band& band = page.addBand(BandKind::MasterData, QStringLiteral("MasterData"), mm(20));
  Line& inBand = band.addLine(QStringLiteral("linBanda"), QRectF(mm(5), mm(4), mm(50), 0));
  inBand.arrowEnd = true;
  inBand.frame = Qt::red;
  return r;
}

}  // namespace

TEST(Report, LinesStandWhereTheTemplatePutsThemWithTheirArrowheadsAndADataPagePrintsNothing) {
  auto r = linedReport();
  EXPECT_EQ(r->pageCount(), 2);
  EXPECT_EQ(r->page(1).find(QStringLiteral("linTaglio"))->kind(), Object::Kind::Line);
  r->prepare();
  ASSERT_EQ(r->preparedPages().size(), 1u);  // the data page is not laid out
  const PreparedPage& page = r->preparedPages()[0];
  struct Case {
    const char* name;
    QRectF rect;  // mm from the paper's corner
    bool start, end;
    QColor colour;
  } cases[] = {
      {"linTaglio", QRectF(10, 112, 190, 0), true, true, Qt::black},
      {"linColonna", QRectF(40, 17, 0, 77), false, false, Qt::black},
      {"linBanda", QRectF(15, 14, 50, 0), false, true, Qt::red},  // in its band, under the page objects
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PreparedItem* item = page.find(QString::fromLatin1(c.name));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->kind, Object::Kind::Line);
    EXPECT_NEAR(item->rect.left(), mm(c.rect.left()), 0.01);
    EXPECT_NEAR(item->rect.top(), mm(c.rect.top()), 0.01);
    EXPECT_NEAR(item->rect.width(), mm(c.rect.width()), 0.01);
    EXPECT_NEAR(item->rect.height(), mm(c.rect.height()), 0.01);
    EXPECT_EQ(item->arrowStart, c.start);
    EXPECT_EQ(item->arrowEnd, c.end);
    EXPECT_EQ(item->frame, c.colour);
    EXPECT_EQ(item->arrowLength, 20);
    EXPECT_EQ(item->arrowWidth, 5);
  }
}

TEST(Report, LinesAreDrawnToTheirEndsAndArrowheadsOnlyWhereAsked) {
  auto r = linedReport();
  r->prepare();
  const PreparedPage& page = r->preparedPages()[0];
  QImage image(page.size.toSize(), QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);  // 96 dpi: one unit a pixel
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    drawPage(painter, page);
  }
  auto dark = [&](double x, double y) { return qGray(image.pixel(int(x), int(y))) < 128; };
  const QRectF cut = page.find(QStringLiteral("linTaglio"))->rect;
  const double y = cut.top();
  // The shaft, end to end.
  EXPECT_TRUE(dark(cut.center().x(), y));
  EXPECT_TRUE(dark(cut.left() + 40, y));
  EXPECT_TRUE(dark(cut.right() - 40, y));
  // Each arrowhead widens away from its point: 15 units in, it is 3.75 units either side.
  for (double x : {cut.left() + 15, cut.right() - 15}) {
    SCOPED_TRACE(x);
    EXPECT_TRUE(dark(x, y - 2.5));
    EXPECT_TRUE(dark(x, y + 2.5));
    EXPECT_FALSE(dark(x, y + 6));
  }
  // Nothing past the points.
  EXPECT_FALSE(dark(cut.left() - 3, y));
  EXPECT_FALSE(dark(cut.right() + 3, y));
  // The plain line has no arrowheads and is only as thick as its pen.
  const QRectF column = page.find(QStringLiteral("linColonna"))->rect;
  EXPECT_TRUE(dark(column.left(), column.top() + 2));
  EXPECT_TRUE(dark(column.left(), column.bottom() - 2));
  EXPECT_FALSE(dark(column.left() + 3, column.bottom() - 15));
  EXPECT_FALSE(dark(column.left(), column.bottom() + 3));
  // A line in a band drawn in its colour, its one arrowhead at its end only.
  const QRectF band = page.find(QStringLiteral("linBanda"))->rect;
  EXPECT_EQ(QColor(image.pixel(int(band.right() - 15), int(band.top() + 2))).red(), 255);
  EXPECT_LT(QColor(image.pixel(int(band.right() - 15), int(band.top() + 2))).green(), 100);
  EXPECT_EQ(QColor(image.pixel(int(band.left() + 15), int(band.top() + 2))), QColor(Qt::white));
}
