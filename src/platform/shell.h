#pragma once
// Opens a document, a web address or a "mailto:" link with the desktop's handler.
// Callers put file paths in double quotes; the quotes are removed before Qt sees
// the path. The result is ignored. Tests replace the opener.
#include <QString>
#include <functional>

namespace platform {

void shellOpen(const QString& target);
// Replaces the opener (tests record the targets); an empty function restores the real one.
void setShellOpener(std::function<void(const QString&)> opener);

}  // namespace platform
