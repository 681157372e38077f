#pragma once
// The schedule's four grids, each exported on request into its own ".xls" file beside
// the executable: the imminent deadlines of the current year (TfrmExpImminenti), the
// deadlines of the day and of the month chosen in the schedule window's calendar
// (TfrmExpGiornaliere, TfrmExpMensili), each in date and time order; and every deadline
// of the year open on the card, in file order (TfrmExpScadenzario).
#include <QDate>

#include "core/clock.h"
#include "kit/spreadsheet.h"

namespace maintenance {

// The grid columns of the schedule: 19 fields, then the sort key when `withKey`. The
// selective grids are sorted by that key once filled; column 0 keeps each row's number
// in the order the records were taken.
std::vector<kit::ExportColumn> scheduleGridColumns(bool withKey);

}  // namespace maintenance

class TfrmExpImminenti : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpImminenti(QWidget* owner);
  // The current year's archive, the deadlines imminent on `today`.
  static kit::ExportSettings settings(const core::Date& today);
};

class TfrmExpGiornaliere : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpGiornaliere(QWidget* owner);
  // The archive of the year of `day`, the deadlines on that day.
  static kit::ExportSettings settings(const QDate& day);
};

class TfrmExpMensili : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpMensili(QWidget* owner);
  // The archive of the year of `day`, the deadlines of its month.
  static kit::ExportSettings settings(const QDate& day);
};

class TfrmExpScadenzario : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpScadenzario(QWidget* owner);
  // Every deadline of the archive named by `lblFile`, in file order.
  static kit::ExportSettings settings(QWidget* lblFile);
};
