// The running race: the race clock and its announcements, the passings read
// from the decoder or entered with the passage buttons, the finish rules,
// the live ranking, and the end of the race.
#ifndef RACE_TICK_H
#define RACE_TICK_H

#include <stdint.h>

#include "race_model.h"

extern TimeSplit g_race_elapsed;
extern int32_t g_remaining_hours;
extern int32_t g_remaining_minutes;
extern int32_t g_remaining_seconds;
extern int32_t g_half_time_announced;
extern int32_t g_five_minutes_announced;
extern int32_t g_one_minute_announced;
extern int32_t g_time_up_signalled;

// The race section of the engine tick: clock or time-up, one read of the
// port with every passing in it, then the end tests.
void run_race_tick(void);

// One passing of the decoder: transponder text ("%06d") and, for a VQ2, the
// decoder time in ms; a VQ1 passing is timed by g_qpc_now. Every grid car
// with that transponder that has not finished gets it, under the protection
// time.
void process_passing(const char *transponder, int32_t passing_ms);

// Marks the car finished when the race options say it has.
void apply_finish_rules(int32_t car);

// Ranks the field by the ranking keyword and rewrites the board texts.
void refresh_ranking(void);

// The car's finish announcement, when finish announcements are on and the
// car has finished.
void announce_car_finish(int32_t car);

// Stops the race when its clock has run out or every car has finished.
void check_race_end(void);

// The manual passage button of grid slot car (0 to 19): a lap, never
// refused, or the start of a first-car race.
void record_manual_passage(int32_t car);

// Which kind of race the race length settings describe.
int32_t race_by_time(void);
int32_t race_by_laps(void);

#endif
