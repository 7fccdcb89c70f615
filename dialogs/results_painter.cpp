// The detailed results views, painted straight onto the dialog at every
// WM_PAINT: a heat is at most 20 cars and each view shows at most 20 laps,
// so painting it all again is cheaper than keeping an image of it.
#include "results_painter.h"

#include <stdio.h>
#include <string.h>

#include "dialog_texts.h"

const COLORREF CAR_PEN_COLOURS[GRID_SLOTS] = {
    0xFF05A0, 0x00A005, 0xC35A37, 0x0F05E1, 0x005F8C, 0x000000, 0x9605AA,
    0x0064FF, 0x1EE6E1, 0xAAAAAA, 0x008755, 0x32EBA5, 0xFFDC46, 0x463CFF,
    0x00A0E1, 0xFA69FF, 0x50A0FF, 0xFF87CD, 0xC8C8C8, 0x00C8B4,
};

// The yellow line would be hard to read as text: its legend is darker.
const COLORREF CAR_TEXT_COLOURS[GRID_SLOTS] = {
    0xFF05A0, 0x00A005, 0xC35A37, 0x0F05E1, 0x005F8C, 0x000000, 0x9605AA,
    0x0064FF, 0x0AD2CD, 0xAAAAAA, 0x008755, 0x32EBA5, 0xFFDC46, 0x463CFF,
    0x00A0E1, 0xFA69FF, 0x50A0FF, 0xFF87CD, 0xC8C8C8, 0x00C8B4,
};

namespace {

// The tables: a 30-pixel header band over 20 rows of 26 pixels, car columns
// of 70 pixels, and the lap numbers in a 50-pixel column left of the view.
const int32_t HEADER_HEIGHT = 30;
const int32_t ROW_HEIGHT = 26;
const int32_t TABLE_ROWS = 20;
const int32_t COLUMN_WIDTH = 70;
const int32_t TABLE_COLUMNS = 10;
const int32_t LAP_COLUMN_WIDTH = 50;

const COLORREF TABLE_SIDE_COLOUR = 0xDCE6E6;
const COLORREF FRAME_COLOUR = 0x000000;
const COLORREF GRID_COLOUR = 0xA0C8C8;

struct TableColours {
    COLORREF body;
    COLORREF header;
};

const TableColours RACE_TIME_COLOURS = {0xC8FFFF, 0x96FFFF};
const TableColours LAP_TIME_COLOURS = {0xC8FFC8, 0x96E696};

// The chart: ten laps across, one line per position.
const int32_t CHART_LAPS = 10;
const COLORREF CHART_LEGEND_COLOUR = 0xE6F0F0;
const COLORREF CHART_VIEW_COLOUR = 0xF0FAFA;
const COLORREF CHART_LINE_COLOUR = 0xA0A0A0;
const COLORREF AXIS_WORD_COLOUR = 0x646464;
const COLORREF AXIS_NUMBER_COLOUR = 0x969696;

// The font and pen in use, each deleted when the next replaces it, and what
// the device context held before.
struct PaintTools {
    HDC dc;
    HGDIOBJ first_font;
    HGDIOBJ first_pen;
    HGDIOBJ font;
    HGDIOBJ pen;
};

void use_object(HDC dc, HGDIOBJ object, HGDIOBJ *current, HGDIOBJ *first)
{
    HGDIOBJ previous = SelectObject(dc, object);
    if (*current)
        DeleteObject(*current);
    else
        *first = previous;
    *current = object;
}

void drop_object(HDC dc, HGDIOBJ current, HGDIOBJ first)
{
    if (current) {
        SelectObject(dc, first);
        DeleteObject(current);
    }
}

HDC begin_paint(HWND dialog, PAINTSTRUCT *paint, PaintTools *tools)
{
    memset(tools, 0, sizeof *tools);
    tools->dc = BeginPaint(dialog, paint);
    SetBkMode(tools->dc, TRANSPARENT);
    return tools->dc;
}

void end_paint(HWND dialog, PAINTSTRUCT *paint, PaintTools *tools)
{
    drop_object(tools->dc, tools->font, tools->first_font);
    drop_object(tools->dc, tools->pen, tools->first_pen);
    EndPaint(dialog, paint);
}

// "Arial" of the height; weight and character set left at 0.
void use_font(PaintTools *tools, int32_t height)
{
    LOGFONTA description;
    memset(&description, 0, sizeof description);
    description.lfHeight = height;
    lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
    use_object(tools->dc, CreateFontIndirectA(&description), &tools->font, &tools->first_font);
}

void use_pen(PaintTools *tools, int32_t style, int32_t width, COLORREF colour)
{
    use_object(tools->dc, CreatePen(style, width, colour), &tools->pen, &tools->first_pen);
}

void fill(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, COLORREF colour)
{
    const RECT area = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void fill_rect(HDC dc, RECT area, COLORREF colour)
{
    fill(dc, area.left, area.top, area.right, area.bottom, colour);
}

// The end point is not drawn.
void line(HDC dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    MoveToEx(dc, x1, y1, 0);
    LineTo(dc, x2, y2);
}

void text_at(HDC dc, int32_t x, int32_t y, const char *text)
{
    TextOutA(dc, x, y, text, lstrlenA(text));
}

void number_at(HDC dc, int32_t x, int32_t y, int32_t value)
{
    char text[12];
    format_int_text(text, sizeof text, "%d", value);
    text_at(dc, x, y, text);
}

void legend_at(HDC dc, int32_t x, int32_t y, const CarRecord *car)
{
    char text[80];
    snprintf(text, sizeof text, RESULTS_LEGEND_FORMAT, static_cast<int>(car->grid_number),
             car->name);
    text_at(dc, x, y, text);
}

// The frames in black, the lines between rows and columns in the grid colour.
void draw_table_lines(PaintTools *tools, RECT view, int32_t columns, int32_t right)
{
    HDC dc = tools->dc;
    const int32_t left = view.left;
    const int32_t top = view.top;
    const int32_t band_bottom = top + HEADER_HEIGHT;
    const int32_t lap_left = left - LAP_COLUMN_WIDTH;
    use_pen(tools, PS_SOLID, 1, FRAME_COLOUR);
    line(dc, left, top, right, top);
    line(dc, left, band_bottom, right, band_bottom);
    line(dc, left, top, left, band_bottom);
    for (int32_t k = 1; k <= columns; k++)
        line(dc, left + COLUMN_WIDTH * k, top, left + COLUMN_WIDTH * k, band_bottom);
    line(dc, lap_left, top, lap_left, view.bottom);
    line(dc, left, top, left, view.bottom);
    line(dc, lap_left, top, left, top);
    line(dc, lap_left, band_bottom, left, band_bottom);
    for (int32_t r = 0; r < TABLE_ROWS; r++) {
        const int32_t y = band_bottom + ROW_HEIGHT * (r + 1);
        line(dc, lap_left, y, left, y);
    }
    use_pen(tools, PS_SOLID, 1, GRID_COLOUR);
    for (int32_t r = 0; r < TABLE_ROWS; r++) {
        const int32_t y = band_bottom + ROW_HEIGHT * (r + 1);
        line(dc, left, y, right, y);
    }
    for (int32_t k = 1; k <= columns; k++)
        line(dc, left + COLUMN_WIDTH * k, band_bottom, left + COLUMN_WIDTH * k, view.bottom);
}

// The two tables differ only in the per-lap array shown and their colours.
void paint_table(HWND dialog, RECT legend, RECT view, const SCROLLINFO *vscroll,
                 const SCROLLINFO *hscroll, const CarRecord *cars, int32_t car_count,
                 int32_t visible_cars, int32_t lap_times, const TableColours *colours)
{
    PAINTSTRUCT paint;
    PaintTools tools;
    HDC dc = begin_paint(dialog, &paint, &tools);
    const int32_t vpos = vscroll->nPos;
    const int32_t hpos = hscroll->nPos;
    const int32_t columns = car_count < TABLE_COLUMNS ? car_count : TABLE_COLUMNS;
    const int32_t left = view.left;
    const int32_t top = view.top;
    const int32_t right = left + COLUMN_WIDTH * visible_cars;

    fill_rect(dc, legend, TABLE_SIDE_COLOUR);
    fill_rect(dc, view, TABLE_SIDE_COLOUR);
    fill(dc, left, top, right, view.bottom, colours->body);
    fill(dc, left, top, right, top + HEADER_HEIGHT, colours->header);
    fill(dc, left - LAP_COLUMN_WIDTH, top, left, view.bottom, colours->header);
    draw_table_lines(&tools, view, columns, right);

    use_font(&tools, 15);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    for (int32_t j = 0; j < car_count; j++)
        legend_at(dc, legend.left + 5, legend.top + 40 + 20 * j, &cars[j]);

    use_font(&tools, 16);
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    text_at(dc, left - RESULTS_TABLE_LAP_WORD_FROM_VIEW, top + 10, RESULTS_LAP_WORD_TEXT);
    for (int32_t i = 0; i < TABLE_ROWS; i++)
        number_at(dc, left - 20, top + 40 + ROW_HEIGHT * i, vpos + i + 1);
    for (int32_t i = 0; i < columns; i++) {
        char heading[24];
        format_int_text(heading, sizeof heading, RESULTS_COLUMN_FORMAT,
                        cars[hpos + i].grid_number);
        text_at(dc, left + 55 + COLUMN_WIDTH * i, top + 10, heading);
    }

    use_font(&tools, 14);
    for (int32_t j = 0; j < columns; j++) {
        const CarRecord *car = &cars[hpos + j];
        const int32_t *times = lap_times ? car->lap_times : car->race_times;
        for (int32_t k = 0; k < car->laps - vpos && k < TABLE_ROWS; k++) {
            TimeSplit t;
            char text[20];
            split_milliseconds(times[vpos + k], &t.hours, &t.minutes, &t.seconds,
                               &t.milliseconds);
            format_time(text, t.hours, t.minutes, t.seconds, t.milliseconds);
            text_at(dc, left + 62 + COLUMN_WIDTH * j, top + 40 + ROW_HEIGHT * k, text);
        }
    }
    end_paint(dialog, &paint, &tools);
}

// Position 1 at the top, the last at the bottom, 40 pixels kept free under
// it; multiplied first, divided last, as integers.
int32_t position_y(RECT area, int32_t position, int32_t car_count)
{
    return area.top + 30 + (area.bottom - area.top - 70) * (position - 1) / (car_count - 1);
}

int32_t lap_x(RECT view, int32_t column)
{
    return view.left + 30 + (view.right - view.left - 100) * column / (CHART_LAPS - 1);
}

void draw_chart_grid(PaintTools *tools, RECT legend, RECT view, int32_t lap_columns,
                     int32_t car_count)
{
    use_pen(tools, PS_DOT, 1, CHART_LINE_COLOUR);
    for (int32_t p = 1; p <= car_count; p++) {
        const int32_t y = position_y(view, p, car_count);
        line(tools->dc, legend.left + 50, y, legend.right, y);
        line(tools->dc, view.left, y, view.right, y);
    }
    for (int32_t m = 0; m < lap_columns; m++)
        line(tools->dc, lap_x(view, m), view.top, lap_x(view, m), view.bottom - 22);
}

// Each car's line joins its positions at the shown laps it has completed.
void draw_car_lines(PaintTools *tools, RECT view, int32_t hpos, const CarRecord *cars,
                    int32_t car_count)
{
    for (int32_t c = 0; c < car_count; c++) {
        const int32_t *positions = cars[c].lap_positions;
        use_pen(tools, PS_SOLID, 2, CAR_PEN_COLOURS[c]);
        const int32_t shown = cars[c].laps - hpos;
        for (int32_t m = 0; m <= shown - 2 && m < CHART_LAPS - 1; m++)
            line(tools->dc, lap_x(view, m), position_y(view, positions[hpos + m], car_count),
                 lap_x(view, m + 1), position_y(view, positions[hpos + m + 1], car_count));
    }
}

void draw_chart_texts(HDC dc, RECT legend, RECT view, int32_t hpos, const CarRecord *cars,
                      int32_t lap_columns, int32_t car_count)
{
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, AXIS_WORD_COLOUR);
    text_at(dc, view.right - RESULTS_CHART_LAP_WORD_FROM_RIGHT,
            view.bottom - RESULTS_CHART_LAP_WORD_FROM_BOTTOM, RESULTS_LAP_WORD_TEXT);
    text_at(dc, view.left + 2, view.top, "Pos");
    SetTextColor(dc, AXIS_NUMBER_COLOUR);
    for (int32_t m = 0; m < lap_columns; m++)
        number_at(dc, lap_x(view, m) - 5, view.bottom - 20, hpos + m + 1);
    for (int32_t p = 1; p <= car_count; p++)
        number_at(dc, view.left + 5, position_y(view, p, car_count) - 15, p);
    // Each legend stands at the left end of its car's line.
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    for (int32_t c = 0; c < car_count; c++) {
        SetTextColor(dc, CAR_TEXT_COLOURS[c]);
        if (cars[c].laps > 0)
            legend_at(dc, legend.right - 2,
                      position_y(legend, cars[c].lap_positions[hpos], car_count) - 15,
                      &cars[c]);
    }
}

}  // namespace

void paint_race_times_table(HWND dialog, RECT legend, RECT view, const SCROLLINFO *vscroll,
                            const SCROLLINFO *hscroll, const CarRecord *cars,
                            int32_t car_count, int32_t visible_cars)
{
    paint_table(dialog, legend, view, vscroll, hscroll, cars, car_count, visible_cars, 0,
                &RACE_TIME_COLOURS);
}

void paint_lap_times_table(HWND dialog, RECT legend, RECT view, const SCROLLINFO *vscroll,
                           const SCROLLINFO *hscroll, const CarRecord *cars,
                           int32_t car_count, int32_t visible_cars)
{
    paint_table(dialog, legend, view, vscroll, hscroll, cars, car_count, visible_cars, 1,
                &LAP_TIME_COLOURS);
}

// Positions only mean a race order when the ranking is by laps and time:
// a race ranked by best lap, or a single car, gets the empty chart.
void paint_position_chart(HWND dialog, RECT legend, RECT view, const char *ranking_key,
                          const SCROLLINFO *, const SCROLLINFO *hscroll,
                          const CarRecord *cars, int32_t max_laps, int32_t car_count)
{
    PAINTSTRUCT paint;
    PaintTools tools;
    HDC dc = begin_paint(dialog, &paint, &tools);
    fill_rect(dc, legend, CHART_LEGEND_COLOUR);
    fill_rect(dc, view, CHART_VIEW_COLOUR);
    if (car_count >= 2 && strcmp(ranking_key, RANKING_LAPS_THEN_TIME) == 0) {
        const int32_t hpos = hscroll->nPos;
        const int32_t lap_columns = max_laps < CHART_LAPS ? max_laps : CHART_LAPS;
        draw_chart_grid(&tools, legend, view, lap_columns, car_count);
        draw_car_lines(&tools, view, hpos, cars, car_count);
        use_font(&tools, 15);
        draw_chart_texts(dc, legend, view, hpos, cars, lap_columns, car_count);
    }
    end_paint(dialog, &paint, &tools);
}
