// The parameter page. It owns the working state of a run: the install root,
// found again at every show, and the fields the user fills in. Its Next
// button builds the update kit.
#pragma once

#include <string>

#include "pages/form.h"

namespace pages {

class Step1Wizard : public Form {
 public:
  Step1Wizard(ui::Platform& platform, Navigator& navigator);

  void OnClick(ui::ControlId button) override;
  void OnKeyPress(ui::ControlId control, ui::KeyAscii& keyAscii) override;

  // Set-up at every show: install root, default destination, languages,
  // and a check that the redistributable files are there.
  void Form_Activate() override;

  // Builds the kit from the fields.
  void Command2_Click();
  void Command3_Click();
  void Command1_Click();

  // Key filters: each sees a typed character before its control does.
  void Text1_KeyPress(ui::KeyAscii& keyAscii);
  void Text2_KeyPress(ui::KeyAscii& keyAscii);
  void Text3_KeyPress(ui::KeyAscii& keyAscii);
  void Combo1_KeyPress(ui::KeyAscii& keyAscii);
  void Text4_KeyPress(ui::KeyAscii& keyAscii);

  const std::string& GetInstallRoot() const { return InstallRoot; }

 private:
  // The work of Command2_Click; errors it raises become the fatal failure.
  void GenerateKit();
  // A missing redistributable file or a failed generation: the page shows
  // the error and closes, which ends the application.
  void CloseWithError(const std::string& message);
  void FailGeneration();

  std::string InstallRoot;
};

}  // namespace pages
