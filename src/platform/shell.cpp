#include "platform/shell.h"

#include <QDesktopServices>
#include <QRegularExpression>

#include "platform/qtext.h"

namespace platform {

namespace {

std::function<void(const QString&)>& opener() {
  static std::function<void(const QString&)> replaced;
  return replaced;
}

}  // namespace

QString unquoteTarget(const QString& target) {
  QString t = trim(target);
  if (t.startsWith(QLatin1Char('"'))) t.remove(0, 1);
  if (t.endsWith(QLatin1Char('"'))) t.chop(1);
  return t;
}

QUrl shellUrl(const QString& target) {
  const QString t = unquoteTarget(target);
  // A scheme of two letters or more ("C:" is a drive, not a scheme).
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  if (scheme.match(t).hasMatch()) return QUrl(t, QUrl::TolerantMode);
  return QUrl::fromLocalFile(t);
}

void shellOpen(const QString& target) {
  if (opener()) {
    opener()(unquoteTarget(target));
    return;
  }
  // The caller is told nothing, whether the desktop found a handler or not.
  QDesktopServices::openUrl(shellUrl(target));
}

void setShellOpener(std::function<void(const QString&)> replacement) { opener() = std::move(replacement); }

}  // namespace platform
