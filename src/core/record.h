#pragma once
// Records are short-string fields back to back: one length byte, then `width` bytes
// of Windows-1252 text. Bytes after the length are not part of the value: writers
// leave them as they were, readers never look at them.
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

  const RecordLayout& layout() const { return *layout_; }
  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }

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
  const RecordLayout* layout_;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace core
