// The menu commands of the main window: what it writes before each dialog
// opens and what it reads again, rebuilds and repaints after it has closed.
#ifndef MENU_COMMANDS_H
#define MENU_COMMANDS_H

#include <windows.h>

#include <stdint.h>

// WM_COMMAND of the main window: runs the menu command of that id and
// returns 1, or returns 0 when the id is none of them.
int32_t handle_menu_command(HWND window, int32_t id);

// ShellExecuteA, through which the help starts the program that shows its
// document; tests put a hook in its place (0 gives the system's back).
typedef HINSTANCE(WINAPI *ShellOpen)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
void set_shell_open_hook(ShellOpen hook);

#endif
