// The main window procedure: it refreshes the layout from the screen size at
// every message and hands each message to its handler. Creation loads the
// data files, destruction saves them; the board's scroll bar and the column
// borders dragged with the mouse live here too.
#include "main_window.h"

#include <shlobj.h>
#include <stdio.h>
#include <string.h>

#include "board_painter.h"
#include "engine.h"
#include "menu_commands.h"
#include "race_controls.h"
#include "resource_ids.h"
#include "run_state.h"
#include "screen_scale.h"
#include "serial_port.h"
#include "texts.h"
#include "window_ids.h"
#include "window_texts.h"

const char MAIN_WINDOW_CLASS[] = "classeF";
const char MAIN_WINDOW_TITLE[] = "Zelquanodrim";
const char DISPLAY_SETTINGS_FILE[] = "Private/RéglagesAffichage.rgsc";

HINSTANCE g_hinstance;
HWND g_main_window;
HMENU g_menu_bar;

int32_t g_screen_width;
int32_t g_screen_height;
BoardLayout g_board_layout;

DisplaySettings g_display_settings;
CustomColours g_custom_colours;
int32_t g_column_widths[BOARD_COLUMNS];
int32_t g_board_row_height;
int32_t g_board_rows_fit;
int32_t g_board_visible_rows;
HWND g_board_scrollbar;
SCROLLINFO g_board_scroll_info;

int32_t g_mouse_x;
int32_t g_mouse_y;
int32_t g_column_dragging;
int32_t g_dragged_column;
int32_t g_drag_start_x;

char g_program_folder[PROGRAM_FOLDER_SIZE];
HCURSOR g_arrow_cursor;
HCURSOR g_resize_cursor;
HFONT g_control_font;

char g_text_race_length[RACE_LENGTH_TEXT_SIZE];
char g_text_elapsed[CLOCK_TEXT_SIZE];
char g_text_remaining[CLOCK_TEXT_SIZE];
char g_text_countdown[COUNTDOWN_TEXT_SIZE];

namespace {

const char PROGRAM_SUBFOLDER[] = "\\Zelquan Orla Sequent";
char g_program_files_override[PROGRAM_FOLDER_SIZE];

const int32_t NARROWEST_DRAGGED_COLUMN = 5;

void set_item_text(HWND window, int32_t id, const char *text)
{
    SendDlgItemMessageA(window, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void set_item_number(HWND window, int32_t id, const char *format, int32_t value)
{
    char number[16];
    snprintf(number, sizeof number, format, static_cast<int>(value));
    set_item_text(window, id, number);
}

void show_item(HWND window, int32_t id, int show)
{
    ShowWindow(GetDlgItem(window, id), show);
}

// Each file is read whatever became of the one before; a failure is told
// and the window goes on with what memory holds.
void load_data_files(HWND window)
{
    if (!read_pilot_names(g_pilot_records))
        show_error(window, PILOT_NAMES_FILE_ERROR_TEXT, MB_ICONHAND);
    if (!read_pilot_transponders(g_pilot_records))
        show_error(window, PILOT_TRANSPONDERS_FILE_ERROR_TEXT, MB_ICONHAND);
    if (!read_race_length(g_race_mode, &g_race_hours, &g_race_minutes, &g_race_laps,
                          &g_countdown_seconds))
        show_error(window, RACE_LENGTH_READ_ERROR_TEXT, MB_ICONHAND);
    if (!read_race_options(&g_protection_seconds, g_ranking_key, g_start_mode, g_time_end_mode,
                           g_lap_end_mode))
        show_error(window, RACE_OPTIONS_READ_ERROR_TEXT, MB_ICONHAND);
    if (!read_sound_settings(g_sound_language, g_sound_countdown, g_sound_start,
                             g_sound_passing, g_sound_best_lap, g_sound_clock,
                             g_sound_race_end, g_sound_car_end))
        show_error(window, SOUND_SETTINGS_READ_ERROR_TEXT, MB_ICONHAND);
    load_display_settings(window);
}

// Hidden until a grid has more cars than the board shows.
void create_board_scrollbar(HWND window)
{
    const BoardLayout &l = g_board_layout;
    g_board_scrollbar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | SBS_VERT, 10, l.body.top,
                                        g_screen_width / 80, l.board.bottom - l.body.top, window,
                                        0, g_hinstance, 0);
    memset(&g_board_scroll_info, 0, sizeof g_board_scroll_info);
    g_board_scroll_info.cbSize = sizeof g_board_scroll_info;
    g_board_scroll_info.fMask = SIF_RANGE | SIF_POS;
    SetScrollInfo(g_board_scrollbar, SB_CTL, &g_board_scroll_info, FALSE);
    ShowWindow(g_board_scrollbar, SW_HIDE);
}

void set_race_controls(HWND window)
{
    set_item_number(window, IDC_COUNTDOWN, "%d", g_countdown_seconds);
    set_item_number(window, IDC_HOURS, "%d", g_race_hours);
    set_item_number(window, IDC_MINUTES, "%02d", g_race_minutes);
    set_item_number(window, IDC_LAPS, "%d", g_race_laps);

    static const int32_t time_controls[] = {IDC_HOURS, IDC_MINUTES, IDC_HOURS_LABEL,
                                            IDC_MINUTES_LABEL};
    static const int32_t lap_controls[] = {IDC_LAPS, IDC_LAPS_LABEL};
    const int by_time = strcmp(g_race_mode, RACE_MODE_TIME) == 0;
    // Any other mode (none, without the race length file) shows a race by
    // laps: the race run and the mode saved at exit are that one too.
    if (!by_time)
        lstrcpynA(g_race_mode, RACE_MODE_LAPS, sizeof g_race_mode);
    CheckRadioButton(window, IDC_RACE_BY_TIME, IDC_RACE_BY_LAPS,
                     by_time ? IDC_RACE_BY_TIME : IDC_RACE_BY_LAPS);
    for (int32_t id : time_controls)
        show_item(window, id, by_time ? SW_SHOWNORMAL : SW_HIDE);
    for (int32_t id : lap_controls)
        show_item(window, id, by_time ? SW_HIDE : SW_SHOWNORMAL);

    set_item_text(window, IDC_SCAN_STATUS, SCAN_OFF_TEXT);
    CheckRadioButton(window, IDC_OWN_CHIPS, IDC_MIXED_SCAN, IDC_OWN_CHIPS);
    g_own_chips_mode = 1;
    show_item(window, IDC_SCAN, SW_HIDE);
    show_item(window, IDC_SCAN_STATUS, SW_HIDE);
}

void set_clock_texts(void)
{
    if (strcmp(g_race_mode, RACE_MODE_TIME) == 0) {
        snprintf(g_text_race_length, sizeof g_text_race_length, "%d:%02d:00", g_race_hours,
                   g_race_minutes);
        lstrcpynA(g_text_remaining, "0:00:00", sizeof g_text_remaining);
    } else {
        snprintf(g_text_race_length, sizeof g_text_race_length, RACE_LENGTH_LAPS_FORMAT,
                   g_race_laps);
        g_text_remaining[0] = 0;
    }
    lstrcpynA(g_text_elapsed, "0:00:00", sizeof g_text_elapsed);
    snprintf(g_text_countdown, sizeof g_text_countdown, "%ds", g_countdown_seconds);
}

// The labels, frames, edits and passage buttons get the bold Arial of the
// controls; the radios, the bitmap buttons and the button frame keep the
// system font.
void set_control_font(HWND window)
{
    static const int32_t ids[] = {
        IDC_START_LABEL, IDC_STOP_LABEL, IDC_CLEAR_LABEL, IDC_DURATION_GROUP,
        IDC_CLOCK_GROUP, IDC_COUNTDOWN_GROUP, IDC_TRANSPONDER_MODE_GROUP, IDC_SCAN,
        IDC_SCAN_STATUS, IDC_RACE_BY_TIME, IDC_RACE_BY_LAPS, IDC_HOURS, IDC_MINUTES, IDC_LAPS,
        IDC_HOURS_LABEL, IDC_MINUTES_LABEL, IDC_LAPS_LABEL, IDC_COUNTDOWN, IDC_COUNTDOWN_LABEL,
    };
    LOGFONTA f;
    memset(&f, 0, sizeof f);
    f.lfHeight = 16;
    f.lfWeight = 700;
    lstrcpynA(f.lfFaceName, "Arial", LF_FACESIZE);
    g_control_font = CreateFontIndirectA(&f);
    const WPARAM font = reinterpret_cast<WPARAM>(g_control_font);
    for (int32_t id : ids)
        SendDlgItemMessageA(window, id, WM_SETFONT, font, TRUE);
    for (int32_t id = IDC_CAR_1; id <= IDC_CAR_20; id++)
        SendDlgItemMessageA(window, id, WM_SETFONT, font, TRUE);
    // An edit's margins are set anew with its font. Four digits of this font
    // are wider than what they leave of the laps and countdown edits (they
    // would scroll out of sight); the laps unit and the scan state are edits
    // used as labels, where they would cut the French "tours" and the longest
    // scan states.
    static const struct {
        int32_t id, margin;
    } margins[] = {{IDC_LAPS, 2}, {IDC_COUNTDOWN, 2}, {IDC_LAPS_LABEL, 0}, {IDC_SCAN_STATUS, 0}};
    for (const auto &m : margins)
        SendDlgItemMessageA(window, m.id, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                            MAKELPARAM(m.margin, m.margin));
}

void set_button_image(HWND window, int32_t id, int32_t bitmap)
{
    HBITMAP image = LoadBitmapA(g_hinstance, MAKEINTRESOURCEA(bitmap));
    SendDlgItemMessageA(window, id, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
}

// Every car named "(NA)" with no laps: the detailed results written from
// them hold no race, before the first grid and after the last race alike.
void empty_results(void)
{
    for (int32_t car = 0; car < GRID_SLOTS; car++) {
        lstrcpynA(g_car_records[car].name, EMPTY_SLOT_NAME, sizeof g_car_records[car].name);
        g_car_records[car].laps = 0;
    }
}

LRESULT on_create(HWND window)
{
    g_main_window = window;
    enter_program_folder(g_program_folder);
    GetCurrentDirectoryA(PROGRAM_FOLDER_SIZE, g_program_folder);
    g_arrow_cursor = LoadCursorA(0, IDC_ARROW);
    g_resize_cursor = LoadCursorA(0, IDC_SIZEWE);
    create_main_controls(window, g_screen_width, g_screen_height);
    set_button_image(window, IDC_START, IDB_START);
    set_button_image(window, IDC_STOP, IDB_STOP);
    set_button_image(window, IDC_CLEAR, IDB_CLEAR);
    load_data_files(window);
    empty_results();
    create_board_scrollbar(window);
    set_race_controls(window);
    set_clock_texts();
    set_control_font(window);

    const BoardLayout &l = g_board_layout;
    redraw_area(&l.board);
    redraw_area(&l.position_column);
    redraw_area(&l.body);
    redraw_area(&l.race_title);
    redraw_area(&l.clocks);
    redraw_area(&l.countdown);
    return 0;
}

// Saves what the next run starts from. The results are emptied first, so the
// file left behind holds no race.
LRESULT on_destroy(HWND window)
{
    if (!write_display_settings(DISPLAY_SETTINGS_FILE, &g_display_settings, &g_custom_colours))
        show_error(window, DISPLAY_SETTINGS_FILE_ERROR_TEXT, 0);
    if (!write_race_length(g_race_mode, g_race_hours, g_race_minutes, g_race_laps,
                           g_countdown_seconds))
        show_error(window, RACE_LENGTH_WRITE_ERROR_TEXT, MB_ICONHAND);
    empty_results();
    if (!write_detailed_results(g_car_records, g_ranking_key))
        show_error(window, DETAILED_RESULTS_FILE_ERROR_TEXT, MB_ICONHAND);
    KillTimer(window, TIMER_ENGINE);
    DestroyCursor(g_arrow_cursor);
    DestroyCursor(g_resize_cursor);
    DeleteObject(g_control_font);
    close_com_port();
    PostQuitMessage(0);
    return 0;
}

LRESULT on_close(HWND window)
{
    if (g_race_armed || g_race_running || g_scan_learning || g_scan_verifying) {
        MessageBoxA(window, CLOSE_REFUSED_TEXT, MAIN_WINDOW_TITLE, MB_ICONHAND);
        return 0;
    }
    if (MessageBoxA(window, CLOSE_CONFIRM_TEXT, MAIN_WINDOW_TITLE, MB_YESNO | MB_ICONQUESTION) ==
        IDYES)
        DestroyWindow(window);
    return 0;
}

// The update region clips the fill to the area being redrawn.
LRESULT on_erase_background(HWND window, HDC dc)
{
    HBRUSH brush = CreateSolidBrush(
        static_cast<COLORREF>(g_display_settings.colours[COLOUR_WINDOW_BACKGROUND]));
    HGDIOBJ previous = SelectObject(dc, brush);
    RECT client;
    GetClientRect(window, &client);
    // The painter fills the whole board first thing, so the board is left out:
    // erasing it would only flash the window colour over the rows until the
    // paint, and costs a passing's repaint the time of a second fill.
    const int saved = SaveDC(dc);
    const RECT &board = g_board_layout.board;
    ExcludeClipRect(dc, board.left, board.top, board.right, board.bottom);
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    RestoreDC(dc, saved);
    SelectObject(dc, previous);
    DeleteObject(brush);
    return 1;
}

LRESULT on_paint(HWND window)
{
    const BoardPaint paint = {
        &g_display_settings, g_column_widths, g_board_row_height, g_board_visible_rows,
        &g_board_layout, &g_board_scroll_info, g_screen_width, g_screen_height,
        g_race_name, g_text_countdown, g_board_rows, g_text_race_length,
        g_text_elapsed, g_text_remaining,
    };
    paint_main_window(window, &paint);
    return 0;
}

// The right edge of board column k in client pixels, each width scaled by
// itself as the header lines are.
int32_t column_border_x(int32_t k)
{
    const int32_t w = g_screen_width;
    int32_t x = w / 40 + w / 64 + 10;
    for (int32_t i = 0; i <= k; i++)
        x += across(g_display_settings.column_widths[i], w);
    return x;
}

int32_t in_header_band(int32_t y)
{
    return g_board_layout.header.top < y && y < g_board_layout.header.bottom;
}

int32_t on_column_border(int32_t k, int32_t x)
{
    const int32_t border = column_border_x(k);
    return border - 2 <= x && x <= border + 2;
}

LRESULT on_set_cursor(void)
{
    for (int32_t k = 0; k < BOARD_COLUMNS; k++)
        if ((g_column_dragging == 1 || on_column_border(k, g_mouse_x)) &&
            in_header_band(g_mouse_y)) {
            SetCursor(g_resize_cursor);
            return 1;
        }
    SetCursor(g_arrow_cursor);
    return 1;
}

int32_t signed_x(LPARAM lparam)
{
    return static_cast<int16_t>(LOWORD(lparam));
}

LRESULT on_mouse_move(LPARAM lparam)
{
    g_mouse_x = signed_x(lparam);
    g_mouse_y = static_cast<int16_t>(HIWORD(lparam));
    return 0;
}

// When two borders lie within reach of the pointer, the right one wins.
LRESULT on_button_down(LPARAM lparam)
{
    for (int32_t k = 0; k < BOARD_COLUMNS; k++)
        if (on_column_border(k, g_mouse_x) && in_header_band(g_mouse_y)) {
            g_column_dragging = 1;
            g_dragged_column = k;
            g_drag_start_x = signed_x(lparam);
        }
    return 0;
}

// The pixels dragged are added to the width in 1/1600 units as they are.
LRESULT on_button_up(LPARAM lparam)
{
    if (g_column_dragging == 1 && in_header_band(g_mouse_y)) {
        const int32_t k = g_dragged_column;
        const int32_t moved = signed_x(lparam) - g_drag_start_x;
        int64_t width = static_cast<int64_t>(g_display_settings.column_widths[k]) + moved;
        if (width < 0)
            width = NARROWEST_DRAGGED_COLUMN;
        if (width > MAX_COLUMN_WIDTH)
            width = MAX_COLUMN_WIDTH;
        g_display_settings.column_widths[k] = static_cast<int32_t>(width);
        g_column_widths[k] = static_cast<int32_t>(width);

        RECT area = g_board_layout.board;
        if (moved > 0)
            area.right = across(sum_of_widths(g_column_widths, BOARD_COLUMNS) + 110,
                                g_screen_width) + 200;
        redraw_area(&area);
    }
    g_column_dragging = 0;
    return 0;
}

LRESULT on_vscroll(WPARAM wparam)
{
    SCROLLINFO &s = g_board_scroll_info;
    GetScrollInfo(g_board_scrollbar, SB_CTL, &s);
    const int old_position = s.nPos;
    switch (LOWORD(wparam)) {
    case SB_LINEUP:
        if (s.nPos > s.nMin)
            s.nPos--;
        break;
    case SB_LINEDOWN:
        if (s.nPos < s.nMax)
            s.nPos++;
        break;
    case SB_PAGEUP:
        s.nPos = s.nMin;
        break;
    case SB_PAGEDOWN:
        s.nPos = s.nMax;
        break;
    case SB_THUMBPOSITION:
        s.nPos = HIWORD(wparam);
        break;
    default:
        break;
    }
    s.fMask = SIF_POS;
    SetScrollInfo(g_board_scrollbar, SB_CTL, &s, TRUE);
    if (s.nPos != old_position)
        redraw_area(&g_board_layout.board);
    return 0;
}

// The command's id is in the low word, its notification in the high word.
LRESULT on_command(HWND window, WPARAM wparam)
{
    if (!handle_menu_command(window, LOWORD(wparam)))
        handle_race_control(window, LOWORD(wparam), HIWORD(wparam));
    return 0;
}

}  // namespace

void show_error(HWND window, const char *text, UINT icon)
{
    MessageBoxA(window, text, ERROR_CAPTION_TEXT, MB_OK | icon);
}

void set_program_files_override(const char *folder)
{
    lstrcpynA(g_program_files_override, folder ? folder : "", sizeof g_program_files_override);
}

int32_t find_program_folder(char *folder)
{
    char path[PROGRAM_FOLDER_SIZE] = "";
    if (g_program_files_override[0])
        lstrcpynA(path, g_program_files_override, sizeof path);
    else
        SHGetFolderPathA(0, CSIDL_PROGRAM_FILES, 0, 0, path);
    if (strlen(path) + sizeof PROGRAM_SUBFOLDER > sizeof path)
        return 0;
    strcat(path, PROGRAM_SUBFOLDER);
    memcpy(folder, path, sizeof path);
    return 1;
}

int32_t enter_program_folder(char *folder)
{
    if (!find_program_folder(folder))
        return 0;
    SetCurrentDirectoryA(folder);
    return 1;
}

// The reader writes no terminator of its own, so the names are emptied
// first: a name the file lacks stays empty rather than keeping the old one.
void load_display_settings(HWND window)
{
    for (int32_t slot = 0; slot < FONT_SLOTS; slot++)
        memset(g_display_settings.fonts[slot].face, 0, sizeof g_display_settings.fonts[slot].face);
    if (!read_display_settings(DISPLAY_SETTINGS_FILE, &g_display_settings, &g_custom_colours))
        show_error(window, DISPLAY_SETTINGS_FILE_ERROR_TEXT, 0);
    memcpy(g_column_widths, g_display_settings.column_widths, sizeof g_column_widths);
}

void redraw_area(const RECT *area)
{
    RedrawWindow(g_main_window, area, 0,
                 RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW);
}

void relayout_board(void)
{
    measure_board_rows(g_main_window, &g_display_settings, &g_board_row_height,
                       &g_board_rows_fit, &g_board_visible_rows, &g_board_layout.board,
                       &g_board_layout.body, g_screen_width, g_screen_height, g_car_count);
    memset(&g_board_scroll_info, 0, sizeof g_board_scroll_info);
    g_board_scroll_info.cbSize = sizeof g_board_scroll_info;
    g_board_scroll_info.fMask = SIF_RANGE | SIF_POS;
    if (g_car_count > g_board_rows_fit) {
        ShowWindow(g_board_scrollbar, SW_SHOWNORMAL);
        g_board_scroll_info.nMax = g_car_count - g_board_rows_fit;
    } else {
        ShowWindow(g_board_scrollbar, SW_HIDE);
    }
    g_board_scroll_info.nPos = 0;
    SetScrollInfo(g_board_scrollbar, SB_CTL, &g_board_scroll_info, TRUE);
    redraw_area(&g_board_layout.board);
    redraw_area(&g_board_layout.race_title);
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    compute_board_layout();
    switch (message) {
    case WM_CREATE: return on_create(window);
    case WM_DESTROY: return on_destroy(window);
    case WM_CLOSE: return on_close(window);
    case WM_PAINT: return on_paint(window);
    case WM_ERASEBKGND: return on_erase_background(window, reinterpret_cast<HDC>(wparam));
    case WM_SETCURSOR: return on_set_cursor();
    case WM_VSCROLL: return on_vscroll(wparam);
    case WM_MOUSEMOVE: return on_mouse_move(lparam);
    case WM_LBUTTONDOWN: return on_button_down(lparam);
    case WM_LBUTTONUP: return on_button_up(lparam);
    case WM_COMMAND: return on_command(window, wparam);
    case WM_TIMER: return run_engine_tick();
    default: return DefWindowProcA(window, message, wparam, lparam);
    }
}
