#pragma once
// The single-day booking dialog: the booking board's day-cell opener fills it with the
// day's key, heading, vehicle and booking text; "Applica e chiudi" books the day with a
// text that is not blank, or frees it, straight on the board's day cell. It reads and
// writes no file: the board saves its cells when it closes.
#include <QString>

#include "platform/form.h"

class QLabel;
class QPushButton;

namespace platform {
class FilteredEdit;
class PictureButton;
}  // namespace platform

class TfrmGiorno : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmGiorno(QWidget* owner);


  // Controls, in the order of the window description.
  QWidget* panContainer;
  QLabel* infGiorno;
  QWidget* effPrenotazione;
  platform::PictureButton* cmdCancella;
  platform::FilteredEdit* txtPrenotazione;
  QLabel* infCamera;
  QLabel* icoIstruzioni;
  QLabel* icoOccupata;
  QLabel* icnOccupata;
  QLabel* icoLibera;
  QLabel* icnLibera;
  platform::PictureButton* cmdClipboard;
  QPushButton* btnChiudi;
  QPushButton* btnAnnulla;

 public slots:
  void txtPrenotazioneChange();
  void cmdClipboardClick();
  void cmdCancellaClick();
  void btnChiudiClick();
  void btnAnnullaClick();

 protected:
  void FormShow() override;
  void paintEvent(QPaintEvent* event) override;
};
