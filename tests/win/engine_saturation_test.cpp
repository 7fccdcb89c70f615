// The engine on a saturated 9600-baud line for ten minutes: 20 cars, a
// passing every 11 ms from the decoder (more than the line carries), the
// real clock and timer, the board shown. Every passing the decoder sent
// must become its car's lap with the decoder's time, and the line must
// never hold more than a tick's worth of bytes. Too long for the test run:
//   win_tests.exe --gtest_also_run_disabled_tests --gtest_filter=*Saturated*
#include "race_fixture.h"

#include <stdio.h>

#include <string>

#include "engine.h"
#include "main_window.h"
#include "run_state.h"
#include "startup.h"
#include "window_ids.h"

namespace {

const int32_t SPACING_MS = 11;
const int32_t RUN_MS = 600000;
const int32_t PASSINGS = RUN_MS / SPACING_MS;
const int32_t FIRST_TRANSPONDER = 100;

int32_t g_most_waiting;
int32_t g_samples;
RaceWindow *g_run;

class EngineSaturation : public RaceWindow {
public:
    int32_t waiting(void) { return line_bytes(); }
};

void CALLBACK sample_line(HWND, UINT, UINT_PTR, DWORD)
{
    const int32_t bytes = static_cast<EngineSaturation *>(g_run)->waiting();
    g_most_waiting = bytes > g_most_waiting ? bytes : g_most_waiting;
    g_samples += 1;
}

int64_t laps_recorded(void)
{
    int64_t laps = 0;
    for (const CarRecord &car : g_car_records)
        laps += car.laps;
    return laps;
}

TEST_F(EngineSaturation, DISABLED_SaturatedLineForTenMinutes)
{
    font_height_ = -12;
    race_hours_ = 1;
    race_minutes_ = 0;
    std::string scenario;
    char line[48];
    for (int32_t k = 0; k < PASSINGS; k++) {
        snprintf(line, sizeof line, "%d %s\n", FIRST_TRANSPONDER + k % GRID_SLOTS,
                 decoder_time(1000 + k * SPACING_MS).c_str());
        scenario += line;
    }
    const std::string path = write_scenario_file(claim_line(), scenario);
    ASSERT_NE("", path);
    plug_decoder("vq2usb", "--baud 9600 --wait-reset --lifetime 1200 --scenario \"" + path + "\"");
    write_settings();
    create_window();
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    static char names[GRID_SLOTS][16];
    static char transponders[GRID_SLOTS][8];
    std::vector<GridCar> cars;
    for (int i = 0; i < GRID_SLOTS; i++) {
        snprintf(names[i], sizeof names[i], "Pilote %d", i + 1);
        snprintf(transponders[i], sizeof transponders[i], "%06d", FIRST_TRANSPONDER + i);
        cars.push_back({names[i], transponders[i]});
    }
    compose_grid(cars);

    // From here on the program's own clock and timer.
    install_system_clock();
    g_run = this;
    press(IDC_START);
    // Each car passes every 220 ms, far within the shortest protection a
    // file can give.
    g_protection_seconds = 0;
    SetTimer(window_, TIMER_ENGINE, ENGINE_TICK_MS, 0);
    const UINT_PTR sampler = SetTimer(0, 0, ENGINE_TICK_MS, sample_line);
    const DWORD start = GetTickCount();
    const DWORD end = start + RUN_MS + 60000;
    // Until the last passing is a lap: a lost one keeps the loop to its end.
    MSG message;
    while (GetTickCount() < end && laps_recorded() < PASSINGS) {
        while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, 0, FALSE, 5, QS_ALLINPUT);
    }
    KillTimer(0, sampler);
    KillTimer(window_, TIMER_ENGINE);

    const long long sent = decoder_->count("passings_sent");
    const int64_t laps = laps_recorded();
    int32_t wrong = 0;
    for (int32_t car = 0; car < GRID_SLOTS; car++) {
        const CarRecord &c = g_car_records[car];
        for (int32_t n = 1; n <= c.laps; n++)
            wrong += c.race_times[n] != 1000 + ((n - 1) * GRID_SLOTS + car) * SPACING_MS;
    }
    printf("sent %lld of %d passings in %.1f s, %lld laps recorded, %d wrong race times, "
           "at most %d bytes waiting on the line over %d samples\n",
           sent, PASSINGS, (GetTickCount() - start) / 1000.0,
           static_cast<long long>(laps), static_cast<int>(wrong), static_cast<int>(g_most_waiting),
           static_cast<int>(g_samples));
    EXPECT_EQ(PASSINGS, sent);
    EXPECT_EQ(sent, laps);
    EXPECT_EQ(0, wrong);
    EXPECT_EQ(1, g_race_running);
    EXPECT_LT(g_most_waiting, 255);
}

}  // namespace
