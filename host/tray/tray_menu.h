// The tray icon's pop-up menu as the user sees it: its items from top to bottom with their
// labels, which are greyed and which checked. The menu is built once when MainWindow is made;
// afterwards only greyed (a modal dialog of an item is open) and checked (AutoRun) change.
// win/tray.cpp makes the system menu from this and mirrors every change into it.
#pragma once

#include <string_view>
#include <vector>

namespace lexiton::host {

struct TrayMenuItem {
  int command = 0;           // MainWindow's command; 0 for a separator
  int labelString = 0;       // the label's string in the language library; 0 when `literal`
  std::string_view literal;  // a label that is the same in every language
  bool greyed = false;
  bool checked = false;

  bool separator() const { return command == 0; }
};

// What decides the menu's items and their first states.
struct TrayMenuOptions {
  bool proxyDialog = false;    // the look-up library exports KVProxyDlg
  bool secondPainter = false;  // ".\tippaint.dll" and its TipPaint are there
  bool autoRun = false;        // [dict] AutoRun at start
};

class TrayMenu {
 public:
  explicit TrayMenu(const TrayMenuOptions& options);

  // Top to bottom, as shown.
  const std::vector<TrayMenuItem>& items() const { return items_; }
  // The order the system menu is made in: each item inserted at the top, from the bottom up.
  std::vector<TrayMenuItem> insertionOrder() const;

  // The item of `command`; null when the menu has none.
  const TrayMenuItem* find(int command) const;
  // Change an item; false when the menu has no such item.
  bool setGreyed(int command, bool greyed);
  bool setChecked(int command, bool checked);

 private:
  TrayMenuItem* item(int command);
  std::vector<TrayMenuItem> items_;
};

}  // namespace lexiton::host
