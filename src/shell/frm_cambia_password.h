#pragma once
// The password-change window, reached from the login window and handing back to it
// when it closes.
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace platform { class HighlightRect; }

class TfrmCambiaPassword : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmCambiaPassword(QWidget* owner);

  // Controls, in tab order.
  QLineEdit* txtPasswordOld;
  QLineEdit* txtPasswordNew;
  QLineEdit* txtConferma;
  QPushButton* cmdEsci;
  QPushButton* cmdOK;

  QLabel* imgLogo;
  platform::HighlightRect* effPasswordOld;
  platform::HighlightRect* effPasswordNew;
  platform::HighlightRect* effConferma;

  // The texts the password change shows.
  static const QString kWrongOldPassword;
  static const QString kNotConfirmed;
  static const QString kChanged;
  static const QString kChangeError;
  static const QString kTooLong;
  static const QString kBadCharacter;

 public slots:
  void cmdOKClick();
  void cmdEsciClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void editChange();
  // Empties the new password and its confirmation and puts the focus back there.
  void retypeNewPassword();
};
