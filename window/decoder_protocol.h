// The decoder's byte protocol: the frames in both directions and the parsers
// that turn the decoder's stream into passings. Portable (no windows.h): the
// parsers are tested, sanitized and fuzzed natively.
#ifndef DECODER_PROTOCOL_H
#define DECODER_PROTOCOL_H

#include <stdint.h>

#include "race_model.h"

// ---------------------------------------------------------------------------
// Decoder kinds, as the interface settings file stores them. Always compared
// whole: "ZelquanodrimVQ2Bluetooth" is not "ZelquanodrimVQ2".

extern const char DECODER_KIND_VQ1[];            // "Zelquanodrim": bare pairs, no header
extern const char DECODER_KIND_VQ2_USB[];        // "ZelquanodrimVQ2"
extern const char DECODER_KIND_VQ2_BLUETOOTH[];  // "ZelquanodrimVQ2Bluetooth"

enum {
    DECODER_KIND_SIZE = 30,
    TRANSPONDER_TEXT_SIZE = 7,  // "%06d" and its NUL

    REQUEST_LENGTH = 5,
    IDENTIFY_ANSWER_LENGTH = 7,
    RESET_ANSWER_LENGTH = 7,
    VQ2_PASSING_LENGTH = 11,
    VQ1_PASSING_LENGTH = 2,

    // Fourth byte of a frame, after FF FF FF.
    FRAME_IDENTIFY = 0x01,
    FRAME_RESET_CLOCK = 0x02,
    FRAME_PASSING = 0xF0,

    IDENTIFY_NO_ANSWER = 0,
    IDENTIFY_KIND_USB = 0x02,
    IDENTIFY_KIND_BLUETOOTH = 0x12,
    IDENTIFY_WINDOW_MS = 1500,

    // The sub-second counter of a passing frame reads this at the whole second.
    VQ2_SUBSECOND_ORIGIN = 18661,

    // Every reader of the port takes at most this much at a time...
    COM_READ_MAX = 255,
    // ...into a buffer of this size.
    COM_READ_BUFFER = 256,
};

// Host to decoder, five bytes each, each written in one go.
extern const unsigned char identify_request[REQUEST_LENGTH];     // FF FF FF 01 02
extern const unsigned char reset_clock_request[REQUEST_LENGTH];  // FF FF FF 02 00
extern const unsigned char keepalive_request[REQUEST_LENGTH];    // FF FF FF E0 04

// ---------------------------------------------------------------------------
// Stream parser of the race, first-car and scan branches. Its state lives
// from tick to tick, so a frame cut between two reads is completed by the
// next one. Depart empties it (count and ready flag to 0), as does an
// accepted reset-clock answer.

extern int32_t g_stream_frame[VQ2_PASSING_LENGTH];  // received bytes, 0 to 255 each
extern int32_t g_stream_count;                      // bytes held, 0 to 11
// A completed passing not yet taken. Each passing is handed on as it
// completes, so this reads 0 between reads; the branches still empty it.
extern int32_t g_stream_ready;

// One passing, as the stream parser hands it to the branch that read it.
struct DecoderPassing {
    char transponder[TRANSPONDER_TEXT_SIZE];  // "%06d": "000000" to "065535"
    int32_t passing_ms;  // VQ2: decoder clock in ms (below 0 for a counter under its origin); VQ1: 0
    int64_t counter;     // VQ1: performance counter when the pair completed, if asked for; else 0
};

// The hand-over seam: the branch that reads the port passes its own table,
// so the race, the first-car wait and the scan each get their passings
// without the parser knowing any of them. Each passing is handed on at once,
// before the next byte is parsed; the parser's count and ready flag are
// already 0 by then, so the branch may empty them again harmlessly.
struct PassingHandover {
    void (*take_passing)(const DecoderPassing *passing);  // 0: passings are dropped
    int32_t read_counter;  // 1: VQ1 passings carry the counter (race, first car); 0: scan
};

// Feeds the bytes of one read, in order. A decoder kind that is none of the
// three (an empty field, a null pointer) makes every byte ignored.
void parse_stream_bytes(const unsigned char *bytes, int32_t count, const char *decoder_kind,
                        const PassingHandover *handover);

// The passing frames of a decoder kind, one byte at a time, for a parser
// that keeps its own frame and count (the pilot database dialog's).
enum {
    PASSING_FORMAT_NONE = 0,  // not one of the three kinds: every byte is ignored
    PASSING_FORMAT_VQ1 = 1,   // bare pairs
    PASSING_FORMAT_VQ2 = 2,   // 11-byte frames behind FF FF FF F0
};
int32_t passing_format(const char *decoder_kind);
// Adds one byte (0 to 255) to frame (11 int32) and count; returns 1 when it
// completes a passing, whose count the caller then empties. A VQ2 frame's
// header slides one byte at a time past anything that is not FF FF FF F0.
int32_t add_passing_byte(int32_t *frame, int32_t *count, int32_t byte, int32_t format);
// The transponder number of a completed passing.
int32_t passing_transponder_number(const int32_t *frame, int32_t format);

// ---------------------------------------------------------------------------
// Reset-clock answer parser of the countdown's synchronisation. Depart
// empties it; every completed answer empties it again.

extern int32_t g_reset_answer[RESET_ANSWER_LENGTH];
extern int32_t g_reset_answer_count;  // 0 to 7

enum {
    RESET_ANSWER_NONE = 0,      // no answer completed in this read
    RESET_ANSWER_ACCEPTED = 1,  // an answer read 00 00 00 (the stream parser is emptied too)
    RESET_ANSWER_REFUSED = 2,   // answers completed, none of them 00 00 00
};

// Feeds the bytes of one read, all of them, whatever answers they complete.
// On ACCEPTED the caller takes its time origin (decoder synced, counter
// origin); on ACCEPTED or REFUSED it clears its request-sent flag so that a
// refusal sends the request again at the next tick.
int32_t parse_reset_answer_bytes(const unsigned char *bytes, int32_t count);

// ---------------------------------------------------------------------------
// Identify answer parser, owned by one identification and started empty.

struct IdentifyParser {
    int32_t frame[IDENTIFY_ANSWER_LENGTH];
    int32_t count;          // 0 to 7
    int32_t kind;           // IDENTIFY_NO_ANSWER, IDENTIFY_KIND_USB or IDENTIFY_KIND_BLUETOOTH
    int32_t serial_number;  // Sh * 256 + Sl of the answer taken
};

void start_identify_parser(IdentifyParser *parser);
// A later valid answer in the same bytes replaces an earlier one; an answer
// of any other kind changes nothing.
void parse_identify_bytes(IdentifyParser *parser, const unsigned char *bytes, int32_t count);

// ---------------------------------------------------------------------------
// Conversions shared by every reader of the frames.

// Writes the number as six digits into 7 bytes.
void format_transponder(char *text, int32_t number);
// Milliseconds of a sub-second counter: 18661 gives 0, 65535 gives 999,
// a counter below the origin gives a negative value (truncated toward 0).
int32_t subsecond_ms(int32_t counter);
// The decoder time of a passing frame, in ms (all fields 0 to 255 and 0 to 65535).
int32_t vq2_passing_ms(int32_t hours, int32_t minutes, int32_t seconds, int32_t counter);
// Milliseconds between two performance counter readings, truncated.
// Returns 0 and leaves elapsed_ms alone when the frequency is not above 0.
int32_t counter_elapsed_ms(int64_t start, int64_t now, int64_t frequency, int64_t *elapsed_ms);

#endif
