// Reading and writing RéglagesInterface2.rg: one line, port TAB connected
// TAB kind, CR LF.
#include "interface_settings.h"

#include <stdio.h>
#include <string.h>

const char INTERFACE_SETTINGS_FILE[] = "RéglagesInterface2.rg";

char g_com_port_name[COM_PORT_NAME_SIZE];
int32_t g_decoder_connected;
char g_decoder_kind[DECODER_KIND_SIZE];
int32_t g_interface_loaded;

namespace {

int is_blank(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

int skip_blanks(FILE *file, int c)
{
    while (c != EOF && is_blank(c))
        c = fgetc(file);
    return c;
}

// Reads a word into field (size bytes, already cleared), cutting what does not
// fit; returns the character after the word.
int read_word(FILE *file, int c, char *field, int32_t size)
{
    int32_t n = 0;
    while (c != EOF && !is_blank(c)) {
        if (n < size - 1)
            field[n++] = static_cast<char>(c);
        c = fgetc(file);
    }
    return c;
}

// Reads a signed decimal number, saturated to int32. Returns the character
// after it; *found is 0 when no digit came.
int read_number(FILE *file, int c, int32_t *value, int32_t *found)
{
    int negative = 0;
    int64_t n = 0;
    *found = 0;
    if (c == '-' || c == '+') {
        negative = c == '-';
        c = fgetc(file);
    }
    while (c >= '0' && c <= '9') {
        if (n <= INT32_MAX)
            n = n * 10 + (c - '0');
        *found = 1;
        c = fgetc(file);
    }
    if (negative)
        n = -n;
    if (n > INT32_MAX)
        n = INT32_MAX;
    if (n < INT32_MIN)
        n = INT32_MIN;
    *value = static_cast<int32_t>(n);
    return c;
}

}  // namespace

int32_t read_interface_settings(char *port_name, int32_t *connected, char *decoder_kind)
{
    FILE *file = fopen(INTERFACE_SETTINGS_FILE, "r+b");
    if (!file)
        return 0;
    memset(port_name, 0, COM_PORT_NAME_SIZE);
    memset(decoder_kind, 0, DECODER_KIND_SIZE);

    int c = read_word(file, fgetc(file), port_name, COM_PORT_NAME_SIZE);
    c = skip_blanks(file, c);
    int32_t value = 0;
    int32_t found = 0;
    c = read_number(file, c, &value, &found);
    if (found) {
        *connected = value;
        read_word(file, skip_blanks(file, c), decoder_kind, DECODER_KIND_SIZE);
    }
    fclose(file);
    return 1;
}

int32_t write_interface_settings(const char *port_name, int32_t connected,
                                 const char *decoder_kind)
{
    FILE *file = fopen(INTERFACE_SETTINGS_FILE, "w+b");
    if (!file)
        return 0;
    fprintf(file, "%s\t%d\t%s\r\n", port_name, static_cast<int>(connected), decoder_kind);
    return fclose(file) == 0;
}
