// The wizard: it holds one page object per page, created on first use and
// kept to the end, and ends the application when no page is open.
#pragma once

#include <array>
#include <memory>

#include "pages/form.h"
#include "ui/platform.h"

namespace app {

class Wizard : public pages::Navigator {
 public:
  explicit Wizard(ui::Platform& platform);
  ~Wizard() override;

  // Shows the welcome page; the application then runs until no page is open.
  void Start();

  void ShowPage(pages::PageId page) override;
  void PageClosed() override;

  // The page object, or nullptr while the page has never been needed.
  pages::Form* PageObject(pages::PageId page) const;
  // The open page, or nullptr when none is.
  pages::Form* OpenPage() const;

 private:
  pages::Form& Page(pages::PageId page);

  ui::Platform& platform_;
  std::array<std::unique_ptr<pages::Form>, 3> pages_;
};

}  // namespace app
