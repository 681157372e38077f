#pragma once
// A dialog host for headless window tests: records every box, answers questions,
// input boxes and file dialogs from queues, and runs a script on each modal window.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

class QPrinter;

struct RecordedBox {
  platform::MsgKind kind;
  QString caption;
  QStringList buttons;
  QString text;
};

class ScriptedDialogHost : public platform::DialogHost {
 public:
  ScriptedDialogHost();   // installs itself
  ~ScriptedDialogHost() override;  // restores Qt's boxes

  // What was shown, in order.
  std::vector<RecordedBox> boxes;
  QStringList modalShown;            // objectName of each modal window
  QStringList inputPrompts;         // caption + "|" + prompt of each input box
  QStringList inputDefaults;        // the default value of each input box

  // Answers, consumed in order. A question with no answer queued gets Yes; an input
  // box with none is cancelled; a file dialog with none is cancelled.
  std::deque<bool> answers;
  std::deque<std::optional<QString>> inputs;
  std::deque<QString> openFiles;
  std::deque<QString> saveFiles;

  // Print dialog: by default accepted, printing into `printPdfPath` when it is set
  // (else into a PDF in the temporary folder). Set `acceptPrint` false to cancel.
  bool acceptPrint = true;
  QString printPdfPath;
  // The user chose a printer, not a file: the printer is left without an output file
  // (a PrintedDocuments then sends each document into a file of its own).
  bool printToPrinter = false;
  int printDialogs = 0;
  // The printer's copies as each print dialog opened, and, when set, the copies the
  // user leaves in the dialog before accepting it (else the value it opened with).
  QList<int> printCopiesShown;
  std::optional<int> printCopiesKept;

  // Scripts for modal windows: the first queued one runs on the next modal window
  // (shown, not blocking); `onModal` runs when the queue is empty. A window still
  // visible after its script is hidden, as if the user had closed it.
  std::deque<std::function<void(platform::Form&)>> modalScripts;
  std::function<void(platform::Form&)> onModal;
  // Qt's own dialogs (print preview): recorded by class name, then run through this.
  std::function<void(QDialog&)> onQtModal;
  QStringList qtModalShown;

  // The texts of the boxes, for compact assertions.
  QStringList texts() const;
  const RecordedBox& last() const { return boxes.back(); }
  void clear() { boxes.clear(); modalShown.clear(); inputPrompts.clear(); inputDefaults.clear(); }

  bool message(platform::MsgKind kind, const QString& text, QWidget* parent) override;
  std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                  const QString& defaultValue, QWidget* parent) override;
  QString openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
  QString saveFile(QWidget* parent, const QString& caption, const QString& path, const QString& filter) override;
  bool printDialog(QPrinter& printer, QWidget* parent) override;
  void showModal(platform::Form& form) override;
  void showModal(QDialog& dialog) override;
};
