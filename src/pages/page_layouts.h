// The layouts of the three pages, as data.
#pragma once

#include "ui/page_layout.h"

namespace pages {

const ui::PageLayout& WelcomeWizardLayout();
const ui::PageLayout& Step1WizardLayout();
const ui::PageLayout& WizardFinishedLayout();

}  // namespace pages
