// The command line in-process: what the arguments mean, the default
// language, the language list and the path printed for a kit.
#include <gtest/gtest.h>


#include "cli/run_command_line.h"
#include "cli/usage.h"
#include "install_tree.h"
#include "kit/kit_layout.h"

namespace {

using testing_support::kLanguages;

struct Result {
  int exitCode;
  std::string out;
  std::string err;
};

// An output into a string, or one that fails every write with an error.
struct BufferOutput : cli::TextOutput {
  std::error_code Write(std::string_view written) override {
    if (!error) text += written;
    return error;
  }
  std::string text;
  std::error_code error;
};

class CommandLineTest : public ::testing::Test {
 protected:
  Result Run(const std::vector<std::string>& arguments) {
    BufferOutput out, err;
    const int exitCode = cli::RunCommandLine(arguments, out, err, tree.Root());
    return {exitCode, out.text, err.text};
  }

  testing_support::InstallTree tree;
};

TEST_F(CommandLineTest, ArgumentsThatMakeNoCommandAreOneUsageLine) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--name"}, "l'option --name demande une valeur"},
      {{"--name", "a", "--name", "b"}, "l'option --name est donnée deux fois"},
      {{"--name", "a", "--address", "x"}, "l'option --program-version est obligatoire"},
      {{"--program-version", "1", "--address", "x"}, "l'option --name est obligatoire"},
      {{"Mon Programme"}, "argument inattendu : Mon Programme"},
      {{"--replace=yes"}, "l'option --replace ne prend pas de valeur"},
      {{"--list-languages", "--replace"}, "l'option --list-languages s'emploie seule"},
      {{"--version", "extra"}, "l'option --version s'emploie seule"},
      {{"--help", "--bogus"}, "l'option --help s'emploie seule"},
      {{"--name", "a", "-h"}, "l'option -h s'emploie seule"},
  };
  for (const auto& [arguments, reason] : cases) {
    const Result result = Run(arguments);
    EXPECT_EQ(result.exitCode, 2) << reason;
    EXPECT_EQ(result.err, cli::UsageErrorLine(reason));
    EXPECT_EQ(result.out, "");
  }
  EXPECT_TRUE(cli::UsageErrorLine("x").ends_with(" --help)\n"));
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(CommandLineTest, DashHIsHelp) {
  const Result result = Run({"-h"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, cli::HelpText());
  EXPECT_EQ(result.err, "");
}

TEST_F(CommandLineTest, WhatRepeatsTheUserOnStandardErrorIsEscaped) {
  // An escape sequence that would colour the terminal, a byte that is not
  // UTF-8, a C1 control (CSI): shown, not sent.
  EXPECT_EQ(Run({"--bogus\x1b[31m\xff\xc2\x9b"}).err,
            cli::UsageErrorLine("option inconnue : --bogus\\x1b[31m\\xff\\u009b"));
  const Result refused = Run({"--name", "Mon \xC0Programme", "--program-version", "1", "--address", "x"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("\"\\xc0\""), std::string::npos) << refused.err;
  EXPECT_EQ(refused.err.find('\xC0'), std::string::npos);
}

TEST_F(CommandLineTest, AnOutputThatFailsMakesTheRunAFailureWithTheCause) {
  // A code that no cause names, so that the text is the same on every system.
  BufferOutput out, err;
  out.error = std::error_code(12345, std::system_category());
  EXPECT_EQ(cli::RunCommandLine({"--name", "Mon Programme", "--program-version", "1", "--address", "x"}, out, err,
                                tree.Root()),
            cli::kFailure);
  EXPECT_EQ(err.text,
            "Zantrel Velquist Creator : la sortie standard ne peut pas être écrite (erreur du système n° 12345).\n");
  EXPECT_TRUE(tree.Exists("Output/Mon Programme/Mon Programme - Update.ver"));  // the kit stays

  BufferOutput fine, lost;
  lost.error = std::make_error_code(std::errc::broken_pipe);
  EXPECT_EQ(cli::RunCommandLine({"--bogus"}, fine, lost, tree.Root()), cli::kFailure);
}

TEST_F(CommandLineTest, ListsTheLanguagesInTheWizardsOrderAndDefaultsToTheFirst) {
  tree.Write(std::string(kLanguages) + "/Anglais.lng", "en");
  tree.Write(std::string(kLanguages) + "/Deutsch.lng", "de");
  const Result list = Run({"--list-languages"});
  EXPECT_EQ(list.exitCode, 0);
  // The order of Windows on NTFS, whatever this file system gives.
  EXPECT_EQ(list.out, "Anglais\nDeutsch\nFrançais\n");

  const Result kit = Run({"--name=Mon Programme", "--program-version=1", "--address=x"});
  EXPECT_EQ(kit.exitCode, 0);
  const std::string separator(kit::kSeparator);
  EXPECT_EQ(kit.out, tree.Root() + separator + "Output" + separator + "Mon Programme\n");
  EXPECT_EQ(tree.Read("Output/Mon Programme/Mon Programme - Update.lng"),
            "en");
}

TEST_F(CommandLineTest, AnInstallTreeWithoutLanguagesIsRefusedBeforeAnyEntry) {
  tree.Remove(kLanguages);
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--list-languages"}, {"--name", "", "--program-version", "", "--address", ""}}) {
    const Result result = Run(arguments);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "Erreur :\n\nAucun fichier de langue n'a été trouvé.\n\n\n"
              "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.\n");
  }
}

TEST_F(CommandLineTest, AMissingUpdaterIsReportedBeforeTheEntriesAsTheWizardDoes) {
  tree.Remove(testing_support::kUpdater);
  const Result result = Run({"--name", "a/b", "--program-version", "1", "--address", "x"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "Erreur :\n\nL'exécutable redistribuable de Zantrel Velquist est introuvable.\n\n\n"
            "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.\n");
}

TEST_F(CommandLineTest, AFolderThatCannotBeMadeIsAFailureWhileWriting) {
  tree.Write("Output", "a file where the Output folder should be");
  const Result result = Run({"--name", "Mon Programme", "--program-version", "1", "--address", "x"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_TRUE(result.err.starts_with("Une erreur s'est produite :\n")) << result.err;
  EXPECT_EQ(tree.Read("Output"), "a file where the Output folder should be");
}

}  // namespace
