#include "vehicles/frm_stampa_automezzo.h"

const QString TfrmStampaAutomezzo::kFailure =
    QStringLiteral("Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\r"
                   "Si consiglia di ridurre le dimensioni della foto.");

TfrmStampaAutomezzo::TfrmStampaAutomezzo(QWidget* owner)
    : VehicleCardDialog(owner, QStringLiteral("TfrmStampaAutomezzo"), QStringLiteral(" Stampa documento"),
                        QStringLiteral("Stampa")) {}

void TfrmStampaAutomezzo::output(platform::report::Report& report) { report.print(this); }
