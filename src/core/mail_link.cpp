#include "core/mail_link.h"

#include <string_view>

namespace core {

namespace {

// What an address may hold as it is: the unreserved characters and the sub-delimiters
// a mail address uses, but none of those that start or join the link's own fields.
bool keptAsIs(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("-._~!$'()*+,;:@").find(c) != std::string_view::npos;
}

}  // namespace

Text mailtoLink(TextView address) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  Text out = u"mailto:";
  for (unsigned char byte : toUtf8(address)) {
    if (keptAsIs(static_cast<char>(byte))) {
      out.push_back(static_cast<char16_t>(byte));
    } else {
      out.push_back(u'%');
      out.push_back(static_cast<char16_t>(kHex[byte >> 4]));
      out.push_back(static_cast<char16_t>(kHex[byte & 0x0F]));
    }
  }
  return out;
}

}  // namespace core
