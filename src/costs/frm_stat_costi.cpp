#include "costs/frm_stat_costi.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "costs/cost_record.h"
#include "shell/frm_guida.h"
#include "shell/misc.h"

using costs::costField;

namespace {

// The chart panel's picture: a hand holding a fan of banknotes.
QPixmap handWithBanknotes(const QSize& size) {
  return shell::drawnPicture(size, QSizeF(76, 76), [](QPainter& p) {
    // Three notes fanned out behind the thumb.
    const QColor notes[] = {QColor(0x6B, 0xA3, 0x68), QColor(0x8C, 0xC0, 0x7E), QColor(0xA9, 0xD6, 0x9A)};
    for (int i = 0; i < 3; ++i) {
      p.save();
      p.translate(38, 40);
      p.rotate(-28 + 14 * i);
      p.setPen(QPen(QColor(0x2F, 0x5E, 0x2C), 1.2));
      p.setBrush(notes[i]);
      p.drawRect(QRectF(-14, -34, 28, 40));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(0, -16), 6, 6);
      p.drawText(QRectF(-6, -22, 12, 12), Qt::AlignCenter, QStringLiteral("€"));
      p.restore();
    }
    // The hand: the palm under the notes, four fingers closed over them, the thumb on top.
    const QColor skin(0xF2, 0xC2, 0x9B), line(0xA8, 0x6E, 0x48);
    p.setPen(QPen(line, 1.4));
    p.setBrush(skin);
    QPainterPath palm;
    palm.moveTo(14, 50);
    palm.cubicTo(16, 40, 30, 38, 44, 42);
    palm.lineTo(62, 46);
    palm.cubicTo(68, 50, 66, 60, 58, 64);
    palm.lineTo(34, 72);
    palm.cubicTo(24, 74, 16, 66, 14, 50);
    p.drawPath(palm);
    for (int f = 0; f < 4; ++f) p.drawRoundedRect(QRectF(30 + 7 * f, 44 + f, 8, 18 - f * 2), 4, 4);
    QPainterPath thumb;
    thumb.moveTo(18, 52);
    thumb.cubicTo(18, 40, 28, 32, 36, 34);
    thumb.cubicTo(40, 36, 38, 42, 32, 44);
    thumb.cubicTo(28, 46, 26, 52, 24, 56);
    p.drawPath(thumb);
  });
}

}  // namespace

kit::StatisticsSettings TfrmStatCosti::settings() {
  return {
      .windowClass = QStringLiteral("TfrmStatCosti"),
      .caption = QStringLiteral(" Velmora 4.0 - Statistiche costi mensili"),
      .gradientTop = QColor(0x42, 0x7A, 0xA8),
      .banner = QStringLiteral("STATISTICHE COSTI MENSILI"),
      .yearHighlight = true,

      .chartPicture = {.name = QStringLiteral("imgFattura"), .draw = &handWithBanknotes},
      .headingDesign = QStringLiteral("Rappresentazione grafica dei costi sostenuti nell'anno solare."),
      .headingPrefix = QStringLiteral("Rappresentazione grafica dei costi sostenuti nell'anno "),
      .explanation = QStringLiteral("Il presente grafico statistico mostra i costi sostenuti in ciascun mese "
                                    "dell'anno per i veicoli della flotta automezzi."),
      .initialHint = QStringLiteral("Grafico statistico dei costi annuali."),
      .hintBarre = QStringLiteral(
          "Visualizza le statistiche dei costi sotto forma di grafico a barre tridimensionali."),
      .hintTorta = QStringLiteral(
          "Visualizza le statistiche dei costi sotto forma di grafico a torta tridimensionale."),
      .decorationsClearHint = true,

      .chartTitle = QStringLiteral("Statistiche costi mensili"),
      .chartFoot = QStringLiteral("Tutti gli importi sono arrotondati all'euro"),
      .legendTitle = QStringLiteral("Costi sostenuti:"),

      .layout = &costs::costLayout(),
      .yearExtension = QString::fromLatin1(costs::CostRecord::kExtension),
      .dateField = costField("Data"),
      .amountField = costField("Importo"),

      .helpTitle = QStringLiteral("App Statistiche costi mensili"),
      .helpParagraphs =
          {
              QStringLiteral("L'app Statistiche costi mensili consente di visualizzare e stampare grafici statistici "
                             "dei costi sostenuti in ciascun mese dell'anno per i veicoli della flotta automezzi. "
                             "I grafici possono essere visualizzati sotto forma di torta o di barre tridimensionali "
                             "e riportano i totali mensili arrotondati all'euro."),
              QStringLiteral("La prima operazione da eseguire per visualizzare i grafici statistici è quella di "
                             "indicare l'anno solare di interesse. Digitato l'anno, basta premere il pulsante Apri "
                             "per accedere alla finestra che contiene il grafico."),
              QStringLiteral("Il grafico che appare è costituito da dodici barre tridimensionali, ognuna "
                             "corrispondente a un mese dell'anno solare. Più alta è la barra, maggiori sono i costi "
                             "sostenuti nel mese. Il pulsante Visualizza grafico a torta mostra gli stessi dati "
                             "sotto forma di grafico a torta, mentre il pulsante Visualizza grafico a barre "
                             "ripristina il grafico a barre."),
              QStringLiteral("Il pulsante Stampa grafico consente di ottenere su carta il grafico visualizzato in "
                             "quel momento unitamente agli importi relativi ai costi mensili."),
          },
      .help = &TfrmGuida::showHelp,
  };
}

TfrmStatCosti::TfrmStatCosti(QWidget* owner) : kit::StatisticsWindow(owner, settings()) {}
