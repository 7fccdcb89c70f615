// Times as people read them: splitting, the time texts of tables and board, the
// countdown and race clocks, and the board rows rebuilt after every passing.
// The texts are written by hand rather than with snprintf: the board is rebuilt
// inside the 10 ms engine tick and a hundred formatted calls would cost more
// than the whole ranking.
#include "race_model.h"

#include <string.h>

namespace {

// Appends to a text field without ever passing its last byte, kept for the NUL.
struct TextWriter {
    char *text;
    int32_t size;
    int32_t length;
};

void put_char(TextWriter *out, char c)
{
    if (out->length < out->size - 1)
        out->text[out->length++] = c;
}

// As printf's "%0<width>d": the sign counts in the width, zeros go after it.
void put_int(TextWriter *out, int32_t value, int32_t width)
{
    char digits[10];
    int32_t count = 0;
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value)
                                   : static_cast<uint32_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        put_char(out, '-');
        width--;
    }
    for (int32_t pad = count; pad < width; pad++)
        put_char(out, '0');
    while (count > 0)
        put_char(out, digits[--count]);
}

void end_text(TextWriter *out)
{
    if (out->size >= 1)
        out->text[out->length] = 0;
}

// "%d:%02d:%02d.%03d" with hours, else "%d:%02d.%03d" with minutes (always on the
// board's race time), else "%d.%03d".
void write_time_text(char *text, int32_t size, const TimeSplit *t, int32_t with_minutes)
{
    TextWriter out = {text, size, 0};
    int32_t seconds_width = 0;
    if (t->hours != 0) {
        put_int(&out, t->hours, 0);
        put_char(&out, ':');
        put_int(&out, t->minutes, 2);
        put_char(&out, ':');
        seconds_width = 2;
    } else if (t->minutes != 0 || with_minutes) {
        put_int(&out, t->minutes, 0);
        put_char(&out, ':');
        seconds_width = 2;
    }
    put_int(&out, t->seconds, seconds_width);
    put_char(&out, '.');
    put_int(&out, t->milliseconds, 3);
    end_text(&out);
}

void split_time(int32_t time, TimeSplit *t)
{
    split_milliseconds(time, &t->hours, &t->minutes, &t->seconds, &t->milliseconds);
}

// The gap cell: laps behind in the build's letter, else the time behind.
void write_gap_text(char *text, int32_t size, int32_t laps_behind, const TimeSplit *gap)
{
    if (laps_behind > 0)
        format_int_text(text, size, LAPS_BEHIND_FORMAT, laps_behind);
    else
        write_time_text(text, size, gap, 0);
}

int32_t same_key(const char *a, const char *b)
{
    return a != 0 && b != 0 && strcmp(a, b) == 0;
}

// Tick counts wrap around every 49.7 days; their difference taken as signed
// stays right across the wrap.
int32_t ms_since_tick(uint32_t tick)
{
    return static_cast<int32_t>(read_tick_count() - tick);
}

}  // namespace

void format_int_text(char *text, int32_t size, const char *format, int32_t value)
{
    TextWriter out = {text, size, 0};
    for (const char *f = format; *f != 0; f++) {
        if (f[0] == '%' && f[1] == 'd') {
            put_int(&out, value, 0);
            f++;
        } else {
            put_char(&out, *f);
        }
    }
    end_text(&out);
}

void split_milliseconds(int32_t time, int32_t *hours, int32_t *minutes, int32_t *seconds,
                        int32_t *milliseconds)
{
    int32_t h = time / 3600000;
    int32_t m = (time - h * 3600000) / 60000;
    int32_t s = (time - h * 3600000 - m * 60000) / 1000;
    *hours = h;
    *minutes = m;
    *seconds = s;
    *milliseconds = time - h * 3600000 - m * 60000 - s * 1000;
}

void format_time(char *text, int32_t hours, int32_t minutes, int32_t seconds,
                 int32_t milliseconds)
{
    TimeSplit t = {hours, minutes, seconds, milliseconds};
    write_time_text(text, 20, &t, 0);
}

void split_ranking_times(RankingRow *rows, int32_t n)
{
    if (n < 0 || n > GRID_SLOTS)
        return;
    for (int32_t r = 0; r < n; r++) {
        RankingRow *row = &rows[r];
        split_time(row->race_time, &row->race_time_split);
        split_time(row->last_lap, &row->last_lap_split);
        split_time(row->best_lap, &row->best_lap_split);
        split_time(row->gap_leader, &row->gap_leader_split);
        split_time(row->gap_ahead, &row->gap_ahead_split);
    }
}

void format_board_identity(BoardRow *board_row, const RankingRow *row)
{
    copy_text(board_row->name, sizeof board_row->name, row->name, sizeof row->name);
    copy_text(board_row->transponder, sizeof board_row->transponder, row->transponder,
              sizeof row->transponder);
    format_int_text(board_row->grid_text, sizeof board_row->grid_text, "  %d  ",
                    row->grid_number);
    format_int_text(board_row->laps_text, sizeof board_row->laps_text, "%d", row->laps);
}

void format_board_rows(const RankingRow *rows, BoardRow *board, const char *ranking_key,
                       const char *laps_then_time_key, const char *best_lap_key,
                       int32_t n)
{
    if (n < 0 || n > GRID_SLOTS)
        return;
    int32_t by_laps = same_key(ranking_key, laps_then_time_key);
    int32_t by_best = same_key(ranking_key, best_lap_key);
    for (int32_t r = 0; r < n; r++) {
        const RankingRow *row = &rows[r];
        BoardRow *cell = &board[r];
        // The position text stays as the set-up wrote it.
        format_board_identity(cell, row);
        cell->finished = row->finished;
        cell->just_recorded = row->just_recorded;
        cell->new_personal_best = row->new_personal_best;
        cell->holds_race_best = row->holds_race_best;
        write_time_text(cell->race_time_text, sizeof cell->race_time_text,
                        &row->race_time_split, 1);
        write_time_text(cell->last_lap_text, sizeof cell->last_lap_text,
                        &row->last_lap_split, 0);
        write_time_text(cell->best_lap_text, sizeof cell->best_lap_text,
                        &row->best_lap_split, 0);
        if (by_laps) {
            write_gap_text(cell->gap_leader_text, sizeof cell->gap_leader_text,
                           row->laps_behind_leader, &row->gap_leader_split);
            write_gap_text(cell->gap_ahead_text, sizeof cell->gap_ahead_text,
                           row->laps_behind_ahead, &row->gap_ahead_split);
        } else if (by_best) {
            write_time_text(cell->gap_leader_text, sizeof cell->gap_leader_text,
                            &row->gap_leader_split, 0);
            write_time_text(cell->gap_ahead_text, sizeof cell->gap_ahead_text,
                            &row->gap_ahead_split, 0);
        }
    }
}

void compute_countdown(const uint32_t *start_tick, const int32_t *length_seconds,
                       int32_t *elapsed_seconds, int32_t *elapsed_ms,
                       int32_t *remaining_seconds, int32_t *ms_since_redraw,
                       const uint32_t *redraw_tick)
{
    *ms_since_redraw = ms_since_tick(*redraw_tick);
    int32_t e = ms_since_tick(*start_tick);
    *elapsed_seconds = e / 1000;
    *elapsed_ms = e - (e / 1000) * 1000;
    // The remaining seconds count the second under way: the length during the
    // first second, 0 once the whole length has passed. Wide arithmetic keeps a
    // length from a hand-edited file from overflowing.
    *remaining_seconds =
        static_cast<int32_t>((static_cast<int64_t>(*length_seconds) * 1000 - e + 1000) / 1000);
}

void compute_race_clock(const uint32_t *start_tick, const int32_t *length_hours,
                        const int32_t *length_minutes, int32_t *elapsed_hours,
                        int32_t *elapsed_minutes, int32_t *elapsed_seconds,
                        int32_t *elapsed_ms, int32_t *remaining_hours,
                        int32_t *remaining_minutes, int32_t *remaining_seconds,
                        int32_t *ms_since_redraw, const uint32_t *redraw_tick)
{
    *ms_since_redraw = ms_since_tick(*redraw_tick);
    int32_t e = ms_since_tick(*start_tick);
    split_milliseconds(e, elapsed_hours, elapsed_minutes, elapsed_seconds, elapsed_ms);
    int64_t r = static_cast<int64_t>(*length_hours) * 3600000 +
                static_cast<int64_t>(*length_minutes) * 60000 - e + 1000;
    int64_t h = r / 3600000;
    int64_t m = (r - h * 3600000) / 60000;
    *remaining_hours = static_cast<int32_t>(h);
    *remaining_minutes = static_cast<int32_t>(m);
    *remaining_seconds = static_cast<int32_t>((r - h * 3600000 - m * 60000) / 1000);
}
