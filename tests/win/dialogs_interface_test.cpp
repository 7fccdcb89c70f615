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
const COLORREF RED = RGB(255, 0, 0);
const COLORREF GREEN = RGB(0, 255, 0);

std::string settings_line(const std::string &port, int connected, const char *kind)
{
    return port + "\t" + std::to_string(connected) + "\t" + kind + "\r\n";
}

// The port the list shows chosen, "" when none is.
std::string selected_port(HWND dialog)
{
    return DialogDriver::text(dialog, IDC_INTERFACE_COM_PORT);
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

// Whatever answers, or nothing, the file tells the engine which decoder it
// is: a VQ1 owner's races must never wait for a clock reset.
TEST_F(InterfaceDialog, OuvrirIdentifiesTheDecoderWritesTheFileAndLeavesThePortOpen)
{
    const struct {
        const char *options;
        const char *found;
        int radio;
        const char *kind;
    } decoders[] = {
        {"--kind vq2usb --serial 42", " D\xE9" "codeur VQ2 USB n\xB0" "000042 connect\xE9 !\r\n",
         IDC_INTERFACE_VQ2, DECODER_KIND_VQ2_USB},
        {"--kind vq2bt --serial 7",
         " D\xE9" "codeur VQ2 Bluetooth n\xB0" "000007 connect\xE9 !\r\n",
         IDC_INTERFACE_VQ2_BLUETOOTH, DECODER_KIND_VQ2_BLUETOOTH},
        {"--kind vq1", " Interface VQ1 USB pr\xEAte \xE0 fonctionner !\r\n", IDC_INTERFACE_VQ1,
         DECODER_KIND_VQ1},
    };
    write_lamp("images/voyantRouge.bmp", RED);
    write_lamp("images/voyantVert.bmp", GREEN);
    for (const auto &d : decoders) {
        ComLine line;
        ASSERT_NE('\0', line.port()[0]) << "no free COM line";
        SimulatedDecoder decoder(line.port(), std::string("--baud 0 ") + d.options);
        ASSERT_EQ("", decoder.failure());
        write_file(INTERFACE_SETTINGS_FILE, settings_line(line.port(), 0, DECODER_KIND_VQ1));
        open([&](HWND dialog) {
            EXPECT_EQ(DialogDriver::pixel(dialog, 281, 411), RED);
            EXPECT_EQ(selected_port(dialog), line.port());
            DialogDriver::command(dialog, IDC_INTERFACE_OPEN);
            EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES),
                      std::string(OPENING) + " Ouverture du port COM OK !\r\n" + d.found +
                          " Logiciel pr\xEAt \xE0 fonctionner !");
            for (int id : {IDC_INTERFACE_VQ1, IDC_INTERFACE_VQ2, IDC_INTERFACE_VQ2_BLUETOOTH})
                EXPECT_EQ(DialogDriver::checked(dialog, id), id == d.radio) << d.options;
            EXPECT_EQ(DialogDriver::pixel(dialog, 281, 411), GREEN);
            DialogDriver::command(dialog, IDOK);
        });
        EXPECT_EQ(read_file(INTERFACE_SETTINGS_FILE), settings_line(line.port(), 1, d.kind));
        EXPECT_NE(INVALID_HANDLE_VALUE, g_com_handle);
        close_com_port();
    }
    EXPECT_TRUE(boxes_.boxes().empty());
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

// A port the list does not hold, even the start of one, selects nothing;
// Ouvrir then opens nothing and writes an empty port name. A radio clicked
// before writes nothing.
TEST_F(InterfaceDialog, UnknownPortSelectsNothingAndRadiosWriteNothing)
{
    write_file(INTERFACE_SETTINGS_FILE, settings_line("COM", 1, DECODER_KIND_VQ2_USB));
    open([](HWND dialog) {
        EXPECT_EQ(selected_port(dialog), "");
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES),
                  " Interface VQ2 USB pr\xEAte \xE0 fonctionner.");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ2));
        DialogDriver::click(dialog, IDC_INTERFACE_VQ1);
        EXPECT_STREQ(g_interface_dialog_kind, DECODER_KIND_VQ1);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(INTERFACE_SETTINGS_FILE), settings_line("COM", 1, DECODER_KIND_VQ2_USB));

    open([](HWND dialog) {
        DialogDriver::command(dialog, IDC_INTERFACE_OPEN);
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES),
                  std::string(OPENING) + OPEN_FAILED);
        DialogDriver::command(dialog, IDOK);
    });
    EXPECT_EQ(read_file(INTERFACE_SETTINGS_FILE), settings_line("", 0, DECODER_KIND_VQ1));
}

// A file that cannot be read is told and the dialog opens on what it held:
// at a first opening, no port and the VQ2 radio. One that cannot be written
// is told after Ouvrir.
TEST_F(InterfaceDialog, AFileThatCannotBeReadOrWrittenIsTold)
{
    ASSERT_TRUE(CreateDirectoryA(INTERFACE_SETTINGS_FILE, 0));
    open([](HWND dialog) {
        EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES), " Port COM non ouvert !");
        EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ2));
        DialogDriver::command(dialog, IDC_INTERFACE_OPEN);
        DialogDriver::command(dialog, IDOK);
    });
    const char error[] = "Erreur: impossible d'ouvrir le fichier interface Port COM";
    ASSERT_EQ(boxes_.texts(), (std::vector<std::string>{error, error}));
    EXPECT_NE(boxes_.boxes()[1].owner, HWND(0));
    EXPECT_FALSE(boxes_.boxes()[1].hand_icon);
}

// The command silences the link while the dialog is open and has the engine
// read the file again afterwards.
TEST_F(InterfaceDialog, CommandStopsTheLinkBeforeAndMarksTheSettingsStaleAfter)
{
    // Status 1 with a kind it does not know: no text, the VQ2 radio.
    write_file(INTERFACE_SETTINGS_FILE, settings_line("COM99", 1, "ZelquanodrimVQ3"));
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
            EXPECT_EQ(selected_port(dialog), "COM99");
            EXPECT_EQ(DialogDriver::text(dialog, IDC_INTERFACE_MESSAGES), "");
            EXPECT_TRUE(DialogDriver::checked(dialog, IDC_INTERFACE_VQ2));
            for (int id = IDC_INTERFACE_VQ1; id <= IDC_INTERFACE_PORT_GROUP; id++)
                EXPECT_EQ(DialogDriver::font(dialog, id),
                          id < IDC_INTERFACE_DECODER_GROUP ? "Arial 16 0" : "Arial 16 700");
            DialogDriver::command(dialog, IDOK);
        });
    EXPECT_EQ(loaded_in_dialog, 1);
    EXPECT_EQ(g_interface_loaded, 0);
}

}  // namespace
