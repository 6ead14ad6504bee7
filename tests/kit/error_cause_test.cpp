// The French causes of system errors: the same words for an errno value on
// every system, and the number for a cause with no words of its own.
#include <gtest/gtest.h>

#include "kit/error_cause.h"

namespace {

TEST(ErrorCauseTest, NamesEachCauseInFrenchAndNumbersTheRest) {
  const std::pair<std::errc, const char*> causes[] = {
      {std::errc::permission_denied, "accès refusé"},
      {std::errc::no_such_file_or_directory, "fichier ou dossier introuvable"},
      {std::errc::no_space_on_device, "plus de place sur le disque"},
      {std::errc::read_only_file_system, "disque en lecture seule"},
      {std::errc::too_many_links, "trop de liens"},
      {std::errc::filename_too_long, "nom trop long"},
      {std::errc::file_too_large, "fichier trop volumineux"},
      {std::errc::broken_pipe, "sortie fermée par le programme qui la lisait"},
  };
  for (const auto& [error, words] : causes) EXPECT_EQ(kit::CauseInFrench(std::make_error_code(error)), words);
  EXPECT_EQ(kit::CauseInFrench(std::error_code(12345, std::system_category())), "erreur du système n° 12345");
}

}  // namespace
