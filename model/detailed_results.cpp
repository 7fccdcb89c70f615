// The results dialog's copy of the heat once the file is read: lap times from
// the race times, the real cars packed to the front in grid line order, and
// the longest race among them.
#include "race_model.h"

#include <string.h>

namespace {

const int32_t NAME_SIZE = sizeof(CarRecord::name);

// A hand-edited file can hold any two race times; their difference is kept
// within an int32 rather than wrapped into a time of the wrong sign.
int32_t time_difference(int32_t later, int32_t earlier)
{
    const int64_t difference = static_cast<int64_t>(later) - earlier;
    if (difference > INT32_MAX)
        return INT32_MAX;
    if (difference < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(difference);
}

void clear_laps(CarRecord *car)
{
    clear_buffer(car->race_times, sizeof car->race_times);
    clear_buffer(car->lap_times, sizeof car->lap_times);
    clear_buffer(car->lap_positions, sizeof car->lap_positions);
}

}  // namespace

void derive_lap_times(CarRecord *cars)
{
    for (int32_t i = 0; i < GRID_SLOTS; ++i) {
        CarRecord *car = &cars[i];
        if (car->laps <= 0)
            continue;
        car->lap_times[0] = car->race_times[0];
        for (int32_t k = 1; k < car->laps; ++k)
            car->lap_times[k] = time_difference(car->race_times[k], car->race_times[k - 1]);
    }
}

// Front to back, so a record is never overwritten before it has moved. The
// transponder, best lap and flags stay behind: the views do not show them.
int32_t pack_result_cars(CarRecord *cars)
{
    int32_t count = 0;
    for (int32_t i = 0; i < GRID_SLOTS; ++i) {
        const CarRecord *car = &cars[i];
        if (is_empty_slot_name(car->name))
            continue;
        CarRecord *place = &cars[count];
        if (place != car) {
            copy_text(place->name, NAME_SIZE, car->name, NAME_SIZE);
            place->laps = car->laps;
            memcpy(place->race_times, car->race_times, sizeof car->race_times);
            memcpy(place->lap_times, car->lap_times, sizeof car->lap_times);
            memcpy(place->lap_positions, car->lap_positions, sizeof car->lap_positions);
        }
        place->grid_number = i + 1;
        ++count;
    }
    for (int32_t i = count; i < GRID_SLOTS; ++i) {
        CarRecord *car = &cars[i];
        clear_buffer(car->name, NAME_SIZE);
        memcpy(car->name, EMPTY_SLOT_NAME, sizeof EMPTY_SLOT_NAME);
        car->grid_number = 0;
        car->laps = 0;
        clear_laps(car);
    }
    return count;
}

int32_t largest_lap_count(const CarRecord *cars)
{
    int32_t largest = 0;
    for (int32_t i = 0; i < GRID_SLOTS; ++i)
        if (cars[i].laps > largest)
            largest = cars[i].laps;
    return largest;
}
