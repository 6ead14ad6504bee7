// What a screen reader finds on each page, through QAccessible: the window's
// caption, each field named by its label, the pictures described, the
// buttons by their captions.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <map>
#include <string>

#include "pages/page_layouts.h"
#include "qt_test_support.h"
#include "ui/qt/qt_window.h"

namespace {

struct PageNames {
  const char* name;
  const ui::PageLayout& (*layout)();
  // Every control but the labels, which read their own text.
  std::map<std::string, QString> names;
};

const QString kLogo = QStringLiteral("Logo Zantrel : un globe dans un ciel étoilé");
const QString kPageIcon = QStringLiteral("Un écran relié à un globe");
const QString kSeparator = QStringLiteral("Ligne de séparation");

const PageNames kPages[] = {
    {"Welcome",
     pages::WelcomeWizardLayout,
     {{"Command2", "Suivant >"}, {"Command1", "Annuler"}, {"Command3", "< Précédent"},
      {"Image1", kLogo}, {"Image2", kPageIcon}, {"Image3", kSeparator}}},
    {"Parameters",
     pages::Step1WizardLayout,
     {{"Text1", "Nom du programme à mettre à jour"},
      {"Text2", "Version du programme à mettre à jour"},
      {"Text3", "Adresse du fichier d'informations de mise à jour"},
      {"Combo1", "Langue du système de mise à jour automatique"},
      {"Text4", "Répertoire de destination du système de mise à jour automatique"},
      {"Command2", "Suivant >"}, {"Command3", "< Précédent"}, {"Command1", "Annuler"},
      {"Image1", kLogo}, {"Image3", kSeparator}}},
    {"Finished",
     pages::WizardFinishedLayout,
     {{"Command2", "Terminer"}, {"Command1", "Annuler"}, {"Command3", "Nouveau"},
      {"Image1", kLogo}, {"Image2", kPageIcon}, {"Image3", kSeparator}}},
};

void PrintTo(const PageNames& page, std::ostream* out) { *out << page.name; }

QString AccessibleName(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

class AccessibilityTest : public ::testing::TestWithParam<PageNames> {
 protected:
  void SetUp() override {
    window = platform.OpenWindow(GetParam().layout(), events);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Page()));
  }
  void TearDown() override {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QWidget* Page() const { return static_cast<ui::qt::QtWindow&>(*window).TopLevel(); }
  QWidget* Widget(ui::ControlId id) const { return static_cast<ui::qt::QtWindow&>(*window).Widget(id); }

  qt_testing::RecordingQtPlatform platform;
  qt_testing::NoEvents events;
  std::unique_ptr<ui::Window> window;
};

TEST_P(AccessibilityTest, TheWindowIsAWindowNamedByItsCaption) {
  EXPECT_EQ(AccessibleName(Page()), QString::fromStdString(GetParam().layout().caption));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Page())->role(), QAccessible::Window);
}

TEST_P(AccessibilityTest, EveryControlHasItsName) {
  for (const auto& control : GetParam().layout().controls) {
    const std::string name(ui::ControlName(control.id));
    const QString expected = control.kind == ui::ControlKind::Label ? QString::fromStdString(control.text)
                                                                    : GetParam().names.at(name);
    EXPECT_EQ(AccessibleName(Widget(control.id)), expected) << name;
  }
}

TEST_P(AccessibilityTest, EachFieldIsLabelledByTheLabelAboveOrBesideIt) {
  for (const auto& control : GetParam().layout().controls) {
    if (!control.labelFor) continue;
    auto* label = qobject_cast<QLabel*>(Widget(control.id));
    ASSERT_NE(label, nullptr);
    QWidget* field = Widget(*control.labelFor);
    EXPECT_EQ(label->buddy(), field);
    // With a buddy, an "&" would become an access key the page does not have.
    EXPECT_FALSE(label->text().contains(QLatin1Char('&')));
    const auto relations = QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label);
    ASSERT_EQ(relations.size(), 1);
    EXPECT_EQ(relations.front().first->object(), label);
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, AccessibilityTest, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComboAccessibilityTest, TheComboBoxKeepsItsNameWhateverItsText) {
  qt_testing::RecordingQtPlatform platform;
  qt_testing::NoEvents events;
  auto window = platform.OpenWindow(pages::Step1WizardLayout(), events);
  window->AddItem(ui::ControlId::Combo1, "Français");
  window->SetListIndex(ui::ControlId::Combo1, 0);
  QWidget* combo = static_cast<ui::qt::QtWindow&>(*window).Widget(ui::ControlId::Combo1);
  EXPECT_EQ(AccessibleName(combo), QStringLiteral("Langue du système de mise à jour automatique"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Value), QStringLiteral("Français"));
  window.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
