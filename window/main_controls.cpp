// The child controls of the main window: race buttons, transponder mode,
// race length, countdown, clock frame and the 20 manual passage buttons,
// placed once at creation from the screen size.
#include "main_window.h"

#include <stdio.h>

#include "screen_scale.h"
#include "window_ids.h"
#include "window_texts.h"

namespace {

const DWORD BITMAP_BUTTON = WS_CHILD | WS_VISIBLE | BS_BITMAP;
const DWORD LABEL = WS_CHILD | WS_VISIBLE | ES_READONLY | ES_CENTER;
const DWORD GROUP = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
const DWORD FIRST_RADIO = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON;
const DWORD NEXT_RADIO = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
// The number edits scroll sideways: without it an edit refuses a character
// that does not fit its width, and a countdown or laps edit the fourth digit.
const DWORD NUMBER = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL;
// WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY and the undocumented 0x4000.
const DWORD SCAN_STATUS = 0x50804800;

void add(HWND parent, int32_t id, const char *cls, DWORD style, const char *text, int32_t x,
         int32_t y, int32_t width, int32_t height)
{
    CreateWindowExA(0, cls, text, style, x, y, width, height, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_hinstance, 0);
}

}  // namespace

void create_main_controls(HWND window, int32_t w, int32_t h)
{
    const MainControlSizes &z = MAIN_CONTROL_SIZES;
    const int32_t buttons_x = 45 * w / 100;
    const int32_t mode_x = across(720, w);
    const int32_t countdown_x = across(560, w);

    add(window, IDC_START, "BUTTON", BITMAP_BUTTON, START_BUTTON_TEXT, buttons_x - 100,
        down(40, h), 80, h / 20);
    add(window, IDC_START_LABEL, "EDIT", LABEL, START_LABEL_TEXT, buttons_x - 95, down(86, h),
        70, h / 45);
    add(window, IDC_STOP, "BUTTON", BITMAP_BUTTON, STOP_BUTTON_TEXT, buttons_x, down(40, h), 80,
        h / 20);
    add(window, IDC_STOP_LABEL, "EDIT", LABEL, STOP_LABEL_TEXT, buttons_x + 5, down(86, h), 70,
        h / 45);
    add(window, IDC_CLEAR, "BUTTON", BITMAP_BUTTON, CLEAR_BUTTON_TEXT, buttons_x + 100,
        down(40, h), 80, h / 20);
    add(window, IDC_CLEAR_LABEL, "EDIT", LABEL, CLEAR_LABEL_TEXT, buttons_x + 105, down(86, h),
        70, h / 45);

    add(window, IDC_TRANSPONDER_MODE_GROUP, "BUTTON", GROUP, TRANSPONDER_MODE_TEXT,
        mode_x + 200, down(700, h), z.transponder_mode_width, down(85, h));
    add(window, IDC_OWN_CHIPS, "BUTTON", FIRST_RADIO, OWN_CHIPS_TEXT, mode_x + 205,
        down(727, h), z.own_chips_width, h / 45);
    add(window, IDC_MIXED_SCAN, "BUTTON", NEXT_RADIO, MIXED_SCAN_TEXT, mode_x + 205,
        down(760, h), z.mixed_scan_width, h / 45);
    add(window, IDC_SCAN, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHLIKE | BS_AUTOCHECKBOX,
        SCAN_TEXT, mode_x + z.scan_x, down(757, h), z.scan_width, down(23, h));
    add(window, IDC_SCAN_STATUS, "EDIT", SCAN_STATUS, "", mode_x + z.scan_status_x,
        down(757, h), z.scan_status_width, down(23, h));

    add(window, IDC_DURATION_GROUP, "BUTTON", GROUP, DURATION_TEXT, w - 300, h / 30, 200,
        h / 12);
    add(window, IDC_RACE_BY_TIME, "BUTTON", FIRST_RADIO, RACE_BY_TIME_TEXT, w - 295, down(52, h),
        85, h / 45);
    add(window, IDC_RACE_BY_LAPS, "BUTTON", NEXT_RADIO, RACE_BY_LAPS_TEXT, w - 295, down(77, h),
        z.race_by_laps_width, h / 45);
    add(window, IDC_HOURS, "EDIT", NUMBER, "", w - 200, down(52, h), 24, h / 45);
    add(window, IDC_MINUTES, "EDIT", NUMBER, "", w - 162, down(52, h), 24, h / 45);
    add(window, IDC_HOURS_LABEL, "EDIT", LABEL, HOURS_UNIT_TEXT, w - 174, down(52, h), 10,
        h / 45);
    add(window, IDC_MINUTES_LABEL, "EDIT", LABEL, MINUTES_UNIT_TEXT, w - 136, down(52, h), 32,
        h / 45);
    add(window, IDC_LAPS, "EDIT", NUMBER, "", w - z.laps_from_right, down(77, h), 42, h / 45);
    add(window, IDC_LAPS_LABEL, "EDIT", LABEL, LAPS_UNIT_TEXT, w - z.laps_label_from_right,
        down(77, h), z.laps_label_width, h / 45);

    add(window, IDC_COUNTDOWN_GROUP, "BUTTON", GROUP, COUNTDOWN_GROUP_TEXT, countdown_x,
        down(710, h), 190, h / 12);
    add(window, IDC_COUNTDOWN, "EDIT", NUMBER, "5", countdown_x + 20, down(740, h), 42, h / 45);
    add(window, IDC_COUNTDOWN_LABEL, "EDIT", LABEL, SECONDS_UNIT_TEXT, countdown_x + 63,
        down(740, h), 10, h / 45);

    add(window, IDC_BUTTON_FRAME, "BUTTON", GROUP, "", w / 2 - across(525, w), down(606, h),
        across(1050, w), h / 18);
    // Button 11 stands at the middle of the screen, the others 50 units apart;
    // the offsets left of it are negative and truncate toward zero.
    for (int32_t k = 1; k <= GRID_SLOTS; k++) {
        char number[4];
        snprintf(number, sizeof number, "%d", static_cast<int>(k));
        add(window, IDC_CAR_1 - 1 + k, "BUTTON", WS_CHILD | WS_VISIBLE, number,
            w / 2 + across(50 * k - 550, w), down(625, h), w / 40, h / 45);
    }

    add(window, IDC_CLOCK_GROUP, "BUTTON", GROUP, CLOCK_GROUP_TEXT, across(45, w), down(710, h),
        across(440, w), h / 12);
}
