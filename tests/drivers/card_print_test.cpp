// The driver card print: the card on screen, saved or not, on one A4 page of framed
// rows, the town with its province and the card number with its expiry.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/app.h"
#include "core/clock.h"
#include "drivers/frm_anagrafica.h"
#include "drivers/frm_stampa_conduttore.h"
#include "platform/report/report.h"
#include "platform/widgets.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using namespace platform::report;

namespace {

class DriverCardPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    card = new TfrmAnagrafica(nullptr);
    app().adopt(card);
    host.printPdfPath = pdfDir.filePath(QStringLiteral("scheda.pdf"));
    // Every edit typed with blanks around it, a new card never saved.
    for (QWidget* field : card->fields()) {
      const QString text = QStringLiteral(" ") + field->objectName().mid(3) + QStringLiteral("  ");
      if (auto* e = qobject_cast<QLineEdit*>(field)) e->setText(text);
    }
    card->txtProv->setEditText(QStringLiteral(" TO "));
  }
  void TearDown() override { app().destroyWindows(); }

  const PreparedPage& prepared() {
    report = kit::makeCardReport(TfrmStampaConduttore::settings());
    kit::fillCardReport(*report, TfrmStampaConduttore::settings(), card);
    return report->preparedPages().at(0);
  }
  void printFromTheCard() {
    host.modalScripts.push_back([](platform::Form& f) { click(find<QPushButton>(&f, "btnStampa")); });
    click(card->cmdStampa);
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  QTemporaryDir pdfDir;
  TfrmAnagrafica* card = nullptr;
  std::unique_ptr<Report> report;
};

TEST_F(DriverCardPrint, TwentyFourRowsFromTheCardAsItStands) {
  core::PinnedClock pin(core::DateTime{{14, 6, 2024}, 16, 5, 0});
  const PreparedPage& page = prepared();
  EXPECT_EQ(report->name(), "Scheda Conduttore");
  EXPECT_EQ(page.orientation, QPageLayout::Portrait);
  EXPECT_EQ(page.find("txtTitolo")->text(), "SCHEDA ANAGRAFICA CONDUTTORE");
  const std::vector<CardRow> rows = {
      {"txtConducente", "Cognome e nome:", "Conducente"},
      {"txtPatenti", "Patenti di guida:", "Patenti"},
      {"txtRecapito", "Recapito preferenziale:", "Recapito"},
      {"txtVia", "Indirizzo:", "Via"},
      {"txtCap", "CAP:", "Cap"},
      {"txtCitta", "Città:", "Citta TO"},
      {"txtCompensi", "Compensi pattuiti:", "Compensi"},
      {"txtTelCasa", "Tel. casa:", "TelCasa"},
      {"txtTelUff", "Tel. ufficio:", "TelUff"},
      {"txtTelCel", "Tel. cellulare:", "TelCel"},
      {"txtFax", "PEC:", "Fax"},
      {"txtEmail", "E-mail:", "Email"},
      {"txtCodFisc", "Codice fiscale:", "CodFisc"},
      {"txtCarta", "Carta di credito n.", "Carta  Scadenza: ScadeCarta"},
      {"txtPartitaIva", "Partita IVA:", "PartitaIva"},
      {"txtIban", "IBAN:", "Iban"},
      {"txtVeicolo", "Tipo veicolo:", "Veicolo"},
      {"txtMarca", "Marca:", "Marca"},
      {"txtModello", "Modello:", "Modello"},
      {"txtColore", "Colore:", "Colore"},
      {"txtAlimentazione", "Alimentazione:", "Alimentazione"},
      {"txtTarga", "Targa:", "Targa"},
      {"txtProgramma", "Programma ferie:", "Programma"},
      {"txtNote", "Note:", "Note"},
  };
  ASSERT_EQ(rows.size(), 24u);
  expectCardRows(page, rows, /*firstTopMm=*/10 + 7.5);  // 5 mm apart
  EXPECT_EQ(page.find("txtCalce")->text(), "Stampa eseguita in data 14/06/2024 alle ore " + timeText(QTime(16, 5)));
  for (const char* notPrinted : {"txtFerie", "chkFerie", "lblFile01"}) EXPECT_EQ(page.find(notPrinted), nullptr);
}

TEST_F(DriverCardPrint, NoProvinceLeavesTheBlankNoCardNumberKeepsTheLeadingBlanks) {
  card->txtProv->setEditText(QString());
  card->txtCarta->clear();
  card->txtScadeCarta->setText(QStringLiteral("03/2027"));
  const PreparedPage& page = prepared();
  EXPECT_EQ(page.find("txtCitta")->text(), "Citta ");
  EXPECT_EQ(page.find("txtCarta")->text(), "  Scadenza: 03/2027");
}

TEST_F(DriverCardPrint, TheCardPrintsThroughThePrintDialogAndCloses) {
  printFromTheCard();
  EXPECT_EQ(host.modalShown, QStringList{"TfrmStampaConduttore"});
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  ASSERT_TRUE(QFile::exists(host.printPdfPath));
  keepPdf(host.printPdfPath, "scheda_conduttore.pdf");
  const std::optional<QString> pdf = pdfText(host.printPdfPath);
  if (!pdf) return;
  const QString& text = *pdf;
  EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
  for (const char* expected : {"SCHEDA ANAGRAFICA CONDUTTORE", "Cognome e nome:", "Citta TO", "Stampa eseguita in data"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST_F(DriverCardPrint, AFailureWarnsWithTheCardPrintsTextAndCloses) {
  host.printPdfPath = pdfDir.filePath(QStringLiteral("manca/scheda.pdf"));  // cannot be written
  printFromTheCard();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, platform::MsgKind::Warning);
  EXPECT_EQ(host.last().text, kCardPrintFailure);
  EXPECT_EQ(host.modalShown, QStringList{"TfrmStampaConduttore"});

  host.clear();
  host.modalScripts.push_back([](platform::Form& f) { click(find<QPushButton>(&f, "btnAnnulla")); });
  click(card->cmdStampa);
  EXPECT_EQ(host.printDialogs, 1);  // Annulla printed nothing
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
