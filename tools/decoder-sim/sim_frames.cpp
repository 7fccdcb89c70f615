// Frames of the simulated decoder, built from the same constants the
// program parses them with.
#include "sim_frames.h"

#include <ctype.h>
#include <string.h>

#include "decoder_protocol.h"

int32_t subsecond_counter(int32_t ms)
{
    // The program reads (counter - origin) * 256 / 12000, truncated: round up
    // so that the reading gives back exactly these milliseconds.
    return VQ2_SUBSECOND_ORIGIN + (ms * 12000 + 255) / 256;
}

int32_t build_passing(unsigned char *out, SimKind kind, int32_t transponder, int32_t decoder_ms)
{
    if (kind == SIM_VQ1) {
        out[0] = static_cast<unsigned char>(transponder >> 8);
        out[1] = static_cast<unsigned char>(transponder);
        return VQ1_PASSING_LENGTH;
    }
    if (decoder_ms < 0) {
        decoder_ms = 0;
    }
    if (decoder_ms > SIM_TIME_MAX_MS) {
        decoder_ms = SIM_TIME_MAX_MS;
    }
    const int32_t counter = subsecond_counter(decoder_ms % 1000);
    const unsigned char frame[VQ2_PASSING_LENGTH] = {
        0xFF, 0xFF, 0xFF, FRAME_PASSING,
        static_cast<unsigned char>(transponder >> 8), static_cast<unsigned char>(transponder),
        static_cast<unsigned char>(decoder_ms / 3600000),
        static_cast<unsigned char>(decoder_ms / 60000 % 60),
        static_cast<unsigned char>(decoder_ms / 1000 % 60),
        static_cast<unsigned char>(counter >> 8), static_cast<unsigned char>(counter)};
    memcpy(out, frame, sizeof frame);
    return VQ2_PASSING_LENGTH;
}

int32_t build_identify_answer(unsigned char *out, int32_t kind_byte, int32_t serial_number)
{
    const unsigned char frame[IDENTIFY_ANSWER_LENGTH] = {
        0xFF, 0xFF, 0xFF, FRAME_IDENTIFY, static_cast<unsigned char>(kind_byte),
        static_cast<unsigned char>(serial_number >> 8), static_cast<unsigned char>(serial_number)};
    memcpy(out, frame, sizeof frame);
    return IDENTIFY_ANSWER_LENGTH;
}

int32_t build_reset_answer(unsigned char *out, int32_t decoder_ms)
{
    const unsigned char frame[RESET_ANSWER_LENGTH] = {
        0xFF, 0xFF, 0xFF, FRAME_RESET_CLOCK,
        static_cast<unsigned char>(decoder_ms / 3600000 % 256),
        static_cast<unsigned char>(decoder_ms / 60000 % 60),
        static_cast<unsigned char>(decoder_ms / 1000 % 60)};
    memcpy(out, frame, sizeof frame);
    return RESET_ANSWER_LENGTH;
}

void start_request_scanner(RequestScanner *scanner)
{
    memset(scanner, 0, sizeof *scanner);
}

SimRequest scan_request_byte(RequestScanner *scanner, unsigned char byte)
{
    scanner->window[scanner->count] = byte;
    scanner->count += 1;
    if (scanner->count < REQUEST_LENGTH) {
        return SIM_NO_REQUEST;
    }
    SimRequest request = SIM_NO_REQUEST;
    if (memcmp(scanner->window, identify_request, REQUEST_LENGTH) == 0) {
        request = SIM_IDENTIFY;
    } else if (memcmp(scanner->window, reset_clock_request, REQUEST_LENGTH) == 0) {
        request = SIM_RESET_CLOCK;
    } else if (memcmp(scanner->window, keepalive_request, REQUEST_LENGTH) == 0) {
        request = SIM_KEEPALIVE;
    }
    if (request != SIM_NO_REQUEST) {
        scanner->count = 0;
        return request;
    }
    memmove(scanner->window, scanner->window + 1, REQUEST_LENGTH - 1);
    scanner->count = REQUEST_LENGTH - 1;
    scanner->stray += 1;
    return SIM_NO_REQUEST;
}

namespace {

// Reads a run of digits (at most 9); returns the number of digits read.
int32_t read_digits(const char **text, int32_t *value)
{
    int32_t digits = 0;
    *value = 0;
    while (isdigit(static_cast<unsigned char>(**text)) && digits < 9) {
        *value = *value * 10 + (**text - '0');
        *text += 1;
        digits += 1;
    }
    return digits;
}

}  // namespace

int32_t parse_transponder(const char *text, int32_t *number)
{
    int32_t value = 0;
    if (read_digits(&text, &value) == 0 || *text != '\0' || value > 65535) {
        return 0;
    }
    *number = value;
    return 1;
}

int32_t parse_decoder_time(const char *text, int32_t *ms)
{
    int32_t fields[3];
    int32_t n = 0;
    for (;;) {
        if (n == 3 || read_digits(&text, &fields[n]) == 0) {
            return 0;
        }
        n += 1;
        if (*text != ':') {
            break;
        }
        text += 1;
    }
    int32_t fraction = 0;
    if (*text == '.') {
        text += 1;
        int32_t digits = read_digits(&text, &fraction);
        if (digits == 0 || digits > 3) {
            return 0;
        }
        for (; digits < 3; ++digits) {
            fraction *= 10;
        }
    }
    if (*text != '\0') {
        return 0;
    }
    int64_t total = 0;
    for (int32_t i = 0; i < n; ++i) {
        // Every field but the first is below 60.
        if (i > 0 && fields[i] >= 60) {
            return 0;
        }
        total = total * 60 + fields[i];
    }
    total = total * 1000 + fraction;
    if (total > SIM_TIME_MAX_MS) {
        return 0;
    }
    *ms = static_cast<int32_t>(total);
    return 1;
}

int32_t parse_scenario_line(const char *line, int32_t *transponder, int32_t *ms)
{
    char copy[128];
    size_t length = strcspn(line, "#\r\n");
    if (length >= sizeof copy) {
        return -1;
    }
    memcpy(copy, line, length);
    copy[length] = '\0';
    char *words[3];
    int32_t n = 0;
    for (char *word = strtok(copy, " \t"); word != 0; word = strtok(0, " \t")) {
        if (n == 3) {
            return -1;
        }
        words[n++] = word;
    }
    if (n == 0) {
        return 0;
    }
    if (n != 2 || !parse_transponder(words[0], transponder) || !parse_decoder_time(words[1], ms)) {
        return -1;
    }
    return 1;
}
