#pragma once
// Records built by hand, byte by byte, so the tests do not take the file format from
// the program: a field is a length byte followed by its Windows-1252 bytes, at its
// offset in a record of fixed size.
#include <QByteArray>

#include <initializer_list>
#include <utility>

// A record of `size` bytes, zero but for the fields given as {offset, bytes}.
inline QByteArray handBuiltRecord(int size, std::initializer_list<std::pair<int, QByteArray>> fields) {
  QByteArray r(size, '\0');
  for (const auto& [offset, bytes] : fields) {
    r[offset] = char(bytes.size());
    r.replace(offset + 1, bytes.size(), bytes);
  }
  return r;
}

// The bytes of the field stored at `offset` of `record` (its length byte read).
inline QByteArray storedField(const QByteArray& record, int offset) {
  return record.mid(offset + 1, static_cast<unsigned char>(record[offset]));
}
