// The detailed results dialog (template COURSERESULTATS): the heat written to
// DetailResultats.res by the menu command, shown lap by lap as a race time
// table, a lap time table or a position chart, scrolled by two bars.
#ifndef DETAILED_RESULTS_H
#define DETAILED_RESULTS_H

#include <windows.h>

#include "race_model.h"

// The dialog's copy of the heat, kept from one opening to the next: the cars
// packed to the front (lap k + 1 at index k), their count, the columns a
// table shows at once, the largest lap count and the file's ranking keyword.
extern CarRecord g_detail_car_records[GRID_SLOTS];
extern char g_detail_ranking_key[RANKING_KEY_SIZE];
extern int32_t g_detail_car_count;
extern int32_t g_detail_visible_cars;
extern int32_t g_detail_max_laps;

// The two bars' records: the first lap row of a table (vertical), the first
// car column of a table or the first lap of the chart (horizontal).
extern SCROLLINFO g_detail_vscroll_info;
extern SCROLLINFO g_detail_hscroll_info;

// Where the views are painted, in client pixels: the legend side and the
// table or chart side.
extern const RECT RESULTS_LEGEND_RECT;
extern const RECT RESULTS_VIEW_RECT;

INT_PTR CALLBACK detailed_results_dialog_proc(HWND dialog, UINT message, WPARAM wparam,
                                              LPARAM lparam);

// Runs the dialog modally over the owner; returns when it has closed.
void open_detailed_results_dialog(HWND owner);

#endif
