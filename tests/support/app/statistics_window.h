#pragma once
// A fixture for the tests of a statistics window of the program: the program's windows
// created, its long-lived statistics window (`slot` of the window directory) shown, in a
// fresh executable folder on a pinned day (20/06/2024), with its boxes scripted. The
// program's windows are destroyed after each test.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include <utility>
#include <vector>

#include "app/app.h"
#include "core/clock.h"
#include "kit/statistics.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

template <typename Window, Window* App::*slot>
class StatisticsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    w = app().*slot;
    ASSERT_NE(w, nullptr);
    w->showWindow();
  }
  void TearDown() override { app().destroyWindows(); }

  // "Apri" on `year`, set by code.
  void open(const QString& year) {
    w->txtAnno->setText(year);
    click(w->btnApri);
  }

  QStringList monthLabels() const {
    QStringList out;
    for (QLabel* l : w->months) out << l->text();
    return out;
  }

  // The hint the status bar shows with the mouse just entered `control`.
  QString hintOver(QWidget* control) {
    w->panInfo->setText(QStringLiteral("x"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(control, &enter);
    return w->panInfo->text();
  }
  // The hint left after the mouse moved over `control` from a button with a hint.
  QString hintAfterMovingOver(QWidget* control) {
    hintOver(w->btnStampa);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), control->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
    return w->panInfo->text();
  }

  // The help window, from the year panel's picture and then from the chart panel's
  // (after "Apri" on the current year), shows `title` and four paragraphs: three that
  // begin with `beginnings`, then `last`.
  void expectHelpFromBothPanels(const QString& title, const QStringList& beginnings, const QString& last) {
    std::vector<std::pair<QString, QStringList>> shown;
    auto read = [&shown](platform::Form& f) {
      auto& help = static_cast<TfrmGuida&>(f);
      shown.emplace_back(help.title(), help.text().split(QStringLiteral("\r\n\r\n")));
    };
    host.modalScripts = {read, read};
    click(w->imgGuida);
    open(QStringLiteral("2024"));
    click(w->cmdGuida);
    EXPECT_EQ(host.modalShown, QStringList({"TfrmGuida", "TfrmGuida"}));
    ASSERT_EQ(shown.size(), 2u);
    for (const auto& [shownTitle, paragraphs] : shown) {
      EXPECT_EQ(shownTitle, title);
      ASSERT_EQ(paragraphs.size(), 4);
      for (int i = 0; i < 3; ++i) EXPECT_TRUE(paragraphs[i].startsWith(beginnings[i])) << paragraphs[i].toStdString();
      EXPECT_EQ(paragraphs[3], last);
    }
  }

  // After "Apri", each control shows its hint with the mouse just entered, and the mouse
  // moving over each of `clearing` empties the hint.
  void expectHints(const std::vector<std::pair<QWidget*, QString>>& hints, const QStringList& clearing) {
    open(QStringLiteral("2024"));
    for (const auto& [control, hint] : hints) {
      SCOPED_TRACE(control->objectName().toStdString());
      EXPECT_EQ(hintOver(control), hint);
    }
    for (const QString& name : clearing) {
      SCOPED_TRACE(name.toStdString());
      EXPECT_EQ(hintAfterMovingOver(find(w, name)), "");
    }
  }

  // A year without its archive (`extension`) creates it empty and charts twelve zeros;
  // " 24 " (four characters, not four digits) is refused with the year warning and names
  // no file.
  void expectMissingYearChartsZerosAndOnlyFourDigitsNameAYear(const QString& extension) {
    open(QStringLiteral("2019"));
    EXPECT_TRUE(dir.exists("2019" + extension));
    EXPECT_EQ(dir.read("2019" + extension).size(), 0);
    EXPECT_EQ(monthLabels(), QStringList(12, QStringLiteral("0")));
    EXPECT_EQ(w->ChartStats->chart().points.size(), 12u);
    EXPECT_TRUE(host.boxes.empty());

    w->hide();  // shown again: back on the year panel
    w->showWindow();
    open(QStringLiteral(" 24 "));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, platform::MsgKind::Warning);
    EXPECT_EQ(host.last().text, "Attenzione: indicare l'anno solare utilizzando quattro cifre.");
    EXPECT_FALSE(dir.exists("24" + extension));
    EXPECT_FALSE(dir.exists(" 24 " + extension));
    EXPECT_TRUE(w->panAvvio->isVisible());
  }

  // Closing the window from `exit` hides it and shows the launcher.
  void expectClosingShowsTheLauncher(QWidget* exit) {
    QWidget* launcher = app().window(QStringLiteral("TfrmAvvio"));
    ASSERT_NE(launcher, nullptr);
    launcher->hide();
    click(exit);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(launcher->isVisible());
  }

  core::PinnedClock clock{core::Date{20, 6, 2024}};
  TempExeDir dir;
  ScriptedDialogHost host;
  Window* w = nullptr;
};
