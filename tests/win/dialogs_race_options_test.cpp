// The race options dialog opened as the menu command opens it, driven
// through its radios and its protection edit, with OptionsCourse.race
// checked byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "race_options.h"

namespace {

const char OPTIONS_FILE[] = "OptionsCourse.race";
const char READ_ERROR[] = "Erreur: impossible d'ouvrir le fichier Options Courses";
const char WRITE_ERROR[] = "Erreur: impossible d'ouvrir le fichier Options course";

std::string options_file(const char *seconds, const char *ranking, const char *start,
                         const char *time_end, const char *lap_end)
{
    return std::string(seconds) + "\r\n" + ranking + "\r\n" + start + "\r\n" + time_end +
           "\r\n" + lap_end + "\r\n";
}

// The radios checked, in identifier order.
std::vector<int> checked_radios(HWND dialog)
{
    std::vector<int> ids;
    for (int id = IDC_OPTIONS_RANK_LAPS_TIME; id <= IDC_OPTIONS_LAP_END_ALL_LAPS; id++)
        if (id != IDC_OPTIONS_PROTECTION_TIME && DialogDriver::checked(dialog, id))
            ids.push_back(id);
    return ids;
}

// Whether the three end types that a staggered start excludes are usable.
std::vector<bool> excluded_enabled(HWND dialog)
{
    return {DialogDriver::enabled(dialog, IDC_OPTIONS_TIME_END_SIGNAL),
            DialogDriver::enabled(dialog, IDC_OPTIONS_LAP_END_SIGNAL),
            DialogDriver::enabled(dialog, IDC_OPTIONS_LAP_END_FINISH_LAP)};
}

class RaceOptionsDialog : public DialogTest {
protected:
    void SetUp() override
    {
        // Each test is a first opening in a run of the program.
        g_options_dialog_protection_seconds = 0;
        memset(g_options_dialog_ranking_key, 0, sizeof g_options_dialog_ranking_key);
        memset(g_options_dialog_start_mode, 0, sizeof g_options_dialog_start_mode);
        memset(g_options_dialog_time_end_mode, 0, sizeof g_options_dialog_time_end_mode);
        memset(g_options_dialog_lap_end_mode, 0, sizeof g_options_dialog_lap_end_mode);
    }

    void open(DialogDriver::Script script)
    {
        DialogTest::open(race_options_dialog_proc, open_race_options_dialog, std::move(script));
    }
};

TEST_F(RaceOptionsDialog, OpensWithTheFileChoicesAndOkWritesThemBack)
{
    const std::string file = options_file("7", RANKING_LAPS_THEN_TIME, START_FIRST_CAR,
                                          TIME_END_SIGNAL, LAP_END_FINISH_LAP);
    write_file(OPTIONS_FILE, file);
    open([](HWND dialog) {
        EXPECT_EQ(checked_radios(dialog),
                  (std::vector<int>{IDC_OPTIONS_RANK_LAPS_TIME, IDC_OPTIONS_START_FIRST_CAR,
                                    IDC_OPTIONS_TIME_END_SIGNAL,
                                    IDC_OPTIONS_LAP_END_FINISH_LAP}));
        EXPECT_EQ(excluded_enabled(dialog), (std::vector<bool>{true, true, true}));
        EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), "7");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(read_file(OPTIONS_FILE), file);
}

TEST_F(RaceOptionsDialog, ClickedRadiosAndTypedSecondsAreWritten)
{
    write_file(OPTIONS_FILE, options_file("7", RANKING_LAPS_THEN_TIME, START_FIRST_CAR,
                                          TIME_END_SIGNAL, LAP_END_FINISH_LAP));
    open([](HWND dialog) {
        DialogDriver::click(dialog, IDC_OPTIONS_RANK_BEST_LAP);
        DialogDriver::click(dialog, IDC_OPTIONS_START_SIGNAL);
        DialogDriver::click(dialog, IDC_OPTIONS_TIME_END_FINISH_LAP);
        DialogDriver::click(dialog, IDC_OPTIONS_LAP_END_SIGNAL);
        DialogDriver::set_text(dialog, IDC_OPTIONS_PROTECTION_TIME, "");
        DialogDriver::type(dialog, IDC_OPTIONS_PROTECTION_TIME, "12");
        EXPECT_EQ(checked_radios(dialog),
                  (std::vector<int>{IDC_OPTIONS_RANK_BEST_LAP, IDC_OPTIONS_START_SIGNAL,
                                    IDC_OPTIONS_TIME_END_FINISH_LAP,
                                    IDC_OPTIONS_LAP_END_SIGNAL}));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(OPTIONS_FILE), options_file("12", RANKING_BEST_LAP, START_SOUND_SIGNAL,
                                                    TIME_END_FINISH_LAP, LAP_END_SIGNAL));
}

TEST_F(RaceOptionsDialog, StaggeredStartForcesTheEndTypesUntilAnotherStartIsChosen)
{
    write_file(OPTIONS_FILE, options_file("3", RANKING_LAPS_THEN_TIME, START_SOUND_SIGNAL,
                                          TIME_END_SIGNAL, LAP_END_FINISH_LAP));
    open([](HWND dialog) {
        DialogDriver::click(dialog, IDC_OPTIONS_START_STAGGERED);
        EXPECT_EQ(checked_radios(dialog),
                  (std::vector<int>{IDC_OPTIONS_RANK_LAPS_TIME, IDC_OPTIONS_START_STAGGERED,
                                    IDC_OPTIONS_TIME_END_FINISH_LAP,
                                    IDC_OPTIONS_LAP_END_ALL_LAPS}));
        EXPECT_EQ(excluded_enabled(dialog), (std::vector<bool>{false, false, false}));
        EXPECT_STREQ(g_options_dialog_time_end_mode, TIME_END_FINISH_LAP);
        EXPECT_STREQ(g_options_dialog_lap_end_mode, LAP_END_ALL_LAPS);

        // Either other start unlocks them; the forced end types stay chosen.
        DialogDriver::click(dialog, IDC_OPTIONS_START_FIRST_CAR);
        EXPECT_EQ(excluded_enabled(dialog), (std::vector<bool>{true, true, true}));
        DialogDriver::click(dialog, IDC_OPTIONS_START_STAGGERED);
        DialogDriver::click(dialog, IDC_OPTIONS_START_SIGNAL);
        EXPECT_EQ(checked_radios(dialog),
                  (std::vector<int>{IDC_OPTIONS_RANK_LAPS_TIME, IDC_OPTIONS_START_SIGNAL,
                                    IDC_OPTIONS_TIME_END_FINISH_LAP,
                                    IDC_OPTIONS_LAP_END_ALL_LAPS}));
        EXPECT_EQ(excluded_enabled(dialog), (std::vector<bool>{true, true, true}));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(OPTIONS_FILE), options_file("3", RANKING_LAPS_THEN_TIME,
                                                    START_SOUND_SIGNAL, TIME_END_FINISH_LAP,
                                                    LAP_END_ALL_LAPS));
}

TEST_F(RaceOptionsDialog, AStaggeredFileOpensWithThreeEndTypesDisabledAndItsOwnChecks)
{
    write_file(OPTIONS_FILE, options_file("4", RANKING_BEST_LAP, START_STAGGERED,
                                          TIME_END_SIGNAL, LAP_END_FINISH_LAP));
    open([](HWND dialog) {
        EXPECT_EQ(excluded_enabled(dialog), (std::vector<bool>{false, false, false}));
        EXPECT_EQ(checked_radios(dialog),
                  (std::vector<int>{IDC_OPTIONS_RANK_BEST_LAP, IDC_OPTIONS_START_STAGGERED,
                                    IDC_OPTIONS_TIME_END_SIGNAL,
                                    IDC_OPTIONS_LAP_END_FINISH_LAP}));
        DialogDriver::command(dialog, IDCANCEL);
    });
}

TEST_F(RaceOptionsDialog, ProtectionBelowTwoIsKeptAsTwoWhileTheEditShowsWhatWasTyped)
{
    write_file(OPTIONS_FILE, options_file("9", RANKING_LAPS_THEN_TIME, START_SOUND_SIGNAL,
                                          TIME_END_SIGNAL, LAP_END_SIGNAL));
    for (const char *typed : {"0", "1", ""}) {
        open([&](HWND dialog) {
            DialogDriver::set_text(dialog, IDC_OPTIONS_PROTECTION_TIME, "");
            DialogDriver::type(dialog, IDC_OPTIONS_PROTECTION_TIME, typed);
            EXPECT_EQ(g_options_dialog_protection_seconds, 2) << "'" << typed << "'";
            EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), typed);
            DialogDriver::command(dialog, IDOK);
        });
        EXPECT_EQ(read_file(OPTIONS_FILE).substr(0, 3), "2\r\n") << "'" << typed << "'";
    }
    // Three digits at most: 999 is the longest protection time.
    open([](HWND dialog) {
        DialogDriver::set_text(dialog, IDC_OPTIONS_PROTECTION_TIME, "");
        DialogDriver::type(dialog, IDC_OPTIONS_PROTECTION_TIME, "9999");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), "999");
        EXPECT_TRUE(DialogDriver::shows_whole(dialog, IDC_OPTIONS_PROTECTION_TIME));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(OPTIONS_FILE).substr(0, 5), "999\r\n");
}

// A protection the dialog would not store is held to 2..999 as the file is
// read, so that Ok without typing writes it so; the keywords after a bad one
// are read in their places.
TEST_F(RaceOptionsDialog, AFilesProtectionIsHeldToTheDialogsRangeAndTheKeywordsKept)
{
    const struct {
        const char *in_file, *shown;
    } cases[] = {{"-5", "2"}, {"1", "2"}, {"abc", "2"}, {"5000", "999"}};
    for (const auto &c : cases) {
        write_file(OPTIONS_FILE, options_file(c.in_file, RANKING_BEST_LAP, START_STAGGERED,
                                              TIME_END_FINISH_LAP, LAP_END_ALL_LAPS));
        open([&c](HWND dialog) {
            EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), c.shown);
            DialogDriver::command(dialog, IDOK);
        });
        EXPECT_EQ(read_file(OPTIONS_FILE), options_file(c.shown, RANKING_BEST_LAP,
                                                        START_STAGGERED, TIME_END_FINISH_LAP,
                                                        LAP_END_ALL_LAPS))
            << c.in_file;
    }
}

TEST_F(RaceOptionsDialog, EchapTheCloseBoxAndEscapeWriteNothingButTheCopyKeepsTheClicks)
{
    const std::string file = options_file("5", RANKING_LAPS_THEN_TIME, START_SOUND_SIGNAL,
                                          TIME_END_SIGNAL, LAP_END_SIGNAL);
    write_file(OPTIONS_FILE, file);
    const auto &ways = DialogDriver::ways_out_without_ok();
    for (size_t way = 0; way < ways.size(); way++) {
        open([&](HWND dialog) {
            DialogDriver::click(dialog, IDC_OPTIONS_RANK_BEST_LAP);
            ways[way](dialog);
        });
        EXPECT_EQ(read_file(OPTIONS_FILE), file) << "way " << way;
        EXPECT_STREQ(g_options_dialog_ranking_key, RANKING_BEST_LAP) << "way " << way;
    }
    EXPECT_TRUE(boxes_.boxes().empty());
}

// Without a file the dialog shows one choice in each group, and Ok writes
// those choices: never an empty line, which would shift every later value.
TEST_F(RaceOptionsDialog, AFirstOpeningWithoutAFileWritesTheChoicesShown)
{
    open([](HWND dialog) {
        EXPECT_EQ(checked_radios(dialog),
                  (std::vector<int>{IDC_OPTIONS_RANK_BEST_LAP, IDC_OPTIONS_START_SIGNAL,
                                    IDC_OPTIONS_TIME_END_FINISH_LAP,
                                    IDC_OPTIONS_LAP_END_ALL_LAPS}));
        EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), "0");
        DialogDriver::command(dialog, IDOK);
    });
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].text, READ_ERROR);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Erreur");
    EXPECT_FALSE(boxes_.boxes()[0].hand_icon);
    EXPECT_EQ(read_file(OPTIONS_FILE), options_file("2", RANKING_BEST_LAP, START_SOUND_SIGNAL,
                                                    TIME_END_FINISH_LAP, LAP_END_ALL_LAPS));
}

TEST_F(RaceOptionsDialog, AFileThatCannotBeWrittenIsToldAndTheDialogStillCloses)
{
    ASSERT_TRUE(CreateDirectoryA(OPTIONS_FILE, 0));
    open([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{READ_ERROR, WRITE_ERROR}));
}

TEST_F(RaceOptionsDialog, FontsAreNormalAndBoldArial16AndAreDeletedOnEveryWayOut)
{
    write_file(OPTIONS_FILE, options_file("5", RANKING_LAPS_THEN_TIME, START_SOUND_SIGNAL,
                                          TIME_END_SIGNAL, LAP_END_SIGNAL));
    const std::vector<std::function<void(HWND)>> ways = {
        [](HWND dialog) { DialogDriver::command(dialog, IDOK); },
        [](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); },
        [](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); },
        [](HWND dialog) { DialogDriver::command(dialog, 4242); },  // any other command
    };
    for (size_t way = 0; way < ways.size(); way++) {
        HFONT normal = 0;
        HFONT bold = 0;
        open([&](HWND dialog) {
            normal = DialogDriver::font_handle(dialog, IDC_OPTIONS_LAP_END_ALL_LAPS);
            bold = DialogDriver::font_handle(dialog, IDC_OPTIONS_END_GROUP);
            EXPECT_EQ(DialogDriver::font(dialog, IDC_OPTIONS_LAP_END_ALL_LAPS), "Arial 16 0");
            EXPECT_EQ(DialogDriver::font(dialog, IDC_OPTIONS_END_GROUP), "Arial 16 700");
            ways[way](dialog);
        });
        EXPECT_EQ(GetObjectType(normal), 0u) << "way " << way;
        EXPECT_EQ(GetObjectType(bold), 0u) << "way " << way;
    }
}

}  // namespace
