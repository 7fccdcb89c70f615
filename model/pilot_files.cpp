// The pilot database: names and transponders in two parallel files, line k
// for pilot k, and the alphabetical order the database is kept in.
#include <algorithm>
#include <stdio.h>
#include <string.h>

#include "race_model.h"
#include "text_files.h"

const char PILOT_NAMES_FILE[] = "BaseDonn\xE9" "esNomPilotes.bd";
const char PILOT_TRANSPONDERS_FILE[] = "BaseDonn\xE9" "esPuce.bd";

namespace {

void (*g_file_error_report)(const char *text);

const int32_t NAME_SIZE = sizeof(PilotRecord::name);
const int32_t TRANSPONDER_SIZE = sizeof(PilotRecord::transponder);

// One line per record into the name or the transponder field; lines beyond
// the last record are not read.
int32_t read_pilot_lines(const char *path, PilotRecord *pilots, int32_t names)
{
    TextReader reader;
    if (!open_text_reader(&reader, path)) {
        return 0;
    }
    for (int32_t i = 0; i < MAX_PILOTS && !at_file_end(&reader); ++i) {
        if (names) {
            read_text(&reader, pilots[i].name, NAME_SIZE, 0);
            drop_control_bytes(pilots[i].name);
        } else {
            read_text(&reader, pilots[i].transponder, TRANSPONDER_SIZE, 0);
        }
    }
    close_text_reader(&reader);
    return 1;
}

int32_t write_pilot_lines(const char *path, const PilotRecord *pilots, int32_t n,
                          int32_t names, const char *error_text)
{
    FILE *file = create_text_file(path);
    int32_t written = 0;
    if (file) {
        for (int32_t i = 0; i < n; ++i) {
            if (names) {
                write_field(file, pilots[i].name, NAME_SIZE);
            } else {
                write_field(file, pilots[i].transponder, TRANSPONDER_SIZE);
            }
            write_line_end(file);
        }
        written = close_text_file(file);
    }
    if (!written && g_file_error_report) {
        g_file_error_report(error_text);
    }
    return written;
}

// Whether path can be rewritten, found without truncating it: opening it to
// append creates a missing file and changes no byte of one that is there.
// *created says that the probe made the file.
int32_t can_rewrite(const char *path, int32_t *created)
{
    FILE *existing = fopen(path, "rb");
    if (existing) {
        fclose(existing);
    }
    FILE *file = fopen(path, "ab");
    if (!file) {
        return 0;
    }
    fclose(file);
    *created = existing == 0;
    return 1;
}

// Sort keys: the names with A to Z folded to a to z and nothing else changed,
// so accented capitals keep their own place after every ASCII letter.
char g_sort_keys[MAX_PILOTS][NAME_SIZE];
PilotRecord g_sort_copy[MAX_PILOTS];
int16_t g_sort_order[MAX_PILOTS];

int32_t compare_keys(const char *a, const char *b)
{
    for (int32_t i = 0; i < NAME_SIZE; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        if (ca == 0) {
            break;
        }
    }
    return 0;
}

// The order of taking the smallest key round after round: empty names after
// every other, and of equal keys the record at the higher index first.
bool sorts_before(int16_t a, int16_t b)
{
    int32_t a_empty = g_sort_keys[a][0] == 0;
    int32_t b_empty = g_sort_keys[b][0] == 0;
    if (a_empty != b_empty) {
        return b_empty;
    }
    int32_t order = compare_keys(g_sort_keys[a], g_sort_keys[b]);
    return order != 0 ? order < 0 : a > b;
}

}  // namespace

void set_file_error_report(void (*report)(const char *text))
{
    g_file_error_report = report;
}

int32_t read_pilot_names(PilotRecord *pilots)
{
    return read_pilot_lines(PILOT_NAMES_FILE, pilots, 1);
}

int32_t read_pilot_transponders(PilotRecord *pilots)
{
    return read_pilot_lines(PILOT_TRANSPONDERS_FILE, pilots, 0);
}

int32_t drop_control_bytes(char *text)
{
    int32_t kept = 0;
    for (const char *c = text; *c; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (byte >= ' ' && byte != 0x7F) {
            text[kept++] = *c;
        }
    }
    text[kept] = 0;
    return kept;
}

int32_t write_pilot_database(const PilotRecord *pilots, int32_t n)
{
    n = std::clamp<int32_t>(n, 0, MAX_PILOTS);
    // Line k of the transponders belongs to line k of the names: one file
    // rewritten without the other would give pilots other pilots' cars.
    int32_t names_created = 0;
    int32_t transponders_created = 0;
    const int32_t names_writable = can_rewrite(PILOT_NAMES_FILE, &names_created);
    const int32_t transponders_writable =
        can_rewrite(PILOT_TRANSPONDERS_FILE, &transponders_created);
    if (!names_writable || !transponders_writable) {
        if (names_created) {
            remove(PILOT_NAMES_FILE);
        }
        if (transponders_created) {
            remove(PILOT_TRANSPONDERS_FILE);
        }
        if (!names_writable && g_file_error_report) {
            g_file_error_report(PILOT_NAMES_FILE_ERROR_TEXT);
        }
        if (!transponders_writable && g_file_error_report) {
            g_file_error_report(PILOT_TRANSPONDERS_FILE_ERROR_TEXT);
        }
        return 0;
    }
    if (!write_pilot_lines(PILOT_NAMES_FILE, pilots, n, 1, PILOT_NAMES_FILE_ERROR_TEXT)) {
        return 0;
    }
    return write_pilot_lines(PILOT_TRANSPONDERS_FILE, pilots, n, 0,
                             PILOT_TRANSPONDERS_FILE_ERROR_TEXT);
}

// A selection sort over all 1000 records gives exactly this order, which is
// total (the index breaks every tie); sorting indices gets it in far fewer
// comparisons.
void sort_pilots_by_name(PilotRecord *pilots)
{
    for (int16_t i = 0; i < MAX_PILOTS; ++i) {
        g_sort_copy[i] = pilots[i];
        for (int32_t c = 0; c < NAME_SIZE; ++c) {
            char byte = pilots[i].name[c];
            g_sort_keys[i][c] = byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a')
                                                           : byte;
        }
        g_sort_order[i] = i;
    }
    std::sort(g_sort_order, g_sort_order + MAX_PILOTS, sorts_before);
    for (int32_t k = 0; k < MAX_PILOTS; ++k) {
        pilots[k] = g_sort_copy[g_sort_order[k]];
    }
}
