#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& overrideDir() {
  static QString dir;
  return dir;
}
}  // namespace

QString exeDir() {
  QString dir = overrideDir().isEmpty() ? QCoreApplication::applicationDirPath() : overrideDir();
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

QString exePath(const QString& name) { return exeDir() + name; }

void setExeDir(const QString& dir) { overrideDir() = dir; }

}  // namespace platform
