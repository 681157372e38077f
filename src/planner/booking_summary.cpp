#include "planner/booking_summary.h"

namespace planner {

core::Text summaryLine(const BoardDay& day, core::TextView text) {
  core::Text line(day.summaryPrefix);
  line += core::trim(text);
  return line;
}

core::LineList summaryLines(const std::function<core::Text(const BoardDay&)>& textOf) {
  core::LineList lines;
  lines.reserve(kBoardDays, kBoardDays * 40);
  for (const BoardDay& day : boardDays()) {
    const core::Text text = core::trim(textOf(day));
    if (!text.empty()) lines.add(summaryLine(day, text));
  }
  return lines;
}

}  // namespace planner
