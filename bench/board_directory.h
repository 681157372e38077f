#pragma once
// The booking board as the program holds it, for the planner's benchmarks: the one
// long-lived instance, found by its class through the window directory.
#include "planner/frm_planning.h"
#include "platform/windows.h"

namespace bench {

class BoardDirectory : public platform::WindowDirectory {
 public:
  platform::Form* window(const QString& className) const override {
    return board && className == board->objectName() ? board : nullptr;
  }
  void showLauncher() override {}
  TfrmPlanning* board = nullptr;
};

}  // namespace bench
