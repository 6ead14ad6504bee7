// The real message box: title, text, icon, French buttons, default button,
// and the report of an error that no handler caught.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <QTest>
#include <QWindow>

#include <stdexcept>

#include "pages/page_layouts.h"
#include "qt_test_support.h"
#include "ui/qt/message_box.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window.h"

namespace {

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  QString defaultButton;
};

class MessageBoxTest : public ::testing::Test {
 protected:
  // Shows a box, answers it with the named button and records what it showed.
  ui::Answer Show(const std::string& prompt, unsigned flags, const QString& press) {
    auto* record = &seen;
    QTimer* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, record, press] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      poll->stop();
      poll->deleteLater();
      record->title = box->windowTitle();
      record->text = box->text();
      record->icon = box->icon();
      for (QAbstractButton* button : box->buttons()) {
        record->buttons << button->text();
        if (box->defaultButton() == button) record->defaultButton = button->text();
      }
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == press) QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
      }
    });
    poll->start();
    return ui::qt::ShowMessageBox(prompt, flags);
  }
  SeenBox seen;
};

TEST_F(MessageBoxTest, AnInformationBoxHasTheTitleAndAnOkButton) {
  EXPECT_EQ(Show("Veuillez saisir le nom du programme à mettre à jour.", 0x10040, "OK"), ui::Answer::Ok);
  EXPECT_EQ(seen.title, QStringLiteral("Zantrel Velquist Creator"));
  EXPECT_EQ(seen.text, QStringLiteral("Veuillez saisir le nom du programme à mettre à jour."));
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
}

TEST_F(MessageBoxTest, TheReplaceQuestionReadsInFrenchWithNoAsDefault) {
  EXPECT_EQ(Show("Un système existe déjà. Voulez-vous le remplacer ?", 0x10134, "&Oui"), ui::Answer::Yes);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("&Oui"), QStringLiteral("&Non")}));
  EXPECT_EQ(seen.defaultButton, QStringLiteral("&Non"));
  EXPECT_EQ(Show("?", 0x10134, "&Non"), ui::Answer::No);
}

TEST_F(MessageBoxTest, AnErrorBoxShowsItsLinesWithoutCarriageReturns) {
  Show("Erreur :\r\n\r\nraison\r\n\r\n\r\nconseil", 0x10010, "OK");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.text, QStringLiteral("Erreur :\n\nraison\n\n\nconseil"));
}

TEST_F(MessageBoxTest, AnErrorNoHandlerCaughtIsReportedAndStopsTheHandlers) {
  ui::qt::QtPlatform platform;
  QTimer* poll = new QTimer;
  poll->setInterval(10);
  QString reported;
  QObject::connect(poll, &QTimer::timeout, [poll, &reported] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    reported = box->text();
    box->buttons().front()->click();
  });
  poll->start();
  platform.RunHandler([] { throw std::runtime_error("le disque a disparu"); });
  EXPECT_TRUE(reported.contains(QStringLiteral("le disque a disparu")));
  EXPECT_TRUE(reported.startsWith(QStringLiteral("Une erreur inattendue s'est produite :")));
  bool ranAfterwards = false;
  platform.RunHandler([&] { ranAfterwards = true; });
  EXPECT_FALSE(ranAfterwards);
  // The report asked the application to end, which makes every later event
  // loop return at once; a run of the main loop clears that for the next tests.
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

TEST(MessageBoxOwnerTest, TheBoxBelongsToTheOpenPageAndStaysApplicationModal) {
  ui::qt::QtPlatform platform;
  qt_testing::NoEvents events;
  auto window = platform.OpenWindow(pages::Step1WizardLayout(), events);
  QWidget* page = static_cast<ui::qt::QtWindow&>(*window).TopLevel();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page));

  QWidget* parent = nullptr;
  QWindow* transientParent = nullptr;
  Qt::WindowModality modality = Qt::NonModal;
  QTimer* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    parent = box->parentWidget();
    transientParent = box->windowHandle()->transientParent();
    modality = box->windowModality();
    box->buttons().front()->click();
  });
  poll->start();
  platform.MsgBox("Veuillez saisir la version du programme à mettre à jour.", 0x10040);
  EXPECT_EQ(parent, page);
  EXPECT_EQ(transientParent, page->windowHandle());
  EXPECT_EQ(modality, Qt::ApplicationModal);
  window.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
