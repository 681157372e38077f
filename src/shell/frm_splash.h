#pragma once
// The splash window: the product's logo and a link to its web page.
#include "platform/form.h"

class QLabel;
class QPushButton;

class TfrmSplash : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* owner);

  QLabel* imgLogo;
  QLabel* lnkWeb;
  QLabel* imgWeb;
  QPushButton* btnChiudi;

 public slots:
  void lnkWebClick();
  void btnChiudiClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
};
