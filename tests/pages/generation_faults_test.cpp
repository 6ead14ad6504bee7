// The generation procedure with each step of the system failing in turn:
// every file test, folder creation, copy and write. Each failure is the
// fatal failure, names the program, carries the system's error, and leaves
// no file open.
#include <gtest/gtest.h>

#include <string>

#include "failing_system.h"
#include "generation/kit_generation.h"
#include "generation/messages.h"
#include "install_tree.h"
#include "kit/kit_layout.h"

namespace {

using generation::Outcome;
using testing_support::FailingSystem;
using testing_support::InstallTree;

// Answers Yes, and counts the questions.
class AlwaysReplace : public generation::ReplaceQuestion {
 public:
  bool ReplaceKit(const generation::Entries&) override {
    ++asked;
    return true;
  }
  int asked = 0;
};

generation::KitRequest RequestIn(const InstallTree& tree) {
  return {.installRoot = tree.Root(),
          .destination = kit::DefaultDestination(tree.Root()),
          .name = "  Mon Programme ",
          .version = "1.0",
          .address = "http://a.b/",
          .language = "Français"};
}

TEST(GenerationFaults, EachFailingStepIsTheFatalFailureWithTheSystemsError) {
  int steps = 0;
  {
    InstallTree tree;
    AlwaysReplace question;
    FailingSystem counting;
    const Outcome outcome = generation::GenerateKit(RequestIn(tree), question, counting);
    ASSERT_EQ(outcome.kind, Outcome::Kind::Written);
    EXPECT_EQ(outcome.entries.name, "Mon Programme");
    steps = counting.steps();
    // The file tests, the two folders each tested and made, the kit's lock
    // before the question's file test, then the writers.
    const std::vector<std::string> first(counting.stepNames().begin(), counting.stepNames().begin() + 9);
    EXPECT_EQ(first, (std::vector<std::string>{"FileExists", "FileExists", "FileExists", "DirectoryExists",
                                               "CreateDirectoryLevel", "DirectoryExists", "CreateDirectoryLevel",
                                               "LockKitFolder", "FileExists"}));
  }
  for (int failAt = 1; failAt <= steps; ++failAt) {
    SCOPED_TRACE("step " + std::to_string(failAt) + " of " + std::to_string(steps) + " fails");
    InstallTree tree;
    AlwaysReplace question;
    FailingSystem failing(failAt);
    const Outcome outcome = generation::GenerateKit(RequestIn(tree), question, failing);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Failed);
    EXPECT_EQ(outcome.message, generation::messages::GenerationFailed("Mon Programme"));
    EXPECT_EQ(outcome.entries.name, "Mon Programme");
    ASSERT_TRUE(outcome.systemError.has_value());
    EXPECT_TRUE(outcome.systemError->code) << "the system's error code is kept";
    EXPECT_EQ(failing.openFiles(), 0);
  }
}

TEST(GenerationFaults, AnOutputFolderThatCannotBeMadeStopsBeforeAnyFile) {
  InstallTree tree;
  AlwaysReplace question;
  FailingSystem failing(5);  // the creation of the Output folder
  const Outcome outcome = generation::GenerateKit(RequestIn(tree), question, failing);
  ASSERT_EQ(failing.stepNames().back(), "CreateDirectoryLevel");
  EXPECT_EQ(outcome.kind, Outcome::Kind::Failed);
  ASSERT_TRUE(outcome.systemError.has_value());
  EXPECT_EQ(outcome.systemError->path, kit::DefaultDestination(tree.Root()));
  EXPECT_FALSE(tree.Exists("Output"));
  EXPECT_EQ(question.asked, 0);
}

}  // namespace
