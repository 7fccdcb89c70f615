// Stream parser: no overrun whatever the bytes and the decoder kind, sane
// passings, and the same passings however the stream is cut into reads.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "decoder_protocol.h"
#include "fuzz_reads.h"

namespace {

const char *const k_kinds[] = {DECODER_KIND_VQ1, DECODER_KIND_VQ2_USB, DECODER_KIND_VQ2_BLUETOOTH,
                               ""};

enum { MAX_TAKEN = 4096 };

struct Taken {
    char transponder[TRANSPONDER_TEXT_SIZE];
    int32_t passing_ms;
};

Taken g_taken[MAX_TAKEN];
int32_t g_taken_count;

void take(const DecoderPassing *passing)
{
    if (strlen(passing->transponder) != 6 || strcmp(passing->transponder, "065535") > 0 ||
        passing->passing_ms < -398 || passing->counter != 0) {
        __builtin_trap();
    }
    if (g_taken_count < MAX_TAKEN) {
        memcpy(g_taken[g_taken_count].transponder, passing->transponder, TRANSPONDER_TEXT_SIZE);
        g_taken[g_taken_count].passing_ms = passing->passing_ms;
    }
    g_taken_count += 1;
}

const PassingHandover k_handover = {take, 0};

void start(void)
{
    g_stream_count = 0;
    g_stream_ready = 0;
    g_taken_count = 0;
}

// Feeds the bytes in reads of the given size, checking the state between reads.
void feed(const unsigned char *bytes, size_t size, size_t read_size, const char *kind)
{
    for_each_read(bytes, size, read_size, [kind](const unsigned char *read, int32_t count) {
        parse_stream_bytes(read, count, kind, &k_handover);
        if (g_stream_ready != 0 || g_stream_count < 0 || g_stream_count >= VQ2_PASSING_LENGTH) {
            __builtin_trap();
        }
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) {
        return 0;
    }
    const char *first_kind = k_kinds[data[0] & 3];
    const char *second_kind = k_kinds[(data[0] >> 2) & 3];
    const size_t read_size = data[1] % COM_READ_MAX + 1;
    const unsigned char *bytes = data + 2;
    size -= 2;

    if (first_kind != second_kind) {
        // The kind changes half-way, as after an interface reload: no overrun.
        start();
        feed(bytes, size / 2, read_size, first_kind);
        feed(bytes + size / 2, size - size / 2, read_size, second_kind);
        return 0;
    }

    start();
    feed(bytes, size, size == 0 ? 1 : size, first_kind);
    static Taken whole[MAX_TAKEN];
    const int32_t whole_count = g_taken_count;
    memcpy(whole, g_taken, sizeof whole);

    start();
    feed(bytes, size, read_size, first_kind);
    if (g_taken_count != whole_count ||
        memcmp(whole, g_taken, sizeof(Taken) * (whole_count < MAX_TAKEN ? whole_count : MAX_TAKEN))) {
        __builtin_trap();
    }
    return 0;
}
