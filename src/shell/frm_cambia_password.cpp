#include "shell/frm_cambia_password.h"

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
#include "shell/frm_password.h"
#include "shell/misc.h"

const QString TfrmCambiaPassword::kWrongOldPassword = QStringLiteral("Attenzione: vecchia password errata.");
const QString TfrmCambiaPassword::kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
const QString TfrmCambiaPassword::kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString TfrmCambiaPassword::kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");
// The cipher keeps at most 255 characters, each in one byte: a longer password, or
// one with a character beyond the Western European set, could never log in again.
const QString TfrmCambiaPassword::kTooLong = QStringLiteral(
    "Attenzione: la nuova password non può superare i 255 caratteri. "
    "E' necessario reinserire entrambi i valori.");
const QString TfrmCambiaPassword::kBadCharacter = QStringLiteral(
    "Attenzione: la nuova password contiene caratteri non ammessi (ad esempio il simbolo dell'euro). "
    "Usare solo lettere, anche accentate, cifre e segni di punteggiatura. "
    "E' necessario reinserire entrambi i valori.");

namespace {

QLineEdit* makeEdit(QWidget* parent, const QString& name, int y) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setEchoMode(QLineEdit::Password);
  QFont f(QStringLiteral("Verdana"), 14);
  f.setBold(true);
  e->setFont(f);
  e->setGeometry(210, y, 260, 34);
  return e;
}

QLabel* makeLabel(QWidget* parent, const QString& text, int y) {
  auto* l = new QLabel(text, parent);
  QFont f(QStringLiteral("Verdana"), 9);
  f.setBold(true);
  l->setFont(f);
  l->setStyleSheet(QStringLiteral("color: #1F3A5F;"));
  l->setGeometry(20, y, 186, 34);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

}  // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmCambiaPassword"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Cambia password"), 500, 330) {
  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(shell::logoPicture(300, 80));
  imgLogo->setGeometry(100, 10, 300, 80);

  makeLabel(this, QStringLiteral("Vecchia password:"), 110);
  txtPasswordOld = makeEdit(this, QStringLiteral("txtPasswordOld"), 110);
  makeLabel(this, QStringLiteral("Nuova password:"), 160);
  txtPasswordNew = makeEdit(this, QStringLiteral("txtPasswordNew"), 160);
  makeLabel(this, QStringLiteral("Conferma nuova password:"), 210);
  txtConferma = makeEdit(this, QStringLiteral("txtConferma"), 210);
  effPasswordOld = platform::addFocusHighlight(txtPasswordOld, QStringLiteral("effPasswordOld"));
  effPasswordNew = platform::addFocusHighlight(txtPasswordNew, QStringLiteral("effPasswordNew"));
  effConferma = platform::addFocusHighlight(txtConferma, QStringLiteral("effConferma"));

  cmdEsci = platform::pushButton(this, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), QRect(250, 272, 105, 34));
  cmdOK = platform::pushButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(365, 272, 105, 34));
  cmdOK->setEnabled(false);
  setTabOrder(txtPasswordOld, txtPasswordNew);
  setTabOrder(txtPasswordNew, txtConferma);
  setTabOrder(txtConferma, cmdEsci);
  setTabOrder(cmdEsci, cmdOK);

  lblMemory();

  for (QLineEdit* e : {txtPasswordOld, txtPasswordNew, txtConferma}) {
    connect(e, &QLineEdit::textChanged, this, [this] { editChange(); });
    e->installEventFilter(this);
  }
  connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
  connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::FormShow() {
  txtPasswordOld->clear();
  txtPasswordNew->clear();
  txtConferma->clear();
  lblMemory()->clear();
  txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::editChange() {
  cmdOK->setEnabled(!platform::trim(txtPasswordOld->text()).isEmpty() &&
                    !platform::trim(txtPasswordNew->text()).isEmpty() &&
                    !platform::trim(txtConferma->text()).isEmpty());
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtPasswordOld || watched == txtPasswordNew || watched == txtConferma) {
    if (event->type() == QEvent::KeyRelease) {
      editChange();
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        QLineEdit* next = watched == txtPasswordOld   ? txtPasswordNew
                          : watched == txtPasswordNew ? txtConferma
                                                      : txtPasswordOld;
        next->setFocus();
        return true;
      }
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void TfrmCambiaPassword::retypeNewPassword() {
  txtPasswordNew->clear();
  txtConferma->clear();
  txtPasswordNew->setFocus();
}

void TfrmCambiaPassword::cmdOKClick() {
  try {
    lblMemory()->setText(shell::readCredentials());
    const QString stored = shell::decipherPassword(memory());
    const core::Text oldTyped = core::passwordForm(platform::toCore(txtPasswordOld->text()));
    if (platform::toCore(stored) != oldTyped) {
      platform::plainMessage(kWrongOldPassword, this);
      txtPasswordOld->clear();
      txtPasswordOld->setFocus();
      return;
    }
    if (platform::trim(txtPasswordNew->text()) != platform::trim(txtConferma->text())) {
      platform::plainMessage(kNotConfirmed, this);
      retypeNewPassword();
      return;
    }
    switch (core::checkNewPassword(core::passwordForm(platform::toCore(txtPasswordNew->text())))) {
      case core::PasswordFault::None:
        break;
      case core::PasswordFault::TooLong:
        platform::plainMessage(kTooLong, this);
        retypeNewPassword();
        return;
      case core::PasswordFault::BadCharacter:
        platform::plainMessage(kBadCharacter, this);
        retypeNewPassword();
        return;
    }
    lblMemory()->setText(shell::encipherPassword(txtPasswordNew->text()));
    shell::writeCredentials(memory());
  } catch (const std::exception&) {
    platform::plainMessage(kChangeError, this);
    return;
  }
  platform::plainMessage(kChanged, this);
  closeForm();
}

void TfrmCambiaPassword::cmdEsciClick() { closeForm(); }

void TfrmCambiaPassword::FormClose() {
  auto* login = platform::findWindow<TfrmPassword>(QStringLiteral("TfrmPassword"));
  if (!login) return;
  login->txtPassword->clear();
  login->lblMemory()->clear();
  login->showWindow();
  login->txtPassword->setFocus();
}

void TfrmCambiaPassword::paintEvent(QPaintEvent* event) {
  platform::paintGradient(this, platform::kSteelBlue);
  platform::Form::paintEvent(event);
}
