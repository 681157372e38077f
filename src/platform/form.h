#pragma once
// Base of every window of the program: its kind (maximized or fixed and centred),
// its caption, the invisible memory label, the status hint and the close rules.
#include <QDialog>
#include <QString>

class QLabel;
class QCloseEvent;
class QMouseEvent;

namespace platform {

enum class WindowKind {
  Maximized,       // opens maximized, resizable, usual title-bar buttons
  CentredOnScreen, // fixed single border, no title-bar buttons, centred on the screen
  CentredOnOwner,  // the same, centred on its owner
};

class Form : public QDialog {
  Q_OBJECT
 public:
  // `className` becomes the objectName (TfrmAutoparco); the caption is used as given
  // (our captions begin with a space). `width`/`height` are the designed size.
  Form(QWidget* owner, const QString& className, WindowKind kind, const QString& caption,
       int width, int height);

  WindowKind kind() const { return kind_; }

  // The invisible memory label carrying a key word; created on first use.
  QLabel* lblMemory();
  QString memory() const;          // its text as it stands
  void setMemory(const QString& keyWord);

  // The status hint panel `panInfo` (created by the window that has one) shows
  // `hint` while the mouse is over `widget`.
  void setPanInfo(QLabel* panInfo) { panInfo_ = panInfo; }
  QLabel* panInfo() const { return panInfo_; }
  void setHint(QWidget* widget, const QString& hint);
  // A mouse move over `widget` (the window, a panel, a background) empties the hint,
  // unless it reaches the widget from a hinted control inside it (a picture button
  // passes its moves on), which keeps that control's hint.
  void clearsHint(QWidget* widget);

  // Shows a long-lived window (maximized windows maximized, others centred).
  void showWindow();
  // Shows this window modally through the dialog host and returns when it closes.
  void showModalDialog();
  // Closes through the window's own close handling (FormClose runs).
  void closeForm() { close(); }
  // accept(), reject() by code and done() close the same way: FormClose runs once.
  void done(int result) override;

 protected:
  // The close handler: runs whenever the window closes, by its close box or by code.
  virtual void FormClose() {}
  // The show handler: runs each time the window is shown.
  virtual void FormShow() {}

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 public slots:
  // Esc must not close our windows: they close only through their own buttons or close box.
  void reject() override {}

 private:
  void centre();
  WindowKind kind_;
  QLabel* memory_ = nullptr;
  QLabel* panInfo_ = nullptr;
  bool centred_ = false;
  int closeResult_ = QDialog::Rejected;
};

// A dialog of class W owned by `owner`, shown modally and freed when it closes; the
// second form first puts `keyWord` into its memory (the window its result goes to).
template <class W>
void openModal(QWidget* owner) {
  W window(owner);
  window.showModalDialog();
}
template <class W>
void openModal(QWidget* owner, const QString& keyWord) {
  W window(owner);
  window.setMemory(keyWord);
  window.showModalDialog();
}

// Whether a mouse move that reached `widget` is over one of its children (or theirs)
// that shows a hint of its own: a check box, a combo or a picture hands its moves on
// to its panel, and such a move must not empty that control's hint.
bool movedOverHintedChild(const QWidget* widget, const QMouseEvent* move);

// Sets the process-wide formats once at start-up: dates dd/mm/yyyy, decimal comma.
void setRegionalFormats();

}  // namespace platform
