#include "vehicles/frm_menu_scadenze.h"

#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

#include "kit/card_frame.h"
#include "platform/windows.h"
#include "platform/widgets.h"
#include "shell/frm_guida.h"
#include "vehicles/frm_scad_assicurazione.h"
#include "vehicles/frm_scad_bollo.h"
#include "vehicles/frm_scad_revisione.h"
#include "vehicles/frm_scad_tagliando.h"

namespace {

constexpr int kDesignWidth = 1016;
constexpr int kDesignHeight = 713;
const QColor kOrange(0xFF, 0x8C, 0x00);
const QColor kDeepOrange(0xE0, 0x66, 0x00);
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kNavy(0x1F, 0x3A, 0x5F);

// The orange face of a list button: its word in capitals.
QPixmap orangeButton(const QString& word, const QSize& size) {
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, kOrange.lighter(115));
  g.setColorAt(1, kDeepOrange);
  p.setPen(QPen(kDeepOrange.darker(130), 2));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 14, 14);
  QFont f(QStringLiteral("Verdana"), 16, QFont::Bold);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, word);
  return pm;
}

QLabel* strip(QWidget* parent, const QString& text, const QRect& geometry, const QColor& fill, int pointSize) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(geometry);
  l->setAlignment(Qt::AlignCenter);
  l->setWordWrap(true);
  l->setAutoFillBackground(true);
  QPalette pal = l->palette();
  pal.setColor(QPalette::Window, fill);
  pal.setColor(QPalette::WindowText, Qt::white);
  l->setPalette(pal);
  l->setFont(QFont(QStringLiteral("Verdana"), pointSize, QFont::Bold));
  return l;
}

platform::PictureButton* pictureButton(QWidget* parent, const char* name, const QPixmap& face, const QRect& geometry) {
  auto* b = new platform::PictureButton(parent, QString::fromLatin1(name));
  b->setPixmap(face);
  b->setGeometry(geometry);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

}  // namespace

TfrmMenuScadenze::TfrmMenuScadenze(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmMenuScadenze"), platform::WindowKind::Maximized,
                     QStringLiteral(" Velmora 4.0 - Scadenze Imminenti"), kDesignWidth, kDesignHeight) {
  lblMemory();
  panContainer_ = new QWidget(this);
  panContainer_->setGeometry(0, 0, kDesignWidth, kDesignHeight);

  strip(panContainer_, QStringLiteral("SCADENZE IMMINENTI"), QRect(40, 30, kDesignWidth - 80, 80), kNavy, 28);

  lblIstruzioni = new QLabel(QStringLiteral("Premi il pulsante relativo al tipo di scadenze imminenti da riepilogare."),
                             panContainer_);
  lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
  lblIstruzioni->setGeometry(40, 140, kDesignWidth - 80, 30);
  lblIstruzioni->setAlignment(Qt::AlignCenter);
  lblIstruzioni->setFont(QFont(QStringLiteral("Verdana"), 13, QFont::Bold));
  QPalette pal = lblIstruzioni->palette();
  pal.setColor(QPalette::WindowText, kNavy);
  lblIstruzioni->setPalette(pal);

  const QSize face(400, 110);
  const int left = (kDesignWidth - 2 * face.width() - 40) / 2;
  const int right = left + face.width() + 40;
  btnRevisione = pictureButton(panContainer_, "btnRevisione", orangeButton(QStringLiteral("REVISIONE"), face),
                               QRect(QPoint(left, 200), face));
  btnTagliando = pictureButton(panContainer_, "btnTagliando", orangeButton(QStringLiteral("TAGLIANDO"), face),
                               QRect(QPoint(right, 200), face));
  btnAssicurazione = pictureButton(panContainer_, "btnAssicurazione",
                                   orangeButton(QStringLiteral("ASSICURAZIONE"), face), QRect(QPoint(left, 340), face));
  btnBollo = pictureButton(panContainer_, "btnBollo", orangeButton(QStringLiteral("BOLLO"), face),
                           QRect(QPoint(right, 340), face));
  // The words the faces carry, for whoever cannot see the pictures.
  btnRevisione->setAccessibleName(QStringLiteral("REVISIONE"));
  btnTagliando->setAccessibleName(QStringLiteral("TAGLIANDO"));
  btnAssicurazione->setAccessibleName(QStringLiteral("ASSICURAZIONE"));
  btnBollo->setAccessibleName(QStringLiteral("BOLLO"));

  strip(panContainer_,
        QStringLiteral("UNA VOLTA RISPETTATA UNA SCADENZA, RICORDA DI INSERIRE LA DATA DELLA SCADENZA SUCCESSIVA "
                       "NELLA SCHEDA DEL VEICOLO"),
        QRect(40, 490, kDesignWidth - 80, 64), kSteelBlue, 12);

  const QSize round(64, 64);
  imgGuida = pictureButton(panContainer_, "imgGuida", kit::roundPicture(QStringLiteral("?"), kSteelBlue, round),
                           QRect(QPoint(kDesignWidth - 40 - 2 * round.width() - 20, 590), round));
  imgEsci = pictureButton(panContainer_, "imgEsci", kit::roundPicture(QStringLiteral("\u2715"), QColor(0xC0, 0x30, 0x30), round),
                          QRect(QPoint(kDesignWidth - 40 - round.width(), 590), round));

  connect(btnRevisione, &platform::PictureButton::clicked, this, &TfrmMenuScadenze::btnRevisioneClick);
  connect(btnTagliando, &platform::PictureButton::clicked, this, &TfrmMenuScadenze::btnTagliandoClick);
  connect(btnAssicurazione, &platform::PictureButton::clicked, this, &TfrmMenuScadenze::btnAssicurazioneClick);
  connect(btnBollo, &platform::PictureButton::clicked, this, &TfrmMenuScadenze::btnBolloClick);
  connect(imgGuida, &platform::PictureButton::clicked, this, &TfrmMenuScadenze::imgGuidaClick);
  connect(imgEsci, &platform::PictureButton::clicked, this, &TfrmMenuScadenze::imgEsciClick);
}

QString TfrmMenuScadenze::helpTitle() { return QStringLiteral("App Scadenze Imminenti"); }

QStringList TfrmMenuScadenze::helpParagraphs() {
  return {
      QStringLiteral("L'app Scadenze Imminenti tiene sotto controllo, per ogni veicolo dell'archivio Parco "
                     "Automezzi, le date di scadenza della revisione, del tagliando, dell'assicurazione e del bollo "
                     "così come sono registrate nella scheda del veicolo."),
      QStringLiteral("Premi uno dei quattro pulsanti arancioni: l'elenco che si apre mostra i veicoli la cui "
                     "scadenza è già trascorsa o cade nei prossimi 7 giorni, e può essere stampato con il pulsante "
                     "Stampa."),
      QStringLiteral("Una volta rispettata una scadenza, ricorda di inserire la data della scadenza successiva nella "
                     "scheda del veicolo e di registrare il pagamento effettuato attraverso il pulsante dei costi "
                     "della scheda."),
  };
}

void TfrmMenuScadenze::btnRevisioneClick() {
  TfrmScadRevisione list(this);
  list.showModalDialog();
}

void TfrmMenuScadenze::btnTagliandoClick() {
  TfrmScadTagliando list(this);
  list.showModalDialog();
}

void TfrmMenuScadenze::btnAssicurazioneClick() {
  TfrmScadAssicurazione list(this);
  list.showModalDialog();
}

void TfrmMenuScadenze::btnBolloClick() {
  TfrmScadBollo list(this);
  list.showModalDialog();
}

void TfrmMenuScadenze::imgGuidaClick() { TfrmGuida::showHelp(this, helpTitle(), helpParagraphs()); }

void TfrmMenuScadenze::imgEsciClick() { closeForm(); }

void TfrmMenuScadenze::FormClose() { platform::showLauncher(); }

void TfrmMenuScadenze::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(0xB0, 0xC4, 0xDE));
  g.setColorAt(1, Qt::white);
  p.fillRect(rect(), g);
}

void TfrmMenuScadenze::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  // The design stays its size, centred in the maximized window.
  platform::centreIn(panContainer_, size());
}
