#pragma once
// Counts the documents the canvas prints begin while it lives (kit::setDocumentHook),
// each sent into a PDF file of its own in a temporary folder so a test can look at
// every copy; with `ownFiles` false the printer keeps the output the dialog gave it.
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include "kit/canvas_print.h"

class PrintedDocuments {
 public:
  explicit PrintedDocuments(bool ownFiles = true) {
    kit::setDocumentHook([this, ownFiles](int document, QPrinter& printer) {
      ++begun;
      numbers << document;
      copyCounts << printer.copyCount();
      if (!ownFiles) return;
      printer.setOutputFormat(QPrinter::PdfFormat);
      const QString file = dir_.filePath(QStringLiteral("copia-%1.pdf").arg(document));
      printer.setOutputFileName(file);
      files << file;
    });
  }
  ~PrintedDocuments() { kit::setDocumentHook({}); }
  PrintedDocuments(const PrintedDocuments&) = delete;
  PrintedDocuments& operator=(const PrintedDocuments&) = delete;

  int begun = 0;             // documents begun
  QList<int> numbers;        // their 1-based numbers
  QList<int> copyCounts;     // the printer's own copy count as each began
  QStringList files;         // the PDF of each, when sent into files of their own

 private:
  QTemporaryDir dir_;
};
