// The run-state flags: all 0 at start; the window's creation sets the
// transponder mode to the pilots' own chips.
#include "run_state.h"

int32_t g_race_armed;
int32_t g_race_running;
int32_t g_scan_active;
int32_t g_scan_learning;
int32_t g_scan_verifying;
int32_t g_results_clean;
int32_t g_scan_ready;
int32_t g_grid_composed;
int32_t g_pilot_dialog_open;
int32_t g_own_chips_mode;
