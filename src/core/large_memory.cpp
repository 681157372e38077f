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
// Large blocks given back are kept, up to this many bytes, for the next ones they can
// hold: a list or grid filled again reuses the pages of the last one instead of having
// the system clear new ones, and an array made after another is freed takes its pages.
constexpr std::size_t kKeptBytes = std::size_t{64} << 20;

class LargeBlocks {
 public:
  void* take(std::size_t rounded) {
    {
      // The smallest kept block that holds it: its pages are already the program's, so
      // a larger one costs nothing more than a new one would.
      std::lock_guard<std::mutex> lock(mutex_);
      auto best = kept_.end();
      for (auto it = kept_.begin(); it != kept_.end(); ++it)
        if (it->second >= rounded && (best == kept_.end() || it->second < best->second)) best = it;
      if (best != kept_.end()) {
        const auto [p, size] = *best;
        kept_.erase(best);
        keptBytes_ -= size;
        sizes_.emplace(p, size);
        return p;
      }
    }
    void* p = nullptr;
    if (::posix_memalign(&p, kLargePage, rounded) != 0) return nullptr;
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

std::size_t wholeLargePages(std::size_t bytes) {
  return bytes < kLargeFrom ? bytes : (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

std::size_t largeRoom(std::size_t bytes) {
  if (bytes < kLargeFrom) return bytes;
  // Whole large pages when that wastes at most half the block; else whole small pages,
  // the large ones covering all but the end.
  const std::size_t whole = wholeLargePages(bytes);
  constexpr std::size_t kSmallPage = 4096;
  return (whole - bytes) * 2 <= bytes ? whole : (bytes + kSmallPage - 1) / kSmallPage * kSmallPage;
}

void* allocateLargeBytes(std::size_t bytes) {
  void* p = bytes >= kLargeFrom ? largeBlocks().take(largeRoom(bytes)) : std::malloc(bytes ? bytes : 1);
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace core
