// Reset-clock answer parser: no overrun, and the same outcome however the
// bytes are cut into reads.
#include <stddef.h>
#include <stdint.h>

#include "decoder_protocol.h"
#include "fuzz_reads.h"

namespace {

// Whether any answer was accepted, any refused, and the count left.
struct Outcome {
    int32_t accepted;
    int32_t refused;
    int32_t count;
};

Outcome feed(const unsigned char *bytes, size_t size, size_t read_size)
{
    Outcome outcome = {0, 0, 0};
    g_reset_answer_count = 0;
    for_each_read(bytes, size, read_size, [&outcome](const unsigned char *read, int32_t count) {
        g_stream_count = 5;
        const int32_t result = parse_reset_answer_bytes(read, count);
        if (g_reset_answer_count < 0 || g_reset_answer_count >= RESET_ANSWER_LENGTH ||
            (result == RESET_ANSWER_ACCEPTED) != (g_stream_count == 0)) {
            __builtin_trap();
        }
        outcome.accepted |= result == RESET_ANSWER_ACCEPTED;
        outcome.refused |= result == RESET_ANSWER_REFUSED;
    });
    outcome.count = g_reset_answer_count;
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1) {
        return 0;
    }
    const size_t read_size = data[0] % COM_READ_MAX + 1;
    Outcome whole = feed(data + 1, size - 1, size);
    Outcome split = feed(data + 1, size - 1, read_size);
    // An acceptance outweighs a refusal in the same read, so refusals are
    // only compared where nothing was accepted.
    if (whole.accepted != split.accepted || whole.count != split.count ||
        (!whole.accepted && whole.refused != split.refused)) {
        __builtin_trap();
    }
    return 0;
}
