// Files that cannot be opened: every reader returns 0 and changes nothing,
// every writer returns 0 and leaves a previous file as it was. And files of
// any bytes at all: every reader stays within every field.
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <random>
#include <string.h>
#include <string>
#include <vector>

#include "race_model.h"
#include "temp_dir.h"

namespace {

// Every buffer a reader may fill, in one block filled with a pattern, so
// that "nothing changed" is one comparison.
struct Targets {
    PilotRecord pilots[MAX_PILOTS];
    PilotRecord grid[GRID_SLOTS];
    char race_name[RACE_NAME_SIZE];
    char trailer[RACE_NAME_TRAILER_SIZE];
    char keys[8][32];
    int32_t numbers[5];
    DisplaySettings display;
    CustomColours custom;
    CarRecord cars[GRID_SLOTS];
    char ranking_key[RANKING_KEY_SIZE];
};

struct FileCase {
    const char *file;
    std::function<int32_t(Targets &)> read;
    std::function<int32_t(const Targets &)> write;
    // The sizes of the keyword buffers this reader fills, in `keys`.
    std::vector<int32_t> key_sizes = {};
};

const char DISPLAY_FILE[] = "Private/R\xE9glagesAffichage.rgsc";

int32_t write_pilots(const Targets &t)
{
    return write_pilot_database(t.pilots, 1);
}

std::vector<FileCase> file_cases()
{
    return {
        {"BaseDonn\xE9" "esNomPilotes.bd", [](Targets &t) { return read_pilot_names(t.pilots); }, write_pilots},
        {"BaseDonn\xE9" "esPuce.bd", [](Targets &t) { return read_pilot_transponders(t.pilots); },
         write_pilots},
        {"CompositionSerie.txt",
         [](Targets &t) { return read_grid_composition(t.grid, t.race_name, t.trailer); },
         [](const Targets &t) { return write_grid_composition(t.grid, "Race", t.pilots); }},
        {"DureeCourse.txt",
         [](Targets &t) {
             return read_race_length(t.keys[0], &t.numbers[0], &t.numbers[1], &t.numbers[2],
                                     &t.numbers[3]);
         },
         [](const Targets &) { return write_race_length(RACE_MODE_LAPS, 1, 2, 3, 4); },
         {RACE_MODE_SIZE}},
        {"OptionsCourse.race",
         [](Targets &t) {
             return read_race_options(&t.numbers[4], t.keys[0], t.keys[1], t.keys[2], t.keys[3]);
         },
         [](const Targets &) {
             return write_race_options(2, RANKING_BEST_LAP, START_FIRST_CAR, TIME_END_SIGNAL,
                                       LAP_END_SIGNAL);
         },
         {RANKING_KEY_SIZE, START_MODE_SIZE, TIME_END_MODE_SIZE, LAP_END_MODE_SIZE}},
        {"R\xE9glagesSons.rg",
         [](Targets &t) {
             return read_sound_settings(t.keys[0], t.keys[1], t.keys[2], t.keys[3], t.keys[4],
                                        t.keys[5], t.keys[6], t.keys[7]);
         },
         [](const Targets &) {
             return write_sound_settings(SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_ON,
                                         SOUND_START_ON, SOUND_PASSING_ON, SOUND_BEST_LAP_ON,
                                         SOUND_CLOCK_ON, SOUND_RACE_END_ON, SOUND_CAR_END_ON);
         },
         {SOUND_LANGUAGE_SIZE, SOUND_COUNTDOWN_SIZE, SOUND_START_SIZE, SOUND_PASSING_SIZE,
          SOUND_BEST_LAP_SIZE, SOUND_CLOCK_SIZE, SOUND_RACE_END_SIZE, SOUND_CAR_END_SIZE}},
        {DISPLAY_FILE,
         [](Targets &t) { return read_display_settings(DISPLAY_FILE, &t.display, &t.custom); },
         [](const Targets &t) { return write_display_settings(DISPLAY_FILE, &t.display, &t.custom); }},
        {"DetailResultats.res",
         [](Targets &t) { return read_detailed_results(t.cars, t.ranking_key); },
         [](const Targets &t) { return write_detailed_results(t.cars, RANKING_BEST_LAP); }},
    };
}

class FileFailures : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<Targets> before{new Targets};
    std::unique_ptr<Targets> targets{new Targets};

    void SetUp() override
    {
        std::filesystem::create_directory("Private");
        memset(before.get(), 0x3C, sizeof(Targets));
        for (CarRecord &car : before->cars) {
            car.laps = 2;
        }
        memcpy(targets.get(), before.get(), sizeof(Targets));
    }

    void expect_reader_changes_nothing(const FileCase &c)
    {
        EXPECT_EQ(0, c.read(*targets)) << c.file;
        EXPECT_EQ(0, memcmp(before.get(), targets.get(), sizeof(Targets))) << c.file;
    }
};

// From its last byte on, a field that started cleared holds only zeros.
bool ends_within(const char *field, size_t size, size_t room)
{
    for (size_t i = size - 1; i < room; ++i) {
        if (field[i] != 0) {
            return false;
        }
    }
    return true;
}

void expect_every_field_ends_within_its_size(const Targets &t, const FileCase &c)
{
    for (const PilotRecord &p : t.pilots) {
        EXPECT_TRUE(ends_within(p.name, sizeof p.name, sizeof p.name)) << c.file;
        EXPECT_TRUE(ends_within(p.transponder, sizeof p.transponder, sizeof p.transponder));
    }
    for (const PilotRecord &p : t.grid) {
        EXPECT_TRUE(ends_within(p.name, sizeof p.name, sizeof p.name)) << c.file;
        EXPECT_TRUE(ends_within(p.transponder, sizeof p.transponder, sizeof p.transponder));
    }
    EXPECT_TRUE(ends_within(t.race_name, sizeof t.race_name, sizeof t.race_name));
    EXPECT_TRUE(ends_within(t.trailer, sizeof t.trailer, sizeof t.trailer));
    for (size_t i = 0; i < c.key_sizes.size(); ++i) {
        EXPECT_TRUE(ends_within(t.keys[i], c.key_sizes[i], sizeof t.keys[i])) << c.file << i;
    }
    for (const FontSlot &font : t.display.fonts) {
        EXPECT_TRUE(ends_within(font.face, sizeof font.face, sizeof font.face)) << c.file;
    }
    for (const CarRecord &car : t.cars) {
        EXPECT_TRUE(ends_within(car.name, sizeof car.name, sizeof car.name)) << c.file;
        EXPECT_GE(car.laps, 0);
        EXPECT_LE(car.laps, MAX_LAPS);
    }
    EXPECT_TRUE(ends_within(t.ranking_key, sizeof t.ranking_key, sizeof t.ranking_key));
}

// A writer's file must stay as the test left it.
const char PREVIOUS_BYTES[] = "previous\r\nbytes\r\n";

}  // namespace

TEST_F(FileFailures, MissingFilesAreNotRead)
{
    for (const FileCase &c : file_cases()) {
        expect_reader_changes_nothing(c);
    }
}

TEST_F(FileFailures, AFolderInThePlaceOfTheFileIsNeitherReadNorWritten)
{
    for (const FileCase &c : file_cases()) {
        // The pilot database writer makes both its files: undo the other's.
        std::filesystem::remove(c.file);
        std::filesystem::create_directory(c.file);
        expect_reader_changes_nothing(c);
        EXPECT_EQ(0, c.write(*targets)) << c.file;
        EXPECT_TRUE(std::filesystem::is_directory(c.file)) << c.file;
    }
}

TEST_F(FileFailures, WithoutThePrivateFolderTheDisplaySettingsFail)
{
    std::filesystem::remove("Private");
    for (const FileCase &c : file_cases()) {
        if (strcmp(c.file, DISPLAY_FILE) == 0) {
            expect_reader_changes_nothing(c);
            EXPECT_EQ(0, c.write(*targets));
        }
    }
    EXPECT_FALSE(std::filesystem::exists("Private"));
}

// A read-only file cannot be opened for reading and writing: it counts as
// missing and is not rewritten. Root ignores the permission (natively, and
// under Wine run as root), so there the case proves nothing and is skipped.
TEST_F(FileFailures, ReadOnlyFilesCountAsMissingAndStayAsTheyWere)
{
    namespace fs = std::filesystem;
    const fs::perms write_bits =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    write_file("probe", PREVIOUS_BYTES);
    fs::permissions("probe", write_bits, fs::perm_options::remove);
    FILE *probe = fopen("probe", "r+b");
    fs::permissions("probe", fs::perms::owner_write, fs::perm_options::add);
    if (probe) {
        fclose(probe);
        GTEST_SKIP() << "this process may write read-only files (running as root)";
    }
    for (const FileCase &c : file_cases()) {
        write_file(c.file, PREVIOUS_BYTES);
        fs::permissions(c.file, write_bits, fs::perm_options::remove);
        expect_reader_changes_nothing(c);
        EXPECT_EQ(0, c.write(*targets)) << c.file;
        EXPECT_EQ(PREVIOUS_BYTES, read_file(c.file)) << c.file;
        fs::permissions(c.file, fs::perms::owner_write, fs::perm_options::add);
    }
}

// A full disk shows only when the file is closed: the writer must say so.
TEST_F(FileFailures, AWriteThatNeverReachesTheDiskFails)
{
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no full device here";
    }
    for (const FileCase &c : file_cases()) {
        std::filesystem::remove(c.file);
        std::filesystem::create_symlink("/dev/full", c.file);
        EXPECT_EQ(0, c.write(*targets)) << c.file;
    }
}

TEST_F(FileFailures, BinaryAndOverLongFilesStayWithinEveryField)
{
    std::mt19937 random(2024);
    std::string binary;
    for (int i = 0; i < 200000; ++i) {
        binary += static_cast<char>(random() % 256);
    }
    std::string blanks_free(100000, '\xFF');
    std::string tabs_only(100000, '\t');
    std::string digits = std::string(100000, '9') + "\r\n" + std::string(100000, '-');
    for (const std::string *bytes : {&binary, &blanks_free, &tabs_only, &digits}) {
        for (const FileCase &c : file_cases()) {
            memset(targets.get(), 0, sizeof(Targets));
            write_file(c.file, *bytes);
            EXPECT_EQ(1, c.read(*targets)) << c.file;
            expect_every_field_ends_within_its_size(*targets, c);
        }
    }
}
