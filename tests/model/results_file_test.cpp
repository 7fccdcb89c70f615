// The detailed results file and the positions at every lap.
#include <algorithm>
#include <gtest/gtest.h>
#include <limits.h>
#include <memory>
#include <string.h>
#include <string>
#include <vector>

#include "race_model.h"
#include "temp_dir.h"

namespace {

const char RESULTS_FILE[] = "DetailResultats.res";

// 20 cars at their exact size on the heap, and the ranking key buffer.
struct Results {
    std::unique_ptr<CarRecord[]> cars{new CarRecord[GRID_SLOTS]()};
    std::unique_ptr<char[]> key{new char[RANKING_KEY_SIZE]()};

    Results()
    {
        for (int i = 0; i < GRID_SLOTS; ++i) {
            strcpy(cars[i].name, "(NA)");
        }
    }
    int32_t read() { return read_detailed_results(cars.get(), key.get()); }
    int32_t write() const { return write_detailed_results(cars.get(), RANKING_LAPS_THEN_TIME); }

    // A live car: lap n at index n, index 0 the start.
    void set_live(int slot, const char *name, const std::vector<int32_t> &times)
    {
        strcpy(cars[slot].name, name);
        cars[slot].laps = static_cast<int32_t>(times.size());
        for (size_t n = 0; n < times.size(); ++n) {
            cars[slot].race_times[n + 1] = times[n];
        }
    }
    // A car of the results copy: lap j at index j - 1.
    void set_loaded(int slot, const std::vector<int32_t> &times)
    {
        cars[slot].laps = static_cast<int32_t>(times.size());
        for (size_t j = 0; j < times.size(); ++j) {
            cars[slot].race_times[j] = times[j];
        }
    }
    std::vector<int32_t> positions(int lap_index) const
    {
        std::vector<int32_t> result;
        for (int i = 0; i < GRID_SLOTS; ++i) {
            result.push_back(cars[i].lap_positions[lap_index]);
        }
        return result;
    }
};

std::string empty_slots(int count)
{
    std::string lines;
    for (int i = 0; i < count; ++i) {
        lines += tabbed_line({"(NA)", "0"});
    }
    return lines;
}

// Positions by slot when the slots are placed in the order given.
std::vector<int32_t> placing(const std::vector<int> &order)
{
    std::vector<int32_t> positions(GRID_SLOTS);
    for (size_t p = 0; p < order.size(); ++p) {
        positions[order[p]] = static_cast<int32_t>(p + 1);
    }
    return positions;
}

std::vector<int> descending_slots_but(const std::vector<int> &first)
{
    std::vector<int> order = first;
    for (int i = GRID_SLOTS - 1; i >= 0; --i) {
        if (std::find(first.begin(), first.end(), i) == first.end()) {
            order.push_back(i);
        }
    }
    return order;
}

}  // namespace

TEST(ResultsFile, WritesTheKeyAndEveryLapOfEverySlot)
{
    TempDir dir;
    Results live;
    live.set_live(1, "Bob", {61000, 120500, 181999});
    live.cars[1].race_times[0] = 0;
    live.cars[1].race_times[4] = 999;  // beyond the laps: not written
    EXPECT_EQ(1, live.write());
    EXPECT_EQ(tabbed_line({"CLASSEMENTToursTemps"}) + empty_slots(1) +
                  tabbed_line({"Bob", "3", "61000", "120500", "181999"}) + empty_slots(18),
              read_file(RESULTS_FILE));
}

TEST(ResultsFile, ReaderPutsLapJAtIndexJMinusOneAndTouchesNothingElse)
{
    TempDir dir;
    Results live;
    live.set_live(0, "Alice", {50000, 100000});
    live.set_live(19, "Zed", {70000});
    ASSERT_EQ(1, live.write());

    Results copy;
    copy.cars[0].best_lap = 1234;
    copy.cars[0].race_times[2] = 7;  // an earlier, longer heat
    copy.cars[0].lap_times[7] = 5;
    copy.cars[0].lap_positions[4999] = 9;
    strcpy(copy.cars[0].transponder, "000042");
    EXPECT_EQ(1, copy.read());
    EXPECT_STREQ("CLASSEMENTToursTemps", copy.key.get());
    EXPECT_STREQ("Alice", copy.cars[0].name);
    EXPECT_EQ(2, copy.cars[0].laps);
    EXPECT_EQ(50000, copy.cars[0].race_times[0]);
    EXPECT_EQ(100000, copy.cars[0].race_times[1]);
    EXPECT_EQ(0, copy.cars[0].race_times[2]);
    EXPECT_EQ(0, copy.cars[0].lap_times[7]);
    EXPECT_EQ(0, copy.cars[0].lap_positions[4999]);
    EXPECT_EQ(1234, copy.cars[0].best_lap);
    EXPECT_STREQ("000042", copy.cars[0].transponder);
    EXPECT_STREQ("(NA)", copy.cars[1].name);
    EXPECT_EQ(0, copy.cars[1].laps);
    EXPECT_EQ(70000, copy.cars[19].race_times[0]);
}

TEST(ResultsFile, FullSizeRaceRoundTrips)
{
    TempDir dir;
    Results live;
    for (int i = 0; i < GRID_SLOTS; ++i) {
        std::vector<int32_t> times;
        for (int n = 1; n < MAX_LAPS; ++n) {
            times.push_back(n * 30000 + i * 7);
        }
        std::string name = "Car " + std::to_string(i) + std::string(49, '#');
        live.set_live(i, name.substr(0, 49).c_str(), times);
    }
    ASSERT_EQ(1, live.write());
    Results copy;
    ASSERT_EQ(1, copy.read());
    for (int i = 0; i < GRID_SLOTS; ++i) {
        EXPECT_STREQ(live.cars[i].name, copy.cars[i].name);
        ASSERT_EQ(MAX_LAPS - 1, copy.cars[i].laps);
        ASSERT_EQ(0, memcmp(&live.cars[i].race_times[1], &copy.cars[i].race_times[0],
                            sizeof(int32_t) * (MAX_LAPS - 1)));
    }
}

TEST(ResultsFile, ShortAndDamagedFilesLeaveTheRestCleared)
{
    TempDir dir;
    write_file(RESULTS_FILE, "CLASSEMENTMeilleurTour\t\nAlice\t2\t100\t100\t\n"
                             "no tab\r\nBob\t3\t10\nCarl\tx\t5\r\nDan\t-4\t1\t\nEve\t1\t9\t8\t7\t\n"
                             "Fay\t2\t1");
    Results copy;
    EXPECT_EQ(1, copy.read());
    EXPECT_STREQ("CLASSEMENTMeilleurTour", copy.key.get());
    EXPECT_EQ(2, copy.cars[0].laps);
    EXPECT_EQ(100, copy.cars[0].race_times[1]);  // a time held twice is two laps
    EXPECT_STREQ("no tab", copy.cars[1].name);
    EXPECT_EQ(0, copy.cars[1].laps);
    // Fewer times than laps: the line ends them, the next car is untouched.
    EXPECT_EQ(3, copy.cars[2].laps);
    EXPECT_EQ(10, copy.cars[2].race_times[0]);
    EXPECT_EQ(0, copy.cars[2].race_times[1]);
    EXPECT_STREQ("Carl", copy.cars[3].name);
    EXPECT_EQ(0, copy.cars[3].laps);
    EXPECT_EQ(0, copy.cars[4].laps);
    EXPECT_EQ(1, copy.cars[5].laps);
    EXPECT_EQ(9, copy.cars[5].race_times[0]);
    EXPECT_EQ(0, copy.cars[5].race_times[1]);
    EXPECT_STREQ("Fay", copy.cars[6].name);
    EXPECT_EQ(1, copy.cars[6].race_times[0]);
    EXPECT_STREQ("", copy.cars[7].name);
    EXPECT_STREQ("", copy.cars[19].name);
}

TEST(ResultsFile, EveryCutOfAFileReadsAsItsPrefix)
{
    TempDir dir;
    const std::string full = tabbed_line({"CLASSEMENTToursTemps"}) +
                             tabbed_line({"Ann", "2", "15000", "32000"}) +
                             tabbed_line({"Bo", "1", "9000"});
    auto begins = [](const std::string &whole, const std::string &part) {
        return whole.compare(0, part.size(), part) == 0;
    };
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        write_file(RESULTS_FILE, full.substr(0, cut));
        Results copy;
        strcpy(copy.key.get(), RANKING_BEST_LAP);
        copy.set_loaded(0, {99999, 99999, 99999});
        copy.set_loaded(1, {99999, 99999});
        ASSERT_EQ(1, copy.read());
        EXPECT_TRUE(begins("CLASSEMENTToursTemps", copy.key.get())) << cut;
        const std::vector<std::vector<int32_t>> times = {{15000, 32000}, {9000}};
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(begins(i == 0 ? "Ann" : "Bo", copy.cars[i].name)) << cut;
            EXPECT_TRUE(copy.cars[i].laps == 0 ||
                        copy.cars[i].laps == static_cast<int32_t>(times[i].size()));
            for (size_t j = 0; j < times[i].size(); ++j) {
                int32_t got = copy.cars[i].race_times[j];
                EXPECT_TRUE(got == 0 || begins(std::to_string(times[i][j]), std::to_string(got)))
                    << "cut " << cut << " car " << i << " lap " << j << ": " << got;
            }
        }
        EXPECT_STREQ("", copy.cars[2].name);
    }
}

TEST(ResultsFile, HostileLinesStayWithinTheArrays)
{
    TempDir dir;
    std::string line = std::string(100000, 'k') + "\t\r\n" + std::string(100000, 'n') + "\t6000\t";
    for (int i = 0; i < 6000; ++i) {
        line += std::to_string(i) + "\t";
    }
    line += "\r\nNext\t1\t77\t\r\n";
    line += std::string("Nul\0car\t1\t5\t\r\n", 15);
    for (int i = 0; i < 5000; ++i) {
        line += "More\t1\t1\t\r\n";
    }
    write_file(RESULTS_FILE, line);
    Results copy;
    EXPECT_EQ(1, copy.read());
    EXPECT_EQ(std::string(RANKING_KEY_SIZE - 1, 'k'), copy.key.get());
    EXPECT_EQ(std::string(49, 'n'), copy.cars[0].name);
    EXPECT_EQ(MAX_LAPS, copy.cars[0].laps);
    EXPECT_EQ(MAX_LAPS - 1, copy.cars[0].race_times[MAX_LAPS - 1]);
    EXPECT_STREQ("Next", copy.cars[1].name);
    EXPECT_EQ(77, copy.cars[1].race_times[0]);
    EXPECT_STREQ("Nulcar", copy.cars[2].name);  // the NUL dropped
    EXPECT_STREQ("More", copy.cars[19].name);
    compute_lap_positions(copy.cars.get());
}

TEST(ResultsFile, AFileLeftAtExitHoldsNoCarsAndPlacesEveryOneByDescendingSlot)
{
    TempDir dir;
    Results live;
    ASSERT_EQ(1, live.write());
    EXPECT_EQ(tabbed_line({"CLASSEMENTToursTemps"}) + empty_slots(20), read_file(RESULTS_FILE));
    Results copy;
    ASSERT_EQ(1, copy.read());
    compute_lap_positions(copy.cars.get());
    for (int a : {0, 1, 2500, MAX_LAPS - 1}) {
        EXPECT_EQ(placing(descending_slots_but({})), copy.positions(a)) << a;
    }
}

// ---------------------------------------------------------------------------
// Positions at every lap

TEST(LapPositions, EqualTimesPutTheHigherSlotAhead)
{
    Results copy;
    copy.set_loaded(2, {60000, 120000});
    copy.set_loaded(5, {60000, 119000});
    copy.set_loaded(9, {59000, 121000});
    compute_lap_positions(copy.cars.get());
    EXPECT_EQ(placing(descending_slots_but({9, 5, 2})), copy.positions(0));
    EXPECT_EQ(placing(descending_slots_but({5, 2, 9})), copy.positions(1));
}

TEST(LapPositions, ACarWithoutALapComesAfterEveryCarWithIt)
{
    Results copy;
    copy.set_loaded(0, {1000, 2000, 3000});
    copy.set_loaded(1, {1500, 2500, 3500, 4500, 5500});
    compute_lap_positions(copy.cars.get());
    EXPECT_EQ(placing(descending_slots_but({0, 1})), copy.positions(2));
    EXPECT_EQ(placing(descending_slots_but({1})), copy.positions(3));
    EXPECT_EQ(20, copy.cars[0].lap_positions[3]);
    EXPECT_EQ(20, copy.cars[0].lap_positions[MAX_LAPS - 1]);
    // The race times themselves stay as they were.
    EXPECT_EQ(0, copy.cars[0].race_times[3]);
    EXPECT_EQ(3, copy.cars[0].laps);
}

TEST(LapPositions, ARaceTimeOfZeroCountsAtTheFirstLapOnly)
{
    Results copy;
    copy.set_loaded(7, {0, 30000});
    copy.set_loaded(3, {100, 29000});
    compute_lap_positions(copy.cars.get());
    EXPECT_EQ(placing(descending_slots_but({7, 3})), copy.positions(0));
    EXPECT_EQ(placing(descending_slots_but({3, 7})), copy.positions(1));
}

TEST(LapPositions, EveryIndexIsAPermutationWhateverTheTimes)
{
    Results copy;
    const int32_t odd[] = {INT32_MIN, -1, 0, NO_TIME, RANKED_MARK, RANKED_MARK + 1, INT32_MAX};
    for (int i = 0; i < GRID_SLOTS; ++i) {
        std::vector<int32_t> times;
        for (int j = 0; j < 4; ++j) {
            times.push_back(odd[(i + j) % 7]);
        }
        copy.set_loaded(i, times);
    }
    compute_lap_positions(copy.cars.get());
    for (int a = 0; a < 5; ++a) {
        std::vector<int32_t> positions = copy.positions(a);
        std::sort(positions.begin(), positions.end());
        EXPECT_EQ(placing(std::vector<int>{0, 1, 2,  3,  4,  5,  6,  7,  8,  9,
                                           10, 11, 12, 13, 14, 15, 16, 17, 18, 19}),
                  positions);
    }
}
