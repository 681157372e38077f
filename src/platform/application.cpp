#include "platform/application.h"

#include <exception>

#include "platform/dialogs.h"

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  // The run ends only at the program's own exit points.
  setQuitOnLastWindowClosed(false);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    error(QString::fromUtf8(e.what()));
  } catch (...) {
    error(QStringLiteral("Errore imprevisto."));
  }
  return false;
}

}  // namespace platform
