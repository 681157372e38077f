#include "kit/year_menu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "core/clock.h"
#include "core/file_names.h"
#include "kit/card_frame.h"
#include "kit/messages.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"

namespace kit {

namespace {

QFont verdana(int points, bool bold) {
  QFont f(QStringLiteral("Verdana"), points);
  f.setBold(bold);
  return f;
}

// Where the menu's pieces stand in its container: the banner, the information, one
// section per "Apri" (the first holding the year), the help and exit pictures.
constexpr int kSectionTop = 180;
constexpr int kSectionPitch = 128;
constexpr int kSectionHeight = 112;
constexpr int kButtonX = 280;

}  // namespace

// ---- The year box -------------------------------------------------------------------

YearBox::YearBox(QWidget* parent, const QString& name) : platform::FilteredEdit(parent, name) {
  setInputLimit(4);
  setInputFilter(platform::asciiDigitsOnly);
}

void YearBox::showCurrentYear() { setText(platform::fromCore(core::yearText(core::today().year))); }

void YearBox::keyPressEvent(QKeyEvent* event) {
  if (platform::isEnterKey(event->key())) {
    if (enterTarget_) enterTarget_->setFocus(Qt::TabFocusReason);
    event->accept();
    return;
  }
  // Digits and the keys that move or delete; every other key is swallowed.
  if (!platform::isMoveOrDeleteKey(event->key()) && !platform::isOneDigit(event->text())) {
    event->accept();
    return;
  }
  platform::FilteredEdit::keyPressEvent(event);
}

std::optional<QString> checkedYear(QLineEdit* box, QWidget* window) {
  const QString typed = box->text();
  // Four ASCII digits exactly, as typed: nothing else ever names a file.
  if (core::isYearText(platform::toCore(typed))) return typed;
  platform::warning(msg::kYearWarning, window);
  box->setFocus(Qt::OtherFocusReason);
  return std::nullopt;
}

// ---- The menu -----------------------------------------------------------------------

YearMenu::YearMenu(QWidget* owner, YearMenuSettings settings)
    : platform::Form(owner, settings.menuClass, platform::WindowKind::Maximized, settings.caption, settings.width,
                     settings.height),
      settings_(std::move(settings)) {
  platform::setRegionalFormats();
  lblMemory()->setText(QStringLiteral("avvio"));
  buildControls();
}

YearMenu::~YearMenu() = default;

void YearMenu::buildControls() {
  const int w = settings_.width, h = settings_.height;
  panContainer_ = new QWidget(this);
  panContainer_->setObjectName(QStringLiteral("panContainer"));
  panContainer_->setGeometry(0, 0, w, h);
  QWidget* pan = panContainer_;

  auto* banner = new TitleStrip(pan, QStringLiteral("imgTitolo"), settings_.title,
                                {.pixelSize = 28, .left = 24, .antialiased = true});
  banner->setGeometry(20, 20, w - 40, 80);

  lblInformazioni = platform::namedLabel(pan, QStringLiteral("lblInformazioni"), settings_.information,
                                         QRect(40, 116, w - 80, 52));
  lblInformazioni->setFont(verdana(12, true));
  lblInformazioni->setWordWrap(true);
  platform::setTextColour(lblInformazioni, Qt::white);

  for (std::size_t i = 0; i < settings_.opens.size(); ++i) {
    const YearMenuOpen& open = settings_.opens[i];
    const int y = kSectionTop + int(i) * kSectionPitch;
    auto* band = new CardPanel(pan, QStringLiteral("bkgSezione%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    band->setGeometry(40, y, w - 80, kSectionHeight);
    band->lower();
    if (!open.heading.isEmpty()) {
      QLabel* heading = platform::namedLabel(pan, QString(), open.heading, QRect(60, y + 12, w - 120, 26));
      heading->setFont(verdana(12, true));
    }
    if (i == 0) {
      QLabel* caption = platform::namedLabel(pan, QStringLiteral("titAnno"), QStringLiteral("Anno:"),
                                             QRect(60, y + 56, 70, 40));
      caption->setFont(verdana(14, false));
      yearBox_ = new YearBox(pan, settings_.yearBox);
      yearBox_->setGeometry(136, y + 56, 110, 40);
      yearBox_->setFont(verdana(14, true));
      yearBox_->setAlignment(Qt::AlignCenter);
      if (!settings_.highlight.isEmpty()) platform::addFocusHighlight(yearBox_, settings_.highlight);
    }
    QPushButton* button =
        platform::pushButton(pan, open.button, QStringLiteral("Apri"), QRect(kButtonX, y + 56, 180, 40));
    button->setFont(verdana(12, true));
    button->setCursor(Qt::PointingHandCursor);
    platform::clickOnEnter(button);
    connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
    buttons_.push_back(button);
  }
  if (!yearBox_) yearBox_ = new YearBox(pan, settings_.yearBox);  // a menu of no button still has its year
  if (!buttons_.empty()) yearBox_->setEnterTarget(buttons_.front());
  QWidget* previous = yearBox_;
  for (QPushButton* b : buttons_) {
    setTabOrder(previous, b);
    previous = b;
  }

  const QSize round(64, 64);
  imgGuida = new platform::PictureButton(pan, QStringLiteral("imgGuida"));
  imgGuida->setPixmap(roundPicture(QStringLiteral("?"), platform::kSteelBlue, round));
  imgGuida->setGeometry(QRect(QPoint(w - 40 - 2 * round.width() - 20, h - 100), round));
  imgEsci = new platform::PictureButton(pan, QStringLiteral("imgEsci"));
  imgEsci->setPixmap(roundPicture(QStringLiteral("\u2715"), QColor(0xC0, 0x30, 0x30), round));
  imgEsci->setGeometry(QRect(QPoint(w - 40 - round.width(), h - 100), round));
  for (platform::PictureButton* b : {imgGuida, imgEsci}) b->setCursor(Qt::PointingHandCursor);
  connect(imgGuida, &platform::PictureButton::clicked, this, &YearMenu::imgGuidaClick);
  connect(imgEsci, &platform::PictureButton::clicked, this, &YearMenu::imgEsciClick);
}

QPushButton* YearMenu::button(const QString& name) const {
  for (QPushButton* b : buttons_)
    if (b->objectName() == name) return b;
  return nullptr;
}

void YearMenu::choose(std::size_t index) {
  const YearMenuOpen& open = settings_.opens.at(index);
  QString year = yearBox_->text();
  if (open.checksYear) {
    const std::optional<QString> checked = checkedYear(yearBox_, this);
    if (!checked) return;
    year = *checked;
  }
  if (open.prepare && !open.prepare(*this, year)) return;
  setMemory(open.keyWord);
  closeForm();
}

void YearMenu::imgGuidaClick() {
  if (settings_.help) settings_.help(this, settings_.helpTitle, settings_.helpParagraphs);
}

void YearMenu::imgEsciClick() { closeForm(); }

void YearMenu::FormShow() {
  yearBox_->showCurrentYear();
  setMemory(QStringLiteral("avvio"));
  yearBox_->setFocus(Qt::OtherFocusReason);
}

void YearMenu::FormClose() {
  std::vector<platform::MenuRoute> routes;
  for (const YearMenuOpen& open : settings_.opens) routes.push_back({open.keyWord, open.window});
  platform::showFromMenu(memory(), routes);
  hide();
}

void YearMenu::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  platform::centreIn(panContainer_, size());
}

void YearMenu::paintEvent(QPaintEvent*) { platform::paintGradient(this, settings_.backdrop); }

}  // namespace kit
