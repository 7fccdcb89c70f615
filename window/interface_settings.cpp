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

// One whitespace-separated field as "%s" takes it, cut to the longest field
// of the file, with its leading number as "%d" would read it.
struct Word {
    char text[DECODER_KIND_SIZE];
    int32_t number;
    int32_t starts_with_number;
    int32_t is_number;  // the whole word is a number
};

// Reads the next word, skipping the blanks before it; returns the character
// after it. The text stays empty when the file ends first.
int read_word(FILE *file, int c, Word *word)
{
    memset(word, 0, sizeof *word);
    c = skip_blanks(file, c);
    int32_t n = 0;
    int negative = 0;
    int in_number = 1;
    int64_t value = 0;
    while (c != EOF && !is_blank(c)) {
        if (n < DECODER_KIND_SIZE - 1)
            word->text[n] = static_cast<char>(c);
        if (n == 0 && (c == '-' || c == '+')) {
            negative = c == '-';
        } else if (in_number && c >= '0' && c <= '9') {
            if (value <= INT32_MAX)
                value = value * 10 + (c - '0');
            word->starts_with_number = 1;
        } else {
            in_number = 0;
        }
        n++;
        c = fgetc(file);
    }
    word->is_number = word->starts_with_number && in_number;
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        value = INT32_MAX;
    if (value < INT32_MIN)
        value = INT32_MIN;
    word->number = static_cast<int32_t>(value);
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

    Word words[3];
    int c = fgetc(file);
    for (Word &word : words)
        c = read_word(file, c, &word);
    fclose(file);

    // A line written without a port ("\t0\tZelquanodrim") holds only the flag
    // and the kind; a port name is never a number.
    const Word *flag = &words[1];
    if (words[0].is_number && !words[2].text[0])
        flag = &words[0];
    else
        memcpy(port_name, words[0].text, strnlen(words[0].text, COM_PORT_NAME_SIZE - 1));
    if (flag->starts_with_number) {
        *connected = flag->number;
        memcpy(decoder_kind, flag[1].text, strnlen(flag[1].text, DECODER_KIND_SIZE - 1));
    }
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
