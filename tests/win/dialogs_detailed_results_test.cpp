// The detailed results dialog opened on results files of our own: the texts
// its tables and chart paint (recorded as they are painted), the chart's
// lines and the tables' fills read back from the screen, the two bars as the
// views change and scroll, a missing and a hand-edited file, a full race of
// 20 cars; then the menu command on the live race.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>
#include <string.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "detailed_results.h"
#include "dialog_driver.h"
#include "dialog_ids.h"
#include "race_fixture.h"
#include "text_recorder.h"
#include "window_ids.h"

namespace {

const char RESULTS_FILE[] = "DetailResultats.res";
const char RESULTS_ERROR[] =
    "Erreur: impossible d'ouvrir le fichier R\xE9sultats d\xE9taill\xE9s";

struct FileCar {
    std::string name;
    std::vector<int32_t> times;
};

// The file as the program writes it, lines past the cars given "(NA)".
std::string results_file(const char *key, const std::vector<FileCar> &cars)
{
    std::string file = std::string(key) + "\t\r\n";
    for (size_t i = 0; i < GRID_SLOTS; i++) {
        const FileCar car = i < cars.size() ? cars[i] : FileCar{"(NA)", {}};
        file += car.name + "\t" + std::to_string(car.times.size()) + "\t";
        for (int32_t t : car.times)
            file += std::to_string(t) + "\t";
        file += "\r\n";
    }
    return file;
}

const FileCar EMPTY = {"(NA)", {}};

// Where the views put things, in client pixels.
int cell_x(int column) { return 312 + 70 * column; }
int row_y(int row) { return 90 + 26 * row; }
int lap_x(int column) { return 280 + 600 * column / 9; }

int count_colour(HWND dialog, COLORREF colour, int left, int top, int right, int bottom)
{
    HDC dc = GetDC(dialog);
    int n = 0;
    for (int y = top; y < bottom; y++)
        for (int x = left; x < right; x++)
            n += GetPixel(dc, x, y) == colour;
    ReleaseDC(dialog, dc);
    return n;
}

// A line of width 2 covers the point or one of its neighbours.
bool line_near(HWND dialog, COLORREF colour, int x, int y)
{
    return count_colour(dialog, colour, x - 1, y - 1, x + 2, y + 2) > 0;
}

HWND bar(HWND dialog, UINT message)
{
    return GetDlgItem(dialog, message == WM_VSCROLL ? IDC_RESULTS_VSCROLL : IDC_RESULTS_HSCROLL);
}

void scroll(HWND dialog, UINT message, int request, int thumb = 0)
{
    SendMessageA(dialog, message, MAKEWPARAM(request, thumb),
                 reinterpret_cast<LPARAM>(bar(dialog, message)));
}

// Shown or not, and its range and position as the bar holds them.
std::string bar_state(HWND dialog, UINT message)
{
    HWND b = bar(dialog, message);
    int low = -1, high = -1;
    GetScrollRange(b, SB_CTL, &low, &high);
    char text[64];
    snprintf(text, sizeof text, "%s %d..%d at %d", IsWindowVisible(b) ? "shown" : "hidden", low,
             high, GetScrollPos(b, SB_CTL));
    return text;
}

class DetailedResultsDialog : public DialogTest {
protected:
    void SetUp() override { ASSERT_TRUE(texts_.active()); }

    void open(DialogDriver::Script script)
    {
        DialogTest::open(detailed_results_dialog_proc, open_detailed_results_dialog,
                         std::move(script));
    }
    // The whole dialog painted again, its texts recorded afresh.
    void repaint(HWND dialog)
    {
        texts_.clear();
        RedrawWindow(dialog, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    std::vector<std::string> texts_of_height(int height)
    {
        std::vector<std::string> found;
        for (const PaintedText &t : texts_.texts())
            if (t.font_height == height)
                found.push_back(t.text);
        return found;
    }

    TextRecorder texts_;
};

// Lines 1, 2 and 5 become columns 1 to 3; every time text form shows.
const std::vector<FileCar> THREE_LINES = {
    {"Alice", {5042, 65042, 3725042}},
    {"Bruno", {21000, 43000}},
    EMPTY,
    EMPTY,
    {"Chlo\xE9", {0, 18500, 37000, 55500}},
};

TEST_F(DetailedResultsDialog, TablesShowEachCarsRaceTimesThenItsLapTimes)
{
    write_file(RESULTS_FILE, results_file(RANKING_LAPS_THEN_TIME, THREE_LINES));
    open([&](HWND dialog) {
        EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU, 0);  // no close box
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, 980);
        EXPECT_EQ(client.bottom, 660);
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_RESULTS_RACE_TIMES));
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "hidden 0..0 at 0");
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "hidden 0..0 at 0");
        repaint(dialog);
        EXPECT_EQ(texts_of_height(15),
                  (std::vector<std::string>{"L1: Alice", "L2: Bruno", "L5: Chlo\xE9"}));
        EXPECT_EQ(texts_.at(5, 130), "L5: Chlo\xE9");
        EXPECT_EQ(texts_.at(240, 60), "Tour");
        for (int i = 0; i < 20; i++)
            EXPECT_EQ(texts_.at(230, row_y(i)), std::to_string(i + 1));
        EXPECT_EQ(texts_.at(305, 60), "Ligne1");
        EXPECT_EQ(texts_.at(375, 60), "Ligne2");
        EXPECT_EQ(texts_.at(445, 60), "Ligne5");
        const std::vector<std::string> race_times = {
            "5.042", "1:05.042", "1:02:05.042", "21.000", "43.000",
            "0.000", "18.500",   "37.000",      "55.500"};
        EXPECT_EQ(texts_of_height(14), race_times);
        EXPECT_EQ(texts_.at(cell_x(0), row_y(2)), "1:02:05.042");
        EXPECT_EQ(texts_.at(cell_x(1), row_y(1)), "43.000");
        EXPECT_EQ(texts_.at(cell_x(2), row_y(3)), "55.500");
        EXPECT_EQ(texts_.texts().size(), 36u);
        for (const PaintedText &t : texts_.texts()) {
            EXPECT_EQ(t.colour, RGB(0, 0, 0)) << t.text;
            EXPECT_EQ(t.align, static_cast<UINT>(t.font_height == 15 ? TA_LEFT | TA_TOP
                                                                     : TA_RIGHT | TA_TOP))
                << t.text;
        }
        // Fills, frames and grid lines.
        EXPECT_EQ(DialogDriver::pixel(dialog, 255, 590), RGB(255, 255, 200));  // body
        EXPECT_EQ(DialogDriver::pixel(dialog, 253, 52), RGB(255, 255, 150));   // header band
        EXPECT_EQ(DialogDriver::pixel(dialog, 203, 590), RGB(255, 255, 150));  // lap numbers
        EXPECT_EQ(DialogDriver::pixel(dialog, 900, 300), RGB(230, 230, 220));  // past the columns
        EXPECT_EQ(DialogDriver::pixel(dialog, 200, 300), RGB(0, 0, 0));
        EXPECT_EQ(DialogDriver::pixel(dialog, 320, 65), RGB(0, 0, 0));
        EXPECT_EQ(DialogDriver::pixel(dialog, 460, 65), RGB(0, 0, 0));  // after the third column
        EXPECT_EQ(DialogDriver::pixel(dialog, 300, 80), RGB(0, 0, 0));
        EXPECT_EQ(DialogDriver::pixel(dialog, 300, 106), RGB(200, 200, 160));
        EXPECT_EQ(DialogDriver::pixel(dialog, 320, 300), RGB(200, 200, 160));
        EXPECT_EQ(DialogDriver::pixel(dialog, 465, 300), RGB(230, 230, 220));  // past column three

        texts_.clear();
        DialogDriver::click(dialog, IDC_RESULTS_LAP_TIMES);
        UpdateWindow(dialog);
        EXPECT_EQ(texts_of_height(14),
                  (std::vector<std::string>{"5.042", "1:00.000", "1:01:00.000", "21.000",
                                            "22.000", "0.000", "18.500", "18.500", "18.500"}));
        EXPECT_EQ(DialogDriver::pixel(dialog, 255, 590), RGB(200, 255, 200));
        EXPECT_EQ(DialogDriver::pixel(dialog, 253, 52), RGB(150, 230, 150));
        EXPECT_EQ(DialogDriver::pixel(dialog, 203, 590), RGB(150, 230, 150));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
}

// Three cars over four laps: positions 1 to 3 at y 80, 320 and 560, laps
// 1 to 4 at x 280, 346, 413 and 480. Anna is 2nd, 2nd, 1st, 2nd; Ben 3rd,
// 1st, 2nd and stops; Cleo 1st, 3rd, 3rd, 1st.
const std::vector<FileCar> THREE_CARS_FOUR_LAPS = {
    {"Anna", {20000, 41000, 60000, 80000}},
    {"Ben", {21000, 40000, 61000}},
    {"Cleo", {19000, 42000, 62000, 79000}},
};

TEST_F(DetailedResultsDialog, ChartLinesJoinEachCarsPositionsLapByLap)
{
    write_file(RESULTS_FILE, results_file(RANKING_LAPS_THEN_TIME, THREE_CARS_FOUR_LAPS));
    open([&](HWND dialog) {
        DialogDriver::click(dialog, IDC_RESULTS_POSITIONS);
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "hidden 0..0 at 0");
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "hidden 0..0 at 0");
        repaint(dialog);
        const COLORREF anna = RGB(160, 5, 255), ben = RGB(5, 160, 0), cleo = RGB(55, 90, 195);
        EXPECT_TRUE(line_near(dialog, anna, 290, 320));  // 2nd to 2nd
        EXPECT_TRUE(line_near(dialog, anna, 430, 141));  // 1st to 2nd
        EXPECT_TRUE(line_near(dialog, ben, 363, 141));   // 1st to 2nd
        EXPECT_TRUE(line_near(dialog, cleo, 290, 153));  // 1st to 3rd
        EXPECT_TRUE(line_near(dialog, cleo, 400, 560));  // 3rd to 3rd
        EXPECT_TRUE(line_near(dialog, cleo, 430, 438));  // 3rd to 1st
        EXPECT_EQ(count_colour(dialog, ben, 420, 50, 950, 578), 0);  // no fourth lap
        // Dotted lines: one per lap, one per position, the last ones too,
        // nothing past lap 4.
        const COLORREF dots = RGB(160, 160, 160);
        EXPECT_GT(count_colour(dialog, dots, 480, 100, 481, 130), 5);
        EXPECT_GT(count_colour(dialog, dots, 600, 560, 700, 561), 20);
        EXPECT_GT(count_colour(dialog, dots, 60, 80, 100, 81), 10);
        EXPECT_EQ(count_colour(dialog, dots, 546, 100, 547, 300), 0);
        EXPECT_EQ(count_colour(dialog, dots, 600, 200, 700, 201), 0);
        EXPECT_EQ(count_colour(dialog, dots, 0, 80, 50, 81), 0);    // left of the legends
        EXPECT_EQ(count_colour(dialog, dots, 280, 579, 281, 600), 0);  // over the lap numbers
        EXPECT_EQ(DialogDriver::pixel(dialog, 10, 300), RGB(240, 240, 230));
        EXPECT_EQ(DialogDriver::pixel(dialog, 900, 300), RGB(250, 250, 240));

        EXPECT_EQ(texts_.at(920, 580), "Tour");
        EXPECT_EQ(texts_.at(252, 50), "Pos");
        for (int m = 0; m < 4; m++)
            EXPECT_EQ(texts_.at(lap_x(m) - 5, 580), std::to_string(m + 1));
        EXPECT_EQ(texts_.at(lap_x(4) - 5, 580), "");
        EXPECT_EQ(texts_.at(255, 65), "1");
        EXPECT_EQ(texts_.at(255, 305), "2");
        EXPECT_EQ(texts_.at(255, 545), "3");
        EXPECT_EQ(texts_.find("Tour")->colour, RGB(100, 100, 100));
        EXPECT_EQ(texts_.find("4")->colour, RGB(150, 150, 150));
        // Each legend at the height of its car's first shown lap.
        const struct {
            const char *text;
            int y;
            COLORREF colour;
        } legends[] = {{"L1: Anna", 305, anna}, {"L2: Ben", 545, ben}, {"L3: Cleo", 65, cleo}};
        for (const auto &legend : legends) {
            const PaintedText *t = texts_.find(legend.text);
            ASSERT_TRUE(t) << legend.text;
            EXPECT_EQ(t->x, 248);
            EXPECT_EQ(t->y, legend.y) << legend.text;
            EXPECT_EQ(t->colour, legend.colour) << legend.text;
            EXPECT_EQ(t->align, static_cast<UINT>(TA_RIGHT | TA_TOP));
            EXPECT_EQ(t->font_height, 15);
        }
        DialogDriver::command(dialog, IDOK);
    });

    // A shorter heat after it, on lines 1 and 3: Anna stopped after her first
    // lap, so Cleo leads from start to finish, in the colour of the second car.
    const FileCar cleo = {"Cleo",
                          {19000, 42000, 62000, 79000, 99000, 119000, 139000, 159000, 179000}};
    write_file(RESULTS_FILE,
               results_file(RANKING_LAPS_THEN_TIME, {{"Anna", {20000}}, EMPTY, cleo}));
    open([&](HWND dialog) {
        DialogDriver::click(dialog, IDC_RESULTS_POSITIONS);
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "hidden 0..0 at 0");
        repaint(dialog);
        EXPECT_TRUE(line_near(dialog, RGB(5, 160, 0), 313, 80));
        const PaintedText *legend = texts_.find("L3: Cleo");
        ASSERT_TRUE(legend);
        EXPECT_EQ(legend->colour, RGB(5, 160, 0));
        DialogDriver::command(dialog, IDOK);
    });
}

// Positions mean a race order only in a race ranked by laps and time, and
// only between two cars or more.
TEST_F(DetailedResultsDialog, ARaceByBestLapOrOfOneCarHasAnEmptyChart)
{
    const std::vector<std::string> files = {
        results_file(RANKING_BEST_LAP, THREE_CARS_FOUR_LAPS),
        results_file(RANKING_LAPS_THEN_TIME, {EMPTY, THREE_CARS_FOUR_LAPS[0]}),
        results_file(RANKING_LAPS_THEN_TIME, {}),
    };
    for (const std::string &file : files) {
        write_file(RESULTS_FILE, file);
        open([&](HWND dialog) {
            DialogDriver::click(dialog, IDC_RESULTS_POSITIONS);
            repaint(dialog);
            EXPECT_TRUE(texts_.texts().empty());
            EXPECT_EQ(DialogDriver::pixel(dialog, 290, 320), RGB(250, 250, 240));
            EXPECT_EQ(DialogDriver::pixel(dialog, 280, 200), RGB(250, 250, 240));
            EXPECT_EQ(DialogDriver::pixel(dialog, 100, 320), RGB(240, 240, 230));
            DialogDriver::command(dialog, IDOK);
        });
    }
    // No car at all: the tables keep their frame and the lap numbers.
    open([&](HWND dialog) {
        repaint(dialog);
        EXPECT_EQ(texts_.texts().size(), 21u);
        EXPECT_EQ(texts_.at(230, row_y(19)), "20");
        EXPECT_EQ(DialogDriver::pixel(dialog, 255, 300), RGB(230, 230, 220));
        EXPECT_EQ(DialogDriver::pixel(dialog, 203, 300), RGB(255, 255, 150));
        DialogDriver::command(dialog, IDOK);
    });
}

// Eleven cars, the first of 20 laps on line 1, the others of 2 on lines 3
// to 12: each table bar has one step; the chart's has eleven.
TEST_F(DetailedResultsDialog, BarsScrollTheViewsAndFollowTheViewChosen)
{
    std::vector<FileCar> cars = {{"P1", {}}};
    for (int lap = 1; lap <= 20; lap++)
        cars[0].times.push_back(20000 * lap);
    cars.push_back(EMPTY);
    for (int i = 2; i <= 11; i++)
        cars.push_back({"P" + std::to_string(i), {21000 + 100 * i, 42000 + 100 * i}});
    write_file(RESULTS_FILE, results_file(RANKING_LAPS_THEN_TIME, cars));
    open([&](HWND dialog) {
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "shown 0..1 at 0");
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "shown 0..1 at 0");
        repaint(dialog);
        EXPECT_EQ(texts_.at(cell_x(0), row_y(19)), "6:40.000");  // lap 20 in the last row

        // One lap down: laps 2 to 21, the last row empty.
        texts_.clear();
        scroll(dialog, WM_VSCROLL, SB_LINEDOWN);
        UpdateWindow(dialog);
        EXPECT_EQ(g_detail_vscroll_info.nPos, 1);
        EXPECT_EQ(texts_.at(230, row_y(0)), "2");
        EXPECT_EQ(texts_.at(230, row_y(19)), "21");
        EXPECT_EQ(texts_.at(cell_x(0), row_y(0)), "40.000");
        EXPECT_EQ(texts_.at(cell_x(0), row_y(18)), "6:40.000");
        EXPECT_EQ(texts_.at(cell_x(0), row_y(19)), "");
        EXPECT_EQ(texts_.at(cell_x(1), row_y(0)), "42.200");
        EXPECT_EQ(texts_.at(cell_x(1), row_y(1)), "");

        // Requests that leave the position where it is repaint nothing.
        const int unchanged[][2] = {{SB_LINEDOWN, 0}, {SB_PAGEDOWN, 0}, {SB_THUMBTRACK, 0},
                                    {SB_ENDSCROLL, 0}, {SB_THUMBPOSITION, 1}};
        for (const auto &request : unchanged) {
            texts_.clear();
            scroll(dialog, WM_VSCROLL, request[0], request[1]);
            EXPECT_FALSE(GetUpdateRect(dialog, 0, FALSE)) << request[0];
            UpdateWindow(dialog);
            EXPECT_TRUE(texts_.texts().empty()) << request[0];
            EXPECT_EQ(g_detail_vscroll_info.nPos, 1) << request[0];
        }
        scroll(dialog, WM_VSCROLL, SB_PAGEUP);
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "shown 0..1 at 0");
        scroll(dialog, WM_VSCROLL, SB_THUMBPOSITION, 1);
        EXPECT_EQ(g_detail_vscroll_info.nPos, 1);
        // A position past the range from a stray message stays in it.
        scroll(dialog, WM_VSCROLL, SB_THUMBPOSITION, 500);
        EXPECT_EQ(g_detail_vscroll_info.nPos, 1);
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "shown 0..1 at 1");

        // One car right: cars 2 to 11, the legend still lists all eleven.
        texts_.clear();
        scroll(dialog, WM_HSCROLL, SB_LINERIGHT);
        UpdateWindow(dialog);
        EXPECT_EQ(texts_.at(305, 60), "Ligne3");
        EXPECT_EQ(texts_.at(305 + 70 * 9, 60), "Ligne12");
        EXPECT_EQ(texts_.at(5, 90 + 20 * 10), "L12: P11");
        EXPECT_EQ(texts_.at(cell_x(0), row_y(0)), "42.200");

        // The chart: laps 1 to 10 first, then up to the empty 21st.
        DialogDriver::click(dialog, IDC_RESULTS_POSITIONS);
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "hidden 0..0 at 0");
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "shown 0..11 at 0");
        repaint(dialog);  // P1 leads all ten laps shown
        EXPECT_TRUE(line_near(dialog, RGB(160, 5, 255), (lap_x(8) + lap_x(9)) / 2, 80));
        texts_.clear();
        scroll(dialog, WM_HSCROLL, SB_PAGERIGHT);
        UpdateWindow(dialog);
        EXPECT_EQ(g_detail_hscroll_info.nPos, 11);
        EXPECT_EQ(texts_.at(lap_x(0) - 5, 580), "12");
        EXPECT_EQ(texts_.at(lap_x(9) - 5, 580), "21");
        EXPECT_EQ(texts_.at(248, 65), "L1: P1");
        // A car without the lap shown comes after those that have it, the
        // higher grid line first, empty lines included: P11 10th, P2 19th.
        EXPECT_EQ(texts_.at(248, 497), "L12: P11");
        EXPECT_EQ(texts_.at(248, 929), "L3: P2");  // under the last line

        // Back to a table: its bars again, both at their start.
        texts_.clear();
        DialogDriver::click(dialog, IDC_RESULTS_RACE_TIMES);
        UpdateWindow(dialog);
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "shown 0..1 at 0");
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "shown 0..1 at 0");
        EXPECT_EQ(texts_.at(230, row_y(0)), "1");
        EXPECT_EQ(texts_.at(305, 60), "Ligne1");

        // A change of view repaints all that the view before painted: a
        // table's last column and row lines on the view's right and bottom
        // edges; the legend of P9, 12th of 11 cars at lap 12, from y 593.
        const COLORREF face = GetSysColor(COLOR_3DFACE);
        for (int table : {IDC_RESULTS_RACE_TIMES, IDC_RESULTS_LAP_TIMES}) {
            DialogDriver::click(dialog, table);
            repaint(dialog);  // whole, as when the dialog is uncovered
            EXPECT_EQ(DialogDriver::pixel(dialog, 950, 300), RGB(200, 200, 160));
            EXPECT_EQ(DialogDriver::pixel(dialog, 225, 600), RGB(0, 0, 0));
            EXPECT_EQ(DialogDriver::pixel(dialog, 600, 600), RGB(200, 200, 160));
            DialogDriver::click(dialog, IDC_RESULTS_POSITIONS);
            UpdateWindow(dialog);
            EXPECT_EQ(count_colour(dialog, face, 950, 50, 951, 600), 550) << table;
            EXPECT_EQ(count_colour(dialog, face, 200, 600, 950, 601), 750) << table;
            scroll(dialog, WM_HSCROLL, SB_PAGERIGHT);
            repaint(dialog);
            EXPECT_GT(count_colour(dialog, RGB(205, 210, 10), 0, 600, 250, 660), 0);
            DialogDriver::click(dialog, table);
            UpdateWindow(dialog);
            EXPECT_EQ(count_colour(dialog, face, 0, 601, 250, 660), 250 * 59) << table;
        }
        DialogDriver::command(dialog, IDOK);
    });
}

// The file left gone shows the heat of the last opening, its cars then
// numbered by their places; a hand-edited one is shown as far as it reads.
TEST_F(DetailedResultsDialog, AMissingFileKeepsTheLastHeatAndAHandEditedOneShowsWhatItHolds)
{
    write_file(RESULTS_FILE,
               results_file(RANKING_LAPS_THEN_TIME,
                            {EMPTY, EMPTY, {"Alice", {20000}}, EMPTY, EMPTY, EMPTY,
                             {"Bruno", {21000, 43000}}}));
    open([&](HWND dialog) {
        repaint(dialog);
        EXPECT_EQ(texts_of_height(15), (std::vector<std::string>{"L3: Alice", "L7: Bruno"}));
        DialogDriver::command(dialog, IDOK);
    });
    ASSERT_TRUE(DeleteFileA(RESULTS_FILE));
    open([&](HWND dialog) {
        repaint(dialog);
        EXPECT_EQ(texts_of_height(15), (std::vector<std::string>{"L1: Alice", "L2: Bruno"}));
        EXPECT_EQ(texts_.at(cell_x(1), row_y(1)), "43.000");
        DialogDriver::command(dialog, IDOK);
    });
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].text, RESULTS_ERROR);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Erreur");
    EXPECT_FALSE(boxes_.boxes()[0].hand_icon);
    EXPECT_FALSE(boxes_.boxes()[0].yes_no);

    // Two car lines only: the 18 records it does not reach are cars with no
    // name and no laps. Huge and missing times, a name cut to its field.
    const std::string long_name(60, 'N');
    write_file(RESULTS_FILE, std::string(RANKING_LAPS_THEN_TIME) + "\t\r\nHand\t3\t2147483647\t\r\n" +
                                 long_name + "\t1\t-2147483648\t");
    open([&](HWND dialog) {
        EXPECT_EQ(g_detail_car_count, 20);
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "shown 0..10 at 0");
        repaint(dialog);
        EXPECT_EQ(texts_.at(cell_x(0), row_y(0)), "596:31:23.647");
        EXPECT_EQ(texts_.at(cell_x(0), row_y(2)), "0.000");
        EXPECT_EQ(texts_.at(5, 110), "L2: " + long_name.substr(0, 49));
        EXPECT_EQ(texts_.at(5, 130), "L3: ");
        EXPECT_EQ(texts_.at(305 + 70 * 9, 60), "Ligne10");
        for (int view : {IDC_RESULTS_LAP_TIMES, IDC_RESULTS_POSITIONS}) {
            DialogDriver::click(dialog, view);
            repaint(dialog);
            EXPECT_FALSE(texts_.texts().empty());
        }
        // The smallest time leads; the largest comes after the cars without laps.
        EXPECT_EQ(texts_.at(248, 65), "L2: " + long_name.substr(0, 49));
        EXPECT_EQ(texts_.at(248, 545), "L1: Hand");
        EXPECT_FALSE(texts_.find("L3: "));  // no legend for a car without laps
        DialogDriver::command(dialog, IDOK);
    });
}

// A full race: 20 cars of 4999 laps, written by the program's own writer.
// Pilote 1 is last over the first ten laps, then leads.
TEST_F(DetailedResultsDialog, TwentyCarsOfFiveThousandLapsScrollToTheirEnd)
{
    std::unique_ptr<CarRecord[]> live(new CarRecord[GRID_SLOTS]());
    for (int i = 0; i < GRID_SLOTS; i++) {
        snprintf(live[i].name, sizeof live[i].name, "Pilote %d", i + 1);
        live[i].laps = MAX_LAPS - 1;
        for (int n = 1; n < MAX_LAPS; n++)
            live[i].race_times[n] = 20000 * n + 37 * i + (i == 0 && n <= 10 ? 1000 : 0);
    }
    ASSERT_EQ(write_detailed_results(live.get(), RANKING_LAPS_THEN_TIME), 1);

    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    open([&](HWND dialog) {
        QueryPerformanceCounter(&shown);
        EXPECT_EQ(g_detail_car_count, 20);
        EXPECT_EQ(g_detail_visible_cars, 10);
        EXPECT_EQ(g_detail_max_laps, 4999);
        EXPECT_EQ(bar_state(dialog, WM_VSCROLL), "shown 0..4980 at 0");
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "shown 0..10 at 0");

        scroll(dialog, WM_VSCROLL, SB_THUMBPOSITION, 100);
        EXPECT_EQ(g_detail_vscroll_info.nPos, 100);
        texts_.clear();
        scroll(dialog, WM_VSCROLL, SB_PAGEDOWN);
        scroll(dialog, WM_HSCROLL, SB_PAGERIGHT);
        UpdateWindow(dialog);
        EXPECT_EQ(texts_.at(230, row_y(0)), "4981");
        EXPECT_EQ(texts_.at(230, row_y(19)), "5000");
        EXPECT_EQ(texts_.at(305, 60), "Ligne11");
        EXPECT_EQ(texts_.at(305 + 70 * 9, 60), "Ligne20");
        EXPECT_EQ(texts_.at(cell_x(9), row_y(18)), "27:46:20.703");
        EXPECT_EQ(texts_.at(cell_x(9), row_y(19)), "");

        DialogDriver::click(dialog, IDC_RESULTS_POSITIONS);
        EXPECT_EQ(bar_state(dialog, WM_HSCROLL), "shown 0..4990 at 0");
        scroll(dialog, WM_HSCROLL, SB_PAGERIGHT);
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        repaint(dialog);
        QueryPerformanceCounter(&after);
        EXPECT_EQ(texts_.at(lap_x(0) - 5, 580), "4991");
        EXPECT_EQ(texts_.at(lap_x(9) - 5, 580), "5000");
        // The other cars keep their grid order: car c is c + 1st.
        EXPECT_EQ(texts_.at(248, 80 - 15), "L1: Pilote 1");
        EXPECT_EQ(texts_.at(248, 560 - 15), "L20: Pilote 20");
        EXPECT_EQ(texts_.find("L9: Pilote 9")->colour, RGB(205, 210, 10));  // darker yellow
        EXPECT_TRUE(line_near(dialog, RGB(160, 5, 255), (lap_x(7) + lap_x(8)) / 2, 80));
        EXPECT_TRUE(line_near(dialog, RGB(180, 200, 0), (lap_x(7) + lap_x(8)) / 2, 560));
        printf("20 cars of 4999 laps: dialog shown %.1f ms after the call, chart painted "
               "in %.1f ms\n",
               1000.0 * (shown.QuadPart - start.QuadPart) / frequency.QuadPart,
               1000.0 * (after.QuadPart - before.QuadPart) / frequency.QuadPart);
        DialogDriver::command(dialog, IDOK);
    });
}

// The radios' bold Arial goes whatever the way out, and nothing is written.
TEST_F(DetailedResultsDialog, EveryWayOutClosesItWritingNothing)
{
    const std::string file = results_file(RANKING_LAPS_THEN_TIME, THREE_LINES);
    write_file(RESULTS_FILE, file);
    std::vector<std::function<void(HWND)>> ways = DialogDriver::ways_out_without_ok();
    ways.push_back([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    ways.push_back([](HWND dialog) { DialogDriver::command(dialog, 4242); });
    for (size_t way = 0; way < ways.size(); way++) {
        HFONT font = 0;
        open([&](HWND dialog) {
            font = DialogDriver::font_handle(dialog, IDC_RESULTS_RACE_TIMES);
            for (int id : {IDC_RESULTS_LAP_TIMES, IDC_RESULTS_POSITIONS})
                EXPECT_EQ(DialogDriver::font_handle(dialog, id), font);
            EXPECT_EQ(DialogDriver::font(dialog, IDC_RESULTS_RACE_TIMES), "Arial 16 700");
            ways[way](dialog);
        });
        EXPECT_EQ(GetObjectType(font), 0u) << "way " << way;
        EXPECT_EQ(read_file(RESULTS_FILE), file) << "way " << way;
    }
}

// The command writes the live race and the dialog shows it as it stands.
class DetailedResultsCommand : public RaceWindow {
protected:
    // The menu command, with its dialog driven by the script.
    void run(DialogDriver::Script script)
    {
        drive_dialog(
            detailed_results_dialog_proc,
            [&] { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDM_DETAILED_RESULTS, 0), 0); },
            std::move(script));
    }

    TextRecorder texts_;
};

TEST_F(DetailedResultsCommand, TheDialogShowsTheLiveRaceAsItStands)
{
    create_window();
    compose_grid(THREE_CARS);
    CarRecord &first = g_car_records[0];
    first.laps = 2;
    first.race_times[1] = 20000;
    first.race_times[2] = 41000;
    g_car_records[2].laps = 1;
    g_car_records[2].race_times[1] = 19500;
    run([&](HWND dialog) {
        EXPECT_EQ(g_detail_car_count, 3);
        texts_.clear();
        RedrawWindow(dialog, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(texts_.at(cell_x(0), row_y(1)), "41.000");
        EXPECT_EQ(texts_.at(cell_x(2), row_y(0)), "19.500");
        EXPECT_EQ(texts_.at(cell_x(1), row_y(0)), "");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
    // The live race is untouched: lap n still at index n.
    EXPECT_EQ(first.race_times[2], 41000);
    EXPECT_EQ(first.lap_times[1], 0);
}

// At a fresh start the command writes the same empty heat as the exit
// leaves, and the dialog shows no car: no column, no legend, no bar.
TEST_F(DetailedResultsCommand, BeforeAnyRaceTheFileAndTheDialogHoldNoCar)
{
    memset(g_car_records, 0, sizeof g_car_records);
    create_window();
    run([&](HWND dialog) {
        EXPECT_EQ(g_detail_car_count, 0);
        texts_.clear();
        RedrawWindow(dialog, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_FALSE(texts_.texts().empty());  // the lap numbers
        for (const PaintedText &t : texts_.texts())
            EXPECT_TRUE(t.text.rfind("Ligne", 0) != 0 && t.text.rfind("L1:", 0) != 0)
                << t.text;
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_RESULTS_HSCROLL)));
        DialogDriver::command(dialog, IDOK);
    });
    std::string empty_heat = "CLASSEMENTToursTemps\t\r\n";
    for (int i = 0; i < GRID_SLOTS; i++)
        empty_heat += "(NA)\t0\t\r\n";
    EXPECT_EQ(read_file("DetailResultats.res"), empty_heat);
    DestroyWindow(window_);
    window_ = 0;
    EXPECT_EQ(read_file("DetailResultats.res"), empty_heat);
}

}  // namespace
