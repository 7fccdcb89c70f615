// The starting grid dialog (template COURSEPILOTES): a pilot of the database,
// or "(NA)", for each of the 20 grid lines, and the race name; Ok writes
// CompositionSerie.txt.
#ifndef STARTING_GRID_H
#define STARTING_GRID_H

#include <windows.h>

#include "race_model.h"

// The dialog's copies, kept from one opening to the next: its pilot database
// and grid rows are g_grid_dialog_records and g_grid_dialog_composition.
extern char g_grid_dialog_race_name[RACE_NAME_SIZE];
extern char g_grid_dialog_race_name_trailer[RACE_NAME_TRAILER_SIZE];

INT_PTR CALLBACK starting_grid_dialog_proc(HWND dialog, UINT message, WPARAM wparam,
                                           LPARAM lparam);

// Runs the dialog modally over the owner; returns when it has closed.
void open_starting_grid_dialog(HWND owner);

#endif
