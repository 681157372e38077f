#include "vehicles/frm_slideshow_automezzi.h"

#include <QLabel>
#include <QTimer>

#include "core/archive.h"
#include "kit/record_card.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "vehicles/frm_zoom.h"
#include "vehicles/vehicle_archive.h"
#include "vehicles/vehicle_photo.h"
#include "vehicles/vehicle_record.h"

TfrmSlideshow_Automezzi::TfrmSlideshow_Automezzi(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmSlideshow_Automezzi"), platform::WindowKind::Maximized,
                     QStringLiteral(" Slide Show Parco Automezzi"), 1016, 713),
      buffer_(vehicles::vehicleLayout()) {
  platform::setRegionalFormats();
  // Maximized with the usual title-bar buttons, like the other photo windows.
  setWindowState(Qt::WindowMaximized);
  vehicles::buildPhotoStage(this, panContainer, imgFoto);
  connect(imgFoto, &vehicles::PhotoFrame::clicked, this, &TfrmSlideshow_Automezzi::imgFotoClick);
  imgBianco = new vehicles::PhotoFrame(this, QStringLiteral("imgBianco"));
  imgBianco->setImage(vehicles::slideshowPicture());
  imgBianco->setVisible(false);

  lblPosizione = new QLabel(this);
  lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
  lblPosizione->setVisible(false);
  cmdAvanti = new platform::PictureButton(this, QStringLiteral("cmdAvanti"));
  cmdAvanti->setVisible(false);
  connect(cmdAvanti, &platform::PictureButton::clicked, this, &TfrmSlideshow_Automezzi::cmdAvantiClick);

  Timer = new QTimer(this);
  Timer->setObjectName(QStringLiteral("Timer"));
  Timer->setInterval(kInterval);
  connect(Timer, &QTimer::timeout, this, &TfrmSlideshow_Automezzi::TimerTimer);
  vehicles::placePhotoArea(this, panContainer, imgFoto);
}

TfrmSlideshow_Automezzi::~TfrmSlideshow_Automezzi() = default;

void TfrmSlideshow_Automezzi::FormShow() {
  vehicles::placePhotoArea(this, panContainer, imgFoto);
  imgFoto->setImage(imgBianco->image());
  Timer->start();
}

void TfrmSlideshow_Automezzi::FormClose() { Timer->stop(); }

void TfrmSlideshow_Automezzi::hideEvent(QHideEvent* event) {
  Timer->stop();
  platform::Form::hideEvent(event);
}

void TfrmSlideshow_Automezzi::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  vehicles::placePhotoArea(this, panContainer, imgFoto);
}

bool TfrmSlideshow_Automezzi::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panContainer && vehicles::isLeftClick(event)) panContainerClick();
  return platform::Form::eventFilter(watched, event);
}

void TfrmSlideshow_Automezzi::TimerTimer() { cmdAvantiClick(); }

void TfrmSlideshow_Automezzi::stopWith(platform::MsgKind kind, const QString& text) {
  // One box, never a pile of them behind it: the show stops first.
  Timer->stop();
  platform::message(kind, text, this);
  closeForm();
}

void TfrmSlideshow_Automezzi::cmdAvantiClick() {
  bool ok = false;
  std::size_t p = platform::trim(lblPosizione->text()).toULongLong(&ok);
  if (!ok) {
    p = 0;
    lblPosizione->setText(QStringLiteral("0"));
  }
  std::size_t shown = 0;
  try {
    core::Archive archive = kit::openArchive(vehicles::vehicleArchive());
    const std::size_t count = archive.count();
    if (count == 0) {
      lblPosizione->clear();
      archive.close();
      stopWith(platform::MsgKind::Information, kit::msg::kEmptyArchive);
      return;
    }
    if (p >= count) {
      // The last photo stays one more interval; the next step starts from record 1.
      lblPosizione->setText(QStringLiteral("0"));
      return;
    }
    archive.seek(p);
    archive.read(buffer_);
    shown = archive.position();
  } catch (const core::ArchiveError&) {
    stopWith(platform::MsgKind::Error, kit::msg::kAccessError);
    return;
  }
  lblPosizione->setText(QString::number(shown));
  subApriFoto();
}

void TfrmSlideshow_Automezzi::subApriFoto() {
  const QImage photo = vehicles::loadPhoto(lblPosizione->text());
  imgFoto->setImage(photo.isNull() ? imgBianco->image() : photo);
}

void TfrmSlideshow_Automezzi::imgFotoClick() { closeForm(); }
void TfrmSlideshow_Automezzi::panContainerClick() { closeForm(); }
