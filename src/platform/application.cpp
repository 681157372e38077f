#include "platform/application.h"

#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <exception>

#include "platform/dialogs.h"

namespace platform {

namespace {

// Shows normal again, as soon as the minimising is done, a window that may not stay
// minimised.
class MinimisedWindowKeeper : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
      auto* w = static_cast<QWidget*>(watched);
      if (w->isWindow() && w->isMinimized() && !mayStayMinimised(w)) {
        QTimer::singleShot(0, w, [w] {
          if (!w->isMinimized()) return;
          w->showNormal();
          w->raise();
          w->activateWindow();
        });
      }
    }
    return false;
  }
};

}  // namespace

bool mayStayMinimised(const QWidget* window) {
  return window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  // The run ends only at the program's own exit points.
  setQuitOnLastWindowClosed(false);
  if (qtTexts_.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    installTranslator(&qtTexts_);
  }
  installEventFilter(new MinimisedWindowKeeper(this));
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
