// The status hints of every window of the program that has a hint bar, as the mouse
// meets them: the hint of a control stays while the mouse moves over it, also when the
// control (a check box, a combo, a picture) hands its moves on to its panel; and
// moving onto the panel itself empties it again.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <optional>
#include <QTest>

#include "app/app.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

namespace {

QString hintOf(const QWidget* w) { return w->property("velmoraHint").toString(); }

// The point of `w`'s centre in `window`'s coordinates, where no other control lies on
// top of it.
bool reachable(QWidget* window, QWidget* w, QPoint* at) {
  const QPoint centre = w->mapTo(window, w->rect().center());
  QWidget* top = window->childAt(centre);
  for (QWidget* p = top; p; p = p->parentWidget()) {
    if (p == w) {
      *at = centre;
      return true;
    }
  }
  return false;
}

// A point of `window`, on the screen, where no control lies.
std::optional<QPoint> bareBackground(QWidget* window) {
  const QRect screen = window->screen()->geometry();
  for (int y = 2; y < window->height(); y += 8) {
    for (int x = 2; x < window->width(); x += 8) {
      const QPoint p(x, y);
      if (screen.contains(window->mapToGlobal(p)) && !window->childAt(p)) return p;
    }
  }
  return std::nullopt;
}

}  // namespace

TEST(Hints, AControlsHintStaysWhileTheMouseMovesOverItOnEveryWindowWithAHintBar) {
  TempExeDir dir;
  ScriptedDialogHost host;
  app().createWindows();
  int cards = 0, boxesAndCombos = 0;
  for (const QString& name : App::longLivedClasses()) {
    platform::Form* window = app().window(name);
    if (!window || !window->panInfo()) continue;
    SCOPED_TRACE(name.toStdString());
    ++cards;
    window->showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // A window that opens a year first (the schedule) shows its card.
    if (auto* apri = window->findChild<QPushButton*>(QStringLiteral("btnApri"))) {
      window->findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
      apri->click();
    }
    QLabel* panInfo = window->panInfo();
    for (QWidget* control : window->findChildren<QWidget*>()) {
      const QString hint = hintOf(control);
      QPoint at;
      if (hint.isEmpty() || !control->isVisible() || !reachable(window, control, &at)) continue;
      SCOPED_TRACE(control->objectName().toStdString());
      if (qobject_cast<QCheckBox*>(control) || qobject_cast<QComboBox*>(control)) ++boxesAndCombos;
      panInfo->clear();
      QTest::mouseMove(window, at);
      EXPECT_EQ(panInfo->text(), hint);
      // Further moves over the control, each handed on to its panel.
      QTest::mouseMove(window, at + QPoint(1, 0));
      QTest::mouseMove(window, at + QPoint(1, 1));
      EXPECT_EQ(panInfo->text(), hint);
    }
    // Moving onto the window's bare background empties the hint.
    if (const std::optional<QPoint> bare = bareBackground(window)) {
      QTest::mouseMove(window, *bare + QPoint(4, 4));  // the mouse may already stand at *bare
      panInfo->setText(QStringLiteral("x"));
      QTest::mouseMove(window, *bare);
      EXPECT_TRUE(panInfo->text().isEmpty());
    }
    window->hide();
  }
  EXPECT_GE(cards, 5);            // vehicle, driver, schedule, mileage and trip cards
  EXPECT_GE(boxesAndCombos, 4);  // chkEffettuata and the like
  app().destroyWindows();
}
