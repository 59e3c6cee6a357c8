/* The numbers by which the host takes its texts, dialog templates and icons from a language
   resource library ("uires%d.dll"), and the templates of the program's own resources. Plain
   preprocessor definitions, so the resource scripts of the libraries include this header too:
   a renumbering breaks both ends at once. */
#ifndef LEXITON_UI_RESOURCES_H
#define LEXITON_UI_RESOURCES_H

/* Tray tip state texts. */
#define LXR_STRING_ACTIVE 1
#define LXR_STRING_PAUSED 2
#define LXR_STRING_BUSY 43
/* Tray menu labels. */
#define LXR_STRING_MENU_EXIT 3
#define LXR_STRING_MENU_ABOUT 4
#define LXR_STRING_MENU_HELP 5
#define LXR_STRING_MENU_COLOUR 7
#define LXR_STRING_MENU_AUTORUN 12
#define LXR_STRING_MENU_DICTIONARIES 39
#define LXR_STRING_MENU_FEEDBACK 42
#define LXR_STRING_MENU_PROXY 44
/* Start-up messages: another copy runs; the caption of every numbered message; a component is
   missing or failed (a name in parentheses may follow). */
#define LXR_STRING_ANOTHER_COPY 10
#define LXR_STRING_CAPTION 11
#define LXR_STRING_COMPONENT_FAILED 26
/* The not-found text handed to the look-ups, and the feedback hint passed as footer. */
#define LXR_STRING_NOT_FOUND 32
#define LXR_STRING_FEEDBACK_HINT 41

/* Dialog templates of the language library, with the controls the host names. */
#define LXR_DIALOG_MAIN 101
#define LXR_DIALOG_ABOUT 110
#define LXR_CONTROL_ABOUT_TEXT 1055
#define LXR_DIALOG_FEEDBACK 143
#define LXR_CONTROL_FEEDBACK_CHECK 1068

/* MainWindow's commands: the tray menu's items, and the two its own template offers (show
   MainWindow; hide the tooltips, a check box there). */
#define LXR_COMMAND_SHOW_MAIN 1235
#define LXR_COMMAND_COLOUR 1236
#define LXR_COMMAND_EXIT 1237
#define LXR_COMMAND_ABOUT 1238
#define LXR_COMMAND_HELP 1239
#define LXR_COMMAND_MAKER_PAGE 1240
#define LXR_COMMAND_AUTORUN 1242
#define LXR_COMMAND_SUPPRESS 1245
#define LXR_COMMAND_DICTIONARIES 1246
#define LXR_COMMAND_FEEDBACK 1248
#define LXR_COMMAND_PROXY 1249
#define LXR_COMMAND_FAMILY_PAGE 1250

/* Tray icons: active, paused, busy. */
#define LXR_ICON_ACTIVE 108
#define LXR_ICON_PAUSED 109
#define LXR_ICON_BUSY 145

/* The program's own empty template of both tooltip windows. */
#define LXR_DIALOG_TOOLTIP 113

#endif
