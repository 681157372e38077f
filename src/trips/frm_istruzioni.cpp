#include "trips/frm_istruzioni.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>

#include "platform/widgets.h"

namespace {

constexpr int kPageWidth = 590;
constexpr int kPageHeight = 530;

const char* const kTitle = "COME CALCOLARE I CONSUMI DI CARBURANTE";
const char* const kSteps[] = {
    "Alla partenza fare il pieno del serbatoio: i litri e l'importo di questo rifornimento non vanno annotati.",
    "Durante il viaggio annotare, a ogni rifornimento, i litri e l'importo pagato così come indicati dalla pompa "
    "di carburante.",
    "Al rientro fare di nuovo il pieno e annotarne i litri e l'importo.",
};
const char* const kResult =
    "Il carburante consumato è la somma dei litri di tutti i rifornimenti annotati, compreso il pieno finale; il "
    "costo è la somma degli importi pagati. Perché il conto sia esatto il serbatoio deve essere pieno alla "
    "partenza.";
const char* const kShortTrip =
    "Nei viaggi brevi, senza rifornimenti durante il percorso, il consumo è dato dal solo pieno fatto al rientro.";

}  // namespace

QImage TfrmIstruzioni::page() {
  QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient band(0, 0, 0, 64);
  band.setColorAt(0, QColor(0x1F, 0x3A, 0x68));
  band.setColorAt(1, QColor(0x46, 0x82, 0xB4));
  p.fillRect(QRect(0, 0, kPageWidth, 64), band);
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(19);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, kPageWidth, 64), Qt::AlignCenter, QString::fromUtf8(kTitle));

  QFont body(QStringLiteral("DejaVu Sans"));
  body.setPixelSize(14);
  QFont bold = body;
  bold.setBold(true);
  int y = 88;
  const int left = 30, textLeft = 74, textWidth = kPageWidth - textLeft - 30;
  for (int i = 0; i < static_cast<int>(std::size(kSteps)); ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x46, 0x82, 0xB4));
    p.drawEllipse(QRect(left, y, 30, 30));
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(QRect(left, y, 30, 30), Qt::AlignCenter, QString::number(i + 1));
    p.setFont(body);
    p.setPen(Qt::black);
    const QRect box(textLeft, y + 4, textWidth, 120);
    QRect used;
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(kSteps[i]), &used);
    y = std::max(y + 44, used.bottom() + 18);
  }

  p.setPen(QPen(QColor(0xB0, 0xC4, 0xDE), 2));
  p.drawLine(left, y, kPageWidth - left, y);
  y += 16;
  for (const char* text : {kResult, kShortTrip}) {
    p.setFont(text == kResult ? bold : body);
    p.setPen(QColor(0x1F, 0x3A, 0x68));
    QRect used;
    p.drawText(QRect(left, y, kPageWidth - 2 * left, 160), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8(text), &used);
    y = used.bottom() + 18;
  }
  return image;
}

TfrmIstruzioni::TfrmIstruzioni(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmIstruzioni"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Istruzioni per l'uso"), kPageWidth + 20, kPageHeight + 70) {
  imgCorpo = new QLabel(this);
  imgCorpo->setObjectName(QStringLiteral("imgCorpo"));
  imgCorpo->setGeometry(10, 10, kPageWidth, kPageHeight);
  imgCorpo->setPixmap(QPixmap::fromImage(page()));
  // The page's texts, for whoever cannot see the picture.
  imgCorpo->setAccessibleName(QString::fromUtf8(kTitle));
  QStringList method;
  for (const char* step : kSteps) method << QString::fromUtf8(step);
  method << QString::fromUtf8(kResult) << QString::fromUtf8(kShortTrip);
  imgCorpo->setAccessibleDescription(method.join(QLatin1Char('\n')));
  btnChiudi = platform::pushButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                                   QRect(kPageWidth + 20 - 10 - 140, kPageHeight + 22, 140, 36));
  connect(btnChiudi, &QPushButton::clicked, this, &TfrmIstruzioni::btnChiudiClick);
}

void TfrmIstruzioni::btnChiudiClick() { closeForm(); }
