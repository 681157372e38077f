#pragma once
// File names built from what the user types. A typed text never names a file as it
// stands: a year must be exactly a year, and any other text is made a safe part of a
// name first, so that no typed text can reach a file outside the folder it is meant for.
#include "core/text.h"

namespace core {

// Exactly four ASCII digits ("2024"); nothing is trimmed, so " 2024" is no year, nor is
// "２０２４" (full-width digits) or "+202".
bool isYearText(TextView text);
// A year as the year boxes show it: four digits, with leading zeros ("0987").
Text yearText(int year);
// What a window says when a typed year is not one (the focus goes back to the year).
inline constexpr TextView kYearWarning = u"Attenzione: indicare l'anno solare utilizzando quattro cifre.";

// `text` made fit to be one part of a file name in a given folder: the characters a file
// name cannot hold (\ / : * ? " < > |) and the control characters (U+0000 to U+001F,
// U+007F to U+009F) each become "_". A result that would name the folder itself or the
// folder above it (empty, ".", "..", any run of dots alone) becomes as many "_" as it
// has characters, at least one. Everything else is kept as typed, blanks included.
Text safeFileNamePart(TextView text);

}  // namespace core
