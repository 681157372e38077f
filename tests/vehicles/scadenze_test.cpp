// The upcoming-deadlines app: its menu and the four due-date lists.
#include <QDate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <functional>
#include <map>
#include <memory>

#include "app/app.h"
#include "core/clock.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/scripted_host.h"
#include "support/vehicle_archive.h"
#include "vehicles/frm_menu_scadenze.h"
#include "vehicles/frm_scad_assicurazione.h"
#include "vehicles/frm_scad_bollo.h"
#include "vehicles/frm_scad_revisione.h"
#include "vehicles/frm_scad_tagliando.h"
#include "vehicles/vehicle_record.h"

namespace {

// A date `days` from today, as the calendar dialog stores it.
QString day(int days) { return QDate::currentDate().addDays(days).toString("dd/MM/yyyy"); }

VehicleFields vehicle(const QString& make, VehicleFields dates) {
  VehicleFields v{{"Tipo", "Autovettura"}, {"Marca", make}, {"Modello", "X"},
                  {"Targa", make.left(2).toUpper() + "000AA"}, {"Chilometri", "1000"},
                  {"Proprietario", "Ditta " + make}};
  v.insert(dates.begin(), dates.end());
  return v;
}

QStringList makesListed(const QAbstractItemView* list) {
  QStringList out;
  for (const QString& line : listLines(list)) out << line.mid(22, 30).section(' ', 0, 0);
  return out;
}

struct ListWindow {
  const char* cls;
  std::function<kit::SearchWindow*()> make;
  const char* caption;
  const char* explanation;
  const char* title;
};

const ListWindow kLists[] = {
    {"TfrmScadRevisione", [] { return new TfrmScadRevisione(nullptr); },
     " Veicoli con revisione in scadenza o scaduta",
     "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con revisione in scadenza o scadute"},
    {"TfrmScadTagliando", [] { return new TfrmScadTagliando(nullptr); },
     " Veicoli con tagliando in scadenza o scaduto",
     "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con tagliando in scadenza o scaduto"},
    {"TfrmScadAssicurazione", [] { return new TfrmScadAssicurazione(nullptr); },
     " Veicoli con assicurazione in scadenza o scaduta",
     "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con assicurazione in scadenza o scadute"},
    {"TfrmScadBollo", [] { return new TfrmScadBollo(nullptr); }, " Veicoli con bollo in scadenza o scaduto",
     "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con bollo in scadenza o scaduto"},
};

class Scadenze : public ::testing::Test {
 protected:
  void TearDown() override { app().destroyWindows(); }
  std::unique_ptr<kit::SearchWindow> show(const ListWindow& l) {
    std::unique_ptr<kit::SearchWindow> w(l.make());
    w->show();
    return w;
  }
  TempExeDir dir;
  ScriptedDialogHost host;
};

TEST_F(Scadenze, EachListShowsTheVehiclesWhoseDateHasPassedOrIsWithinAWeek) {
  appendVehicles({
      vehicle("Alfa", {{"ScadRevisione", day(0)}, {"ScadBollo", day(8)}}),
      vehicle("Bmw", {{"ScadRevisione", day(7)}, {"ScadTagliando", day(-1)}}),
      // A date that is no date leaves this vehicle out of the road-tax list; the
      // vehicles after it are still looked at.
      vehicle("Citroen", {{"ScadRevisione", day(8)}, {"ScadAssicurazione", day(-365)}, {"ScadBollo", "31/02/2024"}}),
      vehicle("Dacia", {{"ScadBollo", day(-3)}, {"ScadTagliando", "  "}}),
      vehicle("Ermes", {}),
  });
  const std::map<QString, QStringList> expected{
      {"TfrmScadRevisione", {"Alfa", "Bmw"}},
      {"TfrmScadTagliando", {"Bmw"}},
      {"TfrmScadAssicurazione", {"Citroen"}},
      {"TfrmScadBollo", {"Dacia"}},
  };
  for (const ListWindow& l : kLists) {
    SCOPED_TRACE(l.cls);
    auto w = show(l);
    EXPECT_EQ(makesListed(w->lstRecords), expected.at(l.cls));
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scadenze, OnAPinnedDayTheWeekEndsSevenDaysLaterAcrossTheLeapDay) {
  core::PinnedClock pin(core::Date{28, 2, 2024});
  appendVehicles({
      vehicle("Alfa", {{"ScadRevisione", "06/03/2024"}}),     // seven days later
      vehicle("Bmw", {{"ScadRevisione", "07/03/2024"}}),      // eight days later
      vehicle("Citroen", {{"ScadRevisione", "28/02/2024"}}),  // the day itself
      vehicle("Dacia", {{"ScadRevisione", "31/12/2023"}}),    // last year
      vehicle("Ermes", {{"ScadRevisione", "29/02/2024"}}),    // tomorrow, the leap day
      vehicle("Fiat", {{"ScadRevisione", "28/02/2025"}}),     // next year
  });
  auto w = show(kLists[0]);
  EXPECT_EQ(makesListed(w->lstRecords), (QStringList{"Alfa", "Citroen", "Dacia", "Ermes"}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scadenze, TheLineHasFixedColumnsAndTheOwnerWholeAtTheEnd) {
  VehicleFields v{{"Tipo", "Autocarro con gru idraulica"},
                  {"Marca", "Mercedes-Benz"},
                  {"Modello", "Actros 2545 L 6x2 Euro 6"},
                  {"Targa", "AB123CD"},
                  {"Chilometri", "1234567890123"},
                  {"Proprietario", "Trasporti Internazionali Rossi & Figli S.p.A."},
                  {"ScadBollo", day(2)}};
  appendVehicles({v});
  auto w = show(kLists[3]);
  ASSERT_EQ(listCount(w->lstRecords), 1);
  const QString line = listLines(w->lstRecords).at(0);
  EXPECT_EQ(line, "Autocarro con gru id  Mercedes-Benz Actros 2545 L 6x  Targa: AB123CD       Scad. " + day(2) +
                      "  Km: 1234567890  Titolare: Trasporti Internazionali Rossi & Figli S.p.A.");
  EXPECT_EQ(line.indexOf("Trasporti"), 119);  // character 120
}

TEST_F(Scadenze, TheListsAreOrderedByTheirTextNotByTheDate) {
  appendVehicles({vehicle("Zeta", {{"ScadRevisione", day(-30)}}), vehicle("alfa", {{"ScadRevisione", day(5)}}),
                  vehicle("Beta", {{"ScadRevisione", day(1)}})});
  auto w = show(kLists[0]);
  EXPECT_EQ(makesListed(w->lstRecords), (QStringList{"alfa", "Beta", "Zeta"}));
}

TEST_F(Scadenze, EachWindowHasItsTextsAndNoFindCounterOrDoubleClick) {
  appendVehicles({vehicle("Alfa", {{"ScadRevisione", day(0)}, {"ScadTagliando", day(0)},
                                   {"ScadAssicurazione", day(0)}, {"ScadBollo", day(0)}})});
  for (const ListWindow& l : kLists) {
    SCOPED_TRACE(l.cls);
    auto w = show(l);
    EXPECT_EQ(w->objectName(), l.cls);
    EXPECT_EQ(w->windowTitle(), l.caption);
    EXPECT_EQ(w->kind(), platform::WindowKind::CentredOnScreen);
    EXPECT_EQ(w->lblRigo03->text(), l.explanation);
    EXPECT_EQ(w->listSettings().printTitle, l.title);
    EXPECT_EQ(w->findChild<QObject*>("txtTrova"), nullptr);
    EXPECT_EQ(w->findChild<QObject*>("btnTrova"), nullptr);
    EXPECT_EQ(w->findChild<QObject*>("lblTrovate"), nullptr);
    EXPECT_EQ(find<QPushButton>(w.get(), "btnStampa")->text(), "Stampa");
    EXPECT_EQ(find<QPushButton>(w.get(), "btnChiudi")->text(), "Chiudi");
    ASSERT_EQ(listCount(w->lstRecords), 1);
    // A double-click opens nothing and leaves the list open.
    const QRect r = lineRect(w->lstRecords, 0);
    QTest::mouseClick(w->lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(w->lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_TRUE(w->isVisible());
    click(w->btnChiudi);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(listCount(w->lstRecords), 0);
  }
}

TEST_F(Scadenze, AMissingArchiveGivesAnEmptyListAndIsCreated) {
  auto w = show(kLists[2]);
  EXPECT_EQ(listCount(w->lstRecords), 0);
  EXPECT_TRUE(dir.exists(kVehicleArchive));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Scadenze, StampaPrintsTheListUnderItsTitleEvenWhenEmpty) {
  appendVehicles({vehicle("Alfa", {{"ScadRevisione", day(3)}})});
  for (int i : {0, 1}) {
    auto w = show(kLists[i]);
    host.printPdfPath = dir.file(QStringLiteral("lista%1.pdf").arg(i));
    click(w->btnStampa);
    EXPECT_EQ(host.printDialogs, i + 1);
    EXPECT_TRUE(host.boxes.empty());  // no question, no refusal of the empty list
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", host.printPdfPath, "-"});
    if (!pdftotext.waitForFinished(20000)) GTEST_SKIP() << "pdftotext not available";
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(kLists[i].title));
    EXPECT_EQ(text.contains("Targa: AL000AA"), i == 0);
  }
}

// ---- the menu ----------------------------------------------------------------------

TEST_F(Scadenze, TheMenuOpensEachListModallyOverItself) {
  appendVehicles({vehicle("Alfa", {{"ScadTagliando", day(1)}})});
  TfrmMenuScadenze menu(nullptr);
  EXPECT_EQ(menu.objectName(), "TfrmMenuScadenze");
  EXPECT_EQ(menu.windowTitle(), " Velmora 4.0 - Scadenze Imminenti");
  EXPECT_EQ(menu.kind(), platform::WindowKind::Maximized);
  EXPECT_EQ(menu.lblIstruzioni->text(), "Premi il pulsante relativo al tipo di scadenze imminenti da riepilogare.");
  menu.showWindow();

  int listed = -1;
  host.onModal = [&](platform::Form& f) {
    EXPECT_EQ(f.parentWidget(), &menu);
    listed = listCount(static_cast<kit::SearchWindow&>(f).lstRecords);
  };
  for (auto* b : {menu.btnRevisione, menu.btnTagliando, menu.btnAssicurazione, menu.btnBollo}) {
    EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
    click(b);
  }
  EXPECT_EQ(host.modalShown,
            (QStringList{"TfrmScadRevisione", "TfrmScadTagliando", "TfrmScadAssicurazione", "TfrmScadBollo"}));
  EXPECT_EQ(listed, 0);  // the road-tax list: Alfa's service is due, not its road tax
  EXPECT_TRUE(menu.isVisible());
  EXPECT_TRUE(menu.findChildren<kit::SearchWindow*>().isEmpty());  // each list freed
}

TEST_F(Scadenze, TheMenuHelpAndExit) {
  TfrmMenuScadenze menu(nullptr);
  menu.showWindow();
  QString title, text;
  host.onModal = [&](platform::Form& f) {
    auto& guida = static_cast<TfrmGuida&>(f);
    title = guida.title();
    text = guida.text();
  };
  click(menu.imgGuida);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmGuida"});
  EXPECT_EQ(title, "App Scadenze Imminenti");
  EXPECT_EQ(text.split("\r\n\r\n").size(), 3);
  EXPECT_TRUE(text.contains("7 giorni"));

  click(menu.imgEsci);
  EXPECT_FALSE(menu.isVisible());
}

}  // namespace
