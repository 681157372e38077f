#include "core/attachments.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace core {

namespace {

fs::path pathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& p) {
  std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

void setError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

}  // namespace

std::string bareFileName(const std::string& path) {
  return utf8Of(pathOf(path).filename());
}

bool isAttachableName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find('/') == std::string::npos && name.find('\\') == std::string::npos;
}

bool isSameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  bool same = fs::equivalent(pathOf(a), pathOf(b), ec);
  return !ec && same;
}

bool ensureFolder(const std::string& folder, std::string* error) {
  std::error_code ec;
  fs::path p = pathOf(folder);
  if (fs::is_directory(p, ec)) return true;
  fs::create_directories(p, ec);
  if (ec) {
    setError(error, ec.message());
    return false;
  }
  if (!fs::is_directory(p, ec)) {
    setError(error, "not a folder");
    return false;
  }
  return true;
}

}  // namespace core
