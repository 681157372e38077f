#pragma once
// Driving a date-range summary menu (kit::SummaryMenu) in window tests: the interval's
// four boxes, the summary opened with the mouse as a user opens it (the wait label
// shows on the press), and the table of the menu's checks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <optional>
#include <span>

#include "kit/summary.h"
#include "platform/widgets.h"
#include "support/scripted_host.h"

// The start and end of the interval, as if picked from the four boxes' lists.
inline void setSummaryInterval(kit::SummaryMenu& m, const QString& d1, const QString& m1, const QString& d2,
                               const QString& m2) {
  m.txtGiornoInizio->setEditText(d1);
  m.txtMeseInizio->setEditText(m1);
  m.txtGiornoFine->setEditText(d2);
  m.txtMeseFine->setEditText(m2);
}

// The mouse pressed and released on "Visualizza riepilogo".
inline void pressVisualizza(kit::SummaryMenu& m) {
  QTest::mousePress(m.btnVisualizza, Qt::LeftButton);
  QTest::mouseRelease(m.btnVisualizza, Qt::LeftButton);
}

// Opens the summary with the mouse and runs `look` on it (a `Window`) while it is shown.
template <typename Window>
void viewSummary(kit::SummaryMenu& m, ScriptedDialogHost& host, std::function<void(Window&)> look) {
  host.modalScripts.push_back([look](platform::Form& f) { look(static_cast<Window&>(f)); });
  pressVisualizza(m);
}

// One check of the menu that stops: the entries, then the box it shows and where the
// focus goes (null: it stays on the button the mouse pressed), and, when given, what
// the hidden date labels hold after the stop.
struct SummaryCheckCase {
  const char* name;
  QString year, d1, m1, d2, m2;
  platform::MsgKind kind;
  QString text;
  QWidget* focus;
  std::optional<QString> startText = {}, endText = {};
};

// Runs each case with the focus first in `focusFrom`: one box of its kind and text, the
// focus where the case says, the wait label shown by the press and hidden by the stop,
// no summary opened.
inline void expectSummaryChecks(kit::SummaryMenu& m, ScriptedDialogHost& host, QWidget* focusFrom,
                                std::span<const SummaryCheckCase> cases) {
  for (const SummaryCheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    m.txtAnno->setText(c.year);
    setSummaryInterval(m, c.d1, c.m1, c.d2, c.m2);
    focusFrom->setFocus();
    host.clear();
    QTest::mousePress(m.btnVisualizza, Qt::LeftButton);
    EXPECT_TRUE(m.lblAttendere->isVisible());
    QTest::mouseRelease(m.btnVisualizza, Qt::LeftButton);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, c.kind);
    EXPECT_EQ(host.last().text, c.text);
    EXPECT_EQ(QApplication::focusWidget(), c.focus ? c.focus : static_cast<QWidget*>(m.btnVisualizza));
    EXPECT_FALSE(m.lblAttendere->isVisible());
    if (c.startText) EXPECT_EQ(m.lblDataInizio->text(), *c.startText);
    if (c.endText) EXPECT_EQ(m.lblDataFine->text(), *c.endText);
    EXPECT_TRUE(host.modalShown.isEmpty());
  }
}
