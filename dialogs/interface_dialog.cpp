// The interface dialog. The port that Ouvrir opens stays open after the
// dialog: it is the port the engine reads from then on, and the file that
// Ouvrir writes tells the engine which decoder is on it.
#include "interface_dialog.h"

#include <stdio.h>
#include <string.h>

#include "bitmap_painter.h"
#include "dialog_common.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "interface_settings.h"
#include "main_window.h"
#include "serial_port.h"

char g_interface_dialog_kind[DECODER_KIND_SIZE];
int32_t g_interface_dialog_status;

namespace {

const int32_t LAST_COM_PORT = 99;
const RECT INTERFACE_LAMP_RECT = {280, 410, 320, 450};
const char RED_LAMP_FILE[] = "images/voyantRouge.bmp";
const char GREEN_LAMP_FILE[] = "images/voyantVert.bmp";
const int32_t MESSAGES_SIZE = 512;

HFONT g_interface_dialog_font;
HFONT g_interface_dialog_bold_font;

// Each radio stands for one decoder kind, with the text that an opening
// shows for a port found ready with that decoder.
struct KindRadio {
    int32_t id;
    const char *kind;
    const char *ready_text;
};

const KindRadio KIND_RADIOS[] = {
    {IDC_INTERFACE_VQ1, DECODER_KIND_VQ1, INTERFACE_READY_VQ1_TEXT},
    {IDC_INTERFACE_VQ2, DECODER_KIND_VQ2_USB, INTERFACE_READY_VQ2_USB_TEXT},
    {IDC_INTERFACE_VQ2_BLUETOOTH, DECODER_KIND_VQ2_BLUETOOTH, INTERFACE_READY_VQ2_BLUETOOTH_TEXT},
};

const KindRadio *find_kind(const char *kind)
{
    for (const KindRadio &radio : KIND_RADIOS)
        if (strcmp(radio.kind, kind) == 0)
            return &radio;
    return 0;
}

const KindRadio *find_kind_radio(int32_t id)
{
    for (const KindRadio &radio : KIND_RADIOS)
        if (radio.id == id)
            return &radio;
    return 0;
}

void check_kind_radio(HWND dialog, int32_t id)
{
    CheckRadioButton(dialog, IDC_INTERFACE_VQ1, IDC_INTERFACE_VQ2_BLUETOOTH, id);
}

void store_kind(const char *kind)
{
    memset(g_interface_dialog_kind, 0, sizeof g_interface_dialog_kind);
    lstrcpynA(g_interface_dialog_kind, kind, sizeof g_interface_dialog_kind);
}

void set_messages(HWND dialog, const char *text)
{
    SetDlgItemTextA(dialog, IDC_INTERFACE_MESSAGES, text);
}

void redraw_lamp(HWND dialog)
{
    RedrawWindow(dialog, &INTERFACE_LAMP_RECT, 0,
                 RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW);
}

void make_fonts(HWND dialog)
{
    static const int32_t plain_ids[] = {
        IDOK, IDC_INTERFACE_MESSAGES, IDC_INTERFACE_COM_PORT, IDC_INTERFACE_OPEN,
        IDC_INTERFACE_VQ1, IDC_INTERFACE_VQ2, IDC_INTERFACE_VQ2_BLUETOOTH,
    };
    static const int32_t bold_ids[] = {
        IDC_INTERFACE_TITLE, IDC_INTERFACE_MESSAGES_GROUP, IDC_INTERFACE_PORT_GROUP,
        IDC_INTERFACE_DECODER_GROUP,
    };
    make_dialog_fonts(dialog, plain_ids, bold_ids, &g_interface_dialog_font,
                      &g_interface_dialog_bold_font);
}

// Every build, the English one included, names the file in its own words
// and caption here, unlike the other editing dialogs.
void show_interface_file_error(HWND dialog)
{
    show_error(dialog, DIALOG_INTERFACE_FILE_ERROR_TEXT, 0);
}

// A file that cannot be read leaves what the last opening held.
INT_PTR on_init_dialog(HWND dialog)
{
    for (int32_t n = 1; n <= LAST_COM_PORT; n++) {
        char name[COM_PORT_NAME_SIZE];
        snprintf(name, sizeof name, "COM%d", static_cast<int>(n));
        SendDlgItemMessageA(dialog, IDC_INTERFACE_COM_PORT, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name));
    }
    char port_name[COM_PORT_NAME_SIZE] = "";
    if (!read_interface_settings(port_name, &g_interface_dialog_status, g_interface_dialog_kind))
        show_interface_file_error(dialog);

    // Anything but the two other kinds, no kind at all included, shows the VQ2.
    const KindRadio *radio = find_kind(g_interface_dialog_kind);
    check_kind_radio(dialog, radio && radio->id != IDC_INTERFACE_VQ2 ? radio->id
                                                                     : IDC_INTERFACE_VQ2);
    if (g_interface_dialog_status == 1 && radio)
        SendDlgItemMessageA(dialog, IDC_INTERFACE_MESSAGES, EM_REPLACESEL, FALSE,
                            reinterpret_cast<LPARAM>(radio->ready_text));
    else if (g_interface_dialog_status == 0)
        set_messages(dialog, INTERFACE_PORT_NOT_OPEN_TEXT);

    const LRESULT index = SendDlgItemMessageA(dialog, IDC_INTERFACE_COM_PORT, CB_FINDSTRINGEXACT,
                                              static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(port_name));
    if (index != CB_ERR)
        SendDlgItemMessageA(dialog, IDC_INTERFACE_COM_PORT, CB_SETCURSEL, index, 0);
    make_fonts(dialog);
    redraw_lamp(dialog);
    return FALSE;
}

// Any status but these two paints no lamp.
INT_PTR on_paint(HWND dialog)
{
    const char *lamp = g_interface_dialog_status == 0   ? RED_LAMP_FILE
                       : g_interface_dialog_status == 1 ? GREEN_LAMP_FILE
                                                        : 0;
    if (lamp)
        paint_bitmap_file(dialog, lamp, INTERFACE_LAMP_RECT.left, INTERFACE_LAMP_RECT.top);
    return FALSE;
}

INT_PTR close_dialog(HWND dialog, INT_PTR result)
{
    return end_dialog(dialog, &g_interface_dialog_font, &g_interface_dialog_bold_font, result);
}

// The decoder found on the open port: a VQ2 tells its kind and serial
// number, and a port where nothing answers is taken for a VQ1.
void identify_on_open_port(HWND dialog)
{
    int32_t serial_number = 0;
    const int32_t answer = identify_decoder(IDENTIFY_WINDOW_MS, &serial_number);
    const KindRadio *radio = &KIND_RADIOS[0];
    char messages[MESSAGES_SIZE];
    if (answer == IDENTIFY_NO_ANSWER) {
        snprintf(messages, sizeof messages, "%s%s%s%s", INTERFACE_OPENING_TEXT,
                 INTERFACE_OPEN_OK_TEXT, INTERFACE_VQ1_FOUND_TEXT, INTERFACE_SOFTWARE_READY_TEXT);
    } else {
        radio = &KIND_RADIOS[answer == IDENTIFY_KIND_USB ? 1 : 2];
        snprintf(messages, sizeof messages, "%s%s%s%06d%s%s", INTERFACE_OPENING_TEXT,
                 INTERFACE_OPEN_OK_TEXT,
                 answer == IDENTIFY_KIND_USB ? INTERFACE_VQ2_USB_FOUND_TEXT
                                             : INTERFACE_VQ2_BLUETOOTH_FOUND_TEXT,
                 static_cast<int>(serial_number), INTERFACE_CONNECTED_TEXT,
                 INTERFACE_SOFTWARE_READY_TEXT);
    }
    g_interface_dialog_status = 1;
    store_kind(radio->kind);
    check_kind_radio(dialog, radio->id);
    set_messages(dialog, messages);
}

// The previous port is closed even when the chosen one then fails to open,
// and the file is written whatever the outcome.
void open_chosen_port(HWND dialog)
{
    close_com_port();
    char port_name[COM_PORT_NAME_SIZE] = "";
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_INTERFACE_COM_PORT, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR)
        SendDlgItemMessageA(dialog, IDC_INTERFACE_COM_PORT, CB_GETLBTEXT, index,
                            reinterpret_cast<LPARAM>(port_name));
    set_messages(dialog, INTERFACE_OPENING_TEXT);
    g_interface_dialog_status = 0;

    if (open_com_port(port_name)) {
        identify_on_open_port(dialog);
    } else {
        char messages[MESSAGES_SIZE];
        snprintf(messages, sizeof messages, "%s%s", INTERFACE_OPENING_TEXT,
                 INTERFACE_OPEN_FAILED_TEXT);
        set_messages(dialog, messages);
        store_kind(DECODER_KIND_VQ1);
    }
    if (!write_interface_settings(port_name, g_interface_dialog_status, g_interface_dialog_kind))
        show_interface_file_error(dialog);
    redraw_lamp(dialog);
}

// The radios show the kind; the next Ouvrir sets it from what answers.
INT_PTR on_command(HWND dialog, int32_t id)
{
    if (id == IDOK)
        return close_dialog(dialog, TRUE);
    if (id == IDC_INTERFACE_OPEN) {
        open_chosen_port(dialog);
        return TRUE;
    }
    if (id == IDC_INTERFACE_MESSAGES || id == IDC_INTERFACE_COM_PORT)
        return TRUE;
    const KindRadio *radio = find_kind_radio(id);
    if (!radio)
        return close_dialog(dialog, FALSE);
    store_kind(radio->kind);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK interface_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_PAINT: return on_paint(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam));
    case WM_CLOSE: return close_dialog(dialog, FALSE);
    default: return FALSE;
    }
}

void open_interface_dialog(HWND owner)
{
    DialogBoxParamA(g_hinstance, "INTERFACE", owner, interface_dialog_proc, 0);
}
