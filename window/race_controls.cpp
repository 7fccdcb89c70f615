// The commands of the race controls: Depart arms a race, Arret ends whatever
// is armed or running (also when the engine decides), Effacer clears the
// series; the radios and number edits set the race kind, the length and the
// countdown; the passage buttons enter laps by hand.
#include "race_controls.h"

#include <stdio.h>
#include <string.h>

#include "engine.h"
#include "main_window.h"
#include "race_tick.h"
#include "run_state.h"
#include "serial_port.h"
#include "sound.h"
#include "texts.h"
#include "transponder_scan.h"
#include "typed_text.h"
#include "window_ids.h"
#include "window_texts.h"

namespace {

// What a race greys and disables, in the order it does so; Arret gives
// them back. Arret itself and the passage buttons keep their state.
const int32_t SETTINGS_MENU_ITEMS[] = {IDM_PILOTS, IDM_STARTING_GRID, IDM_RACE_OPTIONS,
                                       IDM_SOUND_SETTINGS, IDM_DISPLAY_SETTINGS};
const int32_t RACE_CONTROLS[] = {IDC_START,        IDC_CLEAR,        IDC_OWN_CHIPS,
                                 IDC_MIXED_SCAN,   IDC_SCAN,         IDC_RACE_BY_TIME,
                                 IDC_RACE_BY_LAPS, IDC_HOURS,        IDC_MINUTES,
                                 IDC_LAPS,         IDC_COUNTDOWN};

void show_items(HWND window, const int32_t *ids, int32_t count, int show)
{
    for (int32_t i = 0; i < count; i++)
        ShowWindow(GetDlgItem(window, ids[i]), show);
}

void write_time_length_texts(void)
{
    snprintf(g_text_race_length, sizeof g_text_race_length, "%d:%02d:00",
             static_cast<int>(g_race_hours), static_cast<int>(g_race_minutes));
    lstrcpynA(g_text_elapsed, "0:00:00", sizeof g_text_elapsed);
    lstrcpynA(g_text_remaining, "0:00:00", sizeof g_text_remaining);
}

void write_laps_length_texts(void)
{
    snprintf(g_text_race_length, sizeof g_text_race_length, RACE_LENGTH_LAPS_FORMAT,
             static_cast<int>(g_race_laps));
    lstrcpynA(g_text_elapsed, "0:00:00", sizeof g_text_elapsed);
    g_text_remaining[0] = 0;
}

void write_countdown_text(void)
{
    snprintf(g_text_countdown, sizeof g_text_countdown, "%ds",
             static_cast<int>(g_countdown_seconds));
}

// Depart arms the race; the countdown runs in the engine's ticks.
void on_start(HWND window)
{
    g_reset_answer_count = 0;
    g_stream_count = 0;
    g_stream_ready = 0;
    g_sync_request_sent = 0;
    g_race_origin_ms = 0;
    // After a race has started, only Effacer or a new grid makes a new one.
    if (g_results_clean != 1)
        return;
    // The one moment at which the race options dialog's changes reach the race.
    if (!read_race_options(&g_protection_seconds, g_ranking_key, g_start_mode, g_time_end_mode,
                           g_lap_end_mode))
        show_error(window, RACE_OPTIONS_READ_ERROR_TEXT, MB_ICONHAND);
    set_controls_enabled(window, RACE_CONTROLS, 0);
    drain_com_port();
    // Played to its end before the countdown's time base is taken.
    if (strcmp(g_sound_countdown, SOUND_COUNTDOWN_ON) == 0 && g_countdown_seconds > 1)
        play_sound(SOUND_NOKIA_SMS, SND_FILENAME);
    g_countdown_start_tick = read_tick_count();
    g_race_armed = 1;
    g_decoder_synced = 0;
    g_countdown_redraw_tick = read_tick_count();
    // So that the countdown runs at the next tick.
    g_countdown_remaining = 1;
    memset(g_countdown_announced, 0, sizeof g_countdown_announced);
    g_half_time_announced = 0;
    g_five_minutes_announced = 0;
    g_one_minute_announced = 0;
    g_race_best_lap = NO_BEST_LAP;
}

// Every end of a race comes here, from the user or from the engine's click.
void on_stop(HWND window)
{
    set_controls_enabled(window, RACE_CONTROLS, 1);
    g_race_armed = 0;
    if (g_race_running == 1) {
        g_race_running = 0;
        if (strcmp(g_sound_race_end, SOUND_RACE_END_ON) == 0)
            play_sound_async(SOUND_TRUCKHORN);
        // The board shows the finish flag on every row.
        for (int32_t k = 0; k < GRID_SLOTS; k++) {
            g_car_records[k].finished = 1;
            g_ranking[k].finished = 1;
        }
        for (int32_t r = 0; r < g_car_count && r < GRID_SLOTS; r++)
            g_board_rows[r].finished = 1;
    }
    redraw_area(&g_board_layout.body);
}

void on_clear(HWND window)
{
    if (g_grid_composed != 1)
        return;
    if (MessageBoxA(window, CLEAR_CONFIRM_TEXT, MAIN_WINDOW_TITLE, MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    g_results_clean = 1;
    g_scan_ready = 1;
    rebuild_race_from_grid(window);
    reset_race_clock();
    redraw_area(&g_board_layout.body);
    redraw_area(&g_board_layout.clocks);
    redraw_area(&g_board_layout.countdown);
}

void on_own_chips(HWND window)
{
    static const int32_t scan_items[] = {IDC_SCAN, IDC_SCAN_STATUS};
    g_own_chips_mode = 1;
    show_items(window, scan_items, 2, SW_HIDE);
    take_transponders_by_name();
    redraw_area(&g_board_layout.body);
}

// The scan flags stay as they are: a scan still needs the results cleared.
void on_mixed_scan(HWND window)
{
    static const int32_t scan_items[] = {IDC_SCAN, IDC_SCAN_STATUS};
    g_own_chips_mode = 0;
    show_items(window, scan_items, 2, SW_SHOWNORMAL);
    clear_transponders();
    redraw_area(&g_board_layout.body);
}

const int32_t TIME_ITEMS[] = {IDC_HOURS, IDC_MINUTES, IDC_HOURS_LABEL, IDC_MINUTES_LABEL};
const int32_t LAPS_ITEMS[] = {IDC_LAPS, IDC_LAPS_LABEL};

void on_race_by_time(HWND window)
{
    lstrcpynA(g_race_mode, RACE_MODE_TIME, sizeof g_race_mode);
    show_items(window, TIME_ITEMS, 4, SW_SHOWNORMAL);
    show_items(window, LAPS_ITEMS, 2, SW_HIDE);
    write_time_length_texts();
    redraw_area(&g_board_layout.clocks);
}

void on_race_by_laps(HWND window)
{
    lstrcpynA(g_race_mode, RACE_MODE_LAPS, sizeof g_race_mode);
    show_items(window, TIME_ITEMS, 4, SW_HIDE);
    show_items(window, LAPS_ITEMS, 2, SW_SHOWNORMAL);
    write_laps_length_texts();
    redraw_area(&g_board_layout.clocks);
}

// One number edit: its character limit, its upper bound and how a clamped
// value is written back into it.
struct NumberEdit {
    int32_t id;
    int32_t *value;
    int32_t limit;
    int32_t upper;
    const char *upper_format;
};

// Reads the edit (empty reads 0) into its value; a value above the bound is
// clamped and written back, which changes the edit again with a value in
// range.
void read_number_edit(HWND window, const NumberEdit &edit)
{
    hold_to_typed_text(GetDlgItem(window, edit.id), edit.limit, TYPED_NUMBER);
    const UINT typed = GetDlgItemInt(window, edit.id, NULL, FALSE);
    if (typed > static_cast<UINT>(edit.upper)) {
        *edit.value = edit.upper;
        char text[16];
        snprintf(text, sizeof text, edit.upper_format, static_cast<int>(edit.upper));
        SendDlgItemMessageA(window, edit.id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    } else {
        *edit.value = static_cast<int32_t>(typed);
    }
}

void on_number_edit(HWND window, int32_t id)
{
    switch (id) {
    case IDC_HOURS:
        read_number_edit(window, {IDC_HOURS, &g_race_hours, 2, MAX_RACE_HOURS, "%d"});
        write_time_length_texts();
        redraw_area(&g_board_layout.clocks);
        break;
    case IDC_MINUTES:
        read_number_edit(window, {IDC_MINUTES, &g_race_minutes, 2, MAX_RACE_MINUTES, "%02d"});
        write_time_length_texts();
        redraw_area(&g_board_layout.clocks);
        break;
    case IDC_LAPS:
        read_number_edit(window, {IDC_LAPS, &g_race_laps, 4, MAX_RACE_LAPS, "%d"});
        // A race by laps has at least one lap; the edit may stay empty.
        if (g_race_laps == 0)
            g_race_laps = MIN_RACE_LAPS;
        write_laps_length_texts();
        redraw_area(&g_board_layout.clocks);
        break;
    default:
        read_number_edit(window,
                         {IDC_COUNTDOWN, &g_countdown_seconds, 4, MAX_COUNTDOWN_SECONDS, "%d"});
        write_countdown_text();
        redraw_area(&g_board_layout.countdown);
        break;
    }
}

void copy_transponder(char *to, int32_t to_size, const char *from)
{
    copy_text(to, to_size, from, TRANSPONDER_FIELD);
}

}  // namespace

void set_controls_enabled(HWND window, const int32_t *controls, int32_t count, int32_t enabled)
{
    for (int32_t id : SETTINGS_MENU_ITEMS)
        EnableMenuItem(g_menu_bar, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    for (int32_t i = 0; i < count; i++)
        EnableWindow(GetDlgItem(window, controls[i]), enabled ? TRUE : FALSE);
}

void take_transponders_by_name(void)
{
    // No early exit: a later entry of the same name wins.
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        PilotRecord *row = &g_grid_composition[i];
        CarRecord *car = &g_car_records[i];
        RankingRow *ranked = &g_ranking[i];
        BoardRow *board = &g_board_rows[i];
        for (int32_t p = 0; p < MAX_PILOTS; p++) {
            const PilotRecord *pilot = &g_pilot_records[p];
            const size_t n = sizeof pilot->name;
            if (strncmp(pilot->name, row->name, n) == 0)
                copy_transponder(row->transponder, sizeof row->transponder, pilot->transponder);
            if (strncmp(pilot->name, car->name, n) == 0)
                copy_transponder(car->transponder, sizeof car->transponder, pilot->transponder);
            if (strncmp(pilot->name, ranked->name, n) == 0)
                copy_transponder(ranked->transponder, sizeof ranked->transponder,
                                 pilot->transponder);
            if (strncmp(pilot->name, board->name, n) == 0)
                copy_transponder(board->transponder, sizeof board->transponder,
                                 pilot->transponder);
        }
    }
}

void clear_transponders(void)
{
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        clear_buffer(g_grid_composition[i].transponder, TRANSPONDER_FIELD);
        clear_buffer(g_car_records[i].transponder, TRANSPONDER_FIELD);
        clear_buffer(g_ranking[i].transponder, TRANSPONDER_FIELD);
        clear_buffer(g_board_rows[i].transponder, TRANSPONDER_FIELD);
    }
}

void reset_race_clock(void)
{
    g_time_up_signalled = 0;
    g_race_elapsed.hours = 0;
    g_race_elapsed.minutes = 0;
    g_race_elapsed.seconds = 0;
    g_remaining_hours = 0;
    g_remaining_minutes = 0;
    g_remaining_seconds = 0;
    if (strcmp(g_race_mode, RACE_MODE_TIME) == 0)
        write_time_length_texts();
    else
        write_laps_length_texts();
    write_countdown_text();
}

void rebuild_race_from_grid(HWND window)
{
    init_car_records(g_car_records, g_grid_composition);
    g_car_count = init_ranking_rows(g_ranking, g_grid_composition);
    init_board_rows(g_board_rows, g_ranking, g_car_count);
    if (!write_detailed_results(g_car_records, g_ranking_key))
        show_error(window, DETAILED_RESULTS_FILE_ERROR_TEXT, MB_ICONHAND);
}

void click_stop(void)
{
    SendMessageA(GetDlgItem(g_main_window, IDC_STOP), BM_CLICK, 0, 0);
}

int32_t handle_race_control(HWND window, int32_t id, int32_t code)
{
    if (id >= IDC_CAR_1 && id <= IDC_CAR_20) {
        record_manual_passage(id - IDC_CAR_1);
        return 1;
    }
    switch (id) {
    case IDC_START: on_start(window); return 1;
    case IDC_STOP: on_stop(window); return 1;
    case IDC_CLEAR: on_clear(window); return 1;
    case IDC_OWN_CHIPS: on_own_chips(window); return 1;
    case IDC_MIXED_SCAN: on_mixed_scan(window); return 1;
    case IDC_SCAN: run_scan_command(window); return 1;
    case IDC_RACE_BY_TIME: on_race_by_time(window); return 1;
    case IDC_RACE_BY_LAPS: on_race_by_laps(window); return 1;
    case IDC_HOURS:
    case IDC_MINUTES:
    case IDC_LAPS:
    case IDC_COUNTDOWN:
        // The edits act on a change of their text only.
        if (code == EN_CHANGE)
            on_number_edit(window, id);
        return 1;
    default: return 0;
    }
}
