// Cuts a fuzz input into reads of one size, as the port hands bytes over.
#ifndef FUZZ_READS_H
#define FUZZ_READS_H

#include <stddef.h>
#include <stdint.h>

// Calls feed(bytes, count) for each read of at most read_size bytes.
template <typename Feed>
void for_each_read(const unsigned char *bytes, size_t size, size_t read_size, Feed feed)
{
    for (size_t at = 0; at < size; at += read_size) {
        const size_t n = size - at < read_size ? size - at : read_size;
        feed(bytes + at, static_cast<int32_t>(n));
    }
}

#endif
