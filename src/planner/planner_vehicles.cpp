#include "planner/planner_vehicles.h"

#include "vehicles/vehicle_record.h"

namespace planner {

namespace {

std::size_t field(std::string_view name) { return vehicles::vehicleLayout().indexOf(name); }

// Whether `text`, trimmed, is `trimmed`.
bool trimmedEquals(core::TextView text, core::TextView trimmed) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] <= u' ') ++b;
  while (e > b && text[e - 1] <= u' ') --e;
  return text.substr(b, e - b) == trimmed;
}

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
  // The four fields of each record whose line equals the chosen one, side by side in
  // columns as wide as the fields (a stored text is never wider), in file order. The
  // scan reads a long archive in parts side by side, as the list's own scan does.
  constexpr int kTipo = 50, kMarca = 50, kModello = 50, kTarga = 12;
  static const core::LineFormat taken({
      core::line::column({field("Tipo")}, kTipo),
      core::line::column({field("Marca")}, kMarca),
      core::line::column({field("Modello")}, kModello),
      core::line::column({field("Targa")}, kTarga),
  });
  const core::Text wanted = core::trim(chosen);
  core::LineList found;
  core::scanLines(archive, vehicles::vehicleLayout(), taken,
                  [&wanted](const core::RecordBuffer& r) {
                    thread_local core::Text built;  // parts run on several threads at once
                    built.clear();
                    vehicleLine().appendTo(built, r);
                    return trimmedEquals(built, wanted) ? core::Verdict::Take : core::Verdict::Skip;
                  },
                  found);
  if (found.empty()) return std::nullopt;
  // Of several equal records, the last in the file.
  const core::Text last = found[found.size() - 1];
  const auto part = [last](std::size_t from, std::size_t width) { return core::trim(last.substr(from, width)); };
  return PlannerVehicle{part(0, kTipo), part(kTipo, kMarca), part(kTipo + kMarca, kModello),
                        part(kTipo + kMarca + kModello, kTarga)};
}

}  // namespace planner
