#pragma once
// Records built by hand for the record tests of the core (no Qt): a field is a length
// byte followed by its Windows-1252 bytes at its offset, and a layout is checked
// against the offsets and widths written out in the test.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/record.h"

// Stores `value` (Windows-1252 bytes) as the field at `offset` of `bytes`.
inline void putField(std::vector<std::uint8_t>& bytes, std::size_t offset, const std::string& value) {
  bytes[offset] = static_cast<std::uint8_t>(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) bytes[offset + 1 + i] = static_cast<std::uint8_t>(value[i]);
}

struct StoredField {
  const char* name;
  std::size_t offset;
  std::size_t width;
};

// `layout` is `size` bytes of exactly `fields`, in their order, at their offsets.
inline void expectStoredFields(const core::RecordLayout& layout, std::size_t size,
                               std::span<const StoredField> fields) {
  ASSERT_EQ(layout.fieldCount(), fields.size());
  EXPECT_EQ(layout.size(), size);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    SCOPED_TRACE(fields[i].name);
    EXPECT_EQ(layout.field(i).name, fields[i].name);
    EXPECT_EQ(layout.offset(i), fields[i].offset);
    EXPECT_EQ(layout.field(i).width, fields[i].width);
  }
}
