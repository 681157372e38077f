#include "platform/windows.h"

#include "platform/qtext.h"

namespace platform {

namespace {
WindowDirectory* g_directory = nullptr;
}

void setWindowDirectory(WindowDirectory* directory) { g_directory = directory; }

Form* findWindow(const QString& className) { return g_directory ? g_directory->window(className) : nullptr; }

void showLauncher() {
  if (g_directory) g_directory->showLauncher();
}

void showFromMenu(const QString& keyWord, std::span<const MenuRoute> routes) {
  const QString word = trim(keyWord);
  for (const MenuRoute& route : routes) {
    if (word != route.keyWord) continue;
    if (Form* target = findWindow(route.windowClass)) {
      target->showWindow();
      return;
    }
    break;
  }
  showLauncher();
}

}  // namespace platform
