// The main window as the program makes it, in a program folder of the test's
// own: every test gets a fresh folder, fresh window state and a box hook.
#ifndef WINDOW_FIXTURE_H
#define WINDOW_FIXTURE_H

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main_window.h"
#include "message_box_hook.h"

// Display settings that give a plain, predictable board: Arial everywhere,
// distinct colours for every role.
DisplaySettings test_display_settings(int32_t font_height);

// The pixels of a bitmap, or of the program's bitmap resource; "" for none.
std::string picture(HBITMAP bitmap);
std::string picture(int resource);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes every data file the window reads at creation.
    void write_all_files(const DisplaySettings &settings);
    void write_file(const char *name, const std::string &bytes);
    std::string read_file(const char *name);

    // The window as WinMain creates it (shown maximised when asked).
    HWND create_window(bool shown = false);
    void destroy_window();
    // Paints the whole window now.
    void repaint();

    // A grid of n cars (names "Car 1"...) set up as the starting grid command does.
    void set_up_cars(int32_t n);

    std::string folder_;
    HWND window_ = 0;
    MessageBoxHook boxes_;
};

#endif
