// The running race on a simulated decoder: passings under the protection
// time, the refusal buzz, one transponder on two grid slots, the sounds of a
// passing, the board after each passing, the passage buttons, and bad bytes
// on the line.
#include "race_fixture.h"

#include <string.h>

#include "decoder_protocol.h"
#include "engine.h"
#include "main_window.h"
#include "race_tick.h"
#include "run_state.h"
#include "window_ids.h"

namespace {

class RacePassings : public RaceWindow {
protected:
    void run(void) { run_race(THREE_CARS); }
};

TEST_F(RacePassings, ProtectionTimeRefusesWithABuzzAtMostOncePerSecond)
{
    protection_ = 5;
    run();
    passing(11, 1000);  // from the grid: always taken
    passing(11, 31000);
    ASSERT_EQ(2, g_car_records[0].laps);
    g_recorded.sounds.clear();

    passing(11, 33000);  // 2 s after the lap: refused, silent
    EXPECT_TRUE(g_recorded.sounds.empty());
    passing(11, 34000);  // 3 s after the lap: refused, buzz
    EXPECT_EQ(std::vector<std::string>{"sons/buzz.wav"}, sounds_played());
    EXPECT_EQ(34000, g_car_records[0].buzz_reference);
    passing(11, 35000);  // 1 s after the buzz: silent
    EXPECT_EQ(1, count_sound("sons/buzz.wav"));
    passing(11, 35001);
    EXPECT_EQ(2, count_sound("sons/buzz.wav"));
    passing(11, 36000);  // exactly 5 s: still refused
    EXPECT_EQ(2, g_car_records[0].laps);

    passing(11, 36001);  // 5.001 s: taken
    EXPECT_EQ(3, g_car_records[0].laps);
    EXPECT_EQ(5001, g_car_records[0].lap_times[3]);
}

TEST_F(RacePassings, NoBuzzWithThePassingSoundOffOrAProtectionOfTwoSeconds)
{
    protection_ = 2;
    run();
    passing(11, 1000);
    passing(11, 2900);
    EXPECT_EQ(0, count_sound("sons/buzz.wav"));
    EXPECT_EQ(1, g_car_records[0].laps);

    g_protection_seconds = 5;
    strcpy(g_sound_passing, SOUND_PASSING_OFF);
    passing(11, 5000);
    EXPECT_EQ(1, g_car_records[0].laps);
    EXPECT_EQ(0, count_sound("sons/buzz.wav"));
}

TEST_F(RacePassings, APassingCountsForEveryUnfinishedSlotOfItsTransponderOnly)
{
    run_race({{"Alice", "000011"}, {"Bruno", "000022"}, {"Alice bis", "000011"}});
    passing(12, 1000);  // 000011 is on the grid, not 000012
    g_car_records[1].finished = 1;
    passing(22, 2000);
    EXPECT_EQ(0, g_car_records[1].laps);
    EXPECT_TRUE(g_recorded.sounds.empty());
    passing(11, 2500);
    EXPECT_EQ(1, g_car_records[0].laps);
    EXPECT_EQ(1, g_car_records[2].laps);
    EXPECT_EQ(2500, g_car_records[2].race_times[1]);
}

TEST_F(RacePassings, BoardAfterEachPassing)
{
    run();
    show();
    passing(22, 1200);
    EXPECT_TRUE(repaint_waiting(g_board_layout.board));
    EXPECT_STREQ("Bruno", g_board_rows[0].name);
    EXPECT_STREQ("1", g_board_rows[0].laps_text);
    EXPECT_STREQ("0:01.200", g_board_rows[0].race_time_text);
    EXPECT_STREQ("1.200", g_board_rows[0].last_lap_text);
    EXPECT_STREQ("0.000", g_board_rows[0].gap_leader_text);
    EXPECT_EQ(1, g_board_rows[0].just_recorded);  // as ranked, before the redraw
    EXPECT_EQ(0, g_car_records[1].just_recorded);  // cleared after the redraw
    // Cars without laps: complete tie, later slot first.
    EXPECT_STREQ("Chloe", g_board_rows[1].name);
    EXPECT_STREQ("Alice", g_board_rows[2].name);

    passing(11, 1700);
    passing(22, 31200);
    passing(11, 32700);
    EXPECT_STREQ("Bruno", g_board_rows[0].name);
    EXPECT_STREQ("Alice", g_board_rows[1].name);
    EXPECT_STREQ("1.500", g_board_rows[1].gap_leader_text);
    EXPECT_STREQ("30.000", g_board_rows[0].best_lap_text);
    EXPECT_STREQ("2t", g_board_rows[2].gap_leader_text);
    EXPECT_EQ(1, g_board_rows[0].holds_race_best);
    EXPECT_EQ(30000, g_race_best_lap);
    EXPECT_EQ(0, g_board_rows[0].just_recorded);
    EXPECT_EQ(1, g_board_rows[1].just_recorded);

    // Ranked by best lap, with the gaps between best laps.
    strcpy(g_ranking_key, RANKING_BEST_LAP);
    passing(33, 40000);
    passing(33, 65000);
    EXPECT_STREQ("Chloe", g_board_rows[0].name);
    EXPECT_STREQ("Bruno", g_board_rows[1].name);
    EXPECT_STREQ("5.000", g_board_rows[1].gap_leader_text);
    EXPECT_STREQ("1.000", g_board_rows[2].gap_ahead_text);
}

TEST_F(RacePassings, PassingSoundsPersonalBestAndTheirSwitches)
{
    run();
    passing(11, 1000);
    passing(11, 31000);  // first full lap: best set, no new-best flag
    passing(11, 60000);  // 29 s: a new personal best
    passing(11, 95000);  // 35 s
    EXPECT_EQ((std::vector<std::string>{"sons/beep1.wav", "sons/beep1.wav", "sons/youpi.wav",
                                        "sons/beep1.wav"}),
              sounds_played());
    for (const PlayedSound &s : g_recorded.sounds)
        EXPECT_EQ(static_cast<uint32_t>(SND_FILENAME | SND_ASYNC), s.flags);

    // Best-lap sound off: a new best beeps like any passing.
    strcpy(g_sound_best_lap, SOUND_BEST_LAP_OFF);
    g_recorded.sounds.clear();
    passing(11, 120000);  // 25 s
    EXPECT_EQ(std::vector<std::string>{"sons/beep1.wav"}, sounds_played());
    // Passing sound off too: silence.
    strcpy(g_sound_passing, SOUND_PASSING_OFF);
    passing(11, 140000);
    EXPECT_EQ(1u, g_recorded.sounds.size());
}

TEST_F(RacePassings, NewBestOnTheFinishingLapPlaysOnlyTheFinishAnnouncement)
{
    race_mode_ = RACE_MODE_LAPS;
    race_laps_ = 3;
    lap_end_ = LAP_END_ALL_LAPS;
    run();
    passing(22, 1000);
    passing(22, 31000);
    g_recorded.sounds.clear();
    passing(22, 60000);  // lap 3, a new best, and the last lap
    EXPECT_EQ(1, g_car_records[1].finished);
    EXPECT_EQ(1, g_board_rows[0].finished);
    EXPECT_EQ(1, g_car_records[1].new_personal_best);
    EXPECT_EQ(std::vector<std::string>{"sons/FinCourseVoiture2.wav"}, sounds_played());
}

TEST_F(RacePassings, FinishAnnouncementInEnglishAndItsSwitch)
{
    race_mode_ = RACE_MODE_LAPS;
    race_laps_ = 1;
    lap_end_ = LAP_END_ALL_LAPS;
    sound_settings_[0] = SOUND_LANGUAGE_ENGLISH;
    run();
    passing(33, 1000);
    EXPECT_EQ(std::vector<std::string>{"sons/FinCourseVoiture3GB.wav"}, sounds_played());
    strcpy(g_sound_car_end, SOUND_CAR_END_OFF);
    passing(11, 1000);
    EXPECT_EQ(1, g_car_records[0].finished);
    EXPECT_EQ(1u, g_recorded.sounds.size());
}

TEST_F(RacePassings, ManualPassageIsNeverRefusedAndTimedByTheCounter)
{
    protection_ = 5;
    run();
    passing(11, 1000);
    // Timed by the computer's counter from the start, not by the decoder.
    tick(2000 - (read_tick_count() - g_race_start_tick));
    press(IDC_CAR_1);
    EXPECT_EQ(2, g_car_records[0].laps);
    EXPECT_EQ(2000, g_car_records[0].race_times[2]);
    tick();
    press(IDC_CAR_1);  // 10 ms later: still taken
    EXPECT_EQ(3, g_car_records[0].laps);
    EXPECT_EQ(10, g_car_records[0].lap_times[3]);
    EXPECT_EQ(1000, g_car_records[0].since_buzz);  // left as the decoder's passing set it

    g_car_records[0].finished = 1;
    press(IDC_CAR_1);
    EXPECT_EQ(3, g_car_records[0].laps);
}

TEST_F(RacePassings, Vq1PassingsAreTimedByTheCounterFromTheFirstCarsPassing)
{
    start_mode_ = START_FIRST_CAR;
    plug_decoder("vq1");
    write_settings();
    create_window();
    compose_grid(THREE_CARS);
    press(IDC_START);
    tick_until_synced();
    tick(2340);
    pass_vq1(22);
    tick();
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(0, g_car_records[1].race_times[1]);
    tick(2340);
    pass_vq1(11);
    tick();
    EXPECT_EQ(1, g_car_records[0].laps);
    EXPECT_EQ(2350, g_car_records[0].race_times[1]);
}

TEST_F(RacePassings, PassingsBeyondOneReadWaitForTheNextTick)
{
    run();
    for (int lap = 0; lap < 24; lap++)  // 264 bytes: more than one read takes
        pass(11, 1000 + 6000 * lap);
    ticks(2);
    EXPECT_EQ(24, g_car_records[0].laps);
}

TEST_F(RacePassings, BadBytesNeverStopTheRaceNorTouchALap)
{
    run();
    passing(11, 1000);
    passing(11, 31000);
    // Garbage, a frame of an unknown transponder, a header that slides.
    send_raw("00 13 FF FF 77 FF FF FF FF F0 03 E7 00 00 20 48 E5");
    tick();
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(2, g_car_records[0].laps);
    pass(11, 61000);
    // A half frame then silence: the race goes on, the laps stay.
    send_raw("FF FF FF F0 00");
    ticks(50);
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(3, g_car_records[0].laps);
    EXPECT_EQ(30000, g_car_records[0].lap_times[3]);
    EXPECT_EQ(61000, g_car_records[0].race_times[3]);
}

TEST_F(RacePassings, SplitFrameCompletesInTheTickOfItsSecondPart)
{
    run();
    // Parts far enough apart that a loaded machine still reads them apart.
    decoder_->command("split 4 2500");
    decoder_->command("pass 11 " + decoder_time(1000));
    wait_line(4);
    tick();
    EXPECT_EQ(4, g_stream_count);
    EXPECT_EQ(0, g_car_records[0].laps);
    wait_line(7, 6000);
    tick();
    EXPECT_EQ(1, g_car_records[0].laps);
    EXPECT_EQ(0, g_stream_count);
}

TEST_F(RacePassings, ADecoderThatGoesSilentLeavesTheRaceRunning)
{
    run();
    passing(11, 1000);
    decoder_->command("silent");
    ticks(500);
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(1, g_car_records[0].laps);
    decoder_->command("talk");
    passing(11, 40000);
    EXPECT_EQ(2, g_car_records[0].laps);
}

}  // namespace
