#include "kit/error_cause.h"

namespace kit {

ErrorCause CauseOfErrno(int value) {
  switch (static_cast<std::errc>(value)) {
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted: return ErrorCause::AccessDenied;
    case std::errc::no_such_file_or_directory:
    case std::errc::not_a_directory: return ErrorCause::NotFound;
    case std::errc::no_space_on_device: return ErrorCause::NoSpaceLeft;
    case std::errc::read_only_file_system: return ErrorCause::ReadOnly;
    case std::errc::too_many_links:
    case std::errc::too_many_symbolic_link_levels: return ErrorCause::TooManyLinks;
    case std::errc::filename_too_long: return ErrorCause::NameTooLong;
    case std::errc::file_too_large: return ErrorCause::FileTooLarge;
    case std::errc::broken_pipe: return ErrorCause::BrokenPipe;
    default: return ErrorCause::Other;
  }
}

ErrorCause CauseOf(const std::error_code& error) {
  if (error.category() == std::generic_category()) return CauseOfErrno(error.value());
  if (error.category() == std::system_category()) return CauseOfSystemCode(error.value());
  return ErrorCause::Other;
}

std::string CauseInFrench(const std::error_code& error) {
  switch (CauseOf(error)) {
    case ErrorCause::AccessDenied: return "accès refusé";
    case ErrorCause::NotFound: return "fichier ou dossier introuvable";
    case ErrorCause::NoSpaceLeft: return "plus de place sur le disque";
    case ErrorCause::ReadOnly: return "disque en lecture seule";
    case ErrorCause::TooManyLinks: return "trop de liens";
    case ErrorCause::NameTooLong: return "nom trop long";
    case ErrorCause::FileTooLarge: return "fichier trop volumineux";
    case ErrorCause::BrokenPipe: return "sortie fermée par le programme qui la lisait";
    case ErrorCause::Other: break;
  }
  return "erreur du système n° " + std::to_string(error.value());
}

}  // namespace kit
