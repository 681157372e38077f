#pragma once
// The application object: catches what a handler lets escape and shows the failure's
// own message in an error box, as the old platform's default handling did; the
// program goes on.
#include <QApplication>

namespace platform {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace platform
