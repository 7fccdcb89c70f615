// The starting grid and the three settings files of a heat: race length,
// race options and sounds. The settings files hold one value per line, and
// each is read from its own line, so that a bad or missing value costs only
// itself.
#include <algorithm>
#include <string.h>

#include "race_model.h"
#include "text_files.h"

namespace {

const char GRID_FILE[] = "CompositionSerie.txt";
const char RACE_LENGTH_FILE[] = "DureeCourse.txt";
const char RACE_OPTIONS_FILE[] = "OptionsCourse.race";
const char SOUND_SETTINGS_FILE[] = "R\xE9glagesSons.rg";

const char EMPTY_ROW_TRANSPONDER[] = "100000";
const char RACE_NAME_TRAILER[] = "000001";

const int32_t NAME_SIZE = sizeof(PilotRecord::name);
const int32_t TRANSPONDER_SIZE = sizeof(PilotRecord::transponder);

const int32_t OPTION_KEY_SIZES[] = {RANKING_KEY_SIZE, START_MODE_SIZE, TIME_END_MODE_SIZE,
                                    LAP_END_MODE_SIZE};
const int32_t SOUND_KEY_SIZES[] = {SOUND_LANGUAGE_SIZE, SOUND_COUNTDOWN_SIZE,
                                   SOUND_START_SIZE,    SOUND_PASSING_SIZE,
                                   SOUND_BEST_LAP_SIZE, SOUND_CLOCK_SIZE,
                                   SOUND_RACE_END_SIZE, SOUND_CAR_END_SIZE};

// A "name TAB rest of line" line of the grid file.
void read_name_and_rest(TextReader *reader, char *name, int32_t name_size, char *rest,
                        int32_t rest_size)
{
    if (read_text(reader, name, name_size, 1) == TEXT_TAB) {
        read_text(reader, rest, rest_size, 0);
    }
}

void write_name_and_rest(FILE *file, const char *name, int32_t name_size, const char *rest,
                         int32_t rest_size)
{
    write_field(file, name, name_size);
    fputc('\t', file);
    write_field(file, rest, rest_size);
    write_line_end(file);
}

// Fills the fields from their lines in turn; a line the file no longer holds
// leaves its field.
void read_word_lines(TextReader *reader, char *const *fields, const int32_t *sizes,
                     int32_t count)
{
    int32_t i = 0;
    while (i < count && read_line_word(reader, fields[i], sizes[i])) {
        ++i;
    }
}

void write_number_line(FILE *file, const char *format, int32_t value)
{
    fprintf(file, format, value);
    write_line_end(file);
}

void write_word_lines(FILE *file, const char *const *words, const int32_t *sizes,
                      int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        write_field(file, words[i], sizes[i]);
        write_line_end(file);
    }
}

// The first database record of exactly this name, empty records included.
const PilotRecord *find_pilot(const PilotRecord *database, const char *name)
{
    for (int32_t i = 0; i < MAX_PILOTS; ++i) {
        if (strncmp(database[i].name, name, NAME_SIZE) == 0) {
            return &database[i];
        }
    }
    return 0;
}

}  // namespace

int32_t read_grid_composition(PilotRecord *grid, char *race_name, char *race_name_trailer)
{
    TextReader reader;
    if (!open_text_reader(&reader, GRID_FILE)) {
        return 0;
    }
    for (int32_t row = 0; row < GRID_SLOTS; ++row) {
        clear_buffer(grid[row].name, NAME_SIZE);
        clear_buffer(grid[row].transponder, TRANSPONDER_SIZE);
    }
    clear_buffer(race_name, RACE_NAME_SIZE);
    clear_buffer(race_name_trailer, RACE_NAME_TRAILER_SIZE);
    for (int32_t row = 0; row < GRID_SLOTS && !at_file_end(&reader); ++row) {
        read_name_and_rest(&reader, grid[row].name, NAME_SIZE, grid[row].transponder,
                           TRANSPONDER_SIZE);
    }
    if (!at_file_end(&reader)) {
        read_name_and_rest(&reader, race_name, RACE_NAME_SIZE, race_name_trailer,
                           RACE_NAME_TRAILER_SIZE);
    }
    close_text_reader(&reader);
    return 1;
}

// The transponders written are those of the database now, looked up by name;
// a name the database no longer holds becomes an empty grid line.
int32_t write_grid_composition(const PilotRecord *grid_rows, const char *race_name,
                               const PilotRecord *database)
{
    FILE *file = create_text_file(GRID_FILE);
    if (!file) {
        return 0;
    }
    for (int32_t row = 0; row < GRID_SLOTS; ++row) {
        const PilotRecord *pilot = find_pilot(database, grid_rows[row].name);
        if (pilot) {
            write_name_and_rest(file, pilot->name, NAME_SIZE, pilot->transponder,
                                TRANSPONDER_SIZE);
        } else {
            write_name_and_rest(file, EMPTY_SLOT_NAME, sizeof EMPTY_SLOT_NAME,
                                EMPTY_ROW_TRANSPONDER, sizeof EMPTY_ROW_TRANSPONDER);
        }
    }
    write_name_and_rest(file, race_name, RACE_NAME_SIZE, RACE_NAME_TRAILER,
                        sizeof RACE_NAME_TRAILER);
    return close_text_file(file);
}

int32_t read_race_length(char *race_mode, int32_t *hours, int32_t *minutes, int32_t *laps,
                         int32_t *countdown_seconds)
{
    TextReader reader;
    if (!open_text_reader(&reader, RACE_LENGTH_FILE)) {
        return 0;
    }
    // The minutes are written with two digits at least and read from two
    // characters at most.
    if (read_line_word(&reader, race_mode, RACE_MODE_SIZE) &&
        read_line_number(&reader, hours, 0) && read_line_number(&reader, minutes, 2) &&
        read_line_number(&reader, laps, 0)) {
        read_line_number(&reader, countdown_seconds, 0);
    }
    close_text_reader(&reader);
    // As the race controls would hold them: a negative number shown in their
    // digits-only edits would read back as their largest value.
    *hours = std::clamp<int32_t>(*hours, 0, MAX_RACE_HOURS);
    *minutes = std::clamp<int32_t>(*minutes, 0, MAX_RACE_MINUTES);
    *laps = std::clamp<int32_t>(*laps, MIN_RACE_LAPS, MAX_RACE_LAPS);
    *countdown_seconds = std::clamp<int32_t>(*countdown_seconds, 0, MAX_COUNTDOWN_SECONDS);
    return 1;
}

int32_t write_race_length(const char *race_mode, int32_t hours, int32_t minutes,
                          int32_t laps, int32_t countdown_seconds)
{
    FILE *file = create_text_file(RACE_LENGTH_FILE);
    if (!file) {
        return 0;
    }
    write_field(file, race_mode, RACE_MODE_SIZE);
    write_line_end(file);
    write_number_line(file, "%d", hours);
    write_number_line(file, "%02d", minutes);
    write_number_line(file, "%d", laps);
    write_number_line(file, "%d", countdown_seconds);
    return close_text_file(file);
}

int32_t read_race_options(int32_t *protection_seconds, char *ranking_key, char *start_mode,
                          char *time_end_mode, char *lap_end_mode)
{
    TextReader reader;
    if (!open_text_reader(&reader, RACE_OPTIONS_FILE)) {
        return 0;
    }
    char *const keys[] = {ranking_key, start_mode, time_end_mode, lap_end_mode};
    if (read_line_number(&reader, protection_seconds, 0)) {
        read_word_lines(&reader, keys, OPTION_KEY_SIZES, 4);
    }
    close_text_reader(&reader);
    // As the race options dialog would hold it, for the race and the dialog alike.
    *protection_seconds =
        std::clamp<int32_t>(*protection_seconds, MIN_PROTECTION_SECONDS, MAX_PROTECTION_SECONDS);
    return 1;
}

int32_t write_race_options(int32_t protection_seconds, const char *ranking_key,
                           const char *start_mode, const char *time_end_mode,
                           const char *lap_end_mode)
{
    FILE *file = create_text_file(RACE_OPTIONS_FILE);
    if (!file) {
        return 0;
    }
    const char *const keys[] = {ranking_key, start_mode, time_end_mode, lap_end_mode};
    write_number_line(file, "%d", protection_seconds);
    write_word_lines(file, keys, OPTION_KEY_SIZES, 4);
    return close_text_file(file);
}

int32_t read_sound_settings(char *language, char *countdown, char *start, char *passing,
                            char *best_lap, char *clock, char *race_end, char *car_end)
{
    TextReader reader;
    if (!open_text_reader(&reader, SOUND_SETTINGS_FILE)) {
        return 0;
    }
    char *const keys[] = {language, countdown, start, passing, best_lap, clock, race_end,
                          car_end};
    read_word_lines(&reader, keys, SOUND_KEY_SIZES, 8);
    close_text_reader(&reader);
    return 1;
}

int32_t write_sound_settings(const char *language, const char *countdown, const char *start,
                             const char *passing, const char *best_lap, const char *clock,
                             const char *race_end, const char *car_end)
{
    FILE *file = create_text_file(SOUND_SETTINGS_FILE);
    if (!file) {
        return 0;
    }
    const char *const keys[] = {language, countdown, start, passing, best_lap, clock,
                                race_end, car_end};
    write_word_lines(file, keys, SOUND_KEY_SIZES, 8);
    return close_text_file(file);
}
