#include "core/list_find.h"

namespace core {

int listFindNext(int count, const std::function<Text(int)>& lineAt, int selected, TextView typed, Text& lastFind) {
  const Text s = lowerAZ(typed);
  auto matches = [&](int i) { return !s.empty() && lowerAZ(lineAt(i)).find(s) != Text::npos; };
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
