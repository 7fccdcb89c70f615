// The sound settings dialog (template SONS): the language of the spoken
// announcements and the seven sound switches; Ok writes RéglagesSons.rg.
#ifndef SOUND_SETTINGS_H
#define SOUND_SETTINGS_H

#include <windows.h>

#include "race_model.h"

// The dialog's copy of the sound settings, emptied and read again from the
// file at every opening.
extern char g_sound_dialog_language[SOUND_LANGUAGE_SIZE];
extern char g_sound_dialog_countdown[SOUND_COUNTDOWN_SIZE];
extern char g_sound_dialog_start[SOUND_START_SIZE];
extern char g_sound_dialog_passing[SOUND_PASSING_SIZE];
extern char g_sound_dialog_best_lap[SOUND_BEST_LAP_SIZE];
extern char g_sound_dialog_clock[SOUND_CLOCK_SIZE];
extern char g_sound_dialog_race_end[SOUND_RACE_END_SIZE];
extern char g_sound_dialog_car_end[SOUND_CAR_END_SIZE];

INT_PTR CALLBACK sound_settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam,
                                            LPARAM lparam);

// Runs the dialog modally over the owner; returns when it has closed.
void open_sound_settings_dialog(HWND owner);

#endif
