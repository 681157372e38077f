#include "shell/frm_avvio.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QStringList>

#include "platform/windows.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "shell/frm_info.h"
#include "shell/frm_splash.h"
#include "shell/help_texts.h"
#include "shell/misc.h"

const std::array<const char*, TfrmAvvio::kApps> TfrmAvvio::kAppWindows = {
    "TfrmAnagrafica",  "TfrmAutoparco",       "TfrmMenuScadenze", "TfrmMenuCosti", "TfrmMenuRegistro",
    "TfrmMenuDisponibili", "TfrmScadenzario", "TfrmChilometrico", "TfrmServizi",   "TfrmMenuRiepCosti",
};

const std::array<const char*, TfrmAvvio::kApps> TfrmAvvio::kAppNames = {
    "Anagrafica Conduttori",
    "Parco Automezzi",
    "Scadenze Imminenti",
    "Costi sostenuti",
    "Ingressi e Uscite Veicoli",
    "Planner Prenotazioni",
    "Scadenzario Manutenzioni",
    "Scadenzario Chilometrico",
    "Registro Viaggi",
    "Riepilogo consumi carburante e chilometri percorsi",
};

namespace {

constexpr int kDesignWidth = 1016;
constexpr int kDesignHeight = 713;
constexpr int kIconSize = 64;

const QColor kAppColours[TfrmAvvio::kApps] = {
    QColor(0x2E, 0x7D, 0x32), QColor(0x15, 0x65, 0xC0), QColor(0xE6, 0x51, 0x00), QColor(0x6A, 0x1B, 0x9A),
    QColor(0x00, 0x83, 0x8F), QColor(0xAD, 0x14, 0x57), QColor(0xC6, 0x28, 0x28), QColor(0x5D, 0x40, 0x37),
    QColor(0x28, 0x35, 0x93), QColor(0x55, 0x8B, 0x2F),
};
const QColor kUnavailable(0x9E, 0x9E, 0x9E);

// --- Pictures drawn at run time -------------------------------------------------

QPen whitePen(qreal width) { return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// The icon of app `n` (1 to 10): a white pictogram on a transparent ground.
QPixmap appIcon(int n) {
  QPixmap pm = shell::blankPicture(kIconSize, kIconSize);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(whitePen(4));
  p.setBrush(Qt::NoBrush);
  QFont glyphFont(QStringLiteral("DejaVu Sans"));
  glyphFont.setBold(true);
  switch (n) {
    case 1:  // a person: the driver register
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(22, 8, 20, 20));
      p.drawChord(QRectF(12, 32, 40, 40), 0, 180 * 16);
      break;
    case 2: {  // a car: the vehicle register
      QPainterPath body;
      body.moveTo(6, 44);
      body.lineTo(6, 34);
      body.lineTo(16, 32);
      body.lineTo(24, 20);
      body.lineTo(42, 20);
      body.lineTo(50, 32);
      body.lineTo(58, 34);
      body.lineTo(58, 44);
      body.closeSubpath();
      p.drawPath(body);
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(12, 40, 12, 12));
      p.drawEllipse(QRectF(40, 40, 12, 12));
      break;
    }
    case 3: {  // a warning sign: upcoming deadlines
      QPainterPath triangle;
      triangle.moveTo(32, 6);
      triangle.lineTo(60, 56);
      triangle.lineTo(4, 56);
      triangle.closeSubpath();
      p.drawPath(triangle);
      p.drawLine(QPointF(32, 24), QPointF(32, 40));
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(32, 48), 2, 2);
      break;
    }
    case 4:  // a coin: costs
      p.drawEllipse(QRectF(6, 6, 52, 52));
      glyphFont.setPixelSize(32);
      p.setFont(glyphFont);
      p.drawText(QRectF(6, 6, 52, 52), Qt::AlignCenter, QStringLiteral("€"));
      break;
    case 5:  // a barrier: the gate register
      p.drawLine(QPointF(12, 58), QPointF(12, 24));
      p.drawRect(QRectF(6, 52, 12, 6));
      p.drawRoundedRect(QRectF(12, 20, 48, 8), 3, 3);
      p.setPen(whitePen(3));
      for (int x = 22; x < 58; x += 10) p.drawLine(QPointF(x, 20), QPointF(x + 5, 28));
      p.setPen(whitePen(4));
      p.drawLine(QPointF(30, 44), QPointF(56, 44));
      p.drawLine(QPointF(48, 37), QPointF(56, 44));
      p.drawLine(QPointF(48, 51), QPointF(56, 44));
      break;
    case 6:  // a calendar page: the booking planner
      p.drawRoundedRect(QRectF(8, 12, 48, 46), 4, 4);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(8, 12, 48, 10));
      p.drawLine(QPointF(20, 6), QPointF(20, 14));
      p.drawLine(QPointF(44, 6), QPointF(44, 14));
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) p.drawEllipse(QPointF(17 + c * 10, 31 + r * 9), 1.5, 1.5);
      break;
    case 7:  // a clock: the time-based maintenance schedule
      p.drawEllipse(QRectF(6, 6, 52, 52));
      p.drawLine(QPointF(32, 32), QPointF(32, 16));
      p.drawLine(QPointF(32, 32), QPointF(44, 38));
      break;
    case 8:  // a speedometer: the mileage schedule
      p.drawArc(QRectF(6, 10, 52, 52), 0, 180 * 16);
      p.drawLine(QPointF(6, 36), QPointF(58, 36));
      p.drawLine(QPointF(32, 36), QPointF(46, 18));
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(32, 36), 4, 4);
      break;
    case 9: {  // a road: the trip register
      p.drawLine(QPointF(24, 8), QPointF(6, 58));
      p.drawLine(QPointF(40, 8), QPointF(58, 58));
      p.setPen(QPen(Qt::white, 3, Qt::DashLine, Qt::FlatCap));
      p.drawLine(QPointF(32, 10), QPointF(32, 58));
      break;
    }
    case 10:  // a fuel pump: the fuel and distance summary
      p.drawRoundedRect(QRectF(10, 8, 28, 48), 3, 3);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(15, 14, 18, 12));
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(6, 58), QPointF(42, 58));
      p.drawPolyline(QList<QPointF>{{38, 22}, {50, 22}, {54, 28}, {54, 46}, {48, 46}, {48, 34}});
      break;
    default:
      break;
  }
  return pm;
}

// The picture holding an app's name, white on a transparent ground, wrapped when long.
QPixmap namePicture(const QString& name, int width, int height) {
  QPixmap pm = shell::blankPicture(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont f(QStringLiteral("Verdana"));
  f.setBold(true);
  f.setPixelSize(name.size() > 30 ? 17 : 21);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, width, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, name);
  return pm;
}

// A round badge holding a glyph, for the small pictures of the footer.
QPixmap badgePicture(const QColor& fill, const QString& glyph, int size) {
  QPixmap pm = shell::blankPicture(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(fill);
  p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(size * 11 / 20);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
  return pm;
}

// The exit picture: a power symbol on a red badge.
QPixmap exitPicture(int size) {
  QPixmap pm = badgePicture(QColor(0xC6, 0x28, 0x28), QString(), size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(whitePen(size / 11.0));
  const QRectF ring(size * 0.27, size * 0.29, size * 0.46, size * 0.46);
  p.drawArc(ring, 120 * 16, 300 * 16);
  p.drawLine(QPointF(size / 2.0, size * 0.2), QPointF(size / 2.0, size * 0.5));
  return pm;
}

QPixmap subtitlePicture(int width, int height) {
  QPixmap pm = shell::blankPicture(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont title(QStringLiteral("Arial"));
  title.setBold(true);
  title.setItalic(true);
  title.setPixelSize(height * 52 / 100);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, width, height * 60 / 100), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Velmora 4.0"));
  QFont sub(QStringLiteral("Verdana"));
  sub.setPixelSize(height * 22 / 100);
  p.setFont(sub);
  p.setPen(QColor(0xE3, 0xF2, 0xFD));
  p.drawText(QRect(0, height * 62 / 100, width, height * 38 / 100), Qt::AlignLeft | Qt::AlignTop,
             QStringLiteral("Gestione del parco automezzi aziendale"));
  return pm;
}

QString appButtonName(const char* prefix, int n) {
  return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n, 2, 10, QLatin1Char('0'));
}

void setBackground(QWidget* bkg, const QColor& colour) {
  bkg->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; border-radius: 10px; }")
                         .arg(bkg->objectName(), colour.name()));
}

platform::PictureButton* footerPicture(QWidget* parent, const QString& name, const QPixmap& picture, int x) {
  auto* b = new platform::PictureButton(parent, name);
  b->setPixmap(picture);
  b->setGeometry(x, 8, 44, 44);
  return b;
}

}  // namespace

TfrmAvvio::TfrmAvvio(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmAvvio"), platform::WindowKind::Maximized,
                     QStringLiteral(" Velmora 4.0"), kDesignWidth, kDesignHeight) {
  content_ = new QWidget(this);
  content_->setGeometry(0, 0, kDesignWidth, kDesignHeight);

  auto* title = new QFrame(content_);
  title->setObjectName(QStringLiteral("shpNomeApp"));
  title->setGeometry(30, 14, 956, 92);
  title->setStyleSheet(QStringLiteral(
      "QFrame#shpNomeApp { border-radius: 12px; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
      "stop:0 #1F3A5F, stop:1 #4682B4); }"));
  shpNomeApp = title;
  icoTitolo01 = new QLabel(title);
  icoTitolo01->setObjectName(QStringLiteral("icoTitolo01"));
  icoTitolo01->setPixmap(appIcon(2));
  icoTitolo01->setGeometry(24, 14, kIconSize, kIconSize);
  imgSottotitolo = new QLabel(title);
  imgSottotitolo->setObjectName(QStringLiteral("imgSottotitolo"));
  imgSottotitolo->setPixmap(subtitlePicture(600, 80));
  imgSottotitolo->setGeometry(110, 6, 600, 80);

  // Two columns of five: apps 01 to 05 on the left, 06 to 10 on the right.
  for (int i = 0; i < kApps; ++i) {
    const int n = i + 1;
    const int x = i < 5 ? 30 : 518;
    const int y = 122 + (i % 5) * 104;
    auto* bkg = new QFrame(content_);
    bkg->setObjectName(appButtonName("bkgApp", n));
    bkg->setGeometry(x, y, 468, 92);
    setBackground(bkg, kAppColours[i]);
    bkgApp[i] = bkg;

    imgApp[i] = new platform::PictureButton(bkg, appButtonName("imgApp", n));
    imgApp[i]->setPixmap(appIcon(n));
    imgApp[i]->setGeometry(16, 14, kIconSize, kIconSize);
    btnApp[i] = new platform::PictureButton(bkg, appButtonName("btnApp", n));
    btnApp[i]->setPixmap(namePicture(QString::fromUtf8(kAppNames[i]), 360, 76));
    btnApp[i]->setGeometry(96, 8, 360, 76);
    connect(imgApp[i], &platform::PictureButton::clicked, this, [this, n] { appButtonClick(n); });
    connect(btnApp[i], &platform::PictureButton::clicked, this, [this, n] { appButtonClick(n); });
  }

  auto* footer = new QFrame(content_);
  footer->setObjectName(QStringLiteral("shpCalce"));
  footer->setGeometry(30, 643, 956, 60);
  footer->setStyleSheet(QStringLiteral(
      "QFrame#shpCalce { border-radius: 12px; background-color: rgba(31, 58, 95, 40); }"));
  shpCalce = footer;
  imgInfo = footerPicture(footer, QStringLiteral("imgInfo"), badgePicture(QColor(0x15, 0x65, 0xC0), QStringLiteral("i"), 44), 16);
  imgCopyright = footerPicture(footer, QStringLiteral("imgCopyright"),
                               badgePicture(QColor(0x1F, 0x3A, 0x5F), QStringLiteral("©"), 44), 72);
  imgGuida = footerPicture(footer, QStringLiteral("imgGuida"), badgePicture(QColor(0x2E, 0x7D, 0x32), QStringLiteral("?"), 44), 128);
  imgSito = footerPicture(footer, QStringLiteral("imgSito"), shell::webPicture(44), 184);
  imgEsci = footerPicture(footer, QStringLiteral("imgEsci"), exitPicture(44), 896);
  connect(imgInfo, &platform::PictureButton::clicked, this, &TfrmAvvio::imgInfoClick);
  connect(imgCopyright, &platform::PictureButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
  connect(imgGuida, &platform::PictureButton::clicked, this, &TfrmAvvio::imgGuidaClick);
  connect(imgSito, &platform::PictureButton::clicked, this, &TfrmAvvio::imgSitoClick);
  connect(imgEsci, &platform::PictureButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

QString TfrmAvvio::overviewHelpText() {
  QStringList paragraphs;
  for (std::u16string_view p : shell::kOverviewHelp) paragraphs << QString::fromUtf16(p.data(), qsizetype(p.size()));
  return TfrmGuida::joinParagraphs(paragraphs);
}

void TfrmAvvio::FormShow() { updateAppButtons(); }

void TfrmAvvio::updateAppButtons() {
  for (int i = 0; i < kApps; ++i) {
    const bool available = platform::findWindow(QString::fromLatin1(kAppWindows[i])) != nullptr;
    imgApp[i]->setEnabled(available);
    btnApp[i]->setEnabled(available);
    setBackground(bkgApp[i], available ? kAppColours[i] : kUnavailable);
  }
}

void TfrmAvvio::appButtonClick(int n) {
  if (n < 1 || n > kApps) return;
  platform::Form* target = platform::findWindow(QString::fromLatin1(kAppWindows[n - 1]));
  if (!target) return;
  // The cost menu's show handler leaves its key word alone: set it here so that
  // closing the menu comes back to the launcher.
  if (n == 4) target->setMemory(QStringLiteral("avvio"));
  target->showWindow();
  hide();
}

void TfrmAvvio::imgInfoClick() {
  TfrmInfo info(this);
  info.showModalDialog();
}

void TfrmAvvio::imgCopyrightClick() {
  TfrmSplash splash(this);
  splash.showModalDialog();
}

void TfrmAvvio::imgGuidaClick() {
  TfrmGuida help(this);
  help.setHelpText(QString::fromUtf16(shell::kOverviewHelpTitle.data(), qsizetype(shell::kOverviewHelpTitle.size())),
                   overviewHelpText());
  help.showModalDialog();
}

void TfrmAvvio::imgSitoClick() { TMisc::Open(shell::productWebAddress()); }

void TfrmAvvio::imgEsciClick() { QApplication::quit(); }

void TfrmAvvio::FormClose() { QApplication::quit(); }

void TfrmAvvio::paintEvent(QPaintEvent* event) {
  platform::paintGradient(this, platform::kSteelBlue);
  platform::Form::paintEvent(event);
}

void TfrmAvvio::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  platform::centreIn(content_, size());
}
