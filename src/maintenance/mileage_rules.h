#pragma once
// What the mileage schedule computes and selects, without a screen: the due reading
// ("Calcola"), the state of a deadline ("Controlla"), the lines of its lists and which
// records each list takes. Plain C++ (no Qt).
#include <optional>

#include "core/record.h"
#include "core/search_filter.h"
#include "core/text.h"

namespace maintenance {

inline constexpr core::TextView kValid = u"VALIDA";
inline constexpr core::TextView kExpired = u"SCADUTA";

// "Calcola": the texts the initial reading, the interval and the due reading take.
// An empty (trimmed) reading or interval becomes "0", any other text stays as it is;
// the due reading is their sum in the general number format. When either is not a
// number, `ok` is false and all three become "0" (the card warns).
struct DueReading {
  bool ok = false;
  core::Text kmRil;
  core::Text ogni;
  core::Text prossima;
};
DueReading computeDueReading(core::TextView kmRil, core::TextView ogni);

// "Controlla" after "Calcola": the due and current readings (each "0" when empty once
// trimmed) and the state: "SCADUTA" when the current reading is strictly greater than
// the due one, "VALIDA" otherwise. When either is not a number, `ok` is false, both
// readings become "0" and there is no state (the one shown stays).
struct StateCheck {
  bool ok = false;
  core::Text prossima;
  core::Text kmAttuali;
  std::optional<core::Text> stato;
};
StateCheck checkState(core::TextView prossima, core::TextView kmAttuali);

// ---- Lists ----------------------------------------------------------------------

// "Marca Modello" (30), "  Targa: ", plate (12), two blanks, maintenance type (40),
// "  Km iniziali: ", initial reading (12), "  Scadenza a km: ", due reading: the line of
// the search, the to-do list and the expired list; the due reading at character 138.
const core::LineFormat& mileageLine();
// "Marca Modello" (32), "  Targa: ", plate (12), two blanks, maintenance type (45),
// "  Data: ", intervention date (10), "  Km attuali: ", current reading: the done list's
// line; the current reading at character 133.
const core::LineFormat& doneLine();

// The lists' choices, on the stored texts trimmed and compared exactly: done is
// `Effettuata` "Sì", to do is "No", expired is `Stato` "SCADUTA" and not done. The
// expired list trusts the stored state: it does not compare the readings.
bool isDoneMileage(const core::RecordBuffer& record);
bool isToDoMileage(const core::RecordBuffer& record);
bool isExpiredMileage(const core::RecordBuffer& record);

}  // namespace maintenance
