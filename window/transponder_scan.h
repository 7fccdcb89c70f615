// The transponder scan of the mode "Mixte (scan)": the grid's cars learn
// their transponders from their first crossings, in grid order, and then
// cross once more to prove them, timed and ranked on the board.
#ifndef TRANSPONDER_SCAN_H
#define TRANSPONDER_SCAN_H

#include <windows.h>

#include <stdint.h>

// Cars the current phase no longer waits for, counted after each tick's read.
extern int32_t g_scan_assigned_count;
// 1 once the passing being learned has been given to a car.
extern int32_t g_scan_found;

// The Scan push box (its check mark already toggled): starts a scan when
// one may start, stops the one running when it was unchecked.
void run_scan_command(HWND window);

// The scan branch of the engine tick: one read for the phase, the phase's
// end tested after it; the learning's end is followed by a verification
// read in the same tick.
void run_scan_tick(void);

// One passing's transponder text ("%06d"), learned or verified as the scan
// stands; the verification reads the counter itself.
void take_scan_passing(const char *transponder);

#endif
