// The start-up: every long-lived window of the program exists once, in its order, hidden,
// and every launcher button is on and shows its app's window.
#include <gtest/gtest.h>

#include "app/app.h"
#include "platform/form.h"
#include "platform/widgets.h"
#include "shell/frm_avvio.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { app().createWindows(); }
  void TearDown() override { app().destroyWindows(); }
  TempExeDir dir;
  ScriptedDialogHost host;
};

TEST_F(Startup, EveryLongLivedWindowExistsOnceInItsOrderAndHidden) {
  QStringList created;
  for (platform::Form* window : app().windows()) {
    created << window->objectName();
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
  }
  EXPECT_EQ(created, App::longLivedClasses());
  EXPECT_EQ(created.size(), 19);
  EXPECT_EQ(created.front(), QStringLiteral("TfrmPassword"));  // the main window comes first
  for (const QString& name : App::longLivedClasses()) {
    platform::Form* window = app().window(name);
    ASSERT_NE(window, nullptr) << name.toStdString();
    EXPECT_STREQ(window->metaObject()->className(), name.toLatin1().constData());
  }
}

TEST_F(Startup, EveryLauncherButtonIsOnAndShowsItsAppWindow) {
  TfrmAvvio* launcher = app().frmAvvio;
  for (int n = 1; n <= TfrmAvvio::kApps; ++n) {
    SCOPED_TRACE(n);
    launcher->showWindow();
    EXPECT_TRUE(launcher->btnApp[n - 1]->isEnabled());
    EXPECT_TRUE(launcher->imgApp[n - 1]->isEnabled());
    platform::Form* target = app().window(QLatin1String(TfrmAvvio::kAppWindows[n - 1]));
    ASSERT_NE(target, nullptr);
    launcher->appButtonClick(n);
    EXPECT_TRUE(target->isVisible());
    EXPECT_FALSE(launcher->isVisible());
    target->hide();
  }
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
