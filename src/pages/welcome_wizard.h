// The welcome page: Next leads to the parameter page, Cancel ends the
// application. Its Back button is disabled and has no action.
#pragma once

#include "pages/form.h"

namespace pages {

class WelcomeWizard : public Form {
 public:
  WelcomeWizard(ui::Platform& platform, Navigator& navigator);

  void OnClick(ui::ControlId button) override;

  void Command2_Click();
  void Command1_Click();
};

}  // namespace pages
