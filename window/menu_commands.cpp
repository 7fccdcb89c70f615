// The menu commands. The dialogs share nothing in memory with the main
// window: each loads its file when it opens and writes it on Ok, so the
// steps after a dialog run however it was closed.
#include "menu_commands.h"

#include <shellapi.h>
#include <string.h>

#include "detailed_results.h"
#include "display_settings.h"
#include "interface_dialog.h"
#include "interface_settings.h"
#include "link_supervision.h"
#include "main_window.h"
#include "pilot_database.h"
#include "race_controls.h"
#include "race_options.h"
#include "run_state.h"
#include "sound_settings.h"
#include "starting_grid.h"
#include "texts.h"
#include "window_ids.h"
#include "window_texts.h"

namespace {

ShellOpen g_shell_open = ShellExecuteA;

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

// The dialog reads the port itself while it is open. After it, the window
// takes the database from the files whichever way the dialog was closed; in
// "Mixte (scan)" the grid's transponders, learned ones included, are emptied.
void pilots_command(HWND window)
{
    g_pilot_dialog_open = 1;
    open_pilot_database_dialog(window);
    g_pilot_dialog_open = 0;
    for (int32_t i = 0; i < MAX_PILOTS; i++) {
        clear_buffer(g_pilot_records[i].name, sizeof g_pilot_records[i].name);
        clear_buffer(g_pilot_records[i].transponder, sizeof g_pilot_records[i].transponder);
    }
    if (!read_pilot_names(g_pilot_records))
        show_error(window, PILOT_NAMES_FILE_ERROR_TEXT, MB_ICONHAND);
    if (!read_pilot_transponders(g_pilot_records))
        show_error(window, PILOT_TRANSPONDERS_FILE_ERROR_TEXT, MB_ICONHAND);
    if (g_own_chips_mode == 1)
        take_transponders_by_name();
    else
        clear_transponders();
    redraw_area(&g_board_layout.board);
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
        show_error(window, GRID_FILE_ERROR_TEXT, MB_ICONHAND);
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

// The dialog starts from the file, so the settings in memory go there first,
// widths dragged on the board included; whatever way it closed, the board
// then shows what the file holds, every part of the window repainted in the
// new colours and the rows measured again for the new fonts.
void display_settings_command(HWND window)
{
    if (!write_display_settings(DISPLAY_SETTINGS_FILE, &g_display_settings, &g_custom_colours))
        show_error(window, DISPLAY_SETTINGS_FILE_ERROR_TEXT, 0);
    open_display_settings_dialog(window);
    load_display_settings(window);
    InvalidateRect(window, 0, TRUE);
    relayout_board();
}

// The race engine plays what the file holds once the dialog has closed,
// whichever way it was closed.
void sound_settings_command(HWND window)
{
    open_sound_settings_dialog(window);
    if (!read_sound_settings(g_sound_language, g_sound_countdown, g_sound_start,
                             g_sound_passing, g_sound_best_lap, g_sound_clock,
                             g_sound_race_end, g_sound_car_end))
        show_error(window, SOUND_SETTINGS_READ_ERROR_TEXT, MB_ICONHAND);
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
        show_error(window, DETAILED_RESULTS_FILE_ERROR_TEXT, MB_ICONHAND);
    open_detailed_results_dialog(window);
}

// The help document beside the program; a folder too deep for the path
// opens nothing rather than a cut path.
void help_command(HWND window)
{
    char path[MAX_PATH];
    if (strlen(g_program_folder) + strlen(HELP_DOCUMENT_TEXT) >= sizeof path)
        return;
    strcpy(path, g_program_folder);
    strcat(path, HELP_DOCUMENT_TEXT);
    g_shell_open(window, "open", path, 0, 0, SW_SHOWNORMAL);
}

}  // namespace

void set_shell_open_hook(ShellOpen hook)
{
    g_shell_open = hook ? hook : ShellExecuteA;
}

int32_t handle_menu_command(HWND window, int32_t id)
{
    switch (id) {
    case IDM_PILOTS: pilots_command(window); return 1;
    case IDM_STARTING_GRID: starting_grid_command(window); return 1;
    case IDM_RACE_OPTIONS: race_options_command(window); return 1;
    case IDM_SOUND_SETTINGS: sound_settings_command(window); return 1;
    case IDM_DISPLAY_SETTINGS: display_settings_command(window); return 1;
    case IDM_INTERFACE_SETTINGS: interface_settings_command(window); return 1;
    case IDM_DETAILED_RESULTS: detailed_results_command(window); return 1;
    case IDM_HELP: help_command(window); return 1;
    default: return 0;
    }
}
