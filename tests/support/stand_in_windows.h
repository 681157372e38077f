#pragma once
// A window directory for tests below the apps: the windows adopted here are what
// the dialogs and lists find by class name, and they are destroyed with it.
#include <QString>
#include <vector>

#include "platform/form.h"
#include "platform/windows.h"

class StandInWindows : public platform::WindowDirectory {
 public:
  StandInWindows() { platform::setWindowDirectory(this); }
  ~StandInWindows() override {
    clear();
    platform::setWindowDirectory(nullptr);
  }
  StandInWindows(const StandInWindows&) = delete;
  StandInWindows& operator=(const StandInWindows&) = delete;

  void adopt(platform::Form* window) { windows_.push_back(window); }
  void clear() {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) delete *it;
    windows_.clear();
  }

  platform::Form* window(const QString& className) const override {
    for (platform::Form* f : windows_)
      if (f->objectName() == className) return f;
    return nullptr;
  }
  void showLauncher() override { ++launcherShown; }
  int launcherShown = 0;

 private:
  std::vector<platform::Form*> windows_;
};
