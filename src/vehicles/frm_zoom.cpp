#include "vehicles/frm_zoom.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "vehicles/vehicle_photo.h"

namespace vehicles {

void buildPhotoStage(QWidget* window, QWidget*& container, PhotoFrame*& photo) {
  window->setAutoFillBackground(true);
  QPalette pal = window->palette();
  pal.setColor(QPalette::Window, Qt::black);
  window->setPalette(pal);
  container = new QWidget(window);
  container->setObjectName(QStringLiteral("panContainer"));
  container->installEventFilter(window);
  photo = new PhotoFrame(container, QStringLiteral("imgFoto"));
  photo->setFramed(false);
}

bool isLeftClick(const QEvent* event) {
  return event->type() == QEvent::MouseButtonRelease &&
         static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

void placePhotoArea(QWidget* window, QWidget* container, QWidget* photo) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  QSize area = screen ? screen->size() : window->size();
  area -= QSize(60, 90);
  area = area.boundedTo(window->size()).expandedTo(QSize(1, 1));
  container->setGeometry(QRect(QPoint((window->width() - area.width()) / 2, (window->height() - area.height()) / 2),
                               area));
  photo->setGeometry(QRect(QPoint(0, 0), area));
}

}  // namespace vehicles

TfrmZoom::TfrmZoom(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmZoom"), platform::WindowKind::Maximized,
                     QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"), 1016, 713) {
  setWindowState(Qt::WindowMaximized);
  vehicles::buildPhotoStage(this, panContainer, imgFoto);
  connect(imgFoto, &vehicles::PhotoFrame::clicked, this, &TfrmZoom::imgFotoClick);
  place();
}

void TfrmZoom::place() { vehicles::placePhotoArea(this, panContainer, imgFoto); }

void TfrmZoom::FormShow() { place(); }

void TfrmZoom::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  place();
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panContainer && vehicles::isLeftClick(event)) panContainerClick();
  return platform::Form::eventFilter(watched, event);
}

void TfrmZoom::imgFotoClick() { closeForm(); }
void TfrmZoom::panContainerClick() { closeForm(); }
