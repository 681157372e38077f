#include "platform/widgets.h"

#include <QApplication>

#include <QPushButton>

#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <functional>

#include "platform/qtext.h"

namespace platform {

namespace {

// Leaving for another window (a message box, a modal dialog) or for a popup is not
// leaving the control: the old platform ran no Exit handler then.
bool movesWithinWindow(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

// Calls `onFocus(true)` when the watched widget takes the focus and `onFocus(false)`
// when the focus moves to another control of its window. A move made while the window
// was not active (a control focused by code behind a message box) sends the watched
// widget no event: it is noticed when the window takes the focus back elsewhere.
class FocusWatch : public QObject {
 public:
  FocusWatch(QWidget* watched, std::function<void(bool)> onFocus)
      : QObject(watched), watched_(watched), onFocus_(std::move(onFocus)) {
    watched->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      away_ = false;
      onFocus_(true);
    } else if (event->type() == QEvent::FocusOut) {
      away_ = !movesWithinWindow(static_cast<QFocusEvent*>(event));
      if (!away_) onFocus_(false);
    }
    return false;
  }

 private:
  void focusChanged(QWidget* now) {
    if (!away_ || !now || now->window() != watched_->window()) return;
    away_ = false;
    if (now != watched_ && !watched_->isAncestorOf(now)) onFocus_(false);
  }

  QWidget* watched_;
  std::function<void(bool)> onFocus_;
  bool away_ = false;  // the focus went to another window or a popup and has not come back
};

// Keeps a highlight rectangle 4 px outside its edit and just behind it.
class HighlightFollower : public QObject {
 public:
  HighlightFollower(QWidget* edit, HighlightRect* rect) : QObject(edit), edit_(edit), rect_(rect) {
    edit->installEventFilter(this);
    place();
  }
  void place() {
    if (!rect_) return;
    rect_->setGeometry(edit_->geometry().adjusted(-4, -4, 4, 4));
    rect_->stackUnder(edit_);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::ZOrderChange:
        place();
        break;
      case QEvent::Hide:
        // A window minimised takes the rectangle with it; only an edit hidden on its
        // own hides it.
        if (rect_ && !event->spontaneous()) rect_->hide();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QWidget* edit_;
  QPointer<HighlightRect> rect_;
};

QString colorName(const QColor& c) { return c.name(QColor::HexRgb); }

QString focusStyle(const QColor& fill) {
  return QStringLiteral("QLineEdit { background-color: %1; border: 1px solid %2; }")
      .arg(colorName(fill), colorName(kSkyBlue));
}

}  // namespace

// --- PictureButton ---------------------------------------------------------------

PictureButton::PictureButton(QWidget* parent, const QString& objectName, const QString& glyphOrResource)
    : QWidget(parent) {
  setObjectName(objectName);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  if (!glyphOrResource.isEmpty()) {
    QPixmap p;
    if (p.load(glyphOrResource)) {
      pixmap_ = p;
    } else {
      glyph_ = glyphOrResource;
    }
  }
}

void PictureButton::setPixmap(const QPixmap& pixmap) {
  pixmap_ = pixmap;
  updateGeometry();
  update();
}

void PictureButton::setGlyph(const QString& glyph) {
  glyph_ = glyph;
  updateGeometry();
  update();
}

QSize PictureButton::sizeHint() const {
  if (!pixmap_.isNull()) return pixmap_.deviceIndependentSize().toSize();
  const int w = fontMetrics().horizontalAdvance(glyph_) + 12;
  return QSize(std::max(w, 24), std::max(fontMetrics().height() + 8, 24));
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect area = rect();
  if (!pixmap_.isNull()) {
    QPixmap shown = pixmap_;
    if (!isEnabled()) shown = QIcon(pixmap_).pixmap(pixmap_.deviceIndependentSize().toSize(), QIcon::Disabled);
    QSize size = shown.deviceIndependentSize().toSize();
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), size);
    target.moveCenter(area.center());
    painter.drawPixmap(target, shown);
    return;
  }
  // No picture: a rounded face with the glyph.
  const QColor face = isEnabled() ? QColor(0xE8, 0xF0, 0xFA) : QColor(0xEE, 0xEE, 0xEE);
  const QColor ink = isEnabled() ? QColor(0x1F, 0x3A, 0x5F) : QColor(0xA0, 0xA0, 0xA0);
  painter.setPen(QPen(isEnabled() ? kSkyBlue : QColor(0xC8, 0xC8, 0xC8), 1));
  painter.setBrush(face);
  painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  painter.setPen(ink);
  painter.drawText(area, Qt::AlignCenter, glyph_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    event->accept();
    if (isEnabled() && rect().contains(event->position().toPoint())) emit clicked();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

// --- HighlightRect ---------------------------------------------------------------

HighlightRect::HighlightRect(QWidget* parent, const QColor& fill) : QWidget(parent), fill_(fill) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void HighlightRect::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
  QLinearGradient border(area.topLeft(), area.bottomLeft());
  border.setColorAt(0.0, kFocusYellow);
  border.setColorAt(1.0, Qt::white);
  painter.setPen(QPen(QBrush(border), 2));
  painter.setBrush(fill_);
  painter.drawRect(area);
}

void watchFocus(QWidget* widget, std::function<void(bool focused)> onFocus) {
  new FocusWatch(widget, std::move(onFocus));
}

HighlightRect* addFocusHighlight(QWidget* edit, const QString& effName) {
  Q_ASSERT(edit && edit->parentWidget());
  auto* rect = new HighlightRect(edit->parentWidget());
  rect->setObjectName(effName);
  rect->hide();
  new HighlightFollower(edit, rect);
  QPointer<HighlightRect> guard(rect);
  new FocusWatch(edit, [guard](bool focused) {
    if (guard) guard->setVisible(focused);
  });
  // One highlight at a time, also when the focus was moved by code while the window
  // was not active: the watch notices it as the window takes the focus back.
  return rect;
}

// --- painted focus ---------------------------------------------------------------

void paintFocus(QLineEdit* edit, const QColor& normalFill, bool yellowWhileFocused) {
  const bool watched = edit->property("velmoraNormalFill").isValid();
  edit->setProperty("velmoraNormalFill", normalFill);
  edit->setProperty("velmoraFocusYellow", yellowWhileFocused);
  edit->setStyleSheet(focusStyle(yellowWhileFocused && edit->hasFocus() ? kFocusYellow : normalFill));
  if (watched) return;
  QPointer<QLineEdit> guard(edit);
  new FocusWatch(edit, [guard](bool focused) {
    if (!guard) return;
    const QColor normal = guard->property("velmoraNormalFill").value<QColor>();
    const bool yellow = focused && guard->property("velmoraFocusYellow").toBool();
    guard->setStyleSheet(focusStyle(yellow ? kFocusYellow : normal));
  });
}

// --- ListOnlyCombo ---------------------------------------------------------------

ListOnlyCombo::ListOnlyCombo(QWidget* parent, const QString& objectName, const QStringList& items)
    : QComboBox(parent) {
  setObjectName(objectName);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  addItems(items);
  setCurrentIndex(-1);
  lineEdit()->setAcceptDrops(false);
  lineEdit()->setDragEnabled(false);
  lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
  // Keys sent straight to the line edit get the same treatment as the combo's own.
  lineEdit()->installEventFilter(this);
}

bool ListOnlyCombo::isItem(const QString& text) const {
  QString wanted = trim(text);
  if (foldCase_) wanted = lowerAZ(wanted);
  for (int i = 0; i < count(); ++i) {
    const QString item = foldCase_ ? lowerAZ(itemText(i)) : itemText(i);
    if (item == wanted) return true;
  }
  return false;
}

void dropListSelection(QComboBox* combo) {
  const QString text = combo->currentText();
  combo->setCurrentIndex(-1);  // this also empties an editable combo's text
  combo->setEditText(text);
}

void ListOnlyCombo::clearSelection() { dropListSelection(this); }

bool ListOnlyCombo::handleKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return false;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      setEditText(QString());
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit enterPressed();
      return true;
    default:
      return true;  // typing, paste, Up/Down: swallowed
  }
}

void ListOnlyCombo::keyPressEvent(QKeyEvent* event) {
  if (handleKey(event)) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

bool ListOnlyCombo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit()) {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (handleKey(key)) {
        key->accept();
        return true;
      }
    } else if (event->type() == QEvent::InputMethod || event->type() == QEvent::Drop) {
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void ListOnlyCombo::focusInEvent(QFocusEvent* event) {
  if (movesWithinWindow(event)) clearSelection();
  QComboBox::focusInEvent(event);
}

void ListOnlyCombo::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (movesWithinWindow(event)) {
    if (!isItem(currentText())) setEditText(QString());
    emit left();
  }
}

QPushButton* pushButton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  b->setDefault(false);
  if (geometry.isValid()) b->setGeometry(geometry);
  return b;
}

void paintGradient(QWidget* widget, const QColor& top) {
  QPainter p(widget);
  QLinearGradient g(0, 0, 0, widget->height());
  g.setColorAt(0, top);
  g.setColorAt(1, Qt::white);
  p.fillRect(widget->rect(), g);
}

void paintRoundedGradient(QWidget* widget, const QColor& top, const QColor& bottom, qreal radius) {
  QPainter p(widget);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, widget->height());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(widget->rect()), radius, radius);
}

QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
  auto* l = new QLabel(text, parent);
  if (!name.isEmpty()) l->setObjectName(name);
  l->setGeometry(geometry);
  return l;
}

void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::WindowText, colour);
  widget->setPalette(p);
}

bool isMoveOrDeleteKey(int key) {
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    default:
      return false;
  }
}

bool isOneDigit(const QString& keyText) {
  return keyText.size() == 1 && keyText.at(0) >= u'0' && keyText.at(0) <= u'9';
}

QString asciiDigitsOnly(const QString& text) {
  QString out = text;
  out.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
  return out;
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

namespace {
class EnterClicks : public QObject {
 public:
  explicit EnterClicks(QPushButton* button) : QObject(button), button_(button) { button->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == button_ && event->type() == QEvent::KeyPress &&
        isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
      button_->click();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPushButton* button_;
};
}  // namespace

void clickOnEnter(QPushButton* button) { new EnterClicks(button); }

void centreIn(QWidget* child, const QSize& area) {
  const QSize free = area - child->size();
  child->move(std::max(0, free.width() / 2), std::max(0, free.height() / 2));
}

}  // namespace platform
