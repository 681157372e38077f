#pragma once
// List find, the "Trova" button of a result list, without the list: which line to
// select next for a typed text.
#include <functional>

#include "core/text.h"

namespace core {

// Searches `count` lines (`lineAt(i)` gives line i, a view that must stay valid until
// the next call) for `typed`, lower-cased A-Z only and taken as typed (not trimmed; an
// empty text never matches). `selected` is the selected line (0 when none: the caller
// selects the first line beforehand).
// A text other than `lastFind` is searched from the first line, the first line
// included; the same text again (in any letter case) from the line after the
// selected one, wrapping once round the list, the selected line tested last.
// Returns the line to select, or -1 when no line matches. `lastFind` becomes the
// lower-cased text in both cases. `count` must be at least 1.
int listFindNext(int count, const std::function<TextView(int)>& lineAt, int selected, TextView typed, Text& lastFind);

}  // namespace core
