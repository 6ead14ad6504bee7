// The lock that lets one run at a time write a kit: a second taker is told
// and waits for the first to let go, and the folder gains no file.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "kit/system.h"
#include "kit_test_support.h"

namespace {

TEST(KitFolderLockTest, ASecondTakerIsToldAndWaitsUntilTheFirstLetsGo) {
  kit_test::ScratchDirectory folder;
  const std::string path = folder.WithSeparator();
  auto first = kit::RealSystem().LockKitFolder(path, [] { ADD_FAILURE() << "nothing to wait for"; });
  ASSERT_TRUE(first);

  std::atomic<bool> toldToWait{false}, taken{false};
  std::thread second([&] {
    const auto lock = kit::RealSystem().LockKitFolder(path, [&] { toldToWait = true; });
    EXPECT_TRUE(lock);
    taken = true;
  });
  while (!toldToWait) std::this_thread::yield();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(taken);
  (*first).reset();
  second.join();
  EXPECT_TRUE(taken);
  EXPECT_TRUE(kit_test::NamesIn(folder.path()).empty());
}

TEST(KitFolderLockTest, AMissingFolderGivesTheSystemsErrorAndPath) {
  kit_test::ScratchDirectory folder;
  const auto lock = kit::RealSystem().LockKitFolder(folder / "absent", [] {});
  ASSERT_FALSE(lock);
  EXPECT_EQ(lock.error().path, folder / "absent");
}

}  // namespace
