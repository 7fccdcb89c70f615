// The race controls under the board: Depart, Arret, Effacer, the transponder
// mode and race kind radios, the race length and countdown edits and the
// manual passage buttons, with the greying that a race brings.
#ifndef RACE_CONTROLS_H
#define RACE_CONTROLS_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

// WM_COMMAND of the main window: runs the command of a race control and
// returns 1, or returns 0 when the id is none of them.
int32_t handle_race_control(HWND window, int32_t id, int32_t code);

// Gives the grid rows, cars, ranking rows and board rows the transponder of
// the pilot database entry of the same name.
void take_transponders_by_name(void);
// Empties the transponder of every grid row, car, ranking row and board row.
void clear_transponders(void);
// Zeroes the race clock and rewrites the length, elapsed, remaining and
// countdown texts for the race kind.
void reset_race_clock(void);
// A fresh race from the grid composition, and the detailed results file
// rewritten from it (an error box when it cannot be).
void rebuild_race_from_grid(HWND window);

// A race and a scan grey the five settings menu items and disable the given
// controls (enabled 0), and give them back (enabled 1).
void set_controls_enabled(HWND window, const int32_t *controls, int32_t count,
                          int32_t enabled);
template <size_t N>
void set_controls_enabled(HWND window, const int32_t (&controls)[N], int32_t enabled)
{
    set_controls_enabled(window, controls, static_cast<int32_t>(N), enabled);
}

// Every end of a race the engine decides goes through Arret's command: a
// click on the button, whose command has run when this returns.
void click_stop(void);

#endif
