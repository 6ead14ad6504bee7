// The Next button of the parameter page: checks, questions, the five kit
// files on disk and the page left open or closed, on the fake back end.
#include <gtest/gtest.h>

#include <filesystem>

#include "generation/messages.h"
#include "kit/ansi_encoding.h"
#include "kit/entry_rules.h"
#include "wizard_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::kEntryFlags;
using testing_support::kErrorFlags;
using testing_support::kFinishedCaption;
using testing_support::kLanguages;
using testing_support::kParametersCaption;
using testing_support::kQuestionFlags;
using ui::ControlId;

const std::string kAddress = "https://www.example.com/monprog.maj";
const std::string kKit = "Output/Mon Programme/";

std::string FatalMessage(const std::string& name) {
  return "Une erreur s'est produite :\r\n\r\nEchec lors de la création du système de mise à jour automatique pour \"" +
         name +
         "\".\r\n\r\n\r\nVeuillez redémarrer votre ordinateur et réessayer.\r\nZantrel Velquist Creator va "
         "maintenant se fermer.";
}

std::string KitFile(const std::string& name, const std::string& suffix) {
  return "Output/" + name + "/" + name + suffix;
}

class GenerationTest : public testing_support::WizardTest {
 protected:
  void SetUp() override { OpenParameterPage(); }

  // Presses Next with these entries, put into the fields unfiltered.
  void Generate(const std::string& name, const std::string& version = "1.0.0.0",
                const std::string& address = kAddress) {
    Fill(name, version, address);
    Window().Click(ControlId::Command2);
  }

  // The page is still open after one information message.
  void ExpectRefused(const std::string& message, ControlId focus) {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].prompt, message);
    EXPECT_EQ(platform.messages[0].flags, kEntryFlags);
    ASSERT_EQ(Window().Caption(), kParametersCaption);
    EXPECT_EQ(Window().Focus(), focus);
  }

  void ExpectEndedWith(const std::string& message) {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].prompt, message);
    EXPECT_EQ(platform.messages[0].flags, kErrorFlags);
    EXPECT_TRUE(Ended());
  }

  void ExpectCompleteKit(const std::string& name, const std::string& version, const std::string& address) {
    EXPECT_EQ(tree.Read(KitFile(name, " - Update.exe")), tree.Read(testing_support::kUpdater));
    EXPECT_EQ(tree.Read(KitFile(name, " - Update.exe.manifest")), tree.Read(testing_support::kManifest));
    EXPECT_EQ(tree.Read(KitFile(name, " - Update.lng")), tree.Read(std::string(kLanguages) + "/Français.lng"));
    EXPECT_EQ(tree.Read(KitFile(name, " - Update.cfg")),
              "ADR " + address + "\r\nLOC \\" + name + " - Update.ver\r\nTIT " + name);
    EXPECT_EQ(tree.Read(KitFile(name, " - Update.ver")), "VER " + version);
  }
};

TEST_F(GenerationTest, BuildsTheWorkedExampleAndOpensTheCompletionPage) {
  Generate("Mon Programme");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Window().Caption(), kFinishedCaption);
  ExpectCompleteKit("Mon Programme", "1.0.0.0", kAddress);
  EXPECT_EQ(tree.Read(KitFile("Mon Programme", " - Update.ver")), "\x56\x45\x52\x20\x31\x2E\x30\x2E\x30\x2E\x30");
  EXPECT_EQ(tree.Read(KitFile("Mon Programme", " - Update.cfg")).size(), 56 + kAddress.size());
  EXPECT_EQ(tree.Listing(),
            "Output/\n"
            "Output/Mon Programme/\n"
            "Output/Mon Programme/Mon Programme - Update.cfg\n"
            "Output/Mon Programme/Mon Programme - Update.exe\n"
            "Output/Mon Programme/Mon Programme - Update.exe.manifest\n"
            "Output/Mon Programme/Mon Programme - Update.lng\n"
            "Output/Mon Programme/Mon Programme - Update.ver\n"
            "Redistributable/\n"
            "Redistributable/Language Files/\n"
            "Redistributable/Language Files/Français.lng\n"
            "Redistributable/Program/\n"
            "Redistributable/Program/Zantrel Velquist.exe\n"
            "Redistributable/Program/Zantrel Velquist.exe.manifest\n");
}

TEST_F(GenerationTest, AccentedNamesAreWrittenInTheWindowsCodePage) {
  Generate("Éditeur", "2.1");
  ASSERT_EQ(Window().Caption(), kFinishedCaption);
  EXPECT_EQ(tree.Read(KitFile("Éditeur", " - Update.cfg")),
            "ADR " + kAddress + "\r\nLOC \\\xC9" "diteur - Update.ver\r\nTIT \xC9" "diteur");
}

TEST_F(GenerationTest, EntriesAreTrimmedAndOnlyTheFirstEmptyOneIsReported) {
  Generate("   ", "  1.0  ", "  x  ");
  ExpectRefused("Veuillez saisir le nom du programme à mettre à jour.", ControlId::Text1);
  EXPECT_EQ(Window().Text(ControlId::Text1), "");
  EXPECT_EQ(Window().Text(ControlId::Text2), "1.0");
  EXPECT_EQ(Window().Text(ControlId::Text3), "x");
  EXPECT_FALSE(tree.Exists("Output"));

  platform.messages.clear();
  Generate("", "", "");
  ExpectRefused("Veuillez saisir le nom du programme à mettre à jour.", ControlId::Text1);
}

TEST_F(GenerationTest, AMissingVersionOrAddressIsReportedOnItsField) {
  Generate("  Mon Programme ", " ", kAddress);
  ExpectRefused("Veuillez saisir la version du programme à mettre à jour.", ControlId::Text2);
  EXPECT_EQ(Window().Text(ControlId::Text1), "Mon Programme");

  platform.messages.clear();
  Generate("Mon Programme", "1", "");
  ExpectRefused("Veuillez saisir l'adresse du fichier d'informations de mise à jour.", ControlId::Text3);
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(GenerationTest, ALanguageRemovedAfterSetUpSelectsTheFirstEntryAgain) {
  tree.Write(std::string(kLanguages) + "/Anglais.lng", "en");
  Window().Click(ControlId::Command3);
  Window().Click(ControlId::Command2);
  const auto items = Window().Items(ControlId::Combo1);
  ASSERT_EQ(items.size(), 2u);
  Window().SetListIndex(ControlId::Combo1, 1);
  tree.Remove(std::string(kLanguages) + "/" + items[1] + ".lng");

  Generate("Mon Programme");
  ExpectRefused("Veuillez sélectionner la langue pour le système de mise à jour automatique.", ControlId::Combo1);
  EXPECT_EQ(Window().ListIndex(ControlId::Combo1), 0);
  EXPECT_EQ(Window().Text(ControlId::Combo1), items[0]);
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(GenerationTest, ALanguageTypedAsAPathIsAMissingLanguage) {
  tree.Write("Output/secret.lng", "outside the language directory");
  for (const std::string entry : {"../../Output/secret", "..", ".", "/etc/passwd"}) {
    platform.messages.clear();
    Window().SetText(ControlId::Combo1, entry);
    Generate("Mon Programme");
    ExpectRefused("Veuillez sélectionner la langue pour le système de mise à jour automatique.", ControlId::Combo1);
    EXPECT_EQ(Window().Text(ControlId::Combo1), "Français");
  }
  EXPECT_FALSE(tree.Exists(kKit));
}

// A language too long for a file name (from 252 bytes on, with ".lng") or
// longer than any path names no language file, like any unknown language.
TEST_F(GenerationTest, ALanguageTooLongForAFileNameIsAMissingLanguage) {
  for (const std::string& entry : {std::string(252, 'a'), std::string(300, 'e'), std::string(5000, 'o'),
                                  std::string("Fran\0çais", 10)}) {
    platform.messages.clear();
    Window().SetText(ControlId::Combo1, entry);
    Generate("Mon Programme");
    ExpectRefused("Veuillez sélectionner la langue pour le système de mise à jour automatique.", ControlId::Combo1);
    EXPECT_EQ(Window().Text(ControlId::Combo1), "Français");
  }
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(GenerationTest, AMissingUpdaterOrManifestEndsTheApplicationBeforeAnyFolderIsMade) {
  tree.Remove(testing_support::kUpdater);
  Generate("Mon Programme");
  ExpectEndedWith(
      "Erreur :\r\n\r\nL'exécutable redistribuable de Zantrel Velquist est introuvable.\r\n\r\n\r\n"
      "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.");
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(GenerationTest, AMissingManifestEndsTheApplication) {
  tree.Remove(testing_support::kManifest);
  Generate("Mon Programme");
  ExpectEndedWith(
      "Erreur :\r\n\r\nLe fichier manifest redistribuable de Zantrel Velquist est introuvable.\r\n\r\n\r\n"
      "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.");
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(GenerationTest, AnExistingKitIsReplacedOnlyAfterYes) {
  Generate("Mon Programme");
  ASSERT_EQ(Window().Caption(), kFinishedCaption);
  Window().Click(ControlId::Command3);
  Window().Click(ControlId::Command2);
  tree.Write(KitFile("Mon Programme", " - Update.ver"), "VER 0.9 from an older kit");
  const std::string before = tree.Listing();

  // No: nothing changes, the page stays with its trimmed entries.
  platform.answers.push_back(ui::Answer::No);
  Window().SetFocus(ControlId::Text3);
  Generate(" Mon Programme ", "2.0");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt,
            "Un système de mise à jour automatique pour \"Mon Programme\" existe déjà. Voulez-vous le remplacer ?");
  EXPECT_EQ(platform.messages[0].flags, kQuestionFlags);
  EXPECT_EQ(Window().Caption(), kParametersCaption);
  EXPECT_EQ(Window().Focus(), ControlId::Text3);
  EXPECT_EQ(Window().Text(ControlId::Text1), "Mon Programme");
  EXPECT_EQ(tree.Listing(), before);
  EXPECT_EQ(tree.Read(KitFile("Mon Programme", " - Update.ver")), "VER 0.9 from an older kit");

  // Each press asks again; Yes rewrites the five files.
  platform.answers.push_back(ui::Answer::Yes);
  Window().Click(ControlId::Command2);
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(Window().Caption(), kFinishedCaption);
  ExpectCompleteKit("Mon Programme", "2.0", kAddress);
}

TEST_F(GenerationTest, AKitFolderWithoutTheUpdaterCopyIsWrittenWithoutAQuestion) {
  tree.Write(KitFile("Mon Programme", " - Update.cfg"), "an older configuration, longer than the new one........");
  tree.Write("Output/Mon Programme/notes.txt", "the user's own file");
  Generate("Mon Programme");
  EXPECT_TRUE(platform.messages.empty());
  ExpectCompleteKit("Mon Programme", "1.0.0.0", kAddress);
  EXPECT_EQ(tree.Read("Output/Mon Programme/notes.txt"), "the user's own file");
}

TEST_F(GenerationTest, ADestinationThatCannotBeMadeIsAFatalFailure) {
  tree.Write("Output", "a file where the Output folder should be");
  Generate("Mon Programme");
  ExpectEndedWith(FatalMessage("Mon Programme"));
  EXPECT_EQ(tree.Read("Output"), "a file where the Output folder should be");
}

TEST_F(GenerationTest, AFailedLanguageCopyKeepsTheEarlierFilesAndWritesNoLaterOne) {
  fs::create_directories(tree.Path(KitFile("Mon Programme", " - Update.lng")));
  Generate("Mon Programme");
  ExpectEndedWith(FatalMessage("Mon Programme"));
  EXPECT_EQ(tree.Read(KitFile("Mon Programme", " - Update.exe")), tree.Read(testing_support::kUpdater));
  EXPECT_EQ(tree.Read(KitFile("Mon Programme", " - Update.exe.manifest")), tree.Read(testing_support::kManifest));
  EXPECT_FALSE(tree.Exists(KitFile("Mon Programme", " - Update.cfg")));
  EXPECT_FALSE(tree.Exists(KitFile("Mon Programme", " - Update.ver")));
}

// Names, versions and addresses that reach the fields without being typed.
class PastedEntryTest : public GenerationTest {
 protected:
  // The entry is refused on its field and nothing at all is written.
  void ExpectRefusedUntouched(const std::string& message, ControlId focus) {
    const std::string before = tree.Listing();
    ExpectRefused(message, focus);
    EXPECT_EQ(tree.Listing(), before);
    EXPECT_FALSE(tree.Exists("Output"));
    EXPECT_FALSE(fs::exists(fs::path(tree.Root()).parent_path() / "Mon Programme - Update.exe"));
  }
};

const std::string kRefusedCharacters =
    "Le nom du programme à mettre à jour ne peut contenir aucun des caractères suivants :\r\n\r\n"
    "\\ / : * ? \" < > |";

// Which names each rule refuses is the rules' own test (entry_rules_test);
// here, one name per message: its text, its field, and nothing written.
TEST_F(PastedEntryTest, NamesThatLeaveTheOutputFolderAreRefused) {
  Generate("../Mon Programme");
  ExpectRefusedUntouched(kRefusedCharacters, ControlId::Text1);
}

TEST_F(PastedEntryTest, NamesThatCannotBeAFolderAreRefused) {
  const std::string dots = "Le nom du programme à mettre à jour ne peut pas être \".\" ni \"..\".";
  const std::string control =
      "Le nom du programme à mettre à jour ne peut contenir ni saut de ligne ni caractère de contrôle.";
  const std::string tooLong =
      "Le nom du programme à mettre à jour est trop long pour servir de nom de dossier et de fichier.";
  const std::pair<std::string, std::string> cases[] = {
      {"..", dots}, {"Mon\r\nProgramme", control}, {std::string(234, 'a'), tooLong}};
  for (const auto& [name, message] : cases) {
    platform.messages.clear();
    Generate(name);
    ExpectRefusedUntouched(message, ControlId::Text1);
  }
}

// A name beginning with a point would be a hidden folder on Linux only.
TEST_F(PastedEntryTest, ALeadingPointIsRefusedOnLinuxOnly) {
  Generate(".cache");
  if (kit::kNativeFolderNameRules == kit::FolderNameRules::Posix) {
    ExpectRefusedUntouched("Le nom du programme à mettre à jour ne peut pas commencer par un point.", ControlId::Text1);
  } else {
    EXPECT_TRUE(platform.messages.empty());
    ExpectCompleteKit(".cache", "1.0.0.0", kAddress);
  }
}

// The longest kit file, name + " - Update.exe.manifest", fits a name of 255
// bytes on Linux; on Windows its whole path fits 259 characters.
TEST_F(PastedEntryTest, TheLongestNameThatFitsIsAccepted) {
  const std::size_t suffix = std::string(" - Update.exe.manifest").size();
  const std::size_t destination = Window().Text(ControlId::Text4).size();
  const std::string name(kit::kNativeFolderNameRules == kit::FolderNameRules::Posix
                             ? 255 - suffix
                             : (259 - destination - 1 - suffix) / 2,
                         'a');
  Generate(name);
  EXPECT_TRUE(platform.messages.empty());
  ExpectCompleteKit(name, "1.0.0.0", kAddress);
}

TEST_F(PastedEntryTest, LineBreaksInTheVersionOrAddressAreRefusedOnTheirField) {
  Generate("Mon Programme", "1.0\r\nADR http://ailleurs", kAddress);
  ExpectRefusedUntouched(
      "La version du programme à mettre à jour ne peut contenir ni saut de ligne ni caractère de contrôle.",
      ControlId::Text2);

  platform.messages.clear();
  Generate("Mon Programme", "1.0", kAddress + "\nTIT autre");
  ExpectRefusedUntouched(
      "L'adresse du fichier d'informations de mise à jour ne peut contenir ni saut de ligne ni caractère de "
      "contrôle.",
      ControlId::Text3);
}

// How the refusal names the code page of the kit files: Western European
// Windows-1252 on Linux and on most Windows systems in French; on Windows,
// whatever the system uses.
std::string AcceptedCharacters(unsigned codePage) {
  if (codePage == 1252) return "Seuls les caractères d'Europe occidentale (jeu de caractères Windows-1252) sont acceptés.";
  if (codePage == 1250) return "Seuls les caractères du jeu de caractères Windows-1250 sont acceptés.";
  ADD_FAILURE() << "no message written out for code page " << codePage;
  return {};
}

TEST(UnwritableCharacterMessage, NamesTheCodePageInUse) {
  for (unsigned codePage : {1252u, 1250u})
    EXPECT_EQ(generation::messages::UnwritableCharacterInField("La version du programme à mettre à jour", "日", codePage),
              "La version du programme à mettre à jour contient un caractère que le système de mise à jour "
              "automatique ne peut pas enregistrer : \"日\".\r\n\r\n" + AcceptedCharacters(codePage));
}

TEST_F(PastedEntryTest, CharactersTheCodePageCannotHoldAreRefusedOnTheirField) {
  const auto unwritable = [](const std::string& subject, const std::string& character) {
    return subject + " contient un caractère que le système de mise à jour automatique ne peut pas enregistrer : \"" +
           character + "\".\r\n\r\n" + AcceptedCharacters(kit::AnsiCodePage());
  };
  Generate("Programme 日本");
  ExpectRefusedUntouched(unwritable("Le nom du programme à mettre à jour", "日"), ControlId::Text1);

  platform.messages.clear();
  Generate("Mon Programme", "1.0ā");
  ExpectRefusedUntouched(unwritable("La version du programme à mettre à jour", "ā"), ControlId::Text2);

  platform.messages.clear();
  Generate("Mon Programme", "1.0", "https://example.com/→");
  ExpectRefusedUntouched(unwritable("L'adresse du fichier d'informations de mise à jour", "→"), ControlId::Text3);
}

// The names Windows takes for devices or shortens: refused where the kit is
// written on Windows, ordinary names on Linux.
TEST_F(PastedEntryTest, WindowsDeviceNamesAndTrailingPointsAreRefusedOnWindowsOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"CON", "Le nom du programme à mettre à jour est un nom réservé par Windows (CON, PRN, AUX, NUL, COM1 à COM9, "
              "LPT1 à LPT9)."},
      {"Mon Programme.", "Le nom du programme à mettre à jour ne peut pas se terminer par un point."}};
  for (const auto& [name, message] : cases) {
    platform.messages.clear();
    Generate(name);
    if (kit::kNativeFolderNameRules == kit::FolderNameRules::Windows) {
      ExpectRefusedUntouched(message, ControlId::Text1);
    } else {
      EXPECT_TRUE(platform.messages.empty()) << name;
      ExpectCompleteKit(name, "1.0.0.0", kAddress);
      Window().Click(ControlId::Command3);  // New
      Window().Click(ControlId::Command2);
    }
  }
}

TEST_F(PastedEntryTest, AVersionOfAnythingButDigitsAndPointsIsRefused) {
  Generate("Mon Programme", "1.0bx-e");
  ExpectRefusedUntouched("La version du programme à mettre à jour ne peut contenir que des chiffres et des points.",
                         ControlId::Text2);
}

TEST_F(PastedEntryTest, VersionsOfDigitsAndPointsAreAcceptedAsTheyAre) {
  for (const std::string version : {".", "1..2"}) {
    Generate(version == "." ? "Point" : "Version " + version, version);
    EXPECT_TRUE(platform.messages.empty()) << version;
    ASSERT_EQ(Window().Caption(), kFinishedCaption);
    Window().Click(ControlId::Command3);  // New: back to the welcome page
    Window().Click(ControlId::Command2);
  }
  EXPECT_EQ(tree.Read(KitFile("Point", " - Update.ver")), "VER .");
  EXPECT_EQ(tree.Read(KitFile("Version 1..2", " - Update.ver")), "VER 1..2");
}

TEST_F(PastedEntryTest, TheNameIsCheckedBeforeTheVersionAndTheAddress) {
  Generate("a/b", "1\n", "x\n");
  ExpectRefusedUntouched(kRefusedCharacters, ControlId::Text1);
}

TEST_F(PastedEntryTest, WesternCharactersOutsideAsciiAreAccepted) {
  Generate("Œuvre – édition", "1.0", "https://exemple.fr/mise-à-jour€.maj");
  ASSERT_EQ(Window().Caption(), kFinishedCaption);
  EXPECT_EQ(tree.Read(KitFile("Œuvre – édition", " - Update.cfg")),
            "ADR https://exemple.fr/mise-\xE0-jour\x80.maj\r\nLOC \\\x8Cuvre \x96 \xE9" "dition - Update.ver\r\nTIT "
            "\x8Cuvre \x96 \xE9" "dition");
}

}  // namespace
