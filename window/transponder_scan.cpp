// The transponder scan. Learning gives every new transponder to the first
// grid car without one, so the cars must cross in grid order; verification
// then times one more crossing of every car with the computer's counter and
// ends with a success sound when they came by in grid order. The learned
// transponders live in the grid composition and the cars; no file is written.
#include "transponder_scan.h"

#include <string.h>

#include "decoder_protocol.h"
#include "engine.h"
#include "main_window.h"
#include "race_controls.h"
#include "run_state.h"
#include "serial_port.h"
#include "sound.h"
#include "window_ids.h"
#include "window_texts.h"

int32_t g_scan_assigned_count;
int32_t g_scan_found;

namespace {

// A second crossing of a car this close to its last one is a double reading.
const int32_t SCAN_PROTECTION_MS = 2000;

// What a scan disables besides the settings menu items; Arret is among them,
// while "Mixte (scan)", the Scan box and the passage buttons stay usable.
const int32_t SCAN_CONTROLS[] = {IDC_START,        IDC_STOP,  IDC_CLEAR,   IDC_OWN_CHIPS,
                                 IDC_RACE_BY_TIME, IDC_RACE_BY_LAPS, IDC_HOURS, IDC_MINUTES,
                                 IDC_LAPS,         IDC_COUNTDOWN};

void set_scan_status(const char *text)
{
    SendDlgItemMessageA(g_main_window, IDC_SCAN_STATUS, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text));
}

int32_t transponder_is(const CarRecord *car, const char *transponder)
{
    return strncmp(car->transponder, transponder, sizeof car->transponder) == 0;
}

void count_assigned_cars(void)
{
    g_scan_assigned_count = 0;
    for (int32_t k = 0; k < GRID_SLOTS; k++)
        g_scan_assigned_count += g_car_records[k].scan_assigned == 1;
}

// The board's transponder column: the grid's cars in grid order, as the
// ranking stands before the verification has timed anybody.
void show_learned_transponders(void)
{
    int32_t m = 0;
    for (int32_t k = 0; k < GRID_SLOTS; k++) {
        if (is_empty_slot_name(g_grid_composition[k].name))
            continue;
        const char *learned = g_grid_composition[k].transponder;
        copy_text(g_ranking[m].transponder, sizeof g_ranking[m].transponder, learned,
                  TRANSPONDER_FIELD);
        copy_text(g_board_rows[m].transponder, sizeof g_board_rows[m].transponder, learned,
                  TRANSPONDER_FIELD);
        m++;
    }
    for (; m < GRID_SLOTS; m++) {
        clear_buffer(g_ranking[m].transponder, TRANSPONDER_FIELD);
        clear_buffer(g_board_rows[m].transponder, TRANSPONDER_FIELD);
    }
}

// A transponder seen again stays with the car that learned it: the cars that
// hold one are the first of the grid, so it is found before any car without.
void learn_scan_passing(const char *transponder)
{
    g_scan_found = 0;
    for (int32_t k = 0; k < GRID_SLOTS; k++) {
        CarRecord *car = &g_car_records[k];
        const int32_t takes = (!g_scan_found && car->scan_assigned == 0) ||
                              (car->scan_assigned == 1 && transponder_is(car, transponder));
        if (!takes)
            continue;
        copy_text(g_grid_composition[k].transponder, sizeof g_grid_composition[k].transponder,
                  transponder, TRANSPONDER_FIELD);
        copy_text(car->transponder, sizeof car->transponder, transponder, TRANSPONDER_FIELD);
        if (car->scan_assigned == 0)
            play_sound_async(SOUND_BEEP);
        car->scan_assigned = 1;
        g_scan_found = 1;
    }
    show_learned_transponders();
    redraw_area(&g_board_layout.board);
}

// The lap is written here, not by the race's lap recording: no best laps,
// no finish rules, and the board is ranked by laps and time whatever the
// race options say.
void verify_scan_passing(const char *transponder)
{
    for (int32_t k = 0; k < GRID_SLOTS; k++) {
        CarRecord *car = &g_car_records[k];
        if (!transponder_is(car, transponder))
            continue;
        int64_t ms = 0;
        if (counter_ms_since_origin(g_qpc_now, &ms))
            car->passage_time = ms;
        const int32_t t = low_32_bits(car->passage_time);
        car->lap_candidate = low_32_bits(static_cast<int64_t>(t) - car->race_times[car->laps]);
        if (car->lap_candidate <= SCAN_PROTECTION_MS && car->laps != 0)
            continue;
        // The lap arrays end there; a car that keeps crossing is timed no further.
        if (car->laps >= MAX_LAPS - 1)
            continue;
        car->laps += 1;
        car->race_times[car->laps] = t;
        car->lap_times[car->laps] = car->lap_candidate;
        car->just_recorded = 1;
        car->scan_assigned = 1;
        rank_by_laps_then_time(g_car_records, g_ranking, g_car_count);
        compute_gaps_by_laps_then_time(g_ranking, g_car_count);
        split_ranking_times(g_ranking, g_car_count);
        format_board_rows(g_ranking, g_board_rows, g_ranking_key, RANKING_LAPS_THEN_TIME,
                          RANKING_BEST_LAP, g_car_count);
        play_sound_async(SOUND_BEEP);
        redraw_area(&g_board_layout.board);
        car->just_recorded = 0;
    }
}

void begin_scan_verification(void)
{
    // After a verification the results must be cleared before a race or a scan.
    g_results_clean = 0;
    g_scan_ready = 0;
    g_scan_learning = 0;
    g_scan_verifying = 1;
    play_sound(SOUND_NOKIA_SMS, SND_FILENAME);
    // The verification's crossings are timed from the end of the signal.
    g_qpc_frequency = read_performance_frequency();
    g_qpc_origin = read_performance_counter();
    drain_com_port();
    for (int32_t k = 0; k < GRID_SLOTS; k++)
        g_car_records[k].scan_assigned = is_empty_slot_name(g_grid_composition[k].name);
    set_scan_status(SCAN_VERIFYING_TEXT);
    for (int32_t row = 0; row < g_car_count && row < GRID_SLOTS; row++)
        copy_text(g_board_rows[row].race_time_text, sizeof g_board_rows[row].race_time_text,
                  "00:00.000", 10);
    redraw_area(&g_board_layout.board);
}

// Once every car has crossed, the ranking by laps and time is the order of
// those crossings: strictly rising grid numbers mean grid order.
void check_scan_order(void)
{
    const int32_t n = g_car_count < GRID_SLOTS ? g_car_count : GRID_SLOTS;
    int32_t in_order = n >= 1;
    for (int32_t i = 0; i + 1 < n; i++)
        if (g_ranking[i + 1].grid_number <= g_ranking[i].grid_number)
            in_order = 0;
    play_sound_async(in_order ? SOUND_NOKIA_SMS : SOUND_BUZZ);
}

void finish_scan(void)
{
    g_scan_active = 0;
    g_scan_verifying = 0;
    drain_com_port();
    SendDlgItemMessageA(g_main_window, IDC_SCAN, BM_SETCHECK, BST_UNCHECKED, 0);
    set_controls_enabled(g_main_window, SCAN_CONTROLS, 1);
    set_scan_status(SCAN_VERIFIED_TEXT);
    check_scan_order();
}

void start_scan(HWND window)
{
    set_controls_enabled(window, SCAN_CONTROLS, 0);
    drain_com_port();
    // A frame begun before the scan would give its number to the first car.
    g_stream_count = 0;
    g_stream_ready = 0;
    for (int32_t k = 0; k < GRID_SLOTS; k++) {
        CarRecord *car = &g_car_records[k];
        if (is_empty_slot_name(g_grid_composition[k].name)) {
            car->scan_assigned = 1;
        } else {
            clear_buffer(g_grid_composition[k].transponder, TRANSPONDER_FIELD);
            clear_buffer(car->transponder, TRANSPONDER_FIELD);
            car->scan_assigned = 0;
        }
        clear_buffer(g_ranking[k].transponder, TRANSPONDER_FIELD);
        clear_buffer(g_board_rows[k].transponder, TRANSPONDER_FIELD);
    }
    play_sound(SOUND_NOKIA_SMS, SND_FILENAME);
    g_scan_active = 1;
    g_scan_learning = 1;
    g_scan_verifying = 0;
    set_scan_status(SCAN_LEARNING_TEXT);
}

// What was learned or verified stays, and so does g_scan_ready.
void stop_scan(HWND window)
{
    set_controls_enabled(window, SCAN_CONTROLS, 1);
    g_scan_active = 0;
    g_scan_verifying = 0;
    g_scan_learning = 0;
    set_scan_status(SCAN_OFF_TEXT);
    play_sound(SOUND_NOKIA_SMS, SND_FILENAME);
}

void take_scan_frame(const DecoderPassing *passing)
{
    take_scan_passing(passing->transponder);
}

const PassingHandover SCAN_HANDOVER = {take_scan_frame, 0};

// One read for the phase, its passings taken as they complete; the phase
// ends when no car is left for it to wait for.
void run_scan_phase(const int32_t *phase, void (*end_phase)(void))
{
    g_scan_assigned_count = 0;
    read_passings(&SCAN_HANDOVER);
    count_assigned_cars();
    if (g_scan_active && *phase && g_scan_assigned_count == GRID_SLOTS)
        end_phase();
}

}  // namespace

void run_scan_command(HWND window)
{
    const LRESULT check = SendDlgItemMessageA(window, IDC_SCAN, BM_GETCHECK, 0, 0);
    if (g_scan_ready == 1 && g_scan_active == 0 && check == BST_CHECKED)
        start_scan(window);
    if (g_scan_active == 1 && check == BST_UNCHECKED)
        stop_scan(window);
    redraw_area(&g_board_layout.body);
}

void run_scan_tick(void)
{
    if (g_scan_learning)
        run_scan_phase(&g_scan_learning, begin_scan_verification);
    if (g_scan_verifying)
        run_scan_phase(&g_scan_verifying, finish_scan);
}

void take_scan_passing(const char *transponder)
{
    if (g_scan_learning) {
        learn_scan_passing(transponder);
    } else if (g_scan_verifying) {
        g_qpc_now = read_performance_counter();
        verify_scan_passing(transponder);
    }
}
