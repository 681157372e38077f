#pragma once
// The slide show of the vehicle photos: every six seconds the photo of the next
// stored vehicle, over the whole screen, starting again after the last; a click on
// the photo ends it.
#include <memory>

#include "core/record.h"
#include "platform/dialogs.h"
#include "platform/form.h"

class QLabel;
class QTimer;
namespace platform { class PictureButton; }
namespace vehicles { class PhotoFrame; }

class TfrmSlideshow_Automezzi : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmSlideshow_Automezzi(QWidget* owner);
  ~TfrmSlideshow_Automezzi() override;

  static constexpr int kInterval = 6000;  // ms per photo

  QWidget* panContainer;
  vehicles::PhotoFrame* imgFoto;
  vehicles::PhotoFrame* imgBianco;   // the show's own placeholder, hidden
  QLabel* lblPosizione;              // hidden: the record whose photo is shown
  platform::PictureButton* cmdAvanti;  // hidden: one step of the show
  QTimer* Timer;

 public slots:
  void TimerTimer();
  void cmdAvantiClick();
  void imgFotoClick();
  void panContainerClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The photo of the record in the position label, or the placeholder.
  void subApriFoto();
  // Stops the show before telling the user anything, then ends it.
  void stopWith(platform::MsgKind kind, const QString& text);

  core::RecordBuffer buffer_;
};
