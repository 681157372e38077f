#pragma once
// Small helpers for window tests: a fresh executable folder per test, finding
// controls by objectName, typing, keys and clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QFile>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "platform/paths.h"
#include "platform/shell.h"

// Points the executable folder at a fresh temporary folder for the test's life.
class TempExeDir {
 public:
  TempExeDir() { platform::setExeDir(dir_.path()); }
  ~TempExeDir() { platform::setExeDir(QString()); }
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  QByteArray read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  bool exists(const QString& name) const { return QFile::exists(file(name)); }

 private:
  QTemporaryDir dir_;
};

// Records what is handed to the desktop's opener (without the callers' quotes) for
// the object's life, instead of opening it.
class ShellOpenRecorder {
 public:
  ShellOpenRecorder() {
    platform::setShellOpener([this](const QString& t) { targets << t; });
  }
  ~ShellOpenRecorder() { platform::setShellOpener({}); }
  ShellOpenRecorder(const ShellOpenRecorder&) = delete;
  ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;
  QStringList targets;
};

// The child named `name`; fails the test (and returns null) when there is none.
template <typename T = QWidget>
T* find(QObject* root, const QString& name) {
  T* w = root->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << "no " << name.toStdString() << " on " << root->objectName().toStdString();
  return w;
}

inline void click(QWidget* w) {
  ASSERT_NE(w, nullptr);
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

inline void typeInto(QLineEdit* edit, const QString& text) {
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  QTest::keyClicks(edit, text);
}

// Types `text` one character at a time as the keyboard would, whatever the characters
// (a key press and release each, with no key code).
inline void typeText(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &release);
  }
}

inline void pressKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  ASSERT_NE(w, nullptr);
  QTest::keyClick(w, key, mods);
}

// Lets queued events run.
inline void settle() { QApplication::processEvents(); }

// Shows `w`'s window and makes it the active window, so focus moves and the focus
// handlers run offscreen as they do on a desktop.
inline void activate(QWidget* w) {
  ASSERT_NE(w, nullptr);
  QWidget* window = w->window();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// The colour painted at `pos` of `w` (as the user would see it).
inline QColor pixelAt(QWidget* w, QPoint pos) {
  return w->grab().toImage().pixelColor(pos);
}
