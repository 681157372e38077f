#include "shell/export_help.h"

#include <QPixmap>

#include "shell/frm_guida.h"
#include "shell/misc.h"

namespace shell {

void useProgramHelp(kit::ExportSettings& settings) {
  settings.help = &TfrmGuida::showHelp;
  settings.logo = &logoPicture;
}

void setArchiveExportHelp(kit::ExportSettings& settings, const QString& title, const QString& opening) {
  settings.helpTitle = title;
  settings.helpParagraphs = {
      opening,
      QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati è sufficiente fare clic sull'icona di "
                     "Excel: il file viene creato immediatamente e può essere aperto rispondendo Sì alla domanda che "
                     "segue."),
      QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                     "qualsiasi."),
  };
  useProgramHelp(settings);
}

}  // namespace shell
