#pragma once
// The executable's folder, where every data file lives. Tests point it elsewhere.
#include <QString>

namespace platform {

// The folder, with a trailing "/".
QString exeDir();
// exeDir() + name.
QString exePath(const QString& name);
// Replaces the folder (tests); an empty text restores the executable's own.
void setExeDir(const QString& dir);

}  // namespace platform
