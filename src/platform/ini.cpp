#include "platform/ini.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <string>
#include <vector>

#include "core/ansi.h"
#include "platform/files.h"
#include "platform/qtext.h"

namespace platform {

namespace {

// One line of the file: its bytes without the terminator, and the terminator itself
// ("\r\n", "\n", "\r" or nothing for a last line without one).
struct Line {
  QByteArray text;
  QByteArray end;
};

std::vector<Line> splitLines(const QByteArray& bytes) {
  std::vector<Line> lines;
  qsizetype start = 0;
  const qsizetype n = bytes.size();
  while (start < n) {
    qsizetype i = start;
    while (i < n && bytes[i] != '\n' && bytes[i] != '\r') ++i;
    Line line{bytes.mid(start, i - start), {}};
    if (i < n) {
      if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
        line.end = "\r\n";
        i += 2;
      } else {
        line.end = bytes.mid(i, 1);
        i += 1;
      }
    }
    lines.push_back(std::move(line));
    start = i;
  }
  return lines;
}

QString decode(const QByteArray& bytes) {
  return QString::fromStdU16String(core::fromAnsi(std::string_view(bytes.constData(), bytes.size())));
}

QByteArray encode(const QString& text) {
  const std::string ansi = core::toAnsi(text.toStdU16String());
  return QByteArray(ansi.data(), static_cast<qsizetype>(ansi.size()));
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// "[name]" -> name (trimmed); nothing for another kind of line.
std::optional<QString> sectionName(const QString& line) {
  const QString t = trim(line);
  if (!t.startsWith(QLatin1Char('['))) return std::nullopt;
  qsizetype close = t.indexOf(QLatin1Char(']'));
  if (close < 0) close = t.size();
  return trim(t.mid(1, close - 1));
}

// "key = value" -> key (trimmed); nothing for a comment or a line without "=".
std::optional<QString> keyName(const QString& line) {
  const QString t = trim(line);
  if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) return std::nullopt;
  const qsizetype eq = t.indexOf(QLatin1Char('='));
  if (eq < 0) return std::nullopt;
  return trim(t.left(eq));
}

// The value of a key line: trimmed, and without one pair of matching quotes around it.
QString valueOf(const QString& line) {
  QString v = trim(line.mid(line.indexOf(QLatin1Char('=')) + 1));
  if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
    v = v.mid(1, v.size() - 2);
  return v;
}

// A UTF-8 byte-order mark at the start is not part of the first line's text.
QString lineText(const std::vector<Line>& lines, std::size_t index) {
  QByteArray bytes = lines[index].text;
  if (index == 0 && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  return decode(bytes);
}

struct Located {
  std::optional<std::size_t> section;  // line of the section header
  std::optional<std::size_t> key;      // line of the key within that section
  std::size_t lastInSection = 0;       // last non-blank line of the section
};

Located locate(const std::vector<Line>& lines, const QString& section, const QString& key) {
  Located found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QString text = lineText(lines, i);
    if (auto name = sectionName(text)) {
      if (found.section) break;  // the end of our section
      if (sameName(*name, section)) {
        found.section = i;
        found.lastInSection = i;
      }
      continue;
    }
    if (!found.section) continue;
    if (!trim(text).isEmpty()) found.lastInSection = i;
    if (auto name = keyName(text); name && sameName(*name, key)) {
      found.key = i;
      break;
    }
  }
  return found;
}

}  // namespace

QString iniRead(const QString& path, const QString& section, const QString& key) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  const std::vector<Line> lines = splitLines(file.readAll());
  const Located found = locate(lines, section, key);
  if (!found.key) return QString();
  return valueOf(lineText(lines, *found.key));
}

void iniWrite(const QString& path, const QString& section, const QString& key, const QString& value) {
  for (const QString& part : {section, key, value}) {
    if (part.contains(QLatin1Char('\n')) || part.contains(QLatin1Char('\r')))
      throw IniError("line break in an INI entry: " + path.toStdString());
  }
  QByteArray original;
  const QFileInfo info(path);
  if (info.exists()) {
    QFile file(path);
    if (!info.isFile() || !info.isWritable() || !file.open(QIODevice::ReadOnly))
      throw IniError("cannot write " + path.toStdString());
    original = file.readAll();
    // A read cut short would write back a shortened file.
    if (file.error() != QFileDevice::NoError) throw IniError("cannot read " + path.toStdString());
  }

  std::vector<Line> lines = splitLines(original);
  // New lines use the file's own line ending; a new file gets CRLF.
  QByteArray eol = "\r\n";
  for (const Line& line : lines) {
    if (!line.end.isEmpty()) {
      eol = line.end;
      break;
    }
  }
  const QByteArray keyLine = encode(key) + '=' + encode(value);
  const Located found = locate(lines, section, key);
  if (found.key) {
    lines[*found.key].text = keyLine;
  } else if (found.section) {
    Line& after = lines[found.lastInSection];
    if (after.end.isEmpty()) after.end = eol;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(found.lastInSection) + 1, Line{keyLine, eol});
  } else {
    if (!lines.empty() && lines.back().end.isEmpty()) lines.back().end = eol;
    lines.push_back(Line{'[' + encode(section) + ']', eol});
    lines.push_back(Line{keyLine, eol});
  }

  QByteArray bytes;
  bytes.reserve(original.size() + keyLine.size() + section.size() + 8);
  for (const Line& line : lines) bytes += line.text + line.end;

  // Never rewritten in place: a failure (a full disk included) leaves the old file
  // whole, so the credentials it holds still open the program.
  QString error;
  if (!writeWholeFile(path, bytes, &error)) throw IniError(error.toStdString());
}

}  // namespace platform
