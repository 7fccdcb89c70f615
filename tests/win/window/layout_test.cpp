// Where the painted areas and the controls stand on the reference screen and
// on screens of other sizes and shapes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "main_window.h"
#include "window_ids.h"

namespace {

const int32_t WIDTHS[BOARD_COLUMNS] = {75, 330, 85, 165, 165, 165, 160, 160, 110};  // S = 1415

void expect_rect(const RECT &r, LONG left, LONG top, LONG right, LONG bottom)
{
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}),
              std::vector<LONG>({left, top, right, bottom}));
}

// With no rows the body and the position column have no height.
TEST(BoardLayout, ReferenceScreenUsesTheReferenceValuesAsPixels)
{
    BoardLayout l;
    fill_board_layout(&l, 1600, 900, WIDTHS, 24, 10);
    expect_rect(l.board, 32, 115, 1415 + 110 + 10, 610);
    expect_rect(l.header, 35, 123, 1415 + 100 + 10, 145);
    expect_rect(l.position_column, 35, 145, 75, 145 + 240);
    expect_rect(l.body, 75, 145, 1415 + 100 + 10, 145 + 240);
    expect_rect(l.race_title, 30, 60, 610, 110);
    expect_rect(l.clocks, 50, 730, 480, 780);
    expect_rect(l.countdown, 640, 730, 730, 770);
    fill_board_layout(&l, 1600, 900, WIDTHS, 0, 0);
    expect_rect(l.position_column, 35, 145, 75, 145);
    expect_rect(l.body, 75, 145, 1415 + 100 + 10, 145);
}

// Across scales by the width, down by the height, each truncated; huge
// widths from a file do not overflow.
TEST(BoardLayout, OtherScreensScaleEveryValueAndTruncate)
{
    BoardLayout l;
    fill_board_layout(&l, 1920, 1080, WIDTHS, 20, 10);
    expect_rect(l.board, 36, 138, (1415 + 110) * 1920 / 1600 + 10, 732);
    fill_board_layout(&l, 1280, 1024, WIDTHS, 20, 10);
    expect_rect(l.board, 27, 130, 1230, 694);
    expect_rect(l.header, 30, 139, 1222, 164);
    expect_rect(l.position_column, 30, 164, 62, 392);
    expect_rect(l.body, 62, 164, 1222, 392);
    expect_rect(l.race_title, 26, 61, 466, 125);
    expect_rect(l.clocks, 40, 830, 384, 887);
    expect_rect(l.countdown, 528, 830, 618, 876);
    int32_t huge[BOARD_COLUMNS];
    std::fill_n(huge, BOARD_COLUMNS, 2000000000);
    fill_board_layout(&l, 1920, 1080, huge, 20, 10);
    EXPECT_GT(l.board.right, l.board.left);
}

// The styles as the controls are asked for: the system may change some of
// them afterwards (an edit's border becomes an extended style).
std::map<int, DWORD> g_created_styles;

LRESULT CALLBACK record_creation(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA *cs = reinterpret_cast<CBT_CREATEWNDA *>(lparam)->lpcs;
        if (cs->style & WS_CHILD)
            g_created_styles[static_cast<int>(reinterpret_cast<INT_PTR>(cs->hMenu))] = cs->style;
    }
    return CallNextHookEx(0, code, wparam, lparam);
}

const DWORD CHILD = WS_CHILD | WS_VISIBLE;
// Scrolling sideways, so that the longest number can be typed.
const DWORD NUMBER = CHILD | WS_BORDER | ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL;

// Every control on a 16:10 screen, where across (1680/1600) and down
// (1050/900) differ, with its style and text.
TEST(ControlPlaces, EveryControlHasItsPlaceStyleAndText)
{
    const struct {
        int id;
        LONG x, y, width, height;
        DWORD style;
        const char *text;
    } controls[] = {
        {IDC_START, 656, 46, 80, 52, CHILD | BS_BITMAP, "Depart"},
        {IDC_START_LABEL, 661, 100, 70, 23, CHILD | ES_READONLY | ES_CENTER, "D\xE9part"},
        {IDC_STOP, 756, 46, 80, 52, CHILD | BS_BITMAP, "Arret"},
        {IDC_STOP_LABEL, 761, 100, 70, 23, CHILD | ES_READONLY | ES_CENTER, "Arret"},
        {IDC_CLEAR, 856, 46, 80, 52, CHILD | BS_BITMAP, "Effacer"},
        {IDC_CLEAR_LABEL, 861, 100, 70, 23, CHILD | ES_READONLY | ES_CENTER, "Effacer"},
        {IDC_TRANSPONDER_MODE_GROUP, 956, 816, 330, 99, CHILD | BS_GROUPBOX, "Mode transpondeurs"},
        {IDC_OWN_CHIPS, 961, 848, 105, 23, CHILD | WS_GROUP | BS_AUTORADIOBUTTON, "Puces perso"},
        {IDC_MIXED_SCAN, 961, 886, 105, 23, CHILD | BS_AUTORADIOBUTTON, "Mixte (scan)"},
        {IDC_SCAN, 1076, 883, 60, 26, CHILD | WS_TABSTOP | BS_PUSHLIKE | BS_AUTOCHECKBOX, "Scan"},
        {IDC_SCAN_STATUS, 1146, 883, 110, 26, 0x50804800, ""},
        {IDC_DURATION_GROUP, 1380, 35, 200, 87, CHILD | BS_GROUPBOX, "Dur\xE9" "e course"},
        {IDC_RACE_BY_TIME, 1385, 60, 85, 23, CHILD | WS_GROUP | BS_AUTORADIOBUTTON, "Temps"},
        {IDC_RACE_BY_LAPS, 1385, 89, 89, 23, CHILD | BS_AUTORADIOBUTTON, "Nbre tours"},
        {IDC_HOURS, 1480, 60, 24, 23, NUMBER, ""},
        {IDC_MINUTES, 1518, 60, 24, 23, NUMBER, ""},
        {IDC_HOURS_LABEL, 1506, 60, 10, 23, CHILD | ES_READONLY | ES_CENTER, "h"},
        {IDC_MINUTES_LABEL, 1544, 60, 32, 23, CHILD | ES_READONLY | ES_CENTER, "min "},
        {IDC_LAPS, 1485, 89, 42, 23, NUMBER, ""},
        {IDC_LAPS_LABEL, 1529, 89, 39, 23, CHILD | ES_READONLY | ES_CENTER, "tours "},
        {IDC_COUNTDOWN_GROUP, 588, 828, 190, 87, CHILD | BS_GROUPBOX, "D\xE9" "compte"},
        {IDC_COUNTDOWN, 608, 863, 42, 23, NUMBER, "5"},
        {IDC_COUNTDOWN_LABEL, 651, 863, 10, 23, CHILD | ES_READONLY | ES_CENTER, "s"},
        {IDC_BUTTON_FRAME, 289, 707, 1102, 58, CHILD | BS_GROUPBOX, ""},
        {IDC_CAR_1, 315, 729, 42, 23, CHILD, "1"},
        {IDC_CAR_1 + 1, 368, 729, 42, 23, CHILD, "2"},  // 840 - 472.5, truncated toward zero
        {IDC_CAR_1 + 10, 840, 729, 42, 23, CHILD, "11"},
        {IDC_CAR_20, 1312, 729, 42, 23, CHILD, "20"},
        {IDC_CLOCK_GROUP, 47, 828, 462, 87, CHILD | BS_GROUPBOX, "Horloge"},
    };
    g_hinstance = GetModuleHandleA(0);
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 4000, 3000, 0, 0, g_hinstance, 0);
    g_created_styles.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, record_creation, 0, GetCurrentThreadId());
    create_main_controls(parent, 1680, 1050);
    UnhookWindowsHookEx(hook);
    for (const auto &c : controls) {
        HWND control = GetDlgItem(parent, c.id);
        RECT r = {0, 0, 0, 0};
        GetWindowRect(control, &r);
        MapWindowPoints(0, parent, reinterpret_cast<POINT *>(&r), 2);
        char text[64] = "";
        GetWindowTextA(control, text, sizeof text);
        EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  std::vector<LONG>({c.x, c.y, c.width, c.height})) << c.id;
        EXPECT_EQ(g_created_styles[c.id], c.style) << c.id;
        EXPECT_STREQ(text, c.text) << c.id;
    }
    DestroyWindow(parent);
}

}  // namespace
