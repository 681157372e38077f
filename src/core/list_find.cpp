#include "core/list_find.h"

namespace core {

namespace {
inline char16_t foldLowerAZ(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }
}  // namespace

int listFindNext(int count, const std::function<TextView(int)>& lineAt, int selected, TextView typed, Text& lastFind) {
  const Text s = lowerAZ(typed);
  // One buffer for every lower-cased line: a find over a long list allocates once.
  Text folded;
  auto matches = [&](int i) {
    if (s.empty()) return false;
    const TextView line = lineAt(i);
    if (line.size() < s.size()) return false;
    folded.resize(line.size());
    for (std::size_t k = 0; k < line.size(); ++k) folded[k] = foldLowerAZ(line[k]);
    return folded.find(s) != Text::npos;
  };
  if (selected < 0 || selected >= count) selected = 0;

  const bool fresh = s != lastFind;
  const int start = fresh ? 0 : selected;
  int i = start;
  bool found = fresh && matches(i);
  while (!found) {
    i = (i + 1) % count;
    found = matches(i);
    if (i == start) break;
  }
  lastFind = s;
  return found ? i : -1;
}

}  // namespace core
