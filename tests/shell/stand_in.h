#pragma once
// A long-lived app window of another app, as far as the shell is concerned: it
// shows the launcher when it closes. Lets the shell's tests run whatever apps are
// built so far.
#include "platform/form.h"
#include "platform/windows.h"

class StandIn : public platform::Form {
 public:
  explicit StandIn(const QString& className)
      : platform::Form(nullptr, className, platform::WindowKind::Maximized, QStringLiteral(" Velmora 4.0 - prova"),
                       400, 300) {}

 protected:
  void FormClose() override { platform::showLauncher(); }
};
