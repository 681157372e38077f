// The board report "Planning Annuale" and its two windows: the page as prepared (the
// grid, the marks from the booked state, never a booking text), the print and the
// preview from the board's pictures, what a cancelled print dialog and a failure do.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/app.h"
#include "core/clock.h"
#include "platform/clock.h"
#include "platform/widgets.h"
#include "planner/board_print.h"
#include "planner/board_report.h"
#include "planner/frm_planning.h"
#include "support/app/card_window.h"
#include "support/card_print_checks.h"

using namespace platform::report;
using planner::BoardDay;

namespace {

// A rect in millimetres from the paper's corner: the printable area starts 10 mm in.
QRectF paperMm(double x, double y, double w, double h) { return QRectF(mm(10 + x), mm(10 + y), mm(w), mm(h)); }

void expectRect(const PreparedItem* item, const QRectF& mmRect) {
  ASSERT_NE(item, nullptr);
  SCOPED_TRACE(item->name.toStdString());
  EXPECT_NEAR(item->rect.left(), mmRect.left(), 0.01);
  EXPECT_NEAR(item->rect.top(), mmRect.top(), 0.01);
  EXPECT_NEAR(item->rect.width(), mmRect.width(), 0.01);
  EXPECT_NEAR(item->rect.height(), mmRect.height(), 0.01);
}

// Half the days of a leap year booked: every other day, 29 February among them.
planner::BoardSheet halfBooked() {
  planner::BoardSheet sheet{.year = QStringLiteral(" 2024 "),
                            .veicolo = QStringLiteral("Autovettura"),
                            .marca = QStringLiteral(" Fiat"),
                            .modello = QStringLiteral("Panda [x] "),
                            .targa = QStringLiteral("AB123CD")};
  for (const BoardDay& d : planner::boardDays()) sheet.booked[static_cast<std::size_t>(d.index)] = d.index % 2 == 1;
  return sheet;
}

TEST(BoardReport, OneLandscapePageWithTheGridWhereItBelongs) {
  core::PinnedClock pin(core::DateTime{{5, 3, 2024}, 17, 45, 9});
  auto report = planner::makeBoardReport();
  EXPECT_EQ(report->name(), "Planning Annuale");
  planner::fillBoardReport(*report, halfBooked(), platform::now());
  ASSERT_EQ(report->preparedPages().size(), 1u);
  const PreparedPage& page = report->preparedPages()[0];
  EXPECT_EQ(page.orientation, QPageLayout::Landscape);
  EXPECT_EQ(page.paper, QPageSize::A4);

  // Day d of month m: 31 + 8 (d - 1), 13 + 6 (m - 1) mm inside the margins.
  expectRect(page.find("txtMar_05"), paperMm(31 + 8 * 4, 13 + 6 * 2, 6, 4.4));
  expectRect(page.find("txtGen_01"), paperMm(31, 13, 6, 4.4));
  expectRect(page.find("txtDic_31"), paperMm(31 + 8 * 30, 13 + 6 * 11, 5.2, 4.4));
  expectRect(page.find("txtFeb_29"), paperMm(31 + 8 * 28, 13 + 6, 6, 4.4));
  expectRect(page.find("tit_31"), paperMm(31 + 8 * 30, 8, 5.6, 3.5));
  expectRect(page.find("txtTitolo"), paperMm(2, 2, 274, 4.2));
  expectRect(page.find("txtModello"), paperMm(33, 97.7, 116, 4.4));
  expectRect(page.find("txtTarga"), paperMm(33, 105.7, 35, 4.4));
  expectRect(page.find("txtCalce"), paperMm(2, 121, 274, 4.2));

  int marks = 0, rules = 0;
  for (const PreparedItem& item : page.items) {
    if (item.kind == Object::Kind::Memo && item.name.size() == 9 && item.name.startsWith("txt") && item.name[6] == '_')
      ++marks;
    if (item.kind == Object::Kind::Line) {
      EXPECT_NEAR(item.rect.left(), mm(10 + 30 + 8 * rules), 0.01);
      EXPECT_NEAR(item.rect.top(), mm(10 + 7), 0.01);
      EXPECT_NEAR(item.rect.height(), mm(77), 0.01);
      EXPECT_EQ(item.rect.width(), 0);
      EXPECT_FALSE(item.arrowStart || item.arrowEnd);
      ++rules;
    }
  }
  EXPECT_EQ(marks, 366);
  EXPECT_EQ(rules, 31);
  // No mark where a month has no such day.
  for (const char* none : {"txtFeb_30", "txtFeb_31", "txtApr_31", "txtGiu_31", "txtSet_31", "txtNov_31"})
    EXPECT_EQ(page.find(QString::fromLatin1(none)), nullptr) << none;

  // A rectangle is drawn before every rule and text that overlaps it.
  for (std::size_t i = 0; i < page.items.size(); ++i) {
    if (page.items[i].kind != Object::Kind::Shape) continue;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(page.items[j].kind != Object::Kind::Shape &&
                   page.items[j].rect.adjusted(0, 0, 0.1, 0.1).intersects(page.items[i].rect.adjusted(1, 1, -1, -1)))
          << page.items[j].name.toStdString() << " under " << page.items[i].name.toStdString();
  }
}

TEST(BoardReport, TextsAndMarksFromTheBoardsState) {
  core::PinnedClock pin(core::DateTime{{5, 3, 2024}, 17, 45, 9});
  struct Case {
    const char* name;
    planner::BoardSheet sheet;
    const char* title;
    const char* model;
  } cases[] = {
      {"half booked", halfBooked(), "PLANNER PRENOTAZIONI ANNO 2024", "Fiat Panda [x]"},
      {"nothing named", planner::BoardSheet{}, "PLANNER PRENOTAZIONI ANNO ", " "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto report = planner::makeBoardReport();
    planner::fillBoardReport(*report, c.sheet, platform::now());
    const PreparedPage& page = report->preparedPages()[0];
    EXPECT_EQ(page.find("txtTitolo")->text(), QString::fromLatin1(c.title));
    EXPECT_EQ(page.find("txtModello")->text(), QString::fromLatin1(c.model));
    EXPECT_EQ(page.find("txtVeicolo")->text(), c.sheet.veicolo.trimmed());
    EXPECT_EQ(page.find("txtTarga")->text(), c.sheet.targa.trimmed());
    EXPECT_EQ(page.find("txtCalce")->text(),
              "Stampa eseguita in data 05/03/2024 alle ore " + timeText(QTime(17, 45, 9)));
    for (const BoardDay& d : planner::boardDays()) {
      const PreparedItem* mark = page.find(planner::dayMarkName(d));
      ASSERT_NE(mark, nullptr);
      EXPECT_EQ(mark->text(), c.sheet.booked[static_cast<std::size_t>(d.index)] ? "X" : " ") << mark->name.toStdString();
    }
  }
}

class BoardPrint : public CardWindowTest<TfrmPlanning, &App::frmPlanning> {
 protected:
  void SetUp() override {
    CardWindowTest::SetUp();
    w->openFor(planner::plannerFilePath(QStringLiteral("AB123CD"), QStringLiteral("2024")), QStringLiteral("2024"),
               {"Autovettura", "Fiat", "Panda", "AB123CD"});
    w->showWindow();
    host.printPdfPath = pdfDir.filePath(QStringLiteral("planning.pdf"));
  }
  // The window the board's picture opens, with `button` pressed in it.
  void pressIn(platform::PictureButton* picture, const char* button,
               std::function<void(platform::Form&)> after = {}) {
    host.modalScripts.push_back([button, after](platform::Form& f) {
      click(find<QPushButton>(&f, QString::fromLatin1(button)));
      if (after) after(f);
    });
    click(picture);
  }
  QTemporaryDir pdfDir;
};

TEST_F(BoardPrint, StampaPrintsTheBoardAsShownAndCloses) {
  w->setDay(*planner::dayOfKey(u"mar_05"), QStringLiteral("Cliente Riservato"));  // not saved yet
  w->setDay(*planner::dayOfKey(u"feb_29"), QStringLiteral("Bisestile"));
  bool openAfter = true;
  pressIn(w->cmdStampa, "btnStampa", [&](platform::Form& f) {
    EXPECT_EQ(f.objectName(), "TfrmStampaPlanning");
    EXPECT_EQ(f.windowTitle(), " Stampa scheda corrente");
    EXPECT_EQ(f.kind(), platform::WindowKind::CentredOnOwner);
    EXPECT_EQ(f.size(), QSize(364, 287));
    openAfter = f.isVisible();
  });
  EXPECT_FALSE(openAfter);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmStampaPlanning"});
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  ASSERT_TRUE(QFile::exists(host.printPdfPath));
  const std::optional<QString> text = pdfText(host.printPdfPath);
  if (!text) GTEST_SKIP() << "pdftotext not available";
  EXPECT_TRUE(text->contains("PLANNER PRENOTAZIONI ANNO 2024"));
  EXPECT_TRUE(text->contains("Fiat Panda"));
  EXPECT_TRUE(text->contains("AB123CD"));
  EXPECT_EQ(text->count(QLatin1Char('X')), 2) << text->toStdString();
  EXPECT_FALSE(text->contains("Cliente")) << "booking texts are never printed";
  EXPECT_FALSE(text->contains("Bisestile"));
}

TEST_F(BoardPrint, AHalfBookedLeapYearPrintsOneMarkPerBookedDay) {
  int booked = 0;
  for (const BoardDay& d : planner::boardDays()) {
    if (d.index % 2 == 1 || d.isLeapDay()) {
      w->setDay(d, QStringLiteral("Cliente"));
      ++booked;
    }
  }
  pressIn(w->cmdStampa, "btnStampa");
  ASSERT_TRUE(QFile::exists(host.printPdfPath));
  keepPdf(host.printPdfPath, QStringLiteral("planning_2024.pdf"));
  const std::optional<QString> text = pdfText(host.printPdfPath);
  if (!text) GTEST_SKIP() << "pdftotext not available";
  EXPECT_EQ(text->count(QLatin1Char('\f')), 1) << "one sheet";
  EXPECT_EQ(text->count(QLatin1Char('X')), booked);
  for (const char* month : {"GENNAIO:", "FEBBRAIO:", "DICEMBRE:", "Veicolo:", "Modello:", "Targa:"})
    EXPECT_TRUE(text->contains(QString::fromLatin1(month))) << month;
}

TEST_F(BoardPrint, WhatTheBoardShowsIsPrintedAlsoATwentyNinthInACommonYear) {
  // A common year whose file held a 29 February booking: the board shows it, so does the
  // print; a day freed on the board prints blank.
  w->openFor(planner::plannerFilePath(QStringLiteral("AB123CD"), QStringLiteral("2023")), QStringLiteral("2023"),
             {"Autovettura", "Fiat", "Panda", "AB123CD"});
  w->showWindow();
  w->setDay(*planner::dayOfKey(u"feb_29"), QStringLiteral("Rossi"));
  w->setDay(*planner::dayOfKey(u"gen_01"), QStringLiteral("Rossi"));
  w->setDay(*planner::dayOfKey(u"gen_01"), QStringLiteral("   "));
  auto report = planner::boardReport(w);
  const PreparedPage& page = report->preparedPages()[0];
  EXPECT_EQ(page.find("txtFeb_29")->text(), "X");
  EXPECT_EQ(page.find("txtGen_01")->text(), " ");
  EXPECT_EQ(page.find("txtTitolo")->text(), "PLANNER PRENOTAZIONI ANNO 2023");
}

TEST_F(BoardPrint, ACancelledPrintDialogPrintsNothingAndClosesAnnullaTouchesNothing) {
  host.acceptPrint = false;
  bool openAfter = true;
  pressIn(w->cmdStampa, "btnStampa", [&](platform::Form& f) { openAfter = f.isVisible(); });
  EXPECT_FALSE(openAfter);
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_FALSE(QFile::exists(host.printPdfPath));

  host.acceptPrint = true;
  for (platform::PictureButton* picture : {w->cmdStampa, w->cmdAnteprima}) {
    pressIn(picture, "btnAnnulla", [&](platform::Form& f) { openAfter = f.isVisible(); });
    EXPECT_FALSE(openAfter);
  }
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.qtModalShown.isEmpty());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(w->isVisible());
}

TEST_F(BoardPrint, ThePreviewIsModalAtFullSizeThenTheWindowCloses) {
  double zoom = 0;
  host.onQtModal = [&](QDialog& d) {
    if (auto* view = d.findChild<QPrintPreviewWidget*>()) zoom = view->zoomFactor();
  };
  bool openAfter = true;
  QString caption, action;
  pressIn(w->cmdAnteprima, "btnStampa", [&](platform::Form& f) {
    caption = f.windowTitle();
    action = find<QPushButton>(&f, QStringLiteral("btnStampa"))->text();
    openAfter = f.isVisible();
  });
  EXPECT_EQ(caption, " Anteprima di stampa");
  EXPECT_EQ(action, "Mostra anteprima");
  EXPECT_EQ(host.qtModalShown, QStringList{"QPrintPreviewDialog"});
  EXPECT_DOUBLE_EQ(zoom, 1.0);
  EXPECT_FALSE(openAfter);
  EXPECT_EQ(host.printDialogs, 0);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(BoardPrint, AFailureShowsItsOwnMessageAndTheWindowStaysOpen) {
  host.printPdfPath = pdfDir.filePath(QStringLiteral("manca/planning.pdf"));
  bool openAfter = false;
  pressIn(w->cmdStampa, "btnStampa", [&](platform::Form& f) { openAfter = f.isVisible(); });
  EXPECT_TRUE(openAfter);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_EQ(host.last().text, "Cannot create the file \"" + host.printPdfPath + "\".");
  // The board goes on as it was.
  EXPECT_TRUE(w->isVisible());
}

TEST(BoardPrintWithoutBoard, SaysSoAndStaysOpen) {
  TempExeDir dir;
  ScriptedDialogHost host;
  TfrmStampaPlanning print(nullptr);
  bool openAfter = false;
  host.modalScripts.push_back([&](platform::Form& f) {
    click(find<QPushButton>(&f, QStringLiteral("btnStampa")));
    openAfter = f.isVisible();
  });
  print.showModalDialog();
  EXPECT_TRUE(openAfter);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Error);
  EXPECT_EQ(host.last().text, "The booking board is not available.");
}

}  // namespace
