#include "vehicles/due_date_lists.h"

#include "core/due_dates.h"
#include "vehicles/frm_trova_automezzi.h"
#include "vehicles/vehicle_archive.h"
#include "vehicles/vehicle_record.h"

namespace vehicles {

namespace {
std::size_t field(std::string_view name) { return vehicleLayout().indexOf(name); }
}  // namespace

core::LineFormat dueDateLineFormat(std::string_view dateField) {
  using namespace core::line;
  // It begins as the vehicle search's line does.
  std::vector<core::LinePiece> pieces = TfrmTrovaAutomezzi::lineStart();
  pieces.insert(pieces.end(), {
                                  literal(u"  Scad. "),
                                  column({field(dateField)}, 10),
                                  literal(u"  Km: "),
                                  column({field("Chilometri")}, 10),
                                  literal(u"  Titolare: "),
                                  rest({field("Proprietario")}),
                              });
  return core::LineFormat(std::move(pieces));
}

kit::ListSettings dueDateListSettings(const DueDateListTexts& texts) {
  kit::ListSettings s;
  s.windowClass = texts.windowClass;
  s.caption = texts.caption;
  s.archive = vehicleArchive();
  s.line = dueDateLineFormat(texts.dateField);
  const std::size_t date = field(texts.dateField);
  s.select = [date](const core::RecordBuffer& record, const core::Date& today) {
    return core::isDueWithinWeek(record.get(date), today) ? core::Verdict::Take : core::Verdict::Skip;
  };
  s.explanation = texts.explanation;
  s.printTitle = texts.printTitle;
  s.findBox = false;
  s.doubleClick = false;
  return s;
}

}  // namespace vehicles
