// How a race ends: the finish rules of a race by time and of a race by laps,
// the stop they lead to, the time-up signal, and the lap arrays' last entry.
#include "race_fixture.h"

#include <string.h>

#include "engine.h"
#include "main_window.h"
#include "race_tick.h"
#include "run_state.h"
#include "window_ids.h"

namespace {

class RaceFinish : public RaceWindow {
protected:
    void by_time(int32_t minutes, const char *end)
    {
        race_mode_ = RACE_MODE_TIME;
        race_minutes_ = minutes;
        time_end_ = end;
    }

    void by_laps(int32_t laps, const char *end)
    {
        race_mode_ = RACE_MODE_LAPS;
        race_laps_ = laps;
        lap_end_ = end;
    }

    // The race clock moves on to e ms after the start.
    void clock_at(uint32_t e) { tick(e - (read_tick_count() - g_race_start_tick)); }

    void expect_stopped(void)
    {
        EXPECT_EQ(0, g_race_running);
        EXPECT_TRUE(enabled(IDC_START));
        for (int32_t k = 0; k < GRID_SLOTS; k++)
            EXPECT_EQ(1, g_car_records[k].finished) << k;
    }
};

TEST_F(RaceFinish, SignalEndOfARaceByTimeStopsWhenTheClockReadsZero)
{
    by_time(1, TIME_END_SIGNAL);
    run_race(THREE_CARS);
    passing(11, 1000);
    clock_at(59990);
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(1, g_remaining_seconds);
    clock_at(60001);
    EXPECT_EQ(0, g_remaining_minutes);
    EXPECT_EQ(0, g_remaining_seconds);
    expect_stopped();
    EXPECT_EQ(1, count_sound("sons/truckhorn.wav"));
    EXPECT_EQ(0, count_sound("sons/foghorn.wav"));
}

TEST_F(RaceFinish, FinishLapEndOfARaceByTimeLetsEachCarEndItsLap)
{
    by_time(1, TIME_END_FINISH_LAP);
    run_race(THREE_CARS);
    passing(11, 1000);
    passing(22, 2000);
    passing(33, 3000);
    passing(11, 59000);
    clock_at(60001);
    EXPECT_EQ(1, g_race_running);
    EXPECT_EQ(0, count_sound("sons/foghorn.wav"));
    tick();
    EXPECT_EQ(1, count_sound("sons/foghorn.wav"));  // time up, once
    const std::string clock_text = g_text_remaining;
    ticks(200);
    EXPECT_EQ(1, count_sound("sons/foghorn.wav"));
    EXPECT_EQ(clock_text, g_text_remaining);  // the clock stays as last drawn

    g_recorded.sounds.clear();
    passing(22, 59999);  // below the length: a lap like any other
    EXPECT_EQ(0, g_car_records[1].finished);
    passing(11, 65000);
    EXPECT_EQ(1, g_car_records[0].finished);
    EXPECT_EQ(3, g_car_records[0].laps);
    passing(22, 66000);
    EXPECT_EQ(1, g_car_records[1].finished);
    EXPECT_EQ(1, g_race_running);
    passing(33, 60000);  // exactly the race length
    expect_stopped();
    EXPECT_EQ((std::vector<std::string>{"sons/beep1.wav", "sons/FinCourseVoiture1.wav",
                                        "sons/FinCourseVoiture2.wav", "sons/FinCourseVoiture3.wav",
                                        "sons/truckhorn.wav"}),
              sounds_played());
}

TEST_F(RaceFinish, StaggeredStartGivesNoTimeUpSignal)
{
    by_time(1, TIME_END_FINISH_LAP);
    start_mode_ = START_STAGGERED;
    run_race(THREE_CARS);
    clock_at(60001);
    ticks(10);
    EXPECT_EQ(0, count_sound("sons/foghorn.wav"));
    EXPECT_EQ(1, g_race_running);
}

TEST_F(RaceFinish, RaceByTimeStopsAtTheLastLapOfTheArrays)
{
    by_time(1, TIME_END_FINISH_LAP);
    run_race(THREE_CARS);
    CarRecord &alice = g_car_records[0];
    alice.laps = MAX_LAPS - 2;
    alice.race_times[alice.laps] = 100000;
    alice.best_lap = 20;
    passing(11, 200000);
    EXPECT_EQ(MAX_LAPS - 1, alice.laps);
    expect_stopped();
    // Finished by the rules too, but the stop silences its announcement.
    EXPECT_EQ(std::vector<std::string>{"sons/truckhorn.wav"}, sounds_played());
}

TEST_F(RaceFinish, SignalEndOfARaceByLapsStopsAtTheFirstCarsLastLap)
{
    by_laps(2, LAP_END_SIGNAL);
    run_race(THREE_CARS);
    passing(11, 1000);
    passing(22, 2000);
    passing(11, 31000);
    expect_stopped();
    EXPECT_EQ(2, g_car_records[0].laps);
    EXPECT_EQ(0, count_sound("sons/FinCourseVoiture1.wav"));
    EXPECT_EQ(1, count_sound("sons/truckhorn.wav"));
    // After the stop nothing is counted.
    passing(22, 32000);
    EXPECT_EQ(1, g_car_records[1].laps);
}

TEST_F(RaceFinish, FinishLapEndOfARaceByLapsFinishesEveryCarAtItsNextPassing)
{
    by_laps(2, LAP_END_FINISH_LAP);
    run_race(THREE_CARS);
    passing(11, 1000);
    passing(22, 2000);
    passing(11, 31000);
    EXPECT_EQ(1, g_car_records[0].finished);
    EXPECT_EQ(1, g_race_running);
    passing(22, 32000);  // its second lap, finished
    EXPECT_EQ(1, g_car_records[1].finished);
    passing(33, 33000);  // its first lap, finished too
    EXPECT_EQ(1, g_car_records[2].finished);
    EXPECT_EQ(1, g_car_records[2].laps);
    expect_stopped();  // every slot finished
    EXPECT_EQ((std::vector<std::string>{"sons/beep1.wav", "sons/beep1.wav",
                                        "sons/FinCourseVoiture1.wav", "sons/FinCourseVoiture2.wav",
                                        "sons/FinCourseVoiture3.wav", "sons/truckhorn.wav"}),
              sounds_played());
}

TEST_F(RaceFinish, AllLapsEndOfARaceByLapsFinishesEachCarAtItsOwnLastLap)
{
    by_laps(2, LAP_END_ALL_LAPS);
    run_race(THREE_CARS);
    passing(11, 1000);
    passing(22, 2000);
    passing(33, 3000);
    passing(11, 31000);
    EXPECT_EQ(1, g_car_records[0].finished);
    passing(11, 61000);  // finished: no third lap
    EXPECT_EQ(2, g_car_records[0].laps);
    passing(22, 32000);
    EXPECT_EQ(1, g_car_records[1].finished);
    EXPECT_EQ(1, g_race_running);
    passing(33, 33000);
    expect_stopped();
}

TEST_F(RaceFinish, RaceByLapsShowsItsLengthAndStopsAfter24Hours)
{
    by_laps(50, LAP_END_SIGNAL);
    run_race(THREE_CARS);
    clock_at(1005);
    EXPECT_STREQ("50 tours", g_text_race_length);
    EXPECT_STREQ("", g_text_remaining);
    EXPECT_STREQ("0:00:01", g_text_elapsed);
    clock_at(24 * 3600000 - 10);
    EXPECT_EQ(1, g_race_running);
    clock_at(24 * 3600000 + 1);
    expect_stopped();
}

TEST_F(RaceFinish, LapsRaceThatNeverFinishesACarStopsAtTheLastLapOfTheArrays)
{
    by_laps(10, "FINTOURJamais");
    run_race(THREE_CARS);
    CarRecord &bruno = g_car_records[1];
    bruno.laps = MAX_LAPS - 2;
    bruno.race_times[bruno.laps] = 100000;
    passing(22, 200000);
    EXPECT_EQ(MAX_LAPS - 1, bruno.laps);
    expect_stopped();
}

}  // namespace
