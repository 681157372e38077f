#include "platform/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>

#include "platform/dialogs.h"

namespace platform {

Form::Form(QWidget* owner, const QString& className, WindowKind kind, const QString& caption,
           int width, int height)
    : QDialog(owner), kind_(kind) {
  setObjectName(className);
  setWindowTitle(caption);
  setModal(false);
  if (kind == WindowKind::Maximized) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(width, height);
  } else {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(width, height);
  }
}

QLabel* Form::lblMemory() {
  if (!memory_) {
    memory_ = new QLabel(this);
    memory_->setObjectName(QStringLiteral("lblMemory"));
    memory_->setVisible(false);
  }
  return memory_;
}

QString Form::memory() const { return memory_ ? memory_->text() : QString(); }

void Form::setMemory(const QString& keyWord) { lblMemory()->setText(keyWord); }

void Form::setHint(QWidget* widget, const QString& hint) {
  widget->setProperty("velmoraHint", hint);
  widget->installEventFilter(this);
}

namespace {
const char* const kClearsHint = "velmoraClearsHint";
}  // namespace

void Form::clearsHint(QWidget* widget) {
  widget->setProperty(kClearsHint, true);
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
  if (panInfo_ && event->type() == QEvent::MouseMove && watched->property(kClearsHint).toBool() &&
      !movedOverHintedChild(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event)))
    panInfo_->clear();
  if (panInfo_ && event->type() == QEvent::Enter) {
    QVariant hint = watched->property("velmoraHint");
    if (hint.isValid()) panInfo_->setText(hint.toString());
  }
  return QDialog::eventFilter(watched, event);
}

bool movedOverHintedChild(const QWidget* widget, const QMouseEvent* move) {
  const QWidget* under = widget->childAt(move->position().toPoint());
  for (const QWidget* w = under; w && w != widget; w = w->parentWidget()) {
    if (!w->property("velmoraHint").toString().isEmpty()) return true;
  }
  return false;
}

void Form::showWindow() {
  if (kind_ == WindowKind::Maximized) {
    showMaximized();
  } else {
    show();
  }
  raise();
  activateWindow();
}

void Form::showModalDialog() { dialogHost().showModal(*this); }

void Form::centre() {
  QRect area;
  QWidget* owner = parentWidget();
  if (kind_ == WindowKind::CentredOnOwner && owner) {
    area = owner->window()->frameGeometry();
  } else if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (!area.isValid()) return;
  QRect placed(QPoint(0, 0), frameGeometry().size());
  placed.moveCenter(area.center());
  move(placed.topLeft());
}

void Form::showEvent(QShowEvent* event) {
  if (kind_ != WindowKind::Maximized && !centred_) {
    centre();
    centred_ = true;
  }
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void Form::closeEvent(QCloseEvent* event) {
  // A window without a close box closes only through its own buttons, never by Alt+F4.
  if (event->spontaneous() && kind_ != WindowKind::Maximized) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
  const int result = closeResult_;
  closeResult_ = QDialog::Rejected;
  QDialog::done(result);
}

void Form::done(int result) {
  closeResult_ = result;
  close();  // closeEvent runs FormClose and ends a modal show with `result`
}

void setRegionalFormats() {
  // Dates are built by our own routines (dd/mm/yyyy with "/"); Qt's default locale
  // supplies the decimal comma for any number a control formats on its own.
  QLocale locale(QLocale::Italian, QLocale::Italy);
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  QLocale::setDefault(locale);
}

}  // namespace platform
