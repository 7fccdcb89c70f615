// The starting grid dialog. It meets the main window only through the files:
// it loads its own copies of the pilot database and of the grid when it
// opens, and Ok writes the grid file with each chosen pilot's transponder.
#include "starting_grid.h"

#include "dialog_common.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "main_window.h"
#include "typed_text.h"

char g_grid_dialog_race_name[RACE_NAME_SIZE];
char g_grid_dialog_race_name_trailer[RACE_NAME_TRAILER_SIZE];

namespace {

const char RACE_NAME_TRAILER[] = "000001";
const int32_t RACE_NAME_LIMIT = 53;

HFONT g_grid_dialog_font;
HFONT g_grid_dialog_bold_font;
HFONT g_grid_dialog_underline_font;

HWND slot_list(HWND dialog, int32_t slot)
{
    return GetDlgItem(dialog, IDC_GRID_SLOT_1 + slot);
}

void load_pilot_database(HWND dialog)
{
    for (int32_t i = 0; i < MAX_PILOTS; i++) {
        clear_buffer(g_grid_dialog_records[i].name, sizeof g_grid_dialog_records[i].name);
        clear_buffer(g_grid_dialog_records[i].transponder,
                     sizeof g_grid_dialog_records[i].transponder);
    }
    if (!read_pilot_names(g_grid_dialog_records))
        show_dialog_error(dialog, DIALOG_PILOT_NAMES_FILE_ERROR_TEXT);
    if (!read_pilot_transponders(g_grid_dialog_records))
        show_dialog_error(dialog, DIALOG_PILOT_TRANSPONDERS_FILE_ERROR_TEXT);
}

// Every list offers "(NA)" and the pilots, up to the first empty name; the
// lists sort themselves. Without redrawing while they fill, a thousand
// names go in several times faster.
void fill_slot_lists(HWND dialog)
{
    for (int32_t slot = 0; slot < GRID_SLOTS; slot++) {
        HWND list = slot_list(dialog, slot);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EMPTY_SLOT_NAME));
        for (int32_t i = 0; i < MAX_PILOTS && g_grid_dialog_records[i].name[0]; i++)
            SendMessageA(list, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(g_grid_dialog_records[i].name));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    }
}

// A failed reading leaves the rows of the last opening to be shown again.
void select_grid_rows(HWND dialog)
{
    if (!read_grid_composition(g_grid_dialog_composition, g_grid_dialog_race_name,
                               g_grid_dialog_race_name_trailer))
        show_dialog_error(dialog, DIALOG_GRID_FILE_ERROR_TEXT);
    for (int32_t slot = 0; slot < GRID_SLOTS; slot++) {
        HWND list = slot_list(dialog, slot);
        const LRESULT found = SendMessageA(
            list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
            reinterpret_cast<LPARAM>(g_grid_dialog_composition[slot].name));
        if (found != CB_ERR)
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    }
    SetDlgItemTextA(dialog, IDC_GRID_RACE_NAME, g_grid_dialog_race_name);
}

void make_fonts(HWND dialog)
{
    static const int32_t bold_ids[] = {IDC_GRID_TITLE, IDC_GRID_RACE_NAME_LABEL};
    static const int32_t underline_ids[] = {IDC_GRID_COLUMN_LABEL_1, IDC_GRID_COLUMN_LABEL_2,
                                            IDC_GRID_NAMES_LABEL_1, IDC_GRID_NAMES_LABEL_2};
    static const int32_t plain_ids[] = {IDOK, IDCANCEL, IDC_GRID_RACE_NAME};
    g_grid_dialog_font = create_dialog_font(0, 0);
    g_grid_dialog_bold_font = create_dialog_font(FW_BOLD, 0);
    g_grid_dialog_underline_font = create_dialog_font(FW_BOLD, 1);
    give_font(dialog, plain_ids, 3, g_grid_dialog_font);
    for (int32_t slot = 0; slot < GRID_SLOTS; slot++) {
        const int32_t line_ids[] = {IDC_GRID_SLOT_1 + slot, IDC_GRID_SLOT_LABEL_1 + slot};
        give_font(dialog, line_ids, 2, g_grid_dialog_font);
    }
    give_font(dialog, bold_ids, 2, g_grid_dialog_bold_font);
    give_font(dialog, underline_ids, 4, g_grid_dialog_underline_font);
}

INT_PTR on_init_dialog(HWND dialog)
{
    load_pilot_database(dialog);
    fill_slot_lists(dialog);
    select_grid_rows(dialog);
    make_fonts(dialog);
    return FALSE;
}

INT_PTR close_dialog(HWND dialog, INT_PTR result)
{
    delete_dialog_font(&g_grid_dialog_underline_font);
    return end_dialog(dialog, &g_grid_dialog_font, &g_grid_dialog_bold_font, result);
}

// A line without a chosen entry keeps the name it was opened with; the
// grid file's writer looks each name up in the dialog's database.
void save_grid(HWND dialog)
{
    for (int32_t slot = 0; slot < GRID_SLOTS; slot++) {
        HWND list = slot_list(dialog, slot);
        char *name = g_grid_dialog_composition[slot].name;
        const LRESULT chosen = SendMessageA(list, CB_GETCURSEL, 0, 0);
        if (chosen != CB_ERR &&
            SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(chosen), 0) <
                static_cast<LRESULT>(sizeof g_grid_dialog_composition[slot].name))
            SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(chosen),
                         reinterpret_cast<LPARAM>(name));
    }
    GetDlgItemTextA(dialog, IDC_GRID_RACE_NAME, g_grid_dialog_race_name, RACE_NAME_SIZE);
    lstrcpynA(g_grid_dialog_race_name_trailer, RACE_NAME_TRAILER, RACE_NAME_TRAILER_SIZE);
    if (!write_grid_composition(g_grid_dialog_composition, g_grid_dialog_race_name,
                                g_grid_dialog_records))
        show_dialog_error(dialog, DIALOG_GRID_FILE_ERROR_TEXT);
}

INT_PTR on_command(HWND dialog, int32_t id, int32_t code)
{
    if (id == IDOK) {
        save_grid(dialog);
        return close_dialog(dialog, TRUE);
    }
    if (id == IDCANCEL)
        return close_dialog(dialog, TRUE);
    if (id >= IDC_GRID_SLOT_1 && id <= IDC_GRID_SLOT_20)
        return TRUE;
    if (id == IDC_GRID_RACE_NAME) {
        if (code == EN_CHANGE)
            hold_to_typed_text(GetDlgItem(dialog, IDC_GRID_RACE_NAME), RACE_NAME_LIMIT,
                               TYPED_NAME);
        return TRUE;
    }
    return close_dialog(dialog, FALSE);
}

}  // namespace

INT_PTR CALLBACK starting_grid_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam), HIWORD(wparam));
    case WM_CLOSE: return close_dialog(dialog, TRUE);
    default: return FALSE;
    }
}

void open_starting_grid_dialog(HWND owner)
{
    DialogBoxParamA(g_hinstance, "COURSEPILOTES", owner, starting_grid_dialog_proc, 0);
}
