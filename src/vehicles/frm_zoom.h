#pragma once
// The vehicle photo enlarged over the whole screen; a click closes it.
#include "platform/form.h"

class QWidget;
namespace vehicles { class PhotoFrame; }

class TfrmZoom : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmZoom(QWidget* owner);

  QWidget* panContainer;
  vehicles::PhotoFrame* imgFoto;

 public slots:
  void imgFotoClick();
  void panContainerClick();

 protected:
  void FormShow() override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();
};

namespace vehicles {
// The photo area of the full-screen windows: the screen less 60 across and 90 down,
// centred in `window`.
void placePhotoArea(QWidget* window, QWidget* container, QWidget* photo);
}  // namespace vehicles
