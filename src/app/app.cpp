#include "app/app.h"

#include "platform/form.h"

// Each long-lived window's header; a window joins the program by being listed here
// and in createWindows().

App& app() {
  static App instance;
  return instance;
}

template <typename T>
void App::create(T*& slot) {
  slot = new T(nullptr);
  created_.push_back(slot);
}

void App::createWindows() {
  // Creation order matters: the login window is the main window and comes first.
}

void App::destroyWindows() {
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
  created_.clear();
  *this = App();
}

platform::Form* App::window(const QString& className) const {
  for (platform::Form* f : created_)
    if (f->objectName() == className) return f;
  return nullptr;
}

void App::adopt(platform::Form* window) { created_.push_back(window); }

void App::showLauncher() {
}
