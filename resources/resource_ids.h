// Numbers of the program's own resources: the icon and the bitmaps of the
// race buttons and menu items. Shared by the resource script and the code.
#ifndef RESOURCE_IDS_H
#define RESOURCE_IDS_H

#define IDI_MAIN 1
#define IDB_START 2
#define IDB_STOP 3
#define IDB_CLEAR 4
#define IDB_MENU_PILOTS 5
#define IDB_MENU_OPTIONS 6
#define IDB_MENU_SOUNDS 7
#define IDB_MENU_DISPLAY 8
#define IDB_MENU_INTERFACE 9

#endif
