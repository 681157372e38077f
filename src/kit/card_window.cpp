#include "kit/card_window.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>

#include "platform/windows.h"

namespace kit {

CardWindow::CardWindow(QWidget* owner, const QString& className, const QString& caption, int width, int height)
    : platform::Form(owner, className, platform::WindowKind::Maximized, caption, width, height) {
  platform::setRegionalFormats();
}

CardWindow::~CardWindow() = default;

QWidget* CardWindow::buildContainer(int width, int height) {
  setMouseTracking(true);
  setHint(this, QString());
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xE6, 0xEE, 0xF7));
  setPalette(pal);

  panContainer_ = new QWidget(this);
  panContainer_->setObjectName(QStringLiteral("panContainer"));
  panContainer_->setFixedSize(width, height);
  panContainer_->setMouseTracking(true);
  setHint(panContainer_, QString());
  return panContainer_;
}

void CardWindow::loadCard(const core::RecordBuffer& record, std::size_t number) { card_->showRecord(record, number); }

void CardWindow::cmdNuovoClick() { card_->newCard(); }
void CardWindow::cmdSalvaClick() { card_->save(); }
void CardWindow::cmdPrimoClick() { card_->first(); }
void CardWindow::cmdIndietroClick() { card_->back(); }
void CardWindow::cmdAvantiClick() { card_->next(); }
void CardWindow::cmdUltimoClick() { card_->last(); }

void CardWindow::FormShow() { card_->newCard(); }

void CardWindow::FormClose() {
  platform::showLauncher();
  hide();
}

void CardWindow::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  if (panContainer_) platform::centreIn(panContainer_, size());
}

bool CardWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && panInfo) {
    const QVariant hint = watched->property("velmoraHint");
    if (hint.isValid() && hint.toString().isEmpty() &&
        !platform::movedOverHintedChild(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event)))
      panInfo->clear();
  }
  return platform::Form::eventFilter(watched, event);
}

QLabel* positionLabel(QWidget* parent, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(QStringLiteral("lblPosizione"));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  QFont bold = label->font();
  bold.setBold(true);
  bold.setPixelSize(18);
  label->setFont(bold);
  return label;
}

QLabel* hintBar(platform::Form& window, QWidget* parent, const QString& text, const QRect& geometry,
                HintBarLook look) {
  auto* bar = new QLabel(text, parent);
  bar->setObjectName(QStringLiteral("panInfo"));
  bar->setGeometry(geometry);
  bar->setIndent(10);
  bar->setAutoFillBackground(true);
  QPalette pal = bar->palette();
  if (look == HintBarLook::WhiteOnBlue) {
    pal.setColor(QPalette::Window, QColor(0x30, 0x30, 0xDD));
    pal.setColor(QPalette::WindowText, Qt::white);
    bar->setFont(QFont(QStringLiteral("Tahoma"), 12));
  } else {
    pal.setColor(QPalette::Window, QColor(0xD4, 0xDF, 0xEC));
  }
  bar->setPalette(pal);
  window.setPanInfo(bar);
  return bar;
}

QPushButton* focusSink(QWidget* parent) {
  QPushButton* sink = platform::pushButton(parent, QStringLiteral("btnFocus"), QString());
  sink->setFlat(true);
  sink->setGeometry(0, 0, 0, 0);
  sink->setFocusPolicy(Qt::StrongFocus);
  return sink;
}

void CardAttachments::buildAttachmentLabels(QWidget* parent) {
  QLabel** members[] = {&lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03};
  for (std::size_t i = 0; i < std::size(members); ++i) {
    const std::string_view name = fields_[i].name;
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(name.data(), int(name.size())));
    label->setVisible(false);
    *members[i] = label;
  }
}

void CardAttachments::bindAttachments(RecordCard& card) const {
  const std::array<QLabel*, 6> labels = attachmentLabels();
  for (std::size_t i = 0; i < labels.size(); ++i) card.bind(fields_[i].name, labels[i]);
}

}  // namespace kit
