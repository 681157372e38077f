// The canvas prints: the question, the copies prompt, the print dialog and one
// document per copy; and the card drawn on the page at 1200 dpi.
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <optional>

#include "core/clock.h"
#include "kit/canvas_print.h"
#include "platform/report/report.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/printed_documents.h"
#include "support/scripted_host.h"

using platform::MsgKind;

namespace {

class CanvasPrint : public ::testing::Test {
 protected:
  // Runs the sequence with a drawing that counts its calls.
  int print(const kit::CanvasPrintSettings& settings = {}) {
    return kit::printCopies(nullptr, settings, [this](QPainter& painter) {
      ++drawn;
      painter.drawText(QPointF(100, 100), QStringLiteral("copia"));
    });
  }
  ScriptedDialogHost host;
  int drawn = 0;
};

TEST_F(CanvasPrint, CopiesAnswersDecideTheDialogsValueAndTheDocuments) {
  struct Case {
    const char* name;
    bool yes;
    std::optional<QString> answer;  // nothing: Cancel in the input box
    bool acceptDialog;
    std::optional<int> kept;        // copies left in the dialog; nothing: as opened
    QList<int> dialogOpenedWith;    // empty: no dialog
    int documents;
  };
  const Case cases[] = {
      {"no to the question", false, QStringLiteral("3"), true, {}, {}, 0},
      {"cancel in the prompt", true, std::nullopt, true, {}, {}, 0},
      {"empty answer", true, QString(), true, {}, {1}, 1},
      {"blanks only", true, QStringLiteral("   "), true, {}, {1}, 1},
      {"a letter", true, QStringLiteral("a"), true, {}, {1}, 1},
      {"a digit after a blank", true, QStringLiteral(" 3"), true, {}, {1}, 1},
      {"a digit before a blank", true, QStringLiteral("3 "), true, {}, {1}, 1},
      {"three", true, QStringLiteral("3"), true, {}, {3}, 3},
      {"leading zeros", true, QStringLiteral("007"), true, {}, {7}, 7},
      {"three, two kept in the dialog", true, QStringLiteral("3"), true, 2, {3}, 2},
      {"one, four kept in the dialog", true, QStringLiteral("1"), true, 4, {1}, 4},
      {"cancel in the dialog", true, QStringLiteral("3"), false, {}, {3}, 0},
      {"zero: no dialog, nothing printed", true, QStringLiteral("0"), true, {}, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialogHost h;
    h.printToPrinter = true;
    PrintedDocuments documents;
    h.answers = {c.yes};
    h.inputs = {c.answer};
    h.acceptPrint = c.acceptDialog;
    h.printCopiesKept = c.kept;
    drawn = 0;
    const int printed = print();

    ASSERT_FALSE(h.boxes.empty());
    EXPECT_EQ(h.boxes.front().kind, MsgKind::Question);
    EXPECT_EQ(h.boxes.front().text, QStringLiteral("Si vuole stampare la presente scheda?"));
    EXPECT_EQ(h.boxes.size(), 1u) << "nothing else is said";
    if (c.yes) {
      EXPECT_EQ(h.inputPrompts, QStringList{QStringLiteral("Numero copie da stampare|Copie:")});
      EXPECT_EQ(h.inputDefaults, QStringList{QStringLiteral("1")});
    } else {
      EXPECT_TRUE(h.inputPrompts.isEmpty());
    }
    EXPECT_EQ(h.printCopiesShown, c.dialogOpenedWith);
    EXPECT_EQ(printed, c.documents);
    EXPECT_EQ(documents.begun, c.documents);
    EXPECT_EQ(drawn, c.documents);
    QList<int> numbers;
    for (int i = 1; i <= c.documents; ++i) numbers << i;
    EXPECT_EQ(documents.numbers, numbers);
    // The printer itself is told to print each document once: n documents, never n x n copies.
    for (int count : documents.copyCounts) EXPECT_EQ(count, 1);
    for (const QString& file : documents.files) EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
  }
}

TEST_F(CanvasPrint, DigitsTooLargeForACountAreAnErrorAndPrintNothing) {
  for (const QString& answer : {QStringLiteral("2147483648"), QStringLiteral("99999999999999999999")}) {
    SCOPED_TRACE(answer.toStdString());
    ScriptedDialogHost h;
    PrintedDocuments documents;
    h.inputs = {answer};
    EXPECT_EQ(print(), 0);
    ASSERT_EQ(h.boxes.size(), 2u);
    EXPECT_EQ(h.boxes[1].kind, MsgKind::Error);
    EXPECT_EQ(h.boxes[1].text, QStringLiteral("'%1' is not a valid integer value").arg(answer));
    EXPECT_EQ(h.printDialogs, 0);
    EXPECT_EQ(documents.begun, 0);
  }
  // The largest count still reads as a number (the dialog then decides what is kept).
  ScriptedDialogHost h;
  PrintedDocuments documents;
  h.inputs = {QStringLiteral("2147483647")};
  h.printCopiesKept = 1;
  EXPECT_EQ(print(), 1);
  EXPECT_EQ(h.printCopiesShown, QList<int>{2147483647});
}

TEST_F(CanvasPrint, APrinterThatFailsShowsItsOwnMessageAndNoLaterCopyIsTried) {
  TempExeDir dir;
  PrintedDocuments documents(false);  // the output the dialog chose: a folder that is not there
  host.inputs = {QStringLiteral("3")};
  host.printPdfPath = dir.file(QStringLiteral("manca/stampa.pdf"));
  EXPECT_EQ(print(), 0);
  EXPECT_EQ(documents.begun, 1);
  EXPECT_EQ(drawn, 0);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].kind, MsgKind::Error);
  EXPECT_EQ(host.boxes[1].text, QStringLiteral("Cannot create the file \"%1\".").arg(host.printPdfPath));
}

TEST_F(CanvasPrint, SettingsGiveTheQuestionTheOrientationAndTheResolution) {
  QList<QPageLayout::Orientation> orientations;
  QList<int> resolutions;
  TempExeDir dir;
  host.printToPrinter = true;
  kit::setDocumentHook([&](int document, QPrinter& printer) {
    orientations << printer.pageLayout().orientation();
    resolutions << printer.resolution();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.file(QStringLiteral("copia-%1.pdf").arg(document)));
  });
  host.inputs = {QStringLiteral("2")};
  EXPECT_EQ(print({.question = kit::msg::kPrintChartQuestion, .orientation = QPageLayout::Landscape}), 2);
  kit::setDocumentHook({});
  EXPECT_EQ(host.boxes.front().text, QStringLiteral("Si vuole stampare il presente grafico statistico?"));
  EXPECT_EQ(orientations, (QList<QPageLayout::Orientation>{QPageLayout::Landscape, QPageLayout::Landscape}));
  EXPECT_EQ(resolutions, (QList<int>{1200, 1200}));
}

TEST_F(CanvasPrint, CopiesPrintedIntoAFileAreThePagesOfThatOneFile) {
  TempExeDir dir;
  host.printPdfPath = dir.file(QStringLiteral("stampa.pdf"));
  struct Case {
    QString answer;
    int pages;
  } cases[] = {{QStringLiteral("3"), 3}, {QStringLiteral("1"), 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.toStdString());
    PrintedDocuments documents(false);
    host.inputs = {c.answer};
    drawn = 0;
    EXPECT_EQ(print(), c.pages);
    EXPECT_EQ(documents.begun, 1);
    EXPECT_EQ(drawn, c.pages);
    const std::optional<QString> text = pdfText(host.printPdfPath);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    // pdftotext ends every page with a form feed.
    EXPECT_EQ(text->count(QLatin1Char('\f')), c.pages);
    EXPECT_EQ(text->count(QStringLiteral("copia")), c.pages);
  }
}

// ---- The canvas card ------------------------------------------------------------

kit::CanvasCard threeRowCard() {
  return {QStringLiteral("SCHEDA DI PROVA"),
          {{QStringLiteral("Uno:"), QStringLiteral("primo")},
           {QStringLiteral("Due:"), QStringLiteral("secondo")},
           {QStringLiteral("Tre:"), QStringLiteral("terzo")}}};
}

TEST(CanvasCard, TitleRowsAndFooterStandOnTheGridOfMAndL) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(1200);
  const QString footer = QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 14:30:00");
  const kit::CanvasCardLayout layout = kit::layoutCanvasCard(threeRowCard(), footer, printer);

  // Courier New 14 pt is about a fifth of an inch high at 1200 dots per inch.
  EXPECT_GT(layout.m, 200);
  EXPECT_LT(layout.m, 320);
  EXPECT_EQ(layout.L, layout.m);  // "X" and "Y" are one line of the same font
  const int m = layout.m, L = layout.L;
  const int right = printer.width() - m, bottom = printer.height() - 200;

  struct Want {
    QString text;
    QPoint at;
    int points;
    bool bold, underline, wraps;
  };
  const Want want[] = {
      {QStringLiteral("SCHEDA DI PROVA"), {m, L}, 14, true, true, true},
      {QStringLiteral("Uno:"), {m, 3 * L}, 12, false, false, false},
      {QStringLiteral("primo"), {15 * m, 3 * L}, 12, true, false, false},
      {QStringLiteral("Due:"), {m, 5 * L}, 12, false, false, false},
      {QStringLiteral("secondo"), {15 * m, 5 * L}, 12, true, false, false},
      {QStringLiteral("Tre:"), {m, 7 * L}, 12, false, false, false},
      {QStringLiteral("terzo"), {15 * m, 7 * L}, 12, true, false, false},
      {footer, {m, 9 * L}, 12, true, true, false},
  };
  ASSERT_EQ(layout.texts.size(), std::size(want));
  for (std::size_t i = 0; i < std::size(want); ++i) {
    const kit::CanvasText& t = layout.texts[i];
    SCOPED_TRACE(want[i].text.toStdString());
    EXPECT_EQ(t.text, want[i].text);
    EXPECT_EQ(t.rect.topLeft(), want[i].at);
    EXPECT_EQ(t.rect.right(), right);
    EXPECT_EQ(t.rect.bottom(), bottom);
    EXPECT_EQ(t.points, want[i].points);
    EXPECT_EQ(t.bold, want[i].bold);
    EXPECT_EQ(t.underline, want[i].underline);
    EXPECT_EQ(t.wraps, want[i].wraps);
  }
  // The fonts are Courier New's metric twin.
  EXPECT_EQ(QFontInfo(kit::canvasFont(12, false, false)).family(), QStringLiteral("Liberation Mono"));
}

TEST(CanvasCard, FooterGivesTheDateAndTheTimeOfThePrint) {
  const QDateTime at(QDate(2024, 3, 5), QTime(14, 30, 7));
  EXPECT_EQ(kit::canvasFooter(at), QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore ") +
                                       platform::report::timeText(at.time()));
}

TEST(CanvasCard, OneCopyIsOnePdfPageWithTheCardsTexts) {
  core::PinnedClock clock(core::Date{5, 3, 2024});
  ScriptedDialogHost host;
  PrintedDocuments documents;
  host.inputs = {QStringLiteral("1")};
  EXPECT_EQ(kit::printCanvasCard(nullptr, threeRowCard()), 1);
  ASSERT_EQ(documents.files.size(), 1);
  QFile pdf(documents.files.front());
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);

  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), documents.files.front(), QStringLiteral("-")});
  if (!pdftotext.waitForFinished(20000)) GTEST_SKIP() << "pdftotext not available";
  const QStringList lines = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 5);
  EXPECT_EQ(lines[0].trimmed(), QStringLiteral("SCHEDA DI PROVA"));
  EXPECT_TRUE(lines[1].simplified() == QStringLiteral("Uno: primo")) << lines[1].toStdString();
  EXPECT_TRUE(lines[3].simplified() == QStringLiteral("Tre: terzo")) << lines[3].toStdString();
  EXPECT_TRUE(lines[4].trimmed().startsWith(QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore ")))
      << lines[4].toStdString();
}

// A card's rows read from its controls as the framed card print reads them: a control's
// trimmed text, several composed (a separator printed even beside an empty text), a
// label, a check box as the flag it stores.
TEST(CanvasCard, RowsComeFromTheCardsControlsLikeTheFramedPrintsRows) {
  QWidget card;
  auto add = [&card](auto* control, const char* name) {
    control->setParent(&card);
    control->setObjectName(QString::fromLatin1(name));
    return control;
  };
  add(new QLineEdit(QStringLiteral(" 05 ")), "txtGiorno");
  add(new QLineEdit(QStringLiteral("Marzo")), "txtMese");
  add(new QLabel(QStringLiteral("2023")), "lblAnno");
  add(new QLineEdit(QStringLiteral("Rossi ")), "txtPagatore");
  add(new QLineEdit(), "txtRecPagatore");
  add(new QCheckBox(QStringLiteral("Saldato")), "chkSaldato");
  const kit::CardPrintRow rows[] = {
      {.caption = "Data saldo:", .memo = "txtGiorno", .value = "{txtGiorno} {txtMese} {lblAnno}"},
      {.caption = "Pagatore:", .memo = "txtPagatore", .value = "{txtPagatore}  Tel. {txtRecPagatore}"},
      {.caption = "Pagamento saldato:", .memo = "chkSaldato"},
  };
  kit::CanvasCard printed = kit::canvasCard(&card, QStringLiteral("SCHEDA"), rows);
  EXPECT_EQ(printed.title, "SCHEDA");
  ASSERT_EQ(printed.rows.size(), 3u);
  EXPECT_EQ(printed.rows[0].label, "Data saldo:");
  EXPECT_EQ(printed.rows[0].value, "05 Marzo 2023");
  EXPECT_EQ(printed.rows[1].value, "Rossi  Tel. ");
  EXPECT_EQ(printed.rows[2].value, "No");
  card.findChild<QCheckBox*>("chkSaldato")->setChecked(true);
  EXPECT_EQ(kit::canvasCard(&card, QString(), rows).rows[2].value, QString::fromUtf8("Sì"));

  const kit::CardPrintRow missing[] = {{.caption = "Note:", .memo = "txtNote"}};
  EXPECT_THROW(kit::canvasCard(&card, QString(), missing), platform::report::ReportError);
}

}  // namespace
