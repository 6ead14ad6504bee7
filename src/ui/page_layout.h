// A page's layout as data: the window and each control's kind, text,
// rectangle (in twips), tab position and initial state. The back ends build
// their windows from these tables and nothing else.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/control_id.h"

namespace ui {

// 1440 twips make an inch; at 96 dots per inch 15 twips make a pixel.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi;
// Rounded to the nearest pixel, as the system converts dialog units; the
// layouts hold no negative lengths.
constexpr int TwipsToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch; }
constexpr int TwipsToPixels(int twips) { return TwipsToPixels(twips, kStandardDpi); }

enum class ControlKind { CommandButton, Label, TextBox, ComboBox, Image };

enum class Picture { None, Logo, PageIcon, Separator };

struct ControlLayout {
  ControlId id{};
  ControlKind kind{};
  std::string text;  // caption, label text; empty for fields and images
  int left = 0, top = 0, width = 0, height = 0;  // twips, client coordinates
  std::optional<int> tabIndex;  // images have none
  bool enabled = true;
  bool readOnly = false;
  std::string toolTip;
  Picture picture = Picture::None;
  bool stretchPicture = false;  // otherwise shown at natural size
  bool sunkenBorder = false;    // a 2-pixel sunken edge inside the rectangle
  // On a label that names a field: that field. Screen readers then call the
  // field by the label's text, and the label is tied to it.
  std::optional<ControlId> labelFor;
  // On a picture: what it shows, in a few words, for screen readers.
  std::string description;
};

struct PageLayout {
  std::string caption;
  int clientWidth = 0, clientHeight = 0;  // twips
  std::vector<ControlLayout> controls;

  const ControlLayout& Control(ControlId id) const;
  // The controls that hold a tab position, in tab order.
  std::vector<const ControlLayout*> InTabOrder() const;
  // The first control in tab order that can take the focus.
  ControlId FirstFocusable() const;
};

// Whether a control of this layout can take the keyboard focus.
bool TakesFocus(const ControlLayout& control);

// The label tied to a field, if the page has one.
const ControlLayout* LabelOf(const PageLayout& page, ControlId field);

// The name a screen reader gives a control: a field the text of its label
// without the closing " :", a picture its description, a button its caption
// without the "&" of its access key, a label its text.
std::string AccessibleName(const PageLayout& page, const ControlLayout& control);

}  // namespace ui
