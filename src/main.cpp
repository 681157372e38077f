#include "app/app.h"
#include "platform/application.h"
#include "platform/form.h"

int main(int argc, char** argv) {
  platform::setRegionalFormats();
  platform::Application application(argc, argv);
  app().createWindows();
  int rc = application.exec();
  app().destroyWindows();
  return rc;
}
