// The texts the wizard and the command line show about the entries, the
// install tree and the kit. Lines are joined by CR LF, with none after the
// last.
#pragma once

#include <string>
#include <string_view>

#include "kit/ansi_encoding.h"

namespace generation::messages {

inline constexpr std::string_view kCrLf = "\r\n";

inline constexpr const char* kNoLanguageFile = "Aucun fichier de langue n'a été trouvé.";
inline constexpr const char* kUpdaterMissing = "L'exécutable redistribuable de Zantrel Velquist est introuvable.";
inline constexpr const char* kManifestMissing =
    "Le fichier manifest redistribuable de Zantrel Velquist est introuvable.";

inline constexpr const char* kNameMissing = "Veuillez saisir le nom du programme à mettre à jour.";
inline constexpr const char* kVersionMissing = "Veuillez saisir la version du programme à mettre à jour.";
inline constexpr const char* kAddressMissing = "Veuillez saisir l'adresse du fichier d'informations de mise à jour.";
inline constexpr const char* kLanguageMissing =
    "Veuillez sélectionner la langue pour le système de mise à jour automatique.";

// "Erreur :", the reason, and the advice to reinstall.
std::string MissingRedistributable(std::string_view reason);
// The nine characters a program name cannot hold.
std::string RefusedNameCharacters();
// Asked before a kit of that name is replaced.
std::string ReplaceKitQuestion(std::string_view programName);
// Building the kit failed; the application closes.
std::string GenerationFailed(std::string_view programName);

// Names that cannot name the kit's folder and files.
inline constexpr const char* kNameIsDots =
    "Le nom du programme à mettre à jour ne peut pas être \".\" ni \"..\".";
inline constexpr const char* kNameStartsWithPoint =
    "Le nom du programme à mettre à jour ne peut pas commencer par un point.";
inline constexpr const char* kNameTooLong =
    "Le nom du programme à mettre à jour est trop long pour servir de nom de dossier et de fichier.";
inline constexpr const char* kNameReserved =
    "Le nom du programme à mettre à jour est un nom réservé par Windows (CON, PRN, AUX, NUL, COM1 à COM9, LPT1 à "
    "LPT9).";
inline constexpr const char* kNameEndsWithPoint =
    "Le nom du programme à mettre à jour ne peut pas se terminer par un point.";

inline constexpr const char* kVersionDigitsAndPointsOnly =
    "La version du programme à mettre à jour ne peut contenir que des chiffres et des points.";

// A line break or another control character in the version or the address.
std::string ControlCharacterInField(std::string_view fieldSubject);
// A character the kit's files cannot hold, naming their code page.
std::string UnwritableCharacterInField(std::string_view fieldSubject, std::string_view character,
                                       unsigned codePage = kit::AnsiCodePage());

// How the messages above name each field.
inline constexpr const char* kNameSubject = "Le nom du programme à mettre à jour";
inline constexpr const char* kVersionSubject = "La version du programme à mettre à jour";
inline constexpr const char* kAddressSubject = "L'adresse du fichier d'informations de mise à jour";

}  // namespace generation::messages
