#pragma once
// The application object: catches what a handler lets escape and shows the failure's
// own message in an error box, as the old platform's default handling did; the
// program goes on. It also makes Qt's own texts (box buttons, the input box, the file
// and print dialogs) Italian, and brings back at once a window without a minimise
// button that the window manager minimises anyway (the login, a modal dialog): such a
// window has no way back from the minimised state, and the program would be stuck.
#include <QApplication>
#include <QTranslator>

namespace platform {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  QTranslator qtTexts_;
};

// Whether the window manager may keep `window` minimised: a window that offers a
// minimise button (the maximized app windows). Any other top-level window minimised is
// shown normal again.
bool mayStayMinimised(const QWidget* window);

}  // namespace platform
