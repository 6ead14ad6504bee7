#!/usr/bin/env python3
"""Writes the updater's stand-in language files into redistributable/Language Files/.

    python3 tools/make_language_files.py

Each file is INI-like text in Windows-1252 (the ANSI code page of the Windows
systems the updater runs on) with CR LF line ends and no byte-order mark: a
[Langue] section with the language's name and code, then [Messages] with the
keyed messages the updater shows. The keys are the same in every file. The
output is the same bytes at every run.
"""

import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "redistributable", "Language Files")

KEYS = [
    "Titre",
    "Recherche",
    "NouvelleVersion",
    "QuestionInstaller",
    "Telechargement",
    "Verification",
    "Installation",
    "Termine",
    "AJour",
    "Erreur",
    "ErreurConnexion",
    "ErreurTelechargement",
    "Redemarrage",
    "BoutonOui",
    "BoutonNon",
    "BoutonAnnuler",
    "BoutonFermer",
]

LANGUAGES = {
    "Français.lng": {
        "comment": "Fichier de langue du logiciel de mise à jour Zantrel Velquist (français)",
        "name": "Français",
        "code": "fr",
        "messages": {
            "Titre": "Zantrel Velquist - Mise à jour",
            "Recherche": "Recherche de mises à jour en cours...",
            "NouvelleVersion": "Une nouvelle version (%s) est disponible.",
            "QuestionInstaller": "Voulez-vous la télécharger et l'installer maintenant ?",
            "Telechargement": "Téléchargement de la mise à jour... %d %%",
            "Verification": "Vérification du fichier téléchargé...",
            "Installation": "Installation de la mise à jour...",
            "Termine": "La mise à jour a été installée avec succès.",
            "AJour": "Votre programme est à jour.",
            "Erreur": "Une erreur s'est produite : %s",
            "ErreurConnexion": "Impossible de joindre le serveur des mises à jour. Vérifiez votre connexion.",
            "ErreurTelechargement": "Le téléchargement a échoué. Réessayez plus tard.",
            "Redemarrage": "Le programme doit être redémarré pour terminer la mise à jour.",
            "BoutonOui": "&Oui",
            "BoutonNon": "&Non",
            "BoutonAnnuler": "Annuler",
            "BoutonFermer": "&Fermer",
        },
    },
    "Anglais.lng": {
        "comment": "Language file of the Zantrel Velquist updater (English)",
        "name": "English",
        "code": "en",
        "messages": {
            "Titre": "Zantrel Velquist - Update",
            "Recherche": "Checking for updates...",
            "NouvelleVersion": "A new version (%s) is available.",
            "QuestionInstaller": "Do you want to download and install it now?",
            "Telechargement": "Downloading the update... %d %%",
            "Verification": "Verifying the downloaded file...",
            "Installation": "Installing the update...",
            "Termine": "The update was installed successfully.",
            "AJour": "Your program is up to date.",
            "Erreur": "An error occurred: %s",
            "ErreurConnexion": "Cannot reach the update server. Please check your connection.",
            "ErreurTelechargement": "The download failed. Please try again later.",
            "Redemarrage": "The program must be restarted to finish the update.",
            "BoutonOui": "&Yes",
            "BoutonNon": "&No",
            "BoutonAnnuler": "Cancel",
            "BoutonFermer": "&Close",
        },
    },
}


def render(lang):
    lines = ["; " + lang["comment"], "", "[Langue]",
             "Nom=" + lang["name"], "Code=" + lang["code"], "", "[Messages]"]
    assert sorted(lang["messages"]) == sorted(KEYS)
    for key in KEYS:
        lines.append("%s=%s" % (key, lang["messages"][key]))
    text = "\r\n".join(lines) + "\r\n"
    # strict: a character outside Windows-1252 is an error, never replaced.
    return text.encode("cp1252", errors="strict")


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    for file_name, lang in LANGUAGES.items():
        data = render(lang)
        path = os.path.join(OUT_DIR, file_name)
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (os.path.relpath(path, ROOT), len(data)))


if __name__ == "__main__":
    main()
