// The race options dialog (template COURSEOPTIONS): ranking rule, lap
// protection time, start type and the end types; Ok writes OptionsCourse.race.
#ifndef RACE_OPTIONS_H
#define RACE_OPTIONS_H

#include <windows.h>

#include "race_model.h"

// The dialog's copy of the race options, kept from one opening to the next;
// each keyword buffer is one byte longer than the main window's.
extern int32_t g_options_dialog_protection_seconds;
extern char g_options_dialog_ranking_key[RANKING_KEY_SIZE + 1];
extern char g_options_dialog_start_mode[START_MODE_SIZE + 1];
extern char g_options_dialog_time_end_mode[TIME_END_MODE_SIZE + 1];
extern char g_options_dialog_lap_end_mode[LAP_END_MODE_SIZE + 1];

INT_PTR CALLBACK race_options_dialog_proc(HWND dialog, UINT message, WPARAM wparam,
                                          LPARAM lparam);

// Runs the dialog modally over the owner; returns when it has closed.
void open_race_options_dialog(HWND owner);

#endif
