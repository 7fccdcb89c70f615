// The interface dialog opened as the menu command opens it: Ouvrir on a
// simulated decoder and on a line with nothing behind it, the file it
// writes, the port it leaves open, and the link flags around the command.
#include <gtest/gtest.h>

#include <windows.h>

#include <string.h>

#include <string>

#include "decoder_protocol.h"
#include "dialog_driver.h"
#include "dialog_ids.h"
#include "interface_dialog.h"
#include "interface_settings.h"
#include "link_supervision.h"
#include "menu_commands.h"
#include "race_fixture.h"
#include "serial_port.h"
#include "window_ids.h"

namespace {

const char OPENING[] = " Tentative d'ouverture du port COM:\r\n";
const char OPEN_FAILED[] = " Echec \xE0 l'ouverture du port COM !";

std::string settings_line(const std::string &port, int connected, const char *kind)
{
    return port + "\t" + std::to_string(connected) + "\t" + kind + "\r\n";
}

std::string selected_port(HWND dialog)
{
    char name[16] = "";
    const LRESULT index =
        SendDlgItemMessageA(dialog, IDC_INTERFACE_COM_PORT, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR)
        SendDlgItemMessageA(dialog, IDC_INTERFACE_COM_PORT, CB_GETLBTEXT, index,
                            reinterpret_cast<LPARAM>(name));
    return name;
}

class InterfaceDialog : public DialogTest {
protected:
    void SetUp() override
    {
        // Each test is a first opening in a run of the program, with no port open.
        memset(g_interface_dialog_kind, 0, sizeof g_interface_dialog_kind);
        g_interface_dialog_status = 0;
        close_com_port();
    }
    void TearDown() override { close_com_port(); }

    void open(DialogDriver::Script script)
    {
        DialogTest::open(interface_dialog_proc, open_interface_dialog, std::move(script));
    }
};

TEST_F(InterfaceDialog, OuvrirFindsAVq2OnUsbWritesTheFileAndLeavesThePortOpen)
{
    ComLine line;
    ASSERT_NE('\0', line.port()[0]) << "no free COM line";
    SimulatedDecoder decoder(line.port(), "--baud 0 --kind vq2usb --serial 42");
    ASSERT_EQ("", decoder.failure());
    write_file(INTERFACE_SETTINGS_FILE, settings_line(line.port(), 0, DECODER_KIND_VQ1));
    open([&line](HWND dialog) {
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES), " Port COM non ouvert !");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ1));
        EXPECT_EQ(selected_port(dialog), line.port());
        DialogDriver::command(dialog, IDC_INTERFACE_OPEN);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES),
                  std::string(OPENING) +
                      " Ouverture du port COM OK !\r\n D\xE9" "codeur VQ2 USB n\xB0"
                      "000042 connect\xE9 !\r\n Logiciel pr\xEAt \xE0 fonctionner !");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ2));
        EXPECT_FALSE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ1));
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(read_file(INTERFACE_SETTINGS_FILE),
              settings_line(line.port(), 1, DECODER_KIND_VQ2_USB));
    EXPECT_NE(INVALID_HANDLE_VALUE, g_com_handle);
}

// The port open before is closed all the same, and the file tells the
// engine that nothing is connected.
TEST_F(InterfaceDialog, OuvrirOnALineWithNothingBehindItWritesNotConnected)
{
    ComLine line;
    ASSERT_NE('\0', line.port()[0]) << "no free COM line";
    write_file(INTERFACE_SETTINGS_FILE,
               settings_line(line.port(), 1, DECODER_KIND_VQ2_BLUETOOTH));
    open([](HWND dialog) {
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES),
                  " Interface VQ2 Bluetooth pr\xEAte \xE0 fonctionner.");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ2_BLUETOOTH));
        DialogDriver::command(dialog, IDC_INTERFACE_OPEN);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES),
                  std::string(OPENING) + OPEN_FAILED);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(INTERFACE_SETTINGS_FILE), settings_line(line.port(), 0, DECODER_KIND_VQ1));
    EXPECT_EQ(INVALID_HANDLE_VALUE, g_com_handle);
}

// A port the list does not hold selects nothing; Ouvrir then opens nothing
// and writes an empty port name. A radio clicked before writes nothing.
TEST_F(InterfaceDialog, UnknownPortSelectsNothingAndRadiosWriteNothing)
{
    write_file(INTERFACE_SETTINGS_FILE, settings_line("COM0", 1, DECODER_KIND_VQ2_USB));
    open([](HWND dialog) {
        EXPECT_EQ(selected_port(dialog), "");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ2));
        DialogDriver::click(dialog, IDC_INTERFACE_VQ1);
        EXPECT_STREQ(g_interface_dialog_kind, DECODER_KIND_VQ1);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(INTERFACE_SETTINGS_FILE), settings_line("COM0", 1, DECODER_KIND_VQ2_USB));

    open([](HWND dialog) {
        DialogDriver::command(dialog, IDC_INTERFACE_OPEN);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES),
                  std::string(OPENING) + OPEN_FAILED);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(INTERFACE_SETTINGS_FILE), settings_line("", 0, DECODER_KIND_VQ1));
}

// Without a file the dialog says so and opens on what it held: at a first
// opening, no port and the VQ2 radio.
TEST_F(InterfaceDialog, MissingFileIsReportedAndNothingIsWrittenOnOk)
{
    open([](HWND dialog) {
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES), " Port COM non ouvert !");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ2));
        DialogDriver::command(dialog, IDOK);
    });
    ASSERT_EQ(boxes_.texts(), (std::vector<std::string>{
                                  "Erreur: impossible d'ouvrir le fichier interface Port COM"}));
    EXPECT_EQ(GetFileAttributesA(INTERFACE_SETTINGS_FILE), INVALID_FILE_ATTRIBUTES);
}

// The command silences the link while the dialog is open and has the engine
// read the file again afterwards.
TEST_F(InterfaceDialog, CommandStopsTheLinkBeforeAndMarksTheSettingsStaleAfter)
{
    write_file(INTERFACE_SETTINGS_FILE, settings_line("COM0", 0, DECODER_KIND_VQ1));
    g_keepalive_active = 1;
    g_reconnect_pending = 1;
    g_interface_loaded = 1;
    int32_t loaded_in_dialog = -1;
    drive_dialog(
        interface_dialog_proc, [] { handle_menu_command(0, IDM_INTERFACE_SETTINGS); },
        [&loaded_in_dialog](HWND dialog) {
            EXPECT_EQ(g_keepalive_active, 0);
            EXPECT_EQ(g_reconnect_pending, 0);
            loaded_in_dialog = g_interface_loaded;
            DialogDriver::command(dialog, IDOK);
        });
    EXPECT_EQ(loaded_in_dialog, 1);
    EXPECT_EQ(g_interface_loaded, 0);
}

}  // namespace
