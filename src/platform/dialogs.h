#pragma once
// Every interaction a test cannot click through headless goes through the dialog
// host: message boxes, the input box, file and print dialogs and modal shows.
// Production uses Qt's own boxes; tests install a scripted host.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class QDialog;
class QPrinter;
class QFontMetrics;

namespace platform {

class Form;

// The five kinds of message box. Warning, Error and Information show OK and Cancel
// (OK the default, the answer ignored); Question shows Yes and No (Yes the default,
// only No stops); Plain shows OK only, no icon, no caption.
enum class MsgKind { Warning, Error, Information, Question, Plain };

QString captionOf(MsgKind kind);       // "Warning", "Error", "Information", "Confirm", ""
QStringList buttonsOf(MsgKind kind);   // {"OK","Cancel"}, {"Yes","No"} or {"OK"}

// The least width of an input box whose caption is `caption`, so that the window
// manager's title bar shows it whole (`metrics`: the box's font).
int inputBoxWidth(const QString& caption, const QFontMetrics& metrics);

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Shows a box; returns false only for a Question answered No.
  virtual bool message(MsgKind kind, const QString& text, QWidget* parent) = 0;
  // Input box: nothing when cancelled.
  virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                          const QString& defaultValue, QWidget* parent) = 0;
  // File dialogs: an empty text when cancelled.
  virtual QString openFile(QWidget* parent, const QString& caption, const QString& dir,
                           const QString& filter) = 0;
  virtual QString saveFile(QWidget* parent, const QString& caption, const QString& path,
                           const QString& filter) = 0;
  // The platform's print dialog over `printer`; false when cancelled.
  virtual bool printDialog(QPrinter& printer, QWidget* parent) = 0;
  // Shows one of our windows modally and returns when it closes.
  virtual void showModal(Form& form) = 0;
  // Shows one of Qt's own dialogs (the print preview) modally.
  virtual void showModal(QDialog& dialog) = 0;
};

// The host in use (Qt's boxes unless a test installed another). Not owned.
DialogHost& dialogHost();
void setDialogHost(DialogHost* host);  // nullptr restores Qt's boxes

// Shorthands the windows use.
void warning(const QString& text, QWidget* parent = nullptr);
void error(const QString& text, QWidget* parent = nullptr);
void information(const QString& text, QWidget* parent = nullptr);
bool question(const QString& text, QWidget* parent = nullptr);  // true = Yes
void plainMessage(const QString& text, QWidget* parent = nullptr);
void message(MsgKind kind, const QString& text, QWidget* parent = nullptr);

}  // namespace platform
