// The fuel and distance summary: the selection window's entries and checks, and the
// summary they open: the trips of the interval, sorted by their text, the totals,
// list find across openings, the print with its title and trailer, and the failures.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "core/clock.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/app/summary_menu_test.h"
#include "support/scripted_host.h"
#include "support/summary_menu.h"
#include "trips/frm_menu_riep_costi.h"
#include "trips/trip_archive.h"
#include "trips/trip_fixtures.h"

using platform::MsgKind;

namespace {

TripFields tripOn(const QString& date, const QString& luogo, const QString& targa, const QString& litri,
                  const QString& km, const QString& costo) {
  return {{"DataPartenza", date}, {"DataRientro", date}, {"Luogo", luogo}, {"Veicolo", "Fiat Ducato"},
          {"Targa", targa},      {"LitriTot", litri},  {"KmPercorsi", km}, {"ImportoTot", costo}};
}
QString lineOf(const TripFields& t) {
  return platform::fromCore(trips::fuelSummaryLine().build(tripRecord(t)));
}

class RiepCosti : public SummaryMenuTest<TfrmMenuRiepCosti, TfrmRiepCosti, &App::frmMenuRiepCosti> {
 protected:
  QLineEdit* txtCliente() { return m->plateFilter(); }
  QLineEdit* txtTarga() { return static_cast<QLineEdit*>(m->txtOther); }
};

TEST_F(RiepCosti, MenuStartsFromTheCurrentYearAndEmptyEntries) {
  EXPECT_EQ(m->windowTitle(), " Velmora 4.0 - Riepilogo consumi carburante e chilometri percorsi");
  txtCliente()->setText("AB");
  txtTarga()->setText("Milano");
  interval("05", "Marzo", "12", "Marzo");
  m->txtAnno->setText("2023");
  m->hide();
  m->showWindow();
  EXPECT_EQ(m->txtAnno->text(), "2024");
  EXPECT_EQ(m->lblAnnoInizio->text(), "2024");
  EXPECT_EQ(m->lblAnnoFine->text(), "2024");
  EXPECT_TRUE(txtCliente()->text().isEmpty());
  EXPECT_TRUE(txtTarga()->text().isEmpty());
  EXPECT_TRUE(m->txtGiornoInizio->currentText().isEmpty());
  EXPECT_TRUE(m->txtMeseFine->currentText().isEmpty());
  EXPECT_FALSE(m->lblAttendere->isVisible());

  activate(m);
  EXPECT_EQ(QApplication::focusWidget(), txtCliente());
  // The year takes four digits only and follows into both year labels.
  m->txtAnno->clear();
  m->txtAnno->setFocus();
  QTest::keyClicks(m->txtAnno, "2x0-251");
  EXPECT_EQ(m->txtAnno->text(), "2025");
  EXPECT_EQ(m->lblAnnoInizio->text(), "2025");
  EXPECT_EQ(m->lblAnnoFine->text(), "2025");
  // The plate shows capitals without end blanks.
  txtCliente()->setFocus();
  QTest::keyClicks(txtCliente(), " ab1");
  EXPECT_EQ(txtCliente()->text(), "AB1");
  EXPECT_EQ(qobject_cast<platform::FilteredEdit*>(txtCliente())->inputLimit(), 30);
  EXPECT_EQ(qobject_cast<platform::FilteredEdit*>(txtTarga())->inputLimit(), 120);

  // Enter moves along the entries to the button.
  m->txtAnno->setFocus();
  QWidget* chain[] = {txtCliente(),      txtTarga(),       m->txtGiornoInizio, m->txtMeseInizio,
                      m->txtGiornoFine, m->txtMeseFine, m->btnVisualizza};
  for (QWidget* next : chain) {
    pressKey(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
  EXPECT_TRUE(host.modalShown.isEmpty());
}

TEST_F(RiepCosti, ChecksStopAtTheFirstFailureWithItsBoxAndFocus) {
  activate(m);
  const QString kValid = "Per poter visualizzare il riepilogo è necessario indicare una data valida.";
  const SummaryCheckCase cases[] = {
      {"three-digit year before anything else", "202", "", "", "", "", MsgKind::Warning,
       "Attenzione: indicare l'anno solare utilizzando quattro cifre.", m->txtAnno},
      {"start day", "2024", "", "Marzo", "10", "Marzo", MsgKind::Warning,
       "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.", m->txtGiornoInizio},
      {"start month", "2024", "05", "", "", "", MsgKind::Warning,
       "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.", m->txtMeseInizio},
      {"end day", "2024", "05", "Marzo", "", "", MsgKind::Warning,
       "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.", m->txtGiornoFine},
      {"end month", "2024", "05", "Marzo", "10", "", MsgKind::Warning,
       "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.", m->txtMeseFine},
      {"31 February", "2024", "31", "Febbraio", "10", "Marzo", MsgKind::Plain,
       "Attenzione: la data 31/02/2024 di inizio intervallo non esiste.\n\r\n\r" + kValid, m->txtGiornoInizio},
      {"the year 0000 reaches the date check", "0000", "05", "Marzo", "10", "Marzo", MsgKind::Plain,
       "Attenzione: la data 05/03/0000 di inizio intervallo non esiste.\n\r\n\r" + kValid, m->txtGiornoInizio},
      {"31 April", "2024", "05", "Marzo", "31", "Aprile", MsgKind::Plain,
       "Attenzione: la data 31/04/2024 di fine intervallo non esiste.\n\r\n\r" + kValid, m->txtGiornoFine},
      {"end before start: the focus stays", "2024", "10", "Marzo", "05", "Marzo", MsgKind::Plain,
       "Attenzione: la data di fine intervallo (05/03/2024) non può essere anteriore a quella di inizio intervallo "
       "(10/03/2024).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido.",
       nullptr},
  };
  expectSummaryChecks(*m, host, txtTarga(), cases);
}

TEST_F(RiepCosti, SummaryListsTheIntervalBothEndsIncludedWithTheTotals) {
  const TripFields before = tripOn("04/03/2024", "Milano", "AB123CD", "50", "500", "99,00");
  const TripFields first = tripOn("05/03/2024", "Milano", "AB123CD", "30", "120", "0,10");
  const TripFields last = tripOn("12/03/2024", "Torino", "XY987ab", "45,5", "-20", "0,20");
  const TripFields after = tripOn("13/03/2024", "Milano", "AB123CD", "50", "500", "99,00");
  const TripFields other = tripOn("06/03/2024", "Roma", "EF456GH", "10", "100", "80");
  appendTrips({before, first, last, after, other});
  interval("05", "Marzo", "12", "Marzo");
  txtCliente()->setText("ab");  // two letters, in any case
  bool shown = false;
  view([&](TfrmRiepCosti& s) {
    shown = true;
    EXPECT_EQ(s.windowTitle(), " Velmora 4.0 - Riepilogo consumi carburante e chilometri percorsi");
    EXPECT_EQ(s.kind(), platform::WindowKind::Maximized);
    EXPECT_EQ(listLines(s.lstRecords), (QStringList{lineOf(first), lineOf(last)}));
    EXPECT_EQ(s.titTipologia->text(), "ab");
    EXPECT_EQ(s.lblConta->text(), "1");
    EXPECT_EQ(s.lblIntervallo->text(), "Dal   05/03/2024   al   12/03/2024");
    EXPECT_EQ(s.lblLitriTot->text(), "75,5");
    EXPECT_EQ(s.lblKmPercorsi->text(), "100");
    EXPECT_EQ(s.lblTotCosti->text(), "0,30");
  });
  EXPECT_TRUE(shown);

  // No filter, one day: 80 shows as an amount; the plate shows "- - -".
  txtCliente()->clear();
  interval("06", "Marzo", "06", "Marzo");
  view([&](TfrmRiepCosti& s) {
    EXPECT_EQ(listLines(s.lstRecords), QStringList{lineOf(other)});
    EXPECT_EQ(s.titTipologia->text(), "- - -");
    EXPECT_EQ(s.lblTotCosti->text(), "80,00");
    EXPECT_EQ(s.lblLitriTot->text(), "10");
  });

  // The whole year: the lines in text order, the day first (05/03 before 12/01).
  const TripFields january = tripOn("12/01/2024", "Bari", "AB000AA", "1", "1", "1");
  appendTrips({january});
  interval("01", "Gennaio", "31", "Dicembre");
  view([&](TfrmRiepCosti& s) {
    const QStringList lines = listLines(s.lstRecords);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_LT(lines.indexOf(lineOf(first)), lines.indexOf(lineOf(january)));
  });
}

TEST_F(RiepCosti, FiltersMatchAsTypedAndABlankDestinationNeverMatches) {
  const TripFields milano = tripOn("05/03/2024", "Milano centro", "AB123CD", "1", "1", "1");
  const TripFields reggio = tripOn("05/03/2024", "Reggio Emilia", "EF456GH", "2", "2", "2");
  appendTrips({milano, reggio});
  interval("01", "marzo", "31", "MARZO");  // months compared with A-Z folded
  struct Case {
    const char* name;
    QString plate, destination;
    QStringList lines;
  } cases[] = {
      {"both filters must match", "ab", "milano", {lineOf(milano)}},
      {"one matching of two is not enough", "ab", "reggio", {}},
      {"a destination of blanks with a plate: the plate decides", "ab", "  ", {lineOf(milano)}},
      {"a destination of blanks alone counts for nothing", "", " ", {lineOf(milano), lineOf(reggio)}},
      {"a trailing blank is matched as typed", "", "Reggio ", {lineOf(reggio)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    txtCliente()->setText(c.plate);
    txtTarga()->setText(c.destination);
    view([&](TfrmRiepCosti& s) { EXPECT_EQ(listLines(s.lstRecords), c.lines); });
  }
}

TEST_F(RiepCosti, NothingSelectedShowsZeroTotalsAndRefusesThePrint) {
  appendTrips({tripOn("05/03/2024", "Milano", "AB123CD", "1", "1", "1")});
  interval("01", "Aprile", "30", "Aprile");
  view([&](TfrmRiepCosti& s) {
    EXPECT_EQ(listCount(s.lstRecords), 0);
    EXPECT_EQ(s.lblLitriTot->text(), "0");
    EXPECT_EQ(s.lblKmPercorsi->text(), "0");
    EXPECT_EQ(s.lblTotCosti->text(), "0,00");
    click(s.btnStampa);
  });
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(host.last().text, "Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
  EXPECT_EQ(host.printDialogs, 0);
}

TEST_F(RiepCosti, PrintTitleAndTrailerLines) {
  appendTrips({tripOn("05/03/2024", "Milano", "AB123CD", "30", "120", "0,10"),
               tripOn("07/03/2024", "Torino", "AB123CD", "12", "80", "10,125")});
  interval("01", "Marzo", "31", "Marzo");
  txtCliente()->setText("AB123CD");
  host.printPdfPath = dir.file("riepilogo.pdf");
  QStringList trailer;
  QString title;
  view([&](TfrmRiepCosti& s) {
    title = s.printTitle();
    trailer = s.printTrailer();
    host.answers.push_back(false);  // "No" stops the print
    click(s.btnStampa);
    EXPECT_EQ(host.printDialogs, 0);
    click(s.btnStampa);  // "Yes"
    EXPECT_EQ(host.printDialogs, 1);
  });
  EXPECT_EQ(host.texts(), QStringList({"Si vuole stampare il presente riepilogo?", "Si vuole stampare il presente riepilogo?"}));
  EXPECT_EQ(title, "Riepilogo consumi carburante e km percorsi   -   Targa veicolo:  AB123CD");
  EXPECT_EQ(trailer, QStringList({
                         "- - - - - - - - - - - - - - - -",
                         "INTERVALLO SELEZIONATO:            Dal   01/03/2024   al   31/03/2024",
                         "TOTALE LITRI CARBURANTE:           42",
                         "KM PERCORSI:                       200",
                         "TOTALE COSTI CARBURANTE:           € 10,225",
                     }));
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-layout", dir.file("riepilogo.pdf"), "-"});
  if (!pdftotext.waitForFinished(20000)) GTEST_SKIP() << "pdftotext not available";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QRegularExpression("Riepilogo consumi carburante e km percorsi +- +Targa veicolo: +AB123CD")));
  EXPECT_TRUE(text.contains("TOTALE COSTI CARBURANTE:           € 10,225")) << text.toStdString();
}

TEST_F(RiepCosti, FindTextSurvivesAReopeningAndEnterInItDoesNothing) {
  appendTrips({tripOn("05/03/2024", "Milano", "AB123CD", "1", "1", "1"),
               tripOn("06/03/2024", "Milano", "AB123CD", "1", "1", "1"),
               tripOn("07/03/2024", "Torino", "AB123CD", "1", "1", "1")});
  interval("01", "Marzo", "31", "Marzo");
  view([&](TfrmRiepCosti& s) {
    s.txtTrova->setText("milano");
    pressKey(s.txtTrova, Qt::Key_Return);  // Enter does not press "Trova"
    EXPECT_EQ(s.lstRecords->currentIndex().row(), -1);
    click(s.btnTrova);
    EXPECT_EQ(s.lstRecords->currentIndex().row(), 0);
  });
  // A new opening: the text is not new, so the search starts after the first line.
  view([&](TfrmRiepCosti& s) {
    EXPECT_TRUE(s.txtTrova->text().isEmpty());
    s.txtTrova->setText("milano");
    click(s.btnTrova);
    EXPECT_EQ(s.lstRecords->currentIndex().row(), 1);
    // The list has no double-click.
    selectLine(s.lstRecords, 0);
    QTest::mouseDClick(s.lstRecords->viewport(), Qt::LeftButton, Qt::NoModifier,
                       s.lstRecords->visualRect(s.lstRecords->model()->index(0, 0)).center());
    EXPECT_TRUE(s.isVisible());
  });
  EXPECT_TRUE(host.boxes.empty());
}

// A trip whose date or a summed figure does not convert is left out whole and the
// scan goes on: the totals are those of the lines shown.
TEST_F(RiepCosti, ATripThatDoesNotConvertIsLeftOutWhole) {
  const TripFields good = tripOn("05/03/2024", "Milano", "AB123CD", "10", "100", "15,00");
  appendTrips({tripOn("06/03/2024", "Milano", "AB123CD", "abc", "100", "15,00"), good,
               tripOn("31/02/2024", "Milano", "AB123CD", "10", "100", "15,00"),
               tripOn("07/03/2024", "Milano", "AB123CD", "10", "100", "1.000")});
  interval("01", "Febbraio", "31", "Marzo");
  view([&](TfrmRiepCosti& s) {
    EXPECT_EQ(listLines(s.lstRecords), QStringList{lineOf(good)});
    EXPECT_EQ(s.lblLitriTot->text(), "10");
    EXPECT_EQ(s.lblKmPercorsi->text(), "100");
    EXPECT_EQ(s.lblTotCosti->text(), "15,00");
  });
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RiepCosti, AnArchiveThatCannotBeReadOpensNoSummary) {
  expectUnreadableArchiveRefused(kTripArchive);
}

TEST_F(RiepCosti, WaitLabelStaysWhileTheSummaryIsOpenAndHelp) {
  interval("01", "Marzo", "31", "Marzo");
  bool waiting = false;
  QString title, text;
  host.modalScripts.push_back([&](platform::Form& f) {
    waiting = m->lblAttendere->isVisible();
    click(static_cast<TfrmRiepCosti&>(f).imgGuida);
    click(static_cast<TfrmRiepCosti&>(f).btnEsci);
  });
  host.modalScripts.push_back([&](platform::Form& f) {
    title = static_cast<TfrmGuida&>(f).title();
    text = static_cast<TfrmGuida&>(f).text();
  });
  pressVisualizza(*m);
  EXPECT_EQ(host.modalShown, QStringList({"TfrmRiepCosti", "TfrmGuida"}));
  EXPECT_TRUE(waiting);
  EXPECT_FALSE(m->lblAttendere->isVisible());  // hidden by the summary's close
  EXPECT_EQ(title, "App Riepilogo consumi carburante e chilometri percorsi");
  EXPECT_EQ(text.split("\r\n\r\n").size(), 7);

  // "Esci" returns to the launcher.
  click(m->btnEsci);
  EXPECT_FALSE(m->isVisible());
  EXPECT_TRUE(app().window("TfrmAvvio")->isVisible());
}

}  // namespace
