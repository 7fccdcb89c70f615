// The main window's creation, destruction and closing: the data files it
// reads and writes, the boxes it shows, and the state its controls start in.
#include <gtest/gtest.h>

#include <string.h>

#include "resource_ids.h"
#include "run_state.h"
#include "window_fixture.h"
#include "window_ids.h"

namespace {

std::string item_text(HWND window, int id)
{
    char t[64] = "";
    GetDlgItemTextA(window, id, t, sizeof t);
    return t;
}

bool shown(HWND window, int id)
{
    return IsWindowVisible(GetDlgItem(window, id)) != 0;
}

TEST_F(MainWindowTest, EveryMissingFileAtCreationHasItsOwnBoxAndTheWindowRunsOn)
{
    ASSERT_TRUE(create_window());
    const std::vector<RecordedBox> &b = boxes_.boxes();
    ASSERT_EQ(b.size(), 6u);
    EXPECT_EQ(b[0].text, "Erreur: impossible d'ouvrir la base de donn\xE9" "es Pilotes");
    EXPECT_EQ(b[1].text, "Erreur: impossible d'ouvrir la base de donn\xE9" "es Transpondeurs");
    EXPECT_EQ(b[2].text, "Erreur: impossible d'ouvrir le fichier Dur\xE9" "e Course");
    EXPECT_EQ(b[3].text, "Erreur: impossible d'ouvrir le fichier Options Courses");
    EXPECT_EQ(b[4].text, "Erreur: impossible d'ouvrir le fichier r\xE9glages sons");
    EXPECT_EQ(b[5].text, "Erreur: impossible d'ouvrir le fichier R\xE9glage Affichage");
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(b[i].caption, "Erreur");
        EXPECT_FALSE(b[i].yes_no);
        EXPECT_EQ(b[i].hand_icon, i < 5) << i;
        EXPECT_EQ(b[i].owner, window_);
    }
    // Nothing was read: no race mode, so the race counts laps, and the laps
    // edit's 0 becomes 1.
    EXPECT_STREQ(g_text_race_length, "1 tours");
    EXPECT_STREQ(g_text_remaining, "");
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(MainWindowTest, RaceByTimeOrByLapsStartsWithItsLengthAndItsControls)
{
    write_all_files(test_display_settings(-16));
    ASSERT_TRUE(create_window());
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(item_text(window_, IDC_COUNTDOWN), "5");
    EXPECT_EQ(item_text(window_, IDC_HOURS), "1");
    EXPECT_EQ(item_text(window_, IDC_MINUTES), "05");
    EXPECT_EQ(item_text(window_, IDC_LAPS), "20");
    EXPECT_EQ(IsDlgButtonChecked(window_, IDC_RACE_BY_TIME), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(window_, IDC_RACE_BY_LAPS), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(window_, IDC_OWN_CHIPS), BST_CHECKED);
    EXPECT_EQ(g_own_chips_mode, 1);
    EXPECT_EQ(item_text(window_, IDC_SCAN_STATUS), " Off");

    ShowWindow(window_, SW_SHOW);
    EXPECT_TRUE(shown(window_, IDC_HOURS));
    EXPECT_TRUE(shown(window_, IDC_MINUTES_LABEL));
    EXPECT_FALSE(shown(window_, IDC_LAPS));
    EXPECT_FALSE(shown(window_, IDC_LAPS_LABEL));
    EXPECT_FALSE(shown(window_, IDC_SCAN));
    EXPECT_FALSE(shown(window_, IDC_SCAN_STATUS));

    EXPECT_STREQ(g_text_race_length, "1:05:00");
    EXPECT_STREQ(g_text_elapsed, "0:00:00");
    EXPECT_STREQ(g_text_remaining, "0:00:00");
    EXPECT_STREQ(g_text_countdown, "5s");
    EXPECT_EQ(g_program_folder, folder_);
    EXPECT_STREQ(g_pilot_records[1].name, "Bruno");
    EXPECT_STREQ(g_pilot_records[1].transponder, "000102");
    EXPECT_EQ(g_column_widths[1], 330);

    // By laps: the lap controls instead, and no remaining time.
    destroy_window();
    write_file("DureeCourse.txt", "MODECOURSETours\r\n1\r\n5\r\n25\r\n12\r\n");
    ASSERT_TRUE(create_window());
    ShowWindow(window_, SW_SHOW);
    EXPECT_EQ(IsDlgButtonChecked(window_, IDC_RACE_BY_LAPS), BST_CHECKED);
    EXPECT_EQ(item_text(window_, IDC_MINUTES), "05");
    for (int id : {IDC_HOURS, IDC_MINUTES, IDC_HOURS_LABEL, IDC_MINUTES_LABEL})
        EXPECT_FALSE(shown(window_, id)) << id;
    EXPECT_TRUE(shown(window_, IDC_LAPS));
    EXPECT_TRUE(shown(window_, IDC_LAPS_LABEL));
    EXPECT_STREQ(g_text_race_length, "25 tours");
    EXPECT_STREQ(g_text_remaining, "");
    EXPECT_STREQ(g_text_countdown, "12s");
}

// Each race button shows its own picture of the program's resources; the
// erased window shows the background colour of the display settings.
TEST_F(MainWindowTest, ControlsGetTheBoldArialAndTheirBitmapsAndTheWindowItsBackground)
{
    write_all_files(test_display_settings(-16));
    ASSERT_TRUE(create_window(true));
    const LRESULT font = reinterpret_cast<LRESULT>(g_control_font);
    for (int id : {IDC_START_LABEL, IDC_STOP_LABEL, IDC_CLEAR_LABEL, IDC_DURATION_GROUP,
                   IDC_CLOCK_GROUP, IDC_COUNTDOWN_GROUP, IDC_TRANSPONDER_MODE_GROUP, IDC_SCAN,
                   IDC_SCAN_STATUS, IDC_RACE_BY_TIME, IDC_RACE_BY_LAPS, IDC_HOURS, IDC_MINUTES,
                   IDC_LAPS, IDC_HOURS_LABEL, IDC_MINUTES_LABEL, IDC_LAPS_LABEL, IDC_COUNTDOWN,
                   IDC_COUNTDOWN_LABEL, IDC_CAR_1, IDC_CAR_20})
        EXPECT_EQ(SendDlgItemMessageA(window_, id, WM_GETFONT, 0, 0), font) << id;
    for (int id : {IDC_OWN_CHIPS, IDC_MIXED_SCAN, IDC_START, IDC_BUTTON_FRAME})
        EXPECT_NE(SendDlgItemMessageA(window_, id, WM_GETFONT, 0, 0), font) << id;
    LOGFONTA f;
    GetObjectA(g_control_font, sizeof f, &f);
    EXPECT_EQ(f.lfHeight, 16);
    EXPECT_EQ(f.lfWeight, 700);
    EXPECT_STREQ(f.lfFaceName, "Arial");

    for (auto button : {std::make_pair(IDC_START, IDB_START), std::make_pair(IDC_STOP, IDB_STOP),
                        std::make_pair(IDC_CLEAR, IDB_CLEAR)})
        EXPECT_EQ(picture(reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
                      window_, button.first, BM_GETIMAGE, IMAGE_BITMAP, 0))),
                  picture(button.second)) << button.first;

    HDC dc = GetDC(window_);
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_EQ(GetPixel(dc, client.right - 40, client.bottom - 10), RGB(210, 210, 210));
    ReleaseDC(window_, dc);
}

TEST_F(MainWindowTest, DestructionSavesSettingsLengthAndAnEmptyResultsFile)
{
    write_all_files(test_display_settings(-16));
    ASSERT_TRUE(create_window());
    set_up_cars(20);
    g_car_records[19].laps = 7;
    g_display_settings.column_widths[4] = 222;
    g_race_minutes = 7;
    strcpy(g_ranking_key, "CLASSEMENTMeilleurTour");
    DeleteFileA("DetailResultats.res");
    destroy_window();

    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(read_file("DureeCourse.txt"), "MODECOURSETemps\r\n1\r\n07\r\n20\r\n5\r\n");
    std::string results = "CLASSEMENTMeilleurTour\t\r\n";
    for (int i = 0; i < GRID_SLOTS; i++)
        results += "(NA)\t0\t\r\n";
    EXPECT_EQ(read_file("DetailResultats.res"), results);

    DisplaySettings saved;
    CustomColours custom;
    memset(&saved, 0, sizeof saved);
    ASSERT_TRUE(read_display_settings(DISPLAY_SETTINGS_FILE, &saved, &custom));
    EXPECT_EQ(saved.column_widths[4], 222);
    EXPECT_STREQ(saved.fonts[3].face, "Arial");
}

class MainWindowFiles : public MainWindowTest {
protected:
    // The files the window reads at creation and does not change by running.
    std::vector<std::string> files_left_as_read()
    {
        std::vector<std::string> bytes;
        for (const char *name : {"BaseDonn\xE9" "esNomPilotes.bd", "BaseDonn\xE9" "esPuce.bd",
                                 "OptionsCourse.race", "R\xE9glagesSons.rg"})
            bytes.push_back(read_file(name));
        return bytes;
    }
};

// A bad value in the race length keeps what the field held (nothing at a
// start) and the values after it; every value is held to its control's
// bounds, shown so in the edits and written so at exit.
TEST_F(MainWindowFiles, ABadRaceLengthCostsNoOtherValueAndStaysWithinTheControlsBounds)
{
    write_all_files(test_display_settings(-16));
    const std::vector<std::string> others = files_left_as_read();
    const struct {
        std::string file;
        std::vector<std::string> shown;  // hours, minutes, laps, countdown
        const char *written;
    } cases[] = {
        {"MODECOURSETemps\r\nzero\r\n10\r\n20\r\n5\r\n", {"0", "10", "20", "5"},
         "MODECOURSETemps\r\n0\r\n10\r\n20\r\n5\r\n"},
        // A stray byte after the minutes spoils nothing after them.
        {std::string("MODECOURSETemps\r\n1\r\n10") + '\0' + "\r\n20\r\n5\r\n",
         {"1", "10", "20", "5"}, "MODECOURSETemps\r\n1\r\n10\r\n20\r\n5\r\n"},
        {"MODECOURSETemps\r\n1\r\n10min\r\n20\r\n5\r\n", {"1", "10", "20", "5"},
         "MODECOURSETemps\r\n1\r\n10\r\n20\r\n5\r\n"},
        // No mode shows a race by laps, which is the mode saved; the empty
        // line that an exit without a mode used to write moves no value.
        {"", {"0", "00", "1", "0"}, "MODECOURSETours\r\n0\r\n00\r\n1\r\n0\r\n"},
        {"\r\n0\r\n00\r\n20\r\n5\r\n", {"0", "00", "20", "5"},
         "MODECOURSETours\r\n0\r\n00\r\n20\r\n5\r\n"},
        {"MODECOURSETours\r\n-5\r\n-5\r\n-5\r\n-5\r\n", {"0", "00", "1", "0"},
         "MODECOURSETours\r\n0\r\n00\r\n1\r\n0\r\n"},
        {"MODECOURSETemps\r\n24\r\n60\r\n5000\r\n3601\r\n", {"23", "59", "4999", "3600"},
         "MODECOURSETemps\r\n23\r\n59\r\n4999\r\n3600\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.file));
        memset(g_race_mode, 0, sizeof g_race_mode);
        g_race_hours = g_race_minutes = g_race_laps = g_countdown_seconds = 0;
        write_file("DureeCourse.txt", c.file);
        ASSERT_TRUE(create_window());
        EXPECT_EQ(c.shown, (std::vector<std::string>{
                               item_text(window_, IDC_HOURS), item_text(window_, IDC_MINUTES),
                               item_text(window_, IDC_LAPS), item_text(window_, IDC_COUNTDOWN)}));
        destroy_window();
        EXPECT_TRUE(boxes_.boxes().empty());
        EXPECT_EQ(read_file("DureeCourse.txt"), c.written);
        EXPECT_EQ(files_left_as_read(), others);
    }
    // Without the file, told, and saved the same.
    memset(g_race_mode, 0, sizeof g_race_mode);
    g_race_hours = g_race_minutes = g_race_laps = g_countdown_seconds = 0;
    DeleteFileA("DureeCourse.txt");
    ASSERT_TRUE(create_window());
    EXPECT_EQ(IsDlgButtonChecked(window_, IDC_RACE_BY_LAPS), BST_CHECKED);
    destroy_window();
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{
                                  "Erreur: impossible d'ouvrir le fichier Dur\xE9" "e Course"});
    EXPECT_EQ(read_file("DureeCourse.txt"), "MODECOURSETours\r\n0\r\n00\r\n1\r\n0\r\n");
}

// A bad value in the display settings keeps what it held (nothing at a
// start); every other value is read in its place and written back at exit.
TEST_F(MainWindowFiles, ABadDisplaySettingCostsNoOtherValue)
{
    write_all_files(test_display_settings(-16));
    const std::string good = read_file(DISPLAY_SETTINGS_FILE);
    const std::vector<std::string> others = files_left_as_read();
    const struct {
        const char *value, *bad, *written;
    } cases[] = {
        {"1\t", "abc\t", "0\t"},              // the board style
        {"-16\t", "abc\t", "0\t"},            // the first font height
        {"\t330\t", "\t12abc\t", "\t12\t"},  // the second column's width
        {"\t330\t", "\t-5\t", "\t0\t"},        // held to the width edit's range
        {"\t330\t", "\t1200\t", "\t999\t"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bad);
        memset(&g_display_settings, 0, sizeof g_display_settings);
        std::string bad = good, written = good;
        bad.replace(good.find(c.value), strlen(c.value), c.bad);
        written.replace(good.find(c.value), strlen(c.value), c.written);
        write_file(DISPLAY_SETTINGS_FILE, bad);
        ASSERT_TRUE(create_window());
        EXPECT_EQ(g_column_widths[8], 110);
        destroy_window();
        EXPECT_TRUE(boxes_.boxes().empty());
        EXPECT_EQ(read_file(DISPLAY_SETTINGS_FILE), written);
        EXPECT_EQ(files_left_as_read(), others);
    }
}

// Folders in the way of the files: each failure has its own box, and each
// file is tried whatever became of the one before.
TEST_F(MainWindowTest, EveryFileThatCannotBeWrittenAtExitHasItsOwnBox)
{
    write_all_files(test_display_settings(-16));
    DeleteFileA("Private\\R\xE9glagesAffichage.rgsc");
    RemoveDirectoryA("Private");
    ASSERT_TRUE(create_window());
    for (const char *name : {"DureeCourse.txt", "DetailResultats.res"}) {
        DeleteFileA(name);
        ASSERT_TRUE(CreateDirectoryA(name, 0)) << name;
    }
    destroy_window();
    const std::string file = "Erreur: impossible d'ouvrir le fichier ";
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>({file + "R\xE9glage Affichage",
                                                        file + "R\xE9glage Affichage",
                                                        file + "Dur\xE9" "e course",
                                                        file + "R\xE9sultats d\xE9taill\xE9s"}));
    for (size_t i = 1; i < boxes_.boxes().size(); i++)
        EXPECT_EQ(boxes_.boxes()[i].hand_icon, i > 1) << i;
}

TEST_F(MainWindowTest, CloseIsRefusedWhileARaceOrScanRunsAndOtherwiseOnlyYesEndsIt)
{
    write_all_files(test_display_settings(-16));
    ASSERT_TRUE(create_window());
    int32_t *flags[] = {&g_race_armed, &g_race_running, &g_scan_learning, &g_scan_verifying};
    for (int32_t *flag : flags) {
        boxes_.clear();
        *flag = 1;
        SendMessageA(window_, WM_CLOSE, 0, 0);
        *flag = 0;
        ASSERT_EQ(boxes_.boxes().size(), 1u);
        const RecordedBox &b = boxes_.boxes()[0];
        EXPECT_EQ(b.caption, "Zelquanodrim");
        EXPECT_EQ(b.text, "Une course ou un scan est en cours!\r\n"
                          "Vous ne pouvez pas fermer l'application.");
        EXPECT_TRUE(b.hand_icon);
        EXPECT_FALSE(b.yes_no);
        EXPECT_TRUE(IsWindow(window_));
    }

    boxes_.clear();
    g_scan_active = 1;  // a scan switched on but not learning nor verifying does not block
    boxes_.answer(IDNO);
    SendMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Zelquanodrim");
    EXPECT_EQ(boxes_.boxes()[0].text, "Etes vous s\xFBr de vouloir fermer l'application ?");
    EXPECT_TRUE(boxes_.boxes()[0].yes_no);
    EXPECT_TRUE(boxes_.boxes()[0].question_icon);
    EXPECT_TRUE(IsWindow(window_));

    boxes_.answer(IDYES);
    SendMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, 0, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 0u);
}

}  // namespace
