#pragma once
// The vehicle card report "Scheda Veicolo" (one A4 portrait page: title bar, the
// card's photo and its 32 fields under royal-blue headings), a card print of the kit
// in its headed-boxes layout, and the two small dialogs that fill it from the vehicle
// card and print or preview it.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <memory>

#include "kit/card_print.h"
#include "platform/report/report.h"

namespace vehicles {

inline const QString kCardReportName = QStringLiteral("Scheda Veicolo");

// The print's settings: the vehicle card, the rows, the photo.
kit::CardPrintSettings cardPrintSettings();

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

// The picture shown in the card's `imgFoto`; null when there is none.
QPixmap cardPhoto(const QWidget* card);

// The fixed pictures of the two dialogs.
QPixmap placeholderPicture();
QPixmap decorativePicture();

// The print and the preview dialog are card print dialogs of the kit.
using VehicleCardDialog = kit::CardPrintDialog;

}  // namespace vehicles
