// The run state of the main window: 0/1 flags that say whether a race is
// armed or running, whether a scan runs, and whether the results are clean.
#ifndef RUN_STATE_H
#define RUN_STATE_H

#include <stdint.h>

extern int32_t g_race_armed;
extern int32_t g_race_running;
extern int32_t g_scan_active;
extern int32_t g_scan_learning;
extern int32_t g_scan_verifying;
extern int32_t g_results_clean;
extern int32_t g_scan_ready;
extern int32_t g_grid_composed;
extern int32_t g_pilot_dialog_open;
extern int32_t g_own_chips_mode;

#endif
