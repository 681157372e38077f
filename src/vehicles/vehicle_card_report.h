#pragma once
// The vehicle card report "Scheda Veicolo" (one A4 portrait page: title bar, the
// card's photo and its 32 fields under royal-blue headings) and the two small
// dialogs that fill it from the vehicle card and print or preview it.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/form.h"
#include "platform/report/report.h"

class QLabel;
class QPushButton;

namespace vehicles {

inline const QString kCardReportName = QStringLiteral("Scheda Veicolo");

// The 32 value memos in the order they are filled (row by row, left to right);
// each bears the name of the card edit whose text it prints.
const QStringList& cardPrintFields();

// A fresh copy of the "Scheda Veicolo" template.
std::unique_ptr<platform::report::Report> makeVehicleCardReport();

// Fills the template from the vehicle card as it stands and prepares it: page
// portrait, the picture `imgLogo` := photo, each value memo := the trimmed text of
// the card's control of the same name. Throws ReportError when there is no card or
// a control is missing.
void fillVehicleCardReport(platform::report::Report& report, const QWidget* card, const QImage& photo);

// The vehicle card for a dialog: its owner when that is the card, else the
// program's long-lived card. Null when there is none.
QWidget* vehicleCard(QWidget* owner);
// The text of a card control (edit, combo, label), as it stands; throws
// ReportError when the card has no such control.
QString cardText(const QWidget* card, const QString& name);
// The picture shown in the card's `imgFoto`; null when there is none.
QPixmap cardPhoto(const QWidget* card);

// The fixed pictures of the two dialogs.
QPixmap placeholderPicture();
QPixmap decorativePicture();

// What the print and the preview dialog share: layout, photo copy and filling.
class VehicleCardDialog : public platform::Form {
  Q_OBJECT
 public:
  QLabel* imgLogo01;    // decorative picture on the white panel
  QPushButton* btnAnnulla;
  QPushButton* btnStampa;
  QLabel* imgLogo;      // hidden: the photo to print
  QLabel* imgTemp;      // hidden: the placeholder picture

 public slots:
  void btnStampaClick();
  void btnAnnullaClick();

 protected:
  VehicleCardDialog(QWidget* owner, const QString& className, const QString& caption, const QString& action);
  // Prints or previews the filled, prepared report.
  virtual void output(platform::report::Report& report) = 0;
  // The warning shown when filling, preparing or output fails.
  virtual QString failureText() const = 0;

  void FormShow() override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vehicles
