// The display settings file (Private/RéglagesAffichage.rgsc, or a user's
// ".scrn" file): every value followed by a TAB, one group per line.
#include <algorithm>

#include "race_model.h"
#include "text_files.h"

namespace {

const int32_t FACE_SIZE = sizeof(FontSlot::face);

// Lines 3 to 7 of the file, in this order.
int32_t FontSlot::*const FONT_NUMBERS[] = {&FontSlot::height, &FontSlot::weight,
                                           &FontSlot::italic, &FontSlot::underline,
                                           &FontSlot::strikeout};
const int32_t FONT_NUMBER_LINES = sizeof FONT_NUMBERS / sizeof FONT_NUMBERS[0];

// A value not read keeps what it held; at the file's end, so does every
// value after it.
int32_t read_numbers(TextReader *reader, int32_t *values, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        if (!read_setting_number(reader, &values[i], 0)) {
            return 0;
        }
    }
    return 1;
}

void write_number_line(FILE *file, const int32_t *values, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        fprintf(file, "%d\t", values[i]);
    }
    write_line_end(file);
}

// Line 2: each face name up to its TAB. A line end ends the names early,
// so that a line short of names does not swallow the numbers below it.
void read_face_names(TextReader *reader, DisplaySettings *settings)
{
    for (int32_t s = 0; s < FONT_SLOTS; ++s) {
        if (read_text(reader, settings->fonts[s].face, FACE_SIZE, 1) != TEXT_TAB) {
            return;
        }
    }
}

int32_t read_font_numbers(TextReader *reader, DisplaySettings *settings)
{
    for (int32_t line = 0; line < FONT_NUMBER_LINES; ++line) {
        for (int32_t s = 0; s < FONT_SLOTS; ++s) {
            if (!read_setting_number(reader, &(settings->fonts[s].*FONT_NUMBERS[line]), 0)) {
                return 0;
            }
        }
    }
    return 1;
}

}  // namespace

int32_t read_display_settings(const char *path, DisplaySettings *settings,
                              CustomColours *custom_colours)
{
    TextReader reader;
    if (!open_text_reader(&reader, path)) {
        return 0;
    }
    if (read_setting_number(&reader, &settings->board_style, 0)) {
        skip_line(&reader);
        read_face_names(&reader, settings);
        if (read_font_numbers(&reader, settings) &&
            read_numbers(&reader, settings->text_colours, FONT_SLOTS) &&
            read_numbers(&reader, settings->colours, DISPLAY_COLOURS) &&
            read_numbers(&reader, settings->column_widths, BOARD_COLUMNS)) {
            read_numbers(&reader, custom_colours->colours, CUSTOM_COLOURS);
        }
    }
    close_text_reader(&reader);
    // As the display dialog's width edit would hold them: a negative width
    // shown in its digits-only edit would read back as its largest value.
    for (int32_t &width : settings->column_widths) {
        width = std::clamp<int32_t>(width, 0, MAX_COLUMN_WIDTH);
    }
    return 1;
}

int32_t write_display_settings(const char *path, const DisplaySettings *settings,
                               const CustomColours *custom_colours)
{
    FILE *file = create_text_file(path);
    if (!file) {
        return 0;
    }
    write_number_line(file, &settings->board_style, 1);
    for (int32_t s = 0; s < FONT_SLOTS; ++s) {
        write_field(file, settings->fonts[s].face, FACE_SIZE);
        fputc('\t', file);
    }
    write_line_end(file);
    for (int32_t line = 0; line < FONT_NUMBER_LINES; ++line) {
        for (int32_t s = 0; s < FONT_SLOTS; ++s) {
            fprintf(file, "%d\t", settings->fonts[s].*FONT_NUMBERS[line]);
        }
        write_line_end(file);
    }
    write_number_line(file, settings->text_colours, FONT_SLOTS);
    write_number_line(file, settings->colours, DISPLAY_COLOURS);
    write_number_line(file, settings->column_widths, BOARD_COLUMNS);
    write_number_line(file, custom_colours->colours, CUSTOM_COLOURS);
    return close_text_file(file);
}
