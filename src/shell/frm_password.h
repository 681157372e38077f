#pragma once
// The login window: the program's main window and the first one the user sees. A
// correct password hands over to the launcher for the rest of the run.
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace platform { class HighlightRect; }

class TfrmPassword : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmPassword(QWidget* owner);

  // Controls, in tab order.
  QLineEdit* txtPassword;
  QPushButton* cmdOK;
  QPushButton* cmdEsci;
  QPushButton* btnCambiaPassword;

  QLabel* lblRigo05;
  QLabel* imgLogo;
  platform::HighlightRect* effPassword;

  // The texts the login shows.
  static const QString kWrongPassword;
  static const QString kReadError;

 public slots:
  void cmdOKClick();
  void cmdEsciClick();
  void btnCambiaPasswordClick();

 protected:
  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void txtPasswordChange();
};
