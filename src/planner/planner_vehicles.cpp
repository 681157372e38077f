#include "planner/planner_vehicles.h"

#include "vehicles/vehicle_record.h"

namespace planner {

namespace {

std::size_t field(std::string_view name) { return vehicles::vehicleLayout().indexOf(name); }

}  // namespace

const core::LineFormat& vehicleLine() {
  static const core::LineFormat line({
      core::line::column({field("Tipo")}, 20),
      core::line::literal(u"  "),
      core::line::column({field("Marca"), field("Modello")}, 30),
      core::line::literal(u"  Targa: "),
      core::line::column({field("Targa")}, 14),
      core::line::literal(u"  Posti: "),
      core::line::column({field("Posti")}, 12),
      core::line::literal(u"  Alim. "),
      core::line::rest({field("Alimentazione")}),
  });
  return line;
}

void listVehicles(core::Archive& archive, core::LineList& lines) {
  const core::RecordLayout& layout = vehicles::vehicleLayout();
  const std::size_t plate = field("Targa");
  core::scanLines(archive, layout, vehicleLine(),
                  [&layout, plate](const core::RecordBuffer& r) {
                    return core::trimBytes(core::storedFieldBytes(r.data(), layout, plate)).empty()
                               ? core::Verdict::Skip
                               : core::Verdict::Take;
                  },
                  lines);
}

std::optional<PlannerVehicle> vehicleOfLine(core::Archive& archive, core::TextView chosen) {
  std::optional<PlannerVehicle> found;
  core::findEqualLines(archive, vehicles::vehicleLayout(), vehicleLine(), chosen,
                       [&found](const core::RecordBuffer& r, std::size_t) {
                         // Every equal record in file order: the last one stays.
                         found = PlannerVehicle{r.get("Tipo"), r.get("Marca"), r.get("Modello"), r.get("Targa")};
                       });
  return found;
}

}  // namespace planner
