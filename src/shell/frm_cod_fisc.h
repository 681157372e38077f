#pragma once
// The tax-code checker, and the layout and behaviour the four code checkers share:
// a title, one edit, "Controlla" and "Chiudi", and the logo. The verdicts come from
// core/checkers; a checker writes nothing back to the card that opened it.
#include <QLineEdit>
#include <QString>
#include <functional>

#include "core/checkers.h"
#include "platform/form.h"

class QLabel;
class QPushButton;

namespace shell {

// The edit of a checker. Its limit holds for typing and pasting only: a longer text
// set by the card that opens the checker stays whole, so the check sees what the
// card holds (a 16-digit tax-code field gives the VAT checker's length warning).
// After every typed change the normaliser, when set, rewrites the text in place.
class CodeEdit : public QLineEdit {
  Q_OBJECT
 public:
  CodeEdit(QWidget* parent, const QString& objectName, int typingLimit);
  int typingLimit() const { return limit_; }
  void setNormaliser(std::function<QString(const QString&)> normaliser) { normaliser_ = std::move(normaliser); }

 private:
  void onTextChanged(const QString& text);
  void onTextEdited(const QString& text);
  void replaceKeepingCursor(const QString& text, int cursor);

  int limit_;
  std::function<QString(const QString&)> normaliser_;
  QString current_;  // the text as it stood after the last change
};

class CodeCheckerForm : public platform::Form {
  Q_OBJECT
 public:
  QPushButton* btnControlla;
  QPushButton* btnChiudi;
  QLabel* lblTitolo;
  QLabel* imgLogo;

  CodeEdit* codeEdit() const { return edit_; }

 public slots:
  // The check: a wrong length (or an empty card number) warns and keeps the window
  // open with the focus in the edit; a verdict is shown and closes the window.
  void btnControllaClick();
  void btnChiudiClick();

 protected:
  CodeCheckerForm(QWidget* owner, const QString& className, const QString& caption, int width,
                  int height, const QString& editName, int typingLimit, const QString& title);
  virtual core::CheckVerdict check() const = 0;
  // Keys in the edit: only digits, Backspace, Delete, Left and Right (and Tab, and
  // keys that type nothing) get through.
  void setDigitsOnly(bool digitsOnly) { digitsOnly_ = digitsOnly; }

  void FormShow() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CodeEdit* edit_;
  bool digitsOnly_ = false;
};

// Trimmed, a-z turned into A-Z: what typing leaves in the tax-code, card and IBAN edits.
QString trimmedUpper(const QString& text);

}  // namespace shell

class TfrmCodFisc : public shell::CodeCheckerForm {
  Q_OBJECT
 public:
  explicit TfrmCodFisc(QWidget* owner);

  shell::CodeEdit* txtCodFisc;

  // A fresh checker owned by `owner`, its edit set to the trimmed `code`, shown
  // modally and freed.
  static void open(QWidget* owner, const QString& code);
  // What the tax-code buttons of the driver card and the two schedule cards do with
  // their field's text: trimmed, empty opens this checker empty, digits only open the
  // VAT-number checker with it, anything else opens this checker with it.
  static void openForCardCode(QWidget* owner, const QString& cardCode);

 protected:
  core::CheckVerdict check() const override;
};
