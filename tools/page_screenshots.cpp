// Writes a picture of each page, as built by the Qt back end, into the
// directory given on the command line (docs/ for the README).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <memory>

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
  // In the order the set-up lists them, as Windows orders names.
  window.AddItem(ControlId::Combo1, "Anglais");
  window.AddItem(ControlId::Combo1, "Français");
  window.SetListIndex(ControlId::Combo1, 0);
  window.SetText(ControlId::Text4, "/home/marie/Zantrel Velquist Creator/Output/");
}

// The parameter page with the context menu of the name field open: Qt draws
// its texts in French. The menu is a window of its own, so it is painted
// onto the page's picture where it opened.
QPixmap ContextMenuPicture(ui::qt::QtWindow& window) {
  auto* edit = qobject_cast<QLineEdit*>(window.Widget(ui::ControlId::Text1));
  edit->setFocus();
  edit->selectAll();
  std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
  const QPoint at = edit->geometry().topLeft() + QPoint(60, edit->height() / 2);
  menu->popup(window.TopLevel()->mapToGlobal(at));
  QTest::qWait(50);
  QPixmap picture = window.TopLevel()->grab();
  QPainter painter(&picture);
  painter.drawPixmap(at, menu->grab());
  return picture;
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
  const auto save = [&directory](const QPixmap& picture, const char* file) {
    const QString path = directory.filePath(QString::fromLatin1(file));
    if (picture.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  };
  for (const auto& page : pages) {
    ui::qt::QtWindow window(page.layout, events, platform);
    if (&page.layout == &pages::Step1WizardLayout()) FillParameters(window);
    QTest::qWait(50);
    if (!save(window.TopLevel()->grab(), page.file)) return 1;
  }
  ui::qt::QtWindow window(pages::Step1WizardLayout(), events, platform);
  FillParameters(window);
  if (!save(ContextMenuPicture(window), "context_menu.png")) return 1;
  return 0;
}
