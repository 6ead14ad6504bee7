// The conversion of layout twips to pixels at the window's DPI.
#include <gtest/gtest.h>

#include "pages/page_layouts.h"
#include "ui/page_layout.h"

namespace {

using ui::TwipsToPixels;

TEST(TwipsToPixels, GivesFifteenTwipsAPixelAtTheStandardDpi) {
  EXPECT_EQ(TwipsToPixels(7380, 96), 492);
  EXPECT_EQ(TwipsToPixels(345, 96), 23);
  EXPECT_EQ(TwipsToPixels(7, 96), 0);
  EXPECT_EQ(TwipsToPixels(8, 96), 1);
}

TEST(TwipsToPixels, ScalesWithTheDpiRoundedToTheNearestPixel) {
  EXPECT_EQ(TwipsToPixels(7380, 144), 738);
  EXPECT_EQ(TwipsToPixels(7380, 192), 984);
  EXPECT_EQ(TwipsToPixels(285, 120), 24);  // 23.75
  EXPECT_EQ(TwipsToPixels(255, 144), 26);  // 25.5 rounds up
}

TEST(TwipsToPixels, AgreesWithTheStandardConversionOnEveryLength) {
  for (const ui::PageLayout* page :
       {&pages::WelcomeWizardLayout(), &pages::Step1WizardLayout(), &pages::WizardFinishedLayout()}) {
    for (const auto& control : page->controls) {
      for (int twips : {control.left, control.top, control.width, control.height}) {
        EXPECT_EQ(TwipsToPixels(twips, 96), TwipsToPixels(twips)) << twips;
      }
    }
  }
}

}  // namespace
