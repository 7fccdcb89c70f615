// The display settings dialog. It edits its own copy of the display settings,
// loaded from Private/RéglagesAffichage.rgsc when it opens, and previews it in
// painted swatches and samples; a click on one opens the colour or font
// chooser. The main window reads the file again once the dialog has closed,
// so only Ok changes the board.
#include "display_settings.h"

#include <stdio.h>
#include <string.h>

#include "board_painter.h"
#include "common_dialogs.h"
#include "dialog_common.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "main_window.h"
#include "typed_text.h"

const RECT DISPLAY_SWATCH_RECTS[DISPLAY_SWATCHES] = {
    {200, 115, 240, 135}, {0, 0, 0, 0},         {200, 145, 240, 165}, {200, 215, 240, 235},
    {0, 0, 0, 0},         {200, 245, 240, 265}, {200, 275, 240, 295}, {200, 305, 240, 325},
    {200, 375, 240, 395}, {250, 375, 290, 395}, {200, 405, 240, 425}, {250, 405, 290, 425},
    {300, 405, 390, 425},
};
const RECT DISPLAY_SAMPLE_RECTS[DISPLAY_SAMPLES] = {
    {250, 215, 340, 235},
    {0, 0, 0, 0},
    {300, 375, 390, 395},
    {300, 470, 390, 490},
};
const char PREVIEW_TEXT[] = "AaBbYyZz";

DisplaySettings g_display_dialog_settings;
CustomColours g_display_dialog_custom_colours;
int32_t g_display_dialog_column;
char g_display_dialog_saved_folder[MAX_PATH];
char g_display_dialog_program_folder[MAX_PATH];

namespace {

const char SCRN_EXTENSION[] = ".scrn";
const int32_t WIDTH_DIGITS = 3;
const int32_t PREVIEW_FONT_HEIGHT = 18;
const int32_t LINE_SWATCH = COLOUR_LINES;
const int32_t COLUMN_SAMPLE = 3;

// The point sizes each sample's font chooser offers.
const int32_t SAMPLE_SIZE_MIN[DISPLAY_SAMPLES] = {0, 0, 8, 0};
const int32_t SAMPLE_SIZE_MAX[DISPLAY_SAMPLES] = {25, 0, 16, 50};

HFONT g_display_dialog_font;
HFONT g_display_dialog_bold_font;

int32_t drawn(const RECT *r)
{
    return r->right > r->left && r->bottom > r->top;
}

int32_t strictly_inside(const RECT *r, int32_t x, int32_t y)
{
    return r->left < x && x < r->right && r->top < y && y < r->bottom;
}

// The font slot a sample shows: the race title, the header, or the chosen
// column's cells.
int32_t sample_slot(int32_t sample, int32_t column)
{
    return sample == COLUMN_SAMPLE ? FONT_FIRST_COLUMN + column : sample;
}

void clear_face_names(DisplaySettings *settings)
{
    for (FontSlot &slot : settings->fonts)
        clear_buffer(slot.face, sizeof slot.face);
}

void redraw(HWND dialog, const RECT *r)
{
    RedrawWindow(dialog, r, 0, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW);
}

void redraw_samples(HWND dialog)
{
    for (const RECT &r : DISPLAY_SAMPLE_RECTS)
        if (drawn(&r))
            redraw(dialog, &r);
}

void redraw_all(HWND dialog)
{
    for (const RECT &r : DISPLAY_SWATCH_RECTS)
        if (drawn(&r))
            redraw(dialog, &r);
    redraw_samples(dialog);
}

int32_t *chosen_width(void)
{
    return &g_display_dialog_settings.column_widths[g_display_dialog_column];
}

// The edit reports the change, which stores the same value again.
void show_width(HWND dialog)
{
    char number[16];
    snprintf(number, sizeof number, "%d", static_cast<int>(*chosen_width()));
    SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN_WIDTH, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(number));
}

void show_style(HWND dialog)
{
    CheckRadioButton(dialog, IDC_DISPLAY_STYLE_RELIEF, IDC_DISPLAY_STYLE_GRADIENT,
                     g_display_dialog_settings.board_style == 1 ? IDC_DISPLAY_STYLE_RELIEF
                                                                : IDC_DISPLAY_STYLE_GRADIENT);
}

void restore_folder(void)
{
    SetCurrentDirectoryA(g_display_dialog_saved_folder);
}

void make_fonts(HWND dialog)
{
    static const int32_t plain_ids[] = {
        IDOK, IDCANCEL, IDC_DISPLAY_STYLE_RELIEF, IDC_DISPLAY_STYLE_GRADIENT,
        IDC_DISPLAY_COLUMN, IDC_DISPLAY_COLUMN_WIDTH, IDC_DISPLAY_WIDTH_PLUS,
        IDC_DISPLAY_WIDTH_MINUS, IDC_DISPLAY_LOAD, IDC_DISPLAY_SAVE,
        IDC_DISPLAY_BACKGROUND_LABEL, IDC_DISPLAY_BOARD_BACKGROUND_LABEL,
        IDC_DISPLAY_RACE_TITLE_LABEL, IDC_DISPLAY_PASSING_LABEL, IDC_DISPLAY_RACE_BEST_LAP_LABEL,
        IDC_DISPLAY_PILOT_BEST_LAP_LABEL, IDC_DISPLAY_HEADER_LABEL, IDC_DISPLAY_ROWS_LABEL,
        IDC_DISPLAY_COLUMN_LABEL, IDC_DISPLAY_WIDTH_LABEL, IDC_DISPLAY_FONT_LABEL,
    };
    static const int32_t bold_ids[] = {
        IDC_DISPLAY_TITLE, IDC_DISPLAY_THEME_GROUP, IDC_DISPLAY_EVENTS_GROUP,
        IDC_DISPLAY_BOARD_GROUP,
    };
    make_dialog_fonts(dialog, plain_ids, bold_ids, &g_display_dialog_font,
                      &g_display_dialog_bold_font);
}

INT_PTR on_init_dialog(HWND dialog)
{
    GetCurrentDirectoryA(MAX_PATH, g_display_dialog_saved_folder);
    if (!find_program_folder(g_display_dialog_program_folder))
        g_display_dialog_program_folder[0] = 0;
    clear_face_names(&g_display_dialog_settings);
    if (!read_display_settings(DISPLAY_SETTINGS_FILE, &g_display_dialog_settings,
                               &g_display_dialog_custom_colours))
        show_dialog_error(dialog, DIALOG_DISPLAY_SETTINGS_FILE_ERROR_TEXT);
    for (const char *name : DISPLAY_COLUMN_TEXTS)
        SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_SETCURSEL, g_display_dialog_column, 0);
    show_width(dialog);
    show_style(dialog);
    make_fonts(dialog);
    redraw_all(dialog);
    return FALSE;
}

// A font of the slot's face, weight and effects at the given height; every
// other field 0.
void font_of_slot(const FontSlot *slot, int32_t height, LOGFONTA *font)
{
    memset(font, 0, sizeof *font);
    font->lfHeight = height;
    font->lfWeight = slot->weight;
    font->lfItalic = static_cast<BYTE>(slot->italic);
    font->lfUnderline = static_cast<BYTE>(slot->underline);
    font->lfStrikeOut = static_cast<BYTE>(slot->strikeout);
    memcpy(font->lfFaceName, slot->face, strnlen(slot->face, sizeof slot->face - 1));
}

// The chooser has no owner, so the dialog stays usable while it is open;
// its custom colours are the dialog's, saved with the settings.
void choose_swatch_colour(int32_t swatch)
{
    CHOOSECOLORA choice;
    memset(&choice, 0, sizeof choice);
    choice.lStructSize = sizeof choice;
    choice.rgbResult = static_cast<COLORREF>(g_display_dialog_settings.colours[swatch]);
    choice.lpCustColors = reinterpret_cast<COLORREF *>(g_display_dialog_custom_colours.colours);
    choice.Flags = CC_RGBINIT;
    if (common_dialogs()->choose_colour(&choice))
        g_display_dialog_settings.colours[swatch] = static_cast<int32_t>(choice.rgbResult);
}

void choose_sample_font(int32_t sample)
{
    const int32_t s = sample_slot(sample, g_display_dialog_column);
    FontSlot &slot = g_display_dialog_settings.fonts[s];
    int32_t &colour = g_display_dialog_settings.text_colours[s];
    LOGFONTA font;
    font_of_slot(&slot, slot.height, &font);

    CHOOSEFONTA choice;
    memset(&choice, 0, sizeof choice);
    choice.lStructSize = sizeof choice;
    choice.lpLogFont = &font;
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_LIMITSIZE;
    choice.rgbColors = static_cast<COLORREF>(colour);
    choice.nSizeMin = SAMPLE_SIZE_MIN[sample];
    choice.nSizeMax = SAMPLE_SIZE_MAX[sample];
    if (!common_dialogs()->choose_font(&choice))
        return;
    clear_buffer(slot.face, sizeof slot.face);
    memcpy(slot.face, font.lfFaceName, strnlen(font.lfFaceName, sizeof slot.face - 1));
    slot.height = font.lfHeight;
    slot.weight = font.lfWeight;
    slot.italic = font.lfItalic;
    slot.underline = font.lfUnderline;
    slot.strikeout = font.lfStrikeOut;
    colour = static_cast<int32_t>(choice.rgbColors);
}

// The rectangles do not overlap, so one click opens at most one chooser. A
// chooser closed without a choice still repaints what it concerns.
INT_PTR on_button_down(HWND dialog, LPARAM lparam)
{
    const int32_t x = static_cast<int16_t>(LOWORD(lparam));
    const int32_t y = static_cast<int16_t>(HIWORD(lparam));
    for (int32_t i = 0; i < DISPLAY_SWATCHES; i++)
        if (strictly_inside(&DISPLAY_SWATCH_RECTS[i], x, y)) {
            choose_swatch_colour(i);
            redraw(dialog, &DISPLAY_SWATCH_RECTS[i]);
            redraw(dialog, &DISPLAY_SWATCH_RECTS[LINE_SWATCH]);
            redraw_samples(dialog);
        }
    for (int32_t k = 0; k < DISPLAY_SAMPLES; k++)
        if (strictly_inside(&DISPLAY_SAMPLE_RECTS[k], x, y)) {
            choose_sample_font(k);
            redraw_samples(dialog);
        }
    return FALSE;
}

// A file dialog over the settings dialog, opening in the program folder, on
// the MAX_PATH bytes of path; 1 when it returned TRUE with a name there.
int32_t choose_display_file(HWND dialog, BOOL(WINAPI *chooser)(OPENFILENAMEA *), char *path,
                            DWORD flags)
{
    OPENFILENAMEA choice;
    memset(&choice, 0, sizeof choice);
    choice.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    choice.hwndOwner = dialog;
    choice.lpstrFilter = DISPLAY_FILE_FILTER;
    choice.nFilterIndex = 1;
    choice.lpstrFile = path;
    choice.nMaxFile = MAX_PATH;
    choice.lpstrInitialDir = g_display_dialog_program_folder;
    choice.Flags = flags;
    const int32_t chosen = chooser(&choice) == TRUE;
    path[MAX_PATH - 1] = 0;
    return chosen;
}

// A file that cannot be read changes nothing: the names are emptied in a
// copy only, so a failed load does not lose the fonts the dialog shows.
void load_display_file(HWND dialog)
{
    char path[MAX_PATH];
    clear_buffer(path, sizeof path);
    if (!choose_display_file(dialog, common_dialogs()->open_file, path,
                             OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                                 OFN_FILEMUSTEXIST))
        return;
    DisplaySettings loaded = g_display_dialog_settings;
    CustomColours loaded_colours = g_display_dialog_custom_colours;
    clear_face_names(&loaded);
    if (read_display_settings(path, &loaded, &loaded_colours)) {
        g_display_dialog_settings = loaded;
        g_display_dialog_custom_colours = loaded_colours;
    } else {
        show_dialog_error(dialog, DIALOG_DISPLAY_FILE_LOAD_ERROR_TEXT);
    }
    restore_folder();
    g_display_dialog_column = 0;
    SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_SETCURSEL, 0, 0);
    show_width(dialog);
    show_style(dialog);
    redraw_all(dialog);
}

// The name proposed as it is ("*.scrn") saves nothing. A name without the
// extension anywhere gets it; one too long to take it is refused.
void save_display_file(HWND dialog)
{
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s\\*%s", g_display_dialog_program_folder, SCRN_EXTENSION);
    char proposed[MAX_PATH];
    memcpy(proposed, path, sizeof proposed);
    if (!choose_display_file(dialog, common_dialogs()->save_file, path,
                             OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                                 OFN_PATHMUSTEXIST))
        return;
    if (strcmp(path, proposed) != 0) {
        int32_t named = 1;
        if (!strstr(path, SCRN_EXTENSION)) {
            named = strlen(path) + sizeof SCRN_EXTENSION <= sizeof path;
            if (named)
                strcat(path, SCRN_EXTENSION);
        }
        if (!named || !write_display_settings(path, &g_display_dialog_settings,
                                              &g_display_dialog_custom_colours))
            show_dialog_error(dialog, DIALOG_DISPLAY_SETTINGS_FILE_ERROR_TEXT);
    }
    restore_folder();
}

// The settings file is relative to the folder the dialog opened in.
void save_settings(HWND dialog)
{
    restore_folder();
    if (!write_display_settings(DISPLAY_SETTINGS_FILE, &g_display_dialog_settings,
                                &g_display_dialog_custom_colours))
        show_dialog_error(dialog, DIALOG_DISPLAY_SETTINGS_FILE_ERROR_TEXT);
}

INT_PTR close_dialog(HWND dialog, INT_PTR result)
{
    restore_folder();
    return end_dialog(dialog, &g_display_dialog_font, &g_display_dialog_bold_font, result);
}

// The test is on the width as it stands, so a hand-edited file's wider
// column can still be stepped down.
void step_width(HWND dialog, int32_t step)
{
    const int32_t width = *chosen_width();
    if (step > 0 ? width >= MAX_COLUMN_WIDTH : width <= 0)
        return;
    *chosen_width() = width + step;
    show_width(dialog);
}

void take_column(HWND dialog)
{
    const LRESULT column = SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_GETCURSEL, 0, 0);
    if (column < 0 || column >= BOARD_COLUMNS)
        return;
    g_display_dialog_column = static_cast<int32_t>(column);
    show_width(dialog);
    redraw(dialog, &DISPLAY_SAMPLE_RECTS[COLUMN_SAMPLE]);
}

// Three digits at most, so the width stays within 0 to 999; an empty edit
// is 0.
void take_typed_width(HWND dialog)
{
    hold_to_typed_text(GetDlgItem(dialog, IDC_DISPLAY_COLUMN_WIDTH), WIDTH_DIGITS, TYPED_NUMBER);
    *chosen_width() =
        static_cast<int32_t>(GetDlgItemInt(dialog, IDC_DISPLAY_COLUMN_WIDTH, 0, FALSE));
}

// The style radios change no preview: it is the same for both styles.
INT_PTR on_command(HWND dialog, int32_t id, int32_t notification)
{
    switch (id) {
    case IDC_DISPLAY_STYLE_RELIEF: g_display_dialog_settings.board_style = 1; return TRUE;
    case IDC_DISPLAY_STYLE_GRADIENT: g_display_dialog_settings.board_style = 0; return TRUE;
    case IDC_DISPLAY_COLUMN:
        if (notification == CBN_SELCHANGE)
            take_column(dialog);
        return TRUE;
    case IDC_DISPLAY_COLUMN_WIDTH:
        if (notification == EN_CHANGE)
            take_typed_width(dialog);
        return TRUE;
    case IDC_DISPLAY_WIDTH_PLUS: step_width(dialog, 1); return TRUE;
    case IDC_DISPLAY_WIDTH_MINUS: step_width(dialog, -1); return TRUE;
    case IDC_DISPLAY_LOAD: load_display_file(dialog); return TRUE;
    case IDC_DISPLAY_SAVE: save_display_file(dialog); return TRUE;
    case IDOK: save_settings(dialog); return close_dialog(dialog, TRUE);
    case IDCANCEL: return close_dialog(dialog, TRUE);
    default: return FALSE;
    }
}

HFONT make_preview_font(const FontSlot *slot)
{
    LOGFONTA font;
    font_of_slot(slot, PREVIEW_FONT_HEIGHT, &font);
    return CreateFontIndirectA(&font);
}

void fill_gradient_rect(HDC dc, const RECT *r, int32_t top_colour, int32_t bottom_colour)
{
    fill_gradient(dc, r->left, r->top, r->right, r->bottom - r->top,
                  static_cast<COLORREF>(top_colour), static_cast<COLORREF>(bottom_colour));
}

}  // namespace

// Every sample's text is previewed at one height: the slot's own height is
// for the board, scaled by the screen.
void paint_display_preview(HWND dialog, const RECT *swatches, const RECT *samples,
                           const DisplaySettings *settings, int32_t column)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    for (int32_t i = 0; i < DISPLAY_SWATCHES; i++)
        if (drawn(&swatches[i]))
            Rectangle(dc, swatches[i].left - 1, swatches[i].top - 1, swatches[i].right + 1,
                      swatches[i].bottom + 1);
    for (int32_t k = 0; k < DISPLAY_SAMPLES; k++)
        if (drawn(&samples[k]))
            Rectangle(dc, samples[k].left - 1, samples[k].top - 1, samples[k].right + 1,
                      samples[k].bottom + 1);

    for (int32_t i = 0; i < LINE_SWATCH; i++)
        if (drawn(&swatches[i]))
            fill_with(dc, &swatches[i], static_cast<COLORREF>(settings->colours[i]));
    fill_with(dc, &samples[0],
              static_cast<COLORREF>(settings->colours[COLOUR_RACE_NAME_BACKGROUND]));
    fill_gradient_rect(dc, &samples[2], settings->colours[COLOUR_HEADER_TOP],
                       settings->colours[COLOUR_HEADER_BOTTOM]);
    fill_gradient_rect(dc, &samples[COLUMN_SAMPLE], settings->colours[COLOUR_ROWS_TOP],
                       settings->colours[COLOUR_ROWS_BOTTOM]);
    const RECT &lines = swatches[LINE_SWATCH];
    fill_gradient_rect(dc, &lines, settings->colours[COLOUR_ROWS_TOP],
                       settings->colours[COLOUR_ROWS_BOTTOM]);

    HPEN pen = CreatePen(PS_SOLID, 3, static_cast<COLORREF>(settings->colours[COLOUR_LINES]));
    HGDIOBJ first_pen = SelectObject(dc, pen);
    MoveToEx(dc, lines.left + 5, lines.top + 10, 0);
    LineTo(dc, lines.right - 5, lines.top + 10);
    SelectObject(dc, first_pen);
    DeleteObject(pen);

    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ first_font = 0;
    for (int32_t k = 0; k < DISPLAY_SAMPLES; k++) {
        if (!drawn(&samples[k]))
            continue;
        const int32_t slot = sample_slot(k, column);
        HFONT font = make_preview_font(&settings->fonts[slot]);
        HGDIOBJ previous = SelectObject(dc, font);
        if (!first_font)
            first_font = previous;
        else
            DeleteObject(previous);
        SetTextColor(dc, static_cast<COLORREF>(settings->text_colours[slot]));
        TextOutA(dc, samples[k].left + 5, samples[k].top, PREVIEW_TEXT,
                 static_cast<int>(strlen(PREVIEW_TEXT)));
    }
    if (first_font)
        DeleteObject(SelectObject(dc, first_font));
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK display_settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam,
                                              LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam), HIWORD(wparam));
    case WM_LBUTTONDOWN: return on_button_down(dialog, lparam);
    case WM_PAINT: {
        const DisplaySettings settings = g_display_dialog_settings;
        paint_display_preview(dialog, DISPLAY_SWATCH_RECTS, DISPLAY_SAMPLE_RECTS, &settings,
                              g_display_dialog_column);
        return FALSE;
    }
    case WM_CLOSE: close_dialog(dialog, FALSE); return FALSE;
    default: return FALSE;
    }
}

void open_display_settings_dialog(HWND owner)
{
    DialogBoxParamA(g_hinstance, "AFFICHAGE", owner, display_settings_dialog_proc, 0);
}
