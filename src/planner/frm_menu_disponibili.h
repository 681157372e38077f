#pragma once
// The way into the booking planner: a year menu that also lists the vehicles of the
// vehicle archive that have a plate. A click on a line, or a line reached with the
// keys, takes that vehicle; "Apri" names the planner file of the vehicle and the year,
// hands both to the booking board and closes the menu, whose close shows the board.
//
// Each show starts afresh: no vehicle chosen, the hand hidden, the list read again,
// the current year, the key word "avvio". The menu reads the vehicle archive only (a
// missing one is created empty) and never writes it.
#include <QString>

#include "kit/year_menu.h"
#include "planner/planner_vehicles.h"

class QLabel;

namespace kit { class ResultList; }

class TfrmMenuDisponibili : public kit::YearMenu {
  Q_OBJECT
 public:
  explicit TfrmMenuDisponibili(QWidget* owner);

  static kit::YearMenuSettings settings();

  QLabel* icoMano;
  kit::ResultList* lstRecords;
  // The chosen vehicle (all four empty: none) and the planner file of the last "Apri".
  QLabel* lblVeicolo;
  QLabel* lblMarca;
  QLabel* lblModello;
  QLabel* lblTarga;
  QLabel* lblFile;

 public slots:
  // Takes the vehicle of the selected line (nothing when no line is).
  void lstRecordsClick();

 protected:
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What "Apri" checks and sets once the year has passed; false: refused (said why).
  bool prepareBoard(const QString& year);
  void fillList();
  void setVehicle(const planner::PlannerVehicle& vehicle);

  bool mouseDown_ = false;  // a press on the list: the click takes the vehicle
};
