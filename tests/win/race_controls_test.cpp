// The race controls: what Depart, Arret and Effacer accept in each run
// state, the greying a race brings, the race kind radios, the number edits
// with their bounds, and the transponder modes.
#include "race_fixture.h"

#include <string.h>

#include "decoder_protocol.h"
#include "dialog_driver.h"
#include "engine.h"
#include "main_window.h"
#include "race_controls.h"
#include "race_tick.h"
#include "run_state.h"
#include "window_ids.h"

namespace {

// The run state as the program finds it, taken before any test can change it.
const int32_t FLAGS_UP_AT_START = g_race_armed | g_race_running | g_scan_active | g_scan_learning |
                                  g_scan_verifying | g_results_clean | g_scan_ready |
                                  g_grid_composed | g_pilot_dialog_open;

const int RACE_MENU_ITEMS[] = {IDM_PILOTS, IDM_STARTING_GRID, IDM_RACE_OPTIONS,
                               IDM_SOUND_SETTINGS, IDM_DISPLAY_SETTINGS};
const int RACE_CONTROLS[] = {IDC_START,        IDC_CLEAR, IDC_OWN_CHIPS, IDC_MIXED_SCAN,
                             IDC_SCAN,         IDC_RACE_BY_TIME, IDC_RACE_BY_LAPS, IDC_HOURS,
                             IDC_MINUTES,      IDC_LAPS,  IDC_COUNTDOWN};

const std::vector<GridCar> TWO_CARS = {{"Alice", "000011"}, {"Bruno", "000022"}};

class RaceControls : public RaceWindow {
protected:
    void SetUp() override
    {
        RaceWindow::SetUp();
        countdown_ = 3;
        write_settings();
        create_window();
    }

    void expect_race_greying(bool greyed)
    {
        for (int id : RACE_MENU_ITEMS)
            EXPECT_EQ(greyed, menu_greyed(id)) << id;
        for (int id : RACE_CONTROLS)
            EXPECT_EQ(!greyed, enabled(id)) << id;
        EXPECT_TRUE(enabled(IDC_STOP));
        EXPECT_FALSE(menu_greyed(IDM_INTERFACE_SETTINGS));
        EXPECT_FALSE(menu_greyed(IDM_HELP));
        EXPECT_FALSE(menu_greyed(IDM_DETAILED_RESULTS));
    }

    // With the window maximised: the whole area waits for its repaint.
    bool waits_for_paint(const RECT &area)
    {
        HRGN update = CreateRectRgn(0, 0, 0, 0), rest = CreateRectRgnIndirect(&area);
        GetUpdateRgn(window_, update, FALSE);
        const int outside = CombineRgn(rest, rest, update, RGN_DIFF);
        return DeleteObject(update) && DeleteObject(rest) && outside == NULLREGION;
    }
};

TEST_F(RaceControls, NothingWorksBeforeTheFirstGridThenArretOnlyGivesTheControlsBack)
{
    EXPECT_EQ(0, FLAGS_UP_AT_START);
    press(IDC_START);
    EXPECT_EQ(0, g_race_armed);
    press(IDC_CLEAR);
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(0, g_results_clean);
    expect_race_greying(false);

    compose_grid(TWO_CARS);
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    UpdateWindow(window_);
    press(IDC_STOP);
    EXPECT_TRUE(waits_for_paint(g_board_layout.body));
    EXPECT_TRUE(g_recorded.sounds.empty());
    EXPECT_EQ(0, g_car_records[0].finished);
    expect_race_greying(false);
}

TEST_F(RaceControls, DepartArmsAfterTheGridAndGreysTheRaceControls)
{
    compose_grid(TWO_CARS);
    // What the last race left behind is forgotten.
    int32_t *const left[] = {&g_half_time_announced, &g_five_minutes_announced,
                             &g_one_minute_announced, &g_countdown_announced[12], &g_stream_count,
                             &g_stream_ready, &g_reset_answer_count, &g_sync_request_sent,
                             &g_decoder_synced};
    for (int32_t *value : left)
        *value = 1;
    g_race_origin_ms = g_race_best_lap = 99;
    press(IDC_START);
    EXPECT_EQ(1, g_race_armed);
    EXPECT_EQ(0, g_race_running);
    EXPECT_EQ(1, g_countdown_remaining);
    EXPECT_EQ(NO_BEST_LAP, g_race_best_lap);
    for (int32_t *value : left)
        EXPECT_EQ(0, *value);
    EXPECT_EQ(0, g_race_origin_ms);
    expect_race_greying(true);
    // The countdown start sound blocks until it has been heard.
    ASSERT_EQ(1u, g_recorded.sounds.size());
    EXPECT_EQ("sons/nokia-sms.wav", g_recorded.sounds[0].file);
    EXPECT_EQ(static_cast<uint32_t>(SND_FILENAME), g_recorded.sounds[0].flags);
}

TEST_F(RaceControls, AfterARaceOnlyEffacerMakesDepartWorkAgain)
{
    compose_grid(TWO_CARS);
    start_race_now();
    EXPECT_EQ(0, g_results_clean);
    EXPECT_EQ(0, g_scan_ready);
    press(IDC_STOP);
    EXPECT_EQ(0, g_race_running);
    expect_race_greying(false);

    press(IDC_START);
    EXPECT_EQ(0, g_race_armed);

    boxes_.answer(IDNO);
    press(IDC_CLEAR);
    ASSERT_EQ(1u, boxes_.boxes().size());
    EXPECT_EQ("Zelquanodrim", boxes_.boxes()[0].caption);
    EXPECT_EQ("Etes vous s\xFBr de vouloir effacer les r\xE9sultats de la s\xE9rie?\n"
              "Les donn\xE9" "es seront perdues",
              boxes_.boxes()[0].text);
    EXPECT_TRUE(boxes_.boxes()[0].yes_no);
    EXPECT_TRUE(boxes_.boxes()[0].question_icon);
    EXPECT_EQ(0, g_results_clean);

    ShowWindow(window_, SW_SHOWMAXIMIZED);
    UpdateWindow(window_);
    // A results file it cannot write is told; the results are clean all the same.
    DeleteFileA("DetailResultats.res");
    ASSERT_TRUE(CreateDirectoryA("DetailResultats.res", NULL));  // a folder in the file's place
    press(IDC_CLEAR);
    RemoveDirectoryA("DetailResultats.res");
    for (const RECT *area :
         {&g_board_layout.body, &g_board_layout.clocks, &g_board_layout.countdown})
        EXPECT_TRUE(waits_for_paint(*area));
    ASSERT_EQ(3u, boxes_.boxes().size());
    EXPECT_EQ("Erreur: impossible d'ouvrir le fichier R\xE9sultats d\xE9taill\xE9s",
              boxes_.boxes()[2].text);
    EXPECT_EQ(1, g_results_clean);
    EXPECT_EQ(1, g_scan_ready);
    EXPECT_EQ(0, g_car_records[0].finished);
    EXPECT_EQ(0, g_car_records[0].laps);
    press(IDC_START);
    EXPECT_EQ(1, g_race_armed);
}

TEST_F(RaceControls, ArretDuringTheCountdownKeepsTheResultsClean)
{
    sound_settings_[1] = SOUND_COUNTDOWN_OFF;
    write_settings();
    compose_grid(TWO_CARS);
    press(IDC_START);
    ticks(50);
    ASSERT_EQ(1, g_race_armed);
    g_recorded.sounds.clear();

    press(IDC_STOP);
    EXPECT_EQ(0, g_race_armed);
    EXPECT_EQ(0, g_race_running);
    expect_race_greying(false);
    EXPECT_TRUE(g_recorded.sounds.empty());  // no race end horn
    for (int32_t k = 0; k < 2; k++)
        EXPECT_EQ(0, g_car_records[k].finished);
    EXPECT_EQ(1, g_results_clean);

    press(IDC_START);
    EXPECT_EQ(1, g_race_armed);
}

TEST_F(RaceControls, ArretOfARunningRaceFlagsEveryCarAndSoundsTheHorn)
{
    compose_grid(TWO_CARS);
    start_race_now();
    g_recorded.sounds.clear();
    press(IDC_STOP);
    EXPECT_EQ(std::vector<std::string>{"sons/truckhorn.wav"}, sounds_played());
    EXPECT_EQ(static_cast<uint32_t>(SND_FILENAME | SND_ASYNC), g_recorded.sounds[0].flags);
    for (int32_t k = 0; k < GRID_SLOTS; k++) {
        EXPECT_EQ(1, g_car_records[k].finished);
        EXPECT_EQ(1, g_ranking[k].finished);
    }
    EXPECT_EQ(1, g_board_rows[0].finished);
    EXPECT_EQ(1, g_board_rows[1].finished);
    EXPECT_EQ(0, g_board_rows[2].finished);  // no car on that row
}

TEST_F(RaceControls, TheLastLinesPassageButtonAndTheProgramsStopActOnARunningRace)
{
    std::vector<GridCar> cars(GRID_SLOTS, GridCar{nullptr, nullptr});
    cars[GRID_SLOTS - 1] = {"Zoe", "000020"};
    compose_grid(cars);
    start_race_now();
    press(IDC_CAR_20);
    EXPECT_EQ(1, g_car_records[GRID_SLOTS - 1].laps);
    click_stop();
    EXPECT_EQ(0, g_race_running);
    expect_race_greying(false);
}

TEST_F(RaceControls, CountdownSoundOnlyForMoreThanOneSecond)
{
    for (int32_t seconds : {0, 1, 2}) {
        countdown_ = seconds;
        write_settings();
        type(IDC_COUNTDOWN, std::to_string(seconds).c_str());
        compose_grid(TWO_CARS);
        g_recorded.sounds.clear();
        press(IDC_START);
        EXPECT_EQ(seconds > 1 ? 1 : 0, count_sound("sons/nokia-sms.wav")) << seconds;
        press(IDC_STOP);
    }
}

TEST_F(RaceControls, DepartReadsTheRaceOptionsAgain)
{
    compose_grid(TWO_CARS);
    protection_ = 9;
    ranking_ = RANKING_BEST_LAP;
    write_settings();
    press(IDC_START);
    EXPECT_EQ(9, g_protection_seconds);
    EXPECT_STREQ(RANKING_BEST_LAP, g_ranking_key);
    press(IDC_STOP);

    DeleteFileA("OptionsCourse.race");
    press(IDC_START);
    ASSERT_EQ(1u, boxes_.boxes().size());
    EXPECT_EQ("Erreur", boxes_.boxes()[0].caption);
    EXPECT_EQ("Erreur: impossible d'ouvrir le fichier Options Courses", boxes_.boxes()[0].text);
    EXPECT_TRUE(boxes_.boxes()[0].hand_icon);
    EXPECT_EQ(1, g_race_armed);  // armed with the options held
    EXPECT_EQ(9, g_protection_seconds);

    // Never less than the options dialog stores, whatever the file holds.
    press(IDC_STOP);
    protection_ = -5;
    write_settings();
    press(IDC_START);
    EXPECT_EQ(2, g_protection_seconds);
}

TEST_F(RaceControls, RaceKindRadiosAndTheClockResetWriteTheTextsOfTheRaceKind)
{
    type(IDC_HOURS, "2");
    type(IDC_MINUTES, "5");
    type(IDC_LAPS, "25");
    press(IDC_RACE_BY_LAPS);
    EXPECT_STREQ(RACE_MODE_LAPS, g_race_mode);
    EXPECT_FALSE(visible(IDC_HOURS));
    EXPECT_FALSE(visible(IDC_MINUTES_LABEL));
    EXPECT_TRUE(visible(IDC_LAPS));
    EXPECT_TRUE(visible(IDC_LAPS_LABEL));
    EXPECT_STREQ("25 tours", g_text_race_length);
    EXPECT_STREQ("0:00:00", g_text_elapsed);
    EXPECT_STREQ("", g_text_remaining);

    press(IDC_RACE_BY_TIME);
    EXPECT_STREQ(RACE_MODE_TIME, g_race_mode);
    for (int id : {IDC_HOURS, IDC_MINUTES, IDC_HOURS_LABEL, IDC_MINUTES_LABEL})
        EXPECT_TRUE(visible(id)) << id;
    EXPECT_FALSE(visible(IDC_LAPS));
    EXPECT_STREQ("2:05:00", g_text_race_length);
    EXPECT_STREQ("0:00:00", g_text_remaining);

    // The clock of the last race is forgotten.
    g_remaining_minutes = 3;
    g_time_up_signalled = 1;
    g_race_elapsed.seconds = 9;
    strcpy(g_text_elapsed, "0:03:10");
    strcpy(g_text_remaining, "0:01:50");
    reset_race_clock();
    EXPECT_EQ(0, g_remaining_minutes);
    EXPECT_EQ(0, g_time_up_signalled);
    EXPECT_EQ(0, g_race_elapsed.seconds);
    EXPECT_STREQ("0:00:00", g_text_elapsed);
    EXPECT_STREQ("0:00:00", g_text_remaining);
    EXPECT_STREQ("3s", g_text_countdown);
    g_race_mode[0] = 0;  // a race kind the duration file did not give counts laps
    reset_race_clock();
    EXPECT_STREQ("25 tours", g_text_race_length);
}

// Typed key by key, the longest values included.
TEST_F(RaceControls, NumberEditsClampAndRewriteOnlyAboveTheirBound)
{
    struct Typed {
        int id;
        const char *text;
        const int32_t *value;
        int32_t stored;
        const char *shown;
        const char *clock_text;  // the race length or countdown text then
        int limit;               // characters the edit then takes
    };
    const Typed typed[] = {
        {IDC_HOURS, "99", &g_race_hours, 23, "23", nullptr, 2},
        {IDC_MINUTES, "75", &g_race_minutes, 59, "59", "23:59:00", 2},
        {IDC_MINUTES, "7", &g_race_minutes, 7, "7", "23:07:00", 2},  // no leading zero added
        {IDC_LAPS, "", &g_race_laps, 1, "", "1 tours", 4},           // the edit stays empty
        {IDC_LAPS, "9999", &g_race_laps, 4999, "4999", "4999 tours", 4},
        {IDC_LAPS, "12345", &g_race_laps, 1234, "1234", "1234 tours", 4},  // a fifth digit refused
        {IDC_COUNTDOWN, "9999", &g_countdown_seconds, 3600, "3600", "3600s", 4},
        {IDC_COUNTDOWN, "0", &g_countdown_seconds, 0, "0", "0s", 4},
    };
    for (const Typed &t : typed) {
        type(t.id, t.text);
        EXPECT_EQ(t.limit, SendDlgItemMessageA(window_, t.id, EM_GETLIMITTEXT, 0, 0)) << t.id;
        EXPECT_EQ(t.stored, *t.value) << t.id << " " << t.text;
        EXPECT_EQ(t.shown, edit_text(t.id)) << t.id << " " << t.text;
        EXPECT_TRUE(DialogDriver::shows_whole(window_, t.id)) << t.id << " " << t.text;
        if (t.clock_text != nullptr) {
            EXPECT_STREQ(t.clock_text,
                         t.id == IDC_COUNTDOWN ? g_text_countdown : g_text_race_length);
        }
    }
}

TEST_F(RaceControls, EditsIgnoreEveryNotificationButAChange)
{
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_HOURS, EN_SETFOCUS), 0);
    SetDlgItemTextA(window_, IDC_MINUTES, "12");
    EXPECT_EQ(12, g_race_minutes);
    g_race_minutes = 3;
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_MINUTES, EN_KILLFOCUS), 0);
    EXPECT_EQ(3, g_race_minutes);
}

TEST_F(RaceControls, OwnChipsTakeTheDatabaseTransponderByName)
{
    compose_grid(
        {{"Alice", "000011"}, {nullptr, nullptr}, {"Nobody", "000099"}, {"Chloe", "000033"}});
    // A later entry of the same name wins, also past empty records; names
    // that only begin alike are others.
    const char *const database[][2] = {{"Alice", "000500"}, {"Chloe", "000600"},
                                       {"Alice", "000700"}, {"Ali", "000800"},
                                       {"Alicette", "000900"}};
    const int at[] = {0, 1, MAX_PILOTS - 1, 3, 4};
    for (int p = 0; p < 5; p++) {
        strcpy(g_pilot_records[at[p]].name, database[p][0]);
        strcpy(g_pilot_records[at[p]].transponder, database[p][1]);
    }
    press(IDC_OWN_CHIPS);
    EXPECT_EQ(1, g_own_chips_mode);
    EXPECT_FALSE(visible(IDC_SCAN));
    EXPECT_FALSE(visible(IDC_SCAN_STATUS));
    EXPECT_STREQ("000700", g_grid_composition[0].transponder);
    EXPECT_STREQ("000700", g_car_records[0].transponder);
    EXPECT_STREQ("000099", g_car_records[2].transponder);  // not in the database
    EXPECT_STREQ("000600", g_car_records[3].transponder);
    // Ranking and board rows are matched by their own names, in ranking order.
    for (int32_t r = 0; r < 3; r++) {
        const char *expected = strcmp(g_ranking[r].name, "Alice") == 0   ? "000700"
                               : strcmp(g_ranking[r].name, "Chloe") == 0 ? "000600"
                                                                         : "000099";
        EXPECT_STREQ(expected, g_ranking[r].transponder);
        EXPECT_STREQ(expected, g_board_rows[r].transponder);
    }
}

TEST_F(RaceControls, MixedScanEmptiesEveryTransponder)
{
    compose_grid(TWO_CARS);
    press(IDC_MIXED_SCAN);
    EXPECT_EQ(0, g_own_chips_mode);
    EXPECT_TRUE(visible(IDC_SCAN));
    EXPECT_TRUE(visible(IDC_SCAN_STATUS));
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        EXPECT_STREQ("", g_grid_composition[i].transponder);
        EXPECT_STREQ("", g_car_records[i].transponder);
        EXPECT_STREQ("", g_ranking[i].transponder);
        EXPECT_STREQ("", g_board_rows[i].transponder);
    }
    EXPECT_EQ(1, g_scan_ready);  // untouched
}

}  // namespace
