#pragma once
// The board report "Planning Annuale": one A4 landscape page with the year in the
// title, a grid of 12 month rows by 31 day columns holding an "X" in every booked day,
// the vehicle (type, make and model, plate) and the date and time of the print. It
// says only whether a day is booked: no booking text is ever printed.
//
// Every object stands straight on the page (no bands), in millimetres from the top-left
// corner of the printable area, behind an empty data page: the page that prints is the
// template's page index 1.
#include <QDateTime>
#include <QString>
#include <array>
#include <memory>

#include "planner/board_days.h"
#include "platform/report/report.h"

class TfrmPlanning;

namespace planner {

inline const QString kBoardReportName = QStringLiteral("Planning Annuale");

// What the report shows of a board, each text as the board holds it (trimmed when the
// report is filled).
struct BoardSheet {
  QString year;     // txtAnno
  QString veicolo;  // txtVeicolo
  QString marca;    // txtMarca
  QString modello;  // txtModello
  QString targa;    // txtTarga
  std::array<bool, kBoardDays> booked{};  // by day index: the booked picture shown
};

// The board as it stands on screen; throws ReportError when there is no board.
BoardSheet sheetOf(const TfrmPlanning* board);

// The day mark's name: "txt" + the day cell's suffix ("txtMar_05").
QString dayMarkName(const BoardDay& day);

// A fresh template, every mark holding its designed "X".
std::unique_ptr<platform::report::Report> makeBoardReport();

// Fills the template from `sheet` and prepares it: the title "PLANNER PRENOTAZIONI
// ANNO " + the year, txtVeicolo, txtModello (make + " " + model), txtTarga, each of
// the 366 marks "X" when its day is booked and " " when it is free, and txtCalce the
// date and time `at`. Throws ReportError when the template lacks an object.
void fillBoardReport(platform::report::Report& report, const BoardSheet& sheet, const QDateTime& at);

// The template made, filled from the board as it stands, with the time of now, and
// prepared: what the board print and preview output.
std::unique_ptr<platform::report::Report> boardReport(const TfrmPlanning* board);

}  // namespace planner
