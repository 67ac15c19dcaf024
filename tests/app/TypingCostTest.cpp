// Typing costs the same for every key however long the entry has grown: a key must not copy the
// entry. The cost is counted as the bytes the program allocates while the keys come in, which a
// busy machine cannot change; how long typing takes is measured in bench/.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "WindowSession.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<std::size_t> bytesAllocated{0};

}  // namespace

// Every allocation of this test program passes here; only those made while `counting` is set count.
void* operator new(std::size_t size) {
  if (counting.load(std::memory_order_relaxed)) bytesAllocated.fetch_add(size, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace ragozo::testing {
namespace {

// The bytes allocated per key while `length` keys are typed into an empty entry.
double bytesPerKey(std::size_t length) {
  WindowSession session;
  const std::string text(length, 'a');
  bytesAllocated = 0;
  counting = true;
  session.type(text);
  counting = false;
  EXPECT_EQ(session.s().entry.text.size(), length);
  EXPECT_EQ(session.w().caret(), static_cast<int>(length));
  return static_cast<double>(bytesAllocated.load()) / static_cast<double>(length);
}

TEST(HeadlessSession, TypingAllocatesNoMorePerKeyForALongerEntry) {
  // The entry's own growth doubles its buffer, a few bytes a key; a copy of the entry at every key
  // would cost half the entry's length a key, 12,500 and 50,000 bytes here.
  constexpr double kBytesPerKeyOfGrowth = 8;
  for (const std::size_t length : {25'000u, 100'000u}) {
    EXPECT_LT(bytesPerKey(length), kBytesPerKeyOfGrowth) << length << " keys";
  }
}

}  // namespace
}  // namespace ragozo::testing
