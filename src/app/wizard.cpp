#include "app/wizard.h"

#include "pages/step1_wizard.h"
#include "pages/welcome_wizard.h"
#include "pages/wizard_finished.h"

namespace app {

using pages::PageId;

Wizard::Wizard(ui::Platform& platform) : platform_(platform) {}

Wizard::~Wizard() = default;

void Wizard::Start() { ShowPage(PageId::WelcomeWizard); }

void Wizard::ShowPage(PageId page) { Page(page).Show(); }

void Wizard::PageClosed() {
  if (!OpenPage()) platform_.Quit();
}

pages::Form* Wizard::PageObject(PageId page) const { return pages_[static_cast<std::size_t>(page)].get(); }

pages::Form* Wizard::OpenPage() const {
  for (const auto& page : pages_) {
    if (page && page->IsOpen()) return page.get();
  }
  return nullptr;
}

pages::Form& Wizard::Page(PageId page) {
  auto& slot = pages_[static_cast<std::size_t>(page)];
  if (!slot) {
    switch (page) {
      case PageId::WelcomeWizard: slot = std::make_unique<pages::WelcomeWizard>(platform_, *this); break;
      case PageId::Step1Wizard: slot = std::make_unique<pages::Step1Wizard>(platform_, *this); break;
      case PageId::WizardFinished: slot = std::make_unique<pages::WizardFinished>(platform_, *this); break;
    }
    slot->Form_Initialize();
  }
  return *slot;
}

}  // namespace app
