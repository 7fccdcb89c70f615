// The board's scroll bar and the column borders dragged in the header band.
#include <gtest/gtest.h>

#include <vector>

#include "board_painter.h"
#include "window_fixture.h"

namespace {

class BoardTest : public MainWindowTest {
protected:
    // Sets the column fonts to the height that makes exactly `fit` rows fit
    // on the board of this screen.
    void fit_rows(int32_t fit)
    {
        for (int32_t height = -8; height > -80; height--) {
            for (int32_t s = 0; s < FONT_SLOTS; s++)
                g_display_settings.fonts[s].height = height;
            relayout_board();
            if (g_board_rows_fit == fit)
                return;
        }
        FAIL() << "no font height makes " << fit << " rows fit";
    }

    void scroll(WORD code, WORD position = 0)
    {
        ValidateRect(window_, 0);
        SendMessageA(window_, WM_VSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(g_board_scrollbar));
    }

    SCROLLINFO scroll_state()
    {
        SCROLLINFO s = {sizeof s, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(g_board_scrollbar, SB_CTL, &s);
        return s;
    }
};

// Before any layout the board has no rows and the bar is hidden; twenty cars
// on twelve rows scroll by eight; twelve cars hide the bar again.
TEST_F(BoardTest, TheBarShowsWhenTheCarsOutnumberTheRowsThatFit)
{
    write_all_files(test_display_settings(-16));
    ASSERT_TRUE(create_window(true));
    EXPECT_EQ(g_board_visible_rows, 0);
    EXPECT_EQ(g_board_row_height, 0);
    EXPECT_FALSE(IsWindowVisible(g_board_scrollbar));
    RECT bar;  // left of the board, from the top of the rows to the bottom of the board
    GetWindowRect(g_board_scrollbar, &bar);
    MapWindowPoints(0, window_, reinterpret_cast<POINT *>(&bar), 2);
    EXPECT_EQ(std::vector<LONG>({bar.left, bar.top, bar.right, bar.bottom}),
              std::vector<LONG>({10, 145, 10 + 1600 / 80, 610}));

    set_up_cars(20);
    fit_rows(12);
    EXPECT_EQ(g_board_visible_rows, 12);
    EXPECT_TRUE(IsWindowVisible(g_board_scrollbar));
    EXPECT_EQ(scroll_state().nMax, 8);
    EXPECT_EQ(scroll_state().nPos, 0);

    scroll(SB_LINEUP);
    EXPECT_EQ(g_board_scroll_info.nPos, 0);
    EXPECT_FALSE(GetUpdateRect(window_, 0, FALSE));

    scroll(SB_PAGEDOWN);
    EXPECT_EQ(g_board_scroll_info.nPos, 8);  // rows 9 to 20
    EXPECT_EQ(scroll_state().nPos, 8);
    EXPECT_TRUE(GetUpdateRect(window_, 0, FALSE));

    scroll(SB_LINEDOWN);
    EXPECT_EQ(g_board_scroll_info.nPos, 8);
    EXPECT_FALSE(GetUpdateRect(window_, 0, FALSE));

    scroll(SB_LINEUP);
    EXPECT_EQ(g_board_scroll_info.nPos, 7);
    scroll(SB_PAGEUP);
    EXPECT_EQ(g_board_scroll_info.nPos, 0);
    scroll(SB_THUMBPOSITION, 3);
    EXPECT_EQ(g_board_scroll_info.nPos, 3);
    scroll(SB_THUMBTRACK, 5);
    EXPECT_EQ(g_board_scroll_info.nPos, 3);

    set_up_cars(12);
    ValidateRect(window_, 0);
    relayout_board();
    RECT update;  // the board and the race title above it are repainted
    GetUpdateRect(window_, &update, FALSE);
    EXPECT_EQ(update.top, g_board_layout.race_title.top);
    EXPECT_FALSE(IsWindowVisible(g_board_scrollbar));
    EXPECT_EQ(g_board_visible_rows, 12);
    EXPECT_EQ(scroll_state().nMax, 0);
    EXPECT_EQ(g_board_scroll_info.nPos, 0);
}

class ColumnDragTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        DisplaySettings d = test_display_settings(-16);
        const int32_t widths[BOARD_COLUMNS] = {100, 130, 65, 30, 100, 100, 100, 100, 100};
        memcpy(d.column_widths, widths, sizeof widths);
        write_all_files(d);
        ASSERT_TRUE(create_window(true));
        band_y_ = (g_board_layout.header.top + g_board_layout.header.bottom) / 2;
    }

    // Right edge of column k on this screen, each width scaled by itself.
    int32_t border(int32_t k)
    {
        const int32_t w = g_screen_width;
        int32_t x = w / 40 + w / 64 + 10;
        for (int32_t i = 0; i <= k; i++)
            x += g_display_settings.column_widths[i] * w / 1600;
        return x;
    }

    void mouse(UINT message, int32_t x, int32_t y)
    {
        SendMessageA(window_, message, 0, MAKELPARAM(x, y));
    }

    void drag(int32_t k, int32_t to_x, int32_t release_y)
    {
        const int32_t from = border(k);
        mouse(WM_MOUSEMOVE, from + 1, band_y_);
        mouse(WM_LBUTTONDOWN, from + 1, band_y_);
        mouse(WM_MOUSEMOVE, to_x, release_y);
        mouse(WM_LBUTTONUP, to_x, release_y);
    }

    int32_t band_y_ = 0;
};

// The pixels dragged add to the width unscaled; below 0 it becomes 5, above
// 999 it stops there. Widening repaints past the board's new right edge.
TEST_F(ColumnDragTest, PixelsDraggedAddToTheWidthWithinFiveAnd999)
{
    ValidateRect(window_, 0);
    drag(1, border(1) + 1 + 40, band_y_);
    EXPECT_EQ(g_column_widths[1], 170);
    RECT update;
    GetUpdateRect(window_, &update, FALSE);
    EXPECT_EQ(update.right, 865 + 110 + 200);  // S is now 865
    drag(1, border(1) + 1 - 30, band_y_);
    EXPECT_EQ(g_column_widths[1], 140);

    drag(2, border(2) + 1 + 1135, band_y_);
    EXPECT_EQ(g_display_settings.column_widths[2], 999);
    EXPECT_EQ(g_column_widths[2], 999);

    drag(3, border(3) + 1 - 50, band_y_);
    EXPECT_EQ(g_display_settings.column_widths[3], 5);
    EXPECT_EQ(g_column_widths[3], 5);
    EXPECT_EQ(g_column_dragging, 0);
    drag(3, border(3) + 1 - 5, band_y_);  // exactly 0 stays 0
    EXPECT_EQ(g_column_widths[3], 0);
}

// A press away from a border or on the band's edge starts no drag; a release
// below the band ends one and changes nothing; of two borders within reach
// the right one is dragged.
TEST_F(ColumnDragTest, OnlyABorderInTheHeaderBandIsDragged)
{
    mouse(WM_MOUSEMOVE, border(3) + 10, band_y_);
    mouse(WM_LBUTTONDOWN, border(3) + 10, band_y_);
    EXPECT_EQ(g_column_dragging, 0);
    for (LONG edge : {g_board_layout.header.top, g_board_layout.header.bottom}) {
        mouse(WM_MOUSEMOVE, border(3), edge);
        mouse(WM_LBUTTONDOWN, border(3), edge);
        EXPECT_EQ(g_column_dragging, 0);
    }

    drag(3, border(3) + 100, g_board_layout.header.bottom + 20);
    EXPECT_EQ(g_column_widths[3], 30);
    EXPECT_EQ(g_display_settings.column_widths[3], 30);
    EXPECT_EQ(g_column_dragging, 0);

    g_display_settings.column_widths[4] = 2;
    g_column_widths[4] = 2;
    mouse(WM_MOUSEMOVE, border(3) + 1, band_y_);
    mouse(WM_LBUTTONDOWN, border(3) + 1, band_y_);
    EXPECT_EQ(g_column_dragging, 1);
    EXPECT_EQ(g_dragged_column, 4);
}

// Within 2 pixels of a border in the band, or anywhere in the band while
// dragging, the cursor is the resize arrow.
TEST_F(ColumnDragTest, CursorTurnsIntoTheResizeArrowOnABorderInTheBand)
{
    auto cursor_at = [&](int32_t x, int32_t y) {
        mouse(WM_MOUSEMOVE, x, y);
        EXPECT_EQ(SendMessageA(window_, WM_SETCURSOR, reinterpret_cast<WPARAM>(window_),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
        const HCURSOR c = GetCursor();
        return c == g_resize_cursor ? "resize" : c == g_arrow_cursor ? "arrow" : "?";
    };
    EXPECT_STREQ(cursor_at(border(5) - 3, band_y_), "arrow");
    EXPECT_STREQ(cursor_at(border(5) - 2, band_y_), "resize");
    EXPECT_STREQ(cursor_at(border(5) + 2, band_y_), "resize");
    EXPECT_STREQ(cursor_at(border(5) + 3, band_y_), "arrow");
    EXPECT_STREQ(cursor_at(border(5), g_board_layout.header.bottom + 5), "arrow");
    mouse(WM_MOUSEMOVE, border(5), band_y_);
    mouse(WM_LBUTTONDOWN, border(5), band_y_);
    EXPECT_STREQ(cursor_at(border(5) + 60, band_y_), "resize");
}

}  // namespace
