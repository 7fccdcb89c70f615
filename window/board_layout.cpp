// Where the board and the clocks stand: every rectangle is scaled from a
// 1600 by 900 reference screen by the real screen size, never by the window's
// client size, so the board keeps its proportions on any screen.
#include "main_window.h"
#include "screen_scale.h"

namespace {

void set_rect(RECT *r, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    r->left = left;
    r->top = top;
    r->right = right;
    r->bottom = bottom;
}

}  // namespace

void fill_board_layout(BoardLayout *layout, int32_t w, int32_t h, const int32_t *column_widths,
                       int32_t row_height, int32_t visible_rows)
{
    const int32_t s = sum_of_widths(column_widths, BOARD_COLUMNS);
    const int32_t rows_bottom = down(145 + row_height * visible_rows, h);

    set_rect(&layout->board, across(22, w) + 10, down(115, h), across(s + 110, w) + 10,
             down(610, h));
    set_rect(&layout->header, w / 64 + 10, down(123, h), across(s + 100, w) + 10, down(145, h));
    set_rect(&layout->position_column, w / 64 + 10, down(145, h), across(65, w) + 10,
             rows_bottom);
    set_rect(&layout->body, across(65, w) + 10, down(145, h), across(s + 100, w) + 10,
             rows_bottom);
    set_rect(&layout->race_title, w / 80 + 10, h / 90 + 50, 45 * w / 100 - 110, down(110, h));
    set_rect(&layout->clocks, w / 32, down(730, h), across(480, w), down(780, h));
    set_rect(&layout->countdown, across(560, w) + 80, down(730, h), across(560, w) + 170,
             down(770, h));
}

void compute_board_layout(void)
{
    g_screen_width = GetSystemMetrics(SM_CXSCREEN);
    g_screen_height = GetSystemMetrics(SM_CYSCREEN);
    fill_board_layout(&g_board_layout, g_screen_width, g_screen_height, g_column_widths,
                      g_board_row_height, g_board_visible_rows);
}
