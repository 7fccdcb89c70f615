// Per-test program folders under the temporary folder, and the window's
// global state put back to a program start before each test.
#include "window_fixture.h"

#include <shellapi.h>
#include <stdio.h>
#include <string.h>

#include "run_state.h"
#include "startup.h"

namespace {

std::string make_test_root()
{
    static int counter;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char root[MAX_PATH];
    snprintf(root, sizeof root, "%srt-window-%lu-%d", temp, GetCurrentProcessId(), ++counter);
    CreateDirectoryA(root, 0);
    return root;
}

void remove_tree(const std::string &path)
{
    std::string from = path + '\0';
    SHFILEOPSTRUCTA op;
    memset(&op, 0, sizeof op);
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

std::string test_root_of(const std::string &folder)
{
    return folder.substr(0, folder.rfind('\\'));
}

}  // namespace

DisplaySettings test_display_settings(int32_t font_height)
{
    DisplaySettings d;
    memset(&d, 0, sizeof d);
    d.board_style = 1;
    const int32_t widths[BOARD_COLUMNS] = {75, 330, 85, 165, 165, 165, 160, 160, 110};
    memcpy(d.column_widths, widths, sizeof widths);
    for (int32_t s = 0; s < FONT_SLOTS; s++) {
        strcpy(d.fonts[s].face, "Arial");
        d.fonts[s].height = font_height;
        d.fonts[s].weight = 400;
        d.text_colours[s] = static_cast<int32_t>(RGB(0, 0, 0));
    }
    d.colours[0] = static_cast<int32_t>(RGB(210, 210, 210));   // window
    d.colours[2] = static_cast<int32_t>(RGB(20, 30, 60));      // board
    d.colours[3] = static_cast<int32_t>(RGB(20, 30, 60));      // race name
    d.colours[5] = static_cast<int32_t>(RGB(255, 200, 0));     // just recorded
    d.colours[6] = static_cast<int32_t>(RGB(200, 0, 200));     // race best lap
    d.colours[7] = static_cast<int32_t>(RGB(0, 200, 0));       // personal best lap
    d.colours[8] = static_cast<int32_t>(RGB(60, 80, 120));     // header top
    d.colours[9] = static_cast<int32_t>(RGB(20, 30, 60));      // header bottom
    d.colours[10] = static_cast<int32_t>(RGB(255, 255, 255));  // rows top
    d.colours[11] = static_cast<int32_t>(RGB(160, 180, 220));  // rows bottom
    d.colours[12] = static_cast<int32_t>(RGB(100, 100, 100));  // lines
    return d;
}

std::string picture(HBITMAP bitmap)
{
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return "";
    std::string bits(info.bmWidthBytes * info.bmHeight, '\0');
    GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), &bits[0]);
    return bits;
}
std::string picture(int resource)
{
    HBITMAP bitmap = resource ? LoadBitmapA(g_hinstance, MAKEINTRESOURCEA(resource)) : 0;
    const std::string bits = picture(bitmap);
    DeleteObject(bitmap);
    return bits;
}

void MainWindowTest::SetUp()
{
    const std::string root = make_test_root();
    folder_ = root + "\\Zelquan Orla Sequent";
    CreateDirectoryA(folder_.c_str(), 0);
    set_program_files_override(root.c_str());
    SetCurrentDirectoryA(folder_.c_str());

    g_hinstance = GetModuleHandleA(0);
    static bool registered = register_main_class() != 0;
    ASSERT_TRUE(registered);

    memset(&g_display_settings, 0, sizeof g_display_settings);
    memset(&g_custom_colours, 0, sizeof g_custom_colours);
    memset(g_column_widths, 0, sizeof g_column_widths);
    g_board_row_height = g_board_rows_fit = g_board_visible_rows = 0;
    g_mouse_x = g_mouse_y = g_column_dragging = g_dragged_column = g_drag_start_x = 0;
    g_race_armed = g_race_running = g_scan_active = g_scan_learning = g_scan_verifying = 0;
    g_own_chips_mode = 0;
    memset(g_race_mode, 0, sizeof g_race_mode);
    g_race_hours = g_race_minutes = g_race_laps = g_countdown_seconds = 0;
    memset(g_ranking_key, 0, sizeof g_ranking_key);
    memset(g_race_name, 0, sizeof g_race_name);
    memset(g_board_rows, 0, sizeof g_board_rows);
    memset(g_pilot_records, 0, sizeof g_pilot_records);
    g_car_count = 0;
}

void MainWindowTest::TearDown()
{
    destroy_window();
    set_program_files_override(0);
    const std::string root = test_root_of(folder_);
    SetCurrentDirectoryA(test_root_of(root).c_str());
    remove_tree(root);
}

void MainWindowTest::write_file(const char *name, const std::string &bytes)
{
    FILE *f = fopen((folder_ + "\\" + name).c_str(), "wb");
    ASSERT_TRUE(f) << name;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

std::string MainWindowTest::read_file(const char *name)
{
    std::string bytes;
    FILE *f = fopen((folder_ + "\\" + name).c_str(), "rb");
    if (!f)
        return bytes;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    fclose(f);
    return bytes;
}

void MainWindowTest::write_all_files(const DisplaySettings &settings)
{
    write_file("BaseDonnéesNomPilotes.bd", "Alice\r\nBruno\r\n");
    write_file("BaseDonnéesPuce.bd", "000101\r\n000102\r\n");
    write_file("DureeCourse.txt", "MODECOURSETemps\r\n1\r\n5\r\n20\r\n5\r\n");
    write_file("OptionsCourse.race",
               "3\r\nCLASSEMENTToursTemps\r\nDEPARTSignalSonore\r\nFINTEMPSFinirTour\r\n"
               "FINTOURFinirTour\r\n");
    write_file("RéglagesSons.rg",
               "SONLANGUEFrancais\r\nSONDECOMPTEoui\r\nSONDEPARToui\r\nSONPASSAGEoui\r\n"
               "SONMEILLEURTOURoui\r\nSONHORLOGEoui\r\nSONFINCOURSEoui\r\nSONFINVOITUREoui\r\n");
    CreateDirectoryA((folder_ + "\\Private").c_str(), 0);
    CustomColours custom;
    memset(&custom, 0, sizeof custom);
    ASSERT_TRUE(write_display_settings(DISPLAY_SETTINGS_FILE, &settings, &custom));
}

HWND MainWindowTest::create_window(bool shown)
{
    window_ = CreateWindowExA(0, MAIN_WINDOW_CLASS, MAIN_WINDOW_TITLE, WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                              g_hinstance, 0);
    if (shown && window_) {
        ShowWindow(window_, SW_SHOWMAXIMIZED);
        repaint();
    }
    return window_;
}

void MainWindowTest::destroy_window()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    window_ = 0;
    // The destruction posts the quit message that ends the program's loop; a
    // later box's own loop must not take it.
    MSG m;
    while (PeekMessageA(&m, 0, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void MainWindowTest::repaint()
{
    RedrawWindow(window_, 0, 0, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG m;
    while (PeekMessageA(&m, 0, 0, 0, PM_REMOVE))
        DispatchMessageA(&m);
}

void MainWindowTest::set_up_cars(int32_t n)
{
    PilotRecord grid[GRID_SLOTS];
    memset(grid, 0, sizeof grid);
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        if (i < n)
            snprintf(grid[i].name, sizeof grid[i].name, "Car %d", static_cast<int>(i + 1));
        else
            strcpy(grid[i].name, "(NA)");
        snprintf(grid[i].transponder, sizeof grid[i].transponder, "%06d",
                 static_cast<int>(i + 1));
    }
    init_car_records(g_car_records, grid);
    g_car_count = init_ranking_rows(g_ranking, grid);
    init_board_rows(g_board_rows, g_ranking, g_car_count);
}
