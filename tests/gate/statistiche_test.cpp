// The monthly transit chart: a year's visits counted in the month they entered; its
// texts, colours (March in bisque), hints, pictures and help, with no focus highlight
// on the year box; its close back to the launcher.
#include <QDir>

#include "gate/frm_statistiche.h"
#include "gate/visit_record.h"
#include "support/app/statistics_window.h"
#include "support/archive_files.h"

namespace {

class Statistiche : public StatisticsWindowTest<TfrmStatistiche, &App::frmStatistiche> {};

FieldTexts visit(const QString& entered, const QString& left = QString()) {
  return {{"DataEnt", entered}, {"OraEnt", "08:30"}, {"Veicolo", "Fiat Ducato"}, {"Targa", "AB123CD"},
          {"DataUsc", left},    {"OraUsc", "17:00"}};
}

TEST_F(Statistiche, VisitsAreCountedOnceInTheMonthTheyEntered) {
  appendFieldRecords("2024.vis", gate::visitLayout(),
                     {
                         visit("31/12/2024", "01/01/2025"),  // December only
                         visit("05-03-2024"),                // any separator
                         visit("05/03/2024", "05/03/2024"),
                         visit("05/03/2024", "06/03/2024"),  // the same day again counts again
                         visit("", "10/04/2024"),            // the exit plays no part
                         visit("5/3/2024"),                  // one-digit day and month: nowhere
                         visit("15/06/2023", "15/06/2024"),  // entered in another year
                         visit("02/01/2024"),
                     });
  click(w->btnApri);

  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(monthLabels(), QStringList({"1", "0", "3", "0", "0", "0", "0", "0", "0", "0", "0", "1"}));
  EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath("2024.vis"));
  EXPECT_EQ(w->lblTitolo->text(), "Rappresentazione grafica dei transiti registrati nell'anno 2024.");

  const platform::Chart& chart = w->ChartStats->chart();
  EXPECT_EQ(chart.title, "Statistiche mensili ingressi e uscite veicoli");
  EXPECT_EQ(chart.foot, "Le statistiche si basano sui transiti effettivamente registrati per tutti i veicoli.");
  EXPECT_EQ(chart.legendTitle, "Numero transiti veicoli:");
  const QColor colours[] = {QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0xE4, 0xC4),
                            QColor(0xFF, 0x00, 0xFF), QColor(0xC0, 0xDC, 0xC0), QColor(0xFF, 0xFF, 0x00),
                            QColor(0x00, 0xFF, 0x00), QColor(0xC0, 0xC0, 0xC0), QColor(0xF0, 0xFB, 0xFF),
                            QColor(0x87, 0xCE, 0xEB), QColor(0x80, 0x00, 0x00), QColor(0x00, 0x80, 0x00)};
  ASSERT_EQ(chart.points.size(), 12u);
  for (std::size_t m = 0; m < 12; ++m) {
    SCOPED_TRACE(chart.points[m].label.toStdString());
    EXPECT_EQ(chart.points[m].colour, colours[m]);
    EXPECT_EQ(platform::chartValueText(chart.points[m].value), monthLabels()[static_cast<int>(m)]);
  }
}

TEST_F(Statistiche, AYearWithoutArchiveChartsTwelveZerosAndAYearIsFourAsciiDigits) {
  expectMissingYearChartsZerosAndOnlyFourDigitsNameAYear(".vis");
}

TEST_F(Statistiche, TextsPicturesAndBackgroundAreTheTransitChartsOwn) {
  struct Case {
    const char* name;
    QString shown;
    QString expected;
  } cases[] = {
      {"caption", w->windowTitle(), " Velmora 4.0 - Statistiche transiti veicoli"},
      {"imgTitolo", w->imgTitolo->text(), "STATISTICHE TRANSITI VEICOLI"},
      {"lblTitolo", w->lblTitolo->text(), "Rappresentazione grafica degli ingressi e uscite veicoli."},
      {"lblRigo04", w->lblRigo04->text(),
       "Il presente grafico statistico mostra i transiti dei veicoli totalizzati in ciascun mese dell'anno solare."},
      {"panInfo", w->panInfo->text(), "Grafico statistico dei transiti mensili."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.shown, c.expected);
  }
  // No focus highlight on the year box; a gatekeeper beside the heading, a van on the
  // year panel besides the two small charts.
  EXPECT_EQ(w->findChild<QWidget*>("effAnno"), nullptr);
  EXPECT_EQ(w->findChild<QWidget*>("imgFattura"), nullptr);
  for (const char* picture : {"imgLogo02", "icoOperatore", "imgFurgone", "icoDecoro08"}) {
    SCOPED_TRACE(picture);
    ASSERT_NE(w->findChild<QLabel*>(picture), nullptr);
    EXPECT_FALSE(w->findChild<QLabel*>(picture)->pixmap().isNull());
  }
  EXPECT_TRUE(find(w, "imgFurgone")->isVisibleTo(w->panAvvio));
  EXPECT_EQ(pixelAt(w, QPoint(2, 0)), QColor(0x46, 0x7B, 0xB1));
}

TEST_F(Statistiche, StatusHints) {
  expectHints(
      {
          {w->btnBarre, "Visualizza le statistiche degli ingressi e uscite veicoli sotto forma di grafico a barre "
                        "tridimensionali."},
          {w->btnTorta, "Visualizza le statistiche degli ingressi e uscite veicoli sotto forma di grafico a torta "
                        "tridimensionale."},
          {w->btnStampa, "Stampa il grafico corrente."},
          {w->btnEsci, "Esci da questo ambiente di lavoro."},
          {w->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
      },
      {"panContainer", "shpSezione01", "shpInfo", "ChartStats"});
  // The heading's box and the gatekeeper leave the hint as it was.
  for (const char* name : {"bkgSezione01", "icoDecoro08"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(hintAfterMovingOver(find(w, name)), "Stampa il grafico corrente.");
  }
}

TEST_F(Statistiche, HelpFromEitherPanel) {
  expectHelpFromBothPanels(
      "Grafici statistici dei transiti dei veicoli",
      {"L'app Statistiche transiti veicoli consente di visualizzare e stampare grafici statistici sugli ingressi e "
       "sulle uscite registrate nell'anno solare selezionato.",
       "La prima operazione da eseguire per visualizzare i grafici statistici è quella di indicare l'anno solare di "
       "interesse.",
       "Il grafico che appare è costituito da dodici barre tridimensionali, ognuna corrispondente a un mese "
       "dell'anno solare."},
      "Il pulsante Stampa grafico consente di ottenere su carta il grafico visualizzato in quel momento unitamente "
      "ai dati relativi ai transiti mensili.");
}

TEST_F(Statistiche, ClosingGoesBackToTheLauncher) {
  click(w->btnApri);
  expectClosingShowsTheLauncher(w->btnEsci);
}

}  // namespace
