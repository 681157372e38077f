#pragma once
// The answer to the copies prompt of the canvas prints, read as a number of copies.
#include <optional>

#include "core/text.h"

namespace core {

// 1 for an answer that is empty once trimmed, or that is not made only of the digits
// 0-9 as typed (" 3" and "3a" alike); otherwise its value ("007" is 7, "0" is 0).
// Nothing when the digits make a number too large for an int: the caller reports it
// and prints nothing.
std::optional<int> copiesFromAnswer(TextView answer);

}  // namespace core
