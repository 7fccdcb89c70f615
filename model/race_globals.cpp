// The race records of the whole run: fixed arrays in static storage, zero at start.
#include "race_model.h"

PilotRecord g_pilot_records[MAX_PILOTS];
PilotRecord g_pilot_dialog_records[MAX_PILOTS];
PilotRecord g_grid_dialog_records[MAX_PILOTS];
PilotRecord g_grid_composition[GRID_SLOTS];
PilotRecord g_grid_dialog_composition[GRID_SLOTS];

CarRecord g_car_records[GRID_SLOTS];
RankingRow g_ranking[GRID_SLOTS];
BoardRow g_board_rows[GRID_SLOTS];
int32_t g_car_count;
int32_t g_race_best_lap = NO_BEST_LAP;
