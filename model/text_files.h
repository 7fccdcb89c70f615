// The one reader of the program's text files, shared by every file format,
// and the opening and closing that every writer does the same way.
// Private to the model: the formats themselves live in their own sources.
#ifndef TEXT_FILES_H
#define TEXT_FILES_H

#include <stdint.h>
#include <stdio.h>

// A file being read byte by byte through a buffer of its own, so that a
// reader costs one fread per 4 KB whatever the format does.
struct TextReader {
    FILE *file;
    int32_t length;
    int32_t position;
    unsigned char buffer[4096];
};

// What ended a piece of text.
enum TextEnd { TEXT_TAB, TEXT_LINE_END, TEXT_FILE_END };

// Opens for reading and writing ("r+b"): a file that cannot be opened so
// counts as missing. Returns 1 or 0.
int32_t open_text_reader(TextReader *reader, const char *path);
void close_text_reader(TextReader *reader);
int32_t at_file_end(TextReader *reader);

// Reads up to a line end (or a TAB when stop_at_tab), which it consumes.
// Keeps at most size - 1 bytes and a terminator in field, drops every CR and
// NUL; the rest of an over-long text is read and lost. Returns a TextEnd.
int32_t read_text(TextReader *reader, char *field, int32_t size, int32_t stop_at_tab);
void skip_line(TextReader *reader);

// The next decimal integer with an optional sign, from at most max_chars
// characters (0: any number of them); out-of-range values are held at the
// int32 limits. Blanks before it are skipped, line ends too unless
// within_line. Returns 0, value unchanged, when no number comes next.
int32_t read_number(TextReader *reader, int32_t *value, int32_t max_chars,
                    int32_t within_line);

// The next value of a settings file, read as read_number reads it across
// line ends. A word that holds no number is passed over and leaves value as
// it was, and so is what follows the digits of a number read whole, so that
// one bad value does not shift the values after it. Returns 0 only when the
// file holds no further word.
int32_t read_setting_number(TextReader *reader, int32_t *value, int32_t max_chars);

// The value of the next line of a file that holds one value per line: blanks
// before it are skipped and whatever follows it on its line is passed over,
// so that a stray byte spoils that value alone and a missing one shifts none
// of the next. Both return 0, changing nothing, at the file's end.
// A word is cut to size - 1 bytes and terminated; an empty line gives "".
int32_t read_line_word(TextReader *reader, char *field, int32_t size);
// A number as read_number reads it; a line without one leaves value as it was.
int32_t read_line_number(TextReader *reader, int32_t *value, int32_t max_chars);

// Creates or truncates for writing ("w+b"); 0 when it cannot. Opening fails
// before anything is truncated, so a file that cannot be rewritten keeps
// its previous bytes.
FILE *create_text_file(const char *path);
// Closes; 1 only when every byte written reached the file.
int32_t close_text_file(FILE *file);

// Writes at most size - 1 bytes of a fixed-size text field.
void write_field(FILE *file, const char *field, int32_t size);
// Every line the program writes ends with CR LF, on every system.
void write_line_end(FILE *file);

#endif
