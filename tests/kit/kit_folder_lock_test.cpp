// The lock that lets one run at a time write a kit: a second taker waits
// for the first to let go, and the folder gains no file.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <chrono>
#include <thread>

#include "kit/kit_folder_lock.h"
#include "kit_test_support.h"

namespace {

using kit::KitFolderLock;

TEST(KitFolderLockTest, ASecondTakerIsToldAndWaitsUntilTheFirstLetsGo) {
  kit_test::ScratchDirectory folder;
  const std::string path = folder.WithSeparator();
  auto first = std::make_optional(KitFolderLock::Take(path, [] { ADD_FAILURE() << "nothing to wait for"; }));
  ASSERT_EQ(first->error(), 0);

  std::atomic<bool> toldToWait{false}, taken{false};
  std::thread second([&] {
    const KitFolderLock lock = KitFolderLock::Take(path, [&] { toldToWait = true; });
    EXPECT_EQ(lock.error(), 0);
    taken = true;
  });
  while (!toldToWait) std::this_thread::yield();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(taken);
  first.reset();
  second.join();
  EXPECT_TRUE(taken);
  EXPECT_TRUE(kit_test::NamesIn(folder.path()).empty());
}

TEST(KitFolderLockTest, AMissingFolderGivesTheSystemsError) {
  kit_test::ScratchDirectory folder;
  EXPECT_NE(KitFolderLock::Take(folder / "absent", [] {}).error(), 0);
}

}  // namespace
