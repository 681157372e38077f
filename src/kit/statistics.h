#pragma once
// The statistics windows (monthly costs, monthly gate transits), built once: a
// long-lived window with two panels taking turns. The year panel takes a year and
// "Apri" reads that year's archive into twelve monthly values (core::sumByMonth),
// rounded to whole units, held in the hidden labels memGennaio .. memDicembre; the
// chart panel shows them in the chart ChartStats as bars or as a pie, prints the
// chart and shows the help.
//
// A statistics window is its settings:
//
//   class TfrmStatCosti : public kit::StatisticsWindow {
//    public:
//     explicit TfrmStatCosti(QWidget* owner) : StatisticsWindow(owner, settings()) {}
//     static kit::StatisticsSettings settings();
//   };
//
// What varies: class, caption, background gradient, texts, status hints, the chart's
// texts and month colours, the archive (the year + an extension, a record layout),
// the date field, the month's value (the sum of an amount field, or the number of
// records), the pictures, the help, and whether the year box shows its focus with
// the yellow highlight effAnno.
//
// The year: only the digits 0-9 enter the year box, typed or pasted; "Apri" takes
// nothing but four ASCII digits (else the warning "Attenzione: indicare l'anno solare
// utilizzando quattro cifre." and the focus back to the year box). A year without its
// archive creates it empty (0 bytes) and charts twelve zeros; an existing archive is
// never re-created nor truncated.
//
// Failures: an archive that cannot be opened or read stops "Apri" silently: the year
// panel stays and the month labels hold the sums of the records read before the
// failure, as they were being added. A record of the year whose amount is empty or not
// a number is left out and the chart is drawn. The chart print (question, copies
// prompt, print dialog, one landscape document per copy: kit::printCopies) shows an
// error box with the failure's own message when the printer fails or the copies
// answer is too large for a number, prints nothing more, and the program goes on.
//
// The chart's kind (bars or pie) stays as last chosen, across showings.
#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "core/monthly_sums.h"
#include "core/record.h"
#include "platform/chart/chart.h"
#include "platform/form.h"

class QLabel;
class QPushButton;

namespace platform {
class FilteredEdit;
class PictureButton;
}  // namespace platform

namespace kit {

// The month colours of the charts, January first.
inline const std::array<QColor, 12> kMonthColours = {
    QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0x00, 0xFF),
    QColor(0xC0, 0xDC, 0xC0), QColor(0xFF, 0xFF, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0xC0, 0xC0, 0xC0),
    QColor(0xF0, 0xFB, 0xFF), QColor(0x87, 0xCE, 0xEB), QColor(0x80, 0x00, 0x00), QColor(0x00, 0x80, 0x00)};

// A picture of the window: a label named `name`, showing what `draw` paints for its size.
struct StatisticsPicture {
  QString name = {};
  QRect geometry = {};  // on the year panel; the chart panel's picture has its own place
  std::function<QPixmap(const QSize&)> draw = {};
};

// Every member has a default, so a designated initializer may name only what it sets.
// Every member has a default, so a designated initializer may name only what it sets.
struct StatisticsSettings {
  // ---- the window ------------------------------------------------------------
  QString windowClass = {};  // "TfrmStatCosti"
  QString caption = {};      // " Velmora 4.0 - Statistiche costi mensili"
  QColor gradientTop = {};   // the background: a vertical gradient from this to white
  QString banner = {};       // imgTitolo, the year panel's banner: the window's title in capitals
  // Pictures of the year panel besides the pie (imgLogo02) and the bars (icoOperatore).
  std::vector<StatisticsPicture> yearPictures = {};
  bool yearHighlight = false;  // the yellow focus highlight effAnno of the year box

  // ---- the chart panel -------------------------------------------------------
  StatisticsPicture chartPicture = {};  // beside the heading ("imgFattura")
  QString headingDesign = {};  // lblTitolo before the first "Apri"
  QString headingPrefix = {};  // lblTitolo after "Apri": this + the year + "."
  QString explanation = {};    // lblRigo04
  QString initialHint = {};    // panInfo when the window is made
  QString hintBarre = {};
  QString hintTorta = {};
  QString hintStampa = QStringLiteral("Stampa il grafico corrente.");
  QString hintEsci = QStringLiteral("Esci da questo ambiente di lavoro.");
  QString hintGuida = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
  // Besides the window, panContainer, shpSezione01, shpInfo and ChartStats, the mouse
  // over bkgSezione01 and the chart panel's picture empties the status hint too.
  bool decorationsClearHint = false;

  // ---- the chart -------------------------------------------------------------
  QString chartTitle = {};
  QString chartFoot = {};
  QString legendTitle = {};
  std::array<QColor, 12> monthColours = kMonthColours;

  // ---- the archive -----------------------------------------------------------
  const core::RecordLayout* layout = nullptr;  // must outlive the window
  QString yearExtension = {};                  // ".eur": the archive is the year + this, beside the executable
  std::size_t dateField = 0;                   // the date read by character positions
  // The month's value is the sum of this field (decimal comma); none: the number of records.
  std::optional<std::size_t> amountField = std::nullopt;

  // ---- help ------------------------------------------------------------------
  QString helpTitle = {};
  QStringList helpParagraphs = {};
  std::function<void(QWidget* owner, const QString& title, const QStringList& paragraphs)> help = {};
};

// The chart of the settings' texts and colours with twelve month values (none: no
// points), as ChartStats shows it.
platform::Chart statisticsChart(const StatisticsSettings& settings, platform::ChartKind kind,
                                const std::optional<core::MonthValues>& values = std::nullopt);

class StatisticsWindow : public platform::Form {
  Q_OBJECT
 public:
  StatisticsWindow(QWidget* owner, StatisticsSettings settings);
  ~StatisticsWindow() override;

  const StatisticsSettings& settings() const { return settings_; }

  // ---- the year panel ----
  QWidget* panAvvio = nullptr;
  QLabel* imgTitolo = nullptr;
  QLabel* lblApri = nullptr;
  platform::FilteredEdit* txtAnno = nullptr;
  QPushButton* btnApri = nullptr;
  platform::PictureButton* imgGuida = nullptr;
  platform::PictureButton* imgEsci = nullptr;
  QLabel* lblFile = nullptr;                 // hidden: the archive last opened
  std::array<QLabel*, 12> months = {};       // hidden: memGennaio .. memDicembre

  // ---- the chart panel ----
  QWidget* panContainer = nullptr;
  QLabel* lblTitolo = nullptr;
  QLabel* lblRigo04 = nullptr;
  QLabel* lblRigo05 = nullptr;
  platform::PictureButton* cmdGuida = nullptr;
  platform::ChartView* ChartStats = nullptr;
  QPushButton* btnTorta = nullptr;
  QPushButton* btnBarre = nullptr;
  QPushButton* btnStampa = nullptr;
  QPushButton* btnEsci = nullptr;
  QLabel* panInfo = nullptr;

 public slots:
  void btnApriClick();
  void btnBarreClick();
  void btnTortaClick();
  void btnStampaClick();
  void btnEsciClick();
  void imgEsciClick();
  void imgGuidaClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildYearPanel();
  void buildChartPanel();
  void clearsHint(QWidget* widget);

  StatisticsSettings settings_;
};

}  // namespace kit
