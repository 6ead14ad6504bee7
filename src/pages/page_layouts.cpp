#include "pages/page_layouts.h"

#include <utility>

namespace pages {
namespace {

using ui::ControlId;
using ui::ControlKind;
using ui::ControlLayout;
using ui::PageLayout;
using ui::Picture;

// The window is the same on every page; only its caption differs.
constexpr int kClientWidth = 7380;
constexpr int kClientHeight = 5025;

const char* const kHintNextOrCancel = "Cliquez sur \"Suivant\" pour continuer, ou sur \"Annuler\" pour quitter.";

ControlLayout Control(ControlId id, ControlKind kind, const char* text, int left, int top, int width, int height) {
  ControlLayout c;
  c.id = id;
  c.kind = kind;
  c.text = text;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

ControlLayout Button(ControlId id, const char* caption, int left, int tab, bool enabled = true) {
  ControlLayout c = Control(id, ControlKind::CommandButton, caption, left, 4560, 1215, 345);
  c.tabIndex = tab;
  c.enabled = enabled;
  return c;
}

ControlLayout Label(ControlId id, const char* text, int left, int top, int width, int height, int tab) {
  ControlLayout c = Control(id, ControlKind::Label, text, left, top, width, height);
  c.tabIndex = tab;
  return c;
}

ControlLayout TextBox(ControlId id, int left, int top, int width, int tab, const char* toolTip) {
  ControlLayout c = Control(id, ControlKind::TextBox, "", left, top, width, 285);
  c.tabIndex = tab;
  c.toolTip = toolTip;
  return c;
}

// A label that names the field beside or below it.
ControlLayout Caption(ControlId id, ControlId field, const char* text, int left, int top, int width, int tab) {
  ControlLayout c = Label(id, text, left, top, width, 255, tab);
  c.labelFor = field;
  return c;
}

ControlLayout Image(ControlId id, Picture picture, int left, int top, int width, int height) {
  ControlLayout c = Control(id, ControlKind::Image, "", left, top, width, height);
  c.picture = picture;
  switch (picture) {
    case Picture::Logo: c.description = "Logo Zantrel : un globe dans un ciel étoilé"; break;
    case Picture::PageIcon: c.description = "Un écran relié à un globe"; break;
    case Picture::Separator: c.description = "Ligne de séparation"; break;
    case Picture::None: break;
  }
  return c;
}

// The frame every page shares: the logo at the left and the etched line
// above the button row.
void AddFrame(PageLayout& page) {
  ControlLayout logo = Image(ControlId::Image1, Picture::Logo, 360, 120, 1980, 4260);
  logo.sunkenBorder = true;
  logo.toolTip = "Zantrel Logo";
  page.controls.push_back(std::move(logo));

  ControlLayout separator = Image(ControlId::Image3, Picture::Separator, 0, 4440, 7380, 30);
  separator.stretchPicture = true;
  page.controls.push_back(std::move(separator));
}

PageLayout MakeWelcome() {
  PageLayout page{"Zantrel Velquist Creator - Bienvenue...", kClientWidth, kClientHeight, {}};
  page.controls = {
      Button(ControlId::Command2, "&Suivant >", 4560, 0),
      Button(ControlId::Command1, "&Annuler", 5880, 1),
      Button(ControlId::Command3, "< &Précédent", 3240, 2, false),
      Label(ControlId::Label1,
            "Bienvenue dans l'assistant de création de systèmes de mise à jour automatiques par Internet. "
            "Cet assistant va vous aider à travers les étapes du processus de création",
            3120, 120, 4095, 615, 3),
      Label(ControlId::Label2, "d'un système de mise à jour automatique par Internet restantes.", 2520, 720, 4575,
            2895, 4),
      Label(ControlId::Label3, kHintNextOrCancel, 2520, 3960, 4575, 495, 5),
      Image(ControlId::Image2, Picture::PageIcon, 2520, 120, 480, 480),
  };
  AddFrame(page);
  return page;
}

PageLayout MakeStep1() {
  PageLayout page{"Zantrel Velquist Creator - Saisie des paramètres...", kClientWidth, kClientHeight, {}};
  ControlLayout combo = Control(ControlId::Combo1, ControlKind::ComboBox, "", 6000, 2040, 1215, 315);
  combo.tabIndex = 3;
  ControlLayout destination =
      TextBox(ControlId::Text4, 2520, 2760, 4695, 4,
              "Indique le répertoire dans lequel sera créé le dossier qui contiendra votre système de mise à jour "
              "automatique par Internet.");
  destination.readOnly = true;
  page.controls = {
      TextBox(ControlId::Text1, 2520, 360, 4695, 0, "Exemple : Mon Programme"),
      TextBox(ControlId::Text2, 5280, 840, 1935, 1, "Exemples : 1000 ou 1.0.0.0"),
      TextBox(ControlId::Text3, 2520, 1560, 4695, 2, "Exemple : https://www.example.com/monprog.maj"),
      combo,
      destination,
      Button(ControlId::Command2, "&Suivant >", 4560, 5),
      Button(ControlId::Command3, "< &Précédent", 3240, 6),
      Button(ControlId::Command1, "&Annuler", 5880, 7),
      Label(ControlId::Label1, kHintNextOrCancel, 2520, 3960, 4575, 495, 8),
      Caption(ControlId::Label2, ControlId::Text1, "Nom du programme à mettre à jour :", 2520, 120, 2535, 9),
      Caption(ControlId::Label3, ControlId::Text2, "Version du programme à mettre à jour :", 2520, 865, 2775, 10),
      Caption(ControlId::Label4, ControlId::Text3, "Adresse du fichier d'informations de mise à jour :", 2520, 1320,
              3375, 11),
      Caption(ControlId::Label5, ControlId::Combo1, "Langue du système de mise à jour automatique :", 2520, 2065,
              3495, 12),
      Caption(ControlId::Label6, ControlId::Text4, "Répertoire de destination du système de mise à jour automatique :",
              2520, 2520, 4695, 13),
  };
  AddFrame(page);
  return page;
}

PageLayout MakeFinished() {
  PageLayout page{"Zantrel Velquist Creator - Opération terminée...", kClientWidth, kClientHeight, {}};
  page.controls = {
      Button(ControlId::Command2, "&Terminer", 4560, 0),
      Button(ControlId::Command1, "&Annuler", 5880, 1, false),
      Button(ControlId::Command3, "&Nouveau", 3240, 2),
      Label(ControlId::Label1, "Votre système de mise à jour automatique par Internet a été créé avec succès.", 3120,
            120, 4095, 615, 3),
      Label(ControlId::Label2,
            "Il ne vous reste plus qu'à copier le contenu du répertoire portant le nom de votre programme dans le "
            "dossier de votre logiciel. Celui-ci se trouve dans le répertoire \"Output\" placé dans le dossier de "
            "Zantrel Velquist.",
            2520, 720, 4575, 2895, 4),
      Label(ControlId::Label3,
            "Cliquez sur \"Terminer\" pour quitter, ou sur \"Nouveau\" pour créer un autre système de mise à jour "
            "automatique par Internet.",
            2520, 3960, 4575, 495, 5),
      Image(ControlId::Image2, Picture::PageIcon, 2520, 120, 480, 480),
  };
  AddFrame(page);
  return page;
}

}  // namespace

const PageLayout& WelcomeWizardLayout() {
  static const PageLayout layout = MakeWelcome();
  return layout;
}

const PageLayout& Step1WizardLayout() {
  static const PageLayout layout = MakeStep1();
  return layout;
}

const PageLayout& WizardFinishedLayout() {
  static const PageLayout layout = MakeFinished();
  return layout;
}

}  // namespace pages
