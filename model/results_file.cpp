// The detailed results file (DetailResultats.res), which hands the heat from
// the main window to the results dialog, and the positions at every lap that
// the dialog's chart draws from it.
#include <algorithm>

#include "race_model.h"
#include "text_files.h"

namespace {

const char RESULTS_FILE[] = "DetailResultats.res";

const int32_t NAME_SIZE = sizeof(CarRecord::name);

// One car line: name TAB laps TAB, then the race times of its laps. Numbers
// are taken from this line only, so a damaged line cannot eat the next car.
void read_car_line(TextReader *reader, CarRecord *car)
{
    if (read_text(reader, car->name, NAME_SIZE, 1) != TEXT_TAB) {
        return;
    }
    int32_t laps = 0;
    if (read_number(reader, &laps, 0, 1)) {
        // Every consumer walks `laps` entries of the per-lap arrays.
        car->laps = std::clamp<int32_t>(laps, 0, MAX_LAPS);
        int32_t j = 0;
        while (j < car->laps && read_number(reader, &car->race_times[j], 0, 1)) {
            ++j;
        }
    }
    skip_line(reader);
}

}  // namespace

int32_t write_detailed_results(const CarRecord *cars, const char *ranking_key)
{
    FILE *file = create_text_file(RESULTS_FILE);
    if (!file) {
        return 0;
    }
    write_field(file, ranking_key, RANKING_KEY_SIZE);
    fputc('\t', file);
    write_line_end(file);
    for (int32_t i = 0; i < GRID_SLOTS; ++i) {
        // Lap n is at index n of the live records, so at most MAX_LAPS - 1 laps.
        int32_t laps = std::clamp<int32_t>(cars[i].laps, 0, MAX_LAPS - 1);
        write_field(file, cars[i].name, NAME_SIZE);
        fprintf(file, "\t%d\t", laps);
        for (int32_t n = 1; n <= laps; ++n) {
            fprintf(file, "%d\t", cars[i].race_times[n]);
        }
        write_line_end(file);
    }
    return close_text_file(file);
}

int32_t read_detailed_results(CarRecord *cars, char *ranking_key)
{
    TextReader reader;
    if (!open_text_reader(&reader, RESULTS_FILE)) {
        return 0;
    }
    clear_buffer(ranking_key, RANKING_KEY_SIZE);
    for (int32_t i = 0; i < GRID_SLOTS; ++i) {
        CarRecord *car = &cars[i];
        clear_buffer(car->name, NAME_SIZE);
        car->laps = 0;
        clear_buffer(car->race_times, sizeof car->race_times);
        clear_buffer(car->lap_times, sizeof car->lap_times);
        clear_buffer(car->lap_positions, sizeof car->lap_positions);
    }
    if (read_text(&reader, ranking_key, RANKING_KEY_SIZE, 1) == TEXT_TAB) {
        skip_line(&reader);
    }
    for (int32_t i = 0; i < GRID_SLOTS && !at_file_end(&reader); ++i) {
        read_car_line(&reader, &cars[i]);
    }
    close_text_reader(&reader);
    return 1;
}

// Lap a + 1 sits at index a of the results copy. A car without that lap
// (no laps at all, or a time of 0 after the first index) comes after every
// car that has it; equal values put the higher slot ahead. Placed cars are
// flagged rather than given a mark value, so that no time read from a file
// can leave a car without a position.
void compute_lap_positions(CarRecord *cars)
{
    int32_t values[GRID_SLOTS];
    int32_t placed[GRID_SLOTS];
    for (int32_t a = 0; a < MAX_LAPS; ++a) {
        for (int32_t i = 0; i < GRID_SLOTS; ++i) {
            int32_t time = cars[i].race_times[a];
            values[i] = cars[i].laps <= 0 || (time == 0 && a > 0) ? NO_TIME : time;
            placed[i] = 0;
        }
        for (int32_t round = 1; round <= GRID_SLOTS; ++round) {
            int32_t taken = -1;
            for (int32_t i = GRID_SLOTS - 1; i >= 0; --i) {
                if (!placed[i] && (taken < 0 || values[i] < values[taken])) {
                    taken = i;
                }
            }
            cars[taken].lap_positions[a] = round;
            placed[taken] = 1;
        }
    }
}
