#pragma once
// The about window: the logo and a mail link to the support address.
#include "platform/form.h"

class QLabel;
class QPushButton;

class TfrmInfo : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmInfo(QWidget* owner);

  // "mailto:" + address + "?subject=...&body=...", subject and body unencoded.
  static QString mailLink();

  QLabel* imgLogo;
  QLabel* lblVersione;
  QLabel* lnkWeb;
  QLabel* imgEmail;
  QPushButton* btnChiudi;

 public slots:
  void lnkWebClick();
  void btnChiudiClick();
};
