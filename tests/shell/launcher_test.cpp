// The launcher: app buttons, the small pictures and the overview help.
#include <QPlainTextEdit>

#include "app/app.h"
#include "platform/qtext.h"
#include "platform/shell.h"
#include "platform/widgets.h"
#include "shell/frm_avvio.h"
#include "shell/frm_guida.h"
#include "shell/help_texts.h"
#include "shell/misc.h"
#include "shell/stand_in.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

// The launcher alone in the registry, with stand-ins for the app windows a test
// adds: what the launcher does must not depend on which apps are built so far.
class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    launcher = app().frmAvvio = new TfrmAvvio(nullptr);
    app().adopt(launcher);
  }
  void TearDown() override { app().destroyWindows(); }

  StandIn* addApp(const QString& className) {
    auto* w = new StandIn(className);
    app().adopt(w);
    return w;
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  TfrmAvvio* launcher = nullptr;
};

}  // namespace

TEST_F(LauncherTest, AppButtonsOfWindowsNotInTheProgramAreDisabled) {
  StandIn* vehicles = addApp(QStringLiteral("TfrmAutoparco"));
  StandIn* planner = addApp(QStringLiteral("TfrmMenuDisponibili"));
  launcher->showWindow();
  for (int i = 0; i < TfrmAvvio::kApps; ++i) {
    SCOPED_TRACE(i + 1);
    const bool available = i == 1 || i == 5;
    EXPECT_EQ(find<platform::PictureButton>(launcher, QStringLiteral("imgApp%1").arg(i + 1, 2, 10, QLatin1Char('0')))->isEnabled(), available);
    EXPECT_EQ(find<platform::PictureButton>(launcher, QStringLiteral("btnApp%1").arg(i + 1, 2, 10, QLatin1Char('0')))->isEnabled(), available);
  }

  // A disabled button does nothing.
  click(launcher->btnApp[0]);
  EXPECT_TRUE(launcher->isVisible());

  // Either picture of a pair shows the app and hides the launcher.
  click(launcher->imgApp[1]);
  EXPECT_TRUE(vehicles->isVisible());
  EXPECT_FALSE(launcher->isVisible());
  vehicles->closeForm();
  EXPECT_TRUE(launcher->isVisible());
  EXPECT_FALSE(vehicles->isVisible());

  click(launcher->btnApp[5]);
  EXPECT_TRUE(planner->isVisible());
  EXPECT_FALSE(launcher->isVisible());
}

TEST_F(LauncherTest, EveryAppButtonShowsItsOwnWindow) {
  std::vector<StandIn*> windows;
  for (const char* cls : TfrmAvvio::kAppWindows) windows.push_back(addApp(QString::fromLatin1(cls)));
  launcher->showWindow();
  for (int i = 0; i < TfrmAvvio::kApps; ++i) {
    SCOPED_TRACE(TfrmAvvio::kAppWindows[i]);
    click(launcher->btnApp[i]);
    for (int j = 0; j < TfrmAvvio::kApps; ++j) EXPECT_EQ(windows[j]->isVisible(), i == j);
    windows[i]->closeForm();
    ASSERT_TRUE(launcher->isVisible());
  }
  const QStringList expected = {"TfrmAnagrafica", "TfrmAutoparco", "TfrmMenuScadenze", "TfrmMenuCosti",
                                "TfrmMenuRegistro", "TfrmMenuDisponibili", "TfrmScadenzario", "TfrmChilometrico",
                                "TfrmServizi", "TfrmMenuRiepCosti"};
  QStringList shown;
  for (const char* cls : TfrmAvvio::kAppWindows) shown << QString::fromLatin1(cls);
  EXPECT_EQ(shown, expected);
}

TEST_F(LauncherTest, CostButtonSetsTheCostMenuKeyWordEveryTime) {
  StandIn* costs = addApp(QStringLiteral("TfrmMenuCosti"));
  StandIn* gate = addApp(QStringLiteral("TfrmMenuRegistro"));
  launcher->showWindow();
  costs->setMemory(QStringLiteral("costi"));
  click(launcher->imgApp[3]);
  EXPECT_EQ(costs->memory(), QStringLiteral("avvio"));
  costs->closeForm();

  // Other menus set their own key word when shown: the launcher leaves them alone.
  gate->setMemory(QStringLiteral("registro"));
  click(launcher->imgApp[4]);
  EXPECT_EQ(gate->memory(), QStringLiteral("registro"));
}

TEST_F(LauncherTest, AboutSplashAndHelpAreModalOverTheLauncher) {
  launcher->showWindow();
  QStringList owners;
  QString helpTitle, helpText;
  host.onModal = [&](platform::Form& f) {
    owners << (f.parentWidget() ? f.parentWidget()->objectName() : QString());
    if (auto* help = qobject_cast<TfrmGuida*>(&f)) {
      helpTitle = help->title();
      helpText = help->text();
    }
  };
  click(launcher->imgInfo);
  click(launcher->imgCopyright);
  click(launcher->imgGuida);
  EXPECT_EQ(host.modalShown, (QStringList{"TfrmInfo", "TfrmSplash", "TfrmGuida"}));
  EXPECT_EQ(owners, (QStringList{"TfrmAvvio", "TfrmAvvio", "TfrmAvvio"}));
  EXPECT_TRUE(launcher->isVisible());
  EXPECT_TRUE(host.boxes.empty());

  EXPECT_EQ(helpTitle, QStringLiteral("Uno sguardo a Velmora 4.0"));
  EXPECT_EQ(helpText, TfrmAvvio::overviewHelpText());
}

TEST_F(LauncherTest, OverviewHelpHasItsHundredParagraphs) {
  const QStringList paragraphs = TfrmAvvio::overviewHelpText().split(QStringLiteral("\r\n\r\n"));
  ASSERT_EQ(paragraphs.size(), 100);
  for (int i = 0; i < paragraphs.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_FALSE(platform::trim(paragraphs[i]).isEmpty());
    EXPECT_FALSE(paragraphs[i].contains(QLatin1Char('\r')) || paragraphs[i].contains(QLatin1Char('\n')));
    EXPECT_EQ(paragraphs[i].startsWith(QStringLiteral("Velmora 4.0")), i == 0 || i == 98 || i == 99);
  }
  EXPECT_TRUE(paragraphs[97].contains(QStringLiteral("\"benvenutiflota\"")));
  EXPECT_TRUE(paragraphs[97].contains(QStringLiteral("senza le virgolette")));
  EXPECT_EQ(paragraphs.join(QString()).count(QStringLiteral("benvenutiflota")), 1);
}

TEST_F(LauncherTest, WebPictureOpensTheProductPage) {
  ShellOpenRecorder opened;
  launcher->showWindow();
  click(launcher->imgSito);
  EXPECT_EQ(opened.targets, QStringList{shell::productWebAddress()});
  EXPECT_TRUE(launcher->isVisible());
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(LauncherTest, PicturesNeverTakeTheFocus) {
  for (auto* b : {launcher->imgInfo, launcher->imgCopyright, launcher->imgGuida, launcher->imgSito, launcher->imgEsci,
                  launcher->imgApp[0], launcher->btnApp[9]})
    EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
}
