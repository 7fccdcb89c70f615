// Text pasted into the program's edits. The clipboard skips the checks that
// typing meets (digits only, a length), so each edit brings what was pasted
// back to what typing could have left, and the files get nothing else.
#include <sstream>
#include <string>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "display_settings.h"
#include "main_window.h"
#include "pilot_database.h"
#include "race_fixture.h"
#include "race_options.h"
#include "starting_grid.h"
#include "window_ids.h"

namespace {

const char NAMES_FILE[] = "BaseDonn\xE9" "esNomPilotes.bd";
const char TRANSPONDERS_FILE[] = "BaseDonn\xE9" "esPuce.bd";

class PastedText : public RaceWindow {
protected:
    // The menu command, with its dialog driven by the script.
    void run(int command, DLGPROC procedure, DialogDriver::Script script)
    {
        drive_dialog(
            procedure,
            [&] { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0); },
            std::move(script));
    }

    std::string last_line(const char *file)
    {
        const std::string bytes = read_file(file);
        return bytes.substr(bytes.rfind('\n', bytes.size() - 2) + 1);
    }
};

// A row copied from a spreadsheet holds a TAB, which would split the pilot's
// grid line in three fields; a transponder with letters would never count.
TEST_F(PastedText, NamesLoseTheirControlCharactersAndATransponderIsSixDigitsOrNothing)
{
    create_window();
    write_file(NAMES_FILE, "Alice\r\n");
    write_file(TRANSPONDERS_FILE, "000101\r\n");
    run(IDM_PILOTS, pilot_database_dialog_proc, [](HWND dialog) {
        DialogDriver::paste(dialog, IDC_PILOT_DB_TRANSPONDER, "12ab56");  // Alice's
        EXPECT_EQ(DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER), "1256");
        DialogDriver::paste(dialog, IDC_PILOT_DB_NEW_NAME, "Marie\tCurie\x01");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_PILOT_DB_NEW_NAME), "MarieCurie");
        DialogDriver::click(dialog, IDC_PILOT_DB_ADD);
        DialogDriver::paste(dialog, IDC_PILOT_DB_TRANSPONDER, "000777");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(NAMES_FILE), "Alice\r\nMarieCurie\r\n");
    EXPECT_EQ(read_file(TRANSPONDERS_FILE), "000101\r\n000777\r\n");

    run(IDM_STARTING_GRID, starting_grid_dialog_proc, [](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_GRID_SLOT_1, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>("MarieCurie"));
        DialogDriver::paste(dialog, IDC_GRID_RACE_NAME, "Finale\tA\x7F");
        DialogDriver::command(dialog, IDOK);
    });
    const std::string grid = read_file("CompositionSerie.txt");
    EXPECT_EQ(grid.substr(0, grid.find('\n') + 1), "MarieCurie\t000777\r\n");
    EXPECT_EQ(last_line("CompositionSerie.txt"), "FinaleA\t000001\r\n");
    EXPECT_STREQ(g_grid_composition[0].transponder, "000777");
}

// A negative number is held at the lowest value the edit can show; of
// anything else the digits are kept, as many as the edit takes.
TEST_F(PastedText, NumberEditsKeepTheirDigitsAndHoldANegativeNumberAtZero)
{
    create_window();
    run(IDM_RACE_OPTIONS, race_options_dialog_proc, [](HWND dialog) {
        DialogDriver::paste(dialog, IDC_OPTIONS_PROTECTION_TIME, "-7");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), "0");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file("OptionsCourse.race").substr(0, 3), "2\r\n");
    run(IDM_RACE_OPTIONS, race_options_dialog_proc, [](HWND dialog) {
        DialogDriver::paste(dialog, IDC_OPTIONS_PROTECTION_TIME, "12 s");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), "12");
        // WM_SETTEXT skips the edit's length too.
        DialogDriver::set_text(dialog, IDC_OPTIONS_PROTECTION_TIME, "12345");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_OPTIONS_PROTECTION_TIME), "123");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file("OptionsCourse.race").substr(0, 5), "123\r\n");

    run(IDM_DISPLAY_SETTINGS, display_settings_dialog_proc, [](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_SETCURSEL, 8, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DISPLAY_COLUMN, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_DISPLAY_COLUMN)));
        DialogDriver::paste(dialog, IDC_DISPLAY_COLUMN_WIDTH, "-40");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_DISPLAY_COLUMN_WIDTH), "0");
        DialogDriver::command(dialog, IDOK);
    });
    // Line 10 holds the nine widths, each followed by a TAB.
    std::istringstream display(read_file(DISPLAY_SETTINGS_FILE));
    std::string line;
    for (int n = 0; n < 10; n++)
        std::getline(display, line);
    EXPECT_EQ(line.substr(line.rfind('\t', line.size() - 3)), "\t0\t\r");

    // The main window's edits, then what the exit writes.
    DialogDriver::paste(window_, IDC_HOURS, "-7");
    DialogDriver::paste(window_, IDC_MINUTES, "x5");
    DialogDriver::paste(window_, IDC_COUNTDOWN, "-");
    EXPECT_EQ(edit_text(IDC_HOURS), "0");
    EXPECT_EQ(edit_text(IDC_MINUTES), "5");
    EXPECT_EQ(edit_text(IDC_COUNTDOWN), "");
    DestroyWindow(window_);
    window_ = 0;
    EXPECT_EQ(read_file("DureeCourse.txt"), "MODECOURSETemps\r\n0\r\n05\r\n10\r\n0\r\n");
}

}  // namespace
