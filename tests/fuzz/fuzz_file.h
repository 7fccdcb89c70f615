// What the file-reader fuzz targets share: each input becomes the file that
// the reader opens, in a directory of the target's own, and every field the
// reader filled must still end within its size.
#ifndef FUZZ_FILE_H
#define FUZZ_FILE_H

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "../temp_dir.h"

// The input as the file the reader opens, in a directory of the target's
// own; the current directory comes back afterwards, since libFuzzer keeps
// its corpus and artifacts under relative paths.
class InputFile {
public:
    InputFile(const char *name, const uint8_t *data, size_t size)
        : home_(std::filesystem::current_path())
    {
        // Made once for the whole run and removed at its end; in memory when
        // the system has a tmpfs, for a file written at every input.
        static const bool in_memory = std::filesystem::is_directory("/dev/shm") &&
                                      setenv("TMPDIR", "/dev/shm", 0) == 0;
        (void)in_memory;
        static TempDir dir;
        std::filesystem::current_path(dir.path());
        static const bool has_private = std::filesystem::create_directory("Private");
        (void)has_private;
        write_file(name, std::string(reinterpret_cast<const char *>(data), size));
    }
    ~InputFile() { std::filesystem::current_path(home_); }
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

private:
    std::filesystem::path home_;
};

// The last byte of every text field stays a terminator.
inline void require_terminated(const char *field, size_t size)
{
    if (field[size - 1] != 0) {
        abort();
    }
}

#endif
