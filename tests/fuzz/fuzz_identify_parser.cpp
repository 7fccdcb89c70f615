// Identify answer parser: no overrun, only the two known kinds taken, and
// the same answer however the bytes are cut into reads.
#include <stddef.h>
#include <stdint.h>

#include "decoder_protocol.h"
#include "fuzz_reads.h"

namespace {

IdentifyParser feed(const unsigned char *bytes, size_t size, size_t read_size)
{
    IdentifyParser parser;
    start_identify_parser(&parser);
    for_each_read(bytes, size, read_size, [&parser](const unsigned char *read, int32_t count) {
        parse_identify_bytes(&parser, read, count);
        if (parser.count < 0 || parser.count >= IDENTIFY_ANSWER_LENGTH ||
            (parser.kind != IDENTIFY_NO_ANSWER && parser.kind != IDENTIFY_KIND_USB &&
             parser.kind != IDENTIFY_KIND_BLUETOOTH) ||
            parser.serial_number < 0 || parser.serial_number > 65535) {
            __builtin_trap();
        }
    });
    return parser;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1) {
        return 0;
    }
    const size_t read_size = data[0] % COM_READ_MAX + 1;
    IdentifyParser whole = feed(data + 1, size - 1, size);
    IdentifyParser split = feed(data + 1, size - 1, read_size);
    if (whole.kind != split.kind || whole.serial_number != split.serial_number ||
        whole.count != split.count) {
        __builtin_trap();
    }
    return 0;
}
