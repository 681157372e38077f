#pragma once
// What the card print tests share: the warning a failed print gives, the framed rows
// of a printed card, where an object stands, and the text of the PDF a print wrote.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/report/report.h"

// The warning of a card print (or preview) that could not be written.
inline const QString kCardPrintFailure = QString::fromUtf8(
    "Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\r"
    "Si consiglia di ridurre le dimensioni della foto.");

// A row of a printed card: its memo (txtX), the caption beside it (capX), its text.
struct CardRow {
  const char* memo;
  const char* caption;
  QString value;
};

// Every row stands on `page` with its caption and text; with `firstTopMm`, the rows
// stand 5 mm apart from there.
inline void expectCardRows(const platform::report::PreparedPage& page, const std::vector<CardRow>& rows,
                           std::optional<double> firstTopMm = std::nullopt) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].memo);
    const QString memo = QString::fromLatin1(rows[i].memo);
    ASSERT_NE(page.find(memo), nullptr);
    EXPECT_EQ(page.find(memo)->text(), rows[i].value);
    EXPECT_EQ(page.find("cap" + memo.mid(3))->text(), QString::fromUtf8(rows[i].caption));
    if (firstTopMm) {
      EXPECT_NEAR(page.find(memo)->rect.top(), platform::report::mm(*firstTopMm + 5 * double(i)), 0.01);
    }
  }
}

// The object `name` stands on `page` at `left`, `top` and is `width` x `height`, all
// in mm inside the margins of 10 mm.
inline void expectPlaced(const platform::report::PreparedPage& page, const QString& name, double left, double top,
                         double width, double height) {
  using platform::report::mm;
  SCOPED_TRACE(name.toStdString());
  const platform::report::PreparedItem* item = page.find(name);
  ASSERT_NE(item, nullptr);
  EXPECT_NEAR(item->rect.left(), mm(left + 10), 0.01);
  EXPECT_NEAR(item->rect.top(), mm(top + 10), 0.01);
  EXPECT_NEAR(item->rect.width(), mm(width), 0.01);
  EXPECT_NEAR(item->rect.height(), mm(height), 0.01);
}

// Copies the PDF at `path` as `name` into the folder VELMORA_KEEP_PDF names, if any,
// for a person to look at.
inline void keepPdf(const QString& path, const QString& name) {
  if (const char* keep = std::getenv("VELMORA_KEEP_PDF"))
    QFile::copy(path, QDir(QString::fromLocal8Bit(keep)).filePath(name));
}

// The text of the PDF at `path` (pages parted by form feeds); nullopt when pdftotext
// is not installed.
inline std::optional<QString> pdfText(const QString& path) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return std::nullopt;
  QProcess p;
  p.start(tool, {path, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}
