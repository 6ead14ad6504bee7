// Writes a picture of each page, as built by the Qt back end, into the
// directory given on the command line (docs/ for the README).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

#include "pages/page_layouts.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window.h"

namespace {

class NoEvents : public ui::WindowEvents {
 public:
  void OnClick(ui::ControlId) override {}
  void OnKeyPress(ui::ControlId, ui::KeyAscii&) override {}
  void OnInsertText(ui::ControlId, std::u16string&) override {}
  void OnCloseRequested() override {}
};

// The parameter page as the user sees it after the set-up and some typing.
void FillParameters(ui::qt::QtWindow& window) {
  using ui::ControlId;
  window.SetText(ControlId::Text1, "Mon Programme");
  window.SetText(ControlId::Text2, "1.0.0.0");
  window.SetText(ControlId::Text3, "https://www.example.com/monprog.maj");
  window.AddItem(ControlId::Combo1, "Français");
  window.AddItem(ControlId::Combo1, "Anglais");
  window.SetListIndex(ControlId::Combo1, 0);
  window.SetText(ControlId::Text4, "/opt/zantrel-velquist-creator/Output/");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: page_screenshots DIRECTORY\n");
    return 2;
  }
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  ui::qt::QtPlatform platform;
  NoEvents events;
  const struct {
    const ui::PageLayout& layout;
    const char* file;
  } pages[] = {{pages::WelcomeWizardLayout(), "welcome.png"},
               {pages::Step1WizardLayout(), "parameters.png"},
               {pages::WizardFinishedLayout(), "finished.png"}};
  for (const auto& page : pages) {
    ui::qt::QtWindow window(page.layout, events, platform);
    if (&page.layout == &pages::Step1WizardLayout()) FillParameters(window);
    QTest::qWait(50);
    const QString path = directory.filePath(QString::fromLatin1(page.file));
    if (!window.TopLevel()->grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
