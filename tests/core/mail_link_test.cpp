// The mail link of a typed address: whatever the address holds stays the address.
#include <gtest/gtest.h>

#include "core/mail_link.h"

namespace {

TEST(MailtoLink, EncodesWhatWouldStartOrJoinFieldsOfTheLink) {
  struct Case {
    const char* name;
    core::Text address;
    core::Text link;
  };
  const Case cases[] = {
      {"empty", u"", u"mailto:"},
      {"plain address", u"mario.rossi_2@example.it", u"mailto:mario.rossi_2@example.it"},
      {"kept as they are", u"a-b~c!$'()*+,;:@x.it", u"mailto:a-b~c!$'()*+,;:@x.it"},
      {"a second field", u"a@b.it?attach=/etc/passwd", u"mailto:a@b.it%3Fattach%3D%2Fetc%2Fpasswd"},
      {"joined fields and a fragment", u"a@b.it&body=x#y", u"mailto:a@b.it%26body%3Dx%23y"},
      {"a percent sign and a blank", u"a%20 b@c.it", u"mailto:a%2520%20b@c.it"},
      {"letters beyond ASCII as UTF-8", u"nicol\u00F2@posta.it", u"mailto:nicol%C3%B2@posta.it"},
      {"control characters", u"a\r\nb@c.it", u"mailto:a%0D%0Ab@c.it"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::mailtoLink(c.address), c.link);
  }
}

}  // namespace
