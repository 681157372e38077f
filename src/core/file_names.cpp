#include "core/file_names.h"

#include <algorithm>

namespace core {

namespace {

bool isRefused(char16_t c) {
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
  switch (c) {
    case u'\\': case u'/': case u':': case u'*': case u'?': case u'"': case u'<': case u'>': case u'|':
      return true;
    default:
      return false;
  }
}

}  // namespace

bool isYearText(TextView text) {
  return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

Text yearText(int year) {
  Text out(4, u'0');
  int rest = year < 0 ? 0 : year;
  for (std::size_t i = 4; i-- > 0; rest /= 10) out[i] = char16_t(u'0' + rest % 10);
  return out;
}

Text safeFileNamePart(TextView text) {
  Text out(text);
  for (char16_t& c : out)
    if (isRefused(c)) c = u'_';
  // Only dots, or nothing: the folder itself or the one above it.
  if (std::all_of(out.begin(), out.end(), [](char16_t c) { return c == u'.'; })) {
    out.assign(std::max<std::size_t>(out.size(), 1), u'_');
  }
  return out;
}

}  // namespace core
