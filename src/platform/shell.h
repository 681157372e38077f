#pragma once
// Opens a document, a web address or a "mailto:" link with the desktop's handler.
// Callers put file paths in double quotes; the quotes are removed before Qt sees
// the path. The result is ignored. Tests replace the opener.
#include <QString>
#include <QUrl>
#include <functional>

namespace platform {

void shellOpen(const QString& target);
// Replaces the opener (tests record the targets); an empty function restores the real
// one. The opener receives the target without its surrounding blanks and quotes.
void setShellOpener(std::function<void(const QString&)> opener);

// `target` without surrounding blanks and double quotes.
QString unquoteTarget(const QString& target);
// What the real opener hands to the desktop: an address with a scheme (http, https,
// mailto, ...) as it is, anything else as a local file.
QUrl shellUrl(const QString& target);

}  // namespace platform
