// The window base: kinds, captions, memory label, hints, show and close handling.
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QCloseEvent>
#include <QtTest/qtestspontaneevent.h>

#include "platform/form.h"
#include "platform/widgets.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using platform::Form;
using platform::WindowKind;

namespace {

// The window manager's close (the close box, Alt+F4) arrives as a spontaneous event.
void closeFromWindowManager(QWidget* w) {
  QCloseEvent event;
  QSpontaneKeyEvent::setSpontaneous(&event);
  qApp->notify(w, &event);  // sendEvent would clear the flag
}

class TfrmProva : public Form {
 public:
  explicit TfrmProva(QWidget* owner, WindowKind kind = WindowKind::CentredOnScreen)
      : Form(owner, "TfrmProva", kind, " Prova", 400, 300) {}
  int shows = 0;
  int closes = 0;

 protected:
  void FormShow() override { ++shows; }
  void FormClose() override { ++closes; }
};

}  // namespace

TEST(Form, NameCaptionAndKinds) {
  TfrmProva fixed(nullptr);
  EXPECT_EQ(fixed.objectName(), "TfrmProva");
  EXPECT_EQ(fixed.windowTitle(), " Prova");
  EXPECT_EQ(fixed.minimumSize(), QSize(400, 300));
  EXPECT_EQ(fixed.maximumSize(), QSize(400, 300));
  const auto flags = fixed.windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

  TfrmProva maximized(nullptr, WindowKind::Maximized);
  const auto mflags = maximized.windowFlags();
  EXPECT_TRUE(mflags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(mflags.testFlag(Qt::WindowMinMaxButtonsHint));
  EXPECT_NE(maximized.maximumSize(), QSize(400, 300));
  maximized.showWindow();
  EXPECT_TRUE(maximized.isMaximized());
}

TEST(Form, MemoryLabelIsHiddenAndCarriesTheKeyWord) {
  TfrmProva form(nullptr);
  EXPECT_EQ(form.memory(), "");
  form.setMemory("servizi");
  EXPECT_EQ(form.memory(), "servizi");
  auto* label = find<QLabel>(&form, "lblMemory");
  ASSERT_NE(label, nullptr);
  form.show();
  EXPECT_FALSE(label->isVisible());
}

TEST(Form, FixedWindowsIgnoreEscAndTheWindowManagersClose) {
  for (auto kind : {WindowKind::CentredOnScreen, WindowKind::CentredOnOwner}) {
    TfrmProva form(nullptr, kind);
    activate(&form);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    closeFromWindowManager(&form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.closes, 0);
    form.closeForm();  // its own button
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.closes, 1);
  }
}

TEST(Form, MaximizedWindowsCloseByTheirCloseBoxButNotByEsc) {
  TfrmProva form(nullptr, WindowKind::Maximized);
  form.showWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());
  closeFromWindowManager(&form);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.closes, 1);
}

TEST(Form, ShowHandlerRunsAtEveryShow) {
  TfrmProva form(nullptr);
  form.showWindow();
  form.hide();
  form.showWindow();
  EXPECT_EQ(form.shows, 2);
  form.closeForm();
  EXPECT_EQ(form.closes, 1);
}

TEST(Form, EveryWayOfClosingRunsTheCloseHandlerOnce) {
  TfrmProva form(nullptr);
  form.show();
  form.accept();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.closes, 1);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  form.show();
  form.done(7);
  EXPECT_EQ(form.closes, 2);
  EXPECT_EQ(form.result(), 7);
  form.show();
  form.reject();  // Esc's path: nothing
  EXPECT_TRUE(form.isVisible());
  form.closeForm();
  EXPECT_EQ(form.closes, 3);
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(Form, OpensCentredOnTheScreenOrOnItsOwner) {
  QWidget owner;
  owner.setGeometry(10, 10, 300, 200);
  owner.show();
  TfrmProva onOwner(&owner, WindowKind::CentredOnOwner);
  onOwner.show();
  EXPECT_LE((onOwner.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);

  TfrmProva onScreen(&owner, WindowKind::CentredOnScreen);
  onScreen.show();
  const QRect screen = onScreen.screen()->availableGeometry();
  EXPECT_LE((onScreen.geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST(Form, HintsShowInPanInfoUnderTheMouse) {
  TfrmProva form(nullptr);
  auto* panInfo = new QLabel(&form);
  panInfo->setObjectName("panInfo");
  form.setPanInfo(panInfo);
  auto* edit = new QLineEdit(&form);
  form.setHint(edit, "Inserire la targa del veicolo.");
  form.show();
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(edit, &enter);
  EXPECT_EQ(panInfo->text(), "Inserire la targa del veicolo.");
}

TEST(Form, ModalShowGoesThroughTheHost) {
  ScriptedDialogHost host;
  TfrmProva form(nullptr);
  bool ran = false;
  host.onModal = [&](Form& f) {
    ran = true;
    EXPECT_TRUE(f.isVisible());
    f.closeForm();
  };
  form.showModalDialog();
  EXPECT_TRUE(ran);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmProva"});
  EXPECT_EQ(form.closes, 1);
  EXPECT_FALSE(form.isVisible());
}

TEST(Form, RegionalFormatsGiveTheDecimalComma) {
  platform::setRegionalFormats();
  EXPECT_EQ(QLocale().decimalPoint(), ",");
  EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), "1234,5");
}

TEST(Form, QtModalShowReturnsWhenTheWindowCloses) {
  TfrmProva fixed(nullptr);
  QTimer::singleShot(0, &fixed, [&] {
    EXPECT_TRUE(fixed.isModal() || fixed.windowModality() != Qt::NonModal);
    fixed.closeForm();
  });
  fixed.showModalDialog();
  EXPECT_EQ(fixed.closes, 1);

  TfrmProva maximized(nullptr, WindowKind::Maximized);
  bool wasMaximized = false;
  QTimer::singleShot(0, &maximized, [&] {
    wasMaximized = maximized.isMaximized();
    maximized.closeForm();
  });
  maximized.showModalDialog();
  EXPECT_TRUE(wasMaximized);
}

TEST(Form, AWindowWithoutAMinimiseButtonThatIsMinimisedComesBackAtOnce) {
  // The window manager may offer a minimise button where the window asks for none;
  // a window minimised that way has no way back, so it comes back by itself.
  TfrmProva fixed(nullptr);
  QMessageBox box(QMessageBox::Warning, "Warning", "x", QMessageBox::Ok);
  TfrmProva maximized(nullptr, WindowKind::Maximized);
  struct Case {
    const char* name;
    QWidget* window;
    bool staysMinimised;
  } cases[] = {
      {"fixed window", &fixed, false},
      {"message box", &box, false},
      {"maximized window with its own minimise button", &maximized, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.window->show();
    c.window->setWindowState(c.window->windowState() | Qt::WindowMinimized);
    settle();
    EXPECT_EQ(c.window->isMinimized(), c.staysMinimised);
    EXPECT_TRUE(c.window->isVisible());
    c.window->hide();
  }
}

TEST(Form, AFocusHighlightIsBackWithAWindowThatComesBackFromMinimised) {
  TfrmProva form(nullptr);
  auto* edit = new QLineEdit(&form);
  edit->setGeometry(20, 20, 200, 24);
  QWidget* eff = platform::addFocusHighlight(edit, QStringLiteral("effProva"));
  activate(&form);
  edit->setFocus();
  ASSERT_TRUE(eff->isVisible());
  form.setWindowState(form.windowState() | Qt::WindowMinimized);
  settle();
  ASSERT_FALSE(form.isMinimized());
  EXPECT_TRUE(eff->isVisibleTo(&form));
}
