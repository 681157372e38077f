#pragma once
// What the export windows' tests share: the rows of the export file spelled out by
// hand, records whose every field says which field it is, and a fixture that opens
// an export window as the program does.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <map>
#include <string_view>

#include "core/record.h"
#include "platform/form.h"
#include "support/export_file_bytes.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

// A heading cell of the export file, `width` wide.
inline QByteArray exportHeading(int width, const QByteArray& text) {
  return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + text + "</td>";
}

// A data row of the export file with these cells.
inline QByteArray exportDataRow(const QList<QByteArray>& cells) {
  QByteArray out = "<tr>";
  for (const QByteArray& c : cells) out += "<td style=\"text-align: left;\">" + c + "</td>";
  return out + "</tr>";
}

// The export file after its last row.
inline const QByteArray kExportTail = QByteArray::fromStdString(kExportFileTail);

// The file an empty archive exports: the head and headings, then ten empty rows of
// `columns` cells.
inline QByteArray emptyExportFile(const QByteArray& headAndHeadings, int columns) {
  QByteArray file = headAndHeadings;
  for (int i = 0; i < 10; ++i) file += exportDataRow(QList<QByteArray>(columns, QByteArray()));
  return file + kExportTail;
}

// "Fnn-k": the text field number `n` (from 1, two digits) of record `k` holds.
inline QString numberedText(int n, int k) { return QStringLiteral("F%1-%2").arg(n, 2, 10, QLatin1Char('0')).arg(k); }

// Record `k` with every field of `layout` holding its numbered text, by field name.
inline std::map<std::string_view, QString> numberedFields(const core::RecordLayout& layout, int k) {
  std::map<std::string_view, QString> fields;
  for (std::size_t i = 0; i < layout.fieldCount(); ++i) fields[layout.field(i).name] = numberedText(int(i) + 1, k);
  return fields;
}

// The cells of record `k` for the fields numbered `numbers`, in that order.
inline QList<QByteArray> numberedCells(std::initializer_list<int> numbers, int k) {
  QList<QByteArray> out;
  for (int n : numbers) out << numberedText(n, k).toLatin1();
  return out;
}

// An export window `Window` in a fresh executable folder, its boxes scripted and the
// file it offers to open recorded; with `overCard` it opens over a card of its own.
template <typename Window, bool overCard = true>
class ExportWindowTest : public ::testing::Test {
 protected:
  // Opens the export as its card does and runs `script` while it is open.
  void run(std::function<void(Window&)> script) {
    host.modalScripts.push_back([&](platform::Form& f) { script(static_cast<Window&>(f)); });
    QWidget card;
    Window w(overCard ? &card : nullptr);
    w.showModalDialog();
  }

  TempExeDir dir;
  ScriptedDialogHost host;
  ShellOpenRecorder opened;
};
