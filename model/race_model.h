// The race model: records, limits, race globals and every operation on them.
// Portable C++: no window system here, so it builds and is tested natively too.
#ifndef RACE_MODEL_H
#define RACE_MODEL_H

#include <stdint.h>

// ---------------------------------------------------------------------------
// Limits and sentinel times (signed 32-bit milliseconds)

enum {
    MAX_PILOTS = 1000,
    GRID_SLOTS = 20,
    MAX_LAPS = 5000,
};

const int32_t NO_TIME = 1500000000;
const int32_t NO_BEST_LAP = 1000000000;
const int32_t ZERO_LAP_TIME = 1400000000;
const int32_t ONE_LAP_BEST = 1390000000;
const int32_t RANKED_MARK = 1600000000;

// ---------------------------------------------------------------------------
// Records

struct PilotRecord {
    char name[50];
    char transponder[7];
};

struct TimeSplit {
    int32_t hours;
    int32_t minutes;
    int32_t seconds;
    int32_t milliseconds;
};

struct CarRecord {
    char name[50];
    char transponder[10];
    int32_t grid_number;
    int32_t laps;
    int32_t race_times[MAX_LAPS];
    int32_t lap_times[MAX_LAPS];
    int32_t lap_positions[MAX_LAPS];
    int32_t best_lap;
    int32_t finished;
    int32_t just_recorded;
    int32_t new_personal_best;
    int32_t holds_race_best;
    int32_t scan_assigned;
    int32_t since_buzz;
    int32_t buzz_reference;
    int32_t start_offset;
    int64_t passage_time;
    int32_t lap_candidate;
};

struct RankingRow {
    char name[50];
    char transponder[10];
    int32_t grid_number;
    int32_t laps;
    int32_t race_time;
    int32_t last_lap;
    int32_t best_lap;
    int32_t laps_behind_leader;
    int32_t gap_leader;
    int32_t laps_behind_ahead;
    int32_t gap_ahead;
    int32_t finished;
    int32_t just_recorded;
    int32_t new_personal_best;
    int32_t holds_race_best;
    TimeSplit race_time_split;
    TimeSplit last_lap_split;
    TimeSplit best_lap_split;
    TimeSplit gap_leader_split;
    TimeSplit gap_ahead_split;
};

struct BoardRow {
    char name[50];
    char transponder[7];
    char position[3];
    char grid_text[10];
    char laps_text[7];
    char race_time_text[20];
    char last_lap_text[20];
    char best_lap_text[20];
    char gap_leader_text[20];
    char gap_ahead_text[20];
    int32_t finished;
    int32_t just_recorded;
    int32_t new_personal_best;
    int32_t holds_race_best;
};

// ---------------------------------------------------------------------------
// Race globals (static storage for the whole run)

extern PilotRecord g_pilot_records[MAX_PILOTS];
extern PilotRecord g_pilot_dialog_records[MAX_PILOTS];
extern PilotRecord g_grid_dialog_records[MAX_PILOTS];
extern PilotRecord g_grid_composition[GRID_SLOTS];
extern PilotRecord g_grid_dialog_composition[GRID_SLOTS];

extern CarRecord g_car_records[GRID_SLOTS];
extern RankingRow g_ranking[GRID_SLOTS];
extern BoardRow g_board_rows[GRID_SLOTS];
extern int32_t g_car_count;
extern int32_t g_race_best_lap;

// The laps-behind text of a gap cell; defined by each build's texts unit.
extern const char LAPS_BEHIND_FORMAT[];

// ---------------------------------------------------------------------------
// Clock seam: every reading of a clock goes through here, so tests can drive
// time. The program installs the system's clocks at start-up; until then a
// portable monotonic clock answers.

struct TimeSource {
    uint32_t (*tick_count)(void);           // 32-bit milliseconds, wraps around
    int64_t (*performance_counter)(void);
    int64_t (*performance_frequency)(void);
};

void set_time_source(const TimeSource *source);  // 0 restores the default
uint32_t read_tick_count(void);
int64_t read_performance_counter(void);
int64_t read_performance_frequency(void);

// ---------------------------------------------------------------------------
// Race set-up

void init_car_records(CarRecord *cars, const PilotRecord *grid);
int32_t init_ranking_rows(RankingRow *rows, const PilotRecord *grid);
void init_board_rows(BoardRow *board, const RankingRow *rows, int32_t n);
void clear_buffer(void *buffer, int32_t n);

// Bounded text writing shared by the set-up, the rankings and the board: each
// writes at most size bytes, NUL included (nothing when size < 1), and reads a
// source text no further than its field, terminated or not.
void copy_text(char *text, int32_t size, const char *source, int32_t source_size);
// The format's "%d" stand for the value; every other byte is copied.
void format_int_text(char *text, int32_t size, const char *format, int32_t value);
// Name, transponder, grid and laps texts of a board row from its ranking row.
void format_board_identity(BoardRow *board_row, const RankingRow *row);

// ---------------------------------------------------------------------------
// Lap recording and race best lap

void record_lap(CarRecord *cars, int32_t car, const char *start_key);
void update_race_best_lap(int32_t *race_best_lap, CarRecord *cars, int32_t car);

// ---------------------------------------------------------------------------
// Rankings and gaps

void rank_by_laps_then_time(const CarRecord *cars, RankingRow *rows, int32_t n);
void rank_by_best_lap(const CarRecord *cars, RankingRow *rows, int32_t n);
void compute_gaps_by_laps_then_time(RankingRow *rows, int32_t n);
void compute_gaps_by_best_lap(RankingRow *rows, int32_t n);

// ---------------------------------------------------------------------------
// Time texts, clocks and board texts

void split_milliseconds(int32_t time, int32_t *hours, int32_t *minutes,
                        int32_t *seconds, int32_t *milliseconds);
// Writes at most 20 bytes, NUL included.
void format_time(char *text, int32_t hours, int32_t minutes, int32_t seconds,
                 int32_t milliseconds);
void split_ranking_times(RankingRow *rows, int32_t n);
void format_board_rows(const RankingRow *rows, BoardRow *board, const char *ranking_key,
                       const char *laps_then_time_key, const char *best_lap_key,
                       int32_t n);
void compute_countdown(const uint32_t *start_tick, const int32_t *length_seconds,
                       int32_t *elapsed_seconds, int32_t *elapsed_ms,
                       int32_t *remaining_seconds, int32_t *ms_since_redraw,
                       const uint32_t *redraw_tick);
void compute_race_clock(const uint32_t *start_tick, const int32_t *length_hours,
                        const int32_t *length_minutes, int32_t *elapsed_hours,
                        int32_t *elapsed_minutes, int32_t *elapsed_seconds,
                        int32_t *elapsed_ms, int32_t *remaining_hours,
                        int32_t *remaining_minutes, int32_t *remaining_seconds,
                        int32_t *ms_since_redraw, const uint32_t *redraw_tick);

// ---------------------------------------------------------------------------
// Data files (pilot database, grid and settings, display settings, results)
// are declared below this line.

#endif
