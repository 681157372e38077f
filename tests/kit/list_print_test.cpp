#include <QDir>
#include <cstdlib>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/clock.h"
#include "kit/list_print.h"
#include "kit/result_list.h"
#include "platform/qtext.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using namespace platform::report;

namespace {

QStringList pdfPages(const QString& path) {
  QProcess p;
  p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// Keeps a copy of a printed PDF for looking at by hand, when asked to.
void keepPdf(const QString& path, const QString& name) {
  if (const char* dir = std::getenv("VELMORA_KEEP_PDF")) QFile::copy(path, QDir(QString::fromLocal8Bit(dir)).filePath(name));
}

#define REQUIRE_PDFTOTEXT()                                                        \
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {   \
    GTEST_SKIP() << "pdftotext (poppler-utils) not installed";                   \
  }

// Fixed-column lines like a search window's.
QStringList someLines(int n) {
  QStringList out;
  for (int i = 1; i <= n; ++i)
    out << QStringLiteral("AUTOVETTURA   FIAT      PUNTO     AB%1CD   ROSSI MARIO   2019   %2 ")
               .arg(i, 3, 10, QLatin1Char('0'))
               .arg(i * 1000, 7);
  return out;
}

QString footerText(const Report& r) {
  return QStringLiteral("Stampa eseguita in data ") + dateText(r.preparedAt().date());
}

}  // namespace

TEST(ListPrint, HeightsTitleAndFooterForEmptyAndLongLists) {
  struct Case {
    const char* name;
    int lines;
    int trailer;
    double memoHeight, bandHeight;
  };
  const Case cases[] = {
      {"empty list", 0, 0, 0, 10},
      {"100 lines", 100, 0, 1282.2, 1292.2},
      {"3 lines and 5 trailer lines", 3, 5, 8 * 12.822, 8 * 12.822 + 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QStringList lines = someLines(c.lines);
    const QStringList trailer = someLines(c.trailer).replaceInStrings(QStringLiteral("AUTOVETTURA"), QStringLiteral("TOTALE"));
    auto r = kit::prepareListReport(QStringLiteral("Riepilogo schede veicoli in archivio"), lines, trailer);

    EXPECT_NEAR(r->memo(QStringLiteral("txtRiepilogo")).height(), c.memoHeight, 1e-9);
    EXPECT_NEAR(r->band(QStringLiteral("MasterData")).height(), c.bandHeight, 1e-9);
    EXPECT_EQ(r->preparedAt().date(), QDate::currentDate());

    const auto& pages = r->preparedPages();
    ASSERT_FALSE(pages.empty());
    QStringList printed;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      SCOPED_TRACE(i);
      const PreparedPage& p = pages[i];
      EXPECT_EQ(p.orientation, QPageLayout::Landscape);
      const PreparedItem* title = p.find(QStringLiteral("txtTitolo"));
      EXPECT_EQ(title != nullptr, i == 0);
      if (title) {
        EXPECT_EQ(title->text(), QStringLiteral("Riepilogo schede veicoli in archivio"));
      }
      const PreparedItem* footer = p.find(QStringLiteral("txtPagina"));
      EXPECT_EQ(footer != nullptr, i + 1 == pages.size());
      if (footer) {
        EXPECT_EQ(footer->text(), footerText(*r));
      }
      if (const PreparedItem* data = p.find(QStringLiteral("txtRiepilogo"))) printed << data->lines;
    }
    EXPECT_EQ(printed, QStringList() << lines << trailer);

    // The footer band follows the data band's last piece.
    const PreparedBand* data = pages.back().band(QStringLiteral("MasterData"));
    const PreparedBand* footer = pages.back().band(QStringLiteral("Footer"));
    ASSERT_TRUE(data && footer);
    EXPECT_NEAR(footer->top, data->top + data->height, 0.01);
    if (c.lines == 0) {
      ASSERT_EQ(pages.size(), 1u);
      EXPECT_NEAR(data->height, 10, 1e-9);  // an empty band, 10 units high
      EXPECT_NEAR(data->top, mm(10) + mm(8), 0.01);  // under the title
    }
    if (c.lines == 100) {
      EXPECT_GE(pages.size(), 2u);
    }
  }
}

TEST(ListPrint, LinesArePrintedExactlyAsListed) {
  // Blanks kept, brackets not evaluated, a line wider than the paper not wrapped.
  const QStringList lines = {QStringLiteral("  rientro  "), QStringLiteral("nota [DATE] [TIME]"),
                             QString(400, QLatin1Char('W'))};
  auto r = kit::prepareListReport(QStringLiteral("Titolo [DATE]"), lines);
  const PreparedPage& p = r->preparedPages()[0];
  EXPECT_EQ(p.find(QStringLiteral("txtRiepilogo"))->lines, lines);
  EXPECT_EQ(p.find(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Titolo [DATE]"));
}

TEST(ListPrint, TitlesBuiltByTheirWindows) {
  EXPECT_EQ(kit::datedTitle(QStringLiteral("Veicoli entrati in data "), QDate(2024, 3, 5)),
            QStringLiteral("Veicoli entrati in data 05/03/2024"));
  EXPECT_EQ(kit::bookingSummaryTitle(QStringLiteral(" FIAT "), QString(), QStringLiteral("2024\t")),
            QStringLiteral("Riepilogo prenotazioni veicolo FIAT  anno 2024"));
}

TEST(ListPrint, DatedTitleAndFooterTakeThePinnedDayAndTime) {
  core::PinnedClock pin(core::DateTime{{31, 12, 2023}, 23, 59, 58});
  EXPECT_EQ(kit::datedTitle(QStringLiteral("Veicoli entrati in data ")),
            QStringLiteral("Veicoli entrati in data 31/12/2023"));
  auto r = kit::prepareListReport(QStringLiteral("Riepilogo"), someLines(2));
  EXPECT_EQ(r->preparedAt(), QDateTime(QDate(2023, 12, 31), QTime(23, 59, 58)));
  const PreparedItem* footer = r->preparedPages().back().find(QStringLiteral("txtPagina"));
  ASSERT_NE(footer, nullptr);
  EXPECT_EQ(footer->text(), QStringLiteral("Stampa eseguita in data 31/12/2023"));
}

class ListPrintFlow : public ::testing::Test {
 protected:
  ScriptedDialogHost host;
  QTemporaryDir dir;
  QWidget window;
  void SetUp() override { host.printPdfPath = dir.filePath(QStringLiteral("lista.pdf")); }
  bool printed() const { return QFile::exists(host.printPdfPath); }
};

TEST_F(ListPrintFlow, PlainRoutineAsksNothingAndPrintsAnEmptyList) {
  EXPECT_TRUE(kit::printList(&window, QStringLiteral("Riepilogo conduttori in archivio"), {}));
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(printed());
}

TEST_F(ListPrintFlow, SummaryRefusesAnEmptyListAndAsksFirst) {
  const auto options = kit::ListPrintOptions::summary({QStringLiteral("TOTALE")});
  EXPECT_FALSE(kit::printList(&window, QStringLiteral("Riepilogo"), {}, options));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Warning);
  EXPECT_EQ(host.last().text,
            QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."));
  EXPECT_EQ(host.printDialogs, 0);

  host.clear();
  host.answers = {false};
  EXPECT_FALSE(kit::printList(&window, QStringLiteral("Riepilogo"), someLines(2), options));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Question);
  EXPECT_EQ(host.last().text, QStringLiteral("Si vuole stampare il presente riepilogo?"));
  EXPECT_EQ(host.printDialogs, 0);

  host.clear();
  host.answers = {true};
  EXPECT_TRUE(kit::printList(&window, QStringLiteral("Riepilogo"), someLines(2), options));
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(printed());
}

TEST_F(ListPrintFlow, APrintOnAPinnedDayCarriesThatDayInTitleAndFooter) {
  REQUIRE_PDFTOTEXT();
  core::PinnedClock pin(core::Date{29, 2, 2024});
  ASSERT_TRUE(kit::printList(&window, QStringLiteral("Veicoli entrati in data "), someLines(3),
                             kit::ListPrintOptions::dated()));
  const QStringList pages = pdfPages(host.printPdfPath);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages.first().contains(QStringLiteral("Veicoli entrati in data 29/02/2024")));
  EXPECT_TRUE(pages.first().contains(QStringLiteral("Stampa eseguita in data 29/02/2024")));
}

TEST_F(ListPrintFlow, CancelSaysNothingAndPrinterFailureShowsItsOwnMessage) {
  host.acceptPrint = false;
  EXPECT_FALSE(kit::printList(&window, QStringLiteral("Riepilogo"), someLines(3)));
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(printed());

  host.acceptPrint = true;
  host.printPdfPath = dir.filePath(QStringLiteral("manca/lista.pdf"));
  EXPECT_FALSE(kit::printList(&window, QStringLiteral("Riepilogo"), someLines(3)));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_TRUE(host.last().text.contains(QStringLiteral("manca/lista.pdf"))) << host.last().text.toStdString();
}

TEST_F(ListPrintFlow, HundredLinePdfFromAResultList) {
  REQUIRE_PDFTOTEXT();
  core::LineList lines;
  for (const QString& line : someLines(100)) lines.add(platform::toCore(line));
  kit::ResultList lstRecords(nullptr, 1600);
  lstRecords.setLines(std::move(lines));
  const auto options = kit::ListPrintOptions::dated();
  ASSERT_TRUE(kit::printList(&window, &lstRecords, QStringLiteral("Veicoli entrati in data "), options));

  keepPdf(host.printPdfPath, QStringLiteral("lista_100.pdf"));
  const QStringList pages = pdfPages(host.printPdfPath);
  ASSERT_GE(pages.size(), 2);
  const QString today = dateText(QDate::currentDate());
  EXPECT_TRUE(pages.first().contains(QStringLiteral("Veicoli entrati in data ") + today));
  EXPECT_TRUE(pages.first().contains(QStringLiteral("AB001CD")));
  for (int i = 1; i < pages.size(); ++i) EXPECT_FALSE(pages[i].contains(QStringLiteral("Veicoli entrati")));
  EXPECT_TRUE(pages.last().contains(QStringLiteral("AB100CD")));
  // The footer follows the last line, on the last page only.
  const QString footer = QStringLiteral("Stampa eseguita in data ") + today;
  EXPECT_GT(pages.last().indexOf(footer), pages.last().indexOf(QStringLiteral("AB100CD")));
  for (int i = 0; i + 1 < pages.size(); ++i) EXPECT_FALSE(pages[i].contains(QStringLiteral("Stampa eseguita")));
  // Columns survive: every list line appears whole.
  int found = 0;
  const QString all = pages.join(QString());
  const QString flat = all.simplified();  // the text tool squeezes runs of blanks
  for (const QString& line : someLines(100)) found += flat.contains(line.simplified()) ? 1 : 0;
  EXPECT_EQ(found, 100);
}
