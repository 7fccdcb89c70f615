// The detailed results dialog. It reads nothing but DetailResultats.res,
// which the menu command has just written from the live race, and writes
// nothing: the race may go on under it, and the views show the heat as it
// stood when the dialog opened.
#include "detailed_results.h"

#include <string.h>

#include "dialog_common.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "main_window.h"
#include "results_painter.h"

CarRecord g_detail_car_records[GRID_SLOTS];
char g_detail_ranking_key[RANKING_KEY_SIZE];
int32_t g_detail_car_count;
int32_t g_detail_visible_cars;
int32_t g_detail_max_laps;
SCROLLINFO g_detail_vscroll_info;
SCROLLINFO g_detail_hscroll_info;

const RECT RESULTS_LEGEND_RECT = {0, 50, 250, 600};
const RECT RESULTS_VIEW_RECT = {250, 50, 950, 600};

namespace {

// A table shows 20 lap rows and 10 car columns, the chart 10 laps. The last
// position of a lap bar leaves one empty row or column under the last lap.
const int32_t TABLE_ROWS_BEYOND = 19;
const int32_t TABLE_COLUMNS = 10;
const int32_t CHART_LAPS_BEYOND = 9;

const UINT REDRAW_FLAGS = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW;

HFONT g_detail_radio_font;

// The views paint a little past their two rectangles: a table closes its
// last column and its last row with lines on the view's right and bottom
// edges, and the chart's legend of a car placed after the last position runs
// below the legend side, down to the foot of the dialog. Each repaint covers
// those too, so that nothing of one view or position stays under the next.
void redraw_views(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    const RECT legend = {RESULTS_LEGEND_RECT.left, RESULTS_LEGEND_RECT.top,
                         RESULTS_LEGEND_RECT.right, client.bottom};
    const RECT view = {RESULTS_VIEW_RECT.left, RESULTS_VIEW_RECT.top,
                       RESULTS_VIEW_RECT.right + 1, RESULTS_VIEW_RECT.bottom + 1};
    RedrawWindow(dialog, &legend, 0, REDRAW_FLAGS);
    RedrawWindow(dialog, &view, 0, REDRAW_FLAGS);
}

// A bar is shown only when something lies beyond the view, its range then
// running from 0 to that much; either way its position goes back to 0.
void set_bar(HWND dialog, int32_t id, SCROLLINFO *info, int32_t beyond, BOOL redraw)
{
    HWND bar = GetDlgItem(dialog, id);
    const BOOL shown = beyond > 0;
    memset(info, 0, sizeof *info);
    info->cbSize = sizeof *info;
    info->fMask = SIF_RANGE | SIF_POS;
    info->nMax = shown ? beyond : 0;
    SetScrollInfo(bar, SB_CTL, info, redraw && shown);
    ShowWindow(bar, shown ? SW_SHOWNORMAL : SW_HIDE);
}

void set_table_bars(HWND dialog, BOOL redraw)
{
    set_bar(dialog, IDC_RESULTS_VSCROLL, &g_detail_vscroll_info,
            g_detail_max_laps - TABLE_ROWS_BEYOND, redraw);
    set_bar(dialog, IDC_RESULTS_HSCROLL, &g_detail_hscroll_info,
            g_detail_car_count - TABLE_COLUMNS, redraw);
}

void set_chart_bars(HWND dialog)
{
    set_bar(dialog, IDC_RESULTS_VSCROLL, &g_detail_vscroll_info, 0, TRUE);
    set_bar(dialog, IDC_RESULTS_HSCROLL, &g_detail_hscroll_info,
            g_detail_max_laps - CHART_LAPS_BEYOND, TRUE);
}

// A file that cannot be opened leaves the heat of the last opening, which is
// made ready again as it stands.
void load_heat(HWND dialog)
{
    if (!read_detailed_results(g_detail_car_records, g_detail_ranking_key))
        show_dialog_error(dialog, DIALOG_DETAILED_RESULTS_FILE_ERROR_TEXT);
    derive_lap_times(g_detail_car_records);
    compute_lap_positions(g_detail_car_records);
    g_detail_car_count = pack_result_cars(g_detail_car_records);
    g_detail_visible_cars =
        g_detail_car_count < TABLE_COLUMNS ? g_detail_car_count : TABLE_COLUMNS;
    g_detail_max_laps = largest_lap_count(g_detail_car_records);
}

INT_PTR on_init_dialog(HWND dialog)
{
    static const int32_t radio_ids[] = {IDC_RESULTS_RACE_TIMES, IDC_RESULTS_LAP_TIMES,
                                        IDC_RESULTS_POSITIONS};
    load_heat(dialog);
    CheckRadioButton(dialog, IDC_RESULTS_RACE_TIMES, IDC_RESULTS_POSITIONS,
                     IDC_RESULTS_RACE_TIMES);
    set_table_bars(dialog, FALSE);
    g_detail_radio_font = create_dialog_font(FW_BOLD, 0);
    give_font(dialog, radio_ids, sizeof radio_ids / sizeof radio_ids[0], g_detail_radio_font);
    redraw_views(dialog);
    return FALSE;
}

INT_PTR close_dialog(HWND dialog, INT_PTR result)
{
    delete_dialog_font(&g_detail_radio_font);
    EndDialog(dialog, 0);
    return result;
}

// Every view starts at its first lap and first car.
INT_PTR on_command(HWND dialog, int32_t id)
{
    switch (id) {
    case IDC_RESULTS_RACE_TIMES:
    case IDC_RESULTS_LAP_TIMES:
        set_table_bars(dialog, TRUE);
        redraw_views(dialog);
        return TRUE;
    case IDC_RESULTS_POSITIONS:
        set_chart_bars(dialog);
        redraw_views(dialog);
        return TRUE;
    case IDOK: return close_dialog(dialog, TRUE);
    default: return close_dialog(dialog, FALSE);
    }
}

// Page requests go to the first or the last position, and a dragged thumb
// moves the view only where it is let go. The painters index the laps and
// cars with the position, so it never leaves the bar's range, whatever the
// message carried.
INT_PTR on_scroll(HWND dialog, int32_t id, SCROLLINFO *info, int32_t request, int32_t thumb)
{
    HWND bar = GetDlgItem(dialog, id);
    GetScrollInfo(bar, SB_CTL, info);
    const int32_t old = info->nPos;
    switch (request) {
    case SB_LINEUP:
        if (info->nPos > info->nMin)
            info->nPos--;
        break;
    case SB_LINEDOWN:
        if (info->nPos < info->nMax)
            info->nPos++;
        break;
    case SB_PAGEUP: info->nPos = info->nMin; break;
    case SB_PAGEDOWN: info->nPos = info->nMax; break;
    case SB_THUMBPOSITION: info->nPos = thumb; break;
    default: break;
    }
    if (info->nPos > info->nMax)
        info->nPos = info->nMax;
    if (info->nPos < info->nMin)
        info->nPos = info->nMin;
    info->fMask = SIF_POS;
    SetScrollInfo(bar, SB_CTL, info, TRUE);
    if (info->nPos != old)
        redraw_views(dialog);
    return FALSE;
}

int32_t view_chosen(HWND dialog, int32_t id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

INT_PTR on_paint(HWND dialog)
{
    if (view_chosen(dialog, IDC_RESULTS_RACE_TIMES))
        paint_race_times_table(dialog, RESULTS_LEGEND_RECT, RESULTS_VIEW_RECT,
                               &g_detail_vscroll_info, &g_detail_hscroll_info,
                               g_detail_car_records, g_detail_car_count, g_detail_visible_cars);
    if (view_chosen(dialog, IDC_RESULTS_LAP_TIMES))
        paint_lap_times_table(dialog, RESULTS_LEGEND_RECT, RESULTS_VIEW_RECT,
                              &g_detail_vscroll_info, &g_detail_hscroll_info,
                              g_detail_car_records, g_detail_car_count, g_detail_visible_cars);
    if (view_chosen(dialog, IDC_RESULTS_POSITIONS))
        paint_position_chart(dialog, RESULTS_LEGEND_RECT, RESULTS_VIEW_RECT,
                             g_detail_ranking_key, &g_detail_vscroll_info,
                             &g_detail_hscroll_info, g_detail_car_records, g_detail_max_laps,
                             g_detail_car_count);
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK detailed_results_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam));
    case WM_VSCROLL:
        return on_scroll(dialog, IDC_RESULTS_VSCROLL, &g_detail_vscroll_info, LOWORD(wparam),
                         HIWORD(wparam));
    case WM_HSCROLL:
        return on_scroll(dialog, IDC_RESULTS_HSCROLL, &g_detail_hscroll_info, LOWORD(wparam),
                         HIWORD(wparam));
    case WM_PAINT: return on_paint(dialog);
    case WM_CLOSE: return close_dialog(dialog, FALSE);
    default: return FALSE;
    }
}

void open_detailed_results_dialog(HWND owner)
{
    DialogBoxParamA(g_hinstance, "COURSERESULTATS", owner, detailed_results_dialog_proc, 0);
}
