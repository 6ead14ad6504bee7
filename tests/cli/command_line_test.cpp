// The command line in-process: what the arguments mean, the default
// language, the language list and the path printed for a kit.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/run_command_line.h"
#include "install_tree.h"
#include "kit/kit_layout.h"

namespace {

using testing_support::kLanguages;

struct Result {
  int exitCode;
  std::string out;
  std::string err;
};

class CommandLineTest : public ::testing::Test {
 protected:
  Result Run(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int exitCode = cli::RunCommandLine(arguments, out, err, tree.Root());
    return {exitCode, out.str(), err.str()};
  }

  testing_support::InstallTree tree;
};

TEST_F(CommandLineTest, ArgumentsThatMakeNoCommandAreUsageErrors) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--name"}, "l'option --name demande une valeur."},
      {{"--name", "a", "--name", "b"}, "l'option --name est donnée deux fois."},
      {{"--name", "a", "--address", "x"}, "l'option --program-version est obligatoire."},
      {{"--program-version", "1", "--address", "x"}, "l'option --name est obligatoire."},
      {{"Mon Programme"}, "argument inattendu : Mon Programme"},
      {{"-h"}, "option inconnue : -h"},
      {{"--replace=yes"}, "l'option --replace ne prend pas de valeur."},
      {{"--list-languages", "--replace"}, "--list-languages ne se combine avec aucune autre option."},
  };
  for (const auto& [arguments, reason] : cases) {
    const Result result = Run(arguments);
    EXPECT_EQ(result.exitCode, 2) << reason;
    EXPECT_TRUE(result.err.starts_with("Zantrel Velquist Creator : " + reason + "\n\nUtilisation :\n")) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(CommandLineTest, HelpActsAtOnceWhateverFollows) {
  const Result result = Run({"--help", "--bogus"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.out.starts_with("Utilisation :"));
  EXPECT_EQ(result.err, "");
}

TEST_F(CommandLineTest, ListsTheLanguagesInTheWizardsOrderAndDefaultsToTheFirst) {
  tree.Write(std::string(kLanguages) + "/Anglais.lng", "en");
  tree.Write(std::string(kLanguages) + "/Deutsch.lng", "de");
  const Result list = Run({"--list-languages"});
  EXPECT_EQ(list.exitCode, 0);
  std::vector<std::string> languages;
  std::istringstream lines(list.out);
  for (std::string line; std::getline(lines, line);) languages.push_back(line);
  ASSERT_EQ(languages.size(), 3u);

  const Result kit = Run({"--name=Mon Programme", "--program-version=1", "--address=x"});
  EXPECT_EQ(kit.exitCode, 0);
  const std::string separator(kit::kSeparator);
  EXPECT_EQ(kit.out, tree.Root() + separator + "Output" + separator + "Mon Programme\n");
  EXPECT_EQ(tree.Read("Output/Mon Programme/Mon Programme - Update.lng"),
            tree.Read(std::string(kLanguages) + "/" + languages.front() + ".lng"));
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
