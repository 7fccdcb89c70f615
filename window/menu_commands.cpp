// The menu commands. The dialogs share nothing in memory with the main
// window: each loads its file when it opens and writes it on Ok, so the
// steps after a dialog run however it was closed.
#include "menu_commands.h"

#include "detailed_results.h"
#include "interface_dialog.h"
#include "interface_settings.h"
#include "link_supervision.h"
#include "main_window.h"
#include "race_controls.h"
#include "race_options.h"
#include "run_state.h"
#include "sound_settings.h"
#include "starting_grid.h"
#include "texts.h"
#include "window_ids.h"
#include "window_texts.h"

namespace {

void show_error(HWND window, const char *text)
{
    MessageBoxA(window, text, ERROR_CAPTION_TEXT, MB_OK | MB_ICONHAND);
}

// Exactly the passage buttons of the grid lines that hold a pilot are
// usable; ranking rows past the cars have grid number 0.
void enable_passage_buttons(HWND window)
{
    for (int32_t id = IDC_CAR_1; id <= IDC_CAR_20; id++)
        EnableWindow(GetDlgItem(window, id), FALSE);
    for (int32_t row = 0; row < GRID_SLOTS; row++) {
        const int32_t line = g_ranking[row].grid_number;
        if (line >= 1 && line <= GRID_SLOTS)
            EnableWindow(GetDlgItem(window, IDC_CAR_1 - 1 + line), TRUE);
    }
}

// The only command that loads the grid composition: it makes the results
// clean whichever way the dialog was closed, as Effacer does without asking.
void starting_grid_command(HWND window)
{
    open_starting_grid_dialog(window);
    g_results_clean = 1;
    g_scan_ready = 1;
    g_grid_composed = 1;
    if (!read_grid_composition(g_grid_composition, g_race_name, g_race_name_trailer))
        show_error(window, GRID_FILE_ERROR_TEXT);
    if (g_own_chips_mode == 1)
        take_transponders_by_name();
    else
        clear_transponders();
    rebuild_race_from_grid(window);
    reset_race_clock();
    enable_passage_buttons(window);
    relayout_board();
}

// The options reach the race only when Depart reads the file again.
void race_options_command(HWND window)
{
    open_race_options_dialog(window);
}

// The race engine plays what the file holds once the dialog has closed,
// whichever way it was closed.
void sound_settings_command(HWND window)
{
    open_sound_settings_dialog(window);
    if (!read_sound_settings(g_sound_language, g_sound_countdown, g_sound_start,
                             g_sound_passing, g_sound_best_lap, g_sound_clock,
                             g_sound_race_end, g_sound_car_end))
        show_error(window, SOUND_SETTINGS_READ_ERROR_TEXT);
}

// The link is left alone while the dialog may close and reopen the port; the
// engine's next tick reads what Ouvrir wrote and arms the keep-alive again
// for a VQ2 on USB.
void interface_settings_command(HWND window)
{
    g_keepalive_active = 0;
    g_reconnect_pending = 0;
    open_interface_dialog(window);
    g_interface_loaded = 0;
}

// The results dialog loads this file, so it shows the race as it stands,
// during a race too. It opens even when the file could not be written, on
// what the file held before.
void detailed_results_command(HWND window)
{
    if (!write_detailed_results(g_car_records, g_ranking_key))
        show_error(window, DETAILED_RESULTS_FILE_ERROR_TEXT);
    open_detailed_results_dialog(window);
}

}  // namespace

int32_t handle_menu_command(HWND window, int32_t id)
{
    switch (id) {
    case IDM_STARTING_GRID: starting_grid_command(window); return 1;
    case IDM_RACE_OPTIONS: race_options_command(window); return 1;
    case IDM_SOUND_SETTINGS: sound_settings_command(window); return 1;
    case IDM_INTERFACE_SETTINGS: interface_settings_command(window); return 1;
    case IDM_DETAILED_RESULTS: detailed_results_command(window); return 1;
    default: return 0;
    }
}
