#pragma once
// Files attached to the cards: bare names, the names the attachments folder accepts,
// and the folder itself (the copy into it is platform/files). Paths are UTF-8.
#include <string>

namespace core {

// The name of the file without its folder ("/home/a/b.pdf" -> "b.pdf").
std::string bareFileName(const std::string& path);

// Whether a (trimmed) name can stand for a file of the attachments folder: not
// empty, not "." or "..", and without a path separator.
bool isAttachableName(const std::string& name);

// Whether both paths exist and name the same file (through links too).
bool isSameFile(const std::string& a, const std::string& b);

// Creates `folder` with any missing parents. Returns false and sets `error` when it
// cannot be created or exists as something other than a folder.
bool ensureFolder(const std::string& folder, std::string* error = nullptr);

}  // namespace core
