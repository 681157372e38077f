#pragma once
// The upcoming-deadlines app: four buttons, one per due-date list. Long-lived;
// closing it brings the launcher back.
#include <QStringList>

#include "platform/form.h"

class QLabel;
class QWidget;

namespace platform { class PictureButton; }

class TfrmMenuScadenze : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmMenuScadenze(QWidget* owner);

  QLabel* lblIstruzioni;
  platform::PictureButton* btnRevisione;
  platform::PictureButton* btnTagliando;
  platform::PictureButton* btnAssicurazione;
  platform::PictureButton* btnBollo;
  platform::PictureButton* imgGuida;
  platform::PictureButton* imgEsci;

  static QString helpTitle();
  static QStringList helpParagraphs();

 public slots:
  void btnRevisioneClick();
  void btnTagliandoClick();
  void btnAssicurazioneClick();
  void btnBolloClick();
  void imgGuidaClick();
  void imgEsciClick();

 protected:
  void FormClose() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* panContainer_;
};
