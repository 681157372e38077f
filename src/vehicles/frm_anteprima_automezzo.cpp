#include "vehicles/frm_anteprima_automezzo.h"

const QString TfrmAnteprimaAutomezzo::kFailure = kit::cardprintmsg::kPreviewFailure;

namespace {

kit::CardPrintSettings printSettings() {
  kit::CardPrintSettings s = vehicles::cardPrintSettings();
  s.dialogClass = QStringLiteral("TfrmAnteprimaAutomezzo");
  s.caption = QStringLiteral(" Anteprima di stampa");
  s.action = QStringLiteral("Mostra anteprima");
  s.output = kit::CardPrintOutput::Preview;
  s.failure = TfrmAnteprimaAutomezzo::kFailure;
  return s;
}

}  // namespace

TfrmAnteprimaAutomezzo::TfrmAnteprimaAutomezzo(QWidget* owner) : vehicles::VehicleCardDialog(owner, printSettings()) {}
