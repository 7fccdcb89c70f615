// The settings of the main window, as last read from or written to their
// files: no built-in defaults, so a missing file leaves zeros and empty keywords.
#include "race_model.h"

char g_race_mode[RACE_MODE_SIZE];
int32_t g_race_hours;
int32_t g_race_minutes;
int32_t g_race_laps;
int32_t g_countdown_seconds;

int32_t g_protection_seconds;
char g_ranking_key[RANKING_KEY_SIZE];
char g_start_mode[START_MODE_SIZE];
char g_time_end_mode[TIME_END_MODE_SIZE];
char g_lap_end_mode[LAP_END_MODE_SIZE];

char g_sound_language[SOUND_LANGUAGE_SIZE];
char g_sound_countdown[SOUND_COUNTDOWN_SIZE];
char g_sound_start[SOUND_START_SIZE];
char g_sound_passing[SOUND_PASSING_SIZE];
char g_sound_best_lap[SOUND_BEST_LAP_SIZE];
char g_sound_clock[SOUND_CLOCK_SIZE];
char g_sound_race_end[SOUND_RACE_END_SIZE];
char g_sound_car_end[SOUND_CAR_END_SIZE];

char g_race_name[RACE_NAME_SIZE];
char g_race_name_trailer[RACE_NAME_TRAILER_SIZE];
