#include "cli/usage.h"

namespace cli {

std::string VersionText() { return "Zantrel Velquist Creator 1.00"; }

std::string UsageErrorLine(const std::string& cause) {
  return "Zantrel Velquist Creator : " + cause + " (voir " + std::string(kProgramCall) + " --help)\n";
}

std::string HelpText() {
  const std::string program(kProgramCall);
  return "Utilisation :\n"
         "  " + program + "\n"
         "      ouvre l'assistant.\n"
         "  " + program + " --name NOM --program-version VERSION --address ADRESSE\n"
         "      [--language LANGUE] [--replace]\n"
         "      crée sans fenêtre le système de mise à jour automatique par Internet du\n"
         "      programme NOM dans le répertoire \"Output\" placé dans le dossier de\n"
         "      Zantrel Velquist, avec les règles du bouton \"Suivant\" de l'assistant,\n"
         "      puis affiche le chemin de son répertoire. Si le même système est en\n"
         "      cours de création ailleurs (assistant ou autre commande), attend\n"
         "      d'abord qu'elle se termine.\n"
         "  " + program + " --list-languages\n"
         "  " + program + " --help | -h | --version\n"
         "\n"
         "Options :\n"
         "  --name NOM                 nom du programme à mettre à jour\n"
         "  --program-version VERSION  version du programme à mettre à jour\n"
         "                             (exemples : 1000 ou 1.0.0.0)\n"
         "  --address ADRESSE          adresse du fichier d'informations de mise à jour\n"
         "  --language LANGUE          langue du système de mise à jour automatique ;\n"
         "                             par défaut la première de --list-languages\n"
         "  --replace                  remplace un système de mise à jour automatique\n"
         "                             existant du même nom (sans cette option, il est\n"
         "                             conservé)\n"
         "  --list-languages           affiche les langues disponibles, une par ligne,\n"
         "                             dans l'ordre où Windows les range sur NTFS\n"
         "                             (noms comparés en majuscules), quel que soit\n"
         "                             le système de fichiers\n"
         "  -h, --help                 affiche cette aide\n"
         "  --version                  affiche la version\n"
         "\n"
         "Codes de retour :\n"
         "  0  le système de mise à jour automatique a été créé\n"
         "  1  refusé : une saisie, un fichier d'installation manquant ou un système\n"
         "     de mise à jour automatique existant\n"
         "  2  ligne de commande incorrecte\n"
         "  3  échec lors de l'écriture du système de mise à jour automatique, ou\n"
         "     de la sortie standard ou d'erreur\n";
}

}  // namespace cli
