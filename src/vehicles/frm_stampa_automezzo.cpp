#include "vehicles/frm_stampa_automezzo.h"

const QString TfrmStampaAutomezzo::kFailure = kit::cardprintmsg::kPrintFailure;

namespace {

kit::CardPrintSettings printSettings() {
  kit::CardPrintSettings s = vehicles::cardPrintSettings();
  s.dialogClass = QStringLiteral("TfrmStampaAutomezzo");
  s.output = kit::CardPrintOutput::Print;
  s.failure = TfrmStampaAutomezzo::kFailure;
  return s;
}

}  // namespace

TfrmStampaAutomezzo::TfrmStampaAutomezzo(QWidget* owner) : vehicles::VehicleCardDialog(owner, printSettings()) {}
