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

class QEvent;

namespace vehicles {
// The black stage of the full-screen photo windows (zoom and slide show): the panel
// `panContainer` holding the unframed picture `imgFoto`; `window` filters the
// panel's events, so that a click on it can close the window.
void buildPhotoStage(QWidget* window, QWidget*& container, PhotoFrame*& photo);
// A left-button release: the click that closes the full-screen windows.
bool isLeftClick(const QEvent* event);
// The photo area of the full-screen windows: the screen less 60 across and 90 down,
// centred in `window`.
void placePhotoArea(QWidget* window, QWidget* container, QWidget* photo);
}  // namespace vehicles
