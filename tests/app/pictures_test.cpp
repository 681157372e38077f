// The texts the windows' pictures carry (banners, strips, headed pictures): each is
// on its window, as a label's text or as the text of a painted picture, which names
// what it draws for whoever cannot see it.
#include <QLabel>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/app.h"
#include "drivers/frm_exp_anagrafica.h"
#include "maintenance/frm_exp_chilometrico.h"
#include "maintenance/frm_scadenzario_grids.h"
#include "planner/board_print.h"
#include "planner/frm_riep_prenotazioni.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "trips/frm_exp_servizi.h"
#include "trips/frm_in_corso.h"
#include "trips/frm_istruzioni.h"
#include "trips/frm_stampa_istruttore.h"
#include "trips/frm_trova_servizi.h"
#include "vehicles/frm_exp_autoparco.h"
#include "vehicles/frm_scad_assicurazione.h"
#include "vehicles/frm_scad_bollo.h"
#include "vehicles/frm_scad_revisione.h"
#include "vehicles/frm_scad_tagliando.h"

namespace {

// The controls of `window` that show `text`: a label holding it, or a picture that
// draws it (its accessible name or description).
QList<QWidget*> showing(QWidget* window, const QString& text) {
  QList<QWidget*> out;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const auto* label = qobject_cast<QLabel*>(w);
    if ((label && label->text() == text) || w->accessibleName() == text || w->accessibleDescription() == text)
      out << w;
  }
  return out;
}

QString u(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TEST(Pictures, EveryTextAPictureCarriesIsOnItsWindow) {
  TempExeDir dir;
  ScriptedDialogHost host;
  app().createWindows();
  using Make = std::function<std::shared_ptr<QWidget>()>;
  auto longLived = [](const QString& name) -> Make {
    return [name] { return std::shared_ptr<QWidget>(app().window(name), [](QWidget*) {}); };
  };
  // Dialogs, owned by their windows as the program opens them.
  auto dialog = [](auto make) -> Make { return [make] { return std::shared_ptr<QWidget>(make()); }; };
  QWidget* trips = app().window("TfrmServizi");
  QWidget* schedule = app().window("TfrmScadenzario");
  QWidget* board = app().window("TfrmPlanning");
  const QString exportBanner = QStringLiteral("ESPORTAZIONE IN EXCEL");
  const QString findStrip =
      u("Digitare una o più parole consecutive della riga cercata e premere \"Trova\"; premere di nuovo \"Trova\" "
        "per passare alla riga successiva che contiene le stesse parole.");
  struct Case {
    const char* window;
    Make make;
    QString text;
  } cases[] = {
      // The imminent deadlines: the menu, its four buttons, its reminder, each list's caption.
      {"TfrmMenuScadenze", longLived("TfrmMenuScadenze"), "SCADENZE IMMINENTI"},
      {"TfrmMenuScadenze", longLived("TfrmMenuScadenze"), "REVISIONE"},
      {"TfrmMenuScadenze", longLived("TfrmMenuScadenze"), "TAGLIANDO"},
      {"TfrmMenuScadenze", longLived("TfrmMenuScadenze"), "ASSICURAZIONE"},
      {"TfrmMenuScadenze", longLived("TfrmMenuScadenze"), "BOLLO"},
      {"TfrmMenuScadenze", longLived("TfrmMenuScadenze"),
       "UNA VOLTA RISPETTATA UNA SCADENZA, RICORDA DI INSERIRE LA DATA DELLA SCADENZA SUCCESSIVA NELLA SCHEDA DEL "
       "VEICOLO"},
      {"TfrmScadRevisione", dialog([] { return new TfrmScadRevisione(nullptr); }),
       "VEICOLI CON REVISIONE IN SCADENZA O SCADUTA"},
      {"TfrmScadTagliando", dialog([] { return new TfrmScadTagliando(nullptr); }),
       "VEICOLI CON TAGLIANDO IN SCADENZA O SCADUTO"},
      {"TfrmScadAssicurazione", dialog([] { return new TfrmScadAssicurazione(nullptr); }),
       "VEICOLI CON ASSICURAZIONE IN SCADENZA O SCADUTA"},
      {"TfrmScadBollo", dialog([] { return new TfrmScadBollo(nullptr); }), "VEICOLI CON BOLLO IN SCADENZA O SCADUTO"},
      // The trip search and the trips in progress.
      {"TfrmTrovaServizi", dialog([trips] { return new TfrmTrovaServizi(trips); }), "RISULTATI DI RICERCA"},
      {"TfrmTrovaServizi", dialog([trips] { return new TfrmTrovaServizi(trips); }),
       u("Digitare una o più parole consecutive delle schede cercate nei campi desiderati, lasciare in bianco gli "
         "altri campi e premere \"Cerca\". È possibile compilare più campi contemporaneamente.")},
      {"TfrmTrovaServizi", dialog([trips] { return new TfrmTrovaServizi(trips); }), findStrip},
      {"TfrmInCorso", dialog([trips] { return new TfrmInCorso(trips); }), "VIAGGI IN CORSO"},
      {"TfrmInCorso", dialog([trips] { return new TfrmInCorso(trips); }), findStrip},
      // The trip card's print window and instructions.
      {"TfrmStampaIstruttore", dialog([trips] { return new TfrmStampaIstruttore(trips); }), "Stampa documento"},
      {"TfrmStampaIstruttore", dialog([trips] { return new TfrmStampaIstruttore(trips); }),
       "Stampa su carta il documento con i dati digitati nei campi di testo della scheda.\n\n"
       "\"Stampa\" avvia la stampa, \"Annulla\" la annulla."},
      {"TfrmIstruzioni", dialog([trips] { return new TfrmIstruzioni(trips); }),
       "COME CALCOLARE I CONSUMI DI CARBURANTE"},
      // The fuel and distance summary's heading picture.
      {"TfrmMenuRiepCosti", longLived("TfrmMenuRiepCosti"), "Riepilogo consumi carburante e km percorsi"},
      {"TfrmMenuRiepCosti", longLived("TfrmMenuRiepCosti"),
       "Il riepilogo dei consumi di carburante e dei chilometri percorsi in un intervallo di tempo si ottiene "
       "indicando la targa del veicolo e/o il luogo di destinazione, compilando i campi sottostanti e premendo "
       "Visualizza riepilogo."},
      // The banners of the two monthly charts.
      {"TfrmStatCosti", longLived("TfrmStatCosti"), "STATISTICHE COSTI MENSILI"},
      {"TfrmStatistiche", longLived("TfrmStatistiche"), "STATISTICHE TRANSITI VEICOLI"},
      // Every export window's banner.
      {"TfrmExpAutoparco", dialog([] { return new TfrmExpAutoparco(app().window("TfrmAutoparco")); }), exportBanner},
      {"TfrmExpAnagrafica", dialog([] { return new TfrmExpAnagrafica(app().window("TfrmAnagrafica")); }),
       exportBanner},
      {"TfrmExpScadenzario", dialog([schedule] { return new TfrmExpScadenzario(schedule); }), exportBanner},
      {"TfrmExpImminenti", dialog([schedule] { return new TfrmExpImminenti(schedule); }), exportBanner},
      {"TfrmExpGiornaliere", dialog([schedule] { return new TfrmExpGiornaliere(schedule); }), exportBanner},
      {"TfrmExpMensili", dialog([schedule] { return new TfrmExpMensili(schedule); }), exportBanner},
      {"TfrmExpChilometrico", dialog([] { return new TfrmExpChilometrico(app().window("TfrmChilometrico")); }),
       exportBanner},
      {"TfrmExpServizi", dialog([trips] { return new TfrmExpServizi(trips); }), exportBanner},
      // The booking summary, the board print and the board preview.
      {"TfrmRiepPrenotazioni", dialog([board] { return new TfrmRiepPrenotazioni(board); }),
       "RIEPILOGO PRENOTAZIONI VEICOLO"},
      {"TfrmRiepPrenotazioni", dialog([board] { return new TfrmRiepPrenotazioni(board); }), findStrip},
      {"TfrmStampaPlanning", dialog([board] { return new TfrmStampaPlanning(board); }), planner::kPrintHeading},
      {"TfrmStampaPlanning", dialog([board] { return new TfrmStampaPlanning(board); }), planner::kPrintText},
      {"TfrmStampaPlanning", dialog([board] { return new TfrmStampaPlanning(board); }), planner::kPrintStart},
      {"TfrmAnteprimaPlanning", dialog([board] { return new TfrmAnteprimaPlanning(board); }),
       planner::kPreviewHeading},
      {"TfrmAnteprimaPlanning", dialog([board] { return new TfrmAnteprimaPlanning(board); }),
       planner::kPreviewText + "\n" + planner::kPreviewStart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.window) + ": " + c.text.toStdString());
    const std::shared_ptr<QWidget> window = c.make();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QString::fromLatin1(c.window));
    const QList<QWidget*> shown = showing(window.get(), c.text);
    ASSERT_EQ(shown.size(), 1);
    // Not hidden on its own: it shows whenever its panel does.
    EXPECT_TRUE(shown.first()->isVisibleTo(shown.first()->parentWidget()));
    EXPECT_FALSE(shown.first()->geometry().isEmpty());
  }
  app().destroyWindows();
}
