// File tests run in a fresh, empty current directory of their own, removed
// afterwards, so that they neither see nor leave the program's files. Works
// natively and under Wine (std::filesystem on both).
#ifndef TEMP_DIR_H
#define TEMP_DIR_H

#include <chrono>
#include <filesystem>
#include <stdio.h>
#include <string>
#include <system_error>
#include <vector>

class TempDir {
public:
    TempDir()
    {
        namespace fs = std::filesystem;
        previous_ = fs::current_path();
        // Tests run in parallel processes: create_directory is the one atomic
        // claim of a name, so try names until one is ours.
        auto seed = std::chrono::steady_clock::now().time_since_epoch().count();
        for (long n = 0;; ++n) {
            path_ = fs::temp_directory_path() /
                    ("racetimer-test-" + std::to_string(seed) + "-" + std::to_string(n));
            if (fs::create_directory(path_)) {
                break;
            }
        }
        fs::current_path(path_);
    }

    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Whole files as bytes, through the C library and its narrow (ANSI) names,
// as the program opens them.
inline void write_file(const char *name, const std::string &bytes)
{
    FILE *file = fopen(name, "wb");
    if (file) {
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
}

inline std::string read_file(const char *name)
{
    std::string bytes;
    FILE *file = fopen(name, "rb");
    if (file) {
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) {
            bytes.append(buffer, got);
        }
        fclose(file);
    }
    return bytes;
}

inline bool file_exists(const char *name)
{
    FILE *file = fopen(name, "rb");
    if (file) {
        fclose(file);
    }
    return file != nullptr;
}

// A line of values each followed by a TAB, ended by CR LF.
inline std::string tabbed_line(const std::vector<std::string> &values)
{
    std::string line;
    for (const std::string &value : values) {
        line += value + "\t";
    }
    return line + "\r\n";
}

// The names of the current directory's entries as the system stores them
// (UTF-16 on Windows), to see an accented name reach the disk.
inline bool directory_holds(const std::filesystem::path &name)
{
    for (const auto &entry : std::filesystem::directory_iterator(".")) {
        if (entry.path().filename() == name) {
            return true;
        }
    }
    return false;
}

// A Windows-1252 file name as the disk holds it: the same bytes natively,
// the UTF-16 name under Windows (where 0xE9 must have become U+00E9).
inline std::filesystem::path disk_name(const char *narrow, const wchar_t *wide)
{
#ifdef _WIN32
    (void)narrow;
    return std::filesystem::path(wide);
#else
    (void)wide;
    return std::filesystem::path(narrow);
#endif
}

#endif
