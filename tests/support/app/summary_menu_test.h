#pragma once
// A fixture for the tests of a date-range summary: the program's windows created, its
// long-lived menu (`slot` of the window directory) shown, in a fresh executable folder
// on a pinned day (20/06/2024), with its boxes scripted. The program's windows are
// destroyed after each test.
#include <gtest/gtest.h>

#include <QDir>

#include <functional>

#include "app/app.h"
#include "core/clock.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "support/summary_menu.h"

template <typename Menu, typename Window, Menu* App::*slot>
class SummaryMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    m = app().*slot;
    ASSERT_NE(m, nullptr);
    m->showWindow();
  }
  void TearDown() override { app().destroyWindows(); }

  void interval(const QString& d1, const QString& m1, const QString& d2, const QString& m2) {
    setSummaryInterval(*m, d1, m1, d2, m2);
  }
  // Opens the summary with the mouse and runs `look` on it while it is shown.
  void view(std::function<void(Window&)> look) { viewSummary(*m, host, std::move(look)); }

  // With a folder in the place of the archive `file`, "Visualizza riepilogo" over March
  // shows the plain access message, opens no summary and hides the wait label.
  void expectUnreadableArchiveRefused(const QString& file) {
    QDir(dir.path()).mkdir(file);
    interval("01", "Marzo", "31", "Marzo");
    pressVisualizza(*m);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, platform::MsgKind::Plain);
    EXPECT_EQ(host.last().text, "Attenzione: il file di archivio non risulta accessibile.");
    EXPECT_TRUE(host.modalShown.isEmpty());
    EXPECT_FALSE(m->lblAttendere->isVisible());
  }

  core::PinnedClock clock{core::Date{20, 6, 2024}};
  TempExeDir dir;
  ScriptedDialogHost host;
  Menu* m = nullptr;
};
