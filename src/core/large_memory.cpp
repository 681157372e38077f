#include "core/large_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <mutex>
#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

namespace core {

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20, kLargeFrom = std::size_t{256} << 10;
// Large blocks given back are kept, up to this many bytes, for the next ones of the
// same size: a list or grid filled again reuses the pages of the last one instead of
// having the system clear new ones.
constexpr std::size_t kKeptBytes = std::size_t{64} << 20;

class LargeBlocks {
 public:
  void* take(std::size_t rounded) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      for (auto it = kept_.begin(); it != kept_.end(); ++it) {
        if (it->second != rounded) continue;
        void* p = it->first;
        kept_.erase(it);
        keptBytes_ -= rounded;
        sizes_.emplace(p, rounded);
        return p;
      }
    }
    void* p = std::aligned_alloc(kLargePage, rounded);  // wants a multiple of the alignment
    if (!p) return nullptr;
#ifdef MADV_HUGEPAGE
    ::madvise(p, rounded, MADV_HUGEPAGE);  // a hint only
#endif
    std::lock_guard<std::mutex> lock(mutex_);
    sizes_.emplace(p, rounded);
    return p;
  }

  // False when `p` is not a large block.
  bool give(void* p) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = sizes_.find(p);
    if (it == sizes_.end()) return false;
    const std::size_t size = it->second;
    sizes_.erase(it);
    if (keptBytes_ + size <= kKeptBytes) {
      kept_.emplace_back(p, size);
      keptBytes_ += size;
    } else {
      std::free(p);
    }
    return true;
  }

 private:
  std::mutex mutex_;
  std::unordered_map<void*, std::size_t> sizes_;        // blocks in use
  std::vector<std::pair<void*, std::size_t>> kept_;     // blocks given back
  std::size_t keptBytes_ = 0;
};

// Kept for the program's life: blocks may be given back while statics go.
LargeBlocks& largeBlocks() {
  static LargeBlocks* blocks = new LargeBlocks;
  return *blocks;
}

}  // namespace

void LargeFree::operator()(void* p) const noexcept {
  if (p && !largeBlocks().give(p)) std::free(p);
}

std::size_t largeRoom(std::size_t bytes) {
  return bytes >= kLargeFrom ? (bytes + kLargePage - 1) / kLargePage * kLargePage : bytes;
}

void* allocateLargeBytes(std::size_t bytes) {
  void* p = bytes >= kLargeFrom ? largeBlocks().take(largeRoom(bytes)) : std::malloc(bytes ? bytes : 1);
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace core
