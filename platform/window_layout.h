// Windows and their controls as data. One table per window lives in
// resources/; the Win32 builder creates the real window from it and the
// recording fake builds its control model from the same table, so a test and
// the program agree on every name, text, position and initial state.
#pragma once

#include <vector>

namespace volmere {

enum class ControlKind {
  Label,
  Button,
  CheckBox,
  RadioButton,
  Edit,
  DropDownList,  // a combo box that cannot be typed into
  IconList,      // list view, large icons with the two computer images
  ReportList,    // list view, report view with one column
  GroupBox,
  TabControl,
};

// Control style flags.
enum : unsigned {
  kDisabled = 1u << 0,
  kChecked = 1u << 1,
  kGroupStart = 1u << 2,  // first radio button of a group
  kCenterText = 1u << 3,
  kDigitsAndMinus = 1u << 4,  // edit box taking only "-" and the digits
  kPassword = 1u << 5,
  kSunken = 1u << 6,
  kNoHeader = 1u << 7,  // report list without a column header
  kGridLines = 1u << 8,
  kWrap = 1u << 9,
  kTransparent = 1u << 10,
  kBorder = 1u << 11,        // single-line border
  kNotifyClicks = 1u << 12,  // label that reports mouse-button presses
  kHidden = 1u << 13,
};

// Window style flags.
enum : unsigned {
  kMinimizeBox = 1u << 0,
  kTaskBarButton = 1u << 1,
};

struct ControlLayout {
  const char* name;  // "" for a label nothing refers to
  ControlKind kind;
  const char* text;  // tab pages: their titles joined by "|"
  int x, y, width, height;
  unsigned style = 0;
  // "" for the client area; a group box's name; or a tab control's name,
  // "#" and the 0-based page ("settingsTabs#1").
  const char* parent = "";
  int tabOrder = -1;       // -1: creation order
  unsigned textColor = 0;  // 0x00BBGGRR; 0 is the system colour
  int fontHeight = 0;      // pixels; 0 is the default font
  int columnWidth = 0;     // report lists
};

struct MenuItemLayout {
  const char* name;
  const char* text;
  bool visible;
};

struct MenuLayout {
  const char* name;
  const char* text;
  std::vector<MenuItemLayout> items;
};

struct WindowLayout {
  const char* name;  // "MainWindow"
  const char* caption;
  int outerWidth, outerHeight;
  unsigned style;
  std::vector<ControlLayout> controls;
  std::vector<MenuLayout> menus;
};

}  // namespace volmere
