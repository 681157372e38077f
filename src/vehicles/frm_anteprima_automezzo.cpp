#include "vehicles/frm_anteprima_automezzo.h"

const QString TfrmAnteprimaAutomezzo::kFailure =
    QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa del documento non è andata a buon fine."
                   "\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");

TfrmAnteprimaAutomezzo::TfrmAnteprimaAutomezzo(QWidget* owner)
    : VehicleCardDialog(owner, QStringLiteral("TfrmAnteprimaAutomezzo"), QStringLiteral(" Anteprima di stampa"),
                        QStringLiteral("Mostra anteprima")) {}

void TfrmAnteprimaAutomezzo::output(platform::report::Report& report) { report.preview(this); }
