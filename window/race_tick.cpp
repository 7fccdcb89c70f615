// The race section of the engine tick and the passage buttons: race clock and
// its announcements, passings under the protection time, finish rules, live
// ranking, passing sounds, and the end of the race by a click on Arret.
#include "race_tick.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "decoder_protocol.h"
#include "engine.h"
#include "interface_settings.h"
#include "main_window.h"
#include "race_controls.h"
#include "run_state.h"
#include "serial_port.h"
#include "sound.h"
#include "window_texts.h"

TimeSplit g_race_elapsed;
int32_t g_remaining_hours;
int32_t g_remaining_minutes;
int32_t g_remaining_seconds;
int32_t g_half_time_announced;
int32_t g_five_minutes_announced;
int32_t g_one_minute_announced;
int32_t g_time_up_signalled;

namespace {

// Two refusal buzzes of one car are more than this apart...
const int32_t BUZZ_SPACING_MS = 1000;
// ...and a refused passing this close to the last lap never buzzes.
const int32_t BUZZ_QUIET_MS = 2000;

int32_t is(const char *setting, const char *keyword)
{
    return strcmp(setting, keyword) == 0;
}

int32_t passage_ms(const CarRecord *car)
{
    return low_32_bits(car->passage_time);
}

int32_t protection_ms_exceeded(int32_t lap_candidate)
{
    return lap_candidate > static_cast<int64_t>(g_protection_seconds) * 1000;
}

// A counter-timed passing: from the counter reading in g_qpc_now. Without a
// counter frequency the car's previous passage time stands.
void time_by_counter(CarRecord *car)
{
    int64_t ms = 0;
    if (counter_ms_since_origin(g_qpc_now, &ms))
        car->passage_time = ms - g_race_origin_ms;
}

void write_clock_texts(void)
{
    if (race_by_time()) {
        snprintf(g_text_race_length, sizeof g_text_race_length, "%d:%02d:00",
                 static_cast<int>(g_clock_hours), static_cast<int>(g_clock_minutes));
        snprintf(g_text_remaining, sizeof g_text_remaining, "%d:%02d:%02d",
                 static_cast<int>(g_remaining_hours), static_cast<int>(g_remaining_minutes),
                 static_cast<int>(g_remaining_seconds));
    } else {
        snprintf(g_text_race_length, sizeof g_text_race_length, RACE_LENGTH_LAPS_FORMAT,
                 static_cast<int>(g_race_laps));
        g_text_remaining[0] = 0;
    }
    snprintf(g_text_elapsed, sizeof g_text_elapsed, "%d:%02d:%02d",
             static_cast<int>(g_race_elapsed.hours), static_cast<int>(g_race_elapsed.minutes),
             static_cast<int>(g_race_elapsed.seconds));
}

// The guards read the race length setting, in a race by laps too: a short
// race has no five-minute or one-minute call.
void announce_race_clock(void)
{
    if (!is(g_sound_clock, SOUND_CLOCK_ON))
        return;
    if (g_race_elapsed.hours == g_remaining_hours &&
        g_race_elapsed.minutes == g_remaining_minutes &&
        g_race_elapsed.seconds == g_remaining_seconds && !g_half_time_announced) {
        play_announcement("sons/miCourse.wav", "sons/miCourseGB.wav");
        g_half_time_announced = 1;
    }
    if ((g_race_hours >= 1 || (g_race_hours == 0 && g_race_minutes > 12)) &&
        g_remaining_hours == 0 && g_remaining_minutes == 4 && !g_five_minutes_announced) {
        play_announcement("sons/5minutes.wav", "sons/5minutesRaceGB.wav");
        g_five_minutes_announced = 1;
    }
    if ((g_race_hours >= 1 || (g_race_hours == 0 && g_race_minutes > 2)) &&
        g_remaining_hours == 0 && g_remaining_minutes == 0 && !g_one_minute_announced) {
        play_announcement("sons/1minute.wav", "sons/1minuteGB.wav");
        g_one_minute_announced = 1;
    }
}

void update_race_clock(void)
{
    compute_race_clock(&g_race_start_tick, &g_clock_hours, &g_clock_minutes,
                       &g_race_elapsed.hours, &g_race_elapsed.minutes, &g_race_elapsed.seconds,
                       &g_race_elapsed.milliseconds, &g_remaining_hours, &g_remaining_minutes,
                       &g_remaining_seconds, &g_ms_since_redraw, &g_clock_redraw_tick);
    // Once a second at most, in the first tick of the second.
    if (g_race_elapsed.milliseconds >= 1 && g_race_elapsed.milliseconds <= 99 &&
        g_ms_since_redraw > 200) {
        g_clock_redraw_tick = read_tick_count();
        write_clock_texts();
        redraw_area(&g_board_layout.clocks);
    }
    announce_race_clock();
}

// The clock has run out: it stops where it was last drawn. A staggered race
// gets no signal, its cars having started at different times.
void signal_time_up(void)
{
    if (g_remaining_hours == 0 && g_remaining_minutes == 0 && !g_time_up_signalled &&
        !is(g_start_mode, START_STAGGERED)) {
        play_sound_async(SOUND_FOGHORN);
        g_time_up_signalled = 1;
    }
}

// The stop tests after a recorded lap; returns 1 when the lap ended the race.
int32_t lap_ends_race(const CarRecord *car)
{
    int32_t ended = 0;
    // The lap arrays end at lap 4999.
    if (race_by_time() && car->laps == MAX_LAPS - 1) {
        click_stop();
        ended = 1;
    }
    if (race_by_laps() && car->laps == g_race_laps && is(g_lap_end_mode, LAP_END_SIGNAL)) {
        click_stop();
        ended = 1;
    }
    // A lap target beyond the arrays (or a finish keyword that never marks a
    // car) would let a car run on with nowhere to record its laps.
    if (!race_by_time() && car->laps == MAX_LAPS - 1 && !car->finished) {
        click_stop();
        ended = 1;
    }
    return ended;
}

void play_passing_sound(const CarRecord *car)
{
    if (is(g_sound_best_lap, SOUND_BEST_LAP_ON) && car->new_personal_best) {
        if (!car->finished)
            play_sound_async(SOUND_YOUPI);
    } else if (is(g_sound_passing, SOUND_PASSING_ON) && !car->finished) {
        play_sound_async(SOUND_BEEP);
    }
}

// An accepted passing of car j, whose passage time and lap candidate are set.
void record_accepted_lap(int32_t j)
{
    CarRecord *car = &g_car_records[j];
    record_lap(g_car_records, j, g_start_mode);
    update_race_best_lap(&g_race_best_lap, g_car_records, j);
    apply_finish_rules(j);
    refresh_ranking();
    const int32_t ended = lap_ends_race(car);
    play_passing_sound(car);
    if (!ended)
        announce_car_finish(j);
    redraw_area(&g_board_layout.board);
    car->just_recorded = 0;
}

void take_race_passing(const DecoderPassing *passing)
{
    g_qpc_now = passing->counter;
    process_passing(passing->transponder, passing->passing_ms);
}

// The race start of a first-car race by a passage button: that car's press
// is time 0 of the race. Its lap is written in place and ranked without gaps.
void start_on_first_passage(int32_t c)
{
    CarRecord *car = &g_car_records[c];
    if (is(g_sound_start, SOUND_START_ON))
        play_sound_async(SOUND_FOGHORN);
    start_race();
    g_qpc_frequency = read_performance_frequency();
    g_qpc_now = read_performance_counter();
    int64_t ms = 0;
    if (counter_ms_since_origin(g_qpc_now, &ms)) {
        g_race_origin_ms = ms;
        car->passage_time = 0;
    }
    if (car->laps < 0 || car->laps >= MAX_LAPS - 1)
        return;
    const int32_t t = passage_ms(car);
    car->lap_candidate = low_32_bits(static_cast<int64_t>(t) - car->race_times[car->laps]);
    car->laps += 1;
    car->race_times[car->laps] = t;
    car->lap_times[car->laps] = car->lap_candidate;
    car->just_recorded = 1;

    const int32_t ends_race = finish_first_laps(car);
    if (is(g_ranking_key, RANKING_LAPS_THEN_TIME))
        rank_by_laps_then_time(g_car_records, g_ranking, g_car_count);
    else if (is(g_ranking_key, RANKING_BEST_LAP))
        rank_by_best_lap(g_car_records, g_ranking, g_car_count);
    split_ranking_times(g_ranking, g_car_count);
    if (ends_race)
        click_stop();

    for (int32_t r = 0; r < g_car_count && r < GRID_SLOTS; r++) {
        BoardRow *b = &g_board_rows[r];
        const RankingRow *row = &g_ranking[r];
        format_board_identity(b, row);
        snprintf(b->race_time_text, sizeof b->race_time_text, "%d:%02d.%03d",
                 static_cast<int>(row->race_time_split.minutes),
                 static_cast<int>(row->race_time_split.seconds),
                 static_cast<int>(row->race_time_split.milliseconds));
    }
    if (g_car_count > 0) {
        BoardRow *b = &g_board_rows[0];
        const RankingRow *row = &g_ranking[0];
        const TimeSplit *splits[] = {&row->last_lap_split, &row->best_lap_split,
                                     &row->gap_leader_split, &row->gap_ahead_split};
        char *texts[] = {b->last_lap_text, b->best_lap_text, b->gap_leader_text,
                         b->gap_ahead_text};
        for (int32_t i = 0; i < 4; i++)
            snprintf(texts[i], sizeof b->last_lap_text, "%d.%03d",
                     static_cast<int>(splits[i]->seconds),
                     static_cast<int>(splits[i]->milliseconds));
        b->finished = row->finished;
        b->just_recorded = row->just_recorded;
    }
    if (!ends_race)
        announce_car_finish(c);
    redraw_area(&g_board_layout.board);
    car->just_recorded = 0;
}

}  // namespace

int32_t race_by_time(void)
{
    return is(g_race_mode, RACE_MODE_TIME);
}

int32_t race_by_laps(void)
{
    return is(g_race_mode, RACE_MODE_LAPS);
}

void run_race_tick(void)
{
    if (g_remaining_hours > 0 || g_remaining_minutes > 0 || g_remaining_seconds > 0)
        update_race_clock();
    else
        signal_time_up();
    static const PassingHandover race = {take_race_passing, 1};
    read_passings(&race);
    check_race_end();
}

void process_passing(const char *transponder, int32_t passing_ms)
{
    const int32_t vq1 = is(g_decoder_kind, DECODER_KIND_VQ1);
    const int32_t vq2 = is(g_decoder_kind, DECODER_KIND_VQ2_USB) ||
                        is(g_decoder_kind, DECODER_KIND_VQ2_BLUETOOTH);
    // One transponder may serve two grid slots: each gets the passing.
    for (int32_t j = 0; j < GRID_SLOTS; j++) {
        CarRecord *car = &g_car_records[j];
        if (car->finished ||
            strncmp(car->transponder, transponder, sizeof car->transponder) != 0)
            continue;
        if (vq1)
            time_by_counter(car);
        else if (vq2)
            car->passage_time = static_cast<int64_t>(passing_ms) - g_race_origin_ms;
        const int64_t since_start = static_cast<int64_t>(passage_ms(car)) - car->start_offset;
        car->lap_candidate = low_32_bits(since_start - car->race_times[car->laps]);
        car->since_buzz = low_32_bits(since_start - car->buzz_reference);

        // The crossing from the grid is always taken.
        const int32_t from_grid = car->laps == 0 && car->start_offset == 0;
        if (protection_ms_exceeded(car->lap_candidate) || from_grid) {
            record_accepted_lap(j);
        } else if (is(g_sound_passing, SOUND_PASSING_ON) &&
                   car->since_buzz > BUZZ_SPACING_MS && car->lap_candidate > BUZZ_QUIET_MS) {
            play_sound_async(SOUND_BUZZ);
            car->buzz_reference = low_32_bits(since_start);
        }
    }
}

void apply_finish_rules(int32_t j)
{
    CarRecord *car = &g_car_records[j];
    if (race_by_time() && car->race_times[car->laps] >= g_race_length_ms &&
        is(g_time_end_mode, TIME_END_FINISH_LAP))
        car->finished = 1;
    if (race_by_laps() && is(g_lap_end_mode, LAP_END_FINISH_LAP)) {
        // Once the first car has done all its laps, every other car
        // finishes at its next passing.
        if (car->laps == g_race_laps)
            car->finished = 1;
        for (int32_t k = 0; k < GRID_SLOTS; k++)
            if (!is_empty_slot_name(g_car_records[k].name) && g_car_records[k].finished)
                car->finished = 1;
    }
    if (race_by_laps() && car->laps == g_race_laps && is(g_lap_end_mode, LAP_END_ALL_LAPS))
        car->finished = 1;
}

void refresh_ranking(void)
{
    if (is(g_ranking_key, RANKING_LAPS_THEN_TIME)) {
        rank_by_laps_then_time(g_car_records, g_ranking, g_car_count);
        compute_gaps_by_laps_then_time(g_ranking, g_car_count);
    } else if (is(g_ranking_key, RANKING_BEST_LAP)) {
        rank_by_best_lap(g_car_records, g_ranking, g_car_count);
        compute_gaps_by_best_lap(g_ranking, g_car_count);
    }
    split_ranking_times(g_ranking, g_car_count);
    format_board_rows(g_ranking, g_board_rows, g_ranking_key, RANKING_LAPS_THEN_TIME,
                      RANKING_BEST_LAP, g_car_count);
}

void announce_car_finish(int32_t car)
{
    if (!is(g_sound_car_end, SOUND_CAR_END_ON) || !g_car_records[car].finished)
        return;
    char file[40];
    if (is(g_sound_language, SOUND_LANGUAGE_FRENCH))
        snprintf(file, sizeof file, "sons/FinCourseVoiture%d.wav", static_cast<int>(car + 1));
    else if (is(g_sound_language, SOUND_LANGUAGE_ENGLISH))
        snprintf(file, sizeof file, "sons/FinCourseVoiture%dGB.wav", static_cast<int>(car + 1));
    else
        return;
    play_sound_async(file);
}

void check_race_end(void)
{
    const int32_t clock_out =
        g_remaining_hours == 0 && g_remaining_minutes == 0 && g_remaining_seconds <= 0;
    if (race_by_time() && clock_out && is(g_time_end_mode, TIME_END_SIGNAL))
        click_stop();
    // A race by laps runs on a 24-hour clock.
    if (race_by_laps() && clock_out)
        click_stop();
    int32_t finished = 0;
    for (int32_t k = 0; k < GRID_SLOTS; k++)
        finished += g_car_records[k].finished == 1;
    if (finished == GRID_SLOTS)
        click_stop();
}

void record_manual_passage(int32_t c)
{
    if (c < 0 || c >= GRID_SLOTS)
        return;
    CarRecord *car = &g_car_records[c];
    if (g_race_running == 1 && !car->finished) {
        // Never refused, and timed by the computer whatever the decoder.
        g_qpc_now = read_performance_counter();
        time_by_counter(car);
        car->lap_candidate = low_32_bits(static_cast<int64_t>(passage_ms(car)) -
                                         car->start_offset - car->race_times[car->laps]);
        record_accepted_lap(c);
    } else if (g_race_armed == 1 && g_countdown_remaining <= 0 &&
               is(g_start_mode, START_FIRST_CAR)) {
        start_on_first_passage(c);
    }
}
