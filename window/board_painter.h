// The results board painter: everything the main window shows besides its
// child controls. It only reads what it is given.
#ifndef BOARD_PAINTER_H
#define BOARD_PAINTER_H

#include <windows.h>

#include "main_window.h"
#include "race_model.h"

// Where the display settings keep the board's colours and fonts.
enum {
    COLOUR_WINDOW_BACKGROUND = 0,
    COLOUR_BOARD_BACKGROUND = 2,
    COLOUR_RACE_NAME_BACKGROUND = 3,
    COLOUR_JUST_RECORDED = 5,
    COLOUR_RACE_BEST_LAP = 6,
    COLOUR_PERSONAL_BEST_LAP = 7,
    COLOUR_HEADER_TOP = 8,
    COLOUR_HEADER_BOTTOM = 9,
    COLOUR_ROWS_TOP = 10,
    COLOUR_ROWS_BOTTOM = 11,
    COLOUR_LINES = 12,
};

enum {
    FONT_RACE_NAME = 0,
    FONT_HEADER = 2,
    FONT_FIRST_COLUMN = 3,  // column c uses slot 3 + c
};

// The inputs of one paint, all read only.
struct BoardPaint {
    const DisplaySettings *settings;
    const int32_t *column_widths;
    int32_t row_height;
    int32_t visible_rows;
    const BoardLayout *layout;
    const SCROLLINFO *scroll_info;
    int32_t screen_width;
    int32_t screen_height;
    const char *race_name;
    const char *countdown_text;
    const BoardRow *rows;
    const char *race_length_text;
    const char *elapsed_text;
    const char *remaining_text;
};

// A solid fill, and a vertical gradient of lines pixel rows from (left, top)
// to right going from one colour towards the other, one brush per row; the
// display settings dialog previews the board with them.
void fill_with(HDC dc, const RECT *r, COLORREF colour);
void fill_gradient(HDC dc, int32_t left, int32_t top, int32_t right, int32_t lines,
                   COLORREF from, COLORREF to);

// Paints the main window at WM_PAINT, with its own BeginPaint and EndPaint.
void paint_main_window(HWND window, const BoardPaint *paint);

// Row height (pixels of the column fonts, used as 1/900 of the screen
// height), rows that fit on the board and rows shown for car_count cars.
void measure_board_rows(HWND window, const DisplaySettings *settings, int32_t *row_height,
                        int32_t *rows_fit, int32_t *rows_shown, const RECT *board,
                        const RECT *body, int32_t w, int32_t h, int32_t car_count);

#endif
