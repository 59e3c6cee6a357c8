#include "tray/tray_menu.h"

#include <lexiton/ui_resources.h>

namespace lexiton::host {

namespace {

TrayMenuItem labelled(int command, int labelString) { return TrayMenuItem{command, labelString, {}}; }
TrayMenuItem literal(int command, std::string_view label) { return TrayMenuItem{command, 0, label}; }
TrayMenuItem separator() { return TrayMenuItem{}; }

}  // namespace

TrayMenu::TrayMenu(const TrayMenuOptions& options) {
  TrayMenuItem dictionaries = labelled(LXR_COMMAND_DICTIONARIES, LXR_STRING_MENU_DICTIONARIES);
  // Without the second painter there is no tooltip to show the dictionaries in.
  dictionaries.greyed = !options.secondPainter;
  items_.push_back(dictionaries);
  items_.push_back(labelled(LXR_COMMAND_COLOUR, LXR_STRING_MENU_COLOUR));
  if (options.proxyDialog) items_.push_back(labelled(LXR_COMMAND_PROXY, LXR_STRING_MENU_PROXY));
  TrayMenuItem autoRun = labelled(LXR_COMMAND_AUTORUN, LXR_STRING_MENU_AUTORUN);
  autoRun.checked = options.autoRun;
  items_.push_back(autoRun);
  items_.push_back(separator());
  items_.push_back(labelled(LXR_COMMAND_HELP, LXR_STRING_MENU_HELP));
  items_.push_back(labelled(LXR_COMMAND_FEEDBACK, LXR_STRING_MENU_FEEDBACK));
  items_.push_back(separator());
  items_.push_back(literal(LXR_COMMAND_MAKER_PAGE, "&Veltrix"));
  items_.push_back(literal(LXR_COMMAND_FAMILY_PAGE, "K&orvell"));
  items_.push_back(labelled(LXR_COMMAND_ABOUT, LXR_STRING_MENU_ABOUT));
  items_.push_back(separator());
  items_.push_back(labelled(LXR_COMMAND_EXIT, LXR_STRING_MENU_EXIT));
}

std::vector<TrayMenuItem> TrayMenu::insertionOrder() const {
  return std::vector<TrayMenuItem>(items_.rbegin(), items_.rend());
}

const TrayMenuItem* TrayMenu::find(int command) const {
  for (const TrayMenuItem& i : items_)
    if (command != 0 && i.command == command) return &i;
  return nullptr;
}

TrayMenuItem* TrayMenu::item(int command) {
  for (TrayMenuItem& i : items_)
    if (command != 0 && i.command == command) return &i;
  return nullptr;
}

bool TrayMenu::setGreyed(int command, bool greyed) {
  TrayMenuItem* found = item(command);
  if (found) found->greyed = greyed;
  return found != nullptr;
}

bool TrayMenu::setChecked(int command, bool checked) {
  TrayMenuItem* found = item(command);
  if (found) found->checked = checked;
  return found != nullptr;
}

}  // namespace lexiton::host
