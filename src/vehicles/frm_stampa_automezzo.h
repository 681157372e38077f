#pragma once
// The vehicle card print: fills "Scheda Veicolo" from the vehicle card and prints it
// through the print dialog.
#include "vehicles/vehicle_card_report.h"

class TfrmStampaAutomezzo : public vehicles::VehicleCardDialog {
  Q_OBJECT
 public:
  explicit TfrmStampaAutomezzo(QWidget* owner);

  static const QString kFailure;
};
