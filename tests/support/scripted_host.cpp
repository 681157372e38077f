#include "support/scripted_host.h"

#include <QDialog>
#include <QDir>
#include <QPrinter>

#include "platform/form.h"

ScriptedDialogHost::ScriptedDialogHost() { platform::setDialogHost(this); }
ScriptedDialogHost::~ScriptedDialogHost() { platform::setDialogHost(nullptr); }

QStringList ScriptedDialogHost::texts() const {
  QStringList out;
  for (const auto& b : boxes) out << b.text;
  return out;
}

bool ScriptedDialogHost::message(platform::MsgKind kind, const QString& text, QWidget*) {
  boxes.push_back({kind, platform::captionOf(kind), platform::buttonsOf(kind), text});
  if (kind != platform::MsgKind::Question) return true;
  if (answers.empty()) return true;
  bool yes = answers.front();
  answers.pop_front();
  return yes;
}

std::optional<QString> ScriptedDialogHost::inputBox(const QString& caption, const QString& prompt,
                                                    const QString& defaultValue, QWidget*) {
  inputPrompts << caption + QLatin1Char('|') + prompt;
  inputDefaults << defaultValue;
  if (inputs.empty()) return std::nullopt;
  const bool answered = inputs.front().has_value();
  const QString value = answered ? *inputs.front() : QString();
  inputs.pop_front();
  if (!answered) return std::nullopt;
  return value;
}

QString ScriptedDialogHost::openFile(QWidget*, const QString&, const QString&, const QString&) {
  if (openFiles.empty()) return QString();
  QString f = openFiles.front();
  openFiles.pop_front();
  return f;
}

QString ScriptedDialogHost::saveFile(QWidget*, const QString&, const QString&, const QString&) {
  if (saveFiles.empty()) return QString();
  QString f = saveFiles.front();
  saveFiles.pop_front();
  return f;
}

bool ScriptedDialogHost::printDialog(QPrinter& printer, QWidget*) {
  ++printDialogs;
  printCopiesShown << printer.copyCount();
  if (!acceptPrint) return false;
  if (printCopiesKept) printer.setCopyCount(*printCopiesKept);
  if (printToPrinter) return true;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(printPdfPath.isEmpty() ? QDir::temp().filePath(QStringLiteral("velmora-test-print.pdf"))
                                                   : printPdfPath);
  return true;
}

void ScriptedDialogHost::showModal(platform::Form& form) {
  modalShown << form.objectName();
  form.show();
  std::function<void(platform::Form&)> script;
  if (!modalScripts.empty()) {
    script = std::move(modalScripts.front());
    modalScripts.pop_front();
  } else {
    script = onModal;
  }
  if (script) script(form);
  if (form.isVisible()) form.hide();
}

void ScriptedDialogHost::showModal(QDialog& dialog) {
  qtModalShown << QString::fromLatin1(dialog.metaObject()->className());
  if (onQtModal) onQtModal(dialog);
}
