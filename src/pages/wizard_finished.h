// The completion page: Finish ends the application, New starts over on the
// welcome page. Its Cancel button is disabled and has no action.
#pragma once

#include "pages/form.h"

namespace pages {

class WizardFinished : public Form {
 public:
  WizardFinished(ui::Platform& platform, Navigator& navigator);

  void OnClick(ui::ControlId button) override;

  void Command2_Click();
  void Command3_Click();
};

}  // namespace pages
