// The shared text-file reader and the writers' opening and closing.
#include "text_files.h"

namespace {

const int32_t NO_BYTE = -1;

int32_t peek_byte(TextReader *reader)
{
    if (reader->position >= reader->length) {
        size_t got = fread(reader->buffer, 1, sizeof reader->buffer, reader->file);
        reader->length = static_cast<int32_t>(got);
        reader->position = 0;
        if (got == 0) {
            return NO_BYTE;
        }
    }
    return reader->buffer[reader->position];
}

int32_t next_byte(TextReader *reader)
{
    int32_t byte = peek_byte(reader);
    if (byte != NO_BYTE) {
        ++reader->position;
    }
    return byte;
}

int32_t is_blank(int32_t byte, int32_t within_line)
{
    if (byte == '\n') {
        return !within_line;
    }
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\v' || byte == '\f';
}

void skip_blanks(TextReader *reader, int32_t within_line)
{
    while (is_blank(peek_byte(reader), within_line)) {
        next_byte(reader);
    }
}

void skip_word(TextReader *reader)
{
    for (int32_t byte = peek_byte(reader); byte != NO_BYTE && !is_blank(byte, 0);
         byte = peek_byte(reader)) {
        next_byte(reader);
    }
}

}  // namespace

int32_t open_text_reader(TextReader *reader, const char *path)
{
    reader->file = fopen(path, "r+b");
    reader->length = 0;
    reader->position = 0;
    return reader->file != 0;
}

void close_text_reader(TextReader *reader)
{
    fclose(reader->file);
    reader->file = 0;
}

int32_t at_file_end(TextReader *reader)
{
    return peek_byte(reader) == NO_BYTE;
}

int32_t read_text(TextReader *reader, char *field, int32_t size, int32_t stop_at_tab)
{
    int32_t kept = 0;
    int32_t end = TEXT_FILE_END;
    for (;;) {
        int32_t byte = next_byte(reader);
        if (byte == NO_BYTE) {
            break;
        }
        if (byte == '\n') {
            end = TEXT_LINE_END;
            break;
        }
        if (byte == '\t' && stop_at_tab) {
            end = TEXT_TAB;
            break;
        }
        // A NUL kept in a field would cut it short wherever it is used.
        if (byte != '\r' && byte != 0 && kept < size - 1) {
            field[kept++] = static_cast<char>(byte);
        }
    }
    if (size > 0) {
        field[kept] = 0;
    }
    return end;
}

void skip_line(TextReader *reader)
{
    read_text(reader, 0, 0, 0);
}

int32_t read_number(TextReader *reader, int32_t *value, int32_t max_chars,
                    int32_t within_line)
{
    skip_blanks(reader, within_line);
    int32_t left = max_chars > 0 ? max_chars : INT32_MAX;
    int32_t negative = 0;
    int32_t byte = peek_byte(reader);
    if (byte == '+' || byte == '-') {
        negative = byte == '-';
        next_byte(reader);
        --left;
    }
    // Gathered as a magnitude one past INT32_MAX at most, so that the
    // negative limit is reachable and longer digit runs just stay there.
    const int64_t limit = static_cast<int64_t>(INT32_MAX) + 1;
    int64_t magnitude = 0;
    int32_t digits = 0;
    for (byte = peek_byte(reader); left > 0 && byte >= '0' && byte <= '9';
         byte = peek_byte(reader)) {
        next_byte(reader);
        --left;
        ++digits;
        magnitude = magnitude * 10 + (byte - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (negative) {
        *value = static_cast<int32_t>(-magnitude);
    } else {
        *value = magnitude > INT32_MAX ? INT32_MAX : static_cast<int32_t>(magnitude);
    }
    return 1;
}

int32_t read_setting_number(TextReader *reader, int32_t *value, int32_t max_chars)
{
    skip_blanks(reader, 0);
    if (at_file_end(reader)) {
        return 0;
    }
    // The digits a width-limited number leaves are the next value.
    if (!read_number(reader, value, max_chars, 0) || max_chars == 0) {
        skip_word(reader);
    }
    return 1;
}

int32_t read_line_word(TextReader *reader, char *field, int32_t size)
{
    if (at_file_end(reader)) {
        return 0;
    }
    skip_blanks(reader, 1);
    int32_t kept = 0;
    for (int32_t byte = peek_byte(reader); byte != NO_BYTE && !is_blank(byte, 0);
         byte = peek_byte(reader)) {
        next_byte(reader);
        if (kept < size - 1) {
            field[kept++] = static_cast<char>(byte);
        }
    }
    field[kept] = 0;
    skip_line(reader);
    return 1;
}

int32_t read_line_number(TextReader *reader, int32_t *value, int32_t max_chars)
{
    if (at_file_end(reader)) {
        return 0;
    }
    read_number(reader, value, max_chars, 1);
    skip_line(reader);
    return 1;
}

FILE *create_text_file(const char *path)
{
    return fopen(path, "w+b");
}

int32_t close_text_file(FILE *file)
{
    int32_t written = !ferror(file);
    if (fclose(file) != 0) {
        written = 0;
    }
    return written;
}

void write_field(FILE *file, const char *field, int32_t size)
{
    fprintf(file, "%.*s", size - 1, field);
}

void write_line_end(FILE *file)
{
    fputs("\r\n", file);
}
