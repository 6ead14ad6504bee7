// A page window built with Qt widgets from the page's layout.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

#include "ui/platform.h"

class QComboBox;
class QLineEdit;

namespace ui::qt {

class QtPlatform;

class QtWindow : public Window {
 public:
  QtWindow(const PageLayout& layout, WindowEvents& events, QtPlatform& platform);
  ~QtWindow() override;

  std::string Text(ControlId control) const override;
  void SetText(ControlId control, const std::string& text) override;
  void AddItem(ControlId combo, const std::string& entry) override;
  void SetListIndex(ControlId combo, int index) override;
  void SetFocus(ControlId control) override;

  // The top-level widget and the widget of each control, for the tests.
  QWidget* TopLevel() const { return window_; }
  QWidget* Widget(ControlId control) const;

 private:
  QWidget* Build(const ControlLayout& control);
  // Names the window and its controls for screen readers and ties each
  // field's label to it.
  void Describe(const PageLayout& layout);
  QLineEdit* LineEdit(ControlId control) const;
  QComboBox* Combo(ControlId control) const;
  // Wraps an event of the window's page so that it runs only while the
  // window is open, and reports any error it lets through.
  std::function<void()> Deliverer(std::function<void()> event) const;
  // Hands text put into the control without typing to the page's filter,
  // while the window is open.
  std::function<QString(const QString&)> InsertionFilter(ControlId id) const;

  WindowEvents& events_;
  QtPlatform& platform_;
  QPointer<QWidget> window_;
  std::map<ControlId, QWidget*> widgets_;
  // Cleared when the window closes: Qt may still deliver events to widgets
  // that wait for deletion.
  std::shared_ptr<bool> open_ = std::make_shared<bool>(true);
};

}  // namespace ui::qt
