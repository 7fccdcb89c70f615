// The main window as the program makes it, in a program folder of the
// test's own, driven tick by tick under the test clock: commands by
// WM_COMMAND, engine ticks by WM_TIMER, sounds and message boxes recorded,
// and a simulated decoder on a COM line when the test wants one.
#ifndef RACE_FIXTURE_H
#define RACE_FIXTURE_H

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "message_box_hook.h"
#include "race_model.h"
#include "simulated_decoder.h"
#include "temp_dir.h"
#include "test_clock.h"

struct PlayedSound {
    std::string file;
    uint32_t flags;
    int tick;  // engine ticks sent before the play
};

// One of the COM lines set aside for these tests, held for the life of the
// object so that tests running side by side never share a line.
class ComLine {
public:
    ComLine();
    ~ComLine();
    ComLine(const ComLine &) = delete;
    ComLine &operator=(const ComLine &) = delete;
    const char *port() const { return port_; }

private:
    HANDLE lock_ = INVALID_HANDLE_VALUE;
    char port_[8] = "";
};

// The sounds played, filled by the sound seam's hook and emptied at the
// start of every test.
struct Recorded {
    std::vector<PlayedSound> sounds;
    int ticks = 0;  // engine ticks sent so far
};

extern Recorded g_recorded;

struct GridCar {
    const char *name;
    const char *transponder;
};

class RaceWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The settings files the window reads at its creation; written before
    // create_window() and by the tests that change them between races.
    void write_settings(void);

    void create_window(void);

    // What the starting grid command leaves once its dialog has closed:
    // the grid composition, a fresh race and clean results.
    void compose_grid(const std::vector<GridCar> &cars);

    void press(int id);
    // Typed over the edit's whole text, key by key through the edit's own
    // handling, as a user does; an empty text is the backspace key.
    void type(int id, const char *text);
    std::string edit_text(int id);
    bool enabled(int id);
    bool visible(int id);
    bool menu_greyed(int id);

    // One engine tick after the clock moved on by ms.
    void tick(uint32_t ms = 10);
    void ticks(int count, uint32_t ms = 10);
    // Ticks 10 ms apart until the race runs, or until the decoder's clock is
    // synchronised (giving up after max ticks), waiting for the decoder's
    // answer to reach the line.
    void tick_until_running(int max = 1000);
    void tick_until_synced(int max = 1000);
    void tick_until(const int32_t *flag, int max);
    // Depart, then the countdown to its end and the start.
    void start_race_now(void);

    // A running race on a simulated VQ2 decoder on USB whose clock starts at
    // 0 with the race, after the settings above were written; the sounds of
    // the start are forgotten.
    void run_race(const std::vector<GridCar> &cars);
    // One passing, read by the next tick.
    void passing(int transponder, int32_t decoder_ms);

    // Takes a line for this test (at the first call) and names its port.
    const char *claim_line(void);
    // A simulated decoder on the test's line, its port opened by the program.
    void plug_decoder(const char *kind, const std::string &options = "");
    void pass(int transponder, int32_t decoder_ms);
    void pass_vq1(int transponder);
    void send_raw(const std::string &hex);
    // Waits until the line holds at least this many unread bytes; false
    // when they have not come by the deadline.
    bool wait_line(int32_t bytes, int timeout_ms = 10000);
    // Unread bytes on the line.
    int32_t line_bytes(void);

    // Shows the window with nothing waiting to be repainted.
    void show(void);
    // Whether exactly this area waits for its repaint; then nothing waits.
    bool repaint_waiting(const RECT &area);

    std::vector<std::string> sounds_played(void) const;
    int count_sound(const char *file) const;

    TestClock clock_{100000};
    std::unique_ptr<TempDir> dir_;
    MessageBoxHook boxes_;
    HWND window_ = 0;
    std::unique_ptr<ComLine> line_;
    std::unique_ptr<SimulatedDecoder> decoder_;
    int sent_ = 0;

    // Settings written by write_settings().
    std::string race_mode_ = RACE_MODE_TIME;
    int32_t race_hours_ = 0;
    int32_t race_minutes_ = 5;
    int32_t race_laps_ = 10;
    int32_t countdown_ = 0;
    int32_t protection_ = 5;
    int32_t font_height_ = 20;
    std::string ranking_ = RANKING_LAPS_THEN_TIME;
    std::string start_mode_ = START_SOUND_SIGNAL;
    std::string time_end_ = TIME_END_SIGNAL;
    std::string lap_end_ = LAP_END_SIGNAL;
    std::vector<std::string> sound_settings_ = {
        SOUND_LANGUAGE_FRENCH, SOUND_COUNTDOWN_ON, SOUND_START_ON,    SOUND_PASSING_ON,
        SOUND_BEST_LAP_ON,     SOUND_CLOCK_ON,     SOUND_RACE_END_ON, SOUND_CAR_END_ON};
};

extern const std::vector<GridCar> THREE_CARS;  // transponders 11, 22 and 33

// The decoder time text of the simulator's pass command.
std::string decoder_time(int32_t ms);

#endif
