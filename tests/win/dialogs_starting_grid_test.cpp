// The starting grid dialog opened as the menu command opens it, driven
// through its controls, with the grid file checked byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include <chrono>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "starting_grid.h"

namespace {

const char NAMES_FILE[] = "BaseDonn\xE9" "esNomPilotes.bd";
const char TRANSPONDERS_FILE[] = "BaseDonn\xE9" "esPuce.bd";
const char GRID_FILE[] = "CompositionSerie.txt";

const char NAMES_ERROR[] = "Erreur: impossible d'ouvrir la base de donn\xE9" "es Pilotes";
const char TRANSPONDERS_ERROR[] =
    "Erreur: impossible d'ouvrir la base de donn\xE9" "es Transpondeurs";
const char GRID_ERROR[] = "Erreur: impossible d'ouvrir le fichier Composition S\xE9rie";

const std::string EMPTY_LINE = "(NA)\t100000\r\n";

std::string repeat(const std::string &line, int count)
{
    std::string lines;
    for (int i = 0; i < count; i++)
        lines += line;
    return lines;
}

HWND slot_list(HWND dialog, int line)
{
    return GetDlgItem(dialog, IDC_GRID_SLOT_1 + line - 1);
}

std::vector<std::string> entries(HWND dialog, int line)
{
    std::vector<std::string> names;
    HWND list = slot_list(dialog, line);
    const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        char name[64] = "";
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        names.push_back(name);
    }
    return names;
}

// The selected entry's text, "" without a selection.
std::string selected(HWND dialog, int line)
{
    return DialogDriver::text(dialog, IDC_GRID_SLOT_1 + line - 1);
}

void choose(HWND dialog, int line, const char *name)
{
    HWND list = slot_list(dialog, line);
    const LRESULT index =
        SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(name));
    ASSERT_NE(index, CB_ERR) << name;
    SendMessageA(list, CB_SETCURSEL, index, 0);
    // As a choice with the mouse tells the dialog, which stays open.
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_GRID_SLOT_1 + line - 1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "line " << line;
}

class StartingGridDialog : public DialogTest {
protected:
    void SetUp() override
    {
        // Each test is a first opening in a run of the program.
        memset(g_grid_dialog_records, 0, sizeof(PilotRecord) * MAX_PILOTS);
        memset(g_grid_dialog_composition, 0, sizeof(PilotRecord) * GRID_SLOTS);
        memset(g_grid_dialog_race_name, 0, sizeof g_grid_dialog_race_name);
        memset(g_grid_dialog_race_name_trailer, 0, sizeof g_grid_dialog_race_name_trailer);
    }

    // The pilots stand in the files unsorted; the lists sort them.
    void write_database()
    {
        write_file(NAMES_FILE, "Zoe\r\nAlice\r\nBruno\r\nChlo\xE9\r\n");
        write_file(TRANSPONDERS_FILE, "000104\r\n000101\r\n000102\r\n000103\r\n");
    }

    // Alice as the database spells her; Bruno in other letter case; a pilot
    // deleted from the database since, whose name begins Zoe's; empty lines.
    void write_grid()
    {
        write_file(GRID_FILE, "Alice\t000101\r\nbruno\t999999\r\nZo\t000555\r\n" +
                                  repeat(EMPTY_LINE, 17) + "Finale A\t000001\r\n");
    }

    void open(DialogDriver::Script script)
    {
        DialogTest::open(starting_grid_dialog_proc, open_starting_grid_dialog, std::move(script));
    }
};

TEST_F(StartingGridDialog, ListsOfferNaAndThePilotsSortedAndSelectTheGridFromTheFile)
{
    write_database();
    write_grid();
    open([](HWND dialog) {
        const std::vector<std::string> offered = {"(NA)", "Alice", "Bruno", "Chlo\xE9", "Zoe"};
        for (int line = 1; line <= GRID_SLOTS; line++)
            EXPECT_EQ(entries(dialog, line), offered) << "line " << line;
        EXPECT_EQ(selected(dialog, 1), "Alice");
        EXPECT_EQ(selected(dialog, 2), "Bruno");  // found whatever the letter case
        EXPECT_EQ(selected(dialog, 3), "");       // no longer in the database
        EXPECT_EQ(selected(dialog, 4), "(NA)");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_GRID_RACE_NAME), "Finale A");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
    // Names and transponders as the database holds them now.
    EXPECT_EQ(read_file(GRID_FILE), "Alice\t000101\r\nBruno\t000102\r\n" +
                                        repeat(EMPTY_LINE, 18) + "Finale A\t000001\r\n");
}

TEST_F(StartingGridDialog, OkWritesTheChosenPilotsWithTheirTransponders)
{
    write_database();
    write_grid();
    open([](HWND dialog) {
        choose(dialog, 1, "(NA)");
        choose(dialog, 5, "Chlo\xE9");
        choose(dialog, 6, "Zoe");
        choose(dialog, 20, "Zoe");  // one pilot on two lines
        DialogDriver::set_text(dialog, IDC_GRID_RACE_NAME, "Manche 2");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(GRID_FILE), EMPTY_LINE + "Bruno\t000102\r\n" + repeat(EMPTY_LINE, 2) +
                                        "Chlo\xE9\t000103\r\nZoe\t000104\r\n" +
                                        repeat(EMPTY_LINE, 13) + "Zoe\t000104\r\n" +
                                        "Manche 2\t000001\r\n");
}

TEST_F(StartingGridDialog, EchapTheCloseBoxAndEscapeLeaveTheGridFileUntouched)
{
    write_database();
    write_grid();
    const std::string before = read_file(GRID_FILE);
    const auto &ways = DialogDriver::ways_out_without_ok();
    for (size_t way = 0; way < ways.size(); way++) {
        open([&](HWND dialog) {
            choose(dialog, 1, "Zoe");
            DialogDriver::set_text(dialog, IDC_GRID_RACE_NAME, "Autre");
            ways[way](dialog);
        });
        EXPECT_EQ(read_file(GRID_FILE), before) << "way " << way;
    }
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(StartingGridDialog, MissingFilesAreToldAndAFirstOpeningWritesEmptyNames)
{
    open([](HWND dialog) {
        for (int line = 1; line <= GRID_SLOTS; line++) {
            EXPECT_EQ(entries(dialog, line), std::vector<std::string>{"(NA)"});
            EXPECT_EQ(selected(dialog, line), "");
        }
        EXPECT_EQ(DialogDriver::text(dialog, IDC_GRID_RACE_NAME), "");
        DialogDriver::command(dialog, IDOK);
    });
    const std::vector<std::string> told = {NAMES_ERROR, TRANSPONDERS_ERROR, GRID_ERROR};
    EXPECT_EQ(boxes_.texts(), told);
    for (const RecordedBox &box : boxes_.boxes()) {
        EXPECT_EQ(box.caption, "Erreur");
        EXPECT_FALSE(box.yes_no);
        EXPECT_FALSE(box.hand_icon);
    }
    // An empty name matches the first empty database record.
    EXPECT_EQ(read_file(GRID_FILE), repeat("\t\r\n", 20) + "\t000001\r\n");
}

TEST_F(StartingGridDialog, AFailedReadingShowsTheRowsOfTheLastOpeningAgain)
{
    write_database();
    write_grid();
    open([](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); });
    remove(GRID_FILE);
    open([](HWND dialog) {
        EXPECT_EQ(selected(dialog, 1), "Alice");
        EXPECT_EQ(selected(dialog, 2), "Bruno");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_GRID_RACE_NAME), "Finale A");
        DialogDriver::command(dialog, IDCANCEL);
    });
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{GRID_ERROR});
}

TEST_F(StartingGridDialog, RaceNameOf54CharactersReadIsKeptAndTypingStopsAt53)
{
    write_database();
    const std::string long_name(54, 'n');
    write_file(GRID_FILE, repeat(EMPTY_LINE, 20) + long_name + "\t000001\r\n");
    open([&](HWND dialog) {
        EXPECT_EQ(DialogDriver::text(dialog, IDC_GRID_RACE_NAME), long_name);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(GRID_FILE), repeat(EMPTY_LINE, 20) + long_name + "\t000001\r\n");

    open([](HWND dialog) {
        DialogDriver::set_text(dialog, IDC_GRID_RACE_NAME, "");
        DialogDriver::type(dialog, IDC_GRID_RACE_NAME, std::string(60, 't').c_str());
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(GRID_FILE), repeat(EMPTY_LINE, 20) + std::string(53, 't') + "\t000001\r\n");
}

TEST_F(StartingGridDialog, AGridFileThatCannotBeWrittenIsToldAndTheDialogCloses)
{
    write_database();
    ASSERT_TRUE(CreateDirectoryA(GRID_FILE, 0));
    open([](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{GRID_ERROR, GRID_ERROR}));
}

TEST_F(StartingGridDialog, FontsAreArial16GivenByRoleAndDeletedWhenItCloses)
{
    write_database();
    write_grid();
    std::vector<HFONT> fonts;
    open([&](HWND dialog) {
        EXPECT_EQ(DialogDriver::font(dialog, IDC_GRID_TITLE), "Arial 16 700");
        EXPECT_EQ(DialogDriver::font(dialog, IDC_GRID_COLUMN_LABEL_2), "Arial 16 700 underlined");
        EXPECT_EQ(DialogDriver::font(dialog, IDC_GRID_SLOT_1 + 19), "Arial 16 0");
        EXPECT_EQ(DialogDriver::font(dialog, IDC_GRID_SLOT_LABEL_1 + 19), "Arial 16 0");
        for (int id : {IDC_GRID_TITLE, IDC_GRID_COLUMN_LABEL_1, IDOK})
            fonts.push_back(DialogDriver::font_handle(dialog, id));
        // No template font: a dialog unit is two pixels.
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, 740);
        EXPECT_EQ(client.bottom, 460);
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    ASSERT_EQ(fonts.size(), 3u);
    for (HFONT font : fonts)
        EXPECT_EQ(GetObjectType(font), 0u);
}

TEST_F(StartingGridDialog, AThousandPilotsFillTheTwentyLists)
{
    std::string names;
    std::string transponders;
    char line[32];
    for (int i = 0; i < MAX_PILOTS; i++) {
        snprintf(line, sizeof line, "Pilot %04d\r\n", 999 - i);
        names += line;
        snprintf(line, sizeof line, "%06d\r\n", i);
        transponders += line;
    }
    write_file(NAMES_FILE, names);
    write_file(TRANSPONDERS_FILE, transponders);
    const auto start = std::chrono::steady_clock::now();
    open([](HWND dialog) {
        EXPECT_EQ(entries(dialog, 20).size(), 1001u);
        EXPECT_EQ(entries(dialog, 20)[1], "Pilot 0000");
        choose(dialog, 1, "Pilot 0000");
        DialogDriver::command(dialog, IDOK);
    });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Shown, not checked: tests side by side make it vary too much.
    printf("starting grid dialog with 1000 pilots: %.3f s\n", seconds);
    // Pilot 0000 stands last in the file, with transponder 999.
    EXPECT_EQ(read_file(GRID_FILE).substr(0, 19), "Pilot 0000\t000999\r\n");
}

}  // namespace
