// The pilot database dialog. It works on its own copy of the database, read
// from the two files when it opens and written back whole on Ok. While it is
// open it reads the decoder's port itself, every 10 ms: with the Scan off the
// bytes are thrown away, with the Scan on every passing's transponder number
// goes into the selected pilot and a lamp blinks beside the switch.
#include "pilot_database.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <utility>

#include "bitmap_painter.h"
#include "dialog_common.h"
#include "dialog_ids.h"
#include "interface_settings.h"
#include "main_window.h"
#include "serial_port.h"
#include "typed_text.h"
#include "window_texts.h"

char g_pilot_dialog_decoder_kind[DECODER_KIND_SIZE];
int32_t g_pilot_scan_on;
int32_t g_pilot_scan_count;
int32_t g_pilot_scan_frame[VQ2_PASSING_LENGTH];
int32_t g_scan_lamp_phase;

namespace {

const UINT_PTR TIMER_PILOT_SCAN = 1;
const UINT PILOT_SCAN_TICK_MS = 10;

const int32_t NAME_SIZE = sizeof(PilotRecord::name);
const int32_t TRANSPONDER_SIZE = sizeof(PilotRecord::transponder);
const int32_t NEW_NAME_LIMIT = 48;
const int32_t TRANSPONDER_DIGITS = 6;

const RECT SCAN_LAMP_RECT = {605, 405, 650, 440};
const char *const SCAN_LAMP_FILES[] = {
    "images/voyantScanPuce1.bmp", "images/voyantScanPuce2.bmp",
    "images/voyantScanPuce3.bmp", "images/voyantScanPuce4.bmp",
};

// The lamp's clock: centiseconds since the Scan was switched on, and the
// moment the current cycle of four images began.
int64_t g_pilot_scan_qpc_frequency;
int64_t g_pilot_scan_qpc_start;
int64_t g_pilot_scan_qpc_now;
int64_t g_scan_lamp_centiseconds;
int32_t g_scan_lamp_cycle_start;
int32_t g_scan_lamp_elapsed;

HFONT g_pilot_dialog_font;
HFONT g_pilot_dialog_bold_font;

// The dialog that the database writer's error reports are shown over.
HWND g_pilot_dialog_window;

// Whether a pilot was added or deleted or a transponder changed since the
// opening. Without that Ok leaves both files as they are, so that a file the
// dialog could not read never costs the other one its lines.
int32_t g_pilot_dialog_edited;

// The database files the opening could not read.
int32_t g_pilot_names_unread;
int32_t g_pilot_transponders_unread;

HWND pilot_list(HWND dialog)
{
    return GetDlgItem(dialog, IDC_PILOT_DB_LIST);
}

int32_t listed_count(HWND dialog)
{
    return static_cast<int32_t>(SendMessageA(pilot_list(dialog), LB_GETCOUNT, 0, 0));
}

// The selected pilot's record index, or -1.
int32_t selected_pilot(HWND dialog)
{
    const LRESULT selected = SendMessageA(pilot_list(dialog), LB_GETCURSEL, 0, 0);
    return selected >= 0 && selected < MAX_PILOTS ? static_cast<int32_t>(selected) : -1;
}

void report_file_error(const char *text)
{
    show_error(g_pilot_dialog_window, text, 0);
}

void redraw_lamp(HWND dialog)
{
    RedrawWindow(dialog, &SCAN_LAMP_RECT, 0,
                 RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW);
}

void set_lamp_phase(HWND dialog, int32_t phase)
{
    g_scan_lamp_phase = phase;
    redraw_lamp(dialog);
}

void load_records(HWND dialog)
{
    for (int32_t i = 0; i < MAX_PILOTS; i++) {
        clear_buffer(g_pilot_dialog_records[i].name, NAME_SIZE);
        clear_buffer(g_pilot_dialog_records[i].transponder, TRANSPONDER_SIZE);
    }
    g_pilot_names_unread = !read_pilot_names(g_pilot_dialog_records);
    if (g_pilot_names_unread)
        show_error(dialog, PILOT_NAMES_FILE_ERROR_TEXT, 0);
    g_pilot_transponders_unread = !read_pilot_transponders(g_pilot_dialog_records);
    if (g_pilot_transponders_unread)
        show_error(dialog, PILOT_TRANSPONDERS_FILE_ERROR_TEXT, 0);
    // The pilots after an empty line of the names file are listed after the
    // others, each with its own transponder, so that Ok writes them back.
    int32_t named = 0;
    for (int32_t i = 0; i < MAX_PILOTS; i++)
        if (g_pilot_dialog_records[i].name[0])
            std::swap(g_pilot_dialog_records[named++], g_pilot_dialog_records[i]);
}

// Only the kind is wanted: it says how to read the decoder's bytes. A file
// that cannot be read leaves the kind of the last opening.
void load_decoder_kind(HWND dialog)
{
    char port_name[COM_PORT_NAME_SIZE];
    int32_t connected = 0;
    if (!read_interface_settings(port_name, &connected, g_pilot_dialog_decoder_kind))
        show_error(dialog, INTERFACE_FILE_ERROR_TEXT, 0);
}

// The pilots are the records before the first empty name. Without redrawing
// while it fills, a thousand names go in several times faster.
void fill_pilot_list(HWND dialog)
{
    HWND list = pilot_list(dialog);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int32_t i = 0; i < MAX_PILOTS && g_pilot_dialog_records[i].name[0]; i++)
        SendMessageA(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(g_pilot_dialog_records[i].name));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, 0, TRUE);
}

void set_number_entry(HWND dialog, int32_t number)
{
    char text[16];
    snprintf(text, sizeof text, "%d", static_cast<int>(number));
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_NUMBER, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(text));
}

void show_record(HWND dialog, int32_t i)
{
    SetDlgItemTextA(dialog, IDC_PILOT_DB_NAME, g_pilot_dialog_records[i].name);
    SetDlgItemTextA(dialog, IDC_PILOT_DB_TRANSPONDER, g_pilot_dialog_records[i].transponder);
}

void show_pilot(HWND dialog, int32_t i)
{
    if (i < 0 || i >= MAX_PILOTS)
        return;
    show_record(dialog, i);
    set_number_entry(dialog, i + 1);
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_NUMBER, LB_DELETESTRING, 0, 0);
}

void select_pilot(HWND dialog, int32_t i)
{
    SendMessageA(pilot_list(dialog), LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    show_pilot(dialog, i);
}

void make_fonts(HWND dialog)
{
    static const int32_t plain_ids[] = {
        IDOK, IDCANCEL, IDC_PILOT_DB_ADD, IDC_PILOT_DB_DELETE, IDC_PILOT_DB_NUMBER,
        IDC_PILOT_DB_LIST, IDC_PILOT_DB_NEW_NAME, IDC_PILOT_DB_TRANSPONDER, IDC_PILOT_DB_SCAN,
        IDC_PILOT_DB_NEW_LABEL, IDC_PILOT_DB_NUMBER_LABEL, IDC_PILOT_DB_TRANSPONDER_LABEL,
    };
    static const int32_t bold_ids[] = {IDC_PILOT_DB_NAME, IDC_PILOT_DB_SCAN_STATE,
                                       IDC_PILOT_DB_TITLE, IDC_PILOT_DB_LIST_LABEL};
    make_dialog_fonts(dialog, plain_ids, bold_ids, &g_pilot_dialog_font,
                      &g_pilot_dialog_bold_font);
    // An edit's margins are set anew with its font: the state box is
    // narrower than "Off" and its margins, and six digits are wider than what
    // they leave of the transponder edit (they would scroll out of sight).
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_SCAN_STATE, EM_SETMARGINS,
                        EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_TRANSPONDER, EM_SETMARGINS,
                        EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 2));
}

INT_PTR on_init_dialog(HWND dialog)
{
    SetTimer(dialog, TIMER_PILOT_SCAN, PILOT_SCAN_TICK_MS, 0);
    g_pilot_dialog_edited = 0;
    load_records(dialog);
    load_decoder_kind(dialog);
    fill_pilot_list(dialog);
    // Record 0 is shown also when the list is empty.
    SendMessageA(pilot_list(dialog), LB_SETCURSEL, 0, 0);
    set_number_entry(dialog, 1);
    show_record(dialog, 0);
    make_fonts(dialog);
    set_lamp_phase(dialog, 0);
    return FALSE;
}

void set_transponder_writable(HWND dialog, int32_t writable)
{
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_TRANSPONDER, EM_SETREADONLY, writable ? FALSE : TRUE,
                        0);
}

void switch_scan_off(HWND dialog)
{
    g_pilot_scan_on = 0;
    set_transponder_writable(dialog, 1);
    SetDlgItemTextA(dialog, IDC_PILOT_DB_SCAN_STATE, "Off");
    set_lamp_phase(dialog, 0);
}

void stop_pilot_scan(HWND dialog)
{
    switch_scan_off(dialog);
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_SCAN, BM_SETCHECK, BST_UNCHECKED, 0);
}

void switch_scan_on(HWND dialog)
{
    // What the decoder sent before belongs to no pilot.
    drain_com_port();
    g_pilot_scan_on = 1;
    set_transponder_writable(dialog, 0);
    SetDlgItemTextA(dialog, IDC_PILOT_DB_SCAN_STATE, "On");
    g_pilot_scan_qpc_frequency = read_performance_frequency();
    g_pilot_scan_qpc_start = read_performance_counter();
    g_scan_lamp_centiseconds = 0;
    g_scan_lamp_cycle_start = 0;
    g_scan_lamp_elapsed = 0;
    set_lamp_phase(dialog, 1);
}

void on_scan_switch(HWND dialog)
{
    if (SendDlgItemMessageA(dialog, IDC_PILOT_DB_SCAN, BM_GETCHECK, 0, 0) == BST_CHECKED)
        switch_scan_on(dialog);
    else
        switch_scan_off(dialog);
}

int32_t same_name_any_case(const char *a, const char *b)
{
    for (int32_t i = 0; i < NAME_SIZE; i++) {
        const int ca = tolower(static_cast<unsigned char>(a[i]));
        const int cb = tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return 0;
        if (ca == 0)
            return 1;
    }
    return 1;
}

// A refused name (empty, beginning with a blank, already held in any letter
// case, or one too many) stays typed in, silently.
void add_pilot(HWND dialog)
{
    stop_pilot_scan(dialog);
    char name[NAME_SIZE];
    clear_buffer(name, NAME_SIZE);
    GetDlgItemTextA(dialog, IDC_PILOT_DB_NEW_NAME, name, NAME_SIZE);
    if (name[0] == '\0' || name[0] == ' ')
        return;
    for (int32_t i = 0; i < MAX_PILOTS; i++)
        if (same_name_any_case(name, g_pilot_dialog_records[i].name))
            return;
    if (listed_count(dialog) > MAX_PILOTS - 1)
        return;
    SetDlgItemTextA(dialog, IDC_PILOT_DB_NEW_NAME, "");
    g_pilot_dialog_edited = 1;
    // The new pilot takes the first record after the listed ones, which is empty.
    const int32_t n = listed_count(dialog) + 1;
    PilotRecord *record = &g_pilot_dialog_records[n - 1];
    copy_text(record->name, NAME_SIZE, name, NAME_SIZE);
    clear_buffer(record->transponder, TRANSPONDER_SIZE);
    sort_pilots_by_name(g_pilot_dialog_records);
    fill_pilot_list(dialog);
    const LRESULT found = SendMessageA(pilot_list(dialog), LB_FINDSTRINGEXACT,
                                       static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    if (found != LB_ERR)
        select_pilot(dialog, static_cast<int32_t>(found));
}

// Every record of exactly the selected name goes, without a question; then
// a name left typed in the new-name edit is added.
void delete_pilot(HWND dialog)
{
    stop_pilot_scan(dialog);
    HWND list = pilot_list(dialog);
    const int32_t selected = selected_pilot(dialog);
    if (selected >= 0 && SendMessageA(list, LB_GETTEXTLEN, selected, 0) < NAME_SIZE) {
        char name[NAME_SIZE];
        clear_buffer(name, NAME_SIZE);
        SendMessageA(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(name));
        for (int32_t i = 0; i < MAX_PILOTS; i++) {
            PilotRecord *record = &g_pilot_dialog_records[i];
            if (strncmp(record->name, name, NAME_SIZE) == 0) {
                clear_buffer(record->name, NAME_SIZE);
                clear_buffer(record->transponder, TRANSPONDER_SIZE);
                g_pilot_dialog_edited = 1;
            }
        }
        sort_pilots_by_name(g_pilot_dialog_records);
        fill_pilot_list(dialog);
        select_pilot(dialog, 0);
    }
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_ADD, BM_CLICK, 0, 0);
}

// A number of six digits, typed or set by the scan, belongs to the selected
// pilot; a shorter one is not stored.
void on_transponder_change(HWND dialog)
{
    hold_to_typed_text(GetDlgItem(dialog, IDC_PILOT_DB_TRANSPONDER), TRANSPONDER_DIGITS,
                       TYPED_NUMBER);
    const LRESULT length =
        SendDlgItemMessageA(dialog, IDC_PILOT_DB_TRANSPONDER, EM_LINELENGTH, 0, 0);
    const int32_t selected = selected_pilot(dialog);
    if (length != TRANSPONDER_DIGITS || selected < 0)
        return;
    // Showing a pilot stores the same number again: that is no change.
    char typed[TRANSPONDER_SIZE];
    clear_buffer(typed, TRANSPONDER_SIZE);
    GetDlgItemTextA(dialog, IDC_PILOT_DB_TRANSPONDER, typed, TRANSPONDER_SIZE);
    char *transponder = g_pilot_dialog_records[selected].transponder;
    if (strncmp(typed, transponder, TRANSPONDER_SIZE) != 0) {
        memcpy(transponder, typed, TRANSPONDER_SIZE);
        g_pilot_dialog_edited = 1;
    }
}

// The decoder's bytes as the file's kind says; the number goes through the
// transponder edit, whose change stores it in the selected pilot.
void parse_scan_byte(HWND dialog, int32_t byte)
{
    const int32_t format = passing_format(g_pilot_dialog_decoder_kind);
    if (!add_passing_byte(g_pilot_scan_frame, &g_pilot_scan_count, byte, format))
        return;
    g_pilot_scan_count = 0;
    char text[TRANSPONDER_TEXT_SIZE];
    format_transponder(text, passing_transponder_number(g_pilot_scan_frame, format));
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_TRANSPONDER, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text));
}

// Four images about 21 cs each, a cycle of 84 cs; image 4 stays until the
// first tick of the next cycle shows image 1.
void animate_scan_lamp(HWND dialog)
{
    g_pilot_scan_qpc_now = read_performance_counter();
    if (g_pilot_scan_qpc_frequency > 0)
        g_scan_lamp_centiseconds =
            (g_pilot_scan_qpc_now - g_pilot_scan_qpc_start) * 100 / g_pilot_scan_qpc_frequency;
    g_scan_lamp_elapsed = low_32_bits(g_scan_lamp_centiseconds - g_scan_lamp_cycle_start);
    const int32_t e = g_scan_lamp_elapsed;
    if (e >= 0 && e <= 19 && g_scan_lamp_phase == 0)
        set_lamp_phase(dialog, 1);
    if (e >= 21 && e <= 40 && g_scan_lamp_phase == 1)
        set_lamp_phase(dialog, 2);
    if (e >= 42 && e <= 61 && g_scan_lamp_phase == 2)
        set_lamp_phase(dialog, 3);
    if (e >= 63 && e <= 82 && g_scan_lamp_phase == 3)
        set_lamp_phase(dialog, 4);
    if (e >= 84) {
        g_scan_lamp_cycle_start = low_32_bits(g_scan_lamp_centiseconds);
        g_scan_lamp_phase = 0;
    }
}

// The main window leaves the port to the dialog while it is open.
INT_PTR on_timer(HWND dialog)
{
    if (!g_pilot_scan_on) {
        g_pilot_scan_count = 0;
        drain_com_port();
        return FALSE;
    }
    unsigned char bytes[COM_READ_BUFFER];
    int32_t count = 0;
    if (read_com_port(bytes, COM_READ_MAX, &count))
        for (int32_t i = 0; i < count && i < COM_READ_MAX; i++)
            parse_scan_byte(dialog, bytes[i]);
    animate_scan_lamp(dialog);
    return FALSE;
}

INT_PTR on_paint(HWND dialog)
{
    if (g_scan_lamp_phase >= 1 && g_scan_lamp_phase <= 4)
        paint_bitmap_file(dialog, SCAN_LAMP_FILES[g_scan_lamp_phase - 1], SCAN_LAMP_RECT.left,
                          SCAN_LAMP_RECT.top);
    return FALSE;
}

// A file the opening could not read that is there now holds lines the
// dialog never saw: it is told again, as a file that cannot be written.
int32_t unread_file_there(HWND dialog, int32_t unread, const char *file, const char *error)
{
    if (!unread || GetFileAttributesA(file) == INVALID_FILE_ATTRIBUTES)
        return 0;
    show_error(dialog, error, 0);
    return 1;
}

// Both files for the listed pilots, line k of each for the same pilot; a
// file that cannot be written is told over the dialog, and then neither is
// written. Nothing is written when nothing was edited, nor over a file whose
// lines the dialog did not read, which the other file must stay paired with.
void save_database(HWND dialog)
{
    if (!g_pilot_dialog_edited)
        return;
    const int32_t names_there = unread_file_there(dialog, g_pilot_names_unread,
                                                  PILOT_NAMES_FILE, PILOT_NAMES_FILE_ERROR_TEXT);
    const int32_t transponders_there =
        unread_file_there(dialog, g_pilot_transponders_unread, PILOT_TRANSPONDERS_FILE,
                          PILOT_TRANSPONDERS_FILE_ERROR_TEXT);
    if (names_there || transponders_there)
        return;
    g_pilot_dialog_window = dialog;
    set_file_error_report(report_file_error);
    write_pilot_database(g_pilot_dialog_records, listed_count(dialog));
    set_file_error_report(0);
}

// Every way out stops the Scan and the timer; nothing is written here.
INT_PTR close_pilot_dialog(HWND dialog, INT_PTR result)
{
    g_pilot_scan_on = 0;
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_SCAN, BM_SETCHECK, BST_UNCHECKED, 0);
    set_transponder_writable(dialog, 1);
    KillTimer(dialog, TIMER_PILOT_SCAN);
    return end_dialog(dialog, &g_pilot_dialog_font, &g_pilot_dialog_bold_font, result);
}

INT_PTR on_command(HWND dialog, int32_t id, int32_t code)
{
    switch (id) {
    case IDOK:
        save_database(dialog);
        return close_pilot_dialog(dialog, TRUE);
    case IDCANCEL: return close_pilot_dialog(dialog, TRUE);
    case IDC_PILOT_DB_ADD: add_pilot(dialog); return TRUE;
    case IDC_PILOT_DB_DELETE: delete_pilot(dialog); return TRUE;
    case IDC_PILOT_DB_LIST:
        if (code == LBN_SELCHANGE)
            show_pilot(dialog, selected_pilot(dialog));
        return TRUE;
    case IDC_PILOT_DB_NEW_NAME:
        if (code == EN_CHANGE)
            hold_to_typed_text(GetDlgItem(dialog, IDC_PILOT_DB_NEW_NAME), NEW_NAME_LIMIT,
                               TYPED_NAME);
        return TRUE;
    case IDC_PILOT_DB_TRANSPONDER:
        if (code == EN_CHANGE)
            on_transponder_change(dialog);
        return TRUE;
    case IDC_PILOT_DB_SCAN: on_scan_switch(dialog); return TRUE;
    case IDC_PILOT_DB_NUMBER:
    case IDC_PILOT_DB_NAME:
    case IDC_PILOT_DB_SCAN_STATE: return TRUE;
    default: return close_pilot_dialog(dialog, FALSE);
    }
}

}  // namespace

INT_PTR CALLBACK pilot_database_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_TIMER: return on_timer(dialog);
    case WM_PAINT: return on_paint(dialog);
    case WM_CLOSE: close_pilot_dialog(dialog, FALSE); return FALSE;
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam), HIWORD(wparam));
    default: return FALSE;
    }
}

void open_pilot_database_dialog(HWND owner)
{
    DialogBoxParamA(g_hinstance, "BASEPILOTES", owner, pilot_database_dialog_proc, 0);
}
