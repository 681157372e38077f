// Temporary: pictures of the cards for looking at them.
#include <QApplication>
#include <QDir>
#include "app/app.h"
#include "platform/form.h"
#include "maintenance/frm_scadenzario.h"
#include "support/helpers.h"

TEST(Shots, Cards) {
  TempExeDir dir;
  app().createWindows();
  for (const char* name : {"TfrmServizi", "TfrmAnagrafica", "TfrmAutoparco", "TfrmChilometrico", "TfrmScadenzario"}) {
    platform::Form* f = platform::findWindow(QString::fromLatin1(name));
    if (!f) continue;
    f->showNormal();
    f->resize(1060, 760);
    QApplication::processEvents();
    f->grab().save(QStringLiteral("/tmp/h/") + QString::fromLatin1(name) + QStringLiteral(".png"));
    if (auto* s = qobject_cast<TfrmScadenzario*>(f)) {
      s->btnApriClick();
      QApplication::processEvents();
      f->grab().save(QStringLiteral("/tmp/h/TfrmScadenzarioCard.png"));
    }
    f->hide();
  }
  app().destroyWindows();
}
