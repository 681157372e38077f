#pragma once
// The window directory: how a window reaches the program's long-lived windows
// without knowing the program. The composition root (src/app) creates those
// windows at start-up and installs itself here; a dialog that delivers its result
// by key word finds its target by class name, an app window shows the launcher on
// close, a menu window routes its key word. Tests install a directory of their own.
#include <QString>
#include <initializer_list>
#include <span>
#include <stdexcept>

#include "platform/form.h"

namespace platform {

class WindowDirectory {
 public:
  virtual ~WindowDirectory() = default;
  // The long-lived window of that class (its objectName), or null when the program
  // has none (an app not part of this build).
  virtual Form* window(const QString& className) const = 0;
  // Shows the launcher (every app window's close handler).
  virtual void showLauncher() = 0;
};

// Installs `directory` for the whole run (null: none; lookups then find nothing).
void setWindowDirectory(WindowDirectory* directory);

// The long-lived window of that class, or null.
Form* findWindow(const QString& className);
template <typename T>
T* findWindow(const QString& className) {
  return qobject_cast<T*>(findWindow(className));
}

void showLauncher();

// Where a menu window goes when it closes: the window of the route whose key word
// equals the trimmed memory word (case-sensitive), else the launcher: for "avvio",
// for a word the menu does not know and for a window not part of the program. A
// window reached this way returns to the launcher.
struct MenuRoute {
  QString keyWord;
  QString windowClass;
};
void showFromMenu(const QString& keyWord, std::span<const MenuRoute> routes);
inline void showFromMenu(const QString& keyWord, std::initializer_list<MenuRoute> routes) {
  showFromMenu(keyWord, std::span<const MenuRoute>(routes.begin(), routes.size()));
}

// A key-word table naming a control that its target window does not have is a
// programming error, never a silent no-op: the writers of the dialogs throw this
// (the event loop shows it), and the wiring test walks every table so it never
// reaches a user.
class WiringError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// The child `name` of `window`, of kind T; throws WiringError when there is none.
template <typename T>
T* wiredControl(QObject* window, const QString& name) {
  if (T* c = window->findChild<T*>(name)) return c;
  throw WiringError("wiring: " + window->objectName().toStdString() + " has no control " + name.toStdString() +
                    " of the kind its key-word table needs");
}

}  // namespace platform
