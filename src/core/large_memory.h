#pragma once
// Memory for the large blocks that hold a whole archive's texts (export grids, result
// lines). A block of 2 MiB or more is aligned to 2 MiB and offered to the system for
// large pages: a whole archive's texts then cost a few page faults instead of
// thousands. Without large pages all works the same.
#include <cstddef>
#include <memory>

namespace core {

struct LargeFree {
  void operator()(void* p) const noexcept;
};
template <typename T>
using LargeArray = std::unique_ptr<T[], LargeFree>;

// Room for `bytes` bytes, not filled; throws std::bad_alloc.
void* allocateLargeBytes(std::size_t bytes);

// Room for `count` elements of a type that needs no construction (characters, bytes).
template <typename T>
LargeArray<T> allocateLarge(std::size_t count) {
  return LargeArray<T>(static_cast<T*>(allocateLargeBytes(count * sizeof(T))));
}

}  // namespace core
