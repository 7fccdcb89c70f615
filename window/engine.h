// The 10 ms race engine: what every tick of the main window's timer runs, in
// a fixed order, and the countdown that turns an armed race into a running
// one, with the decoder clock's synchronisation and the three start types.
#ifndef ENGINE_H
#define ENGINE_H

#include <stdint.h>

#include "decoder_protocol.h"
#include "race_model.h"

enum {
    COUNTDOWN_ANNOUNCEMENT_COUNT = 13,
};

// Countdown, armed by Depart.
extern uint32_t g_countdown_start_tick;
extern int32_t g_countdown_elapsed_seconds;
extern int32_t g_countdown_elapsed_ms;
extern int32_t g_countdown_remaining;  // over at 0 or below
extern int32_t g_ms_since_redraw;      // shared by the countdown and the race clock
extern uint32_t g_countdown_redraw_tick;
extern int32_t g_countdown_announced[COUNTDOWN_ANNOUNCEMENT_COUNT];

// The race's time base: the decoder's clock (VQ2, reset at the end of the
// countdown) or the performance counter (VQ1 and the passage buttons).
extern int32_t g_decoder_synced;
extern int32_t g_sync_request_sent;
extern int64_t g_qpc_frequency;
extern int64_t g_qpc_origin;
extern int64_t g_qpc_now;
extern uint32_t g_race_start_tick;  // 0 until the first car starts a first-car race
extern int64_t g_race_origin_ms;    // subtracted from every passage time

// Race clock: its length (24 h for a race by laps) and its redraw cadence.
extern int32_t g_clock_hours;
extern int32_t g_clock_minutes;
extern int32_t g_race_length_ms;
extern uint32_t g_clock_redraw_tick;

// WM_TIMER of the main window: link supervision, then countdown, race, scan
// or idle, each tested at the moment of its turn. Returns 0.
int32_t run_engine_tick(void);

// The countdown section, run while a race is armed.
void run_countdown(void);

// What every start does: race clock origin, run-state flags, clock length.
void start_race(void);

// One read of the port (up to 255 bytes), each passing in it handed over
// as it completes.
void read_passings(const PassingHandover *handover);

// The lap target of a race by laps reached at the start of the race:
// returns 1 when that ends the race (the signal end), else marks the car
// finished under the other end rules and returns 0.
int32_t finish_first_laps(CarRecord *car);

// Milliseconds from the counter origin to the counter reading now, when the
// counter has a frequency; returns 0 and leaves *ms alone otherwise.
int32_t counter_ms_since_origin(int64_t now, int64_t *ms);

#endif
