// The starting grid file and the three settings files of a heat.
#include <gtest/gtest.h>
#include <limits.h>
#include <memory>
#include <string.h>
#include <string>

#include "race_model.h"
#include "temp_dir.h"

namespace {

const char GRID_FILE[] = "CompositionSerie.txt";
const char LENGTH_FILE[] = "DureeCourse.txt";
const char OPTIONS_FILE[] = "OptionsCourse.race";
const char SOUNDS_FILE[] = "R\xE9glagesSons.rg";

// The grid dialog's pilots and rows, at their exact sizes on the heap.
struct Grid {
    std::unique_ptr<PilotRecord[]> database{new PilotRecord[MAX_PILOTS]()};
    std::unique_ptr<PilotRecord[]> rows{new PilotRecord[GRID_SLOTS]()};
    std::unique_ptr<char[]> race_name{new char[RACE_NAME_SIZE]()};
    std::unique_ptr<char[]> trailer{new char[RACE_NAME_TRAILER_SIZE]()};

    Grid()
    {
        for (int i = 0; i < GRID_SLOTS; ++i) {
            strcpy(rows[i].name, "(NA)");
        }
    }
    int32_t read() { return read_grid_composition(rows.get(), race_name.get(), trailer.get()); }
};

void set_pilot(PilotRecord *record, const char *name, const char *transponder)
{
    strcpy(record->name, name);
    strcpy(record->transponder, transponder);
}

std::string empty_grid_lines(int count)
{
    std::string lines;
    for (int i = 0; i < count; ++i) {
        lines += "(NA)\t100000\r\n";
    }
    return lines;
}

// The race length fields, at the main window's sizes.
struct Length {
    std::unique_ptr<char[]> mode{new char[RACE_MODE_SIZE]()};
    int32_t hours = -1, minutes = -1, laps = -1, countdown = -1;
    int32_t read() { return read_race_length(mode.get(), &hours, &minutes, &laps, &countdown); }
    void expect(const char *m, int32_t h, int32_t min, int32_t l, int32_t c) const
    {
        EXPECT_STREQ(m, mode.get());
        EXPECT_EQ(h, hours);
        EXPECT_EQ(min, minutes);
        EXPECT_EQ(l, laps);
        EXPECT_EQ(c, countdown);
    }
};

struct Options {
    int32_t protection = -1;
    std::unique_ptr<char[]> ranking{new char[RANKING_KEY_SIZE]()};
    std::unique_ptr<char[]> start{new char[START_MODE_SIZE]()};
    std::unique_ptr<char[]> time_end{new char[TIME_END_MODE_SIZE]()};
    std::unique_ptr<char[]> lap_end{new char[LAP_END_MODE_SIZE]()};
    int32_t read()
    {
        return read_race_options(&protection, ranking.get(), start.get(), time_end.get(),
                                 lap_end.get());
    }
    void expect(int32_t p, const char *r, const char *s, const char *t, const char *l) const
    {
        EXPECT_EQ(p, protection);
        EXPECT_STREQ(r, ranking.get());
        EXPECT_STREQ(s, start.get());
        EXPECT_STREQ(t, time_end.get());
        EXPECT_STREQ(l, lap_end.get());
    }
};

struct Sounds {
    std::unique_ptr<char[]> keys[8] = {
        std::unique_ptr<char[]>(new char[SOUND_LANGUAGE_SIZE]()),
        std::unique_ptr<char[]>(new char[SOUND_COUNTDOWN_SIZE]()),
        std::unique_ptr<char[]>(new char[SOUND_START_SIZE]()),
        std::unique_ptr<char[]>(new char[SOUND_PASSING_SIZE]()),
        std::unique_ptr<char[]>(new char[SOUND_BEST_LAP_SIZE]()),
        std::unique_ptr<char[]>(new char[SOUND_CLOCK_SIZE]()),
        std::unique_ptr<char[]>(new char[SOUND_RACE_END_SIZE]()),
        std::unique_ptr<char[]>(new char[SOUND_CAR_END_SIZE]())};
    int32_t read()
    {
        return read_sound_settings(keys[0].get(), keys[1].get(), keys[2].get(), keys[3].get(),
                                   keys[4].get(), keys[5].get(), keys[6].get(), keys[7].get());
    }
};

const char SOUNDS_ON[] =
    "SONLANGUEAnglais\r\nSONDECOMPTEoui\r\nSONDEPARToui\r\nSONPASSAGEoui\r\n"
    "SONMEILLEURTOURoui\r\nSONHORLOGEoui\r\nSONFINCOURSEoui\r\nSONFINVOITUREoui\r\n";
const char *const SOUND_KEYS_ON[8] = {SOUND_LANGUAGE_ENGLISH, SOUND_COUNTDOWN_ON, SOUND_START_ON,
                                     SOUND_PASSING_ON,       SOUND_BEST_LAP_ON,  SOUND_CLOCK_ON,
                                     SOUND_RACE_END_ON,      SOUND_CAR_END_ON};

}  // namespace

// ---------------------------------------------------------------------------
// Starting grid

TEST(GridFile, WritesTheDatabaseTranspondersOfTheChosenNames)
{
    TempDir dir;
    Grid grid;
    set_pilot(&grid.database[0], "Alice", "001111");
    set_pilot(&grid.database[1], "Bob", "002222");
    set_pilot(&grid.database[2], "bob", "003333");
    // Searched through all 1000 records, the first of a name held twice taken.
    set_pilot(&grid.database[MAX_PILOTS - 2], "Alice", "008888");
    set_pilot(&grid.database[MAX_PILOTS - 1], "Zed", "009999");
    strcpy(grid.rows[0].name, "Bob");
    strcpy(grid.rows[1].name, "Zed");
    strcpy(grid.rows[2].name, "Deleted since");
    strcpy(grid.rows[3].name, "Bob");
    strcpy(grid.rows[19].name, "Alice");
    const std::string race = "Coupe d'\xE9t\xE9 " + std::string(42, '*');  // 54, the most it holds
    strcpy(grid.race_name.get(), race.c_str());
    EXPECT_EQ(1, write_grid_composition(grid.rows.get(), grid.race_name.get(),
                                        grid.database.get()));
    EXPECT_EQ("Bob\t002222\r\nZed\t009999\r\n" + empty_grid_lines(1) + "Bob\t002222\r\n" +
                  empty_grid_lines(15) + "Alice\t001111\r\n" + race + "\t000001\r\n",
              read_file(GRID_FILE));

    Grid back;
    EXPECT_EQ(1, back.read());
    EXPECT_STREQ("Bob", back.rows[0].name);
    EXPECT_STREQ("002222", back.rows[0].transponder);
    EXPECT_STREQ("(NA)", back.rows[2].name);
    EXPECT_STREQ("100000", back.rows[2].transponder);
    EXPECT_STREQ("Alice", back.rows[19].name);
    EXPECT_EQ(race, back.race_name.get());
    EXPECT_STREQ("000001", back.trailer.get());
}

TEST(GridFile, EmptyNamesMatchTheFirstEmptyRecordAndAnEmptyRaceNameReadsBack)
{
    TempDir dir;
    Grid grid;
    set_pilot(&grid.database[0], "Alice", "001111");
    set_pilot(&grid.database[1], "", "004444");
    set_pilot(&grid.database[2], "", "");
    grid.rows[5].name[0] = 0;
    EXPECT_EQ(1, write_grid_composition(grid.rows.get(), "", grid.database.get()));
    EXPECT_EQ(empty_grid_lines(5) + "\t004444\r\n" + empty_grid_lines(14) + "\t000001\r\n",
              read_file(GRID_FILE));
    Grid back;
    strcpy(back.race_name.get(), "old");
    EXPECT_EQ(1, back.read());
    EXPECT_STREQ("", back.rows[5].name);
    EXPECT_STREQ("", back.race_name.get());
    EXPECT_STREQ("000001", back.trailer.get());
}

TEST(GridFile, ReadsUpToWhereTheFileEnds)
{
    TempDir dir;
    write_file(GRID_FILE, "Alice\t001111\nBob\t0022");
    Grid grid;
    strcpy(grid.race_name.get(), "old");
    strcpy(grid.trailer.get(), "000009");
    strcpy(grid.rows[2].transponder, "003333");
    EXPECT_EQ(1, grid.read());
    EXPECT_STREQ("Alice", grid.rows[0].name);
    EXPECT_STREQ("001111", grid.rows[0].transponder);
    EXPECT_STREQ("0022", grid.rows[1].transponder);
    // Rows not reached are cleared, not "(NA)".
    EXPECT_STREQ("", grid.rows[2].name);
    EXPECT_STREQ("", grid.rows[2].transponder);
    EXPECT_STREQ("", grid.race_name.get());
    EXPECT_STREQ("", grid.trailer.get());
}

TEST(GridFile, EveryCutOfAFileReadsAsItsPrefix)
{
    TempDir dir;
    std::string full = "Alice\t001111\r\n" + empty_grid_lines(19) + "Coupe\t000001\r\n";
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        write_file(GRID_FILE, full.substr(0, cut));
        Grid grid;
        ASSERT_EQ(1, grid.read());
        std::string kept = full.substr(0, cut);
        // Every byte of name or transponder read stands where the file had it.
        std::string fields;
        for (char c : kept) {
            if (c != '\t' && c != '\r' && c != '\n') {
                fields += c;
            }
        }
        std::string read_fields;
        for (int i = 0; i < GRID_SLOTS; ++i) {
            read_fields += std::string(grid.rows[i].name) + grid.rows[i].transponder;
        }
        read_fields += std::string(grid.race_name.get()) + grid.trailer.get();
        EXPECT_EQ(fields, read_fields) << "cut at " << cut;
    }
}

TEST(GridFile, OverLongFieldsAreCutAndExtraLinesIgnored)
{
    TempDir dir;
    std::string text = std::string(100000, 'n') + "\t" + std::string(100000, '7') + "\r\n";
    text += "no tab here\r\n";
    text += "Tabs\tin\tthe transponder\r\n";
    text += empty_grid_lines(17);
    text += std::string(100, 'r') + "\t" + std::string(50, 't') + "\r\n";
    for (int i = 0; i < 5000; ++i) {
        text += "extra\textra\r\n";
    }
    write_file(GRID_FILE, text);
    Grid grid;
    EXPECT_EQ(1, grid.read());
    EXPECT_EQ(std::string(49, 'n'), grid.rows[0].name);
    EXPECT_STREQ("777777", grid.rows[0].transponder);
    EXPECT_STREQ("no tab here", grid.rows[1].name);
    EXPECT_STREQ("", grid.rows[1].transponder);
    EXPECT_STREQ("in\tthe", grid.rows[2].transponder);
    EXPECT_EQ(std::string(54, 'r'), grid.race_name.get());
    EXPECT_EQ(std::string(6, 't'), grid.trailer.get());
}

// ---------------------------------------------------------------------------
// Race length, race options, sounds

TEST(RaceLengthFile, WritesMinutesWithTwoDigitsAndReadsTheValuesInOrder)
{
    TempDir dir;
    EXPECT_EQ(1, write_race_length("MODECOURSETemps", 1, 5, 10, 30));
    EXPECT_EQ("MODECOURSETemps\r\n1\r\n05\r\n10\r\n30\r\n", read_file(LENGTH_FILE));
    Length length;
    EXPECT_EQ(1, length.read());
    length.expect("MODECOURSETemps", 1, 5, 10, 30);

    EXPECT_EQ(1, write_race_length("MODECOURSETours", 0, 45, 4999, 3600));
    EXPECT_EQ("MODECOURSETours\r\n0\r\n45\r\n4999\r\n3600\r\n", read_file(LENGTH_FILE));
    EXPECT_EQ(1, length.read());
    length.expect("MODECOURSETours", 0, 45, 4999, 3600);
    write_file(LENGTH_FILE, "MODECOURSETours\n 2\n5 \n-3\n+7");
    EXPECT_EQ(1, length.read());
    length.expect("MODECOURSETours", 2, 5, 1, 7);

    // Minutes come from two characters at most; the rest of their line is
    // not the laps.
    write_file(LENGTH_FILE, "MODECOURSETemps\n0\n123\n");
    Length minutes;
    minutes.laps = 8;
    minutes.countdown = 9;
    EXPECT_EQ(1, minutes.read());
    minutes.expect("MODECOURSETemps", 0, 12, 8, 9);
    // An empty mode reads back empty, and no value after it moves up.
    EXPECT_EQ(1, write_race_length("", 1, 5, 10, 30));
    EXPECT_EQ("\r\n1\r\n05\r\n10\r\n30\r\n", read_file(LENGTH_FILE));
    Length empty_mode;
    EXPECT_EQ(1, empty_mode.read());
    empty_mode.expect("", 1, 5, 10, 30);
}

// A value that is no number keeps what its field held and the others are
// read in their places; every value is held to what the race controls allow.
TEST(RaceLengthFile, ABadValueKeepsItsFieldAndValuesStayWithinTheControlsBounds)
{
    TempDir dir;
    const struct {
        std::string file;
        int32_t hours, minutes, laps, countdown;
    } cases[] = {
        {"MODECOURSETemps\r\nzero\r\n10\r\n20\r\n5\r\n", 7, 10, 20, 5},
        {"MODECOURSETemps\r\n2h\r\nxx\r\n-\r\n5s\r\n", 2, 8, 9, 5},
        // A stray byte after the minutes, or a missing line, costs no other value.
        {"MODECOURSETemps\r\n1\r\n10min\r\n20\r\n5\r\n", 1, 10, 20, 5},
        {std::string("MODECOURSETemps\r\n1\r\n10") + '\0' + "\r\n20\r\n5\r\n", 1, 10, 20, 5},
        {"MODECOURSETemps\r\n1\r\n\r\n20\r\n5\r\n", 1, 8, 20, 5},
        {"MODECOURSETemps\r\n-5\r\n-5\r\n0\r\n-5\r\n", 0, 0, 1, 0},
        {"MODECOURSETemps\r\n24\r\n60\r\n5000\r\n99999999999\r\n", 23, 59, 4999, 3600},
    };
    for (const auto &c : cases) {
        write_file(LENGTH_FILE, c.file);
        Length length;
        length.hours = 7;
        length.minutes = 8;
        length.laps = 9;
        length.countdown = 10;
        EXPECT_EQ(1, length.read());
        SCOPED_TRACE(testing::PrintToString(c.file));
        length.expect("MODECOURSETemps", c.hours, c.minutes, c.laps, c.countdown);
    }
}

TEST(RaceOptionsFile, WritesAndReadsTheFiveValues)
{
    TempDir dir;
    EXPECT_EQ(1, write_race_options(2, RANKING_LAPS_THEN_TIME, START_STAGGERED,
                                    TIME_END_FINISH_LAP, LAP_END_ALL_LAPS));
    EXPECT_EQ("2\r\nCLASSEMENTToursTemps\r\nDEPARTDecale\r\nFINTEMPSFinirTour\r\n"
              "FINTOURFaireTousLesTours\r\n",
              read_file(OPTIONS_FILE));
    Options options;
    EXPECT_EQ(1, options.read());
    options.expect(2, RANKING_LAPS_THEN_TIME, START_STAGGERED, TIME_END_FINISH_LAP,
                   LAP_END_ALL_LAPS);
}

TEST(RaceOptionsFile, BlanksAroundAValueAreSkippedAndAFileEndingEarlyLeavesTheRest)
{
    TempDir dir;
    write_file(OPTIONS_FILE, "  5 \t\r\nCLASSEMENTMeilleurTour   \n DEPARTPremiereVoiture\n"
                             "FINTEMPSSignalSonore\t\nFINTOURSignalSonore   ");
    Options options;
    EXPECT_EQ(1, options.read());
    options.expect(5, RANKING_BEST_LAP, START_FIRST_CAR, TIME_END_SIGNAL, LAP_END_SIGNAL);

    write_file(OPTIONS_FILE, "3\r\nCLASSEMENTToursTemps\r\nDEPARTSignalSonore");
    Options early;
    strcpy(early.time_end.get(), "keep");
    strcpy(early.lap_end.get(), "these");
    EXPECT_EQ(1, early.read());
    early.expect(3, RANKING_LAPS_THEN_TIME, START_SOUND_SIGNAL, "keep", "these");
}

// The protection is held to what the race options dialog stores: 2 to 999.
TEST(RaceOptionsFile, KeywordsAreCutToTheirBuffersAndTheProtectionHeldToTheDialogsRange)
{
    TempDir dir;
    // An empty ranking line reads back empty, every keyword after it in its place.
    EXPECT_EQ(1, write_race_options(-4, "", START_STAGGERED, TIME_END_SIGNAL, LAP_END_ALL_LAPS));
    Options options;
    EXPECT_EQ(1, options.read());
    options.expect(2, "", START_STAGGERED, TIME_END_SIGNAL, LAP_END_ALL_LAPS);

    write_file(OPTIONS_FILE, "99999999999999999999\n" + std::string(100000, 'K') + "\na\nb\nc");
    EXPECT_EQ(1, options.read());
    EXPECT_EQ(999, options.protection);
    EXPECT_EQ(std::string(RANKING_KEY_SIZE - 1, 'K'), options.ranking.get());
    EXPECT_STREQ("a", options.start.get());
    write_file(OPTIONS_FILE, "-99999999999999999999");
    EXPECT_EQ(1, options.read());
    EXPECT_EQ(2, options.protection);
    // Text where the number belongs keeps the protection held; the keywords
    // after it are read in their places.
    options.protection = 7;
    write_file(OPTIONS_FILE, "abc\nCLASSEMENTToursTemps\nDEPARTDecale");
    EXPECT_EQ(1, options.read());
    EXPECT_EQ(7, options.protection);
    EXPECT_STREQ(RANKING_LAPS_THEN_TIME, options.ranking.get());
    EXPECT_STREQ(START_STAGGERED, options.start.get());
}

TEST(SoundSettingsFile, WritesEightKeywordsUnderItsAccentedName)
{
    TempDir dir;
    EXPECT_EQ(1, write_sound_settings(SOUND_LANGUAGE_ENGLISH, SOUND_COUNTDOWN_ON, SOUND_START_ON,
                                      SOUND_PASSING_ON, SOUND_BEST_LAP_ON, SOUND_CLOCK_ON,
                                      SOUND_RACE_END_ON, SOUND_CAR_END_ON));
    EXPECT_EQ(SOUNDS_ON, read_file(SOUNDS_FILE));
    EXPECT_TRUE(directory_holds(disk_name(SOUNDS_FILE, L"R\u00E9glagesSons.rg")));

    EXPECT_EQ(1, write_sound_settings(SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_OFF,
                                      SOUND_START_OFF, SOUND_PASSING_OFF, SOUND_BEST_LAP_OFF,
                                      SOUND_CLOCK_OFF, SOUND_RACE_END_OFF, SOUND_CAR_END_OFF));
    Sounds sounds;
    EXPECT_EQ(1, sounds.read());
    const char *expected[8] = {SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_OFF, SOUND_START_OFF,
                               SOUND_PASSING_OFF,     SOUND_BEST_LAP_OFF,  SOUND_CLOCK_OFF,
                               SOUND_RACE_END_OFF,    SOUND_CAR_END_OFF};
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(expected[i], sounds.keys[i].get());
    }
}

TEST(SoundSettingsFile, LfLinesAndAMissingLastLineEnd)
{
    TempDir dir;
    write_file(SOUNDS_FILE, "SONLANGUEAnglais\nSONDECOMPTEoui\nSONDEPARToui\nSONPASSAGEoui\n"
                            "SONMEILLEURTOURoui\nSONHORLOGEoui\nSONFINCOURSEoui\nSONFINVOITUREoui");
    Sounds sounds;
    EXPECT_EQ(1, sounds.read());
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(SOUND_KEYS_ON[i], sounds.keys[i].get());
    }
}

TEST(SoundSettingsFile, AFileCutAnywhereKeepsTheKeywordsNotReached)
{
    TempDir dir;
    const std::string full = SOUNDS_ON;
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        write_file(SOUNDS_FILE, full.substr(0, cut));
        Sounds sounds;
        for (auto &key : sounds.keys) {
            strcpy(key.get(), "old");
        }
        ASSERT_EQ(1, sounds.read());
        bool reached = true;
        for (int i = 0; i < 8; ++i) {
            std::string key = sounds.keys[i].get();
            if (key == "old") {
                reached = false;
                continue;
            }
            // Read in file order: after a keyword not reached, none is.
            EXPECT_TRUE(reached) << "cut " << cut << " key " << i;
            EXPECT_EQ(0u, std::string(SOUND_KEYS_ON[i]).rfind(key, 0)) << "cut " << cut;
        }
    }
}
