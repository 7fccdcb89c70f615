// Start-up: the menu bar with its item bitmaps, the class classeF, the
// maximised main window, the decoder found on the port of the interface
// settings, the engine's timer and the message loop.
#include "startup.h"

#include <stdio.h>
#include <string.h>

#include "interface_settings.h"
#include "main_window.h"
#include "race_model.h"
#include "resource_ids.h"
#include "serial_port.h"
#include "window_ids.h"
#include "window_texts.h"

namespace {

uint32_t system_tick_count(void)
{
    return GetTickCount();
}

int64_t system_performance_counter(void)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

int64_t system_performance_frequency(void)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

// The checked image is always the start bitmap; each item loads its own copies.
void set_item_bitmap(HMENU bar, UINT id, int32_t bitmap)
{
    SetMenuItemBitmaps(bar, id, MF_BYCOMMAND, LoadBitmapA(g_hinstance, MAKEINTRESOURCEA(bitmap)),
                       LoadBitmapA(g_hinstance, MAKEINTRESOURCEA(IDB_START)));
}

void show_message(HWND window, const char *text, const char *caption)
{
    MessageBoxA(window, text, caption, MB_OK);
}

}  // namespace

void install_system_clock(void)
{
    static const TimeSource system_clock = {system_tick_count, system_performance_counter,
                                            system_performance_frequency};
    set_time_source(&system_clock);
}

HMENU build_menu_bar(void)
{
    // In menu order; an item without id is a separator, one without bitmap
    // has no image.
    struct MenuItem {
        int32_t popup;
        UINT id;
        const char *text;
        int32_t bitmap;
    };
    static const MenuItem items[] = {
        {0, IDM_PILOTS, MENU_PILOTS_TEXT, IDB_MENU_PILOTS},
        {1, IDM_STARTING_GRID, MENU_STARTING_GRID_TEXT, IDB_MENU_PILOTS},
        {1, 0, "", 0},
        {1, IDM_RACE_OPTIONS, MENU_RACE_OPTIONS_TEXT, IDB_MENU_OPTIONS},
        {1, 0, "", 0},
        {1, IDM_DETAILED_RESULTS, MENU_DETAILED_RESULTS_TEXT, 0},
        {2, IDM_SOUND_SETTINGS, MENU_SOUNDS_TEXT, IDB_MENU_SOUNDS},
        {2, 0, "", 0},
        {2, IDM_DISPLAY_SETTINGS, MENU_DISPLAY_TEXT, IDB_MENU_DISPLAY},
        {2, 0, "", 0},
        {2, IDM_INTERFACE_SETTINGS, MENU_INTERFACE_TEXT, IDB_MENU_INTERFACE},
        {3, IDM_HELP, MENU_HELP_TEXT, 0},
    };
    static const char *const popup_texts[] = {MENU_DATABASE_TEXT, MENU_RACE_TEXT,
                                              MENU_SETTINGS_TEXT, MENU_HELP_POPUP_TEXT};
    const int32_t popup_count = sizeof popup_texts / sizeof popup_texts[0];

    HMENU popups[popup_count];
    for (int32_t p = 0; p < popup_count; p++)
        popups[p] = CreateMenu();
    for (const MenuItem &item : items)
        AppendMenuA(popups[item.popup], item.id ? MF_STRING : MF_SEPARATOR, item.id, item.text);
    HMENU bar = CreateMenu();
    for (int32_t p = 0; p < popup_count; p++)
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popups[p]), popup_texts[p]);
    for (const MenuItem &item : items)
        if (item.bitmap)
            set_item_bitmap(bar, item.id, item.bitmap);
    return bar;
}

int32_t register_main_class(void)
{
    WNDCLASSEXA wc;
    memset(&wc, 0, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = main_window_proc;
    wc.hIcon = LoadIconA(g_hinstance, MAKEINTRESOURCEA(IDI_MAIN));
    wc.hCursor = LoadCursorA(0, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(200, 200, 200));
    wc.lpszClassName = MAIN_WINDOW_CLASS;
    return RegisterClassExA(&wc) != 0;
}

// Only the port name is taken from the file: whether a decoder answers, and
// which, is found out now, whatever the file said.
void connect_decoder(HWND window)
{
    char port_name[COM_PORT_NAME_SIZE] = "";
    char kind[DECODER_KIND_SIZE] = "";
    int32_t connected = 0;
    if (!read_interface_settings(port_name, &connected, kind))
        show_message(window, INTERFACE_FILE_ERROR_TEXT, ERROR_CAPTION_TEXT);

    connected = 0;
    lstrcpynA(kind, DECODER_KIND_VQ1, sizeof kind);
    if (!open_com_port(port_name)) {
        show_message(window, PORT_OPEN_FAILED_TEXT, MESSAGE_CAPTION_TEXT);
    } else {
        int32_t serial_number = 0;
        const int32_t found = identify_decoder(IDENTIFY_WINDOW_MS, &serial_number);
        connected = 1;
        char text[160];
        if (found == IDENTIFY_KIND_USB) {
            lstrcpynA(kind, DECODER_KIND_VQ2_USB, sizeof kind);
            snprintf(text, sizeof text, VQ2_USB_CONNECTED_FORMAT, static_cast<int>(serial_number));
        } else if (found == IDENTIFY_KIND_BLUETOOTH) {
            lstrcpynA(kind, DECODER_KIND_VQ2_BLUETOOTH, sizeof kind);
            snprintf(text, sizeof text, VQ2_BLUETOOTH_CONNECTED_FORMAT,
                     static_cast<int>(serial_number));
        } else {
            lstrcpynA(text, VQ1_CONNECTED_TEXT, sizeof text);
        }
        show_message(window, text, MESSAGE_CAPTION_TEXT);
    }

    if (!write_interface_settings(port_name, connected, kind))
        show_message(window, INTERFACE_FILE_ERROR_TEXT, ERROR_CAPTION_TEXT);
}

int run_program(HINSTANCE instance)
{
    g_hinstance = instance;
    install_system_clock();
    g_menu_bar = build_menu_bar();
    if (!register_main_class())
        return 0;
    HWND window = CreateWindowExA(0, MAIN_WINDOW_CLASS, MAIN_WINDOW_TITLE, WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                                  g_menu_bar, instance, 0);
    if (!window)
        return 0;
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);

    char folder[PROGRAM_FOLDER_SIZE];
    enter_program_folder(folder);
    connect_decoder(window);
    SetTimer(window, TIMER_ENGINE, ENGINE_TICK_MS, 0);

    MSG message;
    while (GetMessageA(&message, 0, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
