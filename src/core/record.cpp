#include "core/record.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/ansi.h"
#include "core/text.h"

namespace core {

RecordLayout::RecordLayout(std::span<const FieldDef> fields) : fields_(fields.begin(), fields.end()) {
  offsets_.reserve(fields_.size());
  for (const auto& f : fields_) {
    offsets_.push_back(size_);
    size_ += f.width + 1u;
  }
}

std::size_t RecordLayout::indexOf(std::string_view name) const {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i].name == name) return i;
  }
  throw std::out_of_range("unknown field: " + std::string(name));
}

RecordBuffer::RecordBuffer(const RecordLayout& layout) : layout_(&layout), bytes_(layout.size(), 0) {}

RecordBuffer::RecordBuffer(const RecordBuffer& other)
    : layout_(other.layout_), bytes_(other.data(), other.data() + other.size()) {}

RecordBuffer& RecordBuffer::operator=(const RecordBuffer& other) {
  if (this != &other) {
    const std::uint8_t* from = other.data();
    layout_ = other.layout_;
    bytes_.assign(from, from + other.size());
    shown_ = nullptr;
  }
  return *this;
}

void RecordBuffer::own() {
  if (!shown_) return;
  std::memcpy(bytes_.data(), shown_, bytes_.size());
  shown_ = nullptr;
}

void RecordBuffer::set(std::size_t index, std::u16string_view text) {
  const std::size_t width = layout_->field(index).width;
  std::string ansi = toAnsi(trim(text));
  const std::size_t len = std::min(ansi.size(), width);
  std::uint8_t* p = data() + layout_->offset(index);
  p[0] = static_cast<std::uint8_t>(len);
  std::memcpy(p + 1, ansi.data(), len);
}

std::string_view RecordBuffer::rawValue(std::size_t index) const {
  return storedFieldBytes(data(), *layout_, index);
}

std::u16string RecordBuffer::get(std::size_t index) const { return trim(fromAnsi(rawValue(index))); }

}  // namespace core
