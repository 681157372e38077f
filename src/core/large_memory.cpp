#include "core/large_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace core {

void LargeFree::operator()(void* p) const noexcept { std::free(p); }

namespace {
constexpr std::size_t kLargePage = std::size_t{2} << 20, kLargeFrom = std::size_t{256} << 10;
}

std::size_t largeRoom(std::size_t bytes) {
  return bytes >= kLargeFrom ? (bytes + kLargePage - 1) / kLargePage * kLargePage : bytes;
}

void* allocateLargeBytes(std::size_t bytes) {
  void* p = nullptr;
  if (bytes >= kLargeFrom) {
    // aligned_alloc wants a multiple of the alignment.
    const std::size_t rounded = largeRoom(bytes);
    p = std::aligned_alloc(kLargePage, rounded);
#ifdef MADV_HUGEPAGE
    if (p) ::madvise(p, rounded, MADV_HUGEPAGE);  // a hint only
#endif
  } else {
    p = std::malloc(bytes ? bytes : 1);
  }
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace core
