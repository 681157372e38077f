#include "kit/search_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "core/archive.h"
#include "core/due_dates.h"
#include "kit/list_find.h"
#include "kit/result_list.h"
#include "platform/control_text.h"
#include "platform/windows.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/widgets.h"

namespace kit {

namespace {

using platform::namedLabel;
using platform::setTextColour;

const QColor kDarkCyan(0x00, 0x8B, 0x8B);
const QColor kCrimson(0xDC, 0x14, 0x3C);

// A heading banner across the top of a panel (a picture's text).
QLabel* makeHeading(QWidget* panel, const QString& text) {
  auto* banner = new QLabel(text, panel);
  banner->setGeometry(0, 0, panel->width(), 40);
  banner->setAlignment(Qt::AlignCenter);
  banner->setAutoFillBackground(true);
  QPalette p = banner->palette();
  p.setColor(QPalette::Window, platform::kSteelBlue);
  p.setColor(QPalette::WindowText, Qt::white);
  banner->setPalette(p);
  QFont f(QStringLiteral("Verdana"), 12, QFont::Bold);
  banner->setFont(f);
  return banner;
}

// The banner repeating the caption in capitals (every letter written as a capital,
// accented ones too).
QLabel* makeBanner(QWidget* panel, const QString& caption) {
  return makeHeading(panel, platform::trim(caption).toUpper());
}

// A strip of explanation a picture carries: dark blue words on a pale band.
QLabel* makeStrip(QWidget* panel, const QString& name, const QString& text, const QRect& geometry) {
  auto* strip = namedLabel(panel, name, text, geometry);
  strip->setWordWrap(true);
  strip->setAlignment(Qt::AlignCenter);
  strip->setMargin(4);
  strip->setAutoFillBackground(true);
  QPalette p = strip->palette();
  p.setColor(QPalette::Window, QColor(0xE6, 0xEE, 0xF7));
  p.setColor(QPalette::WindowText, QColor(0x1F, 0x3A, 0x5F));
  strip->setPalette(p);
  strip->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
  return strip;
}

}  // namespace

// ---- Free functions ---------------------------------------------------------------

core::LineList searchArchive(const ArchiveSource& source, const core::LineFormat& line,
                             const std::vector<ListFilter>& filters, const std::vector<core::Text>& texts) {
  std::vector<core::RecordFilter::Term> terms;
  for (std::size_t i = 0; i < filters.size() && i < texts.size(); ++i) terms.push_back({filters[i].field, texts[i]});
  const core::RecordFilter filter(std::move(terms));
  core::Archive archive = openArchive(source);
  return core::searchLines(archive, *source.layout, line, filter);
}

bool setControlText(QObject* window, const QString& name, const QString& text) {
  return platform::setShownText(window->findChild<QObject*>(name), text);
}

bool canSetControlText(const QObject* window, const QString& name) {
  return platform::holdsText(window->findChild<QObject*>(name));
}

void writePick(const PickTarget& target, platform::Form* window, const core::RecordBuffer& record,
               std::size_t number) {
  if (!window) return;
  auto write = [window](const QString& control, const QString& text) {
    if (!setControlText(window, control, text))
      throw platform::WiringError("wiring: " + window->objectName().toStdString() + " has no control " +
                                  control.toStdString() + " to take a picked record");
  };
  for (const ControlWrite& w : target.writes) write(w.control, platform::fromCore(core::joinFields(record, w.fields)));
  if (target.setsPosition) write(QStringLiteral("lblPosizione"), QString::number(number));
  if (target.after) target.after(*window, record, number);
}

// ---- The window -------------------------------------------------------------------

SearchWindow::SearchWindow(QWidget* owner, ListSettings listSettings)
    : platform::Form(owner, listSettings.windowClass, platform::WindowKind::CentredOnScreen, listSettings.caption,
                     listSettings.size.width(), listSettings.size.height()),
      listSettings_(std::move(listSettings)) {
  if (isSearch()) {
    lblMemory();
    buildFilterPanel();
  }
  buildResultPanel();
}

QLineEdit* SearchWindow::filterEdit(const QString& name) const {
  for (QLineEdit* e : filterEdits)
    if (e->objectName() == name) return e;
  return nullptr;
}

void SearchWindow::buildFilterPanel() {
  const QRect area(16, 16, width() - 32, height() - 32);
  panAvvio = new QWidget(this);
  panAvvio->setObjectName(QStringLiteral("panAvvio"));
  panAvvio->setGeometry(area);
  makeBanner(panAvvio, listSettings_.caption);

  const QFont editFont(QStringLiteral("Verdana"), 12, QFont::Bold);
  const int colWidth = (area.width() - 3 * 24) / 2;
  for (int i = 0; i < static_cast<int>(listSettings_.filters.size()); ++i) {
    const ListFilter& f = listSettings_.filters[static_cast<std::size_t>(i)];
    const int x = 24 + (i % 2) * (colWidth + 24);
    const int y = 58 + (i / 2) * 68;
    auto* label = namedLabel(panAvvio, QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')), f.caption,
                            QRect(x, y, colWidth, 20));
    QFont lf = label->font();
    lf.setBold(true);
    label->setFont(lf);
    auto* edit = new QLineEdit(panAvvio);
    edit->setObjectName(f.edit);
    edit->setFont(editFont);
    edit->setGeometry(x, y + 22, colWidth, 32);
    edit->installEventFilter(this);
    filterLabels << label;
    filterEdits << edit;
    highlights << platform::addFocusHighlight(edit, f.highlight);
  }
  for (int i = 1; i < filterEdits.size(); ++i) setTabOrder(filterEdits[i - 1], filterEdits[i]);
  if (!listSettings_.filterStrip.isEmpty()) {
    const int below = filterEdits.isEmpty() ? 58 : filterEdits.last()->geometry().bottom() + 14;
    makeStrip(panAvvio, QStringLiteral("imgSpiega"), listSettings_.filterStrip,
              QRect(24, below, area.width() - 48, area.height() - 64 - below));
  }

  lblConta = namedLabel(panAvvio, QStringLiteral("lblConta"), QStringLiteral("0"), QRect(24, area.height() - 60, 40, 20));
  lblConta->setVisible(false);
  lblAttendere = namedLabel(panAvvio, QStringLiteral("lblAttendere"),
                           QStringLiteral("Ricerca schede in corso. Attendere..."),
                           QRect(24, area.height() - 52, 440, 28));
  QFont af(QStringLiteral("Verdana"), 11, QFont::Bold);
  lblAttendere->setFont(af);
  setTextColour(lblAttendere, kDarkCyan);
  lblAttendere->setVisible(false);

  btnCerca = platform::pushButton(panAvvio, QStringLiteral("btnCerca"), QStringLiteral("Cerca"),
                        QRect(area.width() - 2 * 132 - 12, area.height() - 56, 126, 38));
  btnAnnulla = platform::pushButton(panAvvio, QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"),
                          QRect(area.width() - 132 - 12, area.height() - 56, 126, 38));
  btnCerca->installEventFilter(this);
  platform::clickOnEnter(btnCerca);
  btnAnnulla->installEventFilter(this);
  platform::clickOnEnter(btnAnnulla);
  connect(btnCerca, &QPushButton::pressed, this, &SearchWindow::btnCercaMouseDown);
  connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
  connect(btnAnnulla, &QPushButton::clicked, this, &SearchWindow::btnAnnullaClick);
}

void SearchWindow::buildResultPanel() {
  const QRect area(16, 16, width() - 32, height() - 32);
  panContainer = new QWidget(this);
  panContainer->setObjectName(QStringLiteral("panContainer"));
  panContainer->setGeometry(area);
  if (listSettings_.resultHeading.isEmpty()) makeBanner(panContainer, listSettings_.caption);
  else makeHeading(panContainer, listSettings_.resultHeading);

  int top = 52;
  if (!listSettings_.findStrip.isEmpty()) {
    makeStrip(panContainer, QStringLiteral("imgTrova01"), listSettings_.findStrip, QRect(12, 46, area.width() - 24, 40));
    top = 92;
  }
  if (listSettings_.findBox) {
    txtTrova = new QLineEdit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtTrova->setGeometry(12, top, area.width() - 24 - 138, 32);
    txtTrova->installEventFilter(this);
    if (listSettings_.findHighlight) platform::addFocusHighlight(txtTrova, QStringLiteral("effTrova"));
    btnTrova = platform::pushButton(panContainer, QStringLiteral("btnTrova"), QStringLiteral("Trova"),
                          QRect(area.width() - 12 - 126, top - 2, 126, 36));
    btnTrova->installEventFilter(this);
    platform::clickOnEnter(btnTrova);
    connect(btnTrova, &QPushButton::clicked, this, &SearchWindow::btnTrovaClick);
    top += 44;
  }

  const int bottomRows = 28 + (listSettings_.counter.isEmpty() ? 0 : 26) + 50;
  lstRecords = new ResultList(panContainer, listSettings_.itemWidth);
  lstRecords->setObjectName(QStringLiteral("lstRecords"));
  lstRecords->setGeometry(12, top, area.width() - 24, area.height() - top - bottomRows);
  lstRecords->viewport()->installEventFilter(this);

  int y = lstRecords->geometry().bottom() + 6;
  lblRigo03 = namedLabel(panContainer, QStringLiteral("lblRigo03"), listSettings_.explanation, QRect(12, y, area.width() - 24, 24));
  lblRigo03->setAlignment(Qt::AlignCenter);
  QFont rf(QStringLiteral("Verdana"), 10, QFont::Bold);
  lblRigo03->setFont(rf);
  setTextColour(lblRigo03, kCrimson);
  y += 26;
  if (!listSettings_.counter.isEmpty()) {
    lblTrovate = namedLabel(panContainer, QStringLiteral("lblTrovate"), QString(listSettings_.counter).replace(QStringLiteral("%1"), QStringLiteral("0")),
                           QRect(12, y, area.width() - 24, 24));
    lblTrovate->setAlignment(Qt::AlignCenter);
    lblTrovate->setFont(rf);
    setTextColour(lblTrovate, kDarkCyan);
  }

  // "Chiudi" bottom left, "Stampa" bottom right.
  btnStampa = platform::pushButton(panContainer, QStringLiteral("btnStampa"), QStringLiteral("Stampa"),
                         QRect(area.width() - 132 - 12, area.height() - 48, 126, 38));
  btnChiudi = platform::pushButton(panContainer, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                         QRect(12, area.height() - 48, 126, 38));
  btnStampa->installEventFilter(this);
  platform::clickOnEnter(btnStampa);
  btnChiudi->installEventFilter(this);
  platform::clickOnEnter(btnChiudi);
  connect(btnStampa, &QPushButton::clicked, this, &SearchWindow::btnStampaClick);
  connect(btnChiudi, &QPushButton::clicked, this, &SearchWindow::btnChiudiClick);

  panContainer->setVisible(!isSearch());
}

void SearchWindow::paintEvent(QPaintEvent*) { platform::paintGradient(this, platform::kSteelBlue); }

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter) {
      if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && filterEdits.contains(edit)) {
        // The chain of the filters: the last one's Enter returns to the first.
        const int i = static_cast<int>(filterEdits.indexOf(edit));
        filterEdits[(i + 1) % filterEdits.size()]->setFocus(Qt::TabFocusReason);
        return true;
      }
      if (watched == txtTrova) {
        if (listSettings_.enterMovesToTrova) btnTrova->setFocus(Qt::TabFocusReason);
        return true;
      }
    }
  }
  if (lstRecords && watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    if (listSettings_.doubleClick) {
      lstRecordsDblClick();
      return true;
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void SearchWindow::FormShow() {
  if (!listSettings_.keepLastFind) setLastFindText(listSettings_.windowClass, QString());
  selectRow(lstRecords, 0);
  if (txtTrova) txtTrova->clear();
  if (isSearch()) {
    filterEdits.first()->setFocus(Qt::OtherFocusReason);
  } else {
    fillList();
    // A list opens ready for list find.
    if (txtTrova) txtTrova->setFocus(Qt::OtherFocusReason);
  }
}

void SearchWindow::FormClose() {
  lstRecords->clear();
  if (lblAttendere) lblAttendere->setVisible(false);
}

void SearchWindow::setCounter(int lines) {
  if (lblTrovate) lblTrovate->setText(QString(listSettings_.counter).replace(QStringLiteral("%1"), QString::number(lines)));
}

void SearchWindow::btnCercaMouseDown() {
  lblAttendere->setVisible(true);
  lblAttendere->repaint();
}

void SearchWindow::btnCercaClick() {
  std::vector<core::Text> texts;
  for (QLineEdit* e : filterEdits) texts.push_back(platform::toCore(e->text()));
  lblConta->setText(QString::number(core::countFilters(texts)));

  core::LineList lines;
  try {
    lines = searchArchive(listSettings_.archive, listSettings_.line, listSettings_.filters, texts);
  } catch (const ArchiveRefused&) {
    lblAttendere->setVisible(false);  // the yearly name has said why
    return;
  } catch (const core::ArchiveError&) {
    lblAttendere->setVisible(false);
    platform::plainMessage(msg::kAccessError, this);
    return;
  }
  lstRecords->setLines(std::move(lines));
  setCounter(lstRecords->count());

  panContainer->setVisible(true);
  panAvvio->setVisible(false);
  if (txtTrova) {
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
  }
}

void listArchive(const ListSettings& settings, const core::Date& today, core::LineList& lines) {
  core::Archive archive = openArchive(settings.archive);
  const ListSelect& select = settings.select;
  core::scanLines(archive, *settings.archive.layout, settings.line,
                  [&](const core::RecordBuffer& r) { return select ? select(r, today) : core::Verdict::Take; }, lines);
}

void SearchWindow::fillList() {
  if (listSettings_.lines) {
    lstRecords->setLines(listSettings_.lines(), LineOrder::AsGiven);
    setCounter(lstRecords->count());
    return;
  }
  core::LineList lines;
  try {
    // Lines taken before a failing read stay listed.
    listArchive(listSettings_, core::today(), lines);
  } catch (const core::ArchiveError&) {
    // A list window fills what it can and says nothing.
  }
  lstRecords->setLines(std::move(lines));
  setCounter(lstRecords->count());
}

void SearchWindow::lstRecordsDblClick() {
  try {
    const int row = selectedRow(lstRecords);
    if (row >= 0) {
      const core::Text chosen(lstRecords->line(row));
      core::Archive archive = openArchive(listSettings_.archive);
      core::findEqualLines(archive, *listSettings_.archive.layout, listSettings_.line, chosen,
                           [this](const core::RecordBuffer& record, std::size_t number) {
                             const QString keyWord = platform::trim(memory());
                             for (const PickTarget& t : listSettings_.targets) {
                               if (!t.keyWord.isEmpty() && t.keyWord != keyWord) continue;
                               writePick(t, platform::findWindow(t.window), record, number);
                             }
                           });
    }
  } catch (const core::ArchiveError&) {
    // A failing double-click closes the window; what was written stays.
  }
  closeForm();
}

void SearchWindow::btnTrovaClick() { listFind(lstRecords, txtTrova->text(), listSettings_.windowClass, this); }

void SearchWindow::btnStampaClick() {
  ListPrintOptions options = listSettings_.printOptions;
  if (listSettings_.printTrailer) options.trailer << listSettings_.printTrailer();
  printList(this, lstRecords, listSettings_.printTitleNow ? listSettings_.printTitleNow() : listSettings_.printTitle, options);
}

void SearchWindow::btnChiudiClick() { closeForm(); }

void SearchWindow::btnAnnullaClick() { closeForm(); }

}  // namespace kit
