#pragma once
// The planner file of one vehicle and one year, as the booking board loads and saves
// it: its name, and the one record buffer the board keeps for the whole run.
//
// Plain C++ on purpose (no Qt).
#include <array>
#include <cstddef>

#include "core/archive.h"
#include "core/record.h"
#include "core/text.h"
#include "planner/booking_plan_record.h"

namespace planner {

// "Prenotazioni veicolo targa " + plate + " anno " + year + ".pln", each trimmed and
// made a safe part of a file name (core::safeFileNamePart): a plate holding "\" or "/"
// can neither reach another folder nor make every save fail. A plate of letters and
// digits keeps its name ("Prenotazioni veicolo targa AB123CD anno 2024.pln").
core::Text plannerFileName(core::TextView plate, core::TextView year);

// The board's record buffer, shared by every load and save of the run. A save sets
// each field's length and bytes and leaves the bytes past the length as the buffer
// held them (the record last loaded or saved, whichever vehicle it was); a load
// ignores them.
class BookingPlan {
 public:
  BookingPlan();

  // Reads record 0 of `archive` into the buffer. False, with the buffer untouched,
  // when the file holds no whole record (a new, empty or shorter file: every day is
  // free). Throws core::ArchiveError when the read fails.
  bool load(core::Archive& archive);
  // The day's booking text as stored, trimmed (blanks alone give the empty text).
  core::Text dayText(std::size_t index) const;

  // Fills the buffer: the header from the vehicle shown, each day from its booking
  // text; every value trimmed, converted to Windows-1252 and cut to its field.
  void setHeader(core::TextView veicolo, core::TextView marca, core::TextView modello, core::TextView targa);
  void setDayText(std::size_t index, core::TextView text);

  // Writes the buffer as record `index` (0 for the board) and returns the position
  // after the write. Throws core::ArchiveError; a failed write leaves the file as it
  // was (core::Archive::write).
  std::size_t save(core::Archive& archive, std::size_t index);

  const core::RecordBuffer& record() const { return record_; }

 private:
  core::RecordBuffer record_;
};

}  // namespace planner
