// The engine tick from Depart to the running race: the countdown with its
// display cadence and announcements, the decoder clock's synchronisation,
// and the three start types, with a simulated decoder on the line.
#include "race_fixture.h"

#include <string.h>

#include "decoder_protocol.h"
#include "engine.h"
#include "interface_settings.h"
#include "link_supervision.h"
#include "main_window.h"
#include "race_tick.h"
#include "run_state.h"
#include "window_ids.h"

namespace {

class EngineStart : public RaceWindow {
protected:
    void open(void)
    {
        write_settings();
        create_window();
        compose_grid(THREE_CARS);
    }

    // The tick index of each play of a file.
    std::vector<int> ticks_of(const char *file)
    {
        std::vector<int> at;
        for (const PlayedSound &s : g_recorded.sounds)
            if (s.file == file)
                at.push_back(s.tick);
        return at;
    }
};

TEST_F(EngineStart, FiveSecondCountdownCallsEachSecondOnceAsTheCountReachesIt)
{
    countdown_ = 5;
    open();
    press(IDC_START);
    g_recorded.sounds.clear();
    // 10 ms ticks: the count shows 5 from the first tick, 1 during the last second.
    ticks(101);
    EXPECT_STREQ("4s", g_text_countdown);
    ticks(419);
    EXPECT_EQ(std::vector<int>{1}, ticks_of("sons/cinq.wav"));
    EXPECT_EQ(std::vector<int>{101}, ticks_of("sons/quatre.wav"));
    EXPECT_EQ(std::vector<int>{201}, ticks_of("sons/trois.wav"));
    EXPECT_EQ(std::vector<int>{301}, ticks_of("sons/deux.wav"));
    EXPECT_EQ(std::vector<int>{401}, ticks_of("sons/un.wav"));
    // The count that reaches 0 is not shown.
    EXPECT_STREQ("1s", g_text_countdown);
    EXPECT_EQ(1, g_race_running);
}

TEST_F(EngineStart, HourLongCountdownCallsEachRowOnceInItsLanguageWhenSwitchedOn)
{
    countdown_ = 3600;
    open();
    const std::vector<std::string> french = {
        "sons/60minutes.wav", "sons/30minutes.wav",  "sons/15minutes.wav",  "sons/5minutes.wav",
        "sons/2minutes.wav",  "sons/1minute.wav",    "sons/30secondes.wav", "sons/10secondes.wav",
        "sons/cinq.wav",      "sons/quatre.wav",     "sons/trois.wav",      "sons/deux.wav",
        "sons/un.wav"};
    const std::vector<std::string> english = {
        "sons/60minutesGB.wav",  "sons/30minutesGB.wav",  "sons/15minutesGB.wav",
        "sons/5minutesGB.wav",   "sons/2minutesGB.wav",   "sons/1minuteGB.wav",
        "sons/30secondesGB.wav", "sons/10secondesGB.wav", "sons/cinqGB.wav",
        "sons/quatreGB.wav",     "sons/troisGB.wav",      "sons/deuxGB.wav",
        "sons/unGB.wav"};
    const struct {
        const char *language, *countdown;
        std::vector<std::string> files;
    } runs[] = {{SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_ON, french},
                {SOUND_LANGUAGE_ENGLISH, SOUND_COUNTDOWN_ON, english},
                {"SONLANGUEKlingon", SOUND_COUNTDOWN_ON, {}},
                {SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_OFF, {}}};
    // A tick in the middle of the second that shows count c.
    auto count_at = [&](int c) {
        tick(3600500 - 1000 * c - (read_tick_count() - g_countdown_start_tick));
    };
    for (const auto &run : runs) {
        strcpy(g_sound_language, run.language);
        strcpy(g_sound_countdown, run.countdown);
        g_results_clean = 1;
        press(IDC_START);
        g_recorded.sounds.clear();
        for (int s : {3600, 1800, 900, 300, 120, 60, 30, 10, 5, 4, 3, 2, 1}) {
            if (s < 3600)
                count_at(s + 1);  // a repeated count calls nothing more
            count_at(s);
        }
        EXPECT_EQ(run.files, sounds_played()) << run.language << " " << run.countdown;
        press(IDC_STOP);
    }
}

TEST_F(EngineStart, CountdownTextIsRedrawnOncePerSecond)
{
    countdown_ = 3;
    open();
    press(IDC_START);
    tick(5);
    EXPECT_STREQ("3s", g_text_countdown);  // set by Depart's reset of the clock texts
    show();
    ticks(100);  // 1005 ms: second 2 begins
    EXPECT_STREQ("2s", g_text_countdown);
    EXPECT_TRUE(repaint_waiting(g_board_layout.countdown));
    // A second whose first tick comes late (after 99 ms into it) is not shown.
    tick(1100);
    EXPECT_STREQ("2s", g_text_countdown);
}

TEST_F(EngineStart, CountAtZeroOrBelowSynchronisesAtTheNextTick)
{
    countdown_ = 0;
    open();
    for (uint32_t late : {10u, 5000u}) {  // a late tick finds the count below 0
        compose_grid(THREE_CARS);
        press(IDC_START);
        tick(late);
        EXPECT_EQ(late == 10u ? 0 : -4, g_countdown_remaining);
        EXPECT_EQ(0, g_decoder_synced);
        EXPECT_EQ(1, g_race_armed);
        tick();
        EXPECT_EQ(1, g_race_running);
        press(IDC_STOP);
    }
}

TEST_F(EngineStart, Vq1SignalStartRunsTheFirstRaceTickInTheSameTick)
{
    countdown_ = 1;
    open();
    press(IDC_START);
    ticks(101);  // the count reaches 0
    ASSERT_EQ(1, g_race_armed);
    ASSERT_EQ(0, g_countdown_remaining);
    g_recorded.sounds.clear();
    const int before = g_recorded.ticks;
    show();
    tick();
    EXPECT_TRUE(repaint_waiting(g_board_layout.board));
    EXPECT_EQ(1, g_decoder_synced);
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(0, g_race_armed);
    EXPECT_EQ(0, g_results_clean);
    EXPECT_EQ(0, g_scan_ready);
    // The race tick ran: the clock was computed.
    EXPECT_EQ(0, g_remaining_hours);
    EXPECT_EQ(5, g_remaining_minutes);
    EXPECT_EQ(std::vector<int>{before + 1}, ticks_of("sons/foghorn.wav"));
    for (int32_t r = 0; r < 3; r++)
        EXPECT_STREQ("00:00.000", g_board_rows[r].race_time_text);
    EXPECT_EQ(read_tick_count(), g_race_start_tick);
    EXPECT_EQ(0, g_race_origin_ms);
}

TEST_F(EngineStart, StartSignalFollowsItsSwitch)
{
    sound_settings_[2] = SOUND_START_OFF;
    open();
    start_race_now();
    EXPECT_EQ(0, count_sound("sons/foghorn.wav"));
}

TEST_F(EngineStart, Vq2ResetAnswerRefusedThenAcceptedStartsTheRace)
{
    plug_decoder("vq2usb", "--refuse-resets 1");
    open();
    press(IDC_START);
    tick();  // the count reaches 0
    EXPECT_EQ(0, g_countdown_remaining);
    // The answer may come within the read of the tick that asked, or later.
    tick();
    for (int i = 0; i < 100 && g_sync_request_sent; i++) {
        wait_line(RESET_ANSWER_LENGTH);
        tick();
    }
    // The answer read the decoder's time, not 00:00:00: refused. (The
    // simulator's counts may reach us after its answer.)
    EXPECT_TRUE(decoder_->wait_for("reset_requests", 1, 10000));
    EXPECT_EQ(1, decoder_->count("reset_requests"));
    EXPECT_EQ(0, g_decoder_synced);
    EXPECT_EQ(0, g_sync_request_sent);
    EXPECT_EQ(0, g_reset_answer_count);
    EXPECT_EQ(1, g_race_armed);
    // Asked again at the next tick, and this time taken.
    tick_until_running();
    EXPECT_TRUE(decoder_->wait_for("clock_resets", 1, 10000));
    EXPECT_EQ(2, decoder_->count("reset_requests"));
    EXPECT_EQ(1, decoder_->count("clock_resets"));
    EXPECT_EQ(1, g_decoder_synced);
}

TEST_F(EngineStart, Vq2DecoderThatNeverAnswersKeepsTheRaceArmedUntilArret)
{
    plug_decoder("vq2usb");
    decoder_->command("silent");
    open();
    press(IDC_START);
    ticks(300);
    EXPECT_EQ(1, g_race_armed);
    EXPECT_EQ(0, g_decoder_synced);
    // Sent once: without an answer the request is not repeated.
    EXPECT_TRUE(decoder_->wait_for("reset_requests", 1, 10000));
    EXPECT_EQ(1, decoder_->count("reset_requests"));
    press(IDC_CAR_1);  // starts only a first-car race
    EXPECT_EQ(1, g_race_armed);
    press(IDC_STOP);
    EXPECT_EQ(0, g_race_armed);
    EXPECT_EQ(0, g_race_running);
}

TEST_F(EngineStart, FirstCarRaceStartsAtTheFirstGridCarsPassing)
{
    plug_decoder("vq2bt");
    start_mode_ = START_FIRST_CAR;
    open();
    g_race_start_tick = 4242;  // left by an earlier race
    press(IDC_START);
    tick_until_synced();
    ASSERT_EQ(1, g_race_armed);
    EXPECT_EQ(0u, g_race_start_tick);
    g_recorded.sounds.clear();

    // Not on the grid (000022 is): no start, no sound.
    pass(23, 3000);
    tick();
    EXPECT_EQ(1, g_race_armed);
    EXPECT_TRUE(g_recorded.sounds.empty());

    // Two cars in one read: the first one's passing is time 0.
    pass(22, 5250);
    pass(33, 5400);
    tick();
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(5250, g_race_origin_ms);
    EXPECT_EQ(1, g_car_records[1].laps);
    EXPECT_EQ(0, g_car_records[1].race_times[1]);
    EXPECT_EQ(150, g_car_records[2].race_times[1]);
    EXPECT_EQ(0, g_car_records[1].just_recorded);
    EXPECT_EQ(std::vector<std::string>{"sons/foghorn.wav"}, sounds_played());
    EXPECT_STREQ("Bruno", g_board_rows[0].name);

    // Later passings count from the first car's.
    pass(11, 9250);
    tick();
    EXPECT_EQ(1, g_car_records[0].laps);
    EXPECT_EQ(4000, g_car_records[0].race_times[1]);
}

TEST_F(EngineStart, FirstCarRaceStartedByAPassageButton)
{
    plug_decoder("vq2usb");
    start_mode_ = START_FIRST_CAR;
    countdown_ = 1;
    open();
    press(IDC_START);
    tick();
    // Before the countdown is over the button does nothing.
    press(IDC_CAR_1 + 2);
    EXPECT_EQ(1, g_race_armed);
    EXPECT_EQ(0, g_car_records[2].laps);
    tick(1000);
    ASSERT_LE(g_countdown_remaining, 0);
    g_recorded.sounds.clear();

    // The button does not wait for the decoder's clock.
    press(IDC_CAR_1);
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(0, g_race_armed);
    EXPECT_EQ(1, g_car_records[0].laps);
    EXPECT_EQ(0, g_car_records[0].race_times[1]);
    EXPECT_EQ(0, g_car_records[0].lap_times[1]);
    EXPECT_EQ(0, g_car_records[0].best_lap);
    EXPECT_EQ(0, g_car_records[0].just_recorded);
    EXPECT_EQ(std::vector<std::string>{"sons/foghorn.wav"}, sounds_played());
    EXPECT_STREQ("Alice", g_board_rows[0].name);
    EXPECT_STREQ("1", g_board_rows[0].laps_text);
    EXPECT_STREQ("0:00.000", g_board_rows[0].race_time_text);
    EXPECT_STREQ("0.000", g_board_rows[0].last_lap_text);
    EXPECT_EQ(1, g_board_rows[0].just_recorded);
    EXPECT_STREQ("Chloe", g_board_rows[1].name);
    EXPECT_STREQ("0", g_board_rows[1].laps_text);
    EXPECT_EQ(0, g_results_clean);
    // The press was time 0 of the race.
    tick(1500);
    press(IDC_CAR_1 + 1);
    EXPECT_EQ(1500, g_car_records[1].race_times[1]);
}

TEST_F(EngineStart, OneLapFirstCarRaceEndsAtTheButtonThatStartsIt)
{
    start_mode_ = START_FIRST_CAR;
    race_mode_ = RACE_MODE_LAPS;
    race_laps_ = 1;
    open();
    press(IDC_START);
    tick();
    press(IDC_CAR_1 + 1);  // lap 1 is the last: the signal end stops the race
    EXPECT_EQ(0, g_race_running);
    EXPECT_EQ(0, count_sound("sons/FinCourseVoiture2.wav"));
}

TEST_F(EngineStart, StaggeredStartFirstCrossingIsNoLap)
{
    plug_decoder("vq2usb");
    start_mode_ = START_STAGGERED;
    protection_ = 5;
    open();
    start_race_now();
    ASSERT_EQ(1, g_decoder_synced);

    pass(11, 12500);
    tick();
    const CarRecord &alice = g_car_records[0];
    EXPECT_EQ(0, alice.laps);
    EXPECT_EQ(12500, alice.start_offset);
    EXPECT_EQ(12500, alice.lap_times[0]);
    // Protection and buzzes measured from the car's own start.
    passing(11, 15000);
    passing(11, 16500);
    EXPECT_EQ(0, alice.laps);
    EXPECT_EQ(2, count_sound("sons/buzz.wav"));
    pass(11, 42500);
    tick();
    EXPECT_EQ(1, alice.laps);
    EXPECT_EQ(30000, alice.race_times[1]);
    EXPECT_EQ(30000, alice.best_lap);
    // A passage button at 72.5 s, timed by the computer's counter.
    tick(72500 - (read_tick_count() - g_race_start_tick));
    press(IDC_CAR_1);
    EXPECT_EQ(60000, alice.race_times[2]);
    EXPECT_EQ(30000, alice.lap_times[2]);
}

TEST_F(EngineStart, FirstTickReadsTheInterfaceSettingsOnce)
{
    plug_decoder("vq2bt");
    open();
    tick();
    EXPECT_STREQ("ZelquanodrimVQ2Bluetooth", g_decoder_kind);
    EXPECT_EQ(1, g_interface_loaded);
    EXPECT_EQ(0, g_keepalive_active);  // only a VQ2 on USB is kept alive

    // Stale again with the file gone: one box, the values held stay.
    DeleteFileA("R\xE9glagesInterface2.rg");
    g_interface_loaded = 0;
    ticks(3);
    ASSERT_EQ(1u, boxes_.boxes().size());
    EXPECT_EQ("Erreur: impossible d'ouvrir le fichier Interface Port COM",
              boxes_.boxes()[0].text);
    EXPECT_STREQ("ZelquanodrimVQ2Bluetooth", g_decoder_kind);
}

TEST_F(EngineStart, IdleTickDrainsTheLineUnlessThePilotDialogReadsIt)
{
    plug_decoder("vq2usb");
    open();
    send_raw("0102030405");
    g_pilot_dialog_open = 1;
    tick();
    EXPECT_EQ(5, line_bytes());
    g_pilot_dialog_open = 0;
    tick();
    EXPECT_EQ(0, line_bytes());
}

TEST_F(EngineStart, PassingsDuringTheCountdownAreThrownAway)
{
    plug_decoder("vq2usb");
    countdown_ = 2;
    open();
    press(IDC_START);
    tick();
    pass(11, 500);
    tick();
    EXPECT_EQ(0, line_bytes());
    tick_until_running();
    ticks(5);
    EXPECT_EQ(0, g_car_records[0].laps);
}

}  // namespace
