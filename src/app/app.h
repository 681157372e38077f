#pragma once
// The registry of the long-lived windows: one instance of each, created at start-up
// in a fixed order and reached through here for the whole run. Dialogs are not held
// here: every use creates a fresh instance owned by its caller.
// A member stays null while its app is not part of the program. This is the
// composition root: it implements the platform's window directory, through which
// the windows reach each other; no window includes this header.
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/windows.h"

class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmAutoparco;
class TfrmAnagrafica;
class TfrmMenuScadenze;
class TfrmMenuRegistro;
class TfrmRegistro;
class TfrmStatistiche;
class TfrmScadenzario;
class TfrmChilometrico;
class TfrmServizi;
class TfrmMenuRiepCosti;
class TfrmMenuCosti;
class TfrmCosti;
class TfrmMenuRiepSpese;
class TfrmStatCosti;
class TfrmMenuDisponibili;
class TfrmPlanning;

struct App : platform::WindowDirectory {
  TfrmPassword* frmPassword = nullptr;
  TfrmAvvio* frmAvvio = nullptr;
  TfrmCambiaPassword* frmCambiaPassword = nullptr;
  TfrmAutoparco* frmAutoparco = nullptr;
  TfrmAnagrafica* frmAnagrafica = nullptr;
  TfrmMenuScadenze* frmMenuScadenze = nullptr;
  TfrmMenuRegistro* frmMenuRegistro = nullptr;
  TfrmRegistro* frmRegistro = nullptr;
  TfrmStatistiche* frmStatistiche = nullptr;
  TfrmScadenzario* frmScadenzario = nullptr;
  TfrmChilometrico* frmChilometrico = nullptr;
  TfrmServizi* frmServizi = nullptr;
  TfrmMenuRiepCosti* frmMenuRiepCosti = nullptr;
  TfrmMenuCosti* frmMenuCosti = nullptr;
  TfrmCosti* frmCosti = nullptr;
  TfrmMenuRiepSpese* frmMenuRiepSpese = nullptr;
  TfrmStatCosti* frmStatCosti = nullptr;
  TfrmMenuDisponibili* frmMenuDisponibili = nullptr;
  TfrmPlanning* frmPlanning = nullptr;

  // Creates every long-lived window of the program, hidden, in creation order, and
  // installs this registry as the window directory.
  void createWindows();
  // Destroys them (end of run, and between tests).
  void destroyWindows();
  // Shows the launcher (the close handlers of the app windows reach it through the
  // window directory).
  void showLauncher() override;

  // The long-lived window of that class (objectName), or null when the program has
  // none. Dialogs that deliver a result by key word write through this, so a key word
  // whose window is not part of the program writes nothing.
  platform::Form* window(const QString& className) const override;

  // The class names of every long-lived window the program has or will have, in
  // creation order (the key-word tables may name only these).
  static const QStringList& longLivedClasses();

  // The long-lived windows, in creation order.
  const std::vector<platform::Form*>& windows() const { return created_; }

  // Registers a window made elsewhere (a test's stand-in for an app's card), found by
  // window() and destroyed with the others; installs the directory like createWindows.
  void adopt(platform::Form* window);

 private:
  template <typename T>
  void create(T*& slot);
  std::vector<platform::Form*> created_;  // in creation order
};

App& app();
