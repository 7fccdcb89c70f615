// The three views of the detailed results dialog: race times and lap times
// as tables, positions as a chart. Each paints the legend side and the view
// side whole, between its own BeginPaint and EndPaint, from the dialog's
// packed copy of the heat (lap k + 1 at index k) and the scroll positions.
#ifndef RESULTS_PAINTER_H
#define RESULTS_PAINTER_H

#include <windows.h>

#include "race_model.h"

// A car's line and legend colours, by its place among the packed cars.
extern const COLORREF CAR_PEN_COLOURS[GRID_SLOTS];
extern const COLORREF CAR_TEXT_COLOURS[GRID_SLOTS];

// The tables show 20 lap rows from the vertical position and car_count cars'
// legends, visible_cars columns from the horizontal position.
void paint_race_times_table(HWND dialog, RECT legend, RECT view, const SCROLLINFO *vscroll,
                            const SCROLLINFO *hscroll, const CarRecord *cars,
                            int32_t car_count, int32_t visible_cars);
void paint_lap_times_table(HWND dialog, RECT legend, RECT view, const SCROLLINFO *vscroll,
                           const SCROLLINFO *hscroll, const CarRecord *cars,
                           int32_t car_count, int32_t visible_cars);

// Ten laps from the horizontal position; the vertical position is not used.
// Only a race ranked by laps and time, of two cars or more, has lines.
void paint_position_chart(HWND dialog, RECT legend, RECT view, const char *ranking_key,
                          const SCROLLINFO *vscroll, const SCROLLINFO *hscroll,
                          const CarRecord *cars, int32_t max_laps, int32_t car_count);

#endif
