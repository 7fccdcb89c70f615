// The pilot database dialog opened by the Pilotes menu command of the main
// window: pilots added and deleted, transponders typed or read from a
// simulated decoder with the dialog's Scan, the two files Ok writes, and what
// the window takes from them after the dialog in both transponder modes.
#include <string.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "import_hook.h"
#include "interface_settings.h"
#include "main_window.h"
#include "pilot_database.h"
#include "race_fixture.h"
#include "run_state.h"
#include "window_ids.h"

namespace {

const char NAMES_FILE[] = "BaseDonn\xE9" "esNomPilotes.bd";
const char TRANSPONDERS_FILE[] = "BaseDonn\xE9" "esPuce.bd";
const char NAMES_ERROR[] = "Erreur: impossible d'ouvrir la base de donn\xE9" "es Pilotes";
const char TRANSPONDERS_ERROR[] =
    "Erreur: impossible d'ouvrir la base de donn\xE9" "es Transpondeurs";
const char INTERFACE_ERROR[] = "Erreur: impossible d'ouvrir le fichier Interface Port COM";

std::vector<std::string> listed(HWND dialog)
{
    std::vector<std::string> names;
    HWND list = GetDlgItem(dialog, IDC_PILOT_DB_LIST);
    const LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; i++) {
        char name[64] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
        names.push_back(name);
    }
    return names;
}

std::string number_shown(HWND dialog)
{
    char number[16] = "";
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_NUMBER, LB_GETTEXT, 0,
                        reinterpret_cast<LPARAM>(number));
    return number;
}

int selected(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_PILOT_DB_LIST, LB_GETCURSEL, 0, 0));
}

// What a click on a list entry does.
void select(HWND dialog, int index)
{
    SendDlgItemMessageA(dialog, IDC_PILOT_DB_LIST, LB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PILOT_DB_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PILOT_DB_LIST)));
}

void add(HWND dialog, const char *name)
{
    DialogDriver::set_text(dialog, IDC_PILOT_DB_NEW_NAME, name);
    DialogDriver::click(dialog, IDC_PILOT_DB_ADD);
}

// The dialog's timer and the loading of its lamp images, seen on their way to
// the system: a slower timer makes the lamp's steps uneven, and a monochrome
// load, which Wine ignores, shows the lamps black and white on Windows.
decltype(&SetTimer) g_set_timer;
decltype(&LoadImageA) g_load_image;
UINT g_timer_ms;
UINT g_lamp_load_flags;

UINT_PTR WINAPI set_timer_seen(HWND window, UINT_PTR id, UINT ms, TIMERPROC callback)
{
    if (window)  // not one of the test driver's own
        g_timer_ms = ms;
    return g_set_timer(window, id, ms, callback);
}

HANDLE WINAPI load_image_seen(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy,
                              UINT flags)
{
    if (!IS_INTRESOURCE(name) && strstr(name, "voyantScanPuce"))
        g_lamp_load_flags |= flags;
    return g_load_image(instance, name, type, cx, cy, flags);
}

bool read_only(HWND dialog, int id)
{
    return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY) != 0;
}

class PilotDatabase : public RaceWindow {
protected:
    void SetUp() override
    {
        RaceWindow::SetUp();
        memset(g_pilot_dialog_decoder_kind, 0, sizeof g_pilot_dialog_decoder_kind);
        g_scan_lamp_phase = 0;
        write_database();
    }

    // After write_settings(), which writes an empty one. The transponder past
    // the last pilot belongs to no one, nor to a pilot added after.
    void write_database()
    {
        write_file(NAMES_FILE, "bruno\r\nAlice\r\n");
        write_file(TRANSPONDERS_FILE, "000102\r\n000101\r\n000999\r\n");
    }

    // The Pilotes command, with its dialog driven by the script.
    void run(DialogDriver::Script script)
    {
        drive_dialog(
            pilot_database_dialog_proc,
            [&] { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDM_PILOTS, 0), 0); },
            std::move(script));
        EXPECT_EQ(0, g_pilot_dialog_open);
    }

    // One tick of the dialog's timer after the clock moved on by ms.
    void dialog_tick(HWND dialog, uint32_t ms = 10)
    {
        clock_.advance(ms);
        SendMessageA(dialog, WM_TIMER, 1, 0);
    }
};

TEST_F(PilotDatabase, AddingAndDeletingPilotsThenOkWritesBothFiles)
{
    create_window();
    run([](HWND dialog) {
        EXPECT_EQ(1, g_pilot_dialog_open);
        // As the files hold them, the first selected.
        EXPECT_EQ(listed(dialog), (std::vector<std::string>{"bruno", "Alice"}));
        EXPECT_EQ("1", number_shown(dialog));
        EXPECT_EQ("bruno", DialogDriver::text(dialog, IDC_PILOT_DB_NAME));
        EXPECT_EQ("000102", DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER));
        for (int id = IDC_PILOT_DB_ADD; id <= IDC_PILOT_DB_TRANSPONDER_LABEL; id++) {
            const bool bold = id == IDC_PILOT_DB_NAME || id == IDC_PILOT_DB_SCAN_STATE ||
                              id == IDC_PILOT_DB_TITLE || id == IDC_PILOT_DB_LIST_LABEL;
            EXPECT_EQ(DialogDriver::font(dialog, id), bold ? "Arial 16 700" : "Arial 16 0") << id;
        }

        add(dialog, "bruno 2");
        EXPECT_EQ(listed(dialog), (std::vector<std::string>{"Alice", "bruno", "bruno 2"}));
        EXPECT_EQ(2, selected(dialog));
        EXPECT_EQ("3", number_shown(dialog));
        EXPECT_EQ("", DialogDriver::text(dialog, IDC_PILOT_DB_NEW_NAME));
        EXPECT_EQ("", DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER));
        // Typed key by key: kept at the sixth digit, a seventh refused.
        DialogDriver::type(dialog, IDC_PILOT_DB_TRANSPONDER, "00010");  // too short
        EXPECT_STREQ("", g_pilot_dialog_records[2].transponder);
        DialogDriver::type(dialog, IDC_PILOT_DB_TRANSPONDER, "34");
        EXPECT_EQ("000103", DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER));
        EXPECT_TRUE(DialogDriver::shows_whole(dialog, IDC_PILOT_DB_TRANSPONDER));
        EXPECT_STREQ("000103", g_pilot_dialog_records[2].transponder);

        // Refused silently, the name left typed in.
        for (const char *refused : {"ALICE", " Zoe", ""}) {
            add(dialog, refused);
            EXPECT_EQ(3u, listed(dialog).size()) << refused;
            EXPECT_EQ(refused, DialogDriver::text(dialog, IDC_PILOT_DB_NEW_NAME));
        }
        DialogDriver::type(dialog, IDC_PILOT_DB_NEW_NAME, std::string(60, 'x').c_str());
        EXPECT_EQ(48u, DialogDriver::text(dialog, IDC_PILOT_DB_NEW_NAME).size());

        // A shorter transponder typed over Alice's keeps the one she has.
        select(dialog, 0);
        EXPECT_EQ("1", number_shown(dialog));
        EXPECT_EQ("000101", DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER));
        DialogDriver::set_text(dialog, IDC_PILOT_DB_TRANSPONDER, "99");

        // Supprimer takes bruno, and no other, away, then adds the name left typed in.
        select(dialog, 1);
        DialogDriver::set_text(dialog, IDC_PILOT_DB_NEW_NAME, "Dora");
        DialogDriver::click(dialog, IDC_PILOT_DB_DELETE);
        EXPECT_EQ(listed(dialog), (std::vector<std::string>{"Alice", "bruno 2", "Dora"}));
        EXPECT_EQ(2, selected(dialog));
        // With nothing typed in, the first pilot is selected after.
        DialogDriver::click(dialog, IDC_PILOT_DB_DELETE);
        EXPECT_EQ(listed(dialog), (std::vector<std::string>{"Alice", "bruno 2"}));
        EXPECT_EQ("1", number_shown(dialog));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ("Alice\r\nbruno 2\r\n", read_file(NAMES_FILE));
    EXPECT_EQ("000101\r\n000103\r\n", read_file(TRANSPONDERS_FILE));
    EXPECT_TRUE(boxes_.boxes().empty());
    // The window's database is the files' again.
    EXPECT_STREQ("bruno 2", g_pilot_records[1].name);
    EXPECT_STREQ("000103", g_pilot_records[1].transponder);
}

TEST_F(PilotDatabase, ANameHeldFarDownAndTheThousandAndFirstNameAreRefused)
{
    std::string names;
    for (int i = 0; i < MAX_PILOTS - 1; i++)
        names += "P" + std::to_string(1000 + i) + "\r\n";
    write_file(NAMES_FILE, names);
    create_window();
    run([](HWND dialog) {
        add(dialog, "p1998");
        EXPECT_EQ(999u, listed(dialog).size());
        add(dialog, "Zoe");
        add(dialog, "Zoey");
        EXPECT_EQ(1000u, listed(dialog).size());
        EXPECT_EQ("Zoey", DialogDriver::text(dialog, IDC_PILOT_DB_NEW_NAME));
        DialogDriver::command(dialog, IDCANCEL);
    });
}

TEST_F(PilotDatabase, WaysOutWithoutOkWriteNothingAndStopTheScan)
{
    create_window();
    for (const auto &way_out : DialogDriver::ways_out_without_ok()) {
        run([&way_out](HWND dialog) {
            add(dialog, "Dora");
            DialogDriver::click(dialog, IDC_PILOT_DB_SCAN);
            ASSERT_EQ(1, g_pilot_scan_on);
            way_out(dialog);
        });
        EXPECT_EQ(0, g_pilot_scan_on);
        EXPECT_EQ("bruno\r\nAlice\r\n", read_file(NAMES_FILE));
    }
}

TEST_F(PilotDatabase, ScanReadsTheDecodersPassingsIntoTheSelectedPilot)
{
    plug_decoder("vq2usb");
    write_settings();
    write_database();
    create_window();
    const COLORREF lamps[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 0, 255)};
    for (int k = 0; k < 4; k++)
        write_lamp(("images/voyantScanPuce" + std::to_string(k + 1) + ".bmp").c_str(), lamps[k]);
    ImportHook timers("user32.dll", "SetTimer", &set_timer_seen, &g_set_timer);
    ImportHook images("user32.dll", "LoadImageA", &load_image_seen, &g_load_image);
    run([&](HWND dialog) {
        EXPECT_STREQ("ZelquanodrimVQ2", g_pilot_dialog_decoder_kind);
        select(dialog, 1);
        // With the Scan off a passing is thrown away, and so is one come
        // just before the Scan is switched on.
        pass(777, 1000);
        dialog_tick(dialog, 500);
        EXPECT_EQ(0, line_bytes());
        pass(778, 1000);
        DialogDriver::click(dialog, IDC_PILOT_DB_SCAN);
        EXPECT_EQ("On", DialogDriver::text(dialog, IDC_PILOT_DB_SCAN_STATE));
        EXPECT_TRUE(read_only(dialog, IDC_PILOT_DB_TRANSPONDER));
        EXPECT_EQ(1, g_scan_lamp_phase);

        // Garbage before the header is skipped; a frame cut in two is
        // completed by the second read.
        send_raw("00 FF FF FF FF F0 01");
        dialog_tick(dialog);
        EXPECT_EQ("000101", DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER));
        send_raw("F5 00 00 01 48 E5");
        dialog_tick(dialog);
        EXPECT_EQ("000501", DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER));
        EXPECT_STREQ("000501", g_pilot_dialog_records[1].transponder);

        // The next pilot selected, the next car crossing.
        select(dialog, 0);
        pass(502, 2000);
        dialog_tick(dialog);
        EXPECT_STREQ("000502", g_pilot_dialog_records[0].transponder);

        // The lamp, as cs since the Scan went on, phase and image seen: images
        // 1 to 4 from 0, 21, 42 and 63; none from 84 with the last image left,
        // image 1 at the next tick; a tick that skips a step waits for the
        // next cycle, and 20, 41, 62 and 83 change nothing.
        const int lamp[][3] = {{20, 1, 1},   {21, 2, 2},   {41, 2, 2},   {42, 3, 3},
                               {62, 3, 3},   {63, 4, 4},   {83, 4, 4},   {84, 0, 4},
                               {85, 1, 1},   {125, 1, 1},  {168, 0, 1},  {169, 1, 1},
                               {190, 2, 2},  {230, 2, 2},  {252, 0, 2},  {253, 1, 1},
                               {274, 2, 2},  {295, 3, 3},  {335, 3, 3},  {336, 0, 3},
                               {356, 0, 3}};
        int cs = 3;
        for (const auto &l : lamp) {
            dialog_tick(dialog, (l[0] - cs) * 10);
            cs = l[0];
            EXPECT_EQ(l[1], g_scan_lamp_phase) << l[0] << " cs";
            EXPECT_EQ(lamps[l[2] - 1], DialogDriver::pixel(dialog, 606, 406)) << l[0] << " cs";
        }
        EXPECT_EQ(10u, g_timer_ms);
        EXPECT_EQ(UINT(LR_LOADFROMFILE), g_lamp_load_flags);

        // Ajouter switches the Scan off.
        add(dialog, "Chloe");
        EXPECT_EQ(0, g_pilot_scan_on);
        EXPECT_FALSE(DialogDriver::checked(dialog, IDC_PILOT_DB_SCAN));
        EXPECT_FALSE(read_only(dialog, IDC_PILOT_DB_TRANSPONDER));
        EXPECT_EQ("Off", DialogDriver::text(dialog, IDC_PILOT_DB_SCAN_STATE));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ("000501\r\n000502\r\n\r\n", read_file(TRANSPONDERS_FILE));
}

TEST_F(PilotDatabase, ScanOfAVq1TakesTheBytesInPairs)
{
    plug_decoder("vq1");
    write_settings();
    write_database();
    create_window();
    run([this](HWND dialog) {
        // A byte left alone when the Scan goes off is no half of the next pair.
        DialogDriver::click(dialog, IDC_PILOT_DB_SCAN);
        send_raw("00");
        dialog_tick(dialog);
        DialogDriver::click(dialog, IDC_PILOT_DB_SCAN);
        dialog_tick(dialog);
        DialogDriver::click(dialog, IDC_PILOT_DB_SCAN);
        // Two numbers in one read of the dialog's own timer: the last one stays.
        send_raw("00 07 FF FF");
        EXPECT_TRUE(DialogDriver::pump_until(
            [dialog] { return DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER) != "000102"; }));
        EXPECT_EQ("065535", DialogDriver::text(dialog, IDC_PILOT_DB_TRANSPONDER));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ("065535\r\n000101\r\n", read_file(TRANSPONDERS_FILE));
}

TEST_F(PilotDatabase, MixedScanEmptiesEveryGridTransponderAndOwnChipsTakeThemByName)
{
    create_window();
    compose_grid(THREE_CARS);
    press(IDC_MIXED_SCAN);
    // As a scan leaves them.
    strcpy(g_grid_composition[0].transponder, "000501");
    strcpy(g_car_records[0].transponder, "000501");
    strcpy(g_board_rows[0].transponder, "000501");
    run([](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); });
    for (int k = 0; k < GRID_SLOTS; k++) {
        EXPECT_STREQ("", g_grid_composition[k].transponder) << k;
        EXPECT_STREQ("", g_car_records[k].transponder) << k;
        EXPECT_STREQ("", g_ranking[k].transponder) << k;
        EXPECT_STREQ("", g_board_rows[k].transponder) << k;
    }

    press(IDC_OWN_CHIPS);
    run([](HWND dialog) {
        select(dialog, 1);
        DialogDriver::set_text(dialog, IDC_PILOT_DB_TRANSPONDER, "000999");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_STREQ("000999", g_grid_composition[0].transponder);
    EXPECT_STREQ("000999", g_car_records[0].transponder);
    EXPECT_STREQ("000999", g_ranking[0].transponder);
    EXPECT_STREQ("000999", g_board_rows[0].transponder);
    // Bruno and Chloe are not in the database: they keep what they held.
    EXPECT_STREQ("", g_car_records[1].transponder);
}

TEST_F(PilotDatabase, FilesThatCannotBeReadOrWrittenAreToldByTheDialogAndTheWindow)
{
    create_window();
    remove(NAMES_FILE);
    remove(TRANSPONDERS_FILE);
    remove(INTERFACE_SETTINGS_FILE);
    run([](HWND dialog) {
        EXPECT_TRUE(listed(dialog).empty());
        EXPECT_EQ("", DialogDriver::text(dialog, IDC_PILOT_DB_NAME));
        DialogDriver::set_text(dialog, IDC_PILOT_DB_TRANSPONDER, "000123");  // nobody's
        DialogDriver::command(dialog, IDCANCEL);
    });
    ASSERT_EQ(boxes_.texts(),
              (std::vector<std::string>{NAMES_ERROR, TRANSPONDERS_ERROR, INTERFACE_ERROR,
                                        NAMES_ERROR, TRANSPONDERS_ERROR}));
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ("Erreur", boxes_.boxes()[i].caption);
        EXPECT_EQ(i >= 3, boxes_.boxes()[i].hand_icon) << i;
        EXPECT_EQ(i >= 3, boxes_.boxes()[i].owner == window_) << i;
    }

    // A transponder file that can be neither read nor written: told at Ok
    // too, and the names are not written without it.
    boxes_.clear();
    ASSERT_EQ(1, write_interface_settings("COM99", 0, DECODER_KIND_VQ1));
    write_file(NAMES_FILE, "Alice\r\n");
    ASSERT_TRUE(CreateDirectoryA(TRANSPONDERS_FILE, 0));
    run([](HWND dialog) {
        add(dialog, "Bruno");
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ("Alice\r\n", read_file(NAMES_FILE));
    ASSERT_EQ(boxes_.texts(), (std::vector<std::string>{TRANSPONDERS_ERROR, TRANSPONDERS_ERROR,
                                                        TRANSPONDERS_ERROR}));
    EXPECT_FALSE(boxes_.boxes()[1].hand_icon);
    EXPECT_TRUE(boxes_.boxes()[2].hand_icon);
    EXPECT_STREQ("", g_pilot_records[1].name);
}

// Line k of the names file and of the transponder file belong to one pilot.
// A file another program holds against writing at Ok keeps both files as they
// were, and so does a file it held when the dialog opened: the dialog never
// saw its lines.
TEST_F(PilotDatabase, OkWritesNeitherFileWhenOneIsHeldOrWasNotRead)
{
    create_window();
    const std::string names = "Alice\r\nChloe\r\n";
    const std::string transponders = "000101\r\n000103\r\n";
    const struct {
        const char *held;
        const char *error;
        int held_at_opening;  // else from just before Ok
    } cases[] = {
        {TRANSPONDERS_FILE, TRANSPONDERS_ERROR, 0},
        {NAMES_FILE, NAMES_ERROR, 0},
        {TRANSPONDERS_FILE, TRANSPONDERS_ERROR, 1},
        {NAMES_FILE, NAMES_ERROR, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.held << " held at opening " << c.held_at_opening);
        write_file(NAMES_FILE, names);
        write_file(TRANSPONDERS_FILE, transponders);
        boxes_.clear();
        const auto hold = [&c] {
            return CreateFileA(c.held, GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0);
        };
        HANDLE held = c.held_at_opening ? hold() : INVALID_HANDLE_VALUE;
        run([&](HWND dialog) {
            add(dialog, "Bea");
            DialogDriver::type(dialog, IDC_PILOT_DB_TRANSPONDER, "000102");
            if (held == INVALID_HANDLE_VALUE) {
                held = hold();
                ASSERT_NE(INVALID_HANDLE_VALUE, held);
            } else {
                CloseHandle(held);
                held = INVALID_HANDLE_VALUE;
            }
            DialogDriver::command(dialog, IDOK);
        });
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        // Told by the dialog, then at Ok or by the window reading the files again.
        EXPECT_EQ(boxes_.texts(), std::vector<std::string>(2, c.error));
        EXPECT_EQ(names, read_file(NAMES_FILE));
        EXPECT_EQ(transponders, read_file(TRANSPONDERS_FILE));
    }
}

// A names file the dialog could not read leaves both files as they were when
// nothing was edited, and so does a good one; an empty line or a NUL byte in
// it loses no pilot when the database is written back.
TEST_F(PilotDatabase, ABadNamesFileCostsNoPilotAndNoTransponder)
{
    create_window();
    // A file held by a program that shares it for reading only is read-only
    // to this one, whoever runs the tests.
    enum Plant { MISSING, BYTES, READ_ONLY, FOLDER };
    const auto add_dora = [](HWND dialog) { add(dialog, "Dora"); };
    const auto delete_second = [](HWND dialog) {
        select(dialog, 1);
        DialogDriver::click(dialog, IDC_PILOT_DB_DELETE);
    };
    const std::string transponders = "000102\r\n000101\r\n000999\r\n";
    const struct {
        Plant plant;
        std::string names;
        void (*edit)(HWND dialog);  // before Ok, if any
        std::vector<std::string> listed;
        std::string names_after;
        std::string transponders_after;
        size_t told;  // boxes of the names file: the dialog's, the window's
    } cases[] = {
        {MISSING, "", 0, {}, "", transponders, 2},
        {BYTES, "", 0, {}, "", transponders, 0},
        {READ_ONLY, "bruno\r\nAlice\r\n", 0, {}, "bruno\r\nAlice\r\n", transponders, 2},
        {READ_ONLY, "bruno\r\nAlice\r\n", add_dora, {}, "bruno\r\nAlice\r\n", transponders, 3},
        {FOLDER, "", 0, {}, "", transponders, 2},
        {BYTES, "bruno\nAlice", 0, {"bruno", "Alice"}, "bruno\nAlice", transponders, 0},
        {BYTES, "Alice\r\n\r\nbruno\r\nChloe", add_dora, {"Alice", "bruno", "Chloe"},
         "Alice\r\nbruno\r\nChloe\r\nDora\r\n", "000102\r\n000999\r\n\r\n\r\n", 0},
        {BYTES, std::string("Ca\0rl\r\nbruno\r\nZo\0e\r\n", 20), delete_second,
         {"Carl", "bruno", "Zoe"}, "Carl\r\nZoe\r\n", "000102\r\n000999\r\n", 0},
        // A name held twice, also past an empty line, goes with both its records.
        {BYTES, "Alice\r\nbruno\r\n\r\nbruno\r\n", delete_second, {"Alice", "bruno", "bruno"},
         "Alice\r\n", "000102\r\n", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "plant " << c.plant << " " << c.names);
        boxes_.clear();
        DeleteFileA(NAMES_FILE);
        write_file(TRANSPONDERS_FILE, transponders);
        if (c.plant == BYTES || c.plant == READ_ONLY)
            write_file(NAMES_FILE, c.names);
        HANDLE held = c.plant != READ_ONLY ? INVALID_HANDLE_VALUE
                                           : CreateFileA(NAMES_FILE, GENERIC_READ, FILE_SHARE_READ,
                                                         0, OPEN_EXISTING, 0, 0);
        ASSERT_TRUE(c.plant != FOLDER || CreateDirectoryA(NAMES_FILE, 0));
        run([&c](HWND dialog) {
            EXPECT_EQ(listed(dialog), c.listed);
            if (c.edit)
                c.edit(dialog);
            DialogDriver::command(dialog, IDOK);
        });
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        EXPECT_EQ(boxes_.texts(), std::vector<std::string>(c.told, NAMES_ERROR));
        EXPECT_EQ(c.transponders_after, read_file(TRANSPONDERS_FILE));
        EXPECT_EQ(c.names_after, read_file(NAMES_FILE));
        EXPECT_EQ(c.plant == MISSING, GetFileAttributesA(NAMES_FILE) == INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(c.plant == FOLDER, RemoveDirectoryA(NAMES_FILE) != 0);
    }
}

}  // namespace
