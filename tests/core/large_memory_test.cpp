#include "core/large_memory.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(LargeVector, GrowsPastTheLargeSizeKeepingEveryValue) {
  // From the small-block start through several moves into large pages.
  core::LargeVector<std::uint32_t> v;
  const std::uint32_t n = 1'500'000;  // 6 MB
  for (std::uint32_t i = 0; i < n; ++i) v.push_back(i * 7u);
  ASSERT_EQ(v.size(), n);
  for (std::uint32_t i = 0; i < n; ++i) ASSERT_EQ(v[i], i * 7u) << i;

  v.resize(10);
  v.resize(20, 5u);  // new values are the given one, old ones stay
  EXPECT_EQ(v[9], 63u);
  EXPECT_EQ(v[10], 5u);
  EXPECT_EQ(v[19], 5u);
  v.resizeForOverwrite(3'000'000);  // grows past its room: the values before stay
  EXPECT_EQ(v.size(), 3'000'000u);
  EXPECT_EQ(v[10], 5u);
  v.resize(20);

  core::LargeVector<std::uint32_t> moved = std::move(v);
  EXPECT_EQ(moved.size(), 20u);
  EXPECT_EQ(moved[9], 63u);
  moved.release();
  EXPECT_TRUE(moved.empty());
  moved.push_back(1);
  EXPECT_EQ(moved[0], 1u);
}

TEST(LargeMemory, RoomIsWholeLargePagesWhenThatWastesLittle) {
  constexpr std::size_t MiB = std::size_t{1} << 20;
  EXPECT_EQ(core::largeRoom(1000), 1000u);                        // small: as asked
  EXPECT_EQ(core::largeRoom(256 * 1024 - 1), 256u * 1024 - 1);
  EXPECT_EQ(core::largeRoom(256 * 1024), 256u * 1024);            // a large page would waste 7/8
  EXPECT_EQ(core::largeRoom(1400 * 1024), 2 * MiB);               // wastes under half
  EXPECT_EQ(core::largeRoom(1300 * 1024), 1300u * 1024);          // would waste more
  EXPECT_EQ(core::largeRoom(2 * MiB + 1), 2 * MiB + 4096);        // whole small pages after the large one
  EXPECT_EQ(core::largeRoom(3 * MiB), 4 * MiB);
  EXPECT_EQ(core::largeRoom(7 * MiB), 8 * MiB);
  // All of the room can be written.
  const std::size_t room = core::largeRoom(1700 * 1024);
  core::LargeArray<char> block = core::allocateLarge<char>(1700 * 1024);
  block[room - 1] = 'x';
  EXPECT_EQ(block[room - 1], 'x');
}

}  // namespace
