// The board as painted, read back pixel by pixel from the window: backgrounds
// and gradients, lines, highlighted cells, every text in its slot and place,
// hidden columns, finish flags, logo and clocks, on two shapes of screen.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board_painter.h"
#include "window_fixture.h"

namespace {

const COLORREF FLAG_COLOUR = RGB(255, 0, 255);
const COLORREF LOGO_COLOUR = RGB(0, 255, 255);

// A 24-bit bitmap of one colour, to find on the board.
void write_bitmap(const std::string &path, LONG w, LONG h, COLORREF colour)
{
    const LONG row = (w * 3 + 3) & ~3;
    const BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(54 + row * h), 0, 0, 54};
    const BITMAPINFOHEADER info = {40, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::string bytes(reinterpret_cast<const char *>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char *>(&info), sizeof info);
    for (LONG i = 0; i < row * h; i++)
        bytes += i % row >= w * 3 ? 0 : static_cast<char>(colour >> (16 - 8 * (i % row % 3)));
    FILE *f = fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

// Where one colour shows in a rectangle: its extent and how many pixels.
struct Ink {
    LONG left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
};

class PainterTest : public MainWindowTest {
protected:
    // Every text slot has its own colour and the column slots alternate
    // between two heights, so a cell shows which slot painted it.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CreateDirectoryA((folder_ + "\\images").c_str(), 0);
        write_bitmap(folder_ + "\\images\\drapeauArrivee.bmp", 10, 10, FLAG_COLOUR);  // stretched
        write_bitmap(folder_ + "\\images\\logo.bmp", 196, 50, LOGO_COLOUR);
        settings_ = test_display_settings(-16);
        for (int32_t s = 0; s < FONT_SLOTS; s++) {
            settings_.text_colours[s] = static_cast<int32_t>(RGB(200, 10 * s, 0));
            settings_.fonts[s].height = s == 2 ? -16 : s == 1 ? -40 : s % 2 ? -13 : -20;
        }
        settings_.colours[COLOUR_RACE_NAME_BACKGROUND] = static_cast<int32_t>(RGB(90, 0, 90));
        write_all_files(settings_);
        ASSERT_TRUE(create_window(true));
        ASSERT_EQ(g_screen_width * 1000 + g_screen_height, 1600900);  // pixels are reference units
        set_up_cars(6);
        relayout_board();
        ASSERT_EQ(g_board_visible_rows, 6);
    }

    void paint()
    {
        repaint();
        capture();
    }
    // Copies the client area, so that pixels are read from memory.
    void capture()
    {
        RECT c;
        GetClientRect(window_, &c);
        width_ = c.right;
        height_ = c.bottom;
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof bi.bmiHeader, c.right, -c.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void *bits = 0;
        HDC dc = GetDC(window_), memory = CreateCompatibleDC(dc);
        HBITMAP copy = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, 0, 0);
        HGDIOBJ old = SelectObject(memory, copy);
        BitBlt(memory, 0, 0, c.right, c.bottom, dc, 0, 0, SRCCOPY);
        const DWORD *first = static_cast<const DWORD *>(bits);
        pixels_.assign(first, first + c.right * c.bottom);
        SelectObject(memory, old);
        DeleteObject(copy);
        DeleteDC(memory);
        ReleaseDC(window_, dc);
    }

    COLORREF pixel(LONG x, LONG y)
    {
        const DWORD p = pixels_[y * width_ + x];
        return RGB(p >> 16 & 255, p >> 8 & 255, p & 255);
    }
    Ink ink(COLORREF colour, RECT r)
    {
        Ink k;
        for (LONG y = r.top; y < r.bottom; y++)
            for (LONG x = r.left; x < r.right; x++)
                if (pixel(x, y) == colour) {
                    k = {std::min(k.left, x), std::min(k.top, y), std::max(k.right, x), y,
                         k.count + 1};
                }
        return k;
    }
    // The ink of a text drawn at (x, y) with that alignment and font: the
    // test draws the same text itself, below the board, to compare. Only
    // whole pixels count, where smoothing has left the text's own colour.
    struct Font {
        int32_t height;
        const char *face;
        DWORD underline;
    };
    void expect_text(const Ink &k, LONG x, LONG y, UINT align, const char *text, Font font)
    {
        const std::vector<DWORD> painted = pixels_;
        HDC dc = GetDC(window_);
        PatBlt(dc, 0, 620, width_, height_ - 620, WHITENESS);
        HGDIOBJ old = SelectObject(dc, CreateFontA(font.height, 0, 0, 0, 400, 0, font.underline,
                                                   0, 0, 0, 0, 0, 0, font.face));
        SetTextAlign(dc, align | TA_TOP);
        TextOutA(dc, x, 625, text, static_cast<int>(strlen(text)));
        DeleteObject(SelectObject(dc, old));
        ReleaseDC(window_, dc);
        capture();
        const Ink drawn = ink(RGB(0, 0, 0), {0, 620, width_, height_});
        pixels_ = painted;
        EXPECT_EQ(std::vector<LONG>({k.left, k.right, k.top - y}),
                  std::vector<LONG>({drawn.left, drawn.right, drawn.top - 625}))
            << text;
    }
    void expect_extent(const Ink &k, LONG left, LONG top, LONG right, LONG bottom)
    {
        EXPECT_EQ(std::vector<LONG>({k.left, k.top, k.right, k.bottom}),
                  std::vector<LONG>({left, top, right, bottom}));
    }

    int32_t row_top(int32_t i) { return g_board_layout.body.top + i * g_board_row_height; }
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
        return {left + sum(c) + 2, row_top(i) + 2, left + sum(c + 1) - 1, row_top(i + 1) - 1};
    }
    int count_in(COLORREF colour, RECT r) { return ink(colour, r).count; }

    DisplaySettings settings_;
    std::vector<DWORD> pixels_;
    LONG width_ = 0, height_ = 0;
};

COLORREF gradient_at(COLORREF top, COLORREF bottom, int j, int lines)
{
    auto at = [&](int t, int b) { return t - MulDiv(j, t - b, lines); };
    return RGB(at(GetRValue(top), GetRValue(bottom)), at(GetGValue(top), GetGValue(bottom)),
               at(GetBValue(top), GetBValue(bottom)));
}

// Different header colours give gradients, equal ones a plain header and
// a plain position column.
TEST_F(PainterTest, HeaderAndPositionColumnAreGradientsUnlessTheHeaderColoursAreEqual)
{
    paint();
    const RECT &h = g_board_layout.header;
    const int lines = h.bottom - h.top;
    for (int j = 3; j < lines - 3; j += 4)
        EXPECT_EQ(pixel(h.left + 3, h.top + j),
                  gradient_at(RGB(60, 80, 120), RGB(20, 30, 60), j, lines)) << j;
    // Each position cell runs from white to a pale yellow, the last one too.
    const RECT &p = g_board_layout.position_column;
    const int hh = (p.bottom - p.top) / g_board_visible_rows;
    for (int row : {0, 5})
        for (int j : {2, hh / 2, hh - 2}) {
            const int rg = 255 - MulDiv(j, 40, hh);
            EXPECT_EQ(pixel(p.left + 3, row_top(row) + j), RGB(rg, rg, 255 - MulDiv(j, 95, hh)));
        }

    g_display_settings.colours[COLOUR_HEADER_BOTTOM] = g_display_settings.colours[COLOUR_HEADER_TOP];
    paint();
    EXPECT_EQ(pixel(h.left + 3, h.top + 3), RGB(60, 80, 120));
    EXPECT_EQ(pixel(h.left + 3, h.bottom - 3), RGB(60, 80, 120));
    EXPECT_EQ(pixel(p.left + 3, row_top(2) + 3), RGB(255, 255, 200));
}

// Style 1 runs a gradient in each row, style 0 one over all rows, another
// leaves the rows on the board background; equal row colours fill the body
// whatever the style.
TEST_F(PainterTest, TheBoardStyleChoosesTheRowsGradients)
{
    paint();
    const RECT &b = g_board_layout.body;
    const int hh = (b.bottom - b.top) / g_board_visible_rows;
    for (int row : {0, 2, 5})
        for (int j : {3, hh / 2, hh - 3})
            EXPECT_EQ(pixel(b.left + 3, row_top(row) + j),
                      gradient_at(RGB(255, 255, 255), RGB(160, 180, 220), j, hh)) << row;

    g_display_settings.board_style = 0;
    paint();
    for (int row : {0, 2, 5}) {
        const int j = row_top(row) + g_board_row_height / 2 - b.top;
        EXPECT_EQ(pixel(b.left + 3, b.top + j),
                  gradient_at(RGB(255, 255, 255), RGB(160, 180, 220), j, b.bottom - b.top)) << j;
    }

    g_display_settings.board_style = 2;
    paint();
    EXPECT_EQ(pixel(b.left + 3, row_top(1) + 4), RGB(20, 30, 60));
    g_display_settings.colours[COLOUR_ROWS_BOTTOM] = g_display_settings.colours[COLOUR_ROWS_TOP];
    paint();
    EXPECT_EQ(pixel(b.left + 3, row_top(1) + 4), RGB(255, 255, 255));
}

// A highlight covers its cell only, wherever the board is scrolled; the race
// best lap wins over a personal best.
TEST_F(PainterTest, HighlightsCoverTheirCellOnlyAndTheRaceBestLapWins)
{
    g_board_rows[1].just_recorded = 1;
    strcpy(g_board_rows[0].best_lap_text, "12.345");
    strcpy(g_board_rows[2].best_lap_text, "13.456");
    g_board_rows[0].holds_race_best = 1;
    g_board_rows[0].new_personal_best = 1;
    g_board_rows[2].new_personal_best = 1;
    paint();
    EXPECT_GT(count_in(RGB(255, 200, 0), cell(0, 1)), 20);
    EXPECT_EQ(count_in(RGB(255, 200, 0), cell(0, 0)) + count_in(RGB(255, 200, 0), cell(0, 2)), 0);
    EXPECT_GT(count_in(RGB(200, 0, 200), cell(7, 0)), 20);
    EXPECT_EQ(count_in(RGB(0, 200, 0), cell(7, 0)), 0);
    EXPECT_GT(count_in(RGB(0, 200, 0), cell(7, 2)), 20);
    EXPECT_EQ(count_in(RGB(200, 0, 200), cell(7, 2)), 0);
    g_board_scroll_info.nPos = 1;  // board rows 2 to 7 shown
    paint();
    EXPECT_GT(count_in(RGB(255, 200, 0), cell(0, 0)), 20);
    EXPECT_EQ(count_in(RGB(255, 200, 0), cell(0, 1)), 0);

    // Scrolled to the end, the last visible row shows the 20th board row:
    // its position, its highlighted grid number and its finish flag.
    BoardRow &last = g_board_rows[GRID_SLOTS - 1];
    strcpy(last.position, "20");
    strcpy(last.grid_text, "20");
    last.just_recorded = 1;
    last.finished = 1;
    g_board_scroll_info.nPos = GRID_SLOTS - 6;
    paint();
    EXPECT_GT(count_in(RGB(255, 200, 0), cell(0, 5)), 20);
    EXPECT_GT(count_in(RGB(0, 0, 0), {37, row_top(5) + 2, 74, row_top(6) - 1}), 20);
    EXPECT_GT(count_in(FLAG_COLOUR, {75 + sum(9), row_top(5), width_, row_top(6)}), 20);
}

// Each column's field in the first row and its header, where they stand with
// the fixture's widths (body.left 75, header.left 35) and how they align; and
// the widest width at which the column is still hidden (1600 by 900); the
// finish flag shows whatever the widths.
TEST_F(PainterTest, EachColumnPaintsItsFieldAndHeaderAtTheirPlacesInItsSlot)
{
    BoardRow &row = g_board_rows[0];
    const struct {
        char *field;
        const char *text, *header;
        LONG cell_x, header_x;
        UINT align;
        int32_t hidden_at;
    } columns[] = {
        {row.grid_text, "7", "Ligne", 112, 112, TA_CENTER, 40},
        {row.name, "Zoe Martin", "Nom pilote", 160, 160, TA_LEFT, 80},
        {row.laps_text, "12", "Tours", 560, 560, TA_RIGHT, 50},
        {row.race_time_text, "4:02.345", "Temps total", 720, 725, TA_RIGHT, 85},
        {row.gap_leader_text, "1 T", "Ecart leader", 885, 890, TA_RIGHT, 85},
        {row.gap_ahead_text, "13.500", "Ecart pr\xE9" "c\xE9" "dt", 1050, 1055, TA_RIGHT, 85},
        {row.last_lap_text, "21.004", "Dernier tour", 1210, 1215, TA_RIGHT, 85},
        {row.best_lap_text, "19.8", "Meilleur tour", 1370, 1375, TA_RIGHT, 85},
        {row.transponder, "004711", "Transp.", 1435, 1435, TA_CENTER, 55},
    };
    for (const auto &c : columns)
        strcpy(c.field, c.text);
    row.finished = 1;
    paint();
    const RECT &h = g_board_layout.header;
    const COLORREF header = RGB(200, 20, 0);
    const LONG y = row_top(0) + g_board_row_height / 12;
    const Font header_font = {-16, "Arial", 0};
    for (int32_t c = 0; c < BOARD_COLUMNS; c++) {
        const LONG left = 75 + sum(c), right = 75 + sum(c + 1);
        expect_text(ink(RGB(200, 10 * (3 + c), 0), {left, row_top(0), right, row_top(1)}),
                    columns[c].cell_x, y, columns[c].align, columns[c].text,
                    {c % 2 ? -20 : -13, "Arial", 0});
        expect_text(ink(header, {left, h.top, right, h.bottom}), columns[c].header_x, 125,
                    columns[c].align, columns[c].header, header_font);
    }
    expect_text(ink(header, {h.left, h.top, 75, h.bottom}), 55, 125, TA_CENTER, "Pos", header_font);
    expect_text(ink(header, {75 + sum(9), h.top, h.right, h.bottom}), 1508, 125, TA_CENTER, "Fin",
                header_font);
    expect_text(ink(RGB(0, 0, 0), {37, row_top(0) + 2, 74, row_top(1) - 1}), 55, y, TA_CENTER, "1",
                {20, "Arial Black", 0});

    for (int32_t shown : {0, 1}) {
        for (int32_t c = 0; c < BOARD_COLUMNS; c++)
            g_column_widths[c] = columns[c].hidden_at + shown;
        paint();
        for (int32_t c = 0; c < BOARD_COLUMNS; c++) {
            const LONG left = 75 + sum(c), right = 75 + sum(c + 1);
            const COLORREF colour = RGB(200, 10 * (3 + c), 0);
            EXPECT_EQ(count_in(colour, {left, row_top(0), right, row_top(1)}) > 0, shown == 1) << c;
            EXPECT_EQ(count_in(header, {left, h.top, right, h.bottom}) > 0, shown == 1) << c;
        }
        const LONG x = 75 + sum(9) + 5;  // the flag, W/64 by 16
        expect_extent(ink(FLAG_COLOUR, {75, 145, 1500, 610}), x, y, x + 24, y + 15);
    }
}

// A screen of another shape than the window's, painted straight into it:
// across by 1280/1600, down by 800/900, so a row of 45 is 40 pixels.
TEST_F(PainterTest, AnotherScreenShapeScalesAcrossByTheWidthAndDownByTheHeight)
{
    const int32_t w = 1280, h = 800;
    DisplaySettings d = g_display_settings;
    d.fonts[2].height = -60;  // the header's font does not count
    d.fonts[11].height = -30;  // the last column font, the tallest: 24 pixels on this screen
    BoardLayout l;
    fill_board_layout(&l, w, h, g_column_widths, 0, 0);
    int32_t rh, fit, shown;
    measure_board_rows(window_, &d, &rh, &fit, &shown, &l.board, &l.body, w, h, 6);
    EXPECT_EQ(rh, 27 * 120 / 100);  // Arial of 24 pixels is 27 tall
    RECT board = l.board;  // room for exactly five rows: four fit
    board.bottom = l.body.top + 5 * rh * h / 900;
    measure_board_rows(window_, &d, &rh, &fit, &shown, &board, &l.body, w, h, 6);
    EXPECT_EQ(fit, 4);
    EXPECT_EQ(shown, 4);

    fill_board_layout(&l, w, h, g_column_widths, 45, 6);
    g_board_rows[3].finished = 1;
    const BoardPaint p = {&g_display_settings, g_column_widths, 45, 6,
                          &l, &g_board_scroll_info, w, h, g_race_name, g_text_countdown,
                          g_board_rows, g_text_race_length, g_text_elapsed, g_text_remaining};
    InvalidateRect(window_, 0, TRUE);
    paint_main_window(window_, &p);
    capture();
    const COLORREF line = RGB(100, 100, 100);
    for (LONG y : {168, 208, 248, 288, 328, 368})  // body.top 128 + 40 k, 2 pixels wide
        EXPECT_EQ(std::make_pair(pixel(66, y - 1), pixel(66, y)), std::make_pair(line, line)) << y;
    EXPECT_EQ(pixel(62, 118), line);  // header.left 30 + W/40
    for (LONG x : {122, 386, 454, 586, 718, 850, 978, 1106, 1194}) {  // 62 + 4/5 of the sums
        EXPECT_EQ(pixel(x, 118), line) << x;
        EXPECT_EQ(pixel(x, 138), line) << x;
    }
    // Row 3's position cell has its gradient from its own top; its flag is
    // at (62 + 1420 * 4 / 5, 128 + (3 + 3 * 45) * 8 / 9), W/64 by 16.
    EXPECT_EQ(pixel(33, 251), RGB(252, 252, 248));
    expect_extent(ink(FLAG_COLOUR, {1000, 128, 1300, 368}), 1198, 250, 1217, 265);
    expect_text(ink(RGB(0, 0, 0), {10, 650, 200, 700}), 40 + 128, 657, TA_RIGHT, g_text_race_length,
                {28, "Arial Black", 0});  // the race length, its font 35 * 4 / 5
}

// The clocks and the countdown are right-aligned: their right ends stay put
// as the texts grow. Any two clocks differ in length in one of the two
// paints, so that none can show another's text unseen. The race name is
// underlined, so that its left end is exactly where the text starts.
TEST_F(PainterTest, ClocksCountdownAndRaceNameStandAtTheirPlaces)
{
    strcpy(g_race_name, "Finale A");
    g_display_settings.fonts[0].underline = 1;
    const LONG left = g_board_layout.clocks.left, countdown = g_board_layout.countdown.left;
    const Font clock = {35, "Arial Black", 0}, countdown_font = {30, "Arial", 0};
    const struct {
        char *text;
        const char *texts[2];
        COLORREF colour;
        LONG from, x, y;
        Font font;
    } clocks[] = {
        {g_text_race_length, {"0:10:00", "10:10:00"}, RGB(0, 0, 0), 10, left + 160, 740, clock},
        {g_text_remaining, {"0:07:00", "1:07:00"}, RGB(0, 150, 0), 10, left + 290, 740, clock},
        {g_text_elapsed, {"10:03:00", "11:03:00"}, RGB(150, 0, 0), 10, left + 420, 740, clock},
        {g_text_countdown, {"5s", "15s"}, RGB(0, 0, 0), countdown, countdown + 90, 735, countdown_font},
    };
    for (int longer : {0, 1}) {
        for (const auto &c : clocks)
            strcpy(c.text, c.texts[longer]);
        paint();
        for (const auto &c : clocks)
            expect_text(ink(c.colour, {c.from, c.y, c.x + 10, 790}), c.x, c.y, TA_RIGHT, c.text,
                        c.font);
    }
    const RECT &t = g_board_layout.race_title;
    const Ink name = ink(RGB(200, 0, 0), t);
    expect_text(name, t.left + 5, t.top, TA_LEFT, "Finale A", {-20, "Arial", 1});
    EXPECT_GE(count_in(RGB(200, 0, 0), {t.left, name.bottom, t.right, name.bottom + 1}),
              name.right - name.left - 1);
    EXPECT_GT(count_in(RGB(90, 0, 90), t), 100);
}

// The title and version show only where no row covers them, in the board's
// colour lowered by 10; the logo stands in the window's top left corner.
TEST_F(PainterTest, EmptyBoardShowsItsBackgroundFrameTitleAndVersion)
{
    set_up_cars(0);
    relayout_board();
    paint();
    const RECT &b = g_board_layout.board;
    for (LONG x : {b.left - 1, b.left, b.right - 2, b.right - 1})  // a frame 2 pixels wide
        EXPECT_EQ(pixel(x, (b.top + b.bottom) / 2), RGB(0, 0, 0)) << x;
    EXPECT_EQ(pixel(b.left + 30, b.bottom - 20), RGB(20, 30, 60));
    expect_text(ink(RGB(10, 20, 50), {b.left, 170, b.right, 300}), (b.left + b.right) / 2, 170,
                TA_CENTER, "Zelquan Orla Sequent", {(b.right - b.left) / 12, "Arial Black", 0});
    EXPECT_GT(count_in(RGB(10, 20, 50), {b.left, 300, b.right, b.bottom}), 0);
    expect_extent(ink(LOGO_COLOUR, {0, 0, 300, 100}), 4, 2, 4 + 195, 2 + 49);
}

}  // namespace
