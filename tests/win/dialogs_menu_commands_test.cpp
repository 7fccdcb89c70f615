// The menu commands around the starting grid and race options dialogs, and
// the detailed results command: the main window as the program makes it,
// its menu commands sent as WM_COMMAND, the dialogs driven through their
// controls, then the race, the flags and the files checked.
#include <string.h>

#include <string>
#include <vector>

#include "detailed_results.h"
#include "dialog_driver.h"
#include "dialog_ids.h"
#include "main_window.h"
#include "menu_commands.h"
#include "pilot_database.h"
#include "race_fixture.h"
#include "race_options.h"
#include "run_state.h"
#include "starting_grid.h"
#include "window_ids.h"

namespace {

const char NAMES_FILE[] = "BaseDonn\xE9" "esNomPilotes.bd";
const char TRANSPONDERS_FILE[] = "BaseDonn\xE9" "esPuce.bd";
const char GRID_FILE[] = "CompositionSerie.txt";
const char RESULTS_FILE[] = "DetailResultats.res";
const char GRID_ERROR[] = "Erreur: impossible d'ouvrir le fichier Composition S\xE9rie";
const char RESULTS_ERROR[] =
    "Erreur: impossible d'ouvrir le fichier R\xE9sultats d\xE9taill\xE9s";

void choose(HWND dialog, int line, const char *name)
{
    HWND list = GetDlgItem(dialog, IDC_GRID_SLOT_1 + line - 1);
    SendMessageA(list, CB_SETCURSEL,
                 SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(name)),
                 0);
}

class MenuCommands : public RaceWindow {
protected:
    void SetUp() override
    {
        RaceWindow::SetUp();
        memset(g_grid_dialog_composition, 0, sizeof(PilotRecord) * GRID_SLOTS);
        memset(g_grid_dialog_race_name, 0, sizeof g_grid_dialog_race_name);
        write_file(NAMES_FILE, "Alice\r\nBruno\r\nChlo\xE9\r\n");
        write_file(TRANSPONDERS_FILE, "000101\r\n000102\r\n000103\r\n");
    }

    // The command, with the dialog it opens driven by the script.
    void run(int id, DLGPROC procedure, DialogDriver::Script script)
    {
        drive_dialog(
            procedure, [&] { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); },
            std::move(script));
    }

    // Alice on line 1, Chloé on line 3, Bruno on the last line.
    void compose_three_cars()
    {
        run(IDM_STARTING_GRID, starting_grid_dialog_proc, [](HWND dialog) {
            choose(dialog, 1, "Alice");
            choose(dialog, 3, "Chlo\xE9");
            choose(dialog, 20, "Bruno");
            for (int line : {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
                choose(dialog, line, "(NA)");
            SetDlgItemTextA(dialog, IDC_GRID_RACE_NAME, "Finale");
            DialogDriver::command(dialog, IDOK);
        });
    }

    std::vector<int> usable_passage_buttons()
    {
        std::vector<int> lines;
        for (int line = 1; line <= GRID_SLOTS; line++)
            if (enabled(IDC_CAR_1 - 1 + line))
                lines.push_back(line);
        return lines;
    }
};

TEST_F(MenuCommands, StartingGridBuildsTheRaceFromTheGridFileItsDialogWrote)
{
    create_window();
    compose_three_cars();
    // No grid file yet when the dialog opened; the window read the new one.
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{GRID_ERROR});
    EXPECT_EQ(g_results_clean, 1);
    EXPECT_EQ(g_scan_ready, 1);
    EXPECT_EQ(g_grid_composed, 1);
    EXPECT_STREQ(g_race_name, "Finale");
    EXPECT_STREQ(g_race_name_trailer, "000001");
    EXPECT_STREQ(g_grid_composition[2].name, "Chlo\xE9");
    EXPECT_STREQ(g_grid_composition[2].transponder, "000103");
    EXPECT_STREQ(g_grid_composition[1].name, "(NA)");
    EXPECT_EQ(g_car_count, 3);
    EXPECT_EQ(g_board_visible_rows, 3);
    EXPECT_STREQ(g_car_records[19].name, "Bruno");
    EXPECT_STREQ(g_car_records[19].transponder, "000102");
    // Exactly the buttons of the lines that hold a pilot.
    EXPECT_EQ(usable_passage_buttons(), (std::vector<int>{1, 3, 20}));
    // The results file holds the fresh race.
    std::vector<CarRecord> cars(GRID_SLOTS);
    char key[RANKING_KEY_SIZE] = "";
    ASSERT_EQ(read_detailed_results(cars.data(), key), 1);
    EXPECT_STREQ(cars[0].name, "Alice");
    EXPECT_EQ(cars[0].laps, 0);
}

TEST_F(MenuCommands, TransponderModesUseTheWindowsDatabaseThatThePilotsCommandReadsAgain)
{
    create_window();
    ASSERT_EQ(g_own_chips_mode, 1);
    // The window's database, loaded at its creation, now differs from the files.
    strcpy(g_pilot_records[0].transponder, "000777");
    compose_three_cars();
    EXPECT_STREQ(g_grid_composition[0].transponder, "000777");
    EXPECT_STREQ(g_car_records[0].transponder, "000777");
    EXPECT_STREQ(g_grid_composition[2].transponder, "000103");

    press(IDC_MIXED_SCAN);
    compose_three_cars();
    for (int line = 0; line < GRID_SLOTS; line++) {
        EXPECT_STREQ(g_grid_composition[line].transponder, "") << line;
        EXPECT_STREQ(g_car_records[line].transponder, "") << line;
    }
    EXPECT_EQ(g_car_count, 3);

    // Fewer and shorter names than the window holds; Echap writes nothing.
    write_file(NAMES_FILE, "Zo\r\n");
    write_file(TRANSPONDERS_FILE, "000007\r\n");
    run(IDM_PILOTS, pilot_database_dialog_proc,
        [](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); });
    EXPECT_STREQ(g_pilot_records[0].name, "Zo");
    EXPECT_STREQ(g_pilot_records[1].name, "");
    EXPECT_STREQ(g_pilot_records[1].transponder, "");
}

TEST_F(MenuCommands, EchapStillReadsTheGridAgainAndMakesTheResultsClean)
{
    create_window();
    compose_three_cars();
    g_results_clean = g_scan_ready = 0;
    g_car_records[0].laps = 12;
    strcpy(g_text_elapsed, "0:03:10");  // the clock as the last race left it
    run(IDM_STARTING_GRID, starting_grid_dialog_proc, [](HWND dialog) {
        choose(dialog, 2, "Bruno");
        DialogDriver::command(dialog, IDCANCEL);
    });
    EXPECT_EQ(g_results_clean, 1);
    EXPECT_EQ(g_scan_ready, 1);
    EXPECT_STREQ(g_grid_composition[1].name, "(NA)");  // the cancelled choice is not there
    EXPECT_EQ(g_car_records[0].laps, 0);
    EXPECT_STREQ(g_text_elapsed, "0:00:00");
    EXPECT_EQ(usable_passage_buttons(), (std::vector<int>{1, 3, 20}));
}

TEST_F(MenuCommands, AMissingGridFileIsToldWithTheStopIconAndTheRowsHeldStay)
{
    create_window();
    compose_three_cars();
    remove(GRID_FILE);
    boxes_.clear();
    run(IDM_STARTING_GRID, starting_grid_dialog_proc,
        [](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); });
    // The dialog's own box, then the window's.
    ASSERT_EQ(boxes_.texts(), (std::vector<std::string>{GRID_ERROR, GRID_ERROR}));
    EXPECT_FALSE(boxes_.boxes()[0].hand_icon);
    EXPECT_TRUE(boxes_.boxes()[1].hand_icon);
    EXPECT_EQ(boxes_.boxes()[1].caption, "Erreur");
    EXPECT_EQ(boxes_.boxes()[1].owner, window_);
    EXPECT_STREQ(g_grid_composition[19].name, "Bruno");
    EXPECT_EQ(g_grid_composed, 1);
}

TEST_F(MenuCommands, RaceOptionsReachTheRaceOnlyAtTheNextDepart)
{
    create_window();
    compose_three_cars();
    ASSERT_STREQ(g_ranking_key, RANKING_LAPS_THEN_TIME);
    run(IDM_RACE_OPTIONS, race_options_dialog_proc, [](HWND dialog) {
        DialogDriver::click(dialog, IDC_OPTIONS_RANK_BEST_LAP);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_STREQ(g_ranking_key, RANKING_LAPS_THEN_TIME);

    // The results file written now still names the ranking in force.
    run(IDM_DETAILED_RESULTS, detailed_results_dialog_proc,
        [](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    std::vector<CarRecord> cars(GRID_SLOTS);
    char key[RANKING_KEY_SIZE] = "";
    ASSERT_EQ(read_detailed_results(cars.data(), key), 1);
    EXPECT_STREQ(key, RANKING_LAPS_THEN_TIME);

    press(IDC_START);
    EXPECT_STREQ(g_ranking_key, RANKING_BEST_LAP);
    press(IDC_STOP);
}

// The window's box, then the dialog's own when it cannot read the file either.
TEST_F(MenuCommands, DetailedResultsThatCannotBeWrittenAreToldAndTheDialogStillOpens)
{
    create_window();
    ASSERT_TRUE(CreateDirectoryA(RESULTS_FILE, 0));
    run(IDM_DETAILED_RESULTS, detailed_results_dialog_proc,
        [](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    ASSERT_EQ(boxes_.texts(), (std::vector<std::string>{RESULTS_ERROR, RESULTS_ERROR}));
    EXPECT_TRUE(boxes_.boxes()[0].hand_icon);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Erreur");
    EXPECT_EQ(boxes_.boxes()[0].owner, window_);
    EXPECT_FALSE(boxes_.boxes()[1].hand_icon);
    EXPECT_NE(boxes_.boxes()[1].owner, window_);
}

TEST_F(MenuCommands, HelpOpensTheFrenchDocumentBesideTheProgram)
{
    static std::string opened;
    set_shell_open_hook([](HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show) {
        opened = verb + (" " + std::string(file)) + (show == SW_SHOWNORMAL ? "" : " not shown");
        return reinterpret_cast<HINSTANCE>(33);
    });
    create_window();
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDM_HELP, 0), 0);
    set_shell_open_hook(0);
    EXPECT_EQ(opened, "open " + std::string(g_program_folder) + "\\guides\\HelpOrlaSequentFR.pdf");
}

}  // namespace
