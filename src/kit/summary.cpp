#include "kit/summary.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>
#include <span>

#include "core/archive.h"
#include "kit/archive_source.h"
#include "kit/card_fields.h"
#include "kit/list_find.h"
#include "kit/list_print.h"
#include "kit/messages.h"
#include "kit/search_window.h"
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

const QColor kDarkCyan(0x00, 0x8B, 0x8B);
const QColor kMaroon(0x80, 0x00, 0x00);

bool isEnter(const QKeyEvent* key) { return platform::isEnterKey(key->key()); }

QFont verdana(int points, bool bold) {
  QFont f(QStringLiteral("Verdana"), points);
  f.setBold(bold);
  return f;
}


// The day and month combos' items.
QStringList itemsOf(std::span<const char* const> items) {
  QStringList out;
  for (const char* item : items) out << QString::fromUtf8(item);
  return out;
}

// The heading picture of a menu: its title and what it is for, on a blue band.
class Heading : public QWidget {
 public:
  Heading(QWidget* parent, QString title, QString text) : QWidget(parent), title_(std::move(title)), text_(std::move(text)) {
    setObjectName(QStringLiteral("imgTitolo"));
    // The painted texts, for whoever cannot see the picture.
    setAccessibleName(title_);
    setAccessibleDescription(text_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, QColor(0x1F, 0x3A, 0x68));
    g.setColorAt(1, QColor(0x46, 0x82, 0xB4));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(rect(), 8, 8);
    p.setPen(Qt::white);
    p.setFont(verdana(15, true));
    p.drawText(QRect(16, 6, width() - 32, 28), Qt::AlignLeft | Qt::AlignVCenter, title_);
    p.setFont(verdana(9, false));
    p.drawText(QRect(16, 34, width() - 32, height() - 38), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
  }

 private:
  QString title_, text_;
};

// The white band of the summary window holding the plate.
class PlateBand : public QWidget {
 public:
  explicit PlateBand(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("shpTipologia")); }

 protected:
  void paintEvent(QPaintEvent*) override {
    platform::paintRoundedGradient(this, QColor(0x42, 0x7A, 0xA8), QColor(0xB0, 0xC4, 0xDE), 6);
  }
};

// The magnifier beside the find box.
class Lens : public QWidget {
 public:
  explicit Lens(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("shpLente")); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xB0, 0xC4, 0xDE), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QPointF c(width() * 0.42, height() * 0.42);
    const double r = std::min(width(), height()) * 0.24;
    p.setPen(QPen(QColor(0x1F, 0x3A, 0x68), 4));
    p.setBrush(QColor(0xE6, 0xF0, 0xFA));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0x1F, 0x3A, 0x68), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(r * 0.72, r * 0.72), c + QPointF(r * 1.7, r * 1.7));
  }
};

}  // namespace

// ---- Scan and print texts ------------------------------------------------------------

SummaryData scanSummary(const SummarySettings& settings, const QString& archivePath, const QString& plateFilter,
                        const QString& otherFilter, const core::Date& start, const core::Date& end) {
  core::SummaryFields summary;
  summary.layout = settings.layout;
  summary.filterFields = {settings.plate.field, settings.other.field};
  summary.dateField = settings.dateField;
  for (const SummaryTotal& t : settings.totals) summary.sums.push_back({t.field, t.form});
  summary.line = settings.line;

  core::Archive archive = openArchive(archivePath, settings.layout->size());
  core::SummaryResult result =
      core::scanSummary(archive, summary, {platform::toCore(plateFilter), platform::toCore(otherFilter)}, start, end);
  archive.close();

  SummaryData data;
  data.plateFilter = plateFilter;
  data.otherFilter = otherFilter;
  data.start = platform::formatDate(start);
  data.end = platform::formatDate(end);
  data.lines = std::move(result.lines);
  data.sums = std::move(result.sums);
  return data;
}

namespace {

// One end of an interval: its group box and the controls inside it.
struct IntervalGroup {
  QGroupBox* group = nullptr;
  platform::ListOnlyCombo* day = nullptr;
  platform::ListOnlyCombo* month = nullptr;
  QLabel* year = nullptr;
};

IntervalGroup addIntervalGroup(QWidget* parent, const QString& name, const QString& title, const QString& suffix,
                               QPoint at, int height) {
  IntervalGroup out;
  out.group = new QGroupBox(title, parent);
  out.group->setObjectName(name);
  out.group->setGeometry(at.x(), at.y(), 318, height);
  out.group->setFont(verdana(10, true));
  namedLabel(out.group, QStringLiteral("titGiorno") + suffix, QStringLiteral("Giorno:"), QRect(17, 26, 72, 18));
  out.day = new platform::ListOnlyCombo(out.group, QStringLiteral("txtGiorno") + suffix, itemsOf(kDayItems));
  out.day->setGeometry(17, 48, 72, 28);
  namedLabel(out.group, QStringLiteral("titMese") + suffix, QStringLiteral("Mese:"), QRect(97, 26, 128, 18));
  out.month = new platform::ListOnlyCombo(out.group, QStringLiteral("txtMese") + suffix, itemsOf(kMonthItems));
  out.month->setFoldCase(true);
  out.month->setGeometry(97, 48, 128, 28);
  for (QComboBox* c : {static_cast<QComboBox*>(out.day), static_cast<QComboBox*>(out.month)})
    c->setFont(verdana(12, true));
  out.year = namedLabel(out.group, QStringLiteral("lblAnno") + suffix, QStringLiteral("ANNO"), QRect(234, 46, 80, 30));
  out.year->setFont(verdana(18, true));
  return out;
}

}  // namespace

void IntervalPickers::addIntervalGroups(QWidget* parent, QPoint startAt, QPoint endAt, int height) {
  const IntervalGroup start = addIntervalGroup(parent, QStringLiteral("grpDataInizio"),
                                               QStringLiteral(" Data inizio intervallo: "), QStringLiteral("Inizio"),
                                               startAt, height);
  const IntervalGroup end = addIntervalGroup(parent, QStringLiteral("grpDataFine"),
                                             QStringLiteral(" Data fine intervallo: "), QStringLiteral("Fine"), endAt,
                                             height);
  grpDataInizio = start.group;
  txtGiornoInizio = start.day;
  txtMeseInizio = start.month;
  lblAnnoInizio = start.year;
  grpDataFine = end.group;
  txtGiornoFine = end.day;
  txtMeseFine = end.month;
  lblAnnoFine = end.year;
  lblDataInizio = namedLabel(grpDataInizio, QStringLiteral("lblDataInizio"), QString(), QRect(224, 16, 90, 16));
  lblDataFine = namedLabel(grpDataFine, QStringLiteral("lblDataFine"), QString(), QRect(232, 16, 80, 16));
  for (QLabel* scratch : {lblDataInizio, lblDataFine}) scratch->setVisible(false);
}

std::array<platform::ListOnlyCombo*, 4> IntervalPickers::pickers() const {
  return {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine};
}

void IntervalPickers::chainEnter(QObject* context, QWidget* after) {
  const auto four = pickers();
  for (std::size_t i = 0; i < four.size(); ++i) {
    QWidget* next = i + 1 < four.size() ? four[i + 1] : after;
    QObject::connect(four[i], &platform::ListOnlyCombo::enterPressed, context,
                     [next] { next->setFocus(Qt::TabFocusReason); });
  }
}

void IntervalPickers::addPickerHighlights() {
  platform::addFocusHighlight(txtGiornoInizio, QStringLiteral("effGiornoInizio"));
  platform::addFocusHighlight(txtMeseInizio, QStringLiteral("effMeseInizio"));
  platform::addFocusHighlight(txtGiornoFine, QStringLiteral("effGiornoFine"));
  platform::addFocusHighlight(txtMeseFine, QStringLiteral("effMeseFine"));
}

void IntervalPickers::setIntervalYear(const QString& year) {
  lblAnnoInizio->setText(year);
  lblAnnoFine->setText(year);
}

void IntervalPickers::emptyPickers() {
  for (platform::ListOnlyCombo* c : pickers()) {
    c->setCurrentIndex(-1);
    c->setEditText(QString());
  }
}

core::SummaryEntries IntervalPickers::entries(const QString& year) const {
  return {
      platform::toCore(year),
      platform::toCore(txtGiornoInizio->currentText()),
      platform::toCore(txtMeseInizio->currentText()),
      platform::toCore(lblAnnoInizio->text()),
      platform::toCore(txtGiornoFine->currentText()),
      platform::toCore(txtMeseFine->currentText()),
      platform::toCore(lblAnnoFine->text()),
  };
}

bool IntervalPickers::applyCheck(const core::SummaryCheck& check, QWidget* window, QWidget* yearBox) {
  lblDataInizio->setText(platform::fromCore(check.startText));
  lblDataFine->setText(platform::fromCore(check.endText));
  if (check.ok) return true;
  const platform::MsgKind kinds[] = {platform::MsgKind::Warning, platform::MsgKind::Error,
                                     platform::MsgKind::Information, platform::MsgKind::Plain};
  platform::message(kinds[static_cast<int>(check.kind)], platform::fromCore(check.message), window);
  QWidget* focus = nullptr;
  switch (check.focus) {
    case core::SummaryField::Stay: break;
    case core::SummaryField::Year: focus = yearBox; break;
    case core::SummaryField::StartDay: focus = txtGiornoInizio; break;
    case core::SummaryField::StartMonth: focus = txtMeseInizio; break;
    case core::SummaryField::EndDay: focus = txtGiornoFine; break;
    case core::SummaryField::EndMonth: focus = txtMeseFine; break;
  }
  if (focus) focus->setFocus(Qt::OtherFocusReason);
  return false;
}

QString summaryPrintTitle(const SummarySettings& settings, const QString& plateShown) {
  return settings.printTitle + platform::trim(plateShown);
}

QStringList summaryTrailer(const SummarySettings& settings, const QString& interval, const QStringList& totals) {
  QStringList lines{QStringLiteral("- - - - - - - - - - - - - - - -"), settings.intervalTrailer + platform::trim(interval)};
  for (std::size_t i = 0; i < settings.totals.size() && i < static_cast<std::size_t>(totals.size()); ++i)
    lines << settings.totals[i].trailer + platform::trim(totals[static_cast<qsizetype>(i)]);
  return lines;
}

// ---- The menu ------------------------------------------------------------------------

SummaryMenu::SummaryMenu(QWidget* owner, SummarySettings settings)
    : platform::Form(owner, settings.menuClass, platform::WindowKind::Maximized, settings.menuCaption, kWidth,
                     kHeight),
      settings_(std::move(settings)) {
  platform::setRegionalFormats();
  buildControls();
}

SummaryMenu::~SummaryMenu() = default;

void SummaryMenu::buildControls() {
  panContainer_ = new QWidget(this);
  panContainer_->setObjectName(QStringLiteral("panContainer"));
  panContainer_->resize(kPanelWidth, kPanelHeight);
  QWidget* pan = panContainer_;

  new Heading(pan, settings_.heading, settings_.headingText);
  pan->findChild<QWidget*>(QStringLiteral("imgTitolo"))->setGeometry(112, 38, 829, 74);

  const QFont bold = verdana(10, true);
  auto instruction = [&](int index, int y) {
    QLabel* l = namedLabel(pan, QStringLiteral("lblCampo%1").arg(index + 1, 2, 10, QLatin1Char('0')),
                      settings_.instructions.value(index), QRect(204, y, 737, 40));
    l->setFont(bold);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return l;
  };
  instruction(0, 150);
  instruction(1, 290);
  instruction(2, 370);

  const QFont editFont = verdana(12, true);
  auto caption = [&](const QString& name, const QString& text, int x, int y, int w) {
    QLabel* l = namedLabel(pan, name, text, QRect(x, y, w, 20));
    l->setFont(bold);
    return l;
  };

  // The year, then the two filters, on one row.
  caption(QStringLiteral("titAnno"), QStringLiteral("Anno:"), 204, 208, 80);
  auto* year = new YearBox(pan, QStringLiteral("txtAnno"));
  txtAnno = year;
  txtAnno->setFont(editFont);
  txtAnno->setGeometry(204, 230, 69, 26);
  connect(txtAnno, &QLineEdit::textChanged, this, &SummaryMenu::copyYear);

  const SummaryFilter& plate = settings_.plate;
  caption(plate.captionName.isEmpty() ? QStringLiteral("titCliente") : plate.captionName, plate.caption, 300, 208, 200);
  auto* plateEdit = new platform::FilteredEdit(pan, plate.edit);
  plateEdit->setFont(editFont);
  plateEdit->setGeometry(300, 230, 160, 26);
  plateEdit->setInputLimit(plate.maxLength);
  plateEdit->setInputFilter(platform::withoutControls);
  plateEdit->installEventFilter(this);
  if (plate.upperCase) {
    connect(plateEdit, &QLineEdit::textEdited, this, [plateEdit] {
      const QString shown = platform::upperAZ(platform::trim(plateEdit->text()));
      if (shown != plateEdit->text()) plateEdit->setText(shown);
    });
  }
  plateEdit_ = plateEdit;
  year->setEnterTarget(plateEdit_);
  impCliente = new platform::PictureButton(pan, QStringLiteral("impCliente"), QStringLiteral("◀"));
  impCliente->setGeometry(466, 232, 22, 22);
  impCliente->setToolTip(QStringLiteral("Importa la targa dal Parco Automezzi."));
  connect(impCliente, &platform::PictureButton::clicked, this, &SummaryMenu::impClienteClick);

  const SummaryFilter& other = settings_.other;
  caption(other.captionName.isEmpty() ? QStringLiteral("titTarga") : other.captionName, other.caption, 510, 208, 300);
  if (other.items.isEmpty()) {
    auto* edit = new platform::FilteredEdit(pan, other.edit);
    edit->setInputLimit(other.maxLength);
    edit->setInputFilter(platform::withoutControls);
    txtOther = edit;
  } else {
    auto* combo = new QComboBox(pan);
    combo->setObjectName(other.edit);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(other.items);
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setMaxLength(other.maxLength);
    combo->lineEdit()->installEventFilter(this);
    txtOther = combo;
  }
  txtOther->setFont(editFont);
  txtOther->setGeometry(510, 230, 400, 26);
  txtOther->installEventFilter(this);

  // The interval: day and month of each end, beside the year they belong to.
  addIntervalGroups(pan, QPoint(204, 430), QPoint(592, 430));
  for (QLabel* year : {lblAnnoInizio, lblAnnoFine}) setTextColour(year, kMaroon);

  if (!settings_.yearExtension.isEmpty()) {
    lblFile = namedLabel(pan, QStringLiteral("lblFile"), QString(), QRect(0, 0, 10, 10));
    lblFile->setVisible(false);
  }

  btnEsci = platform::pushButton(pan, QStringLiteral("btnEsci"), QStringLiteral("Esci"), QRect(28, 628, 211, 34));
  btnVisualizza = platform::pushButton(pan, QStringLiteral("btnVisualizza"), QStringLiteral("Visualizza riepilogo"),
                                       QRect(753, 628, 211, 34));
  btnVisualizza->installEventFilter(this);
  platform::clickOnEnter(btnVisualizza);
  connect(btnVisualizza, &QPushButton::clicked, this, &SummaryMenu::btnVisualizzaClick);
  connect(btnEsci, &QPushButton::clicked, this, &SummaryMenu::btnEsciClick);
  lblAttendere = namedLabel(pan, QStringLiteral("lblAttendere"), QStringLiteral("Caricamento riepilogo in corso. Attendere..."),
                       QRect(273, 634, 460, 24));
  lblAttendere->setFont(verdana(11, true));
  setTextColour(lblAttendere, kDarkCyan);
  lblAttendere->setVisible(false);

  // Enter moves along the entries to the button.
  chainEnter(this, btnVisualizza);
  QWidget* order[] = {txtAnno, plateEdit_, txtOther, txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine,
                      btnVisualizza, btnEsci};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  if (settings_.highlights) {
    platform::addFocusHighlight(txtAnno, QStringLiteral("effAnno"));
    if (!settings_.plate.highlight.isEmpty()) platform::addFocusHighlight(plateEdit_, settings_.plate.highlight);
    if (!settings_.other.highlight.isEmpty()) platform::addFocusHighlight(txtOther, settings_.other.highlight);
    addPickerHighlights();
  }
}

QString SummaryMenu::otherFilterText() const {
  if (auto* combo = qobject_cast<QComboBox*>(txtOther)) return combo->currentText();
  return static_cast<QLineEdit*>(txtOther)->text();
}

void SummaryMenu::copyYear() {
  // The year beside each end of the interval follows the year edit as it changes,
  // however the change came (typed, pasted, set on showing).
  setIntervalYear(platform::trim(txtAnno->text()));
}

void SummaryMenu::FormShow() {
  if (!settings_.keepFilters) {
    plateEdit_->clear();
    if (auto* combo = qobject_cast<QComboBox*>(txtOther)) {
      combo->setCurrentIndex(-1);
      combo->setEditText(QString());
    } else {
      static_cast<QLineEdit*>(txtOther)->clear();
    }
  }
  emptyPickers();
  static_cast<YearBox*>(txtAnno)->showCurrentYear();
  copyYear();
  lblAttendere->setVisible(false);
  plateEdit_->setFocus(Qt::OtherFocusReason);
}

void SummaryMenu::FormClose() {
  platform::showLauncher();
  hide();
}

void SummaryMenu::btnEsciClick() { closeForm(); }

void SummaryMenu::impClienteClick() {
  if (settings_.openPicker) settings_.openPicker(this, settings_.pickerKeyWord);
}

void SummaryMenu::btnVisualizzaMouseDown() {
  lblAttendere->setVisible(true);
  lblAttendere->repaint();
}

void SummaryMenu::stop() { lblAttendere->setVisible(false); }

void SummaryMenu::btnVisualizzaClick() {
  lblDataInizio->clear();
  lblDataFine->clear();
  const core::SummaryCheck check = core::checkSummaryEntries(entries(txtAnno->text()));
  if (!check.ok) stop();  // the wait label goes before the box is shown
  if (!applyCheck(check, this, txtAnno)) return;

  QString path;
  if (settings_.yearExtension.isEmpty()) {
    path = platform::exePath(settings_.archiveFile);
  } else {
    // The checks have made the year four digits, so it names a file beside the program.
    lblFile->setText(platform::exePath(platform::trim(txtAnno->text()) + settings_.yearExtension));
    path = platform::trim(lblFile->text());
  }
  SummaryData data;
  try {
    data = scanSummary(settings_, path, plateEdit_->text(), otherFilterText(), check.start, check.end);
  } catch (const core::ArchiveError&) {
    stop();
    platform::plainMessage(msg::kSummaryArchiveError, this);
    return;
  }
  data.start = lblDataInizio->text();
  data.end = lblDataFine->text();
  showSummary(std::move(data));
}

void SummaryMenu::showSummary(SummaryData data) {
  SummaryWindow summary(this, settings_, std::move(data));
  summary.showModalDialog();
}

bool SummaryMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == btnVisualizza) btnVisualizzaMouseDown();
  if (event->type() == QEvent::FocusIn && watched == txtOther) {
    // A combo filter drops its list selection as it takes the focus; its text stays.
    if (auto* combo = qobject_cast<QComboBox*>(txtOther)) platform::dropListSelection(combo);
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
      auto* combo = qobject_cast<QComboBox*>(txtOther);
      QWidget* next = nullptr;
      if (watched == plateEdit_) next = txtOther;
      else if (watched == txtOther || (combo && watched == combo->lineEdit())) next = txtGiornoInizio;
      if (next) {
        next->setFocus(Qt::TabFocusReason);
        return true;
      }
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void SummaryMenu::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  platform::centreIn(panContainer_, size());
}

void SummaryMenu::paintEvent(QPaintEvent*) { platform::paintGradient(this, platform::kSteelBlue); }

// ---- The summary window --------------------------------------------------------------

SummaryWindow::SummaryWindow(SummaryMenu* menu, const SummarySettings& settings, SummaryData data)
    : platform::Form(menu, settings.windowClass, platform::WindowKind::Maximized, settings.windowCaption, kWidth,
                     kHeight),
      menu_(menu),
      settings_(settings),
      data_(std::move(data)) {
  platform::setRegionalFormats();
  buildControls();
}

void SummaryWindow::buildControls() {
  panContainer_ = new QWidget(this);
  panContainer_->setObjectName(QStringLiteral("panContainer"));
  panContainer_->resize(kPanelWidth, kPanelHeight);
  QWidget* pan = panContainer_;
  const QFont bold12 = verdana(12, true);

  auto* band = new PlateBand(pan);
  band->setGeometry(24, 26, 945, 63);
  QLabel* lblTipologia = namedLabel(band, QStringLiteral("lblTipologia"), settings_.plateCaption, QRect(16, 20, 200, 24));
  lblTipologia->setFont(bold12);
  setTextColour(lblTipologia, Qt::white);
  titTipologia = namedLabel(band, QStringLiteral("titTipologia"), QStringLiteral("- - -"), QRect(220, 20, 700, 24));
  titTipologia->setFont(bold12);
  setTextColour(titTipologia, kMaroon);

  QLabel* rigo1 = namedLabel(pan, QStringLiteral("lblRigo01"),
                        QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare "
                                       "e premere il pulsante Trova."),
                        QRect(24, 96, 900, 18));
  QLabel* rigo2 = namedLabel(pan, QStringLiteral("lblRigo02"),
                        QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare "
                                       "di nuovo clic su Trova."),
                        QRect(24, 114, 900, 18));
  for (QLabel* l : {rigo1, rigo2}) l->setFont(verdana(9, true));
  imgGuida = new platform::PictureButton(pan, QStringLiteral("imgGuida"), QStringLiteral("?"));
  imgGuida->setGeometry(945, 96, 24, 24);
  connect(imgGuida, &platform::PictureButton::clicked, this, &SummaryWindow::imgGuidaClick);

  (new Lens(pan))->setGeometry(24, 136, 81, 57);
  txtTrova = new QLineEdit(pan);
  txtTrova->setObjectName(QStringLiteral("txtTrova"));
  txtTrova->setFont(bold12);
  txtTrova->setGeometry(128, 150, 714, 28);
  txtTrova->installEventFilter(this);
  btnTrova = platform::pushButton(pan, QStringLiteral("btnTrova"), QStringLiteral("Trova"), QRect(852, 149, 117, 30));
  connect(btnTrova, &QPushButton::clicked, this, &SummaryWindow::btnTrovaClick);
  if (settings_.highlights) platform::addFocusHighlight(txtTrova, QStringLiteral("effTrova"));

  lstRecords = new ResultList(pan, 1600);
  lstRecords->setObjectName(QStringLiteral("lstRecords"));
  lstRecords->setGeometry(16, 204, 961, 360);

  // The interval on the left under the list, the totals one below the other on the right.
  const QFont bold11 = verdana(11, true);
  QLabel* infIntervallo =
      namedLabel(pan, QStringLiteral("infIntervallo"), QStringLiteral("Intervallo selezionato:"), QRect(22, 572, 210, 24));
  infIntervallo->setFont(bold11);
  lblIntervallo = namedLabel(pan, QStringLiteral("lblIntervallo"), QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"),
                        QRect(232, 572, 330, 24));
  lblIntervallo->setFont(bold11);
  setTextColour(lblIntervallo, kMaroon);
  for (int i = 0; i < static_cast<int>(settings_.totals.size()); ++i) {
    const SummaryTotal& t = settings_.totals[static_cast<std::size_t>(i)];
    const int y = 572 + i * 24;
    QLabel* c = namedLabel(pan, t.captionName.isEmpty() ? QStringLiteral("inf") + t.label.mid(3) : t.captionName,
                           t.caption, QRect(580, y, 250, 24));
    c->setFont(bold11);
    c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* value = namedLabel(pan, t.label, t.form == core::TotalForm::Amount ? QStringLiteral("0,00") : QStringLiteral("0"),
                          QRect(836, y, 133, 24));
    value->setFont(bold11);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColour(value, kMaroon);
    totals.push_back(value);
  }
  lblConta = namedLabel(pan, QStringLiteral("lblConta"), QStringLiteral("0"), QRect(0, 0, 10, 10));
  lblConta->setVisible(false);

  btnStampa = platform::pushButton(pan, QStringLiteral("btnStampa"), QStringLiteral("Stampa riepilogo"),
                                   QRect(16, 654, 273, 32));
  btnEsci = platform::pushButton(pan, QStringLiteral("btnEsci"), QStringLiteral("Esci"), QRect(704, 654, 273, 32));
  connect(btnStampa, &QPushButton::clicked, this, &SummaryWindow::btnStampaClick);
  connect(btnEsci, &QPushButton::clicked, this, &SummaryWindow::btnEsciClick);

  setTabOrder(txtTrova, btnTrova);
  setTabOrder(btnTrova, lstRecords);
  setTabOrder(lstRecords, btnStampa);
  setTabOrder(btnStampa, btnEsci);
}

QLabel* SummaryWindow::total(const QString& name) const {
  for (QLabel* l : totals)
    if (l->objectName() == name) return l;
  return nullptr;
}

void SummaryWindow::FormShow() {
  // The last searched text is the summary's for the whole run: never forgotten here.
  const int filters = core::countFilters({platform::toCore(data_.plateFilter), platform::toCore(data_.otherFilter)});
  lblConta->setText(QString::number(filters));
  const QString plate = platform::trim(data_.plateFilter);
  titTipologia->setText(plate.isEmpty() ? settings_.emptyPlate : plate);
  // The list takes the scan's lines as they are (the window is shown once).
  lstRecords->setLines(std::move(data_.lines));
  for (std::size_t i = 0; i < totals.size() && i < data_.sums.size(); ++i)
    totals[i]->setText(platform::fromCore(core::formatTotal(data_.sums[i], settings_.totals[i].form)));
  lblIntervallo->setText(
      platform::fromCore(core::summaryIntervalText(platform::toCore(data_.start), platform::toCore(data_.end))));
  txtTrova->setFocus(Qt::OtherFocusReason);
}

void SummaryWindow::FormClose() {
  lstRecords->clear();
  if (menu_) menu_->lblAttendere->setVisible(false);
}

void SummaryWindow::btnTrovaClick() { listFind(lstRecords, txtTrova->text(), settings_.windowClass, this); }

QString SummaryWindow::printTitle() const { return summaryPrintTitle(settings_, titTipologia->text()); }

QStringList SummaryWindow::printTrailer() const {
  QStringList values;
  for (QLabel* l : totals) values << l->text();
  return summaryTrailer(settings_, lblIntervallo->text(), values);
}

void SummaryWindow::btnStampaClick() {
  printList(this, lstRecords, printTitle(), ListPrintOptions::summary(printTrailer()));
}

void SummaryWindow::btnEsciClick() { closeForm(); }

void SummaryWindow::imgGuidaClick() {
  if (settings_.help) settings_.help(this, settings_.helpTitle, settings_.helpParagraphs);
}

bool SummaryWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the find box does nothing (and presses no button).
  if (watched == txtTrova && event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event)))
    return true;
  return platform::Form::eventFilter(watched, event);
}

void SummaryWindow::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  platform::centreIn(panContainer_, size());
}

void SummaryWindow::paintEvent(QPaintEvent*) {
  platform::paintGradient(this, settings_.windowGradientTop.isValid() ? settings_.windowGradientTop : platform::kSteelBlue);
}

}  // namespace kit
