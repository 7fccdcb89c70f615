// The sound settings dialog opened as the menu command opens it, driven
// through its radios and check boxes, with RéglagesSons.rg checked byte for
// byte; then the command itself, with the main window reading the file again.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "race_fixture.h"
#include "sound_settings.h"
#include "window_ids.h"

namespace {

const char SOUND_FILE[] = "R\xE9glagesSons.rg";
const char READ_ERROR[] = "Erreur: impossible d'ouvrir le fichier r\xE9glages sons";
const char WRITE_ERROR[] = "Erreur: impossible d'ouvrir le fichier R\xE9glage Sons";

const int SWITCH_IDS[] = {IDC_SOUND_COUNTDOWN, IDC_SOUND_START, IDC_SOUND_PASSING,
                          IDC_SOUND_BEST_LAP,  IDC_SOUND_CLOCK, IDC_SOUND_RACE_END,
                          IDC_SOUND_CAR_END};

std::string sound_file(const std::vector<std::string> &keywords)
{
    std::string file;
    for (const std::string &k : keywords)
        file += k + "\r\n";
    return file;
}

const std::vector<std::string> MIXED = {
    SOUND_LANGUAGE_ENGLISH, SOUND_COUNTDOWN_ON,  SOUND_START_OFF,    SOUND_PASSING_ON,
    SOUND_BEST_LAP_OFF,     SOUND_CLOCK_ON,      SOUND_RACE_END_OFF, SOUND_CAR_END_ON,
};

// The radios and boxes checked, in identifier order.
std::vector<int> checked_controls(HWND dialog)
{
    std::vector<int> ids;
    for (int id = IDC_SOUND_ENGLISH; id <= IDC_SOUND_CAR_END; id++)
        if (DialogDriver::checked(dialog, id))
            ids.push_back(id);
    return ids;
}

class SoundSettingsDialog : public DialogTest {
protected:
    void open(DialogDriver::Script script)
    {
        DialogTest::open(sound_settings_dialog_proc, open_sound_settings_dialog,
                         std::move(script));
    }
};

TEST_F(SoundSettingsDialog, OpensWithTheFileStateAndOkWritesItBackUnchanged)
{
    const std::string file = sound_file(MIXED);
    write_file(SOUND_FILE, file);
    open([](HWND dialog) {
        EXPECT_EQ(checked_controls(dialog),
                  (std::vector<int>{IDC_SOUND_ENGLISH, IDC_SOUND_COUNTDOWN, IDC_SOUND_PASSING,
                                    IDC_SOUND_CLOCK, IDC_SOUND_CAR_END}));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(read_file(SOUND_FILE), file);
}

TEST_F(SoundSettingsDialog, ClicksAreWrittenAndABoxTickedThenUntickedIsOff)
{
    write_file(SOUND_FILE, sound_file(MIXED));
    open([](HWND dialog) {
        DialogDriver::click(dialog, IDC_SOUND_FRENCH);
        for (int id : SWITCH_IDS)
            DialogDriver::click(dialog, id);
        DialogDriver::click(dialog, IDC_SOUND_START);  // ticked above, unticked here
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(SOUND_FILE),
              sound_file({SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_OFF, SOUND_START_OFF,
                          SOUND_PASSING_OFF, SOUND_BEST_LAP_ON, SOUND_CLOCK_OFF,
                          SOUND_RACE_END_ON, SOUND_CAR_END_OFF}));
}

TEST_F(SoundSettingsDialog, EchapTheCloseBoxAndEscapeWriteNothingAndTheClicksAreForgotten)
{
    const std::string file = sound_file(MIXED);
    write_file(SOUND_FILE, file);
    const auto &ways = DialogDriver::ways_out_without_ok();
    for (size_t way = 0; way < ways.size(); way++) {
        open([&](HWND dialog) {
            DialogDriver::click(dialog, IDC_SOUND_FRENCH);
            DialogDriver::click(dialog, IDC_SOUND_START);
            ways[way](dialog);
        });
        EXPECT_EQ(read_file(SOUND_FILE), file) << "way " << way;
    }
    // The next opening shows the file again, not the clicks; without the
    // file, nothing of the last one.
    open([](HWND dialog) {
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_SOUND_ENGLISH));
        EXPECT_FALSE(DialogDriver::checked(dialog, IDC_SOUND_START));
        DialogDriver::command(dialog, IDCANCEL);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
    ASSERT_TRUE(DeleteFileA(SOUND_FILE));
    open([](HWND dialog) {
        EXPECT_EQ(checked_controls(dialog), (std::vector<int>{IDC_SOUND_FRENCH}));
        DialogDriver::command(dialog, IDCANCEL);
    });
}

// A word that is no keyword shows French or off, and Ok writes what is
// shown; without a file, never an empty line that would shift the others.
TEST_F(SoundSettingsDialog, UnknownWordsAndAMissingFileWriteTheChoicesShown)
{
    write_file(SOUND_FILE, "SONLANGUEKlingon\r\nSONDECOMPTEoui\r\nSONDEPARTmaybe\r\n");
    open([](HWND dialog) {
        EXPECT_EQ(checked_controls(dialog),
                  (std::vector<int>{IDC_SOUND_FRENCH, IDC_SOUND_COUNTDOWN}));
        DialogDriver::command(dialog, IDOK);
    });
    const std::string all_off =
        sound_file({SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_ON, SOUND_START_OFF,
                    SOUND_PASSING_OFF, SOUND_BEST_LAP_OFF, SOUND_CLOCK_OFF, SOUND_RACE_END_OFF,
                    SOUND_CAR_END_OFF});
    EXPECT_EQ(read_file(SOUND_FILE), all_off);
    EXPECT_TRUE(boxes_.boxes().empty());

    ASSERT_TRUE(DeleteFileA(SOUND_FILE));
    open([](HWND dialog) {
        EXPECT_EQ(checked_controls(dialog), (std::vector<int>{IDC_SOUND_FRENCH}));
        DialogDriver::click(dialog, IDC_SOUND_COUNTDOWN);
        DialogDriver::command(dialog, IDOK);
    });
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].text, READ_ERROR);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Erreur");
    EXPECT_FALSE(boxes_.boxes()[0].hand_icon);
    EXPECT_EQ(read_file(SOUND_FILE), all_off);
}

TEST_F(SoundSettingsDialog, AFileThatCannotBeWrittenIsToldAndTheDialogStillCloses)
{
    ASSERT_TRUE(CreateDirectoryA(SOUND_FILE, 0));
    open([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{READ_ERROR, WRITE_ERROR}));
}

// One normal font for the buttons, radios and boxes, one bold font for the
// title and the three frames; neither outlives the dialog.
TEST_F(SoundSettingsDialog, EveryControlHasItsArialFontAndBothGoWhateverTheWayOut)
{
    write_file(SOUND_FILE, sound_file(MIXED));
    const int plain_ids[] = {IDOK, IDCANCEL, IDC_SOUND_ENGLISH, IDC_SOUND_FRENCH,
                             IDC_SOUND_COUNTDOWN, IDC_SOUND_START, IDC_SOUND_PASSING,
                             IDC_SOUND_BEST_LAP, IDC_SOUND_CLOCK, IDC_SOUND_RACE_END,
                             IDC_SOUND_CAR_END};
    const int bold_ids[] = {IDC_SOUND_TITLE, IDC_SOUND_RACE_START_GROUP, IDC_SOUND_RACE_GROUP,
                            IDC_SOUND_RACE_END_GROUP};
    std::vector<std::function<void(HWND)>> ways = DialogDriver::ways_out_without_ok();
    ways.push_back([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    ways.push_back([](HWND dialog) { DialogDriver::command(dialog, 4242); });
    for (size_t way = 0; way < ways.size(); way++) {
        HFONT fonts[2] = {0, 0};
        open([&](HWND dialog) {
            fonts[0] = DialogDriver::font_handle(dialog, IDOK);
            fonts[1] = DialogDriver::font_handle(dialog, IDC_SOUND_TITLE);
            for (int id : plain_ids)
                EXPECT_EQ(DialogDriver::font_handle(dialog, id), fonts[0]) << id;
            for (int id : bold_ids)
                EXPECT_EQ(DialogDriver::font_handle(dialog, id), fonts[1]) << id;
            EXPECT_EQ(DialogDriver::font(dialog, IDOK), "Arial 16 0");
            EXPECT_EQ(DialogDriver::font(dialog, IDC_SOUND_TITLE), "Arial 16 700");
            ways[way](dialog);
        });
        EXPECT_EQ(GetObjectType(fonts[0]), 0u) << "way " << way;
        EXPECT_EQ(GetObjectType(fonts[1]), 0u) << "way " << way;
    }
}

// The command: the main window's settings follow the file after the dialog.
class SoundSettingsCommand : public RaceWindow {
protected:
    void run(DialogDriver::Script script)
    {
        drive_dialog(
            sound_settings_dialog_proc,
            [&] { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDM_SOUND_SETTINGS, 0), 0); },
            std::move(script));
    }
};

TEST_F(SoundSettingsCommand, TheWindowReadsTheFileAgainAfterOkAndAfterEchap)
{
    create_window();
    ASSERT_STREQ(g_sound_language, SOUND_LANGUAGE_FRENCH);
    ASSERT_STREQ(g_sound_passing, SOUND_PASSING_ON);
    run([](HWND dialog) {
        DialogDriver::click(dialog, IDC_SOUND_ENGLISH);
        DialogDriver::click(dialog, IDC_SOUND_PASSING);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_STREQ(g_sound_language, SOUND_LANGUAGE_ENGLISH);
    EXPECT_STREQ(g_sound_passing, SOUND_PASSING_OFF);

    // Echap: the window reads the file again, here changed behind its back.
    write_file(SOUND_FILE, sound_file(MIXED));
    run([](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); });
    EXPECT_STREQ(g_sound_start, SOUND_START_OFF);
    EXPECT_STREQ(g_sound_car_end, SOUND_CAR_END_ON);
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(SoundSettingsCommand, AFileGoneAfterTheDialogIsToldWithTheStopIconAndTheSettingsStay)
{
    create_window();
    ASSERT_TRUE(DeleteFileA(SOUND_FILE));
    run([](HWND dialog) {
        ASSERT_TRUE(CreateDirectoryA(SOUND_FILE, 0));  // Ok cannot write it either
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{READ_ERROR, WRITE_ERROR, READ_ERROR}));
    ASSERT_EQ(boxes_.boxes().size(), 3u);
    EXPECT_FALSE(boxes_.boxes()[1].hand_icon);
    EXPECT_TRUE(boxes_.boxes()[2].hand_icon);
    EXPECT_STREQ(g_sound_language, SOUND_LANGUAGE_FRENCH);
}

}  // namespace
