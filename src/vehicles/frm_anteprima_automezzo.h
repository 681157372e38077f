#pragma once
// The vehicle card print preview: fills "Scheda Veicolo" from the vehicle card and
// shows it in the print preview, from which the user may print.
#include "vehicles/vehicle_card_report.h"

class TfrmAnteprimaAutomezzo : public vehicles::VehicleCardDialog {
  Q_OBJECT
 public:
  explicit TfrmAnteprimaAutomezzo(QWidget* owner);

  static const QString kFailure;
};
