// The trip card print: the trip on screen, saved or not, on one A4 page of framed
// rows under "SCHEDA RIEPILOGATIVA VIAGGIO", each refuelling row on one line.
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/app.h"
#include "core/clock.h"
#include "platform/report/report.h"
#include "platform/widgets.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "trips/frm_servizi.h"
#include "trips/frm_stampa_istruttore.h"

using namespace platform::report;

namespace {

class TripCardPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    app().createWindows();
    card = app().frmServizi;
    card->showWindow();  // a new card, never saved
    host.printPdfPath = pdfDir.filePath(QStringLiteral("scheda.pdf"));
  }
  void TearDown() override { app().destroyWindows(); }

  const PreparedPage& prepared() {
    report = kit::makeCardReport(TfrmStampaIstruttore::settings());
    kit::fillCardReport(*report, TfrmStampaIstruttore::settings(), card);
    return report->preparedPages().at(0);
  }

  core::PinnedClock pin{core::DateTime{{14, 3, 2024}, 9, 5, 0}};
  TempExeDir dir;
  ScriptedDialogHost host;
  QTemporaryDir pdfDir;
  TfrmServizi* card = nullptr;
  std::unique_ptr<Report> report;
};

TEST_F(TripCardPrint, TwentyFourRowsFromTheCardAsItStands) {
  card->txtLuogo->setText(QStringLiteral("  Milano  "));
  card->txtTarga->setText(QStringLiteral("AB123CD"));
  card->txtDataRif[0]->setText(QStringLiteral("14/03/2024"));
  card->txtOraRif[0]->setText(QStringLiteral(" 10:15"));
  card->txtStazione[0]->setText(QStringLiteral("Q8 Modena Nord"));
  card->txtLitri[0]->setText(QStringLiteral("40"));
  card->txtImporto[0]->setText(QStringLiteral("72,40"));
  // A row with only a station prints it with the other values empty.
  card->txtStazione[2]->setText(QStringLiteral("Eni"));
  card->txtLitri[2]->clear();
  card->txtImporto[2]->clear();
  const PreparedPage& page = prepared();
  EXPECT_EQ(report->name(), "Scheda Viaggio");
  EXPECT_EQ(page.orientation, QPageLayout::Portrait);
  EXPECT_EQ(page.find("txtTitolo")->text(), "SCHEDA RIEPILOGATIVA VIAGGIO");
  const QString kEmptyRefuel = QStringLiteral("Data:    Ora:    Stazione:    Litri: 0   Importo: € 0,00");
  const std::vector<CardRow> rows = {
      {"txtDataPartenza", "Data partenza:", "14/03/2024"},
      {"txtOraPartenza", "Ora partenza:", "09:05"},
      {"txtDataRientro", "Data rientro:", ""},
      {"txtOraRientro", "Ora rientro:", ""},
      {"txtLuogo", "Luogo destinazione:", "Milano"},
      {"txtItinerario", "Itinerario:", ""},
      {"txtScopo", "Scopo del viaggio:", ""},
      {"txtVeicolo", "Marca e modello veicolo:", ""},
      {"txtTarga", "Targa:", "AB123CD"},
      {"txtConduttore", "Conduttore:", ""},
      {"txtSupplementare", "Conduttore supplementare:", ""},
      {"txtPersone", "Altre persone a bordo:", ""},
      {"txtTotViaggiatori", "Tot. viaggiatori:", "0"},
      {"txtMerce", "Merce trasportata:", ""},
      {"txtRifornimento01", "Rifornimento 1:",
       "Data: 14/03/2024   Ora: 10:15   Stazione: Q8 Modena Nord   Litri: 40   Importo: € 72,40"},
      {"txtRifornimento02", "Rifornimento 2:", kEmptyRefuel},
      {"txtRifornimento03", "Rifornimento 3:", "Data:    Ora:    Stazione: Eni   Litri:    Importo: € "},
      {"txtRifornimento04", "Rifornimento 4:", kEmptyRefuel},
      {"txtRifornimento05", "Rifornimento 5:", kEmptyRefuel},
      {"txtLitriTot", "Tot. litri:", "0"},
      {"txtImportoTot", "Importo totale:", "0,00"},
      {"txtKmPartenza", "Km alla partenza:", "0"},
      {"txtKmRientro", "Km al rientro:", "0"},
      {"txtKmPercorsi", "Km percorsi:", "0"},
  };
  ASSERT_EQ(rows.size(), 24u);
  expectCardRows(page, rows);
  EXPECT_EQ(page.find("txtCalce")->text(), "Stampa eseguita in data 14/03/2024 alle ore " + timeText(QTime(9, 5)));
  EXPECT_EQ(page.find("lblFile01"), nullptr);
  EXPECT_TRUE(dir.read("Registro_Viaggi.pro").isEmpty());  // nothing read, nothing saved
}

TEST_F(TripCardPrint, PrintsThroughThePrintDialogAndCloses) {
  host.modalScripts.push_back([](platform::Form& f) {
    EXPECT_EQ(f.windowTitle(), " Stampa documento");
    click(find<QPushButton>(&f, "btnStampa"));
  });
  click(card->cmdStampa);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmStampaIstruttore"});
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  ASSERT_TRUE(QFile::exists(host.printPdfPath));
  keepPdf(host.printPdfPath, "scheda_viaggio.pdf");
  const std::optional<QString> pdf = pdfText(host.printPdfPath);
  if (!pdf) return;
  const QString& text = *pdf;
  EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
  for (const char* expected : {"SCHEDA RIEPILOGATIVA VIAGGIO", "Rifornimento 5:", "Importo: € 0,00", "Stampa eseguita in data"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST_F(TripCardPrint, AFailureWarnsAndAnnullaPrintsNothing) {
  host.printPdfPath = pdfDir.filePath(QStringLiteral("manca/scheda.pdf"));  // cannot be written
  host.modalScripts.push_back([](platform::Form& f) { click(find<QPushButton>(&f, "btnStampa")); });
  click(card->cmdStampa);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Warning);
  EXPECT_EQ(host.last().text, kCardPrintFailure);

  host.clear();
  host.modalScripts.push_back([](platform::Form& f) { click(find<QPushButton>(&f, "btnAnnulla")); });
  click(card->cmdStampa);
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
