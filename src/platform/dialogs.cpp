#include "platform/dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/form.h"

namespace platform {

QString captionOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning: return QStringLiteral("Warning");
    case MsgKind::Error: return QStringLiteral("Error");
    case MsgKind::Information: return QStringLiteral("Information");
    case MsgKind::Question: return QStringLiteral("Confirm");
    case MsgKind::Plain: return QString();
  }
  return QString();
}

int inputBoxWidth(const QString& caption, const QFontMetrics& metrics) {
  // The title bar's font is the window manager's, often bold and a little larger than
  // the box's: a fifth more than the box's font needs, plus room for the title bar's
  // icon and buttons.
  return metrics.horizontalAdvance(caption) * 6 / 5 + 160;
}

QStringList buttonsOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Question: return {QStringLiteral("Yes"), QStringLiteral("No")};
    case MsgKind::Plain: return {QStringLiteral("OK")};
    default: return {QStringLiteral("OK"), QStringLiteral("Cancel")};
  }
}

namespace {

// Our paragraphs are separated by LF CR LF CR or CR LF CR LF; on screen that is one
// empty line, whatever the form.
QString forDisplay(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.remove(QLatin1Char('\r'));
  return text;
}

class QtDialogHost final : public DialogHost {
 public:
  bool message(MsgKind kind, const QString& text, QWidget* parent) override {
    QMessageBox box(parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(forDisplay(text));
    // An empty title would make the window manager show the program's name; the plain
    // message has no caption, so it gets a blank one.
    const QString caption = captionOf(kind);
    box.setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
    switch (kind) {
      case MsgKind::Warning: box.setIcon(QMessageBox::Warning); break;
      case MsgKind::Error: box.setIcon(QMessageBox::Critical); break;
      case MsgKind::Information: box.setIcon(QMessageBox::Information); break;
      case MsgKind::Question: box.setIcon(QMessageBox::Question); break;
      case MsgKind::Plain: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (kind == MsgKind::Question) {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      return box.exec() != QMessageBox::No;
    }
    if (kind == MsgKind::Plain) {
      box.setStandardButtons(QMessageBox::Ok);
    } else {
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return true;
  }

  std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                  const QString& defaultValue, QWidget* parent) override {
    QInputDialog box(parent);
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(defaultValue);
    box.setInputMode(QInputDialog::TextInput);
    // The window manager cuts a caption wider than the box ("Nume… mpare"). The box's
    // layout sets its size from its contents, so the edit is made as wide as needed.
    if (auto* edit = box.findChild<QLineEdit*>()) {
      const QMargins margins = box.layout() ? box.layout()->contentsMargins() : QMargins();
      edit->setMinimumWidth(inputBoxWidth(caption, box.fontMetrics()) - margins.left() - margins.right());
    }
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
  }

  QString openFile(QWidget* parent, const QString& caption, const QString& dir,
                   const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
  }

  QString saveFile(QWidget* parent, const QString& caption, const QString& path,
                   const QString& filter) override {
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
  }

  bool printDialog(QPrinter& printer, QWidget* parent) override {
    QPrintDialog dlg(&printer, parent);
    return dlg.exec() == QDialog::Accepted;
  }

  void showModal(Form& form) override {
    if (form.kind() == WindowKind::Maximized) form.setWindowState(form.windowState() | Qt::WindowMaximized);
    form.exec();
  }
  void showModal(QDialog& dialog) override { dialog.exec(); }
};

QtDialogHost& qtHost() {
  static QtDialogHost host;
  return host;
}

DialogHost* current = nullptr;

}  // namespace

DialogHost& dialogHost() { return current ? *current : qtHost(); }
void setDialogHost(DialogHost* host) { current = host; }

void message(MsgKind kind, const QString& text, QWidget* parent) { dialogHost().message(kind, text, parent); }
void warning(const QString& text, QWidget* parent) { message(MsgKind::Warning, text, parent); }
void error(const QString& text, QWidget* parent) { message(MsgKind::Error, text, parent); }
void information(const QString& text, QWidget* parent) { message(MsgKind::Information, text, parent); }
bool question(const QString& text, QWidget* parent) { return dialogHost().message(MsgKind::Question, text, parent); }
void plainMessage(const QString& text, QWidget* parent) { message(MsgKind::Plain, text, parent); }

}  // namespace platform
