#include "app/app.h"
#include "core/archive.h"
#include "platform/application.h"
#include "platform/form.h"
#include "shell/frm_password.h"

int main(int argc, char** argv) {
  platform::setRegionalFormats();
  platform::Application application(argc, argv);
  app().createWindows();
  // The login window is the only one shown when the run starts.
  app().frmPassword->showWindow();
  core::preparePartThreads();
  int rc = application.exec();
  app().destroyWindows();
  return rc;
}
