#include "shell/frm_cod_fisc.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "shell/frm_partita_iva.h"
#include "shell/misc.h"
#include "platform/widgets.h"

namespace shell {

QString trimmedUpper(const QString& text) { return platform::upperAZ(platform::trim(text)); }

CodeEdit::CodeEdit(QWidget* parent, const QString& objectName, int typingLimit)
    : QLineEdit(parent), limit_(typingLimit) {
  setObjectName(objectName);
  connect(this, &QLineEdit::textChanged, this, &CodeEdit::onTextChanged);
  connect(this, &QLineEdit::textEdited, this, &CodeEdit::onTextEdited);
}

void CodeEdit::onTextChanged(const QString&) {
  // Read back rather than taken from the signal: textChanged of an edit arrives after
  // textEdited, and so carries a stale text when onTextEdited rewrote it.
  current_ = text();
}

void CodeEdit::onTextEdited(const QString& text) {
  QString typed = text;
  int cursor = cursorPosition();
  // A typed or pasted change may not take the text past the limit, nor make a text
  // already past it (set by the card) longer: what does not fit is dropped from the end
  // of the insertion, which ends at the cursor.
  const int allowed = std::max<int>(limit_, current_.size());  // current_: the text before this edit
  if (typed.size() > allowed) {
    const int excess = typed.size() - allowed;
    const int from = std::max(0, cursor - excess);
    typed.remove(from, cursor - from);
    cursor = from;
  }
  if (normaliser_) {
    QString normalised = normaliser_(typed);
    if (normalised != typed) {
      // The leading characters the normaliser removed stood before the cursor.
      int lead = 0;
      while (lead < typed.size() && lead < cursor && typed.at(lead) <= QLatin1Char(' ')) ++lead;
      cursor -= lead;
      typed = normalised;
    }
  }
  if (typed != text) replaceKeepingCursor(typed, cursor);
}

void CodeEdit::replaceKeepingCursor(const QString& text, int cursor) {
  setText(text);
  setCursorPosition(std::clamp<int>(cursor, 0, text.size()));
}

CodeCheckerForm::CodeCheckerForm(QWidget* owner, const QString& className, const QString& caption,
                                 int width, int height, const QString& editName, int typingLimit,
                                 const QString& title)
    : platform::Form(owner, className, platform::WindowKind::CentredOnScreen, caption, width, height) {
  const int margin = 20;
  const int inner = width - 2 * margin;

  // Created in tab order: the edit, "Controlla", "Chiudi"; then the title and the logo.
  edit_ = new CodeEdit(this, editName, typingLimit);
  QFont editFont(QStringLiteral("Courier New"));
  editFont.setStyleHint(QFont::Monospace);
  editFont.setPointSize(14);
  editFont.setBold(true);
  edit_->setFont(editFont);
  edit_->setGeometry(margin, 56, inner, 34);
  edit_->installEventFilter(this);

  btnControlla = platform::pushButton(this, QStringLiteral("btnControlla"), QStringLiteral("Controlla"), QRect(width - margin - 212, height - 54, 100, 34));
  platform::clickOnEnter(btnControlla);
  connect(btnControlla, &QPushButton::clicked, this, &CodeCheckerForm::btnControllaClick);

  btnChiudi = platform::pushButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QRect(width - margin - 100, height - 54, 100, 34));
  platform::clickOnEnter(btnChiudi);
  connect(btnChiudi, &QPushButton::clicked, this, &CodeCheckerForm::btnChiudiClick);

  lblTitolo = new QLabel(title, this);
  lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
  lblTitolo->setWordWrap(true);
  lblTitolo->setGeometry(margin, 12, inner, 40);

  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  const int logoTop = 102;
  const int logoHeight = height - 54 - logoTop - 8;
  imgLogo->setPixmap(logoPicture(inner, logoHeight));
  imgLogo->setGeometry(margin, logoTop, inner, logoHeight);
}

void CodeCheckerForm::FormShow() { edit_->setFocus(); }

bool CodeCheckerForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == edit_) {
      if (platform::isEnterKey(key->key())) {
        btnControlla->setFocus();
        return true;
      }
      if (digitsOnly_ && !platform::isMoveOrDeleteKey(key->key())) {
        const QString text = key->text();
        if (!text.isEmpty() && !platform::IsAllDigits(text)) return true;
      }
    }
  }
  return platform::Form::eventFilter(watched, event);
}

void CodeCheckerForm::btnControllaClick() {
  const core::CheckVerdict verdict = check();
  const QString message = platform::fromCore(verdict.message);
  switch (verdict.outcome) {
    case core::CheckOutcome::Retry:
      platform::warning(message, this);
      edit_->setFocus();
      return;
    case core::CheckOutcome::Valid:
      platform::information(message, this);
      break;
    case core::CheckOutcome::Invalid:
      platform::warning(message, this);
      break;
  }
  closeForm();
}

void CodeCheckerForm::btnChiudiClick() { closeForm(); }

}  // namespace shell

TfrmCodFisc::TfrmCodFisc(QWidget* owner)
    : shell::CodeCheckerForm(owner, QStringLiteral("TfrmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
                             478, 254, QStringLiteral("txtCodFisc"), 16,
                             QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo.")) {
  txtCodFisc = codeEdit();
  txtCodFisc->setNormaliser(shell::trimmedUpper);
}

core::CheckVerdict TfrmCodFisc::check() const { return core::checkCodFisc(platform::toCore(txtCodFisc->text())); }

void TfrmCodFisc::open(QWidget* owner, const QString& code) {
  TfrmCodFisc checker(owner);
  checker.txtCodFisc->setText(platform::trim(code));
  checker.showModalDialog();
}

void TfrmCodFisc::openForCardCode(QWidget* owner, const QString& cardCode) {
  const QString code = platform::trim(cardCode);
  if (core::chooseTaxCodeChecker(platform::toCore(code)) == core::TaxCodeChecker::PartitaIva) {
    TfrmPartitaIva::open(owner, code);
  } else {
    open(owner, code);
  }
}
