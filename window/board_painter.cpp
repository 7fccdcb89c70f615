// The results board painter. Every paint starts from nothing: it loads the
// bitmaps it has to draw, makes its fonts, pens and brushes, and paints the
// gradients one pixel line at a time; redraw_area keeps the repainted area small.
#include "board_painter.h"

#include <string.h>

#include "screen_scale.h"
#include "window_texts.h"

namespace {

const char BOARD_TITLE[] = "Zelquan Orla Sequent";
const char BOARD_VERSION[] = "v 1.1.c";
const char FINISH_FLAG_FILE[] = "images/drapeauArrivee.bmp";
const char LOGO_FILE[] = "images/logo.bmp";

enum { ALIGN_CENTRE = TA_CENTER | TA_TOP, ALIGN_LEFT = TA_LEFT | TA_TOP, ALIGN_RIGHT = TA_RIGHT | TA_TOP };

// The DC's own font comes back at the end; each font made here is deleted
// as soon as the next one replaces it.
struct FontKeeper {
    HDC dc;
    HFONT original;
    HFONT current;
    const FontSlot *slot;  // the slot the current font was made from, if any
};

void use_font(FontKeeper *keeper, HFONT font)
{
    keeper->slot = 0;
    HFONT previous = static_cast<HFONT>(SelectObject(keeper->dc, font));
    if (!keeper->original)
        keeper->original = previous;
    if (keeper->current)
        DeleteObject(keeper->current);
    keeper->current = font;
}

void release_fonts(FontKeeper *keeper)
{
    if (keeper->original)
        SelectObject(keeper->dc, keeper->original);
    if (keeper->current)
        DeleteObject(keeper->current);
    keeper->current = 0;
}

HFONT make_font(const char *face, int32_t height)
{
    LOGFONTA f;
    memset(&f, 0, sizeof f);
    f.lfHeight = height;
    lstrcpynA(f.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&f);
}

// A font slot scaled by the screen width. The board's painting takes the
// underline and strikeout flags too; the row measure does not.
HFONT make_slot_font(const FontSlot *slot, int32_t w, int32_t with_lines)
{
    LOGFONTA f;
    memset(&f, 0, sizeof f);
    const size_t face_length = strnlen(slot->face, sizeof slot->face - 1);
    memcpy(f.lfFaceName, slot->face, face_length);
    f.lfHeight = across(slot->height, w);
    f.lfWeight = slot->weight;
    f.lfItalic = static_cast<BYTE>(slot->italic);
    if (with_lines) {
        f.lfUnderline = static_cast<BYTE>(slot->underline);
        f.lfStrikeOut = static_cast<BYTE>(slot->strikeout);
    }
    return CreateFontIndirectA(&f);
}

int32_t same_font(const FontSlot *a, const FontSlot *b)
{
    return strncmp(a->face, b->face, sizeof a->face) == 0 && a->height == b->height &&
           a->weight == b->weight && a->italic == b->italic && a->underline == b->underline &&
           a->strikeout == b->strikeout;
}

// Neighbouring columns mostly share one font: it is kept rather than made again.
void use_slot_font(FontKeeper *keeper, const FontSlot *slot, int32_t w)
{
    if (keeper->slot && same_font(keeper->slot, slot))
        return;
    use_font(keeper, make_slot_font(slot, w, 1));
    keeper->slot = slot;
}

COLORREF colour_of(const DisplaySettings *d, int32_t index)
{
    return static_cast<COLORREF>(d->colours[index]);
}

}  // namespace

void fill_with(HDC dc, const RECT *r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, r, brush);
    DeleteObject(brush);
}

namespace {

void fill_line(HDC dc, int32_t left, int32_t y, int32_t right, COLORREF colour)
{
    RECT r = {left, y, right, y + 1};
    fill_with(dc, &r, colour);
}

int32_t blend_channel(int32_t top, int32_t bottom, int32_t j, int32_t lines)
{
    return top - MulDiv(j, top - bottom, lines);
}

}  // namespace

void fill_gradient(HDC dc, int32_t left, int32_t top, int32_t right, int32_t lines,
                   COLORREF from, COLORREF to)
{
    for (int32_t j = 0; j < lines; j++) {
        const int32_t r = blend_channel(GetRValue(from), GetRValue(to), j, lines);
        const int32_t g = blend_channel(GetGValue(from), GetGValue(to), j, lines);
        const int32_t b = blend_channel(GetBValue(from), GetBValue(to), j, lines);
        fill_line(dc, left, top + j, right, RGB(r, g, b));
    }
}

namespace {

void draw_line(HDC dc, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    MoveToEx(dc, x0, y0, 0);
    LineTo(dc, x1, y1);
}

// Selects a new solid pen and deletes the one it replaces (not the DC's own).
void use_pen(HDC dc, HPEN original, int32_t width, COLORREF colour)
{
    HGDIOBJ previous = SelectObject(dc, CreatePen(PS_SOLID, width, colour));
    if (previous != original)
        DeleteObject(previous);
}

int32_t lower_channel(int32_t c)
{
    return c > 9 ? c - 10 : 0;
}

void draw_text(HDC dc, int32_t x, int32_t y, UINT align, const char *text, size_t size)
{
    SetTextAlign(dc, align);
    TextOutA(dc, x, y, text, static_cast<int>(strnlen(text, size)));
}

// One of the nine configurable columns: where its header and cells stand
// (in 1/1600 of the screen width, from the header's and the body's left
// edges), how they align, and the width it needs to be shown.
struct ColumnPlace {
    int32_t header_x;
    int32_t cell_x;
    UINT align;
    int32_t min_width;  // pixels, compared with the width in 1/1600 units as it is
};

void place_columns(const int32_t *widths, int32_t w, ColumnPlace *places)
{
    int32_t sum[BOARD_COLUMNS + 1];  // sum[k]: the first k widths
    for (int32_t k = 0; k <= BOARD_COLUMNS; k++)
        sum[k] = sum_of_widths(widths, k);
    places[0] = {widths[0] / 2 + 40, widths[0] / 2, ALIGN_CENTRE, w / 40};
    places[1] = {widths[0] + 50, widths[0] + 10, ALIGN_LEFT, w / 20};
    places[2] = {sum[3] + 35, sum[3] - 5, ALIGN_RIGHT, w / 32};
    for (int32_t c = 3; c < 8; c++)
        places[c] = {sum[c + 1] + 35, sum[c + 1] - 10, ALIGN_RIGHT, across(85, w)};
    places[8] = {sum[8] + widths[8] / 2 + 40, sum[8] + widths[8] / 2, ALIGN_CENTRE,
                 across(55, w)};
}

const char *const HEADER_TEXTS[BOARD_COLUMNS] = {
    HEADER_GRID_TEXT,        HEADER_NAME_TEXT,      HEADER_LAPS_TEXT,
    HEADER_RACE_TIME_TEXT,   HEADER_GAP_LEADER_TEXT, HEADER_GAP_AHEAD_TEXT,
    HEADER_LAST_LAP_TEXT,    HEADER_BEST_LAP_TEXT,  HEADER_TRANSPONDER_TEXT,
};

struct CellText {
    const char *text;
    size_t size;
};

CellText cell_text(const BoardRow *row, int32_t c)
{
    switch (c) {
    case 0: return {row->grid_text, sizeof row->grid_text};
    case 1: return {row->name, sizeof row->name};
    case 2: return {row->laps_text, sizeof row->laps_text};
    case 3: return {row->race_time_text, sizeof row->race_time_text};
    case 4: return {row->gap_leader_text, sizeof row->gap_leader_text};
    case 5: return {row->gap_ahead_text, sizeof row->gap_ahead_text};
    case 6: return {row->last_lap_text, sizeof row->last_lap_text};
    case 7: return {row->best_lap_text, sizeof row->best_lap_text};
    default: return {row->transponder, sizeof row->transponder};
    }
}

// The highlight behind one cell, or -1 for none: a just-recorded passing
// on the grid number, the race best lap before a personal best.
int32_t cell_highlight(const BoardRow *row, int32_t c)
{
    if (c == 0 && row->just_recorded == 1)
        return COLOUR_JUST_RECORDED;
    if (c == 7 && row->holds_race_best == 1)
        return COLOUR_RACE_BEST_LAP;
    if (c == 7 && row->new_personal_best == 1)
        return COLOUR_PERSONAL_BEST_LAP;
    return -1;
}

// The board row shown at visible row i, or 0 past the 20 rows.
const BoardRow *shown_row(const BoardPaint *p, int32_t i)
{
    const int32_t r = p->scroll_info->nPos + i;
    return r >= 0 && r < GRID_SLOTS ? &p->rows[r] : 0;
}

void paint_backgrounds(HDC dc, const BoardPaint *p)
{
    const DisplaySettings *d = p->settings;
    const BoardLayout *l = p->layout;
    const int32_t n = p->visible_rows;
    const int32_t h = p->screen_height;

    const COLORREF header_top = colour_of(d, COLOUR_HEADER_TOP);
    const COLORREF header_bottom = colour_of(d, COLOUR_HEADER_BOTTOM);
    if (header_top == header_bottom) {
        fill_with(dc, &l->header, header_top);
        fill_with(dc, &l->position_column, RGB(255, 255, 200));
    } else {
        fill_gradient(dc, l->header.left, l->header.top, l->header.right,
                      l->header.bottom - l->header.top, header_top, header_bottom);
        if (n > 0) {
            const int32_t hh = (l->position_column.bottom - l->position_column.top) / n;
            for (int32_t r = 0; r < n; r++)
                for (int32_t j = 0; j < hh; j++) {
                    const int32_t y = l->position_column.top + down(r * p->row_height, h) + j;
                    const int32_t rg = 255 - MulDiv(j, 40, hh);
                    fill_line(dc, l->position_column.left, y, l->position_column.right,
                              RGB(rg, rg, 255 - MulDiv(j, 95, hh)));
                }
        }
    }

    const COLORREF rows_top = colour_of(d, COLOUR_ROWS_TOP);
    const COLORREF rows_bottom = colour_of(d, COLOUR_ROWS_BOTTOM);
    if (rows_top == rows_bottom) {
        fill_with(dc, &l->body, rows_top);
    } else if (d->board_style == 0) {
        fill_gradient(dc, l->body.left, l->body.top, l->body.right,
                      l->body.bottom - l->body.top, rows_top, rows_bottom);
    } else if (d->board_style == 1 && n > 0) {
        const int32_t hh = (l->body.bottom - l->body.top) / n;
        for (int32_t r = 0; r < n; r++)
            fill_gradient(dc, l->body.left, l->body.top + down(r * p->row_height, h),
                          l->body.right, hh, rows_top, rows_bottom);
    }
}

void paint_lines(HDC dc, const BoardPaint *p)
{
    const BoardLayout *l = p->layout;
    const RECT &b = l->board;
    const RECT &hd = l->header;
    const int32_t w = p->screen_width;
    const int32_t h = p->screen_height;
    const int32_t n = p->visible_rows;
    const COLORREF line_colour = colour_of(p->settings, COLOUR_LINES);

    HPEN original = static_cast<HPEN>(GetCurrentObject(dc, OBJ_PEN));
    use_pen(dc, original, 2, RGB(0, 0, 0));
    draw_line(dc, b.left, b.top + 1, b.right - 1, b.top + 1);
    draw_line(dc, b.left, b.bottom - 1, b.right - 1, b.bottom - 1);
    draw_line(dc, b.left, b.top + 1, b.left, b.bottom - 1);
    draw_line(dc, b.right - 1, b.top + 1, b.right - 1, b.bottom - 1);

    use_pen(dc, original, 2, line_colour);
    draw_line(dc, hd.left, hd.top, hd.right, hd.top);
    draw_line(dc, hd.left, hd.bottom, hd.right, hd.bottom);
    draw_line(dc, hd.left, hd.top - 1, hd.left, hd.bottom);
    draw_line(dc, hd.right, hd.top, hd.right, hd.bottom);
    draw_line(dc, l->position_column.left, l->position_column.top, l->position_column.left,
              l->position_column.bottom);
    draw_line(dc, l->body.right, l->body.top, l->body.right, l->body.bottom);
    for (int32_t k = 1; k <= n; k++) {
        const int32_t y = l->body.top + down(k * p->row_height, h);
        draw_line(dc, l->position_column.left, y, l->body.right, y);
    }

    use_pen(dc, original, 1, line_colour);
    draw_line(dc, hd.left + w / 40, hd.top, hd.left + w / 40, hd.bottom);
    for (int32_t k = 0; k < BOARD_COLUMNS; k++) {
        const int32_t x = hd.left + across(40 + sum_of_widths(p->column_widths, k + 1), w);
        draw_line(dc, x, hd.top, x, hd.bottom);
    }
    const int32_t rows_bottom = l->body.top + down(p->row_height * n, h);
    draw_line(dc, l->body.left, l->body.top, l->body.left, rows_bottom);
    for (int32_t k = 0; k < BOARD_COLUMNS - 1; k++) {
        const int32_t x = l->body.left + across(sum_of_widths(p->column_widths, k + 1), w);
        draw_line(dc, x, l->body.top, x, rows_bottom);
    }
    const int32_t last = l->body.left + across(sum_of_widths(p->column_widths, BOARD_COLUMNS), w);
    draw_line(dc, last, l->body.top, last, l->body.bottom);

    DeleteObject(SelectObject(dc, original));
}

void paint_title(HDC dc, FontKeeper *fonts, const BoardPaint *p)
{
    const RECT &b = p->layout->board;
    const COLORREF board = colour_of(p->settings, COLOUR_BOARD_BACKGROUND);
    use_font(fonts, make_font("Arial Black", (b.right - b.left) / 12));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(lower_channel(GetRValue(board)), lower_channel(GetGValue(board)),
                         lower_channel(GetBValue(board))));
    const int32_t x = (b.left + b.right) / 2;
    draw_text(dc, x, down(170, p->screen_height), ALIGN_CENTRE, BOARD_TITLE, sizeof BOARD_TITLE);
    draw_text(dc, x, p->screen_height / 3, ALIGN_CENTRE, BOARD_VERSION, sizeof BOARD_VERSION);
}

void paint_race_name(HDC dc, FontKeeper *fonts, const BoardPaint *p)
{
    const DisplaySettings *d = p->settings;
    use_slot_font(fonts, &d->fonts[FONT_RACE_NAME], p->screen_width);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, colour_of(d, COLOUR_RACE_NAME_BACKGROUND));
    SetTextColor(dc, static_cast<COLORREF>(d->text_colours[FONT_RACE_NAME]));
    draw_text(dc, p->layout->race_title.left + 5, p->layout->race_title.top, ALIGN_LEFT,
              p->race_name, RACE_NAME_SIZE);
}

void paint_header(HDC dc, FontKeeper *fonts, const BoardPaint *p, const ColumnPlace *places)
{
    const DisplaySettings *d = p->settings;
    const int32_t w = p->screen_width;
    const int32_t left = p->layout->header.left;
    const int32_t y = down(125, p->screen_height);
    use_slot_font(fonts, &d->fonts[FONT_HEADER], w);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(d->text_colours[FONT_HEADER]));
    draw_text(dc, left + w / 80, y, ALIGN_CENTRE, HEADER_POSITION_TEXT, 64);
    for (int32_t c = 0; c < BOARD_COLUMNS; c++)
        if (places[c].min_width < p->column_widths[c])
            draw_text(dc, left + across(places[c].header_x, w), y, places[c].align,
                      HEADER_TEXTS[c], 64);
    draw_text(dc, left + across(sum_of_widths(p->column_widths, BOARD_COLUMNS) + 58, w), y,
              ALIGN_CENTRE, HEADER_FINISH_TEXT, 64);
}

int32_t row_y(const BoardPaint *p, int32_t i)
{
    return p->layout->body.top + down(p->row_height / 12 + i * p->row_height, p->screen_height);
}

void paint_column(HDC dc, FontKeeper *fonts, const BoardPaint *p, const ColumnPlace *place,
                  int32_t c)
{
    const DisplaySettings *d = p->settings;
    use_slot_font(fonts, &d->fonts[FONT_FIRST_COLUMN + c], p->screen_width);
    SetTextColor(dc, static_cast<COLORREF>(d->text_colours[FONT_FIRST_COLUMN + c]));
    const int32_t x = p->layout->body.left + across(place->cell_x, p->screen_width);
    for (int32_t i = 0; i < p->visible_rows; i++) {
        const BoardRow *row = shown_row(p, i);
        if (!row)
            break;
        const int32_t highlight = cell_highlight(row, c);
        if (highlight >= 0) {
            SetBkMode(dc, OPAQUE);
            SetBkColor(dc, colour_of(d, highlight));
        }
        const CellText cell = cell_text(row, c);
        draw_text(dc, x, row_y(p, i), place->align, cell.text, cell.size);
        if (highlight >= 0)
            SetBkMode(dc, TRANSPARENT);
    }
}

void paint_positions(HDC dc, FontKeeper *fonts, const BoardPaint *p)
{
    const int32_t w = p->screen_width;
    use_font(fonts, make_font("Arial Black", w / 80));
    SetTextColor(dc, RGB(0, 0, 0));
    const int32_t x = p->layout->position_column.left + w / 80;
    for (int32_t i = 0; i < p->visible_rows; i++) {
        const BoardRow *row = shown_row(p, i);
        if (!row)
            break;
        draw_text(dc, x, row_y(p, i), ALIGN_CENTRE, row->position, sizeof row->position);
    }
}

void paint_cells(HDC dc, FontKeeper *fonts, const BoardPaint *p, const ColumnPlace *places)
{
    SetBkMode(dc, TRANSPARENT);
    for (int32_t c = 0; c < BOARD_COLUMNS; c++) {
        if (c == 1)
            paint_positions(dc, fonts, p);
        if (places[c].min_width < p->column_widths[c])
            paint_column(dc, fonts, p, &places[c], c);
    }
}

// The flag is loaded only when a finished row's flag lies in the area being
// painted: a passing repaints the board dozens of times a minute, and reading
// the file costs more than the rest of the paint.
void paint_flags(HDC dc, const BoardPaint *p)
{
    const int32_t w = p->screen_width;
    const int32_t x = p->layout->body.left +
                      across(sum_of_widths(p->column_widths, BOARD_COLUMNS) + 5, w);
    HBITMAP flag = 0;
    for (int32_t i = 0; i < p->visible_rows; i++) {
        const BoardRow *row = shown_row(p, i);
        if (!row || row->finished != 1)
            continue;
        const int32_t y = row_y(p, i);
        const RECT place = {x, y, x + w / 64, y + 16};
        if (!flag && !RectVisible(dc, &place))
            continue;
        if (!flag)
            flag = static_cast<HBITMAP>(LoadImageA(0, FINISH_FLAG_FILE, IMAGE_BITMAP, w / 64, 16,
                                                   LR_LOADFROMFILE | LR_DEFAULTSIZE));
        if (!flag)
            return;
        DrawStateA(dc, 0, 0, reinterpret_cast<LPARAM>(flag), 0, x, y, 0, 0, DST_BITMAP);
    }
    if (flag)
        DeleteObject(flag);
}

// Likewise the logo, which a board repaint never reaches.
void paint_logo(HDC dc)
{
    const RECT place = {4, 2, 4 + 196, 2 + 50};
    if (!RectVisible(dc, &place))
        return;
    HBITMAP logo = static_cast<HBITMAP>(LoadImageA(0, LOGO_FILE, IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE));
    if (!logo)
        return;
    DrawStateA(dc, 0, 0, reinterpret_cast<LPARAM>(logo), 0, 4, 2, 196, 50, DST_BITMAP);
    DeleteObject(logo);
}

// The countdown and the clocks lie below y = 735 (in 1/900 of the screen
// height); a board repaint does not reach them and skips their fonts.
void paint_clocks(HDC dc, FontKeeper *fonts, const BoardPaint *p)
{
    const int32_t w = p->screen_width;
    const int32_t h = p->screen_height;
    const RECT band = {-32768, down(735, h), 32767, 32767};
    if (!RectVisible(dc, &band))
        return;
    use_font(fonts, make_font("Arial", 30));
    SetTextColor(dc, RGB(0, 0, 0));
    draw_text(dc, p->layout->countdown.left + 90, down(735, h), ALIGN_RIGHT, p->countdown_text,
              COUNTDOWN_TEXT_SIZE);

    use_font(fonts, make_font("Arial Black", across(35, w)));
    const int32_t left = p->layout->clocks.left;
    const int32_t y = down(740, h);
    draw_text(dc, left + w / 10, y, ALIGN_RIGHT, p->race_length_text, RACE_LENGTH_TEXT_SIZE);
    SetTextColor(dc, RGB(0, 150, 0));
    draw_text(dc, left + across(290, w), y, ALIGN_RIGHT, p->remaining_text, CLOCK_TEXT_SIZE);
    SetTextColor(dc, RGB(150, 0, 0));
    draw_text(dc, left + across(420, w), y, ALIGN_RIGHT, p->elapsed_text, CLOCK_TEXT_SIZE);
}

}  // namespace

void paint_main_window(HWND window, const BoardPaint *p)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FontKeeper fonts = {dc, 0, 0, 0};

    paint_logo(dc);
    fill_with(dc, &p->layout->board, colour_of(p->settings, COLOUR_BOARD_BACKGROUND));
    paint_title(dc, &fonts, p);
    paint_backgrounds(dc, p);
    paint_lines(dc, p);
    paint_race_name(dc, &fonts, p);

    ColumnPlace places[BOARD_COLUMNS];
    place_columns(p->column_widths, p->screen_width, places);
    paint_header(dc, &fonts, p, places);
    paint_cells(dc, &fonts, p, places);
    paint_flags(dc, p);
    paint_clocks(dc, &fonts, p);

    release_fonts(&fonts);
    EndPaint(window, &ps);
}

void measure_board_rows(HWND window, const DisplaySettings *settings, int32_t *row_height,
                        int32_t *rows_fit, int32_t *rows_shown, const RECT *board,
                        const RECT *body, int32_t w, int32_t h, int32_t car_count)
{
    // A row never grows past this, whatever heights a settings file holds.
    const int64_t tallest_row = 100000;
    HDC dc = GetDC(window);
    int64_t height = 0;
    for (int32_t slot = FONT_FIRST_COLUMN; slot < FONT_SLOTS; slot++) {
        HFONT font = make_slot_font(&settings->fonts[slot], w, 0);
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA metrics;
        if (GetTextMetricsA(dc, &metrics)) {
            const int64_t row = static_cast<int64_t>(metrics.tmHeight) * 120 / 100;
            if (row > height)
                height = row < tallest_row ? row : tallest_row;
        }
        SelectObject(dc, previous);
        DeleteObject(font);
    }
    *row_height = static_cast<int32_t>(height);

    const int32_t room = board->bottom - body->top;
    int32_t fit = 0;
    while (fit < GRID_SLOTS && down(height * (fit + 1), h) < room)
        fit++;
    *rows_fit = fit;
    *rows_shown = car_count > fit ? fit : car_count;
    ReleaseDC(window, dc);
}
