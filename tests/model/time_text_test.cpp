#include <gtest/gtest.h>
#include <limits.h>
#include <memory>
#include <string.h>
#include <string>
#include <vector>

#include "race_fixture.h"
#include "race_model.h"
#include "test_clock.h"

static std::string time_text(int32_t ms)
{
    TimeSplit t;
    split_milliseconds(ms, &t.hours, &t.minutes, &t.seconds, &t.milliseconds);
    char text[20];
    format_time(text, t.hours, t.minutes, t.seconds, t.milliseconds);
    return text;
}

TEST(TimeText, SplitTowardZeroAndTheThreeForms)
{
    const struct {
        int32_t ms;
        std::vector<int32_t> split;
        const char *text;
    } cases[] = {
        {3725042, {1, 2, 5, 42}, "1:02:05.042"},     {65042, {0, 1, 5, 42}, "1:05.042"},
        {5042, {0, 0, 5, 42}, "5.042"},              {0, {0, 0, 0, 0}, "0.000"},
        {3600000, {1, 0, 0, 0}, "1:00:00.000"},      {-65042, {0, -1, -5, -42}, "-1:-5.-42"},
        {NO_TIME - 1, {416, 39, 59, 999}, "416:39:59.999"},
    };
    for (const auto &c : cases) {
        TimeSplit t;
        split_milliseconds(c.ms, &t.hours, &t.minutes, &t.seconds, &t.milliseconds);
        EXPECT_EQ(c.split, (std::vector<int32_t>{t.hours, t.minutes, t.seconds, t.milliseconds}))
            << c.ms;
        EXPECT_EQ(c.text, time_text(c.ms));
    }
}

TEST(TimeText, FormatTimeNeverWritesPastTwentyBytes)
{
    const int32_t extremes[] = {INT_MIN, -1000000000, -1, 0, 999, INT_MAX};
    for (int32_t h : extremes)
        for (int32_t m : extremes)
            for (int32_t s : extremes)
                for (int32_t ms : extremes) {
                    // Exactly 20 bytes on the heap: one more is an overrun the sanitizer sees.
                    std::unique_ptr<char[]> text(new char[20]);
                    format_time(text.get(), h, m, s, ms);
                    EXPECT_NE(nullptr, memchr(text.get(), 0, 20));
                }
    char text[20];
    format_time(text, INT_MIN, INT_MIN, INT_MIN, INT_MIN);
    EXPECT_STREQ("-2147483648:-214748", text);
}

// Gap to the leader and gap to the row ahead, as the board shows them.
using GapTexts = std::vector<std::string>;

static GapTexts gap_texts(const BoardRow &cell)
{
    return GapTexts{cell.gap_leader_text, cell.gap_ahead_text};
}

static TestRace board_race(const char *key)
{
    TestRace race({0, 1, 2});
    CarRecord *cars = race.cars.get();
    cars[0].laps = 12;
    cars[0].race_times[12] = 45123;
    cars[0].lap_times[12] = 3725042;
    cars[0].best_lap = 3725042;
    cars[1].laps = 12;
    cars[1].race_times[12] = 46623;
    cars[1].best_lap = 3726542;
    cars[2].laps = 11;
    cars[2].race_times[11] = 3725042;
    cars[2].best_lap = 5042;
    race.refresh(key);
    return race;
}

TEST(BoardRows, LapsThenTimeBoardShowsLapsDownOrTimeBehind)
{
    TestRace race = board_race(LAPS_THEN_TIME);
    const BoardRow *board = race.board.get();
    EXPECT_STREQ("0:45.123", board[0].race_time_text);
    EXPECT_STREQ("1:02:05.042", board[2].race_time_text);
    EXPECT_STREQ("1:02:05.042", board[0].last_lap_text);
    EXPECT_STREQ("0.000", board[1].last_lap_text);
    EXPECT_STREQ("5.042", board[2].best_lap_text);
    EXPECT_EQ((GapTexts{"0.000", "0.000"}), gap_texts(board[0]));
    EXPECT_EQ((GapTexts{"1.500", "1.500"}), gap_texts(board[1]));
    EXPECT_EQ((GapTexts{"1t", "1t"}), gap_texts(board[2]));
    EXPECT_STREQ("  2  ", board[1].grid_text);
    EXPECT_STREQ("12", board[1].laps_text);
    EXPECT_STREQ("Car1", board[1].name);
    EXPECT_STREQ("100011", board[1].transponder);
}

TEST(BoardRows, BestLapBoardShowsBestLapDifferences)
{
    TestRace race = board_race(BEST_LAP);
    const BoardRow *board = race.board.get();
    EXPECT_STREQ("  3  ", board[0].grid_text);
    EXPECT_EQ((GapTexts{"0.000", "0.000"}), gap_texts(board[0]));
    EXPECT_EQ((GapTexts{"1:02:00.000", "1:02:00.000"}), gap_texts(board[1]));
    EXPECT_EQ((GapTexts{"1:02:01.500", "1.500"}), gap_texts(board[2]));
}

TEST(BoardRows, OtherKeywordKeepsTheGapTextsAndRewritesTheRest)
{
    TestRace race = board_race(LAPS_THEN_TIME);
    race.cars[1].laps = 13;
    race.cars[1].race_times[13] = 80000;
    race.cars[1].just_recorded = 1;
    race.refresh("CLASSEMENTAutre");
    const BoardRow *board = race.board.get();
    EXPECT_STREQ("Car1", board[0].name);
    EXPECT_STREQ("13", board[0].laps_text);
    EXPECT_STREQ("1:20.000", board[0].race_time_text);
    EXPECT_EQ(1, board[0].just_recorded);
    EXPECT_EQ((GapTexts{"0.000", "0.000"}), gap_texts(board[0]));
    EXPECT_EQ((GapTexts{"1.500", "1.500"}), gap_texts(board[1]));
    EXPECT_EQ((GapTexts{"1t", "1t"}), gap_texts(board[2]));
    // The position stays as the set-up wrote it.
    EXPECT_STREQ("1", board[0].position);
    EXPECT_STREQ("3", board[2].position);
}

TEST(BoardRows, NOutsideTheTableChangesNothing)
{
    TestRace race = board_race(LAPS_THEN_TIME);
    std::vector<unsigned char> rows_before = bytes_of(race.rows.get(), GRID_SLOTS);
    std::vector<unsigned char> board_before = bytes_of(race.board.get(), GRID_SLOTS);
    for (int32_t n : {-1, 21, INT_MIN, INT_MAX}) {
        init_board_rows(race.board.get(), race.rows.get(), n);
        split_ranking_times(race.rows.get(), n);
        format_board_rows(race.rows.get(), race.board.get(), LAPS_THEN_TIME, LAPS_THEN_TIME,
                          BEST_LAP, n);
    }
    EXPECT_EQ(rows_before, bytes_of(race.rows.get(), GRID_SLOTS));
    EXPECT_EQ(board_before, bytes_of(race.board.get(), GRID_SLOTS));
}

TEST(BoardRows, DamagedNumbersAreCutToTheirFields)
{
    TestRace race({0});
    RankingRow &row = race.rows[0];
    row.grid_number = INT_MIN;
    row.laps = INT_MIN;
    row.laps_behind_leader = INT_MAX;
    row.laps_behind_ahead = 5;
    row.race_time_split = TimeSplit{INT_MIN, INT_MIN, INT_MIN, INT_MIN};
    row.last_lap_split = TimeSplit{0, INT_MIN, INT_MIN, INT_MIN};
    row.best_lap_split = TimeSplit{0, 0, INT_MIN, INT_MIN};
    format_board_rows(race.rows.get(), race.board.get(), LAPS_THEN_TIME, LAPS_THEN_TIME,
                      BEST_LAP, 1);
    const BoardRow &cell = race.board[0];
    EXPECT_STREQ("  -214748", cell.grid_text);
    EXPECT_STREQ("-21474", cell.laps_text);
    EXPECT_STREQ("-2147483648:-214748", cell.race_time_text);
    EXPECT_STREQ("-2147483648:-214748", cell.last_lap_text);
    EXPECT_STREQ("-2147483648.-214748", cell.best_lap_text);
    EXPECT_STREQ("2147483647t", cell.gap_leader_text);
    EXPECT_STREQ("5t", cell.gap_ahead_text);
}

TEST(FormatIntText, NoRoomMeansNoWrite)
{
    char text[4] = "abc";
    format_int_text(text, 0, "%d", 5);
    format_int_text(text, -3, "%d", 5);
    EXPECT_STREQ("abc", text);
    format_int_text(text, 1, "%d", 5);
    EXPECT_STREQ("", text);
}

struct Countdown {
    uint32_t start;
    int32_t length;
    uint32_t redraw;
    int32_t elapsed_seconds, elapsed_ms, remaining, since_redraw;
    void compute()
    {
        compute_countdown(&start, &length, &elapsed_seconds, &elapsed_ms, &remaining,
                          &since_redraw, &redraw);
    }
};

TEST(Countdown, RemainingSecondsAcrossEachBoundary)
{
    TestClock clock(100000);
    Countdown c = {100000, 5, 100000, 0, 0, 0, 0};
    const struct {
        int32_t length;
        uint32_t e;
        int32_t remaining;
    } cases[] = {{5, 0, 6},    {5, 1, 5},    {5, 1000, 5}, {5, 1001, 4}, {5, 4000, 2},
                 {5, 4001, 1}, {5, 5000, 1}, {5, 5001, 0}, {5, 60000, -54},
                 // A length of zero ends at the first millisecond.
                 {0, 0, 1},    {0, 1, 0}};
    for (const auto &k : cases) {
        clock.set_tick(100000 + k.e);
        c.length = k.length;
        c.compute();
        EXPECT_EQ(k.remaining, c.remaining) << k.length << " " << k.e;
        EXPECT_EQ(static_cast<int32_t>(k.e / 1000), c.elapsed_seconds) << k.e;
        EXPECT_EQ(static_cast<int32_t>(k.e % 1000), c.elapsed_ms) << k.e;
        EXPECT_EQ(static_cast<int32_t>(k.e), c.since_redraw) << k.e;
    }
}

TEST(Countdown, TickCountWrapAroundKeepsCounting)
{
    TestClock clock(0xFFFFFE00u);
    Countdown c = {0xFFFFFE00u, 5, 0xFFFFFF00u, 0, 0, 0, 0};
    clock.advance(0x400);  // now 0x200, past the wrap
    c.compute();
    EXPECT_EQ(1, c.elapsed_seconds);
    EXPECT_EQ(24, c.elapsed_ms);
    EXPECT_EQ(4, c.remaining);
    EXPECT_EQ(0x300, c.since_redraw);
}

struct RaceClock {
    uint32_t start;
    int32_t hours, minutes;
    uint32_t redraw;
    TimeSplit elapsed;
    int32_t remaining_h, remaining_m, remaining_s, since_redraw;
    void compute()
    {
        compute_race_clock(&start, &hours, &minutes, &elapsed.hours, &elapsed.minutes,
                           &elapsed.seconds, &elapsed.milliseconds, &remaining_h,
                           &remaining_m, &remaining_s, &since_redraw, &redraw);
    }
};

TEST(RaceClock, RemainingClockAcrossEachBoundary)
{
    TestClock clock(7);
    RaceClock c = {7, 0, 5, 7, {}, 0, 0, 0, 0};
    const struct {
        uint32_t e;
        int32_t h, m, s;
    } cases[] = {{0, 0, 5, 1},     {1000, 0, 5, 0},   {1001, 0, 4, 59},
                 {300000, 0, 0, 1}, {300001, 0, 0, 0}, {301000, 0, 0, 0}};
    for (const auto &k : cases) {
        clock.set_tick(7 + k.e);
        c.compute();
        EXPECT_EQ(k.h, c.remaining_h) << k.e;
        EXPECT_EQ(k.m, c.remaining_m) << k.e;
        EXPECT_EQ(k.s, c.remaining_s) << k.e;
    }
    clock.set_tick(7 + 3725042);
    c.compute();
    EXPECT_EQ(1, c.elapsed.hours);
    EXPECT_EQ(2, c.elapsed.minutes);
    EXPECT_EQ(5, c.elapsed.seconds);
    EXPECT_EQ(42, c.elapsed.milliseconds);
}

TEST(RaceClock, RaceByLapsRunsOnATwentyFourHourClockAcrossTheWrap)
{
    TestClock clock(0xFFFFFC18u);  // 1 s before the wrap
    RaceClock c = {0xFFFFFC18u, 24, 0, 0xFFFFFC18u, {}, 0, 0, 0, 0};
    clock.advance(61500);
    c.compute();
    EXPECT_EQ(1, c.elapsed.minutes);
    EXPECT_EQ(1, c.elapsed.seconds);
    EXPECT_EQ(500, c.elapsed.milliseconds);
    EXPECT_EQ(23, c.remaining_h);
    EXPECT_EQ(58, c.remaining_m);
    EXPECT_EQ(59, c.remaining_s);
    EXPECT_EQ(61500, c.since_redraw);
}
