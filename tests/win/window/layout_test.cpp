// Where the painted areas and the controls stand on the reference screen, on
// a larger one, and on one whose width does not divide evenly.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "main_window.h"
#include "window_ids.h"

namespace {

const int32_t WIDTHS[BOARD_COLUMNS] = {75, 330, 85, 165, 165, 165, 160, 160, 110};  // S = 1415

void expect_rect(const RECT &r, LONG left, LONG top, LONG right, LONG bottom)
{
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

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
}

TEST(BoardLayout, LargerScreenScalesEveryValueAndTruncates)
{
    BoardLayout l;
    fill_board_layout(&l, 1920, 1080, WIDTHS, 20, 10);
    expect_rect(l.board, 36, 138, (1415 + 110) * 1920 / 1600 + 10, 732);
    expect_rect(l.header, 40, 147, 1828, 174);
    expect_rect(l.position_column, 40, 174, 88, 414);
    expect_rect(l.body, 88, 174, 1828, 414);
    expect_rect(l.race_title, 34, 62, 754, 132);
    expect_rect(l.clocks, 60, 876, 576, 936);
    expect_rect(l.countdown, 752, 876, 842, 924);
}

TEST(BoardLayout, NoRowsGiveNoBodyHeight)
{
    BoardLayout l;
    fill_board_layout(&l, 1600, 900, WIDTHS, 0, 0);
    EXPECT_EQ(l.body.bottom, l.body.top);
    EXPECT_EQ(l.position_column.bottom, l.position_column.top);
}

TEST(BoardLayout, HugeWidthsFromAFileDoNotOverflow)
{
    const int32_t huge[BOARD_COLUMNS] = {2000000000, 2000000000, 2000000000, 2000000000,
                                         2000000000, 2000000000, 2000000000, 2000000000,
                                         2000000000};
    BoardLayout l;
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

class ControlPlaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_hinstance = GetModuleHandleA(0);
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 4000, 3000, 0, 0, g_hinstance, 0);
        g_created_styles.clear();
        hook_ = SetWindowsHookExA(WH_CBT, record_creation, 0, GetCurrentThreadId());
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(hook_);
        DestroyWindow(parent_);
    }

    RECT place(int id)
    {
        RECT r = {0, 0, 0, 0};
        HWND control = GetDlgItem(parent_, id);
        EXPECT_TRUE(control) << id;
        GetWindowRect(control, &r);
        MapWindowPoints(0, parent_, reinterpret_cast<POINT *>(&r), 2);
        return r;
    }
    void expect_place(int id, LONG x, LONG y, LONG width, LONG height)
    {
        const RECT r = place(id);
        EXPECT_EQ(r.left, x) << id;
        EXPECT_EQ(r.top, y) << id;
        EXPECT_EQ(r.right - r.left, width) << id;
        EXPECT_EQ(r.bottom - r.top, height) << id;
    }
    std::string text(int id)
    {
        char t[64] = "";
        GetDlgItemTextA(parent_, id, t, sizeof t);
        return t;
    }

    HWND parent_ = 0;
    HHOOK hook_ = 0;
};

TEST_F(ControlPlaces, LargerScreenPlacesEveryKindOfControl)
{
    create_main_controls(parent_, 1920, 1080);
    expect_place(IDC_START, 764, 48, 80, 54);
    expect_place(IDC_START_LABEL, 769, 103, 70, 24);
    expect_place(IDC_STOP, 864, 48, 80, 54);
    expect_place(IDC_CLEAR_LABEL, 969, 103, 70, 24);
    expect_place(IDC_TRANSPONDER_MODE_GROUP, 1064, 840, 330, 102);
    expect_place(IDC_OWN_CHIPS, 1069, 872, 105, 24);
    expect_place(IDC_MIXED_SCAN, 1069, 912, 105, 24);
    expect_place(IDC_SCAN, 1184, 908, 60, 27);
    expect_place(IDC_SCAN_STATUS, 1254, 908, 110, 27);
    expect_place(IDC_DURATION_GROUP, 1620, 36, 200, 90);
    expect_place(IDC_RACE_BY_LAPS, 1625, 92, 85, 24);
    expect_place(IDC_MINUTES, 1758, 62, 24, 24);
    expect_place(IDC_LAPS, 1725, 92, 42, 24);
    expect_place(IDC_LAPS_LABEL, 1769, 92, 39, 24);
    expect_place(IDC_COUNTDOWN_GROUP, 672, 852, 190, 90);
    expect_place(IDC_COUNTDOWN_LABEL, 735, 888, 10, 24);
    expect_place(IDC_BUTTON_FRAME, 330, 727, 1260, 60);
    expect_place(IDC_CAR_1, 360, 750, 48, 24);
    expect_place(IDC_CAR_1 + 10, 960, 750, 48, 24);
    expect_place(IDC_CAR_20, 1500, 750, 48, 24);
    expect_place(IDC_CLOCK_GROUP, 54, 852, 528, 90);
}

// Left of the middle the offsets are negative and truncate toward zero:
// -500 * 1366 / 1600 is -426, not -427.
TEST_F(ControlPlaces, PassageButtonOffsetsTruncateTowardZero)
{
    create_main_controls(parent_, 1366, 768);
    EXPECT_EQ(place(IDC_CAR_1).left, 683 - 426);
    EXPECT_EQ(place(IDC_CAR_1 + 10).left, 683);
    EXPECT_EQ(place(IDC_CAR_20).left, 683 + 384);
}

TEST_F(ControlPlaces, ControlsCarryTheirTextsAndStyles)
{
    create_main_controls(parent_, 1600, 900);
    EXPECT_EQ(text(IDC_START_LABEL), "D\xE9part");
    EXPECT_EQ(text(IDC_MIXED_SCAN), "Mixte (scan)");
    EXPECT_EQ(text(IDC_COUNTDOWN), "5");
    EXPECT_EQ(text(IDC_CAR_1 + 6), "7");
    EXPECT_EQ(text(IDC_CLOCK_GROUP), "Horloge");
    std::map<int, DWORD> &s = g_created_styles;
    EXPECT_EQ(s[IDC_SCAN_STATUS], 0x50804800u);
    EXPECT_EQ(s[IDC_START], static_cast<DWORD>(WS_CHILD | WS_VISIBLE | BS_BITMAP));
    EXPECT_EQ(s[IDC_CLEAR_LABEL], static_cast<DWORD>(WS_CHILD | WS_VISIBLE | ES_READONLY | ES_CENTER));
    EXPECT_EQ(s[IDC_OWN_CHIPS], static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON));
    EXPECT_EQ(s[IDC_RACE_BY_LAPS], static_cast<DWORD>(WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON));
    EXPECT_EQ(s[IDC_SCAN], static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHLIKE |
                                              BS_AUTOCHECKBOX));
    EXPECT_EQ(s[IDC_HOURS], static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_RIGHT));
    EXPECT_EQ(s[IDC_BUTTON_FRAME], static_cast<DWORD>(WS_CHILD | WS_VISIBLE | BS_GROUPBOX));
    EXPECT_EQ(s[IDC_CAR_1 + 19], static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
}

}  // namespace
