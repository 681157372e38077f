// The monthly cost chart: a year's payments summed per month by their payment date and
// amount, rounded to whole euros; its texts, colours, hints, pictures and help; its
// close back to the launcher.
#include <QDir>

#include "costs/cost_fixtures.h"
#include "costs/frm_stat_costi.h"
#include "support/app/statistics_window.h"

namespace {

class StatCosti : public StatisticsWindowTest<TfrmStatCosti, &App::frmStatCosti> {};

// A payment of `amount` on `date`; the card's own day, month and year fields say
// otherwise, so only the payment date can place it.
CostFields payment(const QString& date, const QString& amount) {
  return {{"Giorno", "28"}, {"Mese", "Gennaio"}, {"Anno", "2023"}, {"Data", date},
          {"Importo", amount}, {"Targa", "AB123CD"}, {"Causale", "Bollo"}, {"Saldato", "No"}};
}

TEST_F(StatCosti, PaymentsOfTheYearAreSummedByPaymentDateAndRoundedToWholeEuros) {
  appendCosts("2024", {
                          payment("10/01/2024", "10,40"),
                          payment("20/01/2024", "10,40"),  // 20,80: 21
                          payment("05/02/2024", "2,50"),   // 3
                          payment("05-03-2024", "-2,70"),  // any separator; -2
                          payment("06/04/2024", "1000"),
                          payment("07/04/2024", "dieci"),  // not a number: left out
                          payment("08/04/2024", ""),
                          payment("09/05/2023", "500"),  // paid in another year: not counted
                          payment("9/6/2024", "500"),    // one-digit day and month: nowhere
                          payment("31/12/2024", "0,49"),
                      });
  EXPECT_EQ(w->txtAnno->text(), "2024");
  click(w->btnApri);

  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(monthLabels(), QStringList({"21", "3", "-2", "1000", "0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(w->lblFile->text(), QDir(dir.path()).filePath("2024.eur"));
  EXPECT_EQ(w->lblTitolo->text(), "Rappresentazione grafica dei costi sostenuti nell'anno 2024.");
  EXPECT_TRUE(w->panContainer->isVisible());

  const platform::Chart& chart = w->ChartStats->chart();
  EXPECT_EQ(chart.title, "Statistiche costi mensili");
  EXPECT_EQ(chart.foot, "Tutti gli importi sono arrotondati all'euro");
  EXPECT_EQ(chart.legendTitle, "Costi sostenuti:");
  const std::pair<const char*, QColor> months[] = {
      {"Gennaio", QColor(0xFF, 0x00, 0x00)},   {"Febbraio", QColor(0x00, 0x00, 0xFF)},
      {"Marzo", QColor(0xFF, 0xFF, 0xFF)},     {"Aprile", QColor(0xFF, 0x00, 0xFF)},
      {"Maggio", QColor(0xC0, 0xDC, 0xC0)},    {"Giugno", QColor(0xFF, 0xFF, 0x00)},
      {"Luglio", QColor(0x00, 0xFF, 0x00)},    {"Agosto", QColor(0xC0, 0xC0, 0xC0)},
      {"Settembre", QColor(0xF0, 0xFB, 0xFF)}, {"Ottobre", QColor(0x87, 0xCE, 0xEB)},
      {"Novembre", QColor(0x80, 0x00, 0x00)},  {"Dicembre", QColor(0x00, 0x80, 0x00)},
  };
  ASSERT_EQ(chart.points.size(), 12u);
  for (std::size_t m = 0; m < 12; ++m) {
    SCOPED_TRACE(months[m].first);
    EXPECT_EQ(chart.points[m].label, months[m].first);
    EXPECT_EQ(chart.points[m].colour, months[m].second);
    EXPECT_EQ(platform::chartValueText(chart.points[m].value), monthLabels()[static_cast<int>(m)]);
  }
}

TEST_F(StatCosti, AYearWithoutArchiveChartsTwelveZerosAndAYearIsFourAsciiDigits) {
  expectMissingYearChartsZerosAndOnlyFourDigitsNameAYear(".eur");
}

TEST_F(StatCosti, TextsPicturesAndBackgroundAreTheCostChartsOwn) {
  struct Case {
    const char* name;
    QString shown;
    QString expected;
  } cases[] = {
      {"caption", w->windowTitle(), " Velmora 4.0 - Statistiche costi mensili"},
      {"imgTitolo", w->imgTitolo->text(), "STATISTICHE COSTI MENSILI"},
      {"lblApri", w->lblApri->text(), "Indicare l'anno solare e premere Apri."},
      {"lblTitolo", w->lblTitolo->text(), "Rappresentazione grafica dei costi sostenuti nell'anno solare."},
      {"lblRigo04", w->lblRigo04->text(),
       "Il presente grafico statistico mostra i costi sostenuti in ciascun mese dell'anno per i veicoli della "
       "flotta automezzi."},
      {"panInfo", w->panInfo->text(), "Grafico statistico dei costi annuali."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.shown, c.expected);
  }
  EXPECT_EQ(w->kind(), platform::WindowKind::Maximized);
  for (const char* picture : {"imgLogo02", "icoOperatore", "imgFattura", "effAnno"}) {
    SCOPED_TRACE(picture);
    EXPECT_NE(w->findChild<QWidget*>(picture), nullptr);
  }
  EXPECT_FALSE(find<QLabel>(w, "imgFattura")->pixmap().isNull());
  // The backdrop starts from the cost chart's blue at the top.
  EXPECT_EQ(pixelAt(w, QPoint(2, 0)), QColor(0x42, 0x7A, 0xA8));
}

TEST_F(StatCosti, StatusHints) {
  expectHints(
      {
          {w->btnBarre, "Visualizza le statistiche dei costi sotto forma di grafico a barre tridimensionali."},
          {w->btnTorta, "Visualizza le statistiche dei costi sotto forma di grafico a torta tridimensionale."},
          {w->btnStampa, "Stampa il grafico corrente."},
          {w->btnEsci, "Esci da questo ambiente di lavoro."},
          {w->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
      },
      {"panContainer", "shpSezione01", "shpInfo", "ChartStats", "bkgSezione01", "imgFattura"});
}

TEST_F(StatCosti, HelpFromEitherPanel) {
  expectHelpFromBothPanels(
      "App Statistiche costi mensili",
      {"L'app Statistiche costi mensili consente di visualizzare e stampare grafici statistici dei costi sostenuti "
       "in ciascun mese dell'anno per i veicoli della flotta automezzi.",
       "La prima operazione da eseguire per visualizzare i grafici statistici è quella di indicare l'anno solare di "
       "interesse.",
       "Il grafico che appare è costituito da dodici barre tridimensionali, ognuna corrispondente a un mese "
       "dell'anno solare."},
      "Il pulsante Stampa grafico consente di ottenere su carta il grafico visualizzato in quel momento unitamente "
      "agli importi relativi ai costi mensili.");
}

TEST_F(StatCosti, ClosingGoesBackToTheLauncher) { expectClosingShowsTheLauncher(w->imgEsci); }

}  // namespace
