#pragma once
// The "mailto:" link of an address typed into a card. The address is percent-encoded
// (as UTF-8), so that a "?", "&", "#" or "%" in it stays part of the address and can
// never add fields of its own to the link (a subject, a body, an attachment).
#include "core/text.h"

namespace core {

// "mailto:" + the address with every character but the letters and digits of ASCII
// and "-._~!$'()*+,;:@" percent-encoded; "mailto:" alone for an empty address.
Text mailtoLink(TextView address);

}  // namespace core
