// The main window under test: created as start-up creates it, in a program
// folder of its own, with its boxes answered and its sounds recorded.
#include "race_fixture.h"

#include <stdio.h>
#include <string.h>

#include "decoder_protocol.h"
#include "dialog_driver.h"
#include "engine.h"
#include "interface_settings.h"
#include "main_window.h"
#include "race_controls.h"
#include "race_tick.h"
#include "run_state.h"
#include "serial_port.h"
#include "sound.h"
#include "startup.h"
#include "window_ids.h"

Recorded g_recorded;

const std::vector<GridCar> THREE_CARS = {
    {"Alice", "000011"}, {"Bruno", "000022"}, {"Chloe", "000033"}};

namespace {

// COM25 to COM32 are these tests' lines (the serial port and start-up tests
// have theirs).
const int FIRST_LINE = 25;
const int LAST_LINE = 32;

void record_sound(const char *file, uint32_t flags)
{
    g_recorded.sounds.push_back({file, flags, g_recorded.ticks});
}

void reset_globals(void)
{
    g_race_armed = g_race_running = g_scan_active = g_scan_learning = g_scan_verifying = 0;
    g_results_clean = g_scan_ready = g_grid_composed = g_pilot_dialog_open = 0;
    g_own_chips_mode = 0;
    g_countdown_remaining = 0;
    g_decoder_synced = g_sync_request_sent = 0;
    g_race_start_tick = 0;
    g_race_origin_ms = 0;
    g_qpc_frequency = g_qpc_origin = g_qpc_now = 0;
    g_stream_count = g_stream_ready = g_reset_answer_count = 0;
    g_remaining_hours = g_remaining_minutes = g_remaining_seconds = 0;
    g_time_up_signalled = 0;
    g_race_best_lap = NO_BEST_LAP;
    // Read again at the first tick, as after start-up.
    g_interface_loaded = 0;
    memset(g_pilot_records, 0, sizeof g_pilot_records);
    memset(g_grid_composition, 0, sizeof g_grid_composition);
    memset(g_car_records, 0, sizeof g_car_records);
    memset(g_ranking, 0, sizeof g_ranking);
    memset(g_board_rows, 0, sizeof g_board_rows);
    g_car_count = 0;
}

const char *kind_identifier(const char *kind)
{
    if (strcmp(kind, "vq1") == 0)
        return DECODER_KIND_VQ1;
    if (strcmp(kind, "vq2bt") == 0)
        return DECODER_KIND_VQ2_BLUETOOTH;
    return DECODER_KIND_VQ2_USB;
}

}  // namespace

std::string decoder_time(int32_t ms)
{
    char text[32];
    snprintf(text, sizeof text, "%d:%02d:%02d.%03d", ms / 3600000, ms / 60000 % 60,
             ms / 1000 % 60, ms % 1000);
    return text;
}

ComLine::ComLine()
{
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    const double give_up = now_ms() + 120000;
    while (now_ms() < give_up) {
        for (int n = FIRST_LINE; n <= LAST_LINE; n++) {
            char lock[MAX_PATH + 32];
            snprintf(lock, sizeof lock, "%sracetimer-COM%d.lock", folder, n);
            // Not shared: the one open handle is the claim, and it goes with the process.
            lock_ = CreateFileA(lock, GENERIC_WRITE, 0, NULL, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, NULL);
            if (lock_ != INVALID_HANDLE_VALUE) {
                snprintf(port_, sizeof port_, "COM%d", n);
                return;
            }
        }
        Sleep(50);
    }
}

ComLine::~ComLine()
{
    if (lock_ != INVALID_HANDLE_VALUE)
        CloseHandle(lock_);
}

void RaceWindow::SetUp()
{
    reset_globals();
    g_recorded = Recorded();
    set_sound_hook(record_sound);
    dir_.reset(new TempDir());
    CreateDirectoryA("Zelquan Orla Sequent", NULL);
    SetCurrentDirectoryA("Zelquan Orla Sequent");
    CreateDirectoryA("Private", NULL);
    set_program_files_override(dir_->path().string().c_str());
    write_settings();
}

void RaceWindow::TearDown()
{
    if (window_ != 0) {
        DestroyWindow(window_);
        // The window's end posts the quit message; it must not end a later box's loop.
        MSG message;
        while (PeekMessageA(&message, 0, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    decoder_.reset();
    line_.reset();
    close_com_port();
    set_program_files_override(0);
    set_sound_hook(0);
    dir_.reset();
}

void RaceWindow::write_settings(void)
{
    // A VQ1 needs no answer to start a race, so tests without a line can run one.
    if (!line_) {
        ASSERT_EQ(1, write_interface_settings("COM99", 0, DECODER_KIND_VQ1));
    }
    ASSERT_EQ(1, write_race_length(race_mode_.c_str(), race_hours_, race_minutes_, race_laps_,
                                   countdown_));
    ASSERT_EQ(1, write_race_options(protection_, ranking_.c_str(), start_mode_.c_str(),
                                    time_end_.c_str(), lap_end_.c_str()));
    const std::vector<std::string> &s = sound_settings_;
    ASSERT_EQ(1, write_sound_settings(s[0].c_str(), s[1].c_str(), s[2].c_str(), s[3].c_str(),
                                      s[4].c_str(), s[5].c_str(), s[6].c_str(), s[7].c_str()));
    ASSERT_EQ(1, write_pilot_database(g_pilot_records, 0));
    DisplaySettings display;
    memset(&display, 0, sizeof display);
    CustomColours custom;
    memset(&custom, 0, sizeof custom);
    for (int32_t &width : display.column_widths)
        width = 100;
    for (FontSlot &font : display.fonts) {
        strcpy(font.face, "Arial");
        font.height = font_height_;
        font.weight = 400;
    }
    ASSERT_EQ(1, write_display_settings(DISPLAY_SETTINGS_FILE, &display, &custom));
}

void RaceWindow::create_window(void)
{
    g_hinstance = GetModuleHandleA(NULL);
    register_main_class();
    g_menu_bar = build_menu_bar();
    window_ = CreateWindowExA(0, MAIN_WINDOW_CLASS, MAIN_WINDOW_TITLE, WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                              g_menu_bar, g_hinstance, 0);
    ASSERT_NE(nullptr, window_);
    ASSERT_TRUE(boxes_.boxes().empty()) << boxes_.boxes()[0].text;
}

void RaceWindow::compose_grid(const std::vector<GridCar> &cars)
{
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        PilotRecord &row = g_grid_composition[i];
        memset(&row, 0, sizeof row);
        const bool car = i < static_cast<int32_t>(cars.size()) && cars[i].name != nullptr;
        strcpy(row.name, car ? cars[i].name : "(NA)");
        strcpy(row.transponder, car ? cars[i].transponder : "100000");
    }
    g_results_clean = g_scan_ready = g_grid_composed = 1;
    rebuild_race_from_grid(window_);
    reset_race_clock();
    for (int32_t id = IDC_CAR_1; id <= IDC_CAR_20; id++)
        EnableWindow(GetDlgItem(window_, id), FALSE);
    for (int32_t r = 0; r < GRID_SLOTS; r++)
        if (g_ranking[r].grid_number >= 1 && g_ranking[r].grid_number <= GRID_SLOTS)
            EnableWindow(GetDlgItem(window_, 1500 + g_ranking[r].grid_number), TRUE);
    relayout_board();
}

void RaceWindow::press(int id)
{
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, id)));
}

void RaceWindow::type(int id, const char *text)
{
    SendDlgItemMessageA(window_, id, EM_SETSEL, 0, -1);
    if (*text == 0)
        SendDlgItemMessageA(window_, id, WM_CHAR, VK_BACK, 1);
    DialogDriver::type(window_, id, text);
}

std::string RaceWindow::edit_text(int id)
{
    char text[64] = "";
    GetDlgItemTextA(window_, id, text, sizeof text);
    return text;
}

bool RaceWindow::enabled(int id)
{
    return IsWindowEnabled(GetDlgItem(window_, id)) != FALSE;
}

bool RaceWindow::visible(int id)
{
    return (GetWindowLongA(GetDlgItem(window_, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool RaceWindow::menu_greyed(int id)
{
    return (GetMenuState(g_menu_bar, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

void RaceWindow::tick(uint32_t ms)
{
    clock_.advance(ms);
    g_recorded.ticks += 1;
    SendMessageA(window_, WM_TIMER, 1, 0);
}

void RaceWindow::ticks(int count, uint32_t ms)
{
    for (int i = 0; i < count; i++)
        tick(ms);
}

void RaceWindow::tick_until(const int32_t *flag, int max)
{
    const double give_up = now_ms() + 30000;
    for (int i = 0; i < max && !*flag && now_ms() < give_up; i++) {
        tick();
        if (!*flag && g_sync_request_sent)
            wait_line(RESET_ANSWER_LENGTH, 100);
    }
    ASSERT_EQ(1, *flag);
}

void RaceWindow::tick_until_running(int max)
{
    tick_until(&g_race_running, max);
}

void RaceWindow::tick_until_synced(int max)
{
    tick_until(&g_decoder_synced, max);
}

void RaceWindow::start_race_now(void)
{
    press(1101);
    tick_until_running();
}

void RaceWindow::run_race(const std::vector<GridCar> &cars)
{
    plug_decoder("vq2usb");
    write_settings();
    create_window();
    compose_grid(cars);
    start_race_now();
    g_recorded.sounds.clear();
}

void RaceWindow::passing(int transponder, int32_t decoder_ms)
{
    pass(transponder, decoder_ms);
    tick();
}

const char *RaceWindow::claim_line(void)
{
    if (!line_)
        line_.reset(new ComLine());
    return line_->port();
}

void RaceWindow::plug_decoder(const char *kind, const std::string &options)
{
    ASSERT_NE('\0', claim_line()[0]) << "no free COM line";
    decoder_.reset(new SimulatedDecoder(line_->port(),
                                        std::string("--baud 0 --kind ") + kind + " " + options));
    ASSERT_EQ("", decoder_->failure());
    ASSERT_EQ(1, open_com_port(line_->port()));
    // The engine learns the decoder's kind from the file at its first tick.
    ASSERT_EQ(1, write_interface_settings(line_->port(), 1, kind_identifier(kind)));
}

void RaceWindow::pass(int transponder, int32_t decoder_ms)
{
    const int32_t before = line_bytes();
    decoder_->command("pass " + std::to_string(transponder) + " " + decoder_time(decoder_ms));
    sent_ += 1;
    ASSERT_TRUE(decoder_->wait_for("passings_sent", sent_, 10000));
    EXPECT_TRUE(wait_line(before + VQ2_PASSING_LENGTH)) << "the bytes never reached the line";
}

void RaceWindow::pass_vq1(int transponder)
{
    const int32_t before = line_bytes();
    decoder_->command("pass " + std::to_string(transponder));
    sent_ += 1;
    ASSERT_TRUE(decoder_->wait_for("passings_sent", sent_, 10000));
    EXPECT_TRUE(wait_line(before + VQ1_PASSING_LENGTH)) << "the bytes never reached the line";
}

void RaceWindow::send_raw(const std::string &hex)
{
    const int32_t before = line_bytes();
    decoder_->command("raw " + hex);
    int32_t length = 0;
    for (char c : hex)
        length += c != ' ';
    EXPECT_TRUE(wait_line(before + length / 2)) << "the bytes never reached the line";
}

int32_t RaceWindow::line_bytes(void)
{
    COMSTAT status;
    DWORD errors = 0;
    memset(&status, 0, sizeof status);
    if (!ClearCommError(g_com_handle, &errors, &status))
        return 0;
    return static_cast<int32_t>(status.cbInQue);
}

bool RaceWindow::wait_line(int32_t bytes, int timeout_ms)
{
    const double give_up = now_ms() + timeout_ms;
    while (line_bytes() < bytes && now_ms() < give_up)
        Sleep(1);
    return line_bytes() >= bytes;
}

void RaceWindow::show(void)
{
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    ValidateRect(window_, 0);
}

bool RaceWindow::repaint_waiting(const RECT &area)
{
    RECT waiting = {0, 0, 0, 0}, client, expected;
    GetUpdateRect(window_, &waiting, FALSE);
    GetClientRect(window_, &client);
    IntersectRect(&expected, &area, &client);
    ValidateRect(window_, 0);
    return !IsRectEmpty(&expected) && EqualRect(&waiting, &expected) != 0;
}

std::vector<std::string> RaceWindow::sounds_played(void) const
{
    std::vector<std::string> files;
    for (const PlayedSound &s : g_recorded.sounds)
        files.push_back(s.file);
    return files;
}

int RaceWindow::count_sound(const char *file) const
{
    int n = 0;
    for (const PlayedSound &s : g_recorded.sounds)
        n += s.file == file;
    return n;
}
