#pragma once
// The interval booking dialog: a start and an end day of the board's year, picked from
// fixed lists, and one booking text. "Applica e chiudi" checks the entries, asks for
// confirmation and books every day from the start to the end, both included, straight
// on the booking board's day cells (29 February too when the year has it); the board
// saves them when it closes. "Annulla" writes nothing.
#include <QString>

#include "kit/summary.h"
#include "platform/form.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace platform {
class FilteredEdit;
class HighlightRect;
class ListOnlyCombo;
class PictureButton;
}  // namespace platform

class TfrmIntervallo : public platform::Form, public kit::IntervalPickers {
  Q_OBJECT
 public:
  explicit TfrmIntervallo(QWidget* owner);

  // Controls, in the order of the window description (the two groups of the interval,
  // with the pickers and the hidden date labels, are kit::IntervalPickers').
  QWidget* panContainer;
  QLabel* infCamera;
  QLabel* lblCampo03;
  QLabel* lblCampo02;
  platform::HighlightRect* effPrenotazione;
  platform::FilteredEdit* txtPrenotazione;
  platform::PictureButton* cmdClipboard;
  platform::PictureButton* cmdCancella;
  QPushButton* btnChiudi;
  QPushButton* btnAnnulla;

 public slots:
  void cmdClipboardClick();
  void cmdCancellaClick();
  void btnChiudiClick();
  void btnAnnullaClick();

 protected:
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The checks and the booking of "Applica e chiudi"; false: refused, or not confirmed.
  bool book();
};
