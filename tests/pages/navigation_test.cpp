// The wizard's flow through its three pages, on the fake back end.
#include <gtest/gtest.h>

#include "pages/step1_wizard.h"
#include "wizard_fixture.h"

namespace {

using testing_support::kFinishedCaption;
using testing_support::kParametersCaption;
using testing_support::kWelcomeCaption;
using ui::ControlId;

class NavigationTest : public testing_support::WizardTest {
 protected:
  // A whole successful run, from the welcome page to the completion page.
  void RunToCompletion() {
    OpenParameterPage();
    Fill("Mon Programme", "1.0.0.0", "https://www.example.com/monprog.maj");
    Window().Click(ControlId::Command2);
    ASSERT_EQ(Window().Caption(), kFinishedCaption);
  }
};

TEST_F(NavigationTest, StartsOnTheWelcomePageWithTheFocusOnNext) {
  wizard.Start();
  EXPECT_EQ(Window().Caption(), kWelcomeCaption);
  EXPECT_EQ(Window().Focus(), ControlId::Command2);
  EXPECT_EQ(platform.quits, 0);
}

TEST_F(NavigationTest, ButtonsLeadWhereTheTableSays) {
  OpenParameterPage();
  EXPECT_EQ(Window().Caption(), kParametersCaption);
  EXPECT_EQ(Window().Focus(), ControlId::Text1);

  Window().Click(ControlId::Command3);  // Back
  EXPECT_EQ(Window().Caption(), kWelcomeCaption);
  Window().Click(ControlId::Command2);
  EXPECT_EQ(Window().Caption(), kParametersCaption);

  Fill("Mon Programme", "1.0.0.0", "https://www.example.com/monprog.maj");
  Window().Click(ControlId::Command2);
  EXPECT_EQ(Window().Caption(), kFinishedCaption);
  EXPECT_EQ(Window().Focus(), ControlId::Command2);

  Window().Click(ControlId::Command3);  // New
  EXPECT_EQ(Window().Caption(), kWelcomeCaption);
  EXPECT_EQ(platform.quits, 0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NavigationTest, EachWayOutEndsTheApplicationSilently) {
  const auto endsWith = [&](auto&& leave) {
    testing_support::FakePlatform fresh;
    fresh.executableDirectory = tree.Root();
    app::Wizard fresh_wizard(fresh);
    fresh_wizard.Start();
    leave(fresh);
    EXPECT_TRUE(fresh.OpenWindows().empty());
    EXPECT_EQ(fresh.quits, 1);
    EXPECT_TRUE(fresh.messages.empty());
  };
  // Cancel and the title-bar close control on the welcome page.
  endsWith([](auto& p) { p.OnlyWindow().Click(ControlId::Command1); });
  endsWith([](auto& p) { p.OnlyWindow().CloseFromTitleBar(); });
  // Cancel and the close control on the parameter page.
  endsWith([](auto& p) {
    p.OnlyWindow().Click(ControlId::Command2);
    p.OnlyWindow().Click(ControlId::Command1);
  });
  endsWith([](auto& p) {
    p.OnlyWindow().Click(ControlId::Command2);
    p.OnlyWindow().CloseFromTitleBar();
  });
}

TEST_F(NavigationTest, FinishEndsTheApplication) {
  RunToCompletion();
  Window().Click(ControlId::Command2);
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NavigationTest, TheCloseControlOfTheCompletionPageActsAsFinish) {
  RunToCompletion();
  Window().CloseFromTitleBar();
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NavigationTest, DisabledButtonsDoNothing) {
  wizard.Start();
  Window().Click(ControlId::Command3);  // "< Précédent" of the welcome page
  EXPECT_EQ(Window().Caption(), kWelcomeCaption);
  Window().Click(ControlId::Command2);
  Fill("Mon Programme", "1.0.0.0", "x");
  Window().Click(ControlId::Command2);
  ASSERT_EQ(Window().Caption(), kFinishedCaption);
  Window().Click(ControlId::Command1);  // "Annuler" of the completion page
  EXPECT_EQ(Window().Caption(), kFinishedCaption);
  EXPECT_EQ(platform.quits, 0);
}

TEST_F(NavigationTest, PageObjectsAreCreatedOnceAndInitialiseTheControlsOnce) {
  wizard.Start();
  EXPECT_EQ(platform.commonControlsInitialisations, 1);
  EXPECT_EQ(wizard.PageObject(pages::PageId::Step1Wizard), nullptr);

  Window().Click(ControlId::Command2);
  auto* parameters = wizard.PageObject(pages::PageId::Step1Wizard);
  ASSERT_NE(parameters, nullptr);
  Window().Click(ControlId::Command3);
  Window().Click(ControlId::Command2);
  EXPECT_EQ(wizard.PageObject(pages::PageId::Step1Wizard), parameters);
  EXPECT_EQ(platform.commonControlsInitialisations, 2);

  Fill("Mon Programme", "1.0.0.0", "x");
  Window().Click(ControlId::Command2);
  Window().Click(ControlId::Command3);
  Window().Click(ControlId::Command2);
  EXPECT_EQ(wizard.PageObject(pages::PageId::Step1Wizard), parameters);
  EXPECT_EQ(platform.commonControlsInitialisations, 3);
  // Each show builds the window afresh: welcome three times, parameters
  // three times, completion once.
  EXPECT_EQ(platform.windowsOpened, 7);
}

TEST_F(NavigationTest, EntriesAreGoneAfterBackAndAfterNew) {
  tree.Write(std::string(testing_support::kLanguages) + "/Anglais.lng", "[Langue]");
  OpenParameterPage();
  Fill("Mon Programme", "1.0.0.0", "https://www.example.com/monprog.maj");
  Window().Click(ControlId::Command3);
  Window().Click(ControlId::Command2);
  for (auto field : {ControlId::Text1, ControlId::Text2, ControlId::Text3}) EXPECT_EQ(Window().Text(field), "");
  EXPECT_EQ(Window().Text(ControlId::Text4), tree.Root() + testing_support::Native("/Output/"));
  EXPECT_EQ(Window().Items(ControlId::Combo1).size(), 2u);

  Fill("Mon Programme", "1.0.0.0", "https://www.example.com/monprog.maj");
  Window().Click(ControlId::Command2);
  Window().Click(ControlId::Command3);  // New
  Window().Click(ControlId::Command2);
  for (auto field : {ControlId::Text1, ControlId::Text2, ControlId::Text3}) EXPECT_EQ(Window().Text(field), "");
  EXPECT_EQ(Window().Items(ControlId::Combo1).size(), 2u);
}

TEST_F(NavigationTest, AMissingFileAtSetUpEndsTheApplicationFromTheWelcomePage) {
  tree.Remove(testing_support::kManifest);
  wizard.Start();
  Window().Click(ControlId::Command2);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(Ended());
}

}  // namespace
