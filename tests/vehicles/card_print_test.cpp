#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <stdexcept>

#include "platform/qtext.h"
#include "platform/report/report.h"
#include "support/card_print_checks.h"
#include "support/helpers.h"
#include "support/scripted_host.h"
#include "vehicles/frm_anteprima_automezzo.h"
#include "vehicles/frm_autoparco.h"
#include "vehicles/frm_stampa_automezzo.h"
#include "vehicles/vehicle_card_report.h"
#include "vehicles/vehicle_photo.h"

using namespace platform::report;

namespace {

const QString& kPrintFailure = kCardPrintFailure;
const QString kPreviewFailure = QString::fromUtf8(
    "Attenzione: la visualizzazione dell'anteprima di stampa del documento non è andata a buon fine.\n\r\n\r"
    "Si consiglia di ridurre le dimensioni della foto.");

QImage redPhoto() {
  QImage img(400, 300, QImage::Format_RGB32);
  img.fill(QColor(200, 30, 30));
  return img;
}

class CardPrint : public ::testing::Test {
 protected:
  TempExeDir exe;
  ScriptedDialogHost host;
  QTemporaryDir dir;
  TfrmAutoparco card{nullptr};

  void SetUp() override {
    host.printPdfPath = dir.filePath(QStringLiteral("scheda.pdf"));
    // Every field typed with blanks around it; what the card shows, saved or not.
    for (const QString& name : vehicles::cardPrintFields())
      edit(name)->setText(QStringLiteral("  ") + name.mid(3).toUpper() + QStringLiteral(" "));
    edit(QStringLiteral("txtTarga"))->setText(QStringLiteral(" AB123CD "));
    edit(QStringLiteral("txtNote"))->setText(QStringLiteral("Nota [DATE] ") + QString(200, QLatin1Char('n')));
  }

  QLineEdit* edit(const QString& name) { return find<QLineEdit>(&card, name); }
  vehicles::PhotoFrame* foto() { return find<vehicles::PhotoFrame>(&card, QStringLiteral("imgFoto")); }

  // Opens the dialog as the card does and clicks its action button.
  template <typename Dialog>
  void openAndClick(const char* button = "btnStampa") {
    Dialog dialog(&card);
    host.modalScripts.push_back([button](platform::Form& f) { click(find<QPushButton>(&f, button)); });
    dialog.showModalDialog();
    EXPECT_FALSE(dialog.isVisible());
  }
};

}  // namespace

TEST_F(CardPrint, ReportHoldsTheCardAsItStandsTrimmed) {
  auto report = vehicles::makeVehicleCardReport();
  report->page(0).orientation = QPageLayout::Landscape;  // filling puts it back to portrait
  vehicles::fillVehicleCardReport(*report, &card, redPhoto());
  const auto& pages = report->preparedPages();
  ASSERT_EQ(pages.size(), 1u);
  const PreparedPage& page = pages[0];
  EXPECT_EQ(page.orientation, QPageLayout::Portrait);
  EXPECT_NEAR(page.size.height(), mm(297), 0.01);

  ASSERT_EQ(vehicles::cardPrintFields().size(), 32);
  for (const QString& name : vehicles::cardPrintFields()) {
    SCOPED_TRACE(name.toStdString());
    const PreparedItem* item = page.find(name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), platform::trim(edit(name)->text()));
    EXPECT_FALSE(item->text().startsWith(QLatin1Char(' ')));
  }
  // Typed brackets stay as typed; a long value stays on one line.
  const PreparedItem* note = page.find(QStringLiteral("txtNote"));
  EXPECT_EQ(note->lines, QStringList{QStringLiteral("Nota [DATE] ") + QString(200, QLatin1Char('n'))});

  // Where things are (mm from the paper's corner: margins of 10 mm).
  struct Spot {
    const char* name;
    double left, top, width, height;
  };
  const Spot spots[] = {
      {"shpTitolo", 11, 11, 188, 8},         {"imgLogo", 11, 21, 188, 87},
      {"txtTipo", 12, 114.8, 90, 6},         {"txtTarga", 12, 144.8, 46, 6},
      {"txtLettura", 159, 159.8, 39, 6},     {"txtCompagnia", 59, 204.8, 139, 6},
      {"txtNote", 12, 279.8, 186, 6},
  };
  for (const Spot& s : spots) {
    SCOPED_TRACE(s.name);
    const PreparedItem* item = page.find(QString::fromLatin1(s.name));
    ASSERT_NE(item, nullptr);
    EXPECT_NEAR(item->rect.left(), mm(s.left), 0.01);
    EXPECT_NEAR(item->rect.top(), mm(s.top), 0.01);
    EXPECT_NEAR(item->rect.width(), mm(s.width), 0.01);
    EXPECT_NEAR(item->rect.height(), mm(s.height), 0.01);
  }
  EXPECT_EQ(page.find(QStringLiteral("txtNome"))->text(), QStringLiteral("SCHEDA VEICOLO"));
  EXPECT_EQ(page.find(QStringLiteral("imgLogo"))->image, redPhoto());
  // No footer, no date anywhere.
  for (const PreparedItem& item : page.items)
    EXPECT_FALSE(item.text().contains(dateText(report->preparedAt().date()))) << item.name.toStdString();
}

TEST_F(CardPrint, DialogsAreSmallFixedWindowsOverTheCard) {
  struct Case {
    std::unique_ptr<vehicles::VehicleCardDialog> dialog;
    const char* className;
    const char* caption;
    const char* action;
  };
  Case cases[] = {
      {std::make_unique<TfrmStampaAutomezzo>(&card), "TfrmStampaAutomezzo", " Stampa documento", "Stampa"},
      {std::make_unique<TfrmAnteprimaAutomezzo>(&card), "TfrmAnteprimaAutomezzo", " Anteprima di stampa",
       "Mostra anteprima"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    EXPECT_EQ(c.dialog->objectName(), QString::fromLatin1(c.className));
    EXPECT_EQ(c.dialog->windowTitle(), QString::fromLatin1(c.caption));
    EXPECT_EQ(c.dialog->kind(), platform::WindowKind::CentredOnOwner);
    EXPECT_EQ(c.dialog->size(), QSize(364, 287));
    EXPECT_EQ(find<QPushButton>(c.dialog.get(), QStringLiteral("btnStampa"))->text(), QString::fromLatin1(c.action));
    EXPECT_EQ(find<QPushButton>(c.dialog.get(), QStringLiteral("btnAnnulla"))->text(), QStringLiteral("Annulla"));
    EXPECT_FALSE(find<QLabel>(c.dialog.get(), QStringLiteral("imgLogo"))->isVisibleTo(c.dialog.get()));
    EXPECT_FALSE(find<QLabel>(c.dialog.get(), QStringLiteral("imgTemp"))->isVisibleTo(c.dialog.get()));
  }
}

TEST_F(CardPrint, ShowCopiesTheCardPhotoElseThePlaceholder) {
  foto()->setImage(redPhoto());
  {
    TfrmStampaAutomezzo dialog(&card);
    host.onModal = [](platform::Form&) {};
    dialog.showModalDialog();
    const QImage shown = find<QLabel>(&dialog, QStringLiteral("imgLogo"))->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(400, 300));
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(200, 30, 30));
  }
  foto()->setImage(QImage());
  {
    TfrmAnteprimaAutomezzo dialog(&card);
    dialog.showModalDialog();
    EXPECT_EQ(find<QLabel>(&dialog, QStringLiteral("imgLogo"))->pixmap().toImage(),
              find<QLabel>(&dialog, QStringLiteral("imgTemp"))->pixmap().toImage());
  }
}

TEST_F(CardPrint, PrintGoesToThePrinterAndCloses) {
  foto()->setImage(vehicles::blankPicture());
  openAndClick<TfrmStampaAutomezzo>();
  EXPECT_EQ(host.modalShown, QStringList{QStringLiteral("TfrmStampaAutomezzo")});
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.boxes.empty());
  ASSERT_TRUE(QFile::exists(host.printPdfPath));
  keepPdf(host.printPdfPath, QStringLiteral("scheda_veicolo.pdf"));

  const std::optional<QString> pdf = pdfText(host.printPdfPath);
  if (!pdf) return;
  const QString& text = *pdf;
  EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
  for (const char* expected : {"SCHEDA VEICOLO", "TIPO VEICOLO", "AB123CD", "COMPATIBILITA' AMBIENTALE",
                               "DESTINAZIONE", "Nota [DATE]"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
}

TEST_F(CardPrint, CancelOrAnnullaCloseWithoutAWord) {
  host.acceptPrint = false;
  openAndClick<TfrmStampaAutomezzo>();
  EXPECT_EQ(host.printDialogs, 1);
  openAndClick<TfrmStampaAutomezzo>("btnAnnulla");
  openAndClick<TfrmAnteprimaAutomezzo>("btnAnnulla");
  EXPECT_EQ(host.printDialogs, 1);
  EXPECT_TRUE(host.qtModalShown.isEmpty());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(QFile::exists(host.printPdfPath));
}

TEST_F(CardPrint, PreviewShowsThePreviewWindow) {
  int pages = -1;
  host.onQtModal = [&](QDialog& d) {
    auto* widget = d.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widget, nullptr);
    widget->updatePreview();
    pages = widget->pageCount();
  };
  openAndClick<TfrmAnteprimaAutomezzo>();
  EXPECT_EQ(host.qtModalShown, QStringList{QStringLiteral("QPrintPreviewDialog")});
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(host.printDialogs, 0);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(CardPrint, FailuresWarnAndClose) {
  struct Case {
    const char* name;
    bool preview;
    QString expected;
  };
  const Case cases[] = {{"print", false, kPrintFailure}, {"preview", true, kPreviewFailure}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.clear();
    // The printer cannot be written to; the preview window fails.
    host.printPdfPath = dir.filePath(QStringLiteral("manca/scheda.pdf"));
    host.onQtModal = [](QDialog&) { throw std::runtime_error("preview failed"); };
    if (c.preview) {
      openAndClick<TfrmAnteprimaAutomezzo>();
    } else {
      openAndClick<TfrmStampaAutomezzo>();
    }
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.last().kind, platform::MsgKind::Warning);
    EXPECT_EQ(host.last().text, c.expected);
  }
}

TEST_F(CardPrint, NoVehicleCardIsAFailureToo) {
  QWidget stranger;
  TfrmStampaAutomezzo dialog(&stranger);  // the program's card is not there in this test
  host.modalScripts.push_back([](platform::Form& f) { click(find<QPushButton>(&f, QStringLiteral("btnStampa"))); });
  dialog.showModalDialog();
  EXPECT_EQ(host.printDialogs, 0);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().text, kPrintFailure);
  // The placeholder took the photo's place.
  EXPECT_EQ(find<QLabel>(&dialog, QStringLiteral("imgLogo"))->pixmap().toImage(),
            find<QLabel>(&dialog, QStringLiteral("imgTemp"))->pixmap().toImage());
}
