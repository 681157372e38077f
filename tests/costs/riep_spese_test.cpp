// The cost summary: the long-lived selection window's entries and checks, and the
// summary they open: the payments of the interval as cost list lines, sorted by their
// text, the total, list find across openings, the print, the help and the failures.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/app.h"
#include "core/clock.h"
#include "costs/cost_fixtures.h"
#include "costs/frm_menu_riep_spese.h"
#include "kit/list_find.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "support/helpers.h"
#include "support/result_list.h"
#include "support/app/summary_menu_test.h"
#include "support/scripted_host.h"
#include "support/summary_menu.h"
#include "support/vehicle_archive.h"
#include "vehicles/frm_trova_automezzi.h"

using platform::MsgKind;

namespace {

CostFields payment(const QString& date, const QString& targa, const QString& causale, const QString& importo,
                   const QString& marca = "Fiat", const QString& modello = "Ducato") {
  return {{"Data", date},         {"Targa", targa},     {"Causale", causale},
          {"Importo", importo},   {"Marca", marca},     {"Modello", modello},
          {"Beneficiario", "Officina Rossi"}, {"Saldato", "No"}};
}

class RiepSpese : public SummaryMenuTest<TfrmMenuRiepSpese, TfrmRiepSpese, &App::frmMenuRiepSpese> {
 protected:
  void SetUp() override {
    SummaryMenuTest::SetUp();
    m->txtAnno->setText("2023");
  }
  QLineEdit* txtTipologia() { return m->plateFilter(); }
  QComboBox* txtCausale() { return m->txtCausale(); }
};

TEST_F(RiepSpese, MenuKeepsPlateAndCausalButStartsFromTheCurrentYearAndEmptyDays) {
  EXPECT_EQ(m->windowTitle(), " Velmora 4.0 - Riepilogo costi sostenuti");
  EXPECT_EQ(m->kind(), platform::WindowKind::Maximized);
  EXPECT_EQ(txtTipologia()->objectName(), "txtTipologia");
  EXPECT_EQ(find<QLabel>(m, "titTipologia")->text(), "Targa:");
  EXPECT_EQ(find<QLabel>(m, "Label1")->text(), "Causale:");
  EXPECT_EQ(qobject_cast<platform::FilteredEdit*>(txtTipologia())->inputLimit(), 30);
  EXPECT_EQ(txtCausale()->lineEdit()->maxLength(), 50);
  EXPECT_EQ(txtCausale()->count(), 16);
  EXPECT_EQ(txtCausale()->itemText(0), "Acquisto accessori");
  EXPECT_EQ(txtCausale()->itemText(11), "Revisione");
  EXPECT_EQ(txtCausale()->itemText(15), "Tagliando");
  for (const char* eff : {"effAnno", "effTipologia", "effCausale", "effGiornoInizio", "effMeseInizio", "effGiornoFine",
                          "effMeseFine"})
    EXPECT_NE(m->findChild<platform::HighlightRect*>(eff), nullptr) << eff;

  txtTipologia()->setText("AB123CD");
  txtCausale()->setCurrentIndex(3);  // "Bollo"
  interval("05", "Marzo", "12", "Marzo");
  m->hide();
  m->showWindow();
  EXPECT_EQ(m->txtAnno->text(), "2024");
  EXPECT_EQ(m->lblAnnoInizio->text(), "2024");
  EXPECT_EQ(m->lblAnnoFine->text(), "2024");
  EXPECT_EQ(txtTipologia()->text(), "AB123CD");
  EXPECT_EQ(txtCausale()->currentText(), "Bollo");
  for (QComboBox* c : {static_cast<QComboBox*>(m->txtGiornoInizio), static_cast<QComboBox*>(m->txtMeseInizio),
                       static_cast<QComboBox*>(m->txtGiornoFine), static_cast<QComboBox*>(m->txtMeseFine)}) {
    EXPECT_TRUE(c->currentText().isEmpty()) << c->objectName().toStdString();
    EXPECT_EQ(c->currentIndex(), -1);
  }

  activate(m);
  EXPECT_EQ(QApplication::focusWidget(), txtTipologia());
  // The plate is upper-cased and trimmed as it is typed.
  txtTipologia()->clear();
  QTest::keyClicks(txtTipologia(), " ab1");
  EXPECT_EQ(txtTipologia()->text(), "AB1");
  // The causal drops its list selection as it takes the focus, and keeps its text.
  txtCausale()->setFocus();
  EXPECT_EQ(txtCausale()->currentIndex(), -1);
  EXPECT_EQ(txtCausale()->currentText(), "Bollo");
  QTest::keyClicks(txtCausale()->lineEdit(), " x");  // free text
  EXPECT_EQ(txtCausale()->currentText(), "Bollo x");

  // Enter moves along the entries to the button.
  m->txtAnno->setFocus();
  QWidget* chain[] = {txtTipologia(),   txtCausale(),   m->txtGiornoInizio, m->txtMeseInizio,
                      m->txtGiornoFine, m->txtMeseFine, m->btnVisualizza};
  for (QWidget* next : chain) {
    pressKey(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
  EXPECT_TRUE(host.modalShown.isEmpty());

  // "Esci" returns to the launcher.
  click(m->btnEsci);
  EXPECT_FALSE(m->isVisible());
  EXPECT_TRUE(app().window("TfrmAvvio")->isVisible());
}

TEST_F(RiepSpese, ChecksStopAtTheFirstFailureWithItsBoxAndFocus) {
  activate(m);
  const QString kValid = "Per poter visualizzare il riepilogo è necessario indicare una data valida.";
  const QString kYear = "Attenzione: indicare l'anno solare utilizzando quattro cifre.";
  const SummaryCheckCase cases[] = {
      {"three digits, before anything else", "202", "", "", "", "", MsgKind::Warning, kYear, m->txtAnno, "", ""},
      {"four characters that are not four digits", " 24 ", "05", "Marzo", "10", "Marzo", MsgKind::Warning, kYear,
       m->txtAnno, "", ""},
      {"a pasted path", "..\\x", "05", "Marzo", "10", "Marzo", MsgKind::Warning, kYear, m->txtAnno, "", ""},
      {"digits other than ASCII", "\u0662\u0660\u0662\u0663", "05", "Marzo", "10", "Marzo", MsgKind::Warning, kYear,
       m->txtAnno, "", ""},
      {"the year 0000 passes the year check, not the date's", "0000", "05", "Marzo", "10", "Marzo", MsgKind::Plain,
       "Attenzione: la data 05/03/0000 di inizio intervallo non esiste.\n\r\n\r" + kValid, m->txtGiornoInizio,
       "05/03/0000", ""},
      {"start day", "2023", "", "Marzo", "10", "Marzo", MsgKind::Warning,
       "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.", m->txtGiornoInizio,
       "", ""},
      {"start month", "2023", "05", " ", "", "", MsgKind::Warning,
       "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.", m->txtMeseInizio, "",
       ""},
      {"end day", "2023", "05", "Marzo", "", "Marzo", MsgKind::Warning,
       "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.", m->txtGiornoFine, "",
       ""},
      {"end month", "2023", "05", "Marzo", "10", "", MsgKind::Warning,
       "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.", m->txtMeseFine, "", ""},
      {"29 February of a common year", "2023", "29", "Febbraio", "10", "Marzo", MsgKind::Plain,
       "Attenzione: la data 29/02/2023 di inizio intervallo non esiste.\n\r\n\r" + kValid, m->txtGiornoInizio,
       "29/02/2023", ""},
      {"31 April", "2023", "05", "Marzo", "31", "Aprile", MsgKind::Plain,
       "Attenzione: la data 31/04/2023 di fine intervallo non esiste.\n\r\n\r" + kValid, m->txtGiornoFine,
       "05/03/2023", "31/04/2023"},
      {"end before start names the end first; the focus stays", "2023", "10", "Marzo", "01", "Marzo", MsgKind::Plain,
       "Attenzione: la data di fine intervallo (01/03/2023) non può essere anteriore a quella di inizio intervallo "
       "(10/03/2023).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido.",
       nullptr, "10/03/2023", "01/03/2023"},
  };
  expectSummaryChecks(*m, host, txtCausale(), cases);
}

TEST_F(RiepSpese, SummaryListsTheIntervalBothEndsIncludedSortedByTextWithItsTotal) {
  const CostFields before = payment("04/03/2023", "AB123CD", "Revisione", "99,00");
  const CostFields first = payment("05/03/2023", "AB123CD", "Revisione freni", "80", "Iveco", "Daily");
  const CostFields last = payment("12/03/2023", "XAB99", "Revisione", "0,10", "Alfa Romeo", "Giulia");
  const CostFields otherCause = payment("06/03/2023", "AB123CD", "Bollo", "0,20");
  const CostFields after = payment("13/03/2023", "AB123CD", "Revisione", "99,00");
  const CostFields noMake = payment("07/03/2023", "ZZ000ZZ", "Bollo", "3,1416", "", "Transit");
  appendCosts("2023", {before, first, last, otherCause, after, noMake});
  appendCosts("2024", {payment("06/03/2024", "AB123CD", "Revisione", "500")});
  interval("05", "Marzo", "12", "Marzo");

  struct Case {
    const char* name;
    QString plate, causal;
    QStringList lines;  // in list order
    QString plateShown, count, total;
  } cases[] = {
      {"a causal finds the longer causals holding it", "", "Revisione", {costLineOf(last), costLineOf(first)},
       "Tutte le targhe in archivio", "1", "80,10"},
      {"two plate characters, any case, with the causal", "ab", "Revisione", {costLineOf(last), costLineOf(first)},
       "ab", "2", "80,10"},
      {"no filter: the whole interval, by make", "", "",
       {costLineOf(noMake), costLineOf(last), costLineOf(otherCause), costLineOf(first)}, "Tutte le targhe in archivio",
       "0", "83,4416"},
      {"a causal typed with a trailing blank counts and finds nothing", "", "Bollo ", {},
       "Tutte le targhe in archivio", "1", "0,00"},
      {"a causal of blanks neither counts nor matches", "AB123CD", "   ", {costLineOf(otherCause), costLineOf(first)},
       "AB123CD", "1", "80,20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    txtTipologia()->setText(c.plate);
    txtCausale()->setEditText(c.causal);
    bool shown = false;
    view([&](TfrmRiepSpese& s) {
      shown = true;
      EXPECT_EQ(s.windowTitle(), " Velmora 4.0 - Riepilogo costi sostenuti");
      EXPECT_EQ(s.objectName(), "TfrmRiepSpese");
      EXPECT_EQ(listLines(s.lstRecords), c.lines);
      EXPECT_EQ(s.titTipologia->text(), c.plateShown);
      EXPECT_EQ(find<QLabel>(&s, "lblTipologia")->text(), "Targa selezionata:");
      EXPECT_EQ(s.lblConta->text(), c.count);
      EXPECT_EQ(s.lblIntervallo->text(), "Dal   05/03/2023   al   12/03/2023");
      ASSERT_NE(s.lblTotCosti, nullptr);
      EXPECT_EQ(s.lblTotCosti->text(), c.total);
      EXPECT_EQ(find<QLabel>(&s, "infTotKmPercorsi")->text(), "Totale costi sostenuti:");
      EXPECT_TRUE(m->lblAttendere->isVisible());
      EXPECT_EQ(s.focusWidget(), s.txtTrova);
      click(s.btnEsci);
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(m->lblAttendere->isVisible());  // hidden by the summary's close
  }
  EXPECT_EQ(m->lblFile->text(), platform::exePath("2023.eur"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RiepSpese, TotalsAreNormalisedAmounts) {
  struct Case {
    const char* name;
    QStringList amounts;
    QString total;
  } cases[] = {
      {"whole euros get two decimals", {"80"}, "80,00"},
      {"tiny floating errors vanish", {"0,10", "0,20"}, "0,30"},
      {"one decimal gets a trailing 0", {"12,5"}, "12,50"},
      {"up to four decimals stay", {"3,14159", "0"}, "3,1416"},
      {"nothing listed", {}, "0,00"},
  };
  int year = 2000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString y = QString::number(++year);
    std::vector<CostFields> payments;
    for (const QString& a : c.amounts) payments.push_back(payment("10/01/" + y, "AB123CD", "Bollo", a));
    appendCosts(y, payments);
    m->txtAnno->setText(y);
    interval("01", "Gennaio", "31", "Dicembre");
    view([&](TfrmRiepSpese& s) { EXPECT_EQ(s.lblTotCosti->text(), c.total); });
  }
}

// A payment whose date or amount does not convert is left out and the scan goes on:
// the total is that of the lines shown.
TEST_F(RiepSpese, APaymentThatDoesNotConvertIsLeftOutAndTheRestListed) {
  const CostFields good = payment("05/03/2023", "AB123CD", "Bollo", "15,00");
  const CostFields alsoGood = payment("09/03/2023", "AB123CD", "Bollo", "5", "Opel", "Astra");
  appendCosts("2023", {payment("06/03/2023", "AB123CD", "Bollo", "abc"), good,
                       payment("31/02/2023", "AB123CD", "Bollo", "15,00"), payment("07/03/2023", "AB123CD", "Bollo", ""),
                       payment("nessuna", "AB123CD", "Bollo", "15,00"), alsoGood});
  interval("01", "Febbraio", "31", "Marzo");
  view([&](TfrmRiepSpese& s) {
    EXPECT_EQ(listLines(s.lstRecords), QStringList({costLineOf(good), costLineOf(alsoGood)}));
    EXPECT_EQ(s.lblTotCosti->text(), "20,00");
    EXPECT_EQ(s.lblIntervallo->text(), "Dal   01/02/2023   al   31/03/2023");
  });
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RiepSpese, AnArchiveThatCannotBeReadOpensNoSummary) {
  expectUnreadableArchiveRefused("2023.eur");
}

TEST_F(RiepSpese, AMissingYearIsCreatedEmptyAndItsPrintRefused) {
  interval("01", "Gennaio", "31", "Dicembre");
  view([&](TfrmRiepSpese& s) {
    EXPECT_EQ(pixelAt(&s, QPoint(2, 0)), QColor(0x42, 0x7A, 0xA8));  // its own gradient's top
    EXPECT_EQ(listCount(s.lstRecords), 0);
    EXPECT_EQ(s.lblTotCosti->text(), "0,00");
    click(s.btnStampa);
  });
  EXPECT_TRUE(dir.exists("2023.eur"));
  EXPECT_EQ(QFileInfo(dir.file("2023.eur")).size(), 0);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(host.last().text, "Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
  EXPECT_EQ(host.printDialogs, 0);
}

TEST_F(RiepSpese, PrintAsksThenPrintsTheTitleWithThePlateAndThreeTrailerLines) {
  appendCosts("2023", {payment("05/03/2023", "AB123CD", "Bollo", "0,10"),
                       payment("07/03/2023", "AB123CD", "Revisione", "10,125")});
  interval("01", "Marzo", "31", "Marzo");
  struct Case {
    QString plate, title;
  } cases[] = {
      {"AB123CD", "Riepilogo costi sostenuti   -   Targa veicolo:  AB123CD"},
      {"", "Riepilogo costi sostenuti   -   Targa veicolo:  Tutte le targhe in archivio"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plate.toStdString());
    txtTipologia()->setText(c.plate);
    host.clear();
    host.printDialogs = 0;
    host.printPdfPath = dir.file("riepilogo.pdf");
    view([&](TfrmRiepSpese& s) {
      EXPECT_EQ(s.printTitle(), c.title);
      EXPECT_EQ(s.printTrailer(), QStringList({"- - - - - - - - - - - - - - - -",
                                               "INTERVALLO SELEZIONATO:        Dal   01/03/2023   al   31/03/2023",
                                               "TOTALE COSTI SOSTENUTI:        € 10,225"}));
      host.answers.push_back(false);  // "No" stops the print
      click(s.btnStampa);
      EXPECT_EQ(host.printDialogs, 0);
      click(s.btnStampa);  // "Yes"
      EXPECT_EQ(host.printDialogs, 1);
    });
    EXPECT_EQ(host.texts(),
              QStringList({"Si vuole stampare il presente riepilogo?", "Si vuole stampare il presente riepilogo?"}));
  }
}

TEST_F(RiepSpese, FindTextSurvivesAReopeningAndTheHelp) {
  appendCosts("2023", {payment("05/03/2023", "AB123CD", "Bollo", "1"), payment("06/03/2023", "AB123CD", "Bollo", "2"),
                       payment("07/03/2023", "AB123CD", "Multa", "3")});
  interval("01", "Marzo", "31", "Marzo");
  view([&](TfrmRiepSpese& s) {
    s.txtTrova->setText("bollo");
    click(s.btnTrova);
    EXPECT_EQ(s.lstRecords->currentIndex().row(), 0);
  });
  // A new opening: the text is not new, so the search starts after the first line.
  QString title, text;
  view([&](TfrmRiepSpese& s) {
    EXPECT_TRUE(s.txtTrova->text().isEmpty());
    s.txtTrova->setText("bollo");
    click(s.btnTrova);
    EXPECT_EQ(s.lstRecords->currentIndex().row(), 1);
    host.modalScripts.push_back([&](platform::Form& f) {
      title = static_cast<TfrmGuida&>(f).title();
      text = static_cast<TfrmGuida&>(f).text();
    });
    click(s.imgGuida);
  });
  EXPECT_EQ(host.modalShown, QStringList({"TfrmRiepSpese", "TfrmRiepSpese", "TfrmGuida"}));
  EXPECT_EQ(title, "App Riepilogo costi sostenuti");
  const QStringList paragraphs = text.split("\r\n\r\n");
  ASSERT_EQ(paragraphs.size(), 4);
  EXPECT_TRUE(paragraphs[1].contains("dell'automezzo, la data del saldo"));
  EXPECT_TRUE(paragraphs[1].contains("causali di pagamento, basta"));
  EXPECT_TRUE(paragraphs[2].contains("dal momento che serve a ottenere"));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RiepSpese, VehiclePickerWritesThePlateIntoTheLongLivedMenu) {
  appendVehicles({{{"Tipo", "Furgone"}, {"Marca", "Iveco"}, {"Modello", "Daily"}, {"Targa", " ef456gh "}}});
  txtCausale()->setEditText("Bollo");
  QString memory;
  host.modalScripts.push_back([&](platform::Form& f) {
    auto& picker = static_cast<TfrmTrovaAutomezzi&>(f);
    memory = picker.memory();
    click(picker.btnCerca);
    ASSERT_EQ(listCount(picker.lstRecords), 1);
    kit::selectRow(picker.lstRecords, 0);
    picker.lstRecordsDblClick();
  });
  click(m->impCliente);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmTrovaAutomezzi"});
  EXPECT_EQ(memory, "riepspese");
  EXPECT_EQ(txtTipologia()->text(), "ef456gh");  // as stored: the picker runs no key handler
  EXPECT_EQ(txtCausale()->currentText(), "Bollo");
}

}  // namespace
