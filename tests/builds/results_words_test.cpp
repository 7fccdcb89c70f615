// The words of the detailed results dialog in each build: every text that
// the tables and the chart paint, measured in the font it is painted in,
// lies whole in its cell of the table or its side of the chart, clear of
// the lines and of the other texts. This source is compiled once per build.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "detailed_results.h"
#include "dialog_driver.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "text_recorder.h"

namespace {

// Where a painted text lies, from its reference point, its alignment and
// its extent in "Arial" of its height, the font the views paint with.
RECT box_of(HDC dc, const PaintedText &t)
{
    HGDIOBJ old = SelectObject(dc, CreateFontA(t.font_height, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                               "Arial"));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, t.text.c_str(), static_cast<int>(t.text.size()), &size);
    DeleteObject(SelectObject(dc, old));
    const UINT across = t.align & (TA_LEFT | TA_CENTER | TA_RIGHT);
    const LONG left = across == TA_RIGHT ? t.x - size.cx
                      : across == TA_CENTER ? t.x - size.cx / 2
                                            : t.x;
    return {left, t.y, left + size.cx, t.y + size.cy};
}

std::string place_of(const PaintedText &t)
{
    return "\"" + t.text + "\" at " + std::to_string(t.x) + ", " + std::to_string(t.y);
}

// The tables' lines: the lap number column from x 200 to 250, car columns of
// 70 pixels to 950; the header band from y 50 to 80, rows of 26 pixels to 600.
std::vector<LONG> lines_from(LONG first, LONG second, LONG step, LONG last)
{
    std::vector<LONG> lines = {first};
    for (LONG at = second; at <= last; at += step)
        lines.push_back(at);
    return lines;
}
const std::vector<LONG> TABLE_LINES_ACROSS = lines_from(200, 250, 70, 950);
const std::vector<LONG> TABLE_LINES_DOWN = lines_from(50, 80, 26, 600);

bool crosses(const std::vector<LONG> &lines, LONG from, LONG to)
{
    for (LONG at : lines)
        if (from <= at && at < to)
            return true;
    return false;
}

class ResultsWords : public DialogTest {
protected:
    void SetUp() override { ASSERT_TRUE(texts_.active()); }

    // The texts of one view, painted whole, with where each lies.
    std::vector<std::pair<PaintedText, RECT>> painted(HWND dialog)
    {
        texts_.clear();
        RedrawWindow(dialog, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW);
        std::vector<std::pair<PaintedText, RECT>> found;
        HDC dc = GetDC(dialog);
        for (const PaintedText &t : texts_.texts())
            found.push_back({t, box_of(dc, t)});
        ReleaseDC(dialog, dc);
        return found;
    }

    TextRecorder texts_;
};

// Twenty cars of twelve laps on every grid line, changing places at every
// lap, scrolled to the last cars and laps: two-digit grid lines and laps.
TEST_F(ResultsWords, EveryTableAndChartTextLiesWholeInItsCell)
{
    std::string file = "CLASSEMENTToursTemps\t\r\n";
    for (int car = 1; car <= GRID_SLOTS; car++) {
        file += "Maximilian Schr\xF6" "der " + std::to_string(car) + "\t12\t";
        for (int lap = 1; lap <= 12; lap++)
            file += std::to_string(20000 * lap + (car * 7 + lap * 3) % 20 * 150) + "\t";
        file += "\r\n";
    }
    write_file("DetailResultats.res", file);
    open(detailed_results_dialog_proc, open_detailed_results_dialog, [&](HWND dialog) {
        HWND columns = GetDlgItem(dialog, IDC_RESULTS_HSCROLL);
        for (int view : {IDC_RESULTS_RACE_TIMES, IDC_RESULTS_LAP_TIMES}) {
            DialogDriver::click(dialog, view);
            SendMessageA(dialog, WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(columns));
            for (const auto &[t, box] : painted(dialog)) {
                EXPECT_GE(box.left, 0) << place_of(t);
                EXPECT_FALSE(crosses(TABLE_LINES_ACROSS, box.left, box.right))
                    << place_of(t) << " runs over a border, from " << box.left << " to "
                    << box.right;
                if (box.left >= TABLE_LINES_ACROSS[0]) {
                    EXPECT_FALSE(crosses(TABLE_LINES_DOWN, box.top, box.bottom)) << place_of(t);
                }
            }
        }

        // The chart: the legends on the legend side, the rest on the view,
        // each whole where the dialog repaints it, none over another.
        DialogDriver::click(dialog, IDC_RESULTS_POSITIONS);
        SendMessageA(dialog, WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(columns));
        const auto chart = painted(dialog);
        EXPECT_TRUE(texts_.find(RESULTS_LAP_WORD_TEXT));
        for (const auto &[t, box] : chart) {
            const bool legend = t.x < 250;
            EXPECT_GE(box.left, legend ? 0 : 250) << place_of(t);
            EXPECT_LE(box.right, legend ? 250 : 950) << place_of(t);
            EXPECT_GE(box.top, 50) << place_of(t);
            EXPECT_LE(box.bottom, 600) << place_of(t);
            for (const auto &[other, other_box] : chart) {
                RECT both;
                if (&other != &t && IntersectRect(&both, &box, &other_box))
                    ADD_FAILURE() << place_of(t) << " runs into " << place_of(other);
            }
        }
        DialogDriver::command(dialog, IDOK);
    });
}

}  // namespace
