// How long a passing takes to reach the screen: from the engine tick that
// reads the passing's last byte to the end of the board's repaint, with 20
// cars on a shown board. The figure is printed, never compared: a shared
// machine's load would decide the result.
#include "race_fixture.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>

#include "engine.h"
#include "main_window.h"
#include "run_state.h"

namespace {

double seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

class EngineLatency : public RaceWindow {};

TEST_F(EngineLatency, PassingToRepaintedBoardWithTwentyCars)
{
    plug_decoder("vq2usb");
    write_settings();
    // The board as shipped: its gradients, fonts and widths are what a race
    // director sees, and what a passing's repaint has to draw.
    DisplaySettings shipped;
    CustomColours custom;
    memset(&shipped, 0, sizeof shipped);
    char shipped_file[MAX_PATH];
    snprintf(shipped_file, sizeof shipped_file, "%s/%s", SHIPPED_DATA_DIR, DISPLAY_SETTINGS_FILE);
    ASSERT_EQ(1, read_display_settings(shipped_file, &shipped, &custom));
    ASSERT_EQ(1, write_display_settings(DISPLAY_SETTINGS_FILE, &shipped, &custom));
    create_window();
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    UpdateWindow(window_);
    static char names[GRID_SLOTS][16];
    static char transponders[GRID_SLOTS][8];
    std::vector<GridCar> cars;
    for (int i = 0; i < GRID_SLOTS; i++) {
        snprintf(names[i], sizeof names[i], "Pilote %d", i + 1);
        snprintf(transponders[i], sizeof transponders[i], "%06d", 100 + i);
        cars.push_back({names[i], transponders[i]});
    }
    compose_grid(cars);
    ASSERT_EQ(GRID_SLOTS, g_board_visible_rows);
    start_race_now();
    UpdateWindow(window_);

    // The tick: the port read (its 1 ms time-outs included), the passing, the
    // ranking and the board's erase; then the board's WM_PAINT.
    std::vector<double> total, in_tick, painting;
    for (int lap = 0; lap < 6; lap++) {
        for (int car = 0; car < GRID_SLOTS; car++) {
            pass(100 + car, 1000 + lap * 30000 + car * 700);
            LARGE_INTEGER start, ticked, painted;
            QueryPerformanceCounter(&start);
            tick();
            QueryPerformanceCounter(&ticked);
            // As the program's message loop does: the board's WM_PAINT is
            // taken from the queue and dispatched.
            MSG message;
            while (PeekMessageA(&message, window_, WM_PAINT, WM_PAINT, PM_REMOVE))
                DispatchMessageA(&message);
            QueryPerformanceCounter(&painted);
            total.push_back(1000.0 * seconds(start, painted));
            in_tick.push_back(1000.0 * seconds(start, ticked));
            painting.push_back(1000.0 * seconds(ticked, painted));
        }
    }
    for (int car = 0; car < GRID_SLOTS; car++)
        ASSERT_EQ(6, g_car_records[car].laps);
    for (std::vector<double> *v : {&total, &in_tick, &painting})
        std::sort(v->begin(), v->end());
    const size_t mid = total.size() / 2;
    printf("passing to repainted board, %d cars: median %.3f ms (tick %.3f, paint %.3f), "
           "90%% %.3f ms, worst %.3f ms\n",
           GRID_SLOTS, total[mid], in_tick[mid], painting[mid], total[total.size() * 9 / 10],
           total.back());
}

}  // namespace
