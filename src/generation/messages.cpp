#include "generation/messages.h"

namespace generation::messages {
namespace {

constexpr char kQuote = 34;

std::string Join(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

std::string Quoted(std::string_view text) { return kQuote + std::string(text) + kQuote; }

}  // namespace

std::string MissingRedistributable(std::string_view reason) {
  return Join({"Erreur :", kCrLf, kCrLf, reason, kCrLf, kCrLf, kCrLf,
               "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème."});
}

std::string RefusedNameCharacters() {
  return Join({"Le nom du programme à mettre à jour ne peut contenir aucun des caractères suivants :", kCrLf, kCrLf,
               "\\ / : * ? ", std::string(1, kQuote), " < > |"});
}

std::string ReplaceKitQuestion(std::string_view programName) {
  return Join({"Un système de mise à jour automatique pour ", Quoted(programName),
               " existe déjà. Voulez-vous le remplacer ?"});
}

std::string GenerationFailed(std::string_view programName) {
  return Join({"Une erreur s'est produite :", kCrLf, kCrLf,
               "Echec lors de la création du système de mise à jour automatique pour ", Quoted(programName), ".",
               kCrLf, kCrLf, kCrLf, "Veuillez redémarrer votre ordinateur et réessayer.", kCrLf,
               "Zantrel Velquist Creator va maintenant se fermer."});
}

std::string ControlCharacterInField(std::string_view fieldSubject) {
  return Join({fieldSubject, " ne peut contenir ni saut de ligne ni caractère de contrôle."});
}

std::string UnwritableCharacterInField(std::string_view fieldSubject, std::string_view character,
                                       unsigned codePage) {
  // Windows-1252 is the code page of Western Europe; any other is named alone.
  const std::string accepted = codePage == 1252
                                   ? "Seuls les caractères d'Europe occidentale (jeu de caractères Windows-1252) sont acceptés."
                                   : "Seuls les caractères du jeu de caractères " + kit::AnsiCodePageName(codePage) +
                                         " sont acceptés.";
  return Join({fieldSubject, " contient un caractère que le système de mise à jour automatique ne peut pas enregistrer : ",
               Quoted(character), ".", kCrLf, kCrLf, accepted});
}

}  // namespace generation::messages
