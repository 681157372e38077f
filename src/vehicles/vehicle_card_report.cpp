#include "vehicles/vehicle_card_report.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "platform/windows.h"
#include "platform/dialogs.h"
#include "platform/widgets.h"
#include "platform/form.h"
#include "platform/qtext.h"
#include "vehicles/vehicle_photo.h"

namespace vehicles {

using namespace platform::report;

namespace {

struct FieldBox {
  double row;       // top of the heading strip, mm
  const char* caption;
  const char* memo;
  double left, width;  // mm
};

// Rows every 15 mm from 100 mm; heading strip 4.8 mm, value box 6 mm below it.
constexpr FieldBox kFields[] = {
    {100, "TIPO VEICOLO", "txtTipo", 2, 90},
    {100, "DESTINAZIONE ED USO", "txtDestinazione", 96, 92},
    {115, "MARCA", "txtMarca", 2, 90},
    {115, "MODELLO", "txtModello", 96, 92},
    {130, "TARGA", "txtTarga", 2, 46},
    {130, "IMMATRICOLAZIONE", "txtAnno", 52, 40},
    {130, "COLORE", "txtColore", 96, 92},
    {145, "TELAIO", "txtTelaio", 2, 46},
    {145, "STATO VEICOLO", "txtStato", 52, 40},
    {145, "CHILOMETRI PERCORSI", "txtChilometri", 96, 49},
    {145, "DATA LETTURA", "txtLettura", 149, 39},
    {160, "PNEUMATICI", "txtPneumatici", 2, 90},
    {160, "ALIMENTAZIONE", "txtAlimentazione", 96, 43},
    {160, "CILINDRATA", "txtCilindrata", 143, 45},
    {175, "kW", "txtKW", 2, 43},
    {175, "PORTATA MASSIMA", "txtPortata", 49, 43},
    {175, "COMPATIBILITA' AMBIENTALE", "txtAmbiente", 96, 92},
    {190, "NUMERO POSTI", "txtPosti", 2, 43},
    {190, "COMPAGNIA ASSICURATIVA", "txtCompagnia", 49, 139},
    {205, "TEL. ASSICURATORE", "txtTelAssicuratore", 2, 43},
    {205, "IMPORTO POLIZZA", "txtPolizza", 49, 43},
    {205, "AUTISTA", "txtAutista", 96, 43},
    {205, "TEL. AUTISTA", "txtTelAutista", 143, 45},
    {220, "MECCANICO", "txtMeccanico", 2, 43},
    {220, "TEL. MECCANICO", "txtTelMeccanico", 49, 43},
    {220, "SCADENZA REVISIONE", "txtScadRevisione", 96, 43},
    {220, "SCADENZA TAGLIANDO", "txtScadTagliando", 143, 45},
    {235, "SCAD. ASSICURAZIONE", "txtScadAssicurazione", 2, 43},
    {235, "SCADENZA BOLLO", "txtScadBollo", 49, 43},
    {235, "PROPRIETARIO", "txtProprietario", 96, 92},
    {250, "INCIDENTI SUBITI", "txtIncidenti", 2, 186},
    {265, "NOTE", "txtNote", 2, 186},
};
static_assert(std::size(kFields) == 32);

constexpr double kHeadingHeight = 4.8;
constexpr double kBoxHeight = 6;

QRectF mmRect(double left, double top, double width, double height) {
  return QRectF(mm(left), mm(top), mm(width), mm(height));
}

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

const QStringList& cardPrintFields() {
  static const QStringList names = [] {
    QStringList out;
    for (const FieldBox& f : kFields) out << QString::fromLatin1(f.memo);
    return out;
  }();
  return names;
}

std::unique_ptr<Report> makeVehicleCardReport() {
  auto report = std::make_unique<Report>(kCardReportName);
  Page& page = report->addPage(QStringLiteral("Page1"), QPageLayout::Portrait);

  Shape& bar = page.addShape(QStringLiteral("shpTitolo"), mmRect(1, 1, 188, 8));
  bar.fill = kRoyalBlue;
  Memo& title = page.addMemo(QStringLiteral("txtNome"), mmRect(1, 1, 188, 8));
  title.font = {QStringLiteral("Arial"), 12, false, Qt::white};
  title.hAlign = HAlign::Centre;
  title.vAlign = VAlign::Centre;
  title.setText(QStringLiteral("SCHEDA VEICOLO"));

  Picture& photo = page.addPicture(QStringLiteral("imgLogo"), mmRect(1, 11, 188, 87));
  photo.centre = true;

  for (const FieldBox& f : kFields) {
    const QString memoName = QString::fromLatin1(f.memo);
    Memo& heading = page.addMemo(QStringLiteral("cap") + memoName.mid(3),
                                 mmRect(f.left, f.row, f.width, kHeadingHeight));
    heading.fill = kRoyalBlue;
    heading.font = {QStringLiteral("Arial"), 8, true, Qt::white};
    heading.vAlign = VAlign::Centre;
    heading.expressions = false;
    heading.setText(QString::fromUtf8(f.caption));

    Memo& value = page.addMemo(memoName, mmRect(f.left, f.row + kHeadingHeight, f.width, kBoxHeight));
    value.fill = Qt::white;
    value.frame = kRoyalBlue;
    value.frameWidth = 0.75;
    value.font = {QStringLiteral("Arial"), 8, false, Qt::black};
    value.vAlign = VAlign::Centre;
    value.expressions = false;  // "[DATE]" typed into a field is printed as typed
  }
  return report;
}

QWidget* vehicleCard(QWidget* owner) {
  for (QWidget* w = owner; w; w = w->parentWidget())
    if (w->objectName() == QLatin1String("TfrmAutoparco")) return w;
  return platform::findWindow(QStringLiteral("TfrmAutoparco"));
}

QString cardText(const QWidget* card, const QString& name) {
  QObject* control = card ? card->findChild<QObject*>(name) : nullptr;
  if (!control) throw ReportError(QStringLiteral("Control \"%1\" not found on the vehicle card.").arg(name));
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) return plain->toPlainText();
  if (auto* rich = qobject_cast<QTextEdit*>(control)) return rich->toPlainText();
  return control->property("text").toString();
}

QPixmap cardPhoto(const QWidget* card) {
  QObject* foto = card ? card->findChild<QObject*>(QStringLiteral("imgFoto")) : nullptr;
  if (auto* frame = qobject_cast<PhotoFrame*>(foto)) return QPixmap::fromImage(frame->image());
  if (auto* label = qobject_cast<QLabel*>(foto)) return label->pixmap();
  return {};
}

void fillVehicleCardReport(Report& report, const QWidget* card, const QImage& photo) {
  if (!card) throw ReportError(QStringLiteral("The vehicle card is not available."));
  report.page(0).orientation = QPageLayout::Portrait;
  report.picture(QStringLiteral("imgLogo")).image = photo;
  for (const QString& name : cardPrintFields()) report.memo(name).setText(platform::trim(cardText(card, name)));
  report.prepare();
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
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xD8, 0xDE, 0xE6));
  p.drawRect(sheet.translated(4, 4));
  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(0x90, 0xA0, 0xB0), 1));
  p.drawRect(sheet);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x41, 0x69, 0xE1));
  p.drawRect(QRectF(sheet.left() + 6, sheet.top() + 6, sheet.width() - 12, 8));
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

// --- the dialogs ---------------------------------------------------------------

VehicleCardDialog::VehicleCardDialog(QWidget* owner, const QString& className, const QString& caption,
                                     const QString& action)
    : platform::Form(owner, className, platform::WindowKind::CentredOnOwner, caption, 364, 287) {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("panLogo"));
  panel->setGeometry(12, 12, 340, 210);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::white);
  panel->setPalette(pal);

  imgLogo01 = new QLabel(panel);
  imgLogo01->setObjectName(QStringLiteral("imgLogo01"));
  imgLogo01->setAlignment(Qt::AlignCenter);
  imgLogo01->setPixmap(decorativePicture());
  imgLogo01->setGeometry(0, 0, 340, 210);

  btnAnnulla = platform::pushButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(12, 238, 130, 34));
  connect(btnAnnulla, &QPushButton::clicked, this, &VehicleCardDialog::btnAnnullaClick);

  btnStampa = platform::pushButton(this, QStringLiteral("btnStampa"), action, QRect(222, 238, 130, 34));
  connect(btnStampa, &QPushButton::clicked, this, &VehicleCardDialog::btnStampaClick);

  imgTemp = new QLabel(this);
  imgTemp->setObjectName(QStringLiteral("imgTemp"));
  imgTemp->setPixmap(placeholderPicture());
  imgTemp->setVisible(false);
  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(imgTemp->pixmap());
  imgLogo->setVisible(false);
}

void VehicleCardDialog::FormShow() {
  // A photo that cannot be copied is no failure: the placeholder is printed instead.
  const QPixmap photo = cardPhoto(vehicleCard(parentWidget()));
  imgLogo->setPixmap(photo.isNull() ? imgTemp->pixmap() : photo);
}

void VehicleCardDialog::btnStampaClick() {
  try {
    auto report = makeVehicleCardReport();
    fillVehicleCardReport(*report, vehicleCard(parentWidget()), imgLogo->pixmap().toImage());
    output(*report);
  } catch (const std::exception&) {
    platform::warning(failureText(), this);
  } catch (...) {
    platform::warning(failureText(), this);
  }
  closeForm();
}

void VehicleCardDialog::btnAnnullaClick() { closeForm(); }

void VehicleCardDialog::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(0x42, 0x7A, 0xA8));
  g.setColorAt(1, Qt::white);
  p.fillRect(rect(), g);
  platform::Form::paintEvent(event);
}

}  // namespace vehicles
