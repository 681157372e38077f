#pragma once
// The three day lists of the gate register, one family: the vehicles exited today,
// entered today and not yet out of the archive open in the gate card. The same window,
// handlers and steps; they differ in their class, caption, banner, selection, line and
// print title, which dayListSettings() takes from one table.
//
// Each list is filled when shown with the visits its rule takes (today is the kit's
// day of the fill), offers list find and the list print, and a double-click loads the
// last visit of the archive whose line equals the chosen one into the gate card.
#include "kit/search_window.h"

namespace gate {

enum class DayList { ExitedToday, EnteredToday, NotYetOut };

kit::ListSettings dayListSettings(DayList list);

}  // namespace gate
