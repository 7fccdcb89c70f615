// The board as painted, read back pixel by pixel from the window: backgrounds
// and gradients, highlighted cells, hidden columns, finish flags and clocks.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include "board_painter.h"
#include "window_fixture.h"

namespace {

const COLORREF FLAG_COLOUR = RGB(255, 0, 255);

// A plain 25 x 16 flag of one colour, to find on the board.
void write_flag(const std::string &folder)
{
    CreateDirectoryA((folder + "\\images").c_str(), 0);
    const int w = 25, h = 16, row = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + row * h;
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    FILE *f = fopen((folder + "\\images\\drapeauArrivee.bmp").c_str(), "wb");
    ASSERT_TRUE(f);
    fwrite(&file, sizeof file, 1, f);
    fwrite(&info, sizeof info, 1, f);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < row; x++)
            fputc(x < w * 3 ? (x % 3 == 1 ? 0 : 255) : 0, f);
    fclose(f);
}

class PainterTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        write_flag(folder_);
        settings_ = test_display_settings(-16);
        write_all_files(settings_);
        ASSERT_TRUE(create_window(true));
        set_up_cars(6);
        relayout_board();
        ASSERT_EQ(g_board_visible_rows, 6);
    }

    void paint()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
        repaint();
        dc_ = GetDC(window_);
    }
    void TearDown() override
    {
        if (dc_)
            ReleaseDC(window_, dc_);
        MainWindowTest::TearDown();
    }

    COLORREF pixel(int32_t x, int32_t y) { return GetPixel(dc_, x, y); }

    // Pixels of one colour in a rectangle.
    int count(COLORREF colour, int32_t left, int32_t top, int32_t right, int32_t bottom)
    {
        int n = 0;
        for (int32_t y = top; y < bottom; y++)
            for (int32_t x = left; x < right; x++)
                n += GetPixel(dc_, x, y) == colour;
        return n;
    }

    int32_t scaled_x(int32_t v) { return v * g_screen_width / 1600; }
    int32_t scaled_y(int32_t v) { return v * g_screen_height / 900; }
    int32_t row_top(int32_t i) { return g_board_layout.body.top + scaled_y(i * g_board_row_height); }
    int32_t sum(int32_t k)
    {
        int32_t s = 0;
        for (int32_t c = 0; c < k; c++)
            s += g_column_widths[c];
        return s;
    }
    // The cell of column c in visible row i.
    RECT cell(int32_t c, int32_t i)
    {
        const int32_t left = g_board_layout.body.left;
        return {left + scaled_x(sum(c)) + 2, row_top(i) + 2, left + scaled_x(sum(c + 1)) - 1,
                row_top(i + 1) - 1};
    }
    int count_in(COLORREF colour, RECT r) { return count(colour, r.left, r.top, r.right, r.bottom); }

    DisplaySettings settings_;
    HDC dc_ = 0;
};

int channel_at(int top, int bottom, int j, int lines)
{
    return top - MulDiv(j, top - bottom, lines);
}

COLORREF gradient_at(COLORREF top, COLORREF bottom, int j, int lines)
{
    return RGB(channel_at(GetRValue(top), GetRValue(bottom), j, lines),
               channel_at(GetGValue(top), GetGValue(bottom), j, lines),
               channel_at(GetBValue(top), GetBValue(bottom), j, lines));
}

TEST_F(PainterTest, EqualHeaderColoursGiveAPlainHeaderAndPositionColumn)
{
    g_display_settings.colours[COLOUR_HEADER_BOTTOM] = g_display_settings.colours[COLOUR_HEADER_TOP];
    paint();
    const RECT &h = g_board_layout.header;
    EXPECT_EQ(pixel(h.left + 3, h.top + 3), RGB(60, 80, 120));
    EXPECT_EQ(pixel(h.left + 3, h.bottom - 3), RGB(60, 80, 120));
    const RECT &p = g_board_layout.position_column;
    EXPECT_EQ(pixel(p.left + 3, row_top(2) + 3), RGB(255, 255, 200));
}

TEST_F(PainterTest, DifferentHeaderColoursGiveGradients)
{
    paint();
    const RECT &h = g_board_layout.header;
    const int lines = h.bottom - h.top;
    for (int j = 3; j < lines - 3; j += 4)
        EXPECT_EQ(pixel(h.left + 3, h.top + j),
                  gradient_at(RGB(60, 80, 120), RGB(20, 30, 60), j, lines)) << j;
    // Each position cell runs from white to a pale yellow.
    const RECT &p = g_board_layout.position_column;
    const int hh = (p.bottom - p.top) / g_board_visible_rows;
    for (int row : {0, 3})
        for (int j : {2, hh / 2, hh - 2}) {
            const int rg = 255 - MulDiv(j, 40, hh);
            EXPECT_EQ(pixel(p.left + 3, row_top(row) + j), RGB(rg, rg, 255 - MulDiv(j, 95, hh)));
        }
}

TEST_F(PainterTest, StyleZeroRunsOneGradientOverAllRows)
{
    g_display_settings.board_style = 0;
    paint();
    const RECT &b = g_board_layout.body;
    const int lines = b.bottom - b.top;
    for (int row : {0, 2, 5}) {
        const int j = row_top(row) + scaled_y(g_board_row_height) / 2 - b.top;
        EXPECT_EQ(pixel(b.left + 3, b.top + j),
                  gradient_at(RGB(255, 255, 255), RGB(160, 180, 220), j, lines)) << j;
    }
}

TEST_F(PainterTest, StyleOneRunsAGradientInEachRow)
{
    paint();
    const RECT &b = g_board_layout.body;
    const int hh = (b.bottom - b.top) / g_board_visible_rows;
    for (int row : {0, 2, 5})
        for (int j : {3, hh / 2, hh - 3})
            EXPECT_EQ(pixel(b.left + 3, row_top(row) + j),
                      gradient_at(RGB(255, 255, 255), RGB(160, 180, 220), j, hh)) << row;
}

TEST_F(PainterTest, OtherStylesLeaveTheRowsOnTheBoardBackground)
{
    g_display_settings.board_style = 2;
    paint();
    EXPECT_EQ(pixel(g_board_layout.body.left + 3, row_top(1) + 4), RGB(20, 30, 60));
    // Equal row colours fill the body whatever the style.
    g_display_settings.colours[COLOUR_ROWS_BOTTOM] = g_display_settings.colours[COLOUR_ROWS_TOP];
    paint();
    EXPECT_EQ(pixel(g_board_layout.body.left + 3, row_top(1) + 4), RGB(255, 255, 255));
}

TEST_F(PainterTest, JustRecordedGridNumberIsHighlighted)
{
    g_board_rows[1].just_recorded = 1;
    paint();
    EXPECT_GT(count_in(RGB(255, 200, 0), cell(0, 1)), 20);
    EXPECT_EQ(count_in(RGB(255, 200, 0), cell(0, 0)), 0);
}

TEST_F(PainterTest, RaceBestLapWinsOverAPersonalBest)
{
    strcpy(g_board_rows[0].best_lap_text, "12.345");
    strcpy(g_board_rows[2].best_lap_text, "13.456");
    g_board_rows[0].holds_race_best = 1;
    g_board_rows[0].new_personal_best = 1;
    g_board_rows[2].new_personal_best = 1;
    paint();
    EXPECT_GT(count_in(RGB(200, 0, 200), cell(7, 0)), 20);
    EXPECT_EQ(count_in(RGB(0, 200, 0), cell(7, 0)), 0);
    EXPECT_GT(count_in(RGB(0, 200, 0), cell(7, 2)), 20);
    EXPECT_EQ(count_in(RGB(200, 0, 200), cell(7, 2)), 0);
}

TEST_F(PainterTest, ColumnAtWidthOneTwentiethOfTheScreenIsHidden)
{
    g_display_settings.text_colours[FONT_FIRST_COLUMN + 1] = static_cast<int32_t>(RGB(250, 0, 0));
    g_column_widths[1] = g_screen_width / 20;
    paint();
    EXPECT_EQ(count_in(RGB(250, 0, 0), cell(1, 0)), 0);
    g_column_widths[1] = g_screen_width / 20 + 1;
    paint();
    EXPECT_GT(count_in(RGB(250, 0, 0), cell(1, 0)), 0);
}

TEST_F(PainterTest, FinishedRowsShowTheFlagWhateverTheWidths)
{
    for (int32_t c = 0; c < BOARD_COLUMNS; c++)
        g_column_widths[c] = 10;  // every configurable column hidden
    g_board_rows[3].finished = 1;
    paint();
    const int32_t x = g_board_layout.body.left + scaled_x(sum(BOARD_COLUMNS) + 5);
    const int32_t y = row_top(3) + scaled_y(g_board_row_height / 12);
    EXPECT_EQ(pixel(x + 2, y + 2), FLAG_COLOUR);
    EXPECT_EQ(pixel(x + g_screen_width / 64 - 2, y + 14), FLAG_COLOUR);
    EXPECT_EQ(count(FLAG_COLOUR, x, row_top(2), x + 40, row_top(3)), 0);
}

TEST_F(PainterTest, ClocksAreRightAligned)
{
    const RECT &c = g_board_layout.clocks;
    const int32_t y = scaled_y(740);
    auto right_end = [&]() {
        for (int32_t x = c.left + g_screen_width / 10 + 10; x > c.left; x--)
            for (int32_t dy = 5; dy < 30; dy++)
                if (pixel(x, y + dy) == RGB(0, 0, 0))
                    return x;
        return -1;
    };
    strcpy(g_text_race_length, "0:10:00");
    paint();
    const int32_t short_end = right_end();
    strcpy(g_text_race_length, "10:10:00");
    paint();
    const int32_t long_end = right_end();
    EXPECT_GT(short_end, c.left + g_screen_width / 10 - 8);
    EXPECT_LE(short_end, c.left + g_screen_width / 10);
    EXPECT_EQ(long_end, short_end);
}

TEST_F(PainterTest, EmptyBoardShowsItsBackgroundAndFrame)
{
    set_up_cars(0);
    relayout_board();
    paint();
    const RECT &b = g_board_layout.board;
    EXPECT_EQ(pixel(b.left, (b.top + b.bottom) / 2), RGB(0, 0, 0));
    EXPECT_EQ(pixel(b.right - 1, (b.top + b.bottom) / 2), RGB(0, 0, 0));
    EXPECT_EQ(pixel(b.left + 30, b.bottom - 20), RGB(20, 30, 60));
}

}  // namespace
