// The built program run from its command line as a process, with no display:
// the kit it writes, its refusals, the existing kit, a failed write, outputs
// that cannot be written, and the usage and version.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/wizard.h"
#include "fake_platform.h"
#include "kit/system.h"
#include "program_process.h"

namespace {

using cli_test::Display;
using cli_test::ProgramTree;
using testing_support::kLanguages;
using ui::ControlId;

const std::string kAddress = "https://www.example.com/monprog.maj";
const std::string kKit = "Output/Mon Programme/Mon Programme";

std::vector<std::string> KitArguments(const std::string& name, const std::string& version = "1.0.0.0") {
  return {"--name", name, "--program-version", version, "--address", kAddress};
}

// Every file under Output/ with its bytes.
std::map<std::string, std::string> OutputFiles(const testing_support::InstallTree& tree) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(tree.Path("Output"))) {
    const std::string relative = std::filesystem::relative(entry.path(), tree.Root()).string();
    files[relative] = entry.is_directory() ? "(folder)" : tree.Read(relative);
  }
  return files;
}

// The same redistributable files in both trees: an updater longer than one
// copy block and a second language.
void AddRedistributables(const testing_support::InstallTree& tree) {
  std::string updater = "MZ";
  for (int i = 0; updater.size() < 5000; ++i) updater += static_cast<char>(i * 7);
  tree.Write(testing_support::kUpdater, updater);
  tree.Write(std::string(kLanguages) + "/Anglais.lng", "[Language]\r\nName=English\r\n");
}

TEST(ProgramTest, WritesTheKitThatThePageWritesFromTheSameEntries) {
  const std::string name = " Œuvre – édition ", version = " 2.0.1", address = "https://exemple.fr/mise-à-jour€.maj";

  testing_support::InstallTree pageTree;
  AddRedistributables(pageTree);
  testing_support::FakePlatform platform;
  platform.executableDirectory = pageTree.Root();
  app::Wizard wizard(platform);
  wizard.Start();
  platform.OnlyWindow().Click(ControlId::Command2);
  auto& page = platform.OnlyWindow();
  page.SetText(ControlId::Text1, name);
  page.SetText(ControlId::Text2, version);
  page.SetText(ControlId::Text3, address);
  const auto& languages = page.Items(ControlId::Combo1);
  page.SetListIndex(ControlId::Combo1,
                    static_cast<int>(std::find(languages.begin(), languages.end(), "Anglais") - languages.begin()));
  page.Click(ControlId::Command2);
  ASSERT_TRUE(platform.messages.empty());

  ProgramTree tree;
  AddRedistributables(tree);
  const auto run = tree.Run(
      {"--name", name, "--program-version", version, "--address", address, "--language", "Anglais"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, tree.Root() + "/Output/Œuvre – édition\n");
  const auto files = OutputFiles(tree);
  EXPECT_EQ(files, OutputFiles(pageTree));
  EXPECT_EQ(files.size(), 6u);
  EXPECT_EQ(files.at("Output/Œuvre – édition/Œuvre – édition - Update.lng"), "[Language]\r\nName=English\r\n");
  EXPECT_EQ(files.at("Output/Œuvre – édition/Œuvre – édition - Update.ver"), "VER 2.0.1");
}

TEST(ProgramTest, RefusalsGiveTheWizardsMessageAndExitCodeOneWithNothingWritten) {
  const struct {
    std::vector<std::string> arguments;
    const char* missingFile;
    std::string message;
  } cases[] = {
      {KitArguments("../x"), nullptr,
       "Le nom du programme à mettre à jour ne peut contenir aucun des caractères suivants :\n\n"
       "\\ / : * ? \" < > |\n"},
      {KitArguments("Mon Programme", ""), nullptr, "Veuillez saisir la version du programme à mettre à jour.\n"},
      {KitArguments("Mon Programme", "1.0 bêta"), nullptr,
       "La version du programme à mettre à jour ne peut contenir que des chiffres et des points.\n"},
      {{"--name", "Mon Programme", "--program-version", "1", "--address", kAddress + "\n"}, nullptr,
       "L'adresse du fichier d'informations de mise à jour ne peut contenir ni saut de ligne ni caractère de "
       "contrôle.\n"},
      {{"--name", "x", "--program-version", "1", "--address", "a", "--language", "Klingon"}, nullptr,
       "Veuillez sélectionner la langue pour le système de mise à jour automatique.\n"},
      {KitArguments("Mon Programme"), testing_support::kManifest,
       "Erreur :\n\nLe fichier manifest redistribuable de Zantrel Velquist est introuvable.\n\n\n"
       "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.\n"},
  };
  for (const auto& refusal : cases) {
    ProgramTree tree;
    if (refusal.missingFile) tree.Remove(refusal.missingFile);
    const auto run = tree.Run(refusal.arguments);
    EXPECT_EQ(run.exitCode, 1) << refusal.message;
    EXPECT_EQ(run.err, refusal.message);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(tree.Exists("Output"));
  }
}

TEST(ProgramTest, AnExistingKitIsKeptWithoutReplaceAndReplacedWithIt) {
  ProgramTree tree;
  ASSERT_EQ(tree.Run(KitArguments("Mon Programme", "1.0")).exitCode, 0);

  const auto kept = tree.Run(KitArguments("Mon Programme", "2.0"));
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_EQ(kept.err,
            "Un système de mise à jour automatique pour \"Mon Programme\" existe déjà : il est conservé. Ajoutez "
            "--replace pour le remplacer.\n");
  EXPECT_EQ(kept.out, "");
  EXPECT_EQ(tree.Read(kKit + " - Update.ver"), "VER 1.0");

  auto replacing = KitArguments("Mon Programme", "2.0");
  replacing.push_back("--replace");
  const auto replaced = tree.Run(replacing);
  EXPECT_EQ(replaced.exitCode, 0);
  EXPECT_EQ(replaced.err, "");
  EXPECT_EQ(tree.Read(kKit + " - Update.ver"), "VER 2.0");
}

TEST(ProgramTest, AFileSizeLimitIsAFailedWriteThatLeavesTheOlderFileWhole) {
  ProgramTree tree;
  tree.Write(testing_support::kUpdater, std::string(1 << 20, 'u'));
  tree.Write(kKit + " - Update.exe", "an older updater copy");
  const std::string before = tree.Listing();

  auto arguments = KitArguments("Mon Programme");
  arguments.push_back("--replace");
  // The system's signal for the limit is not ignored by the caller: the
  // program must not let it end the run.
  const auto run = tree.Run(arguments, {.fileSizeLimit = 64 * 1024});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.err,
            "Une erreur s'est produite :\n\nEchec lors de la création du système de mise à jour automatique pour "
            "\"Mon Programme\".\n\n\nVeuillez redémarrer votre ordinateur et réessayer.\nZantrel Velquist Creator va "
            "maintenant se fermer.\nCause : fichier trop volumineux : " +
                tree.Root() + "/" + kKit + " - Update.exe\n");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(tree.Read(kKit + " - Update.exe"), "an older updater copy");
  EXPECT_EQ(tree.Listing(), before);  // no temporary file left behind
}

TEST(ProgramTest, AStandardOutputThatCannotBeWrittenFailsTheRunAndSaysWhy) {
  const std::string full =
      "Zantrel Velquist Creator : la sortie standard ne peut pas être écrite (plus de place sur le disque).\n";
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--version"}, {"--help"}, {"--list-languages"}, KitArguments("Mon Programme")}) {
    ProgramTree tree;
    const auto run = tree.Run(arguments, {.out = cli_test::Sink::FullDevice});
    EXPECT_EQ(run.exitCode, 3) << arguments.front();
    EXPECT_EQ(run.err, full);
  }
  // The kit written before its path was lost stays.
  ProgramTree tree;
  tree.Run(KitArguments("Mon Programme"), {.out = cli_test::Sink::FullDevice});
  EXPECT_EQ(tree.Read(kKit + " - Update.ver"), "VER 1.0.0.0");

  // A reader that has gone: no signal ends the run.
  const auto broken = tree.Run({"--version"}, {.out = cli_test::Sink::ClosedPipe});
  EXPECT_EQ(broken.exitCode, 3);
  EXPECT_EQ(broken.err,
            "Zantrel Velquist Creator : la sortie standard ne peut pas être écrite (sortie fermée par le programme "
            "qui la lisait).\n");

  // With standard error lost as well, the exit code alone tells.
  const auto both = tree.Run({"--version"}, {.out = cli_test::Sink::FullDevice, .err = cli_test::Sink::FullDevice});
  EXPECT_EQ(both.exitCode, 3);
  const auto errOnly = tree.Run({"--bogus"}, {.err = cli_test::Sink::ClosedPipe});
  EXPECT_EQ(errOnly.exitCode, 3);
}

TEST(ProgramTest, AnUnreadableLanguageFolderGivesItsCauseAndPathInFrench) {
  ProgramTree tree;
  tree.Remove(kLanguages);
  std::filesystem::create_directory_symlink("Language Files", tree.Path(kLanguages));  // a loop
  const auto run = tree.Run({"--list-languages"});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.err, "Erreur : le dossier d'installation de Zantrel Velquist ne peut pas être lu (trop de liens : " +
                         tree.Root() + "/" + kLanguages + "/).\n");
}

TEST(ProgramTest, RunsForTheSameKitAtOnceNeverMixTheirFiles) {
  ProgramTree tree;
  tree.Write(std::string(kLanguages) + "/Anglais.lng", "en");
  const std::string french = tree.Read(std::string(kLanguages) + "/Français.lng");
  for (int round = 0; round < 3; ++round) {
    std::vector<pid_t> runs;
    for (int i = 0; i < 8; ++i) {
      const std::string version = std::to_string(i);
      runs.push_back(tree.Start({"--name", "Mon Programme", "--program-version", version, "--address",
                                 "https://x/" + version, "--language", i % 2 ? "Anglais" : "Français", "--replace"}));
    }
    for (pid_t run : runs) EXPECT_EQ(tree.Wait(run).exitCode, 0);
    // Every file of the kit from the run that wrote the version file.
    const std::string version = tree.Read(kKit + " - Update.ver").substr(4);
    EXPECT_EQ(tree.Read(kKit + " - Update.cfg"),
              "ADR https://x/" + version + "\r\nLOC \\Mon Programme - Update.ver\r\nTIT Mon Programme");
    EXPECT_EQ(tree.Read(kKit + " - Update.lng"), std::stoi(version) % 2 ? "en" : french);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree.Path("Output/Mon Programme")), {}), 5);
  }
}

TEST(ProgramTest, ARunForAKitThatIsBeingWrittenSaysItWaitsAndWaits) {
  ProgramTree tree;
  ASSERT_EQ(tree.Run(KitArguments("Mon Programme", "1")).exitCode, 0);
  auto held = kit::RealSystem().LockKitFolder(tree.Path("Output/Mon Programme").string(), [] {});
  ASSERT_TRUE(held);

  auto arguments = KitArguments("Mon Programme", "2");
  arguments.push_back("--replace");
  const pid_t run = tree.Start(arguments);
  const std::string waiting =
      "Un autre programme crée en ce moment le système de mise à jour automatique pour \"Mon Programme\" : attente de "
      "la fin de sa création.\n";
  const std::string errFile = tree.Root() + "." + std::to_string(run) + ".err";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  const auto errSoFar = [&] {
    return std::filesystem::exists(errFile) ? testing_support::ReadFileBytes(errFile) : std::string();
  };
  while (errSoFar() != waiting && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(tree.Read(kKit + " - Update.ver"), "VER 1");

  (*held).reset();
  const auto finished = tree.Wait(run);
  EXPECT_EQ(finished.exitCode, 0);
  EXPECT_EQ(finished.err, waiting);
  EXPECT_EQ(tree.Read(kKit + " - Update.ver"), "VER 2");
}

class DisplayTest : public ::testing::TestWithParam<Display> {};

TEST_P(DisplayTest, HelpAndVersionOpenNoWindow) {
  ProgramTree tree;
  const auto version = tree.Run({"--version"}, {.display = GetParam()});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "Zantrel Velquist Creator 1.00\n");
  EXPECT_EQ(version.err, "");

  const auto help = tree.Run({"--help"}, {.display = GetParam()});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.starts_with("Utilisation :\n  zantrel-velquist-creator\n")) << help.out;
  EXPECT_NE(help.out.find("--list-languages"), std::string::npos);
  EXPECT_EQ(help.err, "");
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_P(DisplayTest, AnUnknownOptionPrintsOneLineOnStandardErrorAndExitsWithTwo) {
  ProgramTree tree;
  const auto run = tree.Run({"--bogus"}, {.display = GetParam()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Zantrel Velquist Creator : option inconnue : --bogus (voir zantrel-velquist-creator --help)\n");
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutDisplay, DisplayTest, ::testing::Values(Display::None, Display::Inherited),
                         [](const auto& info) { return info.param == Display::None ? "NoDisplay" : "Inherited"; });

}  // namespace
