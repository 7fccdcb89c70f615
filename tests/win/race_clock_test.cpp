// The race clock: its texts once a second, and the half-race, five-minute
// and one-minute announcements with the guards on the race length.
#include "race_fixture.h"

#include <string.h>

#include "engine.h"
#include "main_window.h"
#include "race_tick.h"
#include "run_state.h"

namespace {

class RaceClockCalls : public RaceWindow {
protected:
    void run(int32_t hours, int32_t minutes)
    {
        race_mode_ = RACE_MODE_TIME;
        race_hours_ = hours;
        race_minutes_ = minutes;
        time_end_ = TIME_END_FINISH_LAP;
        run_race(THREE_CARS);
    }

    // Ticks 10 ms apart from e ms after the start, for the given span.
    void run_clock(uint32_t from, uint32_t span)
    {
        tick(from - (read_tick_count() - g_race_start_tick));
        for (uint32_t t = 0; t < span; t += 10)
            tick();
    }

    int tick_of(const char *file)
    {
        for (const PlayedSound &s : g_recorded.sounds)
            if (s.file == file)
                return s.tick;
        return -1;
    }
};

TEST_F(RaceClockCalls, TextsChangeOnceASecondEarlyInTheSecond)
{
    run(0, 5);
    run_clock(990, 0);
    EXPECT_STREQ("0:00:00", g_text_elapsed);
    show();
    tick(10);  // 1000 ms: too early in the second
    tick(5);   // 1005 ms
    EXPECT_TRUE(repaint_waiting(g_board_layout.clocks));
    EXPECT_STREQ("0:05:00", g_text_race_length);
    EXPECT_STREQ("0:00:01", g_text_elapsed);
    EXPECT_STREQ("0:04:59", g_text_remaining);
    // A second whose first tick comes late is skipped.
    tick(1150);  // 2155 ms
    EXPECT_STREQ("0:00:01", g_text_elapsed);
    tick(850);  // 3005 ms
    EXPECT_STREQ("0:00:03", g_text_elapsed);
}

TEST_F(RaceClockCalls, HalfRaceWhenElapsedAndRemainingReadTheSame)
{
    run(0, 10);
    run_clock(299990, 100);
    // Elapsed and remaining both read 0:05:00 from 300001 ms on.
    EXPECT_EQ(g_recorded.ticks - 8, tick_of("sons/miCourse.wav"));
    EXPECT_EQ(1, count_sound("sons/miCourse.wav"));
}

TEST_F(RaceClockCalls, FiveAndOneMinuteCallsForALongEnoughRace)
{
    run(0, 13);
    run_clock(13 * 60000 - 300000 + 990, 40);  // 4:59 left from the third tick
    EXPECT_EQ(g_recorded.ticks - 2, tick_of("sons/5minutes.wav"));
    run_clock(13 * 60000 - 60000 + 990, 40);  // 0:59 left from the third tick
    EXPECT_EQ(g_recorded.ticks - 2, tick_of("sons/1minute.wav"));
    run_clock(13 * 60000 - 30000, 40);
    EXPECT_EQ(1, count_sound("sons/5minutes.wav"));
    EXPECT_EQ(1, count_sound("sons/1minute.wav"));
}

TEST_F(RaceClockCalls, NoFiveMinuteCallForTwelveMinutesNorOneMinuteCallForTwo)
{
    run(0, 12);
    run_clock(12 * 60000 - 300000 + 990, 40);
    EXPECT_EQ(0, count_sound("sons/5minutes.wav"));
    run_clock(12 * 60000 - 60000 + 990, 40);
    EXPECT_EQ(1, count_sound("sons/1minute.wav"));
}

TEST_F(RaceClockCalls, NoOneMinuteCallForATwoMinuteRace)
{
    run(0, 2);
    run_clock(60990, 40);
    EXPECT_EQ(0, count_sound("sons/1minute.wav"));
    EXPECT_EQ(1, count_sound("sons/miCourse.wav"));
}

TEST_F(RaceClockCalls, OneHourRaceCallsInEnglish)
{
    sound_settings_[0] = SOUND_LANGUAGE_ENGLISH;
    run(1, 0);
    run_clock(1800990, 40);
    run_clock(3600000 - 300000 + 990, 40);
    run_clock(3600000 - 60000 + 990, 40);
    EXPECT_EQ((std::vector<std::string>{"sons/miCourseGB.wav", "sons/5minutesRaceGB.wav",
                                        "sons/1minuteGB.wav"}),
              sounds_played());
}

TEST_F(RaceClockCalls, ClockCallsFollowTheirSwitch)
{
    sound_settings_[5] = SOUND_CLOCK_OFF;
    run(0, 20);
    run_clock(600990, 40);
    run_clock(20 * 60000 - 300000 + 990, 40);
    run_clock(20 * 60000 - 60000 + 990, 40);
    EXPECT_TRUE(g_recorded.sounds.empty());
}

}  // namespace
