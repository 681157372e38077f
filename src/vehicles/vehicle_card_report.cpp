#include "vehicles/vehicle_card_report.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "platform/windows.h"
#include "vehicles/vehicle_photo.h"

namespace vehicles {

using namespace platform::report;

namespace {

// Rows every 15 mm from 100 mm: each value in a white box under its heading strip.
constexpr kit::CardPrintRow kFields[] = {
    {.caption = "TIPO VEICOLO", .memo = "txtTipo", .top = 100, .left = 2, .width = 90},
    {.caption = "DESTINAZIONE ED USO", .memo = "txtDestinazione", .top = 100, .left = 96, .width = 92},
    {.caption = "MARCA", .memo = "txtMarca", .top = 115, .left = 2, .width = 90},
    {.caption = "MODELLO", .memo = "txtModello", .top = 115, .left = 96, .width = 92},
    {.caption = "TARGA", .memo = "txtTarga", .top = 130, .left = 2, .width = 46},
    {.caption = "IMMATRICOLAZIONE", .memo = "txtAnno", .top = 130, .left = 52, .width = 40},
    {.caption = "COLORE", .memo = "txtColore", .top = 130, .left = 96, .width = 92},
    {.caption = "TELAIO", .memo = "txtTelaio", .top = 145, .left = 2, .width = 46},
    {.caption = "STATO VEICOLO", .memo = "txtStato", .top = 145, .left = 52, .width = 40},
    {.caption = "CHILOMETRI PERCORSI", .memo = "txtChilometri", .top = 145, .left = 96, .width = 49},
    {.caption = "DATA LETTURA", .memo = "txtLettura", .top = 145, .left = 149, .width = 39},
    {.caption = "PNEUMATICI", .memo = "txtPneumatici", .top = 160, .left = 2, .width = 90},
    {.caption = "ALIMENTAZIONE", .memo = "txtAlimentazione", .top = 160, .left = 96, .width = 43},
    {.caption = "CILINDRATA", .memo = "txtCilindrata", .top = 160, .left = 143, .width = 45},
    {.caption = "kW", .memo = "txtKW", .top = 175, .left = 2, .width = 43},
    {.caption = "PORTATA MASSIMA", .memo = "txtPortata", .top = 175, .left = 49, .width = 43},
    {.caption = "COMPATIBILITA' AMBIENTALE", .memo = "txtAmbiente", .top = 175, .left = 96, .width = 92},
    {.caption = "NUMERO POSTI", .memo = "txtPosti", .top = 190, .left = 2, .width = 43},
    {.caption = "COMPAGNIA ASSICURATIVA", .memo = "txtCompagnia", .top = 190, .left = 49, .width = 139},
    {.caption = "TEL. ASSICURATORE", .memo = "txtTelAssicuratore", .top = 205, .left = 2, .width = 43},
    {.caption = "IMPORTO POLIZZA", .memo = "txtPolizza", .top = 205, .left = 49, .width = 43},
    {.caption = "AUTISTA", .memo = "txtAutista", .top = 205, .left = 96, .width = 43},
    {.caption = "TEL. AUTISTA", .memo = "txtTelAutista", .top = 205, .left = 143, .width = 45},
    {.caption = "MECCANICO", .memo = "txtMeccanico", .top = 220, .left = 2, .width = 43},
    {.caption = "TEL. MECCANICO", .memo = "txtTelMeccanico", .top = 220, .left = 49, .width = 43},
    {.caption = "SCADENZA REVISIONE", .memo = "txtScadRevisione", .top = 220, .left = 96, .width = 43},
    {.caption = "SCADENZA TAGLIANDO", .memo = "txtScadTagliando", .top = 220, .left = 143, .width = 45},
    {.caption = "SCAD. ASSICURAZIONE", .memo = "txtScadAssicurazione", .top = 235, .left = 2, .width = 43},
    {.caption = "SCADENZA BOLLO", .memo = "txtScadBollo", .top = 235, .left = 49, .width = 43},
    {.caption = "PROPRIETARIO", .memo = "txtProprietario", .top = 235, .left = 96, .width = 92},
    {.caption = "INCIDENTI SUBITI", .memo = "txtIncidenti", .top = 250, .left = 2, .width = 186},
    {.caption = "NOTE", .memo = "txtNote", .top = 265, .left = 2, .width = 186},
};
static_assert(std::size(kFields) == 32);

// A simple side view of a car, for the fixed pictures.
void drawCar(QPainter& p, const QRectF& r, const QColor& body, const QColor& glass) {
  const double w = r.width(), h = r.height();
  auto at = [&](double x, double y) { return QPointF(r.left() + x * w, r.top() + y * h); };
  QPainterPath shape;
  shape.moveTo(at(0.03, 0.78));
  shape.lineTo(at(0.03, 0.55));
  shape.quadTo(at(0.05, 0.45), at(0.2, 0.42));
  shape.lineTo(at(0.33, 0.16));
  shape.quadTo(at(0.36, 0.1), at(0.45, 0.1));
  shape.lineTo(at(0.68, 0.1));
  shape.quadTo(at(0.74, 0.1), at(0.78, 0.18));
  shape.lineTo(at(0.88, 0.42));
  shape.quadTo(at(0.97, 0.45), at(0.97, 0.58));
  shape.lineTo(at(0.97, 0.78));
  shape.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawPath(shape);
  p.setBrush(glass);
  // The front and back side windows.
  p.drawPolygon(QPolygonF{at(0.26, 0.42), at(0.36, 0.18), at(0.52, 0.18), at(0.52, 0.42)});
  p.drawPolygon(QPolygonF{at(0.56, 0.42), at(0.56, 0.18), at(0.7, 0.18), at(0.8, 0.42)});
  const double rad = h * 0.17;
  for (double x : {0.24, 0.78}) {
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawEllipse(at(x, 0.8), rad, rad);
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    p.drawEllipse(at(x, 0.8), rad * 0.45, rad * 0.45);
  }
}

}  // namespace

kit::CardPrintSettings cardPrintSettings() {
  return {
      .cardClass = QStringLiteral("TfrmAutoparco"),
      .reportName = kCardReportName,
      .title = QStringLiteral("SCHEDA VEICOLO"),
      .titleMemo = QStringLiteral("txtNome"),
      .layout = kit::CardPrintLayout::HeadedBoxes,
      .rows = kFields,
      .photo = &cardPhoto,
      .placeholder = &placeholderPicture,
      .picture = &decorativePicture,
  };
}

const QStringList& cardPrintFields() {
  static const QStringList names = kit::cardPrintMemos(cardPrintSettings());
  return names;
}

std::unique_ptr<Report> makeVehicleCardReport() { return kit::makeCardReport(cardPrintSettings()); }

void fillVehicleCardReport(Report& report, const QWidget* card, const QImage& photo) {
  kit::fillCardReport(report, cardPrintSettings(), card, photo);
}

QPixmap cardPhoto(const QWidget* card) {
  QObject* foto = card ? card->findChild<QObject*>(QStringLiteral("imgFoto")) : nullptr;
  if (auto* frame = qobject_cast<PhotoFrame*>(foto)) return QPixmap::fromImage(frame->image());
  if (auto* label = qobject_cast<QLabel*>(foto)) return label->pixmap();
  return {};
}

QPixmap placeholderPicture() {
  QPixmap pm(752, 348);  // the photo frame's proportions
  pm.fill(QColor(0xF4, 0xF6, 0xF8));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xC8, 0xD0, 0xD8), 4));
  p.drawRect(QRectF(2, 2, pm.width() - 4, pm.height() - 4));
  drawCar(p, QRectF(pm.width() * 0.3, pm.height() * 0.22, pm.width() * 0.4, pm.height() * 0.56),
          QColor(0xC8, 0xD0, 0xD8), QColor(0xF4, 0xF6, 0xF8));
  return pm;
}

QPixmap decorativePicture() {
  QPixmap pm(316, 188);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  // A small vehicle card on a sheet, with a printer's paper tray behind it.
  const QRectF sheet(108, 10, 112, 166);
  kit::drawSheet(p, sheet, QColor(0x41, 0x69, 0xE1));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xEE, 0xF2, 0xF6));
  const QRectF photo(sheet.left() + 6, sheet.top() + 18, sheet.width() - 12, 50);
  p.drawRect(photo);
  drawCar(p, photo.adjusted(28, 10, -28, -8), QColor(0x42, 0x7A, 0xA8), QColor(0xEE, 0xF2, 0xF6));
  for (int row = 0; row < 6; ++row) {
    const double y = sheet.top() + 74 + row * 15;
    const double half = (sheet.width() - 16) / 2;
    for (int col = 0; col < 2; ++col) {
      const double x = sheet.left() + 6 + col * (half + 4);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x41, 0x69, 0xE1));
      p.drawRect(QRectF(x, y, half, 4));
      p.setBrush(Qt::white);
      p.setPen(QPen(QColor(0x41, 0x69, 0xE1), 0.8));
      p.drawRect(QRectF(x, y + 4, half, 6));
    }
  }
  return pm;
}

}  // namespace vehicles
