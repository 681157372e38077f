#include "planner/planner_file.h"

#include "core/file_names.h"

namespace planner {

core::Text plannerFileName(core::TextView plate, core::TextView year) {
  return u"Prenotazioni veicolo targa " + core::safeFileNamePart(core::trim(plate)) + u" anno " +
         core::safeFileNamePart(core::trim(year)) + u".pln";
}

BookingPlan::BookingPlan() : record_(bookingPlanLayout()) {}

bool BookingPlan::load(core::Archive& archive) {
  if (archive.count() == 0) return false;
  archive.seek(0);
  archive.read(record_);
  return true;
}

core::Text BookingPlan::dayText(std::size_t index) const {
  return record_.get(BookingPlanRecord::dayField(index));
}

void BookingPlan::setHeader(core::TextView veicolo, core::TextView marca, core::TextView modello,
                            core::TextView targa) {
  record_.set(BookingPlanRecord::kVeicolo, veicolo);
  record_.set(BookingPlanRecord::kMarca, marca);
  record_.set(BookingPlanRecord::kModello, modello);
  record_.set(BookingPlanRecord::kTarga, targa);
}

void BookingPlan::setDayText(std::size_t index, core::TextView text) {
  record_.set(BookingPlanRecord::dayField(index), text);
}

std::size_t BookingPlan::save(core::Archive& archive, std::size_t index) {
  archive.seek(index);
  archive.write(record_);
  return archive.position();
}

}  // namespace planner
