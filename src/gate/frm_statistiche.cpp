#include "gate/frm_statistiche.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "gate/visit_record.h"
#include "shell/frm_guida.h"
#include "shell/misc.h"

namespace {

// The chart panel's picture: a gatekeeper in a peaked cap beside a striped barrier.
QPixmap gatekeeper(const QSize& size) {
  return shell::drawnPicture(size, QSizeF(76, 76), [](QPainter& p) {
    // The barrier: a post and a red and white arm.
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(QColor(0x70, 0x70, 0x70));
    p.drawRect(QRectF(58, 44, 8, 28));
    for (int i = 0; i < 5; ++i) {
      p.setBrush(i % 2 ? Qt::white : QColor(0xD0, 0x20, 0x20));
      p.drawRect(QRectF(34 + 6 * i, 38, 6, 6));
    }
    // The gatekeeper: shoulders in a blue uniform, the head, the cap with its peak.
    const QColor uniform(0x1F, 0x3A, 0x68), skin(0xF2, 0xC2, 0x9B);
    p.setPen(QPen(QColor(0x10, 0x20, 0x40), 1.2));
    p.setBrush(uniform);
    QPainterPath body;
    body.moveTo(6, 74);
    body.cubicTo(6, 54, 14, 46, 26, 46);
    body.cubicTo(38, 46, 46, 54, 46, 74);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(0xE8, 0xC5, 0x3A));  // the badge
    p.drawEllipse(QPointF(34, 58), 3, 3);
    p.setPen(QPen(QColor(0xA8, 0x6E, 0x48), 1.2));
    p.setBrush(skin);
    p.drawEllipse(QRectF(16, 20, 20, 24));
    p.setPen(QPen(QColor(0x10, 0x20, 0x40), 1.2));
    p.setBrush(uniform);
    p.drawRoundedRect(QRectF(14, 12, 24, 11), 4, 4);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawRect(QRectF(12, 22, 28, 3));
  });
}

// A green van seen from the side, on the year panel.
QPixmap greenVan(const QSize& size) {
  return shell::drawnPicture(size, QSizeF(200, 120), [](QPainter& p) {
    p.setPen(QPen(QColor(0x1E, 0x5A, 0x1E), 2));
    p.setBrush(QColor(0x3C, 0xA0, 0x3C));
    QPainterPath body;
    body.moveTo(10, 92);
    body.lineTo(10, 24);
    body.quadTo(10, 16, 18, 16);
    body.lineTo(132, 16);
    body.lineTo(166, 50);
    body.lineTo(186, 56);
    body.quadTo(192, 58, 192, 66);
    body.lineTo(192, 92);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(0xCF, 0xE8, 0xF5));  // the windscreen and the side window
    p.drawPolygon(QPolygonF({QPointF(134, 24), QPointF(158, 50), QPointF(134, 50)}));
    p.drawRect(QRectF(104, 24, 24, 26));
    p.setPen(QPen(QColor(0x1E, 0x5A, 0x1E), 1.5));
    p.drawLine(QPointF(100, 20), QPointF(100, 90));  // the sliding door
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    for (qreal x : {44.0, 158.0}) {
      p.drawEllipse(QPointF(x, 94), 15, 15);
      p.setBrush(QColor(0xB0, 0xB0, 0xB0));
      p.drawEllipse(QPointF(x, 94), 6, 6);
      p.setBrush(QColor(0x30, 0x30, 0x30));
    }
  });
}

}  // namespace

kit::StatisticsSettings TfrmStatistiche::settings() {
  kit::StatisticsSettings s{
      .windowClass = QStringLiteral("TfrmStatistiche"),
      .caption = QStringLiteral(" Velmora 4.0 - Statistiche transiti veicoli"),
      .gradientTop = QColor(0x46, 0x7B, 0xB1),
      .banner = QStringLiteral("STATISTICHE TRANSITI VEICOLI"),
      .yearPictures = {{.name = QStringLiteral("imgFurgone"), .geometry = QRect(397, 456, 200, 120),
                        .draw = &greenVan}},
      .yearHighlight = false,

      .chartPicture = {.name = QStringLiteral("icoDecoro08"), .draw = &gatekeeper},
      .headingDesign = QStringLiteral("Rappresentazione grafica degli ingressi e uscite veicoli."),
      .headingPrefix = QStringLiteral("Rappresentazione grafica dei transiti registrati nell'anno "),
      .explanation = QStringLiteral("Il presente grafico statistico mostra i transiti dei veicoli totalizzati in "
                                    "ciascun mese dell'anno solare."),
      .initialHint = QStringLiteral("Grafico statistico dei transiti mensili."),
      .hintBarre = QStringLiteral("Visualizza le statistiche degli ingressi e uscite veicoli sotto forma di grafico a "
                                  "barre tridimensionali."),
      .hintTorta = QStringLiteral("Visualizza le statistiche degli ingressi e uscite veicoli sotto forma di grafico a "
                                  "torta tridimensionale."),
      .decorationsClearHint = false,

      .chartTitle = QStringLiteral("Statistiche mensili ingressi e uscite veicoli"),
      .chartFoot = QStringLiteral("Le statistiche si basano sui transiti effettivamente registrati per tutti i "
                                  "veicoli."),
      .legendTitle = QStringLiteral("Numero transiti veicoli:"),

      .layout = &gate::visitLayout(),
      .yearExtension = QString::fromLatin1(gate::VisitRecord::kExtension),
      .dateField = gate::visitLayout().indexOf("DataEnt"),
      .amountField = std::nullopt,  // each visit counts once, in the month it entered

      .helpTitle = QStringLiteral("Grafici statistici dei transiti dei veicoli"),
      .helpParagraphs =
          {
              QStringLiteral("L'app Statistiche transiti veicoli consente di visualizzare e stampare grafici "
                             "statistici sugli ingressi e sulle uscite registrate nell'anno solare selezionato. "
                             "I grafici, sotto forma di torta o di barre tridimensionali, riportano un valore per "
                             "ciascun mese dell'anno."),
              QStringLiteral("La prima operazione da eseguire per visualizzare i grafici statistici è quella di "
                             "indicare l'anno solare di interesse. Digitato l'anno, basta premere il pulsante Apri "
                             "per accedere alla finestra che contiene il grafico."),
              QStringLiteral("Il grafico che appare è costituito da dodici barre tridimensionali, ognuna "
                             "corrispondente a un mese dell'anno solare. Più alta è la barra, maggiore è il numero "
                             "dei transiti registrati nel mese. Il pulsante Visualizza grafico a torta mostra gli "
                             "stessi dati sotto forma di grafico a torta, mentre il pulsante Visualizza grafico a "
                             "barre ripristina il grafico a barre."),
              QStringLiteral("Il pulsante Stampa grafico consente di ottenere su carta il grafico visualizzato in "
                             "quel momento unitamente ai dati relativi ai transiti mensili."),
          },
      .help = &TfrmGuida::showHelp,
  };
  s.monthColours[2] = QColor(0xFF, 0xE4, 0xC4);  // March in bisque
  return s;
}

TfrmStatistiche::TfrmStatistiche(QWidget* owner) : kit::StatisticsWindow(owner, settings()) {}
