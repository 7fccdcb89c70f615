// Start-up pieces in the test process: the interface settings file, the menu
// bar, and the decoder found on a port (a VQ2 on Bluetooth here; the real
// program's start-up is run end to end in tests/e2e).
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "interface_settings.h"
#include "resource_ids.h"
#include "serial_port.h"
#include "simulated_decoder.h"
#include "startup.h"
#include "window_fixture.h"
#include "window_ids.h"

namespace {

using InterfaceFile = MainWindowTest;

struct ReadBack {
    int32_t result;
    std::string port;
    int32_t connected;
    std::string kind;
};

ReadBack read_back(int32_t connected_before)
{
    char port[COM_PORT_NAME_SIZE];
    char kind[DECODER_KIND_SIZE];
    memset(port, 'x', sizeof port);
    memset(kind, 'y', sizeof kind);
    port[COM_PORT_NAME_SIZE - 1] = 0;
    kind[DECODER_KIND_SIZE - 1] = 0;
    int32_t connected = connected_before;
    const int32_t result = read_interface_settings(port, &connected, kind);
    // Read within the fields: a name that fills its field has lost its end.
    return {result, std::string(port, strnlen(port, sizeof port)), connected,
            std::string(kind, strnlen(kind, sizeof kind))};
}

TEST_F(InterfaceFile, WrittenLineReadsBack)
{
    ASSERT_TRUE(write_interface_settings("COM4", 1, "ZelquanodrimVQ2"));
    EXPECT_EQ(read_file("R\xE9glagesInterface2.rg"), "COM4\t1\tZelquanodrimVQ2\r\n");
    const ReadBack r = read_back(7);
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.port, "COM4");
    EXPECT_EQ(r.connected, 1);
    EXPECT_EQ(r.kind, "ZelquanodrimVQ2");
}

TEST_F(InterfaceFile, MissingOrReadOnlyFileChangesNothing)
{
    const ReadBack r = read_back(7);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.port, "xxxxx");
    EXPECT_EQ(r.connected, 7);
    // Held by another program, it cannot be opened for writing too: it counts as missing.
    ASSERT_TRUE(write_interface_settings("COM4", 1, "ZelquanodrimVQ2"));
    HANDLE held = CreateFileA("R\xE9glagesInterface2.rg", GENERIC_READ, FILE_SHARE_READ, 0,
                              OPEN_EXISTING, 0, 0);
    EXPECT_EQ(read_back(7).result, 0);
    CloseHandle(held);
}

// Three whitespace-separated fields, blanks before them skipped; the line
// written after a start without a port keeps its empty name.
TEST_F(InterfaceFile, HandEditedLinesReadAsThreeFields)
{
    const struct {
        std::string file;
        const char *port;
        int32_t connected;
        std::string kind;
    } cases[] = {
        {" COM4\t1\tZelquanodrimVQ2", "COM4", 1, "ZelquanodrimVQ2"},
        {"\r\nCOM4\t1\tZelquanodrimVQ2\r\n", "COM4", 1, "ZelquanodrimVQ2"},
        {"\n\t COM9  -0\n ZelquanodrimVQ2Bluetooth", "COM9", 0, "ZelquanodrimVQ2Bluetooth"},
        {"\t0\tZelquanodrim\r\n", "", 0, "Zelquanodrim"},
        {"COM2 ZelquanodrimVQ2\n", "COM2", 7, ""},
        {"COM123456789\t1\t" + std::string(200, 'K') + "\n", "COM12", 1,
         std::string(DECODER_KIND_SIZE - 1, 'K')},
    };
    for (const auto &c : cases) {
        write_file("R\xE9glagesInterface2.rg", c.file);
        const ReadBack r = read_back(7);
        EXPECT_EQ(r.port, c.port) << c.file;
        EXPECT_EQ(r.connected, c.connected) << c.file;
        EXPECT_EQ(r.kind, c.kind) << c.file;
    }
}

TEST_F(InterfaceFile, ProgramFolderTooLongForItsBufferIsNotEntered)
{
    char folder[PROGRAM_FOLDER_SIZE] = "unchanged";
    set_program_files_override(std::string(PROGRAM_FOLDER_SIZE - 21, 'x').c_str());
    EXPECT_EQ(enter_program_folder(folder), 0);
    EXPECT_STREQ(folder, "unchanged");
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(folder_, current);

    // One character less and the path fills the buffer exactly.
    set_program_files_override(std::string(PROGRAM_FOLDER_SIZE - 22, 'x').c_str());
    EXPECT_EQ(enter_program_folder(folder), 1);
    EXPECT_EQ(strlen(folder), static_cast<size_t>(PROGRAM_FOLDER_SIZE - 1));
    SetCurrentDirectoryA(folder_.c_str());
}

TEST(MenuBar, PopupsAndItemsInOrderWithTheirBitmaps)
{
    g_hinstance = GetModuleHandleA(0);
    HMENU bar = build_menu_bar();
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    char text[64];
    const char *popups[] = {"Base de donn\xE9" "es", "Course", "R\xE9glages", "?"};
    for (int i = 0; i < 4; i++) {
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, popups[i]);
    }
    HMENU race = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(race), 5);
    EXPECT_EQ(GetMenuState(race, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    // Each item in its place, with its text and its pictures as the program's
    // bitmaps hold them.
    struct Item {
        int popup, position;
        UINT id;
        const char *text;
        int bitmap;
    };
    const Item items[] = {{0, 0, IDM_PILOTS, "Pilotes", IDB_MENU_PILOTS},
                          {1, 0, IDM_STARTING_GRID, "Grille de d\xE9part", IDB_MENU_PILOTS},
                          {1, 2, IDM_RACE_OPTIONS, "Options", IDB_MENU_OPTIONS},
                          {1, 4, IDM_DETAILED_RESULTS, "Detail r\xE9sultats", 0},
                          {2, 0, IDM_SOUND_SETTINGS, "Sons", IDB_MENU_SOUNDS},
                          {2, 2, IDM_DISPLAY_SETTINGS, "Affichage", IDB_MENU_DISPLAY},
                          {2, 4, IDM_INTERFACE_SETTINGS, "Interface", IDB_MENU_INTERFACE},
                          {3, 0, IDM_HELP, "Aide", 0}};
    for (const Item &item : items) {
        EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, item.popup), item.position), item.id);
        GetMenuStringA(bar, item.id, text, sizeof text, MF_BYCOMMAND);
        EXPECT_STREQ(text, item.text);
        MENUITEMINFOA info = {sizeof info, MIIM_CHECKMARKS, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        ASSERT_TRUE(GetMenuItemInfoA(bar, item.id, FALSE, &info)) << item.id;
        EXPECT_EQ(picture(info.hbmpUnchecked), picture(item.bitmap)) << item.id;
        EXPECT_EQ(picture(info.hbmpChecked), picture(item.bitmap ? IDB_START : 0)) << item.id;
    }
    DestroyMenu(bar);
}

TEST_F(InterfaceFile, BluetoothDecoderIsNamedAndWritten)
{
    SimulatedDecoder decoder("COM24", "--kind vq2bt --serial 7");
    ASSERT_EQ(decoder.failure(), "");
    // A hand-edited file: an empty first line and a blank before the port.
    write_file("R\xE9glagesInterface2.rg", "\r\n COM24\t0\tZelquanodrim\r\n");
    connect_decoder(0);
    close_com_port();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].caption, "Message");
    EXPECT_EQ(boxes_.boxes()[0].text, "D\xE9" "codeur VQ2 Bluetooth n\xB0" "000007 connect\xE9.\r\n"
                                      "Logiciel pr\xEAt \xE0 fonctionner.");
    EXPECT_EQ(read_file("R\xE9glagesInterface2.rg"), "COM24\t1\tZelquanodrimVQ2Bluetooth\r\n");
}

}  // namespace
