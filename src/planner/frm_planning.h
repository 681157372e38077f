#pragma once
// The booking board: the bookings of one vehicle for one year, one cell per day of the
// board, red when the day is booked and lavender when it is free. Long-lived: the
// planner menu opens it for a vehicle and a year; each show clears it and loads that
// planner file, each close saves it and brings the launcher back. The booking dialogs
// write its day cells (setDay), the summary and the print read them.
#include <QString>

#include "planner/board_days.h"
#include "planner/planner_file.h"
#include "platform/form.h"

class QLabel;
class QLineEdit;

namespace platform { class PictureButton; }
namespace planner { class DayCalendar; }

namespace planner {

// The vehicle a board is opened for, as the planner menu took it from the vehicle
// archive.
struct BoardVehicle {
  QString veicolo;
  QString marca;
  QString modello;
  QString targa;
};

// The full path of the planner file of `plate` and `year`: always in the executable's
// folder (plannerFileName).
QString plannerFilePath(const QString& plate, const QString& year);

}  // namespace planner

class TfrmPlanning : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmPlanning(QWidget* owner);

  // What the planner menu's "Apri" does to the board just before it shows it: the
  // caption (" Velmora 4.0 - Planner prenotazioni anno " + year), the year label, the
  // header edits, and the planner file that the next show loads and the close saves
  // (`filePath`, from plannerFilePath). Every text is trimmed. The show copies the
  // vehicle into the header edits again.
  void openFor(const QString& filePath, const QString& year, const planner::BoardVehicle& vehicle);
  QString filePath() const { return filePath_; }

  // Writes a day cell as every writer must: the two pictures and the booking text
  // together. The text is trimmed; a text that is not blank books the day, a blank one
  // frees it.
  void setDay(const planner::BoardDay& day, const QString& text);
  // The day's booking text, and whether the day shows booked (its booked picture).
  QString dayText(const planner::BoardDay& day) const;
  bool isDayBooked(const planner::BoardDay& day) const;

  planner::DayCalendar* calendar() const { return calendar_; }

  // Controls, in the order of the window description.
  QWidget* panContainer;
  platform::PictureButton* cmdIntervallo;
  platform::PictureButton* cmdRiepilogo;
  platform::PictureButton* cmdAnteprima;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;
  QLabel* lblCampo001;
  QLabel* lblCampo002;
  QLabel* lblCampo003;
  QLabel* lblCampo004;
  QLineEdit* txtVeicolo;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtTarga;
  QLabel* txtAnno;
  QLabel* panInfo;
  QLabel* lblPosizione;
  platform::PictureButton* cmdSalva;
  platform::PictureButton* cmdNuovo;
  QWidget* panMemGiorni;

  static const QString kDayHint;

 public slots:
  // The interval booking, for the board's year and vehicle.
  void cmdIntervalloClick();
  void cmdGuidaClick();
  void cmdEsciClick();
  // The summary, the preview and the print: each window reads the board itself.
  void cmdRiepilogoClick();
  void cmdAnteprimaClick();
  void cmdStampaClick();
  // Clear: every day free with an empty text; run by the show.
  void cmdNuovoClick();
  // Save: the header and every day's text into record 0 of the planner file; run by
  // the close.
  void cmdSalvaClick();
  // The opener of every day cell, whichever of its two pictures is clicked: the
  // single-day dialog for that day (29 February only in a year that has it).
  void dayCellClick(int index);

 protected:
  void FormShow() override;
  void FormClose() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void load();
  bool save();

  planner::DayCalendar* calendar_;
  QString filePath_;
  planner::BoardVehicle vehicle_;
  // The record buffer of the planner file, for the whole run.
  planner::BookingPlan plan_;
  // The last load failed: the close must not overwrite the stored bookings with an
  // empty board.
  bool loadFailed_ = false;
};
