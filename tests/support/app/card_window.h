#pragma once
// A fixture for the tests of a record card: the card created as the program's own
// long-lived window (`slot` of the window directory), in a fresh executable folder,
// with its boxes scripted. The program's windows are destroyed after each test.
#include <gtest/gtest.h>

#include <QTest>

#include "app/app.h"
#include "platform/form.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

template <typename Window, Window* App::*slot>
class CardWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w = new Window(nullptr);
    app().adopt(w);
    app().*slot = w;
  }
  void TearDown() override { app().destroyWindows(); }

  // Shows the card (its show handler runs) and makes it active, so focus moves.
  void showActive() {
    w->showWindow();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  }

  // Clicks `command` and checks that it opened `dialog` modally, owned by the card, with
  // `keyWord` in its memory.
  void expectOpensDialog(QWidget* command, const char* dialog, const char* keyWord) {
    SCOPED_TRACE(dialog);
    QString memory;
    QWidget* owner = nullptr;
    host.modalScripts.push_back([&](platform::Form& f) {
      memory = f.memory();
      owner = f.parentWidget();
    });
    click(command);
    ASSERT_FALSE(host.modalShown.isEmpty());
    EXPECT_EQ(host.modalShown.last(), QString::fromLatin1(dialog));
    EXPECT_EQ(memory, QString::fromLatin1(keyWord));
    EXPECT_EQ(owner, w);
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  Window* w = nullptr;
};
