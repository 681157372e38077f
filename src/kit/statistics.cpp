#include "kit/statistics.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

#include "core/archive.h"
#include "kit/archive_source.h"
#include "kit/canvas_print.h"
#include "kit/messages.h"
#include "kit/year_menu.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"

namespace kit {

namespace {

using platform::namedLabel;
using platform::setTextColour;

constexpr int kWidth = 1016;
constexpr int kHeight = 713;
constexpr int kPanelWidth = 995;
constexpr int kPanelHeight = 692;

const QColor kSlateBlue(0x6A, 0x5A, 0xCD);
const char* const kMonthLabels[12] = {"memGennaio", "memFebbraio", "memMarzo",     "memAprile",
                                      "memMaggio",  "memGiugno",   "memLuglio",    "memAgosto",
                                      "memSettembre", "memOttobre", "memNovembre", "memDicembre"};

QFont verdana(int points, bool bold) {
  QFont f(QStringLiteral("Verdana"), points);
  f.setBold(bold);
  return f;
}

// The heading in Verdana 20 bold while it fits on its line, else in the largest size
// that does (a year's heading is longer than the designed one).
void fitHeading(QLabel* heading) {
  QFont font = verdana(20, true);
  while (font.pointSize() > 8 && QFontMetrics(font).horizontalAdvance(heading->text()) > heading->width())
    font.setPointSize(font.pointSize() - 1);
  heading->setFont(font);
}

// A panel's painted box: a rounded gradient from `top` to `bottom`.
class Box : public QWidget {
 public:
  Box(QWidget* parent, const QString& name, const QRect& geometry, QColor top, QColor bottom)
      : QWidget(parent), top_(top), bottom_(bottom) {
    setObjectName(name);
    setGeometry(geometry);
    lower();
  }

 protected:
  void paintEvent(QPaintEvent*) override { platform::paintRoundedGradient(this, top_, bottom_, 10); }

 private:
  QColor top_, bottom_;
};

QLabel* pictureLabel(QWidget* parent, const StatisticsPicture& picture, const QRect& geometry) {
  QLabel* l = namedLabel(parent, picture.name, QString(), geometry);
  l->setAlignment(Qt::AlignCenter);
  if (picture.draw) l->setPixmap(picture.draw(geometry.size()));
  return l;
}

// A small chart of made-up values, shapes only: the pictures of the year panel.
QPixmap chartPicture(const StatisticsSettings& settings, platform::ChartKind kind, const QSize& size) {
  static const core::MonthValues kSample = {3, 5, 4, 6, 7, 6, 8, 9, 8, 10, 11, 12};
  platform::Chart chart = statisticsChart(settings, kind, kSample);
  chart.texts = false;
  chart.background = false;
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter painter(&pm);
  platform::drawChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
  return pm;
}

}  // namespace

platform::Chart statisticsChart(const StatisticsSettings& settings, platform::ChartKind kind,
                                const std::optional<core::MonthValues>& values) {
  platform::Chart chart;
  chart.kind = kind;
  chart.title = settings.chartTitle;
  chart.foot = settings.chartFoot;
  chart.legendTitle = settings.legendTitle;
  if (values) {
    for (std::size_t m = 0; m < 12; ++m) {
      chart.points.push_back({(*values)[m], platform::fromCore(core::Text(core::monthName(static_cast<int>(m) + 1))),
                              settings.monthColours[m]});
    }
  }
  return chart;
}

StatisticsWindow::StatisticsWindow(QWidget* owner, StatisticsSettings settings)
    : platform::Form(owner, settings.windowClass, platform::WindowKind::Maximized, settings.caption, kWidth, kHeight),
      settings_(std::move(settings)) {
  platform::setRegionalFormats();
  buildYearPanel();
  buildChartPanel();
  clearsHint(this);
}

StatisticsWindow::~StatisticsWindow() = default;

// ---- layout ---------------------------------------------------------------------------

void StatisticsWindow::buildYearPanel() {
  panAvvio = new QWidget(this);
  panAvvio->setObjectName(QStringLiteral("panAvvio"));
  panAvvio->resize(kPanelWidth, kPanelHeight);

  imgTitolo = namedLabel(panAvvio, QStringLiteral("imgTitolo"), settings_.banner, QRect(97, 48, 800, 96));
  imgTitolo->setAlignment(Qt::AlignCenter);
  imgTitolo->setFont(verdana(26, true));
  imgTitolo->setStyleSheet(QStringLiteral(
      "QLabel { color: white; border-radius: 12px; border: 2px solid white;"
      " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1F3A68, stop:1 #4682B4); }"));

  QLabel* pie = namedLabel(panAvvio, QStringLiteral("imgLogo02"), QString(), QRect(97, 214, 230, 220));
  pie->setPixmap(chartPicture(settings_, platform::ChartKind::Pie, pie->size()));
  QLabel* bars = namedLabel(panAvvio, QStringLiteral("icoOperatore"), QString(), QRect(667, 214, 230, 220));
  bars->setPixmap(chartPicture(settings_, platform::ChartKind::Bars, bars->size()));
  for (const StatisticsPicture& p : settings_.yearPictures) pictureLabel(panAvvio, p, p.geometry);

  new Box(panAvvio, QStringLiteral("shpAnno"), QRect(357, 204, 280, 240), platform::kSteelBlue,
          platform::kSteelBlue);
  lblApri = namedLabel(panAvvio, QStringLiteral("lblApri"), QStringLiteral("Indicare l'anno solare e premere Apri."),
                       QRect(377, 220, 240, 48));
  lblApri->setWordWrap(true);
  lblApri->setAlignment(Qt::AlignCenter);
  lblApri->setFont(verdana(11, true));
  setTextColour(lblApri, Qt::white);
  auto* year = new YearBox(panAvvio, QStringLiteral("txtAnno"));
  txtAnno = year;
  txtAnno->setGeometry(407, 284, 180, 62);
  txtAnno->setFont(verdana(28, true));
  txtAnno->setAlignment(Qt::AlignCenter);
  btnApri = platform::pushButton(panAvvio, QStringLiteral("btnApri"), QStringLiteral("Apri"), QRect(422, 370, 150, 44));
  year->setEnterTarget(btnApri);
  platform::clickOnEnter(btnApri);
  connect(btnApri, &QPushButton::clicked, this, &StatisticsWindow::btnApriClick);
  if (settings_.yearHighlight) platform::addFocusHighlight(txtAnno, QStringLiteral("effAnno"));

  imgGuida = new platform::PictureButton(panAvvio, QStringLiteral("imgGuida"), QStringLiteral("Guida"));
  imgGuida->setGeometry(97, 560, 206, 52);
  imgGuida->setCursor(Qt::PointingHandCursor);
  imgEsci = new platform::PictureButton(panAvvio, QStringLiteral("imgEsci"), QStringLiteral("Esci"));
  imgEsci->setGeometry(691, 560, 206, 52);
  imgEsci->setCursor(Qt::PointingHandCursor);
  connect(imgGuida, &platform::PictureButton::clicked, this, &StatisticsWindow::imgGuidaClick);
  connect(imgEsci, &platform::PictureButton::clicked, this, &StatisticsWindow::imgEsciClick);

  lblFile = namedLabel(panAvvio, QStringLiteral("lblFile"), QStringLiteral("FilePath"), QRect(0, 0, 10, 10));
  lblFile->setVisible(false);
  for (std::size_t m = 0; m < 12; ++m) {
    months[m] = namedLabel(panAvvio, QString::fromLatin1(kMonthLabels[m]), QStringLiteral("0"), QRect(0, 0, 10, 10));
    months[m]->setVisible(false);
  }
  setTabOrder(txtAnno, btnApri);
}

void StatisticsWindow::buildChartPanel() {
  panContainer = new QWidget(this);
  panContainer->setObjectName(QStringLiteral("panContainer"));
  panContainer->resize(kPanelWidth, kPanelHeight);
  panContainer->setVisible(false);
  QWidget* pan = panContainer;

  auto* heading = new Box(pan, QStringLiteral("bkgSezione01"), QRect(15, 8, 965, 88), QColor(0xF8, 0xFA, 0xFD),
                          QColor(0xDC, 0xE6, 0xF2));
  QLabel* picture = pictureLabel(pan, settings_.chartPicture, QRect(25, 14, 76, 76));
  lblTitolo = namedLabel(pan, QStringLiteral("lblTitolo"), settings_.headingDesign, QRect(112, 12, 820, 36));
  fitHeading(lblTitolo);
  setTextColour(lblTitolo, kSlateBlue);
  lblRigo04 = namedLabel(pan, QStringLiteral("lblRigo04"), settings_.explanation, QRect(112, 50, 820, 18));
  lblRigo05 = namedLabel(pan, QStringLiteral("lblRigo05"),
                         QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato "
                                        "e per mandarlo in stampa."),
                         QRect(112, 70, 820, 18));
  for (QLabel* l : {lblRigo04, lblRigo05}) l->setFont(verdana(9, true));
  cmdGuida = new platform::PictureButton(pan, QStringLiteral("cmdGuida"), QStringLiteral("?"));
  cmdGuida->setGeometry(938, 20, 32, 32);
  cmdGuida->setCursor(Qt::PointingHandCursor);
  connect(cmdGuida, &platform::PictureButton::clicked, this, &StatisticsWindow::imgGuidaClick);

  auto* frame = new Box(pan, QStringLiteral("shpSezione01"), QRect(15, 102, 965, 502), QColor(0xB0, 0xC4, 0xDE),
                        QColor(0x8F, 0xA9, 0xC9));
  ChartStats = new platform::ChartView(pan, QStringLiteral("ChartStats"));
  ChartStats->setGeometry(25, 110, 945, 486);
  ChartStats->setChart(statisticsChart(settings_, platform::ChartKind::Bars));

  btnTorta = platform::pushButton(pan, QStringLiteral("btnTorta"), QStringLiteral("Visualizza grafico a torta"),
                                  QRect(25, 614, 230, 34));
  btnBarre = platform::pushButton(pan, QStringLiteral("btnBarre"), QStringLiteral("Visualizza grafico a barre"),
                                  QRect(265, 614, 230, 34));
  btnStampa = platform::pushButton(pan, QStringLiteral("btnStampa"), QStringLiteral("Stampa grafico"),
                                   QRect(505, 614, 230, 34));
  btnEsci = platform::pushButton(pan, QStringLiteral("btnEsci"), QStringLiteral("Esci"), QRect(760, 614, 210, 34));
  connect(btnTorta, &QPushButton::clicked, this, &StatisticsWindow::btnTortaClick);
  connect(btnBarre, &QPushButton::clicked, this, &StatisticsWindow::btnBarreClick);
  connect(btnStampa, &QPushButton::clicked, this, &StatisticsWindow::btnStampaClick);
  connect(btnEsci, &QPushButton::clicked, this, &StatisticsWindow::btnEsciClick);
  for (QPushButton* b : {btnTorta, btnBarre, btnStampa, btnEsci}) platform::clickOnEnter(b);

  auto* shpInfo = new QWidget(pan);
  shpInfo->setObjectName(QStringLiteral("shpInfo"));
  shpInfo->setGeometry(0, 658, kPanelWidth, 34);
  shpInfo->setAutoFillBackground(true);
  QPalette fill = shpInfo->palette();
  fill.setColor(QPalette::Window, kSlateBlue);
  shpInfo->setPalette(fill);
  panInfo = namedLabel(shpInfo, QStringLiteral("panInfo"), settings_.initialHint, QRect(12, 0, kPanelWidth - 24, 34));
  panInfo->setFont(QFont(QStringLiteral("Tahoma"), 12));
  setTextColour(panInfo, Qt::white);
  setPanInfo(panInfo);

  setHint(btnBarre, settings_.hintBarre);
  setHint(btnTorta, settings_.hintTorta);
  setHint(btnStampa, settings_.hintStampa);
  setHint(btnEsci, settings_.hintEsci);
  setHint(cmdGuida, settings_.hintGuida);
  for (QWidget* w : std::initializer_list<QWidget*>{pan, frame, shpInfo, panInfo, ChartStats})
    clearsHint(w);
  if (settings_.decorationsClearHint) {
    clearsHint(heading);
    clearsHint(picture);
  }
  setTabOrder(btnTorta, btnBarre);
  setTabOrder(btnBarre, btnStampa);
  setTabOrder(btnStampa, btnEsci);
}

void StatisticsWindow::clearsHint(QWidget* widget) {
  // An empty hint: the mouse entering or moving over the widget empties the status hint.
  setHint(widget, QString());
  widget->setMouseTracking(true);
}

// ---- handlers -------------------------------------------------------------------------

void StatisticsWindow::FormShow() {
  static_cast<YearBox*>(txtAnno)->showCurrentYear();
  ChartStats->clearPoints();
  panContainer->setVisible(false);
  panAvvio->setVisible(true);
  txtAnno->setFocus(Qt::OtherFocusReason);
}

void StatisticsWindow::FormClose() {
  platform::showLauncher();
  hide();
}

void StatisticsWindow::btnApriClick() {
  const std::optional<QString> checked = checkedYear(txtAnno, this);
  if (!checked) return;
  const QString year = *checked;
  lblFile->setText(platform::exePath(year + settings_.yearExtension));
  lblTitolo->setText(settings_.headingPrefix + year + QStringLiteral("."));
  fitHeading(lblTitolo);

  core::MonthValues sums{};
  bool read = true;
  try {
    core::Archive archive = openArchive(platform::trim(lblFile->text()), settings_.layout->size());
    core::sumByMonth(archive, {settings_.layout, settings_.dateField, settings_.amountField}, platform::toCore(year),
                     sums);
  } catch (const core::ArchiveError&) {
    // Silent: the year panel stays, the labels holding what was added before the failure.
    read = false;
  }
  for (std::size_t m = 0; m < 12; ++m) months[m]->setText(platform::formatGeneral(sums[m]));
  if (!read) return;

  core::MonthValues values{};
  for (std::size_t m = 0; m < 12; ++m) {
    months[m]->setText(platform::fromCore(core::wholeMonthText(platform::toCore(months[m]->text()))));
    values[m] = core::parseDecimal(platform::toCore(months[m]->text())).value_or(0);
  }
  ChartStats->setChart(statisticsChart(settings_, ChartStats->kind(), values));
  panAvvio->setVisible(false);
  panContainer->setVisible(true);
}

void StatisticsWindow::btnBarreClick() { ChartStats->setKind(platform::ChartKind::Bars); }

void StatisticsWindow::btnTortaClick() { ChartStats->setKind(platform::ChartKind::Pie); }

void StatisticsWindow::btnStampaClick() {
  const platform::Chart chart = ChartStats->chart();  // as shown now
  printCopies(this,
              {.question = msg::kPrintChartQuestion, .orientation = QPageLayout::Landscape, .dotsPerInch = 0},
              [&chart](QPainter& painter) { platform::drawChartPage(painter, chart); });
}

void StatisticsWindow::btnEsciClick() { closeForm(); }

void StatisticsWindow::imgEsciClick() { closeForm(); }

void StatisticsWindow::imgGuidaClick() {
  if (settings_.help) settings_.help(this, settings_.helpTitle, settings_.helpParagraphs);
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && panInfo) {
    const QVariant hint = watched->property("velmoraHint");
    if (hint.isValid() && hint.toString().isEmpty()) panInfo->clear();
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (auto* button = qobject_cast<QPushButton*>(watched); button && platform::isEnterKey(key->key())) {
      // Enter on a focused button presses it (the buttons are never the window's default).
      button->click();
      return true;
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void StatisticsWindow::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  platform::centreIn(panAvvio, size());
  platform::centreIn(panContainer, size());
}

void StatisticsWindow::paintEvent(QPaintEvent*) { platform::paintGradient(this, settings_.gradientTop); }

}  // namespace kit
