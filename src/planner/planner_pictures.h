#pragma once
// The planner's pictures, drawn at run time.
#include <QPixmap>

namespace planner {

// A calendar sheet with a red binding and an empty grid of days; `circled`: one day
// circled in red (the booked day).
QPixmap calendarSheetPicture(int width, int height, bool circled);
// An eraser (clear) and two overlapping sheets (copy), for 22-pixel picture buttons.
QPixmap eraserPicture(int size);
QPixmap copyPicture(int size);
// The board's title picture: the planner's name beside a small calendar.
QPixmap boardTitlePicture(int width, int height);
// The ground of the board's year, a calendar on the left of a dark-blue plate.
QPixmap yearGroundPicture(int width, int height);

}  // namespace planner
