// The decoder's frames and the byte parsers of the stream, the reset-clock
// answer and the identify answer. Every parser works one byte at a time, so
// a frame may arrive in any number of reads.
#include "decoder_protocol.h"

#include <stdio.h>
#include <string.h>

const char DECODER_KIND_VQ1[] = "Zelquanodrim";
const char DECODER_KIND_VQ2_USB[] = "ZelquanodrimVQ2";
const char DECODER_KIND_VQ2_BLUETOOTH[] = "ZelquanodrimVQ2Bluetooth";

const unsigned char identify_request[REQUEST_LENGTH] = {0xFF, 0xFF, 0xFF, 0x01, 0x02};
const unsigned char reset_clock_request[REQUEST_LENGTH] = {0xFF, 0xFF, 0xFF, 0x02, 0x00};
const unsigned char keepalive_request[REQUEST_LENGTH] = {0xFF, 0xFF, 0xFF, 0xE0, 0x04};

int32_t g_stream_frame[VQ2_PASSING_LENGTH];
int32_t g_stream_count;
int32_t g_stream_ready;

int32_t g_reset_answer[RESET_ANSWER_LENGTH];
int32_t g_reset_answer_count;

namespace {

// Adds one byte to a frame that starts FF FF FF <type>; returns 1 when the
// frame holds all its bytes. Four bytes that are not a header lose their
// first one, so the next byte is tested with the three before it: garbage
// goes one byte at a time and FF FF FF FF F0 still starts a frame.
int32_t add_framed_byte(int32_t *frame, int32_t *count, int32_t byte, int32_t type,
                        int32_t length)
{
    // A count this frame cannot hold comes from a stream of another format
    // (the decoder kind changed under a half frame): start afresh.
    if (*count < 0 || *count >= length) {
        *count = 0;
    }
    frame[*count] = byte;
    *count += 1;
    if (*count == 4 &&
        !(frame[0] == 0xFF && frame[1] == 0xFF && frame[2] == 0xFF && frame[3] == type)) {
        frame[0] = frame[1];
        frame[1] = frame[2];
        frame[2] = frame[3];
        *count = 3;
    }
    return *count == length;
}

// Stores one byte of a VQ1 pair; returns 1 when the pair is complete.
int32_t add_pair_byte(int32_t *frame, int32_t *count, int32_t byte)
{
    // A half passing frame left by a VQ2 stream is no part of a pair.
    if (*count < 0 || *count >= VQ1_PASSING_LENGTH) {
        *count = 0;
    }
    frame[*count] = byte;
    *count += 1;
    return *count == VQ1_PASSING_LENGTH;
}

}  // namespace

int32_t passing_format(const char *decoder_kind)
{
    if (decoder_kind == 0) {
        return PASSING_FORMAT_NONE;
    }
    if (strcmp(decoder_kind, DECODER_KIND_VQ1) == 0) {
        return PASSING_FORMAT_VQ1;
    }
    if (strcmp(decoder_kind, DECODER_KIND_VQ2_USB) == 0 ||
        strcmp(decoder_kind, DECODER_KIND_VQ2_BLUETOOTH) == 0) {
        return PASSING_FORMAT_VQ2;
    }
    return PASSING_FORMAT_NONE;
}

int32_t add_passing_byte(int32_t *frame, int32_t *count, int32_t byte, int32_t format)
{
    if (format == PASSING_FORMAT_VQ1) {
        return add_pair_byte(frame, count, byte);
    }
    if (format == PASSING_FORMAT_VQ2) {
        return add_framed_byte(frame, count, byte, FRAME_PASSING, VQ2_PASSING_LENGTH);
    }
    return 0;
}

int32_t passing_transponder_number(const int32_t *frame, int32_t format)
{
    return format == PASSING_FORMAT_VQ1 ? frame[0] * 256 + frame[1] : frame[4] * 256 + frame[5];
}

void format_transponder(char *text, int32_t number)
{
    snprintf(text, TRANSPONDER_TEXT_SIZE, "%06d", static_cast<int>(number & 0xFFFF));
}

int32_t subsecond_ms(int32_t counter)
{
    // The counter runs 12000 steps in 256 ms from its origin at the whole second.
    return (counter - VQ2_SUBSECOND_ORIGIN) * 256 / 12000;
}

int32_t vq2_passing_ms(int32_t hours, int32_t minutes, int32_t seconds, int32_t counter)
{
    return hours * 3600000 + minutes * 60000 + seconds * 1000 + subsecond_ms(counter);
}

int32_t counter_elapsed_ms(int64_t start, int64_t now, int64_t frequency, int64_t *elapsed_ms)
{
    if (frequency <= 0) {
        return 0;
    }
    // Whole seconds and the remainder apart, so a long run cannot overflow
    // the multiplication; the sum equals (now - start) * 1000 / frequency.
    const int64_t ticks = now - start;
    *elapsed_ms = ticks / frequency * 1000 + ticks % frequency * 1000 / frequency;
    return 1;
}

void parse_stream_bytes(const unsigned char *bytes, int32_t count, const char *decoder_kind,
                        const PassingHandover *handover)
{
    const int32_t format = passing_format(decoder_kind);
    if (format == PASSING_FORMAT_NONE || bytes == 0) {
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        if (!add_passing_byte(g_stream_frame, &g_stream_count, bytes[i], format)) {
            continue;
        }
        DecoderPassing passing;
        format_transponder(passing.transponder, passing_transponder_number(g_stream_frame, format));
        passing.passing_ms = 0;
        passing.counter = 0;
        if (format == PASSING_FORMAT_VQ2) {
            passing.passing_ms = vq2_passing_ms(g_stream_frame[6], g_stream_frame[7],
                                                g_stream_frame[8],
                                                g_stream_frame[9] * 256 + g_stream_frame[10]);
        } else if (handover != 0 && handover->read_counter) {
            passing.counter = read_performance_counter();
        }
        // The passing is taken before the next byte: the parser is empty again
        // when the branch runs, whatever the branch does with it.
        g_stream_ready = 0;
        g_stream_count = 0;
        if (handover != 0 && handover->take_passing != 0) {
            handover->take_passing(&passing);
        }
    }
}

int32_t parse_reset_answer_bytes(const unsigned char *bytes, int32_t count)
{
    int32_t outcome = RESET_ANSWER_NONE;
    if (bytes == 0) {
        return outcome;
    }
    for (int32_t i = 0; i < count; ++i) {
        if (!add_framed_byte(g_reset_answer, &g_reset_answer_count, bytes[i], FRAME_RESET_CLOCK,
                             RESET_ANSWER_LENGTH)) {
            continue;
        }
        g_reset_answer_count = 0;
        if (g_reset_answer[4] == 0 && g_reset_answer[5] == 0 && g_reset_answer[6] == 0) {
            // The decoder's clock restarts here: a frame begun before belongs to the old time base.
            g_stream_count = 0;
            g_stream_ready = 0;
            outcome = RESET_ANSWER_ACCEPTED;
        } else if (outcome == RESET_ANSWER_NONE) {
            outcome = RESET_ANSWER_REFUSED;
        }
    }
    return outcome;
}

void start_identify_parser(IdentifyParser *parser)
{
    memset(parser, 0, sizeof *parser);
}

void parse_identify_bytes(IdentifyParser *parser, const unsigned char *bytes, int32_t count)
{
    if (bytes == 0) {
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        if (!add_framed_byte(parser->frame, &parser->count, bytes[i], FRAME_IDENTIFY,
                             IDENTIFY_ANSWER_LENGTH)) {
            continue;
        }
        parser->count = 0;
        const int32_t kind = parser->frame[4];
        if (kind == IDENTIFY_KIND_USB || kind == IDENTIFY_KIND_BLUETOOTH) {
            parser->kind = kind;
            parser->serial_number = parser->frame[5] * 256 + parser->frame[6];
        }
    }
}
