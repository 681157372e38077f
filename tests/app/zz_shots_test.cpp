// Temporary: pictures of the cards for looking at them.
#include <QApplication>
#include <QDir>
#include "app/app.h"
#include "platform/form.h"
#include "kit/year_menu.h"
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
  kit::YearMenu menu(nullptr, {.menuClass = "TfrmMenuCosti", .caption = " Velmora 4.0 - Costi sostenuti",
                               .title = "Costi sostenuti",
                               .information = QString::fromUtf8("In questo ambiente è possibile registrare i costi sostenuti per ciascun veicolo, nonché visualizzarne il riepilogo e i grafici statistici."),
                               .yearBox = "txtAnnoConsumi", .highlight = "effAnnoConsumi",
                               .opens = {{.button = "btnApriConsumi", .heading = "Crea o aggiorna schede costi:", .keyWord = "costi", .window = "TfrmCosti", .checksYear = true},
                                         {.button = "btnApriRiepConsumi", .heading = "Visualizza riepilogo:", .keyWord = "RiepSpese", .window = "x"},
                                         {.button = "btnApriRiepStats", .heading = "Mostra grafici statistici:", .keyWord = "stats", .window = "y"}}});
  menu.showNormal();
  menu.resize(1060, 760);
  QApplication::processEvents();
  menu.grab().save(QStringLiteral("/tmp/h/YearMenu.png"));
}
