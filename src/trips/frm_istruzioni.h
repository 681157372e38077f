#pragma once
// The instructions of the refuelling rows: a page explaining how to record the
// refuellings so that the fuel used and its cost come out right.
#include <QImage>

#include "platform/form.h"

class QLabel;
class QPushButton;

class TfrmIstruzioni : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmIstruzioni(QWidget* owner);

  // The page, 590 by 530 pixels.
  static QImage page();

  QLabel* imgCorpo;
  QPushButton* btnChiudi;

 public slots:
  void btnChiudiClick();
};
