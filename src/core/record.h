#pragma once
// Records are short-string fields back to back: one length byte, then `width` bytes
// of Windows-1252 text. Bytes after the length are not part of the value: writers
// leave them as they were, readers never look at them.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct FieldDef {
  std::string_view name;
  std::uint8_t width;  // 1..255
};

template <std::size_t N>
constexpr std::size_t recordSize(const std::array<FieldDef, N>& fields) {
  std::size_t size = 0;
  for (const auto& f : fields) size += f.width + 1u;
  return size;
}

// The width of the field `name` of a record type's table, at compile time: a misspelt
// name does not build.
template <std::size_t N>
consteval int fieldWidth(const std::array<FieldDef, N>& fields, std::string_view name) {
  for (const FieldDef& f : fields)
    if (f.name == name) return f.width;
  throw "no such field";
}

// A record type's fields with their computed offsets.
class RecordLayout {
 public:
  template <std::size_t N>
  explicit RecordLayout(const std::array<FieldDef, N>& fields) : RecordLayout(std::span<const FieldDef>(fields)) {}
  explicit RecordLayout(std::span<const FieldDef> fields);

  std::size_t size() const { return size_; }
  std::size_t fieldCount() const { return fields_.size(); }
  const FieldDef& field(std::size_t index) const { return fields_[index]; }
  std::size_t offset(std::size_t index) const { return offsets_[index]; }
  // Index of the field with that name; throws std::out_of_range for an unknown name.
  std::size_t indexOf(std::string_view name) const;

 private:
  std::vector<FieldDef> fields_;
  std::vector<std::size_t> offsets_;
  std::size_t size_ = 0;
};

// The raw bytes of one record (zero-filled at start).
class RecordBuffer {
 public:
  explicit RecordBuffer(const RecordLayout& layout);
  // A copy holds its own bytes, even of a buffer that is looking at a block's.
  RecordBuffer(const RecordBuffer& other);
  RecordBuffer& operator=(const RecordBuffer& other);
  RecordBuffer(RecordBuffer&&) noexcept = default;
  RecordBuffer& operator=(RecordBuffer&&) noexcept = default;

  const RecordLayout& layout() const { return *layout_; }
  // Writing starts from the bytes the buffer shows (those it looks at are copied in).
  std::uint8_t* data() {
    own();
    return bytes_.data();
  }
  const std::uint8_t* data() const { return shown_ ? shown_ : bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }
  // For a scan: the buffer shows `record` (a whole record of its layout, in a block the
  // scan keeps) without copying it, until the next call or the first write. Whoever
  // keeps a record past the visit keeps a copy of the buffer, which owns its bytes.
  void lookAt(const std::uint8_t* record) { shown_ = record; }

  // Field copy: trims the text, converts it to Windows-1252 ('?' for what it lacks),
  // keeps at most the field's width; the bytes after the new length stay as they were.
  void set(std::size_t index, std::u16string_view text);
  void set(std::string_view name, std::u16string_view text) { set(layout_->indexOf(name), text); }
  // Field read: the length byte (capped at the width, so never past the field), the
  // text converted from Windows-1252 and trimmed.
  std::u16string get(std::size_t index) const;
  std::u16string get(std::string_view name) const { return get(layout_->indexOf(name)); }
  // The stored bytes of a field's value, untouched.
  std::string_view rawValue(std::size_t index) const;

 private:
  // Takes in the bytes the buffer looks at, before a write.
  void own();

  const RecordLayout* layout_;
  std::vector<std::uint8_t> bytes_;
  const std::uint8_t* shown_ = nullptr;  // a scan's block, shown in place of bytes_
};

// The stored bytes of field `index` read straight from a whole record's bytes laid out
// by `layout`: the length byte capped at the width (a corrupt length never reads past
// the field), for scans that look at a few fields without copying the record.
// Inline: scans call it for every field of every record.
inline std::string_view storedFieldBytes(const std::uint8_t* record, const RecordLayout& layout, std::size_t index) {
  const std::uint8_t* p = record + layout.offset(index);
  const std::size_t len = std::min<std::size_t>(p[0], layout.field(index).width);
  return std::string_view(reinterpret_cast<const char*>(p + 1), len);
}

// Stored bytes without the bytes up to 0x20 at both ends: in Windows-1252 those are
// exactly the blanks and control characters a reader's trim removes.
inline std::string_view trimBytes(std::string_view bytes) {
  std::size_t b = 0, e = bytes.size();
  while (b < e && static_cast<std::uint8_t>(bytes[b]) <= 0x20) ++b;
  while (e > b && static_cast<std::uint8_t>(bytes[e - 1]) <= 0x20) --e;
  return bytes.substr(b, e - b);
}

}  // namespace core
