// The engine tick of the main window's 10 ms timer, the countdown with its
// spoken announcements, the synchronisation of the decoder's clock and the
// three ways a race starts: at the signal, staggered, or at the first car.
#include "engine.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "decoder_protocol.h"
#include "interface_settings.h"
#include "link_supervision.h"
#include "main_window.h"
#include "race_controls.h"
#include "race_tick.h"
#include "run_state.h"
#include "serial_port.h"
#include "sound.h"
#include "transponder_scan.h"

uint32_t g_countdown_start_tick;
int32_t g_countdown_elapsed_seconds;
int32_t g_countdown_elapsed_ms;
int32_t g_countdown_remaining;
int32_t g_ms_since_redraw;
uint32_t g_countdown_redraw_tick;
int32_t g_countdown_announced[COUNTDOWN_ANNOUNCEMENT_COUNT];

int32_t g_decoder_synced;
int32_t g_sync_request_sent;
int64_t g_qpc_frequency;
int64_t g_qpc_origin;
int64_t g_qpc_now;
uint32_t g_race_start_tick;
int64_t g_race_origin_ms;

int32_t g_clock_hours;
int32_t g_clock_minutes;
int32_t g_race_length_ms;
uint32_t g_clock_redraw_tick;

namespace {

struct CountdownAnnouncement {
    int32_t seconds_left;
    const char *french_file;
    const char *english_file;
};

const CountdownAnnouncement COUNTDOWN_ANNOUNCEMENTS[COUNTDOWN_ANNOUNCEMENT_COUNT] = {
    {3600, "sons/60minutes.wav", "sons/60minutesGB.wav"},
    {1800, "sons/30minutes.wav", "sons/30minutesGB.wav"},
    {900, "sons/15minutes.wav", "sons/15minutesGB.wav"},
    {300, "sons/5minutes.wav", "sons/5minutesGB.wav"},
    {120, "sons/2minutes.wav", "sons/2minutesGB.wav"},
    {60, "sons/1minute.wav", "sons/1minuteGB.wav"},
    {30, "sons/30secondes.wav", "sons/30secondesGB.wav"},
    {10, "sons/10secondes.wav", "sons/10secondesGB.wav"},
    {5, "sons/cinq.wav", "sons/cinqGB.wav"},
    {4, "sons/quatre.wav", "sons/quatreGB.wav"},
    {3, "sons/trois.wav", "sons/troisGB.wav"},
    {2, "sons/deux.wav", "sons/deuxGB.wav"},
    {1, "sons/un.wav", "sons/unGB.wav"},
};

int32_t decoder_is_vq1(void)
{
    return strcmp(g_decoder_kind, DECODER_KIND_VQ1) == 0;
}

int32_t decoder_is_vq2(void)
{
    return strcmp(g_decoder_kind, DECODER_KIND_VQ2_USB) == 0 ||
           strcmp(g_decoder_kind, DECODER_KIND_VQ2_BLUETOOTH) == 0;
}

// The moment from which counter-timed passings count.
void take_counter_origin(void)
{
    g_qpc_frequency = read_performance_frequency();
    g_qpc_origin = read_performance_counter();
}

void decoder_synced(void)
{
    g_decoder_synced = 1;
    g_race_start_tick = 0;
    take_counter_origin();
}

void announce_countdown(void)
{
    if (strcmp(g_sound_countdown, SOUND_COUNTDOWN_ON) != 0)
        return;
    for (int32_t i = 0; i < COUNTDOWN_ANNOUNCEMENT_COUNT; i++) {
        const CountdownAnnouncement &a = COUNTDOWN_ANNOUNCEMENTS[i];
        if (a.seconds_left == g_countdown_remaining && !g_countdown_announced[i]) {
            play_announcement(a.french_file, a.english_file);
            g_countdown_announced[i] = 1;
        }
    }
}

void count_down(void)
{
    compute_countdown(&g_countdown_start_tick, &g_countdown_seconds,
                      &g_countdown_elapsed_seconds, &g_countdown_elapsed_ms,
                      &g_countdown_remaining, &g_ms_since_redraw, &g_countdown_redraw_tick);
    // Once a second, early in the second; the count that reaches 0 is not
    // shown, the last second stays on the board.
    if (g_countdown_remaining > 0 && g_countdown_elapsed_ms >= 1 &&
        g_countdown_elapsed_ms <= 99 && g_ms_since_redraw > 200) {
        snprintf(g_text_countdown, sizeof g_text_countdown, "%ds",
                 static_cast<int>(g_countdown_remaining));
        redraw_area(&g_board_layout.countdown);
        g_countdown_redraw_tick = read_tick_count();
    }
    announce_countdown();
    // What the decoder sends before the start belongs to no race.
    drain_com_port();
}

// A VQ2 decoder restarts its clock at our request and answers with the time
// it then reads; only 00:00:00 is taken. No answer keeps the race armed
// until Arret.
void sync_decoder_clock(void)
{
    if (decoder_is_vq1()) {
        decoder_synced();
        return;
    }
    if (!decoder_is_vq2())
        return;
    if (!g_sync_request_sent) {
        drain_com_port();
        int32_t written = 0;
        write_com_port(reset_clock_request, REQUEST_LENGTH, &written);
        g_sync_request_sent = 1;
    }
    unsigned char bytes[COM_READ_BUFFER];
    int32_t count = 0;
    if (!read_com_port(bytes, COM_READ_MAX, &count) || count <= 0)
        return;
    const int32_t answer = parse_reset_answer_bytes(bytes, count);
    if (answer == RESET_ANSWER_NONE)
        return;
    // A refusal sends the request again at the next tick.
    g_sync_request_sent = 0;
    if (answer == RESET_ANSWER_ACCEPTED)
        decoder_synced();
}

void signal_start(void)
{
    if (strcmp(g_sound_start, SOUND_START_ON) == 0)
        play_sound_async(SOUND_FOGHORN);
    // Every car starts now: the counter origin is taken again at the signal.
    take_counter_origin();
    start_race();
    g_race_origin_ms = 0;
    for (int32_t row = 0; row < g_car_count && row < GRID_SLOTS; row++)
        lstrcpynA(g_board_rows[row].race_time_text, "00:00.000",
                  sizeof g_board_rows[row].race_time_text);
    redraw_area(&g_board_layout.board);
}

// The first grid car over the line starts a first-car race: its passing is
// time 0 of the race, and of every passing after it.
void take_first_car_passing(const DecoderPassing *passing)
{
    g_qpc_now = passing->counter;
    for (int32_t j = 0; j < GRID_SLOTS; j++) {
        CarRecord *car = &g_car_records[j];
        if (strncmp(car->transponder, passing->transponder, sizeof car->transponder) != 0)
            continue;
        if (g_race_start_tick == 0) {
            start_race();
            if (strcmp(g_sound_start, SOUND_START_ON) == 0)
                play_sound_async(SOUND_FOGHORN);
        }
        if (decoder_is_vq1()) {
            int64_t ms = 0;
            if (counter_ms_since_origin(g_qpc_now, &ms)) {
                if (g_race_origin_ms == 0)
                    g_race_origin_ms = ms;
                car->passage_time = ms - g_race_origin_ms;
            }
        } else {
            if (g_race_origin_ms == 0)
                g_race_origin_ms = passing->passing_ms;
            car->passage_time = passing->passing_ms - g_race_origin_ms;
        }
        const int32_t t = low_32_bits(car->passage_time);
        car->lap_candidate = low_32_bits(static_cast<int64_t>(t) - car->race_times[car->laps]);
        if (car->lap_candidate <= static_cast<int64_t>(g_protection_seconds) * 1000 &&
            car->laps != 0)
            continue;

        record_lap(g_car_records, j, g_start_mode);
        const int32_t ends_race = finish_first_laps(car);
        refresh_ranking();
        if (ends_race)
            click_stop();
        else
            announce_car_finish(j);
        redraw_area(&g_board_layout.board);
        car->just_recorded = 0;
    }
}

void wait_for_first_car(void)
{
    static const PassingHandover first_car = {take_first_car_passing, 1};
    read_passings(&first_car);
}

}  // namespace

void read_passings(const PassingHandover *handover)
{
    unsigned char bytes[COM_READ_BUFFER];
    int32_t count = 0;
    if (read_com_port(bytes, COM_READ_MAX, &count) && count > 0)
        parse_stream_bytes(bytes, count, g_decoder_kind, handover);
}

int32_t finish_first_laps(CarRecord *car)
{
    if (!race_by_laps() || car->laps != g_race_laps)
        return 0;
    if (strcmp(g_lap_end_mode, LAP_END_SIGNAL) == 0)
        return 1;
    car->finished = 1;
    return 0;
}

int32_t counter_ms_since_origin(int64_t now, int64_t *ms)
{
    return counter_elapsed_ms(g_qpc_origin, now, g_qpc_frequency, ms);
}

void start_race(void)
{
    g_race_start_tick = read_tick_count();
    // A new race or scan now needs Effacer or a new grid.
    g_results_clean = 0;
    g_scan_ready = 0;
    g_race_armed = 0;
    g_race_running = 1;
    g_clock_redraw_tick = read_tick_count();
    // The first race tick computes the clock.
    g_remaining_seconds = 1;
    if (strcmp(g_race_mode, RACE_MODE_TIME) == 0) {
        g_clock_hours = g_race_hours;
        g_clock_minutes = g_race_minutes;
    } else if (strcmp(g_race_mode, RACE_MODE_LAPS) == 0) {
        g_clock_hours = 24;
        g_clock_minutes = 0;
    }
    // Hours from a hand-edited file could pass what 32 bits hold.
    const int64_t length = static_cast<int64_t>(g_clock_hours) * 3600000 +
                           static_cast<int64_t>(g_clock_minutes) * 60000;
    g_race_length_ms = length > INT32_MAX   ? INT32_MAX
                       : length < INT32_MIN ? INT32_MIN
                                            : static_cast<int32_t>(length);
}

void run_countdown(void)
{
    if (g_countdown_remaining > 0) {
        count_down();
        return;
    }
    if (!g_decoder_synced)
        sync_decoder_clock();
    if (!g_decoder_synced)
        return;
    if (strcmp(g_start_mode, START_FIRST_CAR) == 0)
        wait_for_first_car();
    else if (strcmp(g_start_mode, START_SOUND_SIGNAL) == 0 ||
             strcmp(g_start_mode, START_STAGGERED) == 0)
        signal_start();
}

int32_t run_engine_tick(void)
{
    if (!g_interface_loaded)
        reload_interface_settings();
    if (g_keepalive_active)
        send_keepalive();
    reconnect_decoder();
    if (g_race_armed)
        run_countdown();
    if (g_race_running)
        run_race_tick();
    if (g_scan_active)
        run_scan_tick();
    if (!g_race_armed && !g_race_running && !g_scan_active && !g_pilot_dialog_open)
        drain_com_port();
    return 0;
}
