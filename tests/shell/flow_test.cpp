// Start-up, window flow and the three ways the run ends.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "app/app.h"
#include "shell/frm_avvio.h"
#include "shell/frm_cambia_password.h"
#include "shell/frm_password.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/stand_in.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

// A menu window: goes where its key word says when it closes.
class MenuStandIn : public StandIn {
 public:
  MenuStandIn() : StandIn(QStringLiteral("TfrmMenuCosti")) {}

 protected:
  // "TfrmStatCosti" is not part of the program here.
  void FormClose() override {
    platform::showFromMenu(memory(), {{QStringLiteral("costi"), QStringLiteral("TfrmCosti")},
                                      {QStringLiteral("stats"), QStringLiteral("TfrmStatCosti")}});
  }
};

// The shell's own windows, with stand-ins for the app windows a test adds, so that
// the flow does not depend on which apps are built so far.
class FlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app().adopt(app().frmPassword = new TfrmPassword(nullptr));
    app().adopt(app().frmAvvio = new TfrmAvvio(nullptr));
    app().adopt(app().frmCambiaPassword = new TfrmCambiaPassword(nullptr));
    app().frmPassword->showWindow();
  }
  void TearDown() override { app().destroyWindows(); }

  static QStringList visibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) names << w->objectName();
    return names;
  }

  // Runs the message loop with `action` queued; returns exec()'s result, or 99 when
  // the loop was still running after a while.
  static int runLoopWith(std::function<void()> action) {
    QObject context;
    QTimer::singleShot(0, &context, std::move(action));
    QTimer::singleShot(1500, &context, [] { QApplication::exit(99); });
    return QApplication::exec();
  }

  TempExeDir dir;
  ScriptedDialogHost host;
};

}  // namespace

TEST(StartUp, CreatesTheLongLivedWindowsInOrderAndShowsOnlyTheLogin) {
  TempExeDir dir;
  app().createWindows();
  app().frmPassword->showWindow();  // as main() does
  QStringList order;
  for (platform::Form* f : app().windows()) order << f->objectName();
  ASSERT_GE(order.size(), 3);
  EXPECT_EQ(order.mid(0, 3), (QStringList{"TfrmPassword", "TfrmAvvio", "TfrmCambiaPassword"}));
  // Whatever apps are built so far come in the order of the program's window table.
  const QStringList table = {"TfrmPassword",     "TfrmAvvio",          "TfrmCambiaPassword", "TfrmAutoparco",
                             "TfrmAnagrafica",   "TfrmMenuScadenze",   "TfrmMenuRegistro",   "TfrmRegistro",
                             "TfrmStatistiche",  "TfrmScadenzario",    "TfrmChilometrico",   "TfrmServizi",
                             "TfrmMenuRiepCosti", "TfrmMenuCosti",     "TfrmCosti",          "TfrmMenuRiepSpese",
                             "TfrmStatCosti",    "TfrmMenuDisponibili", "TfrmPlanning"};
  qsizetype last = -1;
  for (const QString& name : order) {
    const qsizetype at = table.indexOf(name);
    EXPECT_GT(at, last) << name.toStdString() << " out of order or not a long-lived window";
    last = at;
  }
  EXPECT_EQ(app().window(QStringLiteral("TfrmPassword")), app().frmPassword);
  EXPECT_EQ(app().window(QStringLiteral("TfrmAvvio")), app().frmAvvio);
  EXPECT_EQ(app().window(QStringLiteral("TfrmCambiaPassword")), app().frmCambiaPassword);

  QStringList visible;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) visible << w->objectName();
  EXPECT_EQ(visible, QStringList{"TfrmPassword"});

  // Window kinds and captions.
  EXPECT_EQ(app().frmPassword->kind(), platform::WindowKind::CentredOnScreen);
  EXPECT_EQ(app().frmCambiaPassword->kind(), platform::WindowKind::CentredOnScreen);
  EXPECT_EQ(app().frmAvvio->kind(), platform::WindowKind::Maximized);
  EXPECT_TRUE(app().frmPassword->windowTitle().startsWith(QStringLiteral(" Velmora 4.0 - ")));
  EXPECT_EQ(app().frmCambiaPassword->windowTitle(), QStringLiteral(" Cambia password"));
  EXPECT_EQ(app().frmAvvio->windowTitle(), QStringLiteral(" Velmora 4.0"));
  app().destroyWindows();
}

TEST_F(FlowTest, EscapeClosesNeitherLoginNorPasswordChange) {
  TfrmPassword* login = app().frmPassword;
  pressKey(login->txtPassword, Qt::Key_Escape);
  EXPECT_TRUE(login->isVisible());
  click(login->btnCambiaPassword);
  pressKey(app().frmCambiaPassword->txtPasswordOld, Qt::Key_Escape);
  EXPECT_TRUE(app().frmCambiaPassword->isVisible());
}

TEST_F(FlowTest, PasswordChangeWindowTakesTheLoginsPlaceAndGivesItBack) {
  TfrmPassword* login = app().frmPassword;
  login->txtPassword->setText(QStringLiteral("mezza"));
  click(login->btnCambiaPassword);
  EXPECT_EQ(visibleWindows(), QStringList{"TfrmCambiaPassword"});
  click(app().frmCambiaPassword->cmdEsci);
  EXPECT_EQ(visibleWindows(), QStringList{"TfrmPassword"});
  EXPECT_TRUE(login->txtPassword->text().isEmpty());
}

TEST_F(FlowTest, MenuWindowsRouteByKeyWordAndTargetsReturnToTheLauncher) {
  auto* menu = new MenuStandIn;
  auto* card = new StandIn(QStringLiteral("TfrmCosti"));
  app().adopt(menu);
  app().adopt(card);

  struct Case {
    const char* name;
    QString keyWord;
    QString shown;
  } cases[] = {
      {"avvio", QStringLiteral("avvio"), QStringLiteral("TfrmAvvio")},
      {"own button", QStringLiteral("costi"), QStringLiteral("TfrmCosti")},
      {"trimmed", QStringLiteral(" costi\t"), QStringLiteral("TfrmCosti")},
      {"case matters", QStringLiteral("Costi"), QStringLiteral("TfrmAvvio")},
      {"unknown word", QStringLiteral("stampa"), QStringLiteral("TfrmAvvio")},
      {"empty", QString(), QStringLiteral("TfrmAvvio")},
      {"window not in the program", QStringLiteral("stats"), QStringLiteral("TfrmAvvio")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    app().frmPassword->hide();
    app().frmAvvio->hide();
    card->hide();
    menu->showWindow();
    menu->setMemory(c.keyWord);
    menu->closeForm();
    EXPECT_EQ(visibleWindows(), QStringList{c.shown});
  }

  // The card reached from the menu goes back to the launcher, not to the menu.
  card->closeForm();
  EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});

  // From the launcher again: the cost button puts "avvio" back, so closing the
  // menu returns to the launcher.
  click(app().frmAvvio->imgApp[3]);
  EXPECT_EQ(visibleWindows(), QStringList{"TfrmMenuCosti"});
  menu->closeForm();
  EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(FlowTest, EsciOnTheLoginEndsTheRun) {
  EXPECT_EQ(runLoopWith([] { click(app().frmPassword->cmdEsci); }), 0);
  EXPECT_FALSE(app().frmPassword->isVisible());
  EXPECT_FALSE(app().frmAvvio->isVisible());
}

TEST_F(FlowTest, TheLaunchersExitPictureEndsTheRun) {
  app().frmPassword->hide();
  app().showLauncher();
  EXPECT_EQ(runLoopWith([] { click(app().frmAvvio->imgEsci); }), 0);
}

TEST_F(FlowTest, ClosingTheLauncherEndsTheRunWithAppWindowsHiddenBehind) {
  auto* card = new StandIn(QStringLiteral("TfrmAutoparco"));
  app().adopt(card);
  app().frmPassword->hide();
  app().showLauncher();
  click(app().frmAvvio->imgApp[1]);
  card->closeForm();  // back to the launcher; the card stays, hidden
  ASSERT_TRUE(app().frmAvvio->isVisible());
  // The close box: the window is asked to close through its native window.
  EXPECT_EQ(runLoopWith([] { app().frmAvvio->windowHandle()->close(); }), 0);
  EXPECT_FALSE(card->isVisible());
}

TEST_F(FlowTest, NothingElseEndsTheRun) {
  auto* card = new StandIn(QStringLiteral("TfrmAutoparco"));
  app().adopt(card);
  EXPECT_EQ(runLoopWith([card] {
              app().frmPassword->hide();
              app().showLauncher();
              click(app().frmAvvio->imgApp[1]);
              card->closeForm();
              click(app().frmAvvio->imgApp[1]);
              card->hide();  // every window hidden: the run still goes on
            }),
            99);
}
