#include "app/app.h"

#include "platform/form.h"

// Each long-lived window's header; a window joins the program by being listed here
// and in createWindows().
#include "costs/frm_costi.h"
#include "costs/frm_menu_costi.h"
#include "costs/frm_menu_riep_spese.h"
#include "costs/frm_stat_costi.h"
#include "drivers/frm_anagrafica.h"
#include "gate/frm_menu_registro.h"
#include "gate/frm_registro.h"
#include "gate/frm_statistiche.h"
#include "maintenance/frm_chilometrico.h"
#include "maintenance/frm_scadenzario.h"
#include "planner/frm_menu_disponibili.h"
#include "planner/frm_planning.h"
#include "shell/frm_avvio.h"
#include "shell/frm_cambia_password.h"
#include "shell/frm_password.h"
#include "trips/frm_menu_riep_costi.h"
#include "trips/frm_servizi.h"
#include "vehicles/frm_autoparco.h"
#include "vehicles/frm_menu_scadenze.h"

App& app() {
  static App instance;
  return instance;
}

template <typename T>
void App::create(T*& slot) {
  slot = new T(nullptr);
  created_.push_back(slot);
}

void App::createWindows() {
  platform::setWindowDirectory(this);
  // Creation order matters: the login window is the main window and comes first.
  // Dialogs (help, about, splash, calendar, pickers, lists, exports, prints) are not
  // created here: every use builds a fresh instance owned by its caller. Each
  // long-lived window takes its place below, in this order, once it exists.
  create(frmPassword);          //  1 login, the main window
  create(frmAvvio);             //  2 launcher
  create(frmCambiaPassword);    //  3 password change
  create(frmAutoparco);         //  7 vehicle card (app 02)
  create(frmAnagrafica);        // 16 driver card (app 01)
  create(frmMenuScadenze);      // 27 upcoming vehicle deadlines (app 03)
  create(frmMenuRegistro);      // 32 gate register menu (app 05)
  create(frmRegistro);          // 33 gate card
  create(frmStatistiche);       // 34 monthly transit chart
  create(frmScadenzario);       // 41 maintenance schedule (app 07)
  create(frmChilometrico);      // 50 mileage schedule card (app 08)
  create(frmServizi);           // 56 trip card (app 09)
  create(frmMenuRiepCosti);     // 62 fuel and distance summary (app 10)
  create(frmMenuCosti);         // 64 cost menu (app 04)
  create(frmCosti);             // 65 cost card
  create(frmMenuRiepSpese);     // 66 cost summary selection
  create(frmStatCosti);         // 67 monthly cost chart
  create(frmMenuDisponibili);   // 72 booking planner menu (app 06)
  create(frmPlanning);          // 73 booking board
}

const QStringList& App::longLivedClasses() {
  static const QStringList names = {
      "TfrmPassword",     "TfrmAvvio",        "TfrmCambiaPassword", "TfrmAutoparco",     "TfrmAnagrafica",
      "TfrmMenuScadenze", "TfrmMenuRegistro", "TfrmRegistro",       "TfrmStatistiche",   "TfrmScadenzario",
      "TfrmChilometrico", "TfrmServizi",      "TfrmMenuRiepCosti",  "TfrmMenuCosti",     "TfrmCosti",
      "TfrmMenuRiepSpese", "TfrmStatCosti",   "TfrmMenuDisponibili", "TfrmPlanning",
  };
  return names;
}

void App::destroyWindows() {
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
  created_.clear();
  platform::setWindowDirectory(nullptr);
  *this = App();
}

platform::Form* App::window(const QString& className) const {
  for (platform::Form* f : created_)
    if (f->objectName() == className) return f;
  return nullptr;
}

void App::adopt(platform::Form* window) {
  platform::setWindowDirectory(this);
  created_.push_back(window);
}

void App::showLauncher() {
  if (frmAvvio) frmAvvio->showWindow();
}

