// The program's start: menu bar, window class, main window, decoder
// identification and the message loop. WinMain only calls run_program.
#ifndef STARTUP_H
#define STARTUP_H

#include <windows.h>

#include <stdint.h>

// Every clock reading of the program goes to the system's clocks.
void install_system_clock(void);

HMENU build_menu_bar(void);
int32_t register_main_class(void);

// Reads the port from RéglagesInterface2.rg, opens it, identifies the decoder,
// tells the user what was found and rewrites the file. The port stays open.
void connect_decoder(HWND window);

// Runs the whole program; returns the exit value.
int run_program(HINSTANCE instance);

#endif
