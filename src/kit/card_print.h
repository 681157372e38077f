#pragma once
// The card print: the card on screen, saved or not, printed on one A4 portrait page
// through a report template built from settings, by a small dialog centred on the
// card ("Annulla" and the action button). The values come from the card's controls
// as they stand; nothing is read from the archive.
//
// Two layouts of the same rows:
//  - framed rows (driver, trip, gate): the title in a light-steel-blue box, then one
//    framed row per value, 5 mm apart, the caption at the left, a vertical rule, the
//    value memo at the right (Arial 7 pt), and the date and time of the print in the
//    gold footer `txtCalce`. The block of rows may stand more than once on the page
//    (the gate's two copies), each copy's memos named with its suffix, with a cut
//    line between them;
//  - headed boxes (vehicle): a royal-blue title bar, the card's photo, and each value
//    in a white box under a royal-blue heading strip, placed where its row says.
//
// A value is the trimmed text of the card control named like its memo, or composed
// from several controls ("{txtCitta} {txtProv}"): each control's text is trimmed, the
// composed text is not trimmed again. Memos print their text literally ("[DATE]"
// typed into a field stays as typed) and never wrap.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/form.h"
#include "platform/report/report.h"

class QLabel;
class QPainter;
class QPushButton;

namespace kit {

namespace cardprintmsg {
inline const QString kPrintCaption = QStringLiteral(" Stampa documento");
inline const QString kPrintFailure = QStringLiteral(
    "Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\r"
    "Si consiglia di ridurre le dimensioni della foto.");
inline const QString kPreviewFailure = QStringLiteral(
    "Attenzione: la visualizzazione dell'anteprima di stampa del documento non è andata a buon fine.\n\r\n\r"
    "Si consiglia di ridurre le dimensioni della foto.");
}  // namespace cardprintmsg

// One printed value.
struct CardPrintRow {
  const char* caption = nullptr;  // UTF-8
  const char* memo = nullptr;     // the value memo, named like the card control it prints
  // How the value is composed: control names in braces, each replaced by that
  // control's trimmed text, the rest literal ("{txtCarta}  Scadenza: {txtScadeCarta}").
  // Null: the trimmed text of the control named like the memo.
  const char* value = nullptr;
  // Headed boxes only: the top of the heading strip, the left edge and the width, in
  // millimetres inside the page's margins.
  double top = 0;
  double left = 0;
  double width = 0;
};

enum class CardPrintLayout { FramedRows, HeadedBoxes };

// One copy of the block of framed rows on the page.
struct CardPrintCopy {
  double offset = 0;            // mm below the first copy's place
  const char* suffix = "";      // appended to the names of the copy's memos ("_A")
  const char* tag = nullptr;    // a tag under the rows ("COPIA PER AZIENDA"); null: none
};

enum class CardPrintOutput { Print, Preview };

struct CardPrintSettings {
  QString dialogClass = {};                       // TfrmStampaConduttore
  QString caption = cardprintmsg::kPrintCaption;  // " Stampa documento"
  QString action = QStringLiteral("Stampa");      // the action button's text
  CardPrintOutput output = CardPrintOutput::Print;
  // The warning shown when filling, preparing or printing fails, after which the
  // dialog closes. Empty: the failure's own message in an error box, and the dialog
  // stays open.
  QString failure = cardprintmsg::kPrintFailure;
  // The long-lived card the values are read from: the dialog's owner when it is that
  // card, else the program's card of that class.
  QString cardClass = {};

  QString reportName = {};                     // "Scheda Conduttore"
  QString title = {};                          // "SCHEDA ANAGRAFICA CONDUTTORE"
  QString titleMemo = QStringLiteral("txtTitolo");
  CardPrintLayout layout = CardPrintLayout::FramedRows;
  std::span<const CardPrintRow> rows = {};
  std::vector<CardPrintCopy> copies = {{}};    // framed rows: the block once by default
  bool footer = true;                          // framed rows: the gold txtCalce
  // Framed rows: a line `linTaglio` across the page (0 to 190 mm) at this many mm below
  // the top of the printable area, with an arrowhead at each end, where the sheet is
  // cut between two copies; none when not set.
  std::optional<double> cutLine = {};
  // The template opens with an empty data page "Data", so its objects stand on page
  // index 1 (nothing is printed for the data page).
  bool dataPage = false;

  // Headed boxes: the picture object `imgLogo` under the title takes the card's photo
  // (`photo` gives it; null: the layout has no picture), or `placeholder` when the
  // card shows none.
  std::function<QPixmap(const QWidget* card)> photo = {};
  std::function<QPixmap()> placeholder = {};

  // The picture on the dialog's white panel; null: a sheet with framed rows.
  std::function<QPixmap()> picture = {};

  // A report of the window's own in place of a card's rows (the booking board's):
  // made, filled and prepared when the action button is pressed, from the dialog's
  // owner. Its failures are handled as a card report's.
  std::function<std::unique_ptr<platform::report::Report>(QWidget* owner)> report = {};
};

// The text of the footer: "Stampa eseguita in data dd/mm/yyyy alle ore " + the
// time in the system's time format.
QString printedAtText(const QDateTime& at);

// A fresh template built from the settings.
std::unique_ptr<platform::report::Report> makeCardReport(const CardPrintSettings& settings);
// The index of the page of the template that holds the card (1 after a data page).
int cardReportPage(const CardPrintSettings& settings);

// The value memos in the order they are filled (copy by copy, row by row).
QStringList cardPrintMemos(const CardPrintSettings& settings);

// The text of a card control (edit, combo, label, memo) as it stands, a check box's
// "Sì" or "No"; throws ReportError when the card has no such control.
QString cardText(const QWidget* card, const QString& name);
// A row's value read from the card: trimmed, or composed (see CardPrintRow::value).
QString cardValue(const QWidget* card, const CardPrintRow& row);

// Fills the template from the card as it stands and prepares it: the page portrait,
// the picture `imgLogo` := photo (headed boxes with a photo), each value memo := its
// value, txtCalce := the date and time of now. Throws ReportError when there is no
// card or a control is missing.
void fillCardReport(platform::report::Report& report, const CardPrintSettings& settings, const QWidget* card,
                    const QImage& photo = {});

// The card of the settings for a dialog owned by `owner` (see cardClass); null when
// there is none.
QWidget* printedCard(const CardPrintSettings& settings, QWidget* owner);

// The dialog: a white panel with its picture, "Annulla" at the left and the action
// at the right. With a photo, two hidden pictures: imgLogo, which receives the card's
// photo when the dialog is shown, and imgTemp, the placeholder that takes its place
// when the card shows none.
class CardPrintDialog : public platform::Form {
  Q_OBJECT
 public:
  CardPrintDialog(QWidget* owner, CardPrintSettings settings);

  const CardPrintSettings& settings() const { return settings_; }

  QLabel* imgLogo01;  // the picture on the white panel
  QPushButton* btnAnnulla;
  QPushButton* btnStampa;
  QLabel* imgLogo = nullptr;  // hidden: the photo to print
  QLabel* imgTemp = nullptr;  // hidden: the placeholder picture

 public slots:
  void btnStampaClick();
  void btnAnnullaClick();

 protected:
  void FormShow() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void fillAndOutput();

  CardPrintSettings settings_;
};

// The default picture of the dialog's panel.
QPixmap framedSheetPicture();
// What the dialogs' pictures draw first: a white sheet at `sheet` with its shadow and
// border and a title band of `band` across its top; the rows go below the band.
void drawSheet(QPainter& painter, const QRectF& sheet, const QColor& band);

}  // namespace kit
