#pragma once
// Files attached to the cards: bare names and the safe copy into the attachments
// folder. Paths are UTF-8.
#include <string>

namespace core {

// The name of the file without its folder ("/home/a/b.pdf" -> "b.pdf").
std::string BareFileName(const std::string& path);

// Whether a (trimmed) name can stand for a file of the attachments folder: not
// empty, not "." or "..", and without a path separator.
bool IsAttachableName(const std::string& name);

// Whether both paths exist and name the same file (through links too).
bool IsSameFile(const std::string& a, const std::string& b);

// Creates `folder` with any missing parents. Returns false and sets `error` when it
// cannot be created or exists as something other than a folder.
bool EnsureFolder(const std::string& folder, std::string* error = nullptr);

// Copies `source` onto `destination` through a temporary file beside the
// destination: the destination is replaced only once the copy is complete, so a
// failed copy leaves a file already there as it was. Returns false and sets `error`
// on failure (the temporary file is removed).
bool CopyReplacing(const std::string& source, const std::string& destination,
                   std::string* error = nullptr);

}  // namespace core
