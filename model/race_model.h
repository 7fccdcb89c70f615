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

// How much of every record's transponder text is cleared or copied: the grid's
// six digits and their NUL, in the longer fields of the other records too.
const int32_t TRANSPONDER_FIELD = sizeof(PilotRecord::transponder);

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

// The low 32 bits of a time, as int32 arithmetic leaves them: times from a
// decoder that ran for days must not make the sums overflow.
inline int32_t low_32_bits(int64_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// ---------------------------------------------------------------------------
// Race set-up

void init_car_records(CarRecord *cars, const PilotRecord *grid);
int32_t init_ranking_rows(RankingRow *rows, const PilotRecord *grid);
void init_board_rows(BoardRow *board, const RankingRow *rows, int32_t n);
void clear_buffer(void *buffer, int32_t n);

// The name of an empty grid slot. Only this exact name marks one: "(na)" or
// "(NA) Jr" are cars.
extern const char EMPTY_SLOT_NAME[5];
int32_t is_empty_slot_name(const char *name);

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

// ---------------------------------------------------------------------------
// Keyword vocabulary of the settings files, compared whole and case-sensitive

inline constexpr char RACE_MODE_TIME[] = "MODECOURSETemps";
inline constexpr char RACE_MODE_LAPS[] = "MODECOURSETours";
inline constexpr char RANKING_LAPS_THEN_TIME[] = "CLASSEMENTToursTemps";
inline constexpr char RANKING_BEST_LAP[] = "CLASSEMENTMeilleurTour";
inline constexpr char START_SOUND_SIGNAL[] = "DEPARTSignalSonore";
inline constexpr char START_FIRST_CAR[] = "DEPARTPremiereVoiture";
inline constexpr char START_STAGGERED[] = "DEPARTDecale";
inline constexpr char TIME_END_SIGNAL[] = "FINTEMPSSignalSonore";
inline constexpr char TIME_END_FINISH_LAP[] = "FINTEMPSFinirTour";
inline constexpr char LAP_END_SIGNAL[] = "FINTOURSignalSonore";
inline constexpr char LAP_END_FINISH_LAP[] = "FINTOURFinirTour";
inline constexpr char LAP_END_ALL_LAPS[] = "FINTOURFaireTousLesTours";
inline constexpr char SOUND_LANGUAGE_FRENCH[] = "SONLANGUEFrancais";
inline constexpr char SOUND_LANGUAGE_ENGLISH[] = "SONLANGUEAnglais";
inline constexpr char SOUND_COUNTDOWN_ON[] = "SONDECOMPTEoui";
inline constexpr char SOUND_COUNTDOWN_OFF[] = "SONDECOMPTEnon";
inline constexpr char SOUND_START_ON[] = "SONDEPARToui";
inline constexpr char SOUND_START_OFF[] = "SONDEPARTnon";
inline constexpr char SOUND_PASSING_ON[] = "SONPASSAGEoui";
inline constexpr char SOUND_PASSING_OFF[] = "SONPASSAGEnon";
inline constexpr char SOUND_BEST_LAP_ON[] = "SONMEILLEURTOURoui";
inline constexpr char SOUND_BEST_LAP_OFF[] = "SONMEILLEURTOURnon";
inline constexpr char SOUND_CLOCK_ON[] = "SONHORLOGEoui";
inline constexpr char SOUND_CLOCK_OFF[] = "SONHORLOGEnon";
inline constexpr char SOUND_RACE_END_ON[] = "SONFINCOURSEoui";
inline constexpr char SOUND_RACE_END_OFF[] = "SONFINCOURSEnon";
inline constexpr char SOUND_CAR_END_ON[] = "SONFINVOITUREoui";
inline constexpr char SOUND_CAR_END_OFF[] = "SONFINVOITUREnon";

// Sizes of the settings buffers of the main window: one byte more than the
// longest keyword of each group. The readers never store beyond them.
enum {
    RACE_MODE_SIZE = 16,
    RANKING_KEY_SIZE = 23,
    START_MODE_SIZE = 22,
    TIME_END_MODE_SIZE = 21,
    LAP_END_MODE_SIZE = 25,
    SOUND_LANGUAGE_SIZE = 19,
    SOUND_COUNTDOWN_SIZE = 16,
    SOUND_START_SIZE = 14,
    SOUND_PASSING_SIZE = 15,
    SOUND_BEST_LAP_SIZE = 20,
    SOUND_CLOCK_SIZE = 15,
    SOUND_RACE_END_SIZE = 17,
    SOUND_CAR_END_SIZE = 18,
    RACE_NAME_SIZE = 55,
    RACE_NAME_TRAILER_SIZE = 7,
};

// The values the race controls, the race options dialog and the display
// settings dialog let the user give; the readers hold every value they read to them as well.
enum {
    MAX_RACE_HOURS = 23,
    MAX_RACE_MINUTES = 59,
    MIN_RACE_LAPS = 1,
    MAX_RACE_LAPS = MAX_LAPS - 1,
    MAX_COUNTDOWN_SECONDS = 3600,
    MIN_PROTECTION_SECONDS = 2,
    MAX_PROTECTION_SECONDS = 999,
    MAX_COLUMN_WIDTH = 999,
};

// Race length (DureeCourse.txt)
extern char g_race_mode[RACE_MODE_SIZE];
extern int32_t g_race_hours;
extern int32_t g_race_minutes;
extern int32_t g_race_laps;
extern int32_t g_countdown_seconds;

// Race options (OptionsCourse.race)
extern int32_t g_protection_seconds;
extern char g_ranking_key[RANKING_KEY_SIZE];
extern char g_start_mode[START_MODE_SIZE];
extern char g_time_end_mode[TIME_END_MODE_SIZE];
extern char g_lap_end_mode[LAP_END_MODE_SIZE];

// Sound settings (RéglagesSons.rg), in file order
extern char g_sound_language[SOUND_LANGUAGE_SIZE];
extern char g_sound_countdown[SOUND_COUNTDOWN_SIZE];
extern char g_sound_start[SOUND_START_SIZE];
extern char g_sound_passing[SOUND_PASSING_SIZE];
extern char g_sound_best_lap[SOUND_BEST_LAP_SIZE];
extern char g_sound_clock[SOUND_CLOCK_SIZE];
extern char g_sound_race_end[SOUND_RACE_END_SIZE];
extern char g_sound_car_end[SOUND_CAR_END_SIZE];

// The race name of the grid composition (CompositionSerie.txt)
extern char g_race_name[RACE_NAME_SIZE];
extern char g_race_name_trailer[RACE_NAME_TRAILER_SIZE];

// ---------------------------------------------------------------------------
// Display settings: 191 int32 in a fixed order, shared with the file format

struct FontSlot {
    char face[32];
    int32_t height;
    int32_t weight;
    int32_t italic;
    int32_t underline;
    int32_t strikeout;
};

enum {
    BOARD_COLUMNS = 9,
    FONT_SLOTS = 12,
    DISPLAY_COLOURS = 13,
    CUSTOM_COLOURS = 16,
};

struct DisplaySettings {
    int32_t board_style;
    int32_t column_widths[BOARD_COLUMNS];
    FontSlot fonts[FONT_SLOTS];
    int32_t text_colours[FONT_SLOTS];
    int32_t colours[DISPLAY_COLOURS];
};

// The colour chooser's custom colours, kept in the display files.
struct CustomColours {
    int32_t colours[CUSTOM_COLOURS];
};

static_assert(sizeof(DisplaySettings) == 191 * sizeof(int32_t),
              "the display settings are 191 int32");

// ---------------------------------------------------------------------------
// Data files. Readers return 1 when the file was opened, 0 (and change
// nothing) when it cannot be opened for reading and writing; writers return 1
// when the whole file was written, 0 when it cannot be created, leaving a
// previous file as it was.

// Pilot database: BaseDonnéesNomPilotes.bd and BaseDonnéesPuce.bd, line k
// for pilot k. Callers clear the names and transponders first. A name is
// read without its control bytes (see drop_control_bytes).
extern const char PILOT_NAMES_FILE[];
extern const char PILOT_TRANSPONDERS_FILE[];
int32_t read_pilot_names(PilotRecord *pilots);
int32_t read_pilot_transponders(PilotRecord *pilots);
// Writes both files for the first n pilots. When either cannot be written,
// each such file is reported through the file error report and neither is
// changed; without the names file the transponder file is left as it was.
// Returns 1 when both were written.
int32_t write_pilot_database(const PilotRecord *pilots, int32_t n);
// Takes every control byte (below 32, and 127) out of a terminated text, so
// that a name or a race name holds no TAB or line end to split the line it is
// written on. Returns the length left.
int32_t drop_control_bytes(char *text);
void sort_pilots_by_name(PilotRecord *pilots);

// Where the model reports a failure its caller cannot show itself: the
// window layer installs its message box. 0 (the default) reports nothing.
void set_file_error_report(void (*report)(const char *text));

// The texts of those two reports, from the build's language.
extern const char PILOT_NAMES_FILE_ERROR_TEXT[];
extern const char PILOT_TRANSPONDERS_FILE_ERROR_TEXT[];

// Starting grid: CompositionSerie.txt. The writer takes the names chosen for
// the 20 grid lines and the transponders from the 1000-record database.
int32_t read_grid_composition(PilotRecord *grid, char *race_name, char *race_name_trailer);
int32_t write_grid_composition(const PilotRecord *grid_rows, const char *race_name,
                               const PilotRecord *database);

// Race length: DureeCourse.txt
int32_t read_race_length(char *race_mode, int32_t *hours, int32_t *minutes, int32_t *laps,
                         int32_t *countdown_seconds);
int32_t write_race_length(const char *race_mode, int32_t hours, int32_t minutes,
                          int32_t laps, int32_t countdown_seconds);

// Race options: OptionsCourse.race
int32_t read_race_options(int32_t *protection_seconds, char *ranking_key, char *start_mode,
                          char *time_end_mode, char *lap_end_mode);
int32_t write_race_options(int32_t protection_seconds, const char *ranking_key,
                           const char *start_mode, const char *time_end_mode,
                           const char *lap_end_mode);

// Sound settings: RéglagesSons.rg
int32_t read_sound_settings(char *language, char *countdown, char *start, char *passing,
                            char *best_lap, char *clock, char *race_end, char *car_end);
int32_t write_sound_settings(const char *language, const char *countdown, const char *start,
                             const char *passing, const char *best_lap, const char *clock,
                             const char *race_end, const char *car_end);

// Display settings: Private/RéglagesAffichage.rgsc or a user's ".scrn" file.
// Callers clear the 12 face names before reading.
int32_t read_display_settings(const char *path, DisplaySettings *settings,
                              CustomColours *custom_colours);
int32_t write_display_settings(const char *path, const DisplaySettings *settings,
                               const CustomColours *custom_colours);

// Detailed results: DetailResultats.res. The writer takes the live cars (lap n
// at index n); the reader fills the results copy (lap j at index j - 1).
int32_t write_detailed_results(const CarRecord *cars, const char *ranking_key);
int32_t read_detailed_results(CarRecord *cars, char *ranking_key);
// Every car's position (1 to 20) at the end of every lap of the results copy.
void compute_lap_positions(CarRecord *cars);
// The results copy made ready for its views: each car's lap times from its
// race times; the cars (every name but "(NA)") moved to the front in file
// order, numbered by their lines, the places after them emptied, their count
// returned; and the largest lap count of the 20 records.
void derive_lap_times(CarRecord *cars);
int32_t pack_result_cars(CarRecord *cars);
int32_t largest_lap_count(const CarRecord *cars);

#endif
