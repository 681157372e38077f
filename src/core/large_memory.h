#pragma once
// Memory for the large blocks that hold a whole archive's texts (export grids, result
// lines) and for the arrays that index them (rows, sort keys). A block of 256 KiB or
// more is aligned to 2 MiB and offered to the system for large pages (rounded up to
// whole ones when that wastes at most half of it): a whole archive's texts then cost a
// few page faults instead of thousands. A first touch of a small page can cost
// microseconds (much more under virtualisation), so the rounding pays for itself many
// times. Large blocks given back are kept (up to 64 MiB) for the next ones they can
// hold. Without large pages all works the same.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

namespace core {

struct LargeFree {
  void operator()(void* p) const noexcept;
};
template <typename T>
using LargeArray = std::unique_ptr<T[], LargeFree>;

// Room for `bytes` bytes, not filled; throws std::bad_alloc.
void* allocateLargeBytes(std::size_t bytes);
// The bytes allocateLargeBytes(bytes) really gives: all of them can be used.
std::size_t largeRoom(std::size_t bytes);
// For a block that grows into its room, such as the lines of a list: from 256 KiB on,
// `bytes` rounded up to whole large pages (2 MiB), as the last one is held whole once
// touched anyway; a smaller block as it is.
std::size_t wholeLargePages(std::size_t bytes);

// Room for `count` elements of a type that needs no construction (characters, bytes).
template <typename T>
LargeArray<T> allocateLarge(std::size_t count) {
  return LargeArray<T>(static_cast<T*>(allocateLargeBytes(count * sizeof(T))));
}

// A growable array of plain values (no construction or destruction, copied as bytes)
// kept in large memory: what a std::vector of a whole archive's rows or keys would be,
// without a page fault for each 4 KiB of it.
template <typename T>
class LargeVector {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  LargeVector() = default;
  explicit LargeVector(std::size_t count, const T& value = T{}) { resize(count, value); }
  LargeVector(const LargeVector& other) {
    reserve(other.size_);
    if (other.size_) std::memcpy(static_cast<void*>(data_.get()), other.data_.get(), other.size_ * sizeof(T));
    size_ = other.size_;
  }
  LargeVector& operator=(const LargeVector& other) {
    if (this != &other) *this = LargeVector(other);
    return *this;
  }
  LargeVector(LargeVector&&) noexcept = default;
  LargeVector& operator=(LargeVector&&) noexcept = default;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T* data() { return data_.get(); }
  const T* data() const { return data_.get(); }
  T* begin() { return data_.get(); }
  T* end() { return data_.get() + size_; }
  const T* begin() const { return data_.get(); }
  const T* end() const { return data_.get() + size_; }
  T& operator[](std::size_t i) { return data_[i]; }
  const T& operator[](std::size_t i) const { return data_[i]; }

  void reserve(std::size_t count) {
    if (count <= capacity_) return;
    LargeArray<T> grown = allocateLarge<T>(count);
    if (size_) std::memcpy(static_cast<void*>(grown.get()), data_.get(), size_ * sizeof(T));
    data_ = std::move(grown);
    capacity_ = largeRoom(count * sizeof(T)) / sizeof(T);
  }
  // Room for at least `count`, from 256 KiB on rounded up to whole large pages: for an
  // array its parts fill side by side, where a large page's one fault costs less than
  // the many small pages it replaces (each a fault, far dearer under virtualisation).
  void reserveWholePages(std::size_t count) {
    reserve(std::max(count, wholeLargePages(count * sizeof(T)) / sizeof(T)));
  }
  void push_back(const T& value) {
    if (size_ == capacity_) reserve(std::max<std::size_t>(16, capacity_ * 2));
    data_[size_++] = value;
  }
  // New elements are `value`; elements beyond the count are dropped.
  void resize(std::size_t count, const T& value = T{}) {
    reserve(count);
    if (count > size_) std::fill(data_.get() + size_, data_.get() + count, value);
    size_ = count;
  }
  // New elements are left unset, for an array every element of which is written next.
  void resizeForOverwrite(std::size_t count) {
    reserve(count);
    size_ = count;
  }
  void clear() { size_ = 0; }
  // Gives the memory back.
  void release() {
    data_.reset();
    size_ = capacity_ = 0;
  }

 private:
  LargeArray<T> data_;
  std::size_t size_ = 0, capacity_ = 0;
};

}  // namespace core
