#include "shell/frm_password.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "platform/windows.h"
#include "core/cipher.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "shell/credentials.h"
#include "shell/frm_cambia_password.h"
#include "shell/misc.h"

const QString TfrmPassword::kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString TfrmPassword::kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");

TfrmPassword::TfrmPassword(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmPassword"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Velmora 4.0 - Accesso"), 460, 270) {
  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(shell::logoPicture(340, 90));
  imgLogo->setGeometry(60, 10, 340, 90);

  lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
  lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
  QFont labelFont(QStringLiteral("Verdana"), 10);
  labelFont.setBold(true);
  lblRigo05->setFont(labelFont);
  lblRigo05->setStyleSheet(QStringLiteral("color: #1F3A5F;"));
  lblRigo05->setGeometry(40, 112, 380, 22);

  txtPassword = new QLineEdit(this);
  txtPassword->setObjectName(QStringLiteral("txtPassword"));
  txtPassword->setEchoMode(QLineEdit::Password);
  QFont editFont(QStringLiteral("Verdana"), 14);
  editFont.setBold(true);
  txtPassword->setFont(editFont);
  txtPassword->setGeometry(40, 140, 380, 36);
  effPassword = platform::addFocusHighlight(txtPassword, QStringLiteral("effPassword"));

  cmdOK = platform::pushButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(40, 208, 110, 34));
  cmdOK->setEnabled(false);
  cmdEsci = platform::pushButton(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QRect(160, 208, 110, 34));
  btnCambiaPassword = platform::pushButton(this, QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"),
                                 QRect(280, 208, 140, 34));
  setTabOrder(txtPassword, cmdOK);
  setTabOrder(cmdOK, cmdEsci);
  setTabOrder(cmdEsci, btnCambiaPassword);

  lblMemory();

  connect(txtPassword, &QLineEdit::textChanged, this, [this] { txtPasswordChange(); });
  txtPassword->installEventFilter(this);
  connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
  connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
  connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::FormShow() { txtPassword->setFocus(); }

void TfrmPassword::txtPasswordChange() {
  cmdOK->setEnabled(!platform::trim(txtPassword->text()).isEmpty());
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtPassword) {
    if (event->type() == QEvent::KeyRelease) {
      txtPasswordChange();
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!platform::trim(txtPassword->text()).isEmpty()) cmdOKClick();
        return true;
      }
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void TfrmPassword::cmdOKClick() {
  bool matches = false;
  try {
    // The stored text passes through the memory label on its way to the cipher.
    lblMemory()->setText(shell::readCredentials());
    const QString stored = shell::decipherPassword(memory());
    const QString typed = platform::fromCore(core::passwordForm(platform::toCore(txtPassword->text())));
    matches = stored == typed;
  } catch (const std::exception&) {
    platform::plainMessage(kReadError, this);
    return;
  }
  if (matches) {
    platform::showLauncher();
    hide();
    return;
  }
  platform::plainMessage(kWrongPassword, this);
  txtPassword->clear();
  txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick() {
  closeForm();
  QApplication::quit();
}

void TfrmPassword::btnCambiaPasswordClick() {
  platform::Form* change = platform::findWindow(QStringLiteral("TfrmCambiaPassword"));
  if (!change) return;
  change->showWindow();
  hide();
}

void TfrmPassword::paintEvent(QPaintEvent* event) {
  platform::paintGradient(this, platform::kSteelBlue);
  platform::Form::paintEvent(event);
}
