// What a user of each of the six builds reads in the build's own language:
// the laps controls and the board's race length, the error boxes of the main
// window and of the interface dialog, and control texts that fit their
// controls. This source is compiled once per build (BUILD_LANGUAGE).
#include <windows.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "detailed_results.h"
#include "dialog_ids.h"
#include "dialog_driver.h"
#include "display_settings.h"
#include "pilot_database.h"
#include "race_options.h"
#include "sound_settings.h"
#include "starting_grid.h"
#include "interface_dialog.h"
#include "window_fixture.h"
#include "window_ids.h"
#include "window_texts.h"

namespace {

struct Build {
    const char *language, *laps_radio, *laps_label;
    const char *race_length;  // a race of 4999 laps on the board
    // Across from the right edge W: the laps edit's x, its label's x and width.
    int laps_x, label_x, label_width;
    // The transponder mode group's width, the two radios' widths, and the scan
    // box's and status's x offsets and widths.
    int mode_group, own_chips, mixed_scan, scan_x, scan_width, status_x, status_width;
    const char *caption;
    // The boxes of a window created without any of its files, in order.
    const char *creation_boxes[6];
    const char *interface_dialog_box;
    // The starting grid dialog's file box: the English build keeps its
    // French words and caption.
    const char *grid_dialog_caption, *grid_dialog_box;
};

const Build BUILDS[] = {
    {"fr", "Nbre tours", "tours ", "4999 tours", 195, 151, 39, 330, 105, 105, 320, 60, 390, 110,
     "Erreur",
     {"Erreur: impossible d'ouvrir la base de donn\xE9" "es Pilotes",
      "Erreur: impossible d'ouvrir la base de donn\xE9" "es Transpondeurs",
      "Erreur: impossible d'ouvrir le fichier Dur\xE9" "e Course",
      "Erreur: impossible d'ouvrir le fichier Options Courses",
      "Erreur: impossible d'ouvrir le fichier r\xE9glages sons",
      "Erreur: impossible d'ouvrir le fichier R\xE9glage Affichage"},
     "Erreur: impossible d'ouvrir le fichier interface Port COM",
     "Erreur", "Erreur: impossible d'ouvrir le fichier Composition S\xE9rie"},
    {"de", "Runden", "Rd.", "4999 Rund.", 195, 151, 45, 360, 105, 105, 320, 60, 390, 160,
     "Fehler",
     {"Fehler: Die Fahrerdatenbank kann nicht ge\xF6" "ffnet werden",
      "Fehler: Die Transponderdatenbank kann nicht ge\xF6" "ffnet werden",
      "Fehler: Die Datei Renndauer kann nicht ge\xF6" "ffnet werden",
      "Fehler: Die Datei Rennoptionen kann nicht ge\xF6" "ffnet werden",
      "Fehler: Die Datei Toneinstellungen kann nicht ge\xF6" "ffnet werden",
      "Fehler: Die Datei Anzeigeeinstellungen kann nicht ge\xF6" "ffnet werden"},
     "Fehler: Datei Schnittstelle COM-Port kann nicht ge\xF6" "ffnet werden",
     "Fehler", "Fehler: Die Datei Startaufstellung kann nicht ge\xF6" "ffnet werden"},
    {"pt", "N.\xBA voltas", "vltas", "4999 vltas", 195, 151, 43, 330, 130, 105, 320, 60, 390, 125,
     "Erro",
     {"Erro: n\xE3o \xE9 poss\xEDvel abrir a base de dados de pilotos",
      "Erro: n\xE3o \xE9 poss\xEDvel abrir a base de dados de transponders",
      "Erro: n\xE3o \xE9 poss\xEDvel abrir o ficheiro Dura\xE7\xE3o da corrida",
      "Erro: n\xE3o \xE9 poss\xEDvel abrir o ficheiro Op\xE7\xF5" "es da corrida",
      "Erro: n\xE3o \xE9 poss\xEDvel abrir o ficheiro Defini\xE7\xF5" "es de som",
      "Erro: n\xE3o \xE9 poss\xEDvel abrir o ficheiro Defini\xE7\xF5" "es de visualiza\xE7\xE3o"},
     "Erro: n\xE3o \xE9 poss\xEDvel abrir o ficheiro Interface Porta COM",
     "Erro", "Erro: n\xE3o \xE9 poss\xEDvel abrir o ficheiro Composi\xE7\xE3o da s\xE9rie"},
    {"it", "N. giri", "giri ", "4999 giri", 195, 151, 39, 330, 115, 105, 320, 60, 390, 133,
     "Errore",
     {"Errore: impossibile aprire il database Piloti",
      "Errore: impossibile aprire il database Transponder",
      "Errore: impossibile aprire il file Durata gara",
      "Errore: impossibile aprire il file Opzioni gara",
      "Errore: impossibile aprire il file Impostazioni suoni",
      "Errore: impossibile aprire il file Impostazioni visualizzazione"},
     "Errore: impossibile aprire il file Interfaccia Porta COM",
     "Errore", "Errore: impossibile aprire il file Composizione batteria"},
    {"es", "Vueltas", "vltas", "4999 vltas", 205, 161, 54, 330, 115, 85, 300, 65, 375, 130,
     "Error",
     {"Error: no se puede abrir la base de datos de pilotos",
      "Error: no se puede abrir la base de datos de transpondedores",
      "Error: no se puede abrir el archivo Duraci\xF3n de la carrera",
      "Error: no se puede abrir el archivo Opciones de carrera",
      "Error: no se puede abrir el archivo Ajustes de sonido",
      "Error: no se puede abrir el archivo Ajustes de pantalla"},
     "Error: no se puede abrir el archivo Interfaz Puerto COM",
     "Error", "Error: no se puede abrir el archivo Composici\xF3n de la serie"},
    {"en", "Laps", "laps ", "4999 laps", 195, 151, 39, 330, 120, 120, 330, 60, 400, 125,
     "Error",
     {"Error: cannot open the Drivers database",
      "Error: cannot open the Transponders database",
      "Error: cannot open the Race length file",
      "Error: cannot open the Race options file",
      "Error: cannot open the Sound settings file",
      "Error: cannot open the Display settings file"},
     "Error: cannot open the Interface COM port file",
     "Erreur", "Erreur: impossible d'ouvrir le fichier Composition S\xE9rie"},
};

const Build &this_build()
{
    for (const Build &b : BUILDS)
        if (strcmp(b.language, BUILD_LANGUAGE) == 0)
            return b;
    ADD_FAILURE() << "no expectations for the build " << BUILD_LANGUAGE;
    return BUILDS[0];
}

std::string text_of(HWND control)
{
    char text[256] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// The width a control leaves its text, as it draws it: an edit its format
// rectangle, inside its border and margins; a radio or check box what lies
// right of its 13-pixel box, half a digit's gap and one pixel; a group box or
// a push button what lies inside its frame. The control's font is in dc.
LONG text_room(HWND control, const char *cls, LONG style, HDC dc)
{
    RECT r;
    if (lstrcmpiA(cls, "Edit") == 0) {
        SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r.right - r.left;
    }
    GetClientRect(control, &r);
    if (lstrcmpiA(cls, "Button") != 0)
        return r.right;
    const LONG type = style & BS_TYPEMASK;
    const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                     type == BS_AUTORADIOBUTTON;
    if (box && !(style & BS_PUSHLIKE)) {
        INT digit = 0;
        GetCharWidth32A(dc, '0', '0', &digit);
        return r.right - 13 - digit / 2 - 1;
    }
    return r.right - (type == BS_GROUPBOX ? 16 : 6);
}

// One past the last column that a line of text inks, drawn from x 0 in the
// font: what the text needs, the side bearings of its letters included.
LONG ink_width(HFONT font, const std::string &text)
{
    const LONG width = 1024, height = 64;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = 0;
    HDC dc = CreateCompatibleDC(0);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, 0, 0);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HGDIOBJ old_font = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    const DWORD *pixels = static_cast<const DWORD *>(bits);
    memset(bits, 0xFF, width * height * 4);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 0, 0, text.data(), static_cast<int>(text.size()));
    GdiFlush();
    LONG ink = 0;
    for (LONG i = 0; i < width * height; i++)
        if ((pixels[i] & 0xFFFFFF) != 0xFFFFFF && i % width >= ink)
            ink = i % width + 1;
    SelectObject(dc, old_font);
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

// A label paints its whole rectangle over the fields and buttons made before
// it: it must leave them, their borders included, uncovered.
void expect_label_clear(HWND parent, HWND label, const std::string &text, const char *where)
{
    RECT mine, theirs, common;
    GetWindowRect(label, &mine);
    for (HWND o = GetWindow(parent, GW_CHILD); o != label; o = GetWindow(o, GW_HWNDNEXT)) {
        char cls[16] = "";
        GetClassNameA(o, cls, sizeof cls);
        GetWindowRect(o, &theirs);
        const bool group = lstrcmpiA(cls, "Button") == 0 &&
                           (GetWindowLongA(o, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        if (IsWindowVisible(o) && !group && lstrcmpiA(cls, "Static") != 0) {
            EXPECT_FALSE(IntersectRect(&common, &mine, &theirs))
                << where << ": \"" << text << "\" covers control " << GetDlgCtrlID(o);
        }
    }
}

// Every shown word of the window's controls is whole on its control: a
// static text in the lines its height holds, any other on its one line, as
// far as its letters ink. Combo boxes, multiline edits and the edits a user
// types numbers into scroll.
void expect_texts_fit(HWND parent, const char *where)
{
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[16] = "";
        GetClassNameA(c, cls, sizeof cls);
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        std::string text = text_of(c);
        text.erase(text.find_last_not_of(' ') + 1);  // a trailing blank shows nothing
        const bool is_static = lstrcmpiA(cls, "Static") == 0;
        const bool is_label = is_static || lstrcmpiA(cls, "Edit") == 0;
        if (text.empty() || !(style & WS_VISIBLE) || lstrcmpiA(cls, "ComboBox") == 0 ||
            (lstrcmpiA(cls, "Edit") == 0 &&
             (style & (ES_MULTILINE | ES_NUMBER | ES_READONLY)) != ES_READONLY) ||
            (lstrcmpiA(cls, "Button") == 0 && (style & BS_BITMAP)) ||
            (is_static && (style & SS_TYPEMASK) > SS_RIGHT))
            continue;
        RECT client;
        GetClientRect(c, &client);
        const HFONT font = reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0));
        HDC dc = GetDC(c);
        HGDIOBJ old = SelectObject(dc, font);
        const LONG room = text_room(c, cls, style, dc);
        RECT need = {0, 0, room, 0};
        if (is_static)
            DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
        else
            need.right = ink_width(font, text);
        SelectObject(dc, old);
        ReleaseDC(c, dc);
        EXPECT_LE(need.right, room) << where << ": \"" << text << "\" is cut across";
        if (is_static) {
            EXPECT_LE(need.bottom, client.bottom) << where << ": \"" << text << "\" is cut below";
        }
        if (is_label)
            expect_label_clear(parent, c, text, where);
    }
}

using BuildTexts = MainWindowTest;

TEST_F(BuildTexts, LapsControlsAndRaceLengthInPlaceAndEveryTextWhole)
{
    const Build &b = this_build();
    write_all_files(test_display_settings(20));
    write_file("DureeCourse.txt", "MODECOURSETours\r\n0\r\n10\r\n4999\r\n5\r\n");
    ASSERT_TRUE(create_window());
    EXPECT_STREQ(g_text_race_length, b.race_length);
    EXPECT_EQ(text_of(GetDlgItem(window_, IDC_RACE_BY_LAPS)), b.laps_radio);
    EXPECT_EQ(text_of(GetDlgItem(window_, IDC_LAPS_LABEL)), b.laps_label);

    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int mode_x = 720 * w / 1600;
    const struct {
        int id, x, width;
    } places[] = {
        {IDC_LAPS, w - b.laps_x, 42},
        {IDC_LAPS_LABEL, w - b.label_x, b.label_width},
        {IDC_TRANSPONDER_MODE_GROUP, mode_x + 200, b.mode_group},
        {IDC_OWN_CHIPS, mode_x + 205, b.own_chips},
        {IDC_MIXED_SCAN, mode_x + 205, b.mixed_scan},
        {IDC_SCAN, mode_x + b.scan_x, b.scan_width},
        {IDC_SCAN_STATUS, mode_x + b.status_x, b.status_width},
    };
    for (const auto &p : places) {
        RECT r;
        GetWindowRect(GetDlgItem(window_, p.id), &r);
        MapWindowPoints(0, window_, reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ(r.left, p.x) << p.id;
        EXPECT_EQ(r.right - r.left, p.width) << p.id;
    }

    // Every text shows whole, the time controls' and the scan's too, in
    // each state the scan shows.
    expect_texts_fit(window_, "race by laps");
    SendMessageA(window_, WM_COMMAND, IDC_RACE_BY_TIME, 0);
    SendMessageA(window_, WM_COMMAND, IDC_MIXED_SCAN, 0);
    expect_texts_fit(window_, "race by time, scan");
    for (const char *state : {SCAN_LEARNING_TEXT, SCAN_VERIFYING_TEXT, SCAN_VERIFIED_TEXT}) {
        SetDlgItemTextA(window_, IDC_SCAN_STATUS, state);
        expect_texts_fit(window_, state);
    }

    // A dialog's switch shows its other words: the pilots' scan its "On".
    const struct {
        DLGPROC procedure;
        void (*open)(HWND owner);
        const char *name;
        int switch_id;
    } dialogs[] = {
        {pilot_database_dialog_proc, open_pilot_database_dialog, "pilots", IDC_PILOT_DB_SCAN},
        {starting_grid_dialog_proc, open_starting_grid_dialog, "grid", 0},
        {race_options_dialog_proc, open_race_options_dialog, "options", 0},
        {detailed_results_dialog_proc, open_detailed_results_dialog, "results", 0},
        {sound_settings_dialog_proc, open_sound_settings_dialog, "sounds", 0},
        {display_settings_dialog_proc, open_display_settings_dialog, "display", 0},
        {interface_dialog_proc, open_interface_dialog, "interface", 0},
    };
    for (const auto &d : dialogs) {
        drive_dialog(d.procedure, [&d] { d.open(0); }, [&d](HWND dialog) {
            expect_texts_fit(dialog, d.name);
            if (d.switch_id) {
                DialogDriver::click(dialog, d.switch_id);
                expect_texts_fit(dialog, d.name);
            }
            DialogDriver::command(dialog, IDCANCEL);
        });
    }
}

TEST_F(BuildTexts, ErrorBoxesSpeakTheBuildsLanguage)
{
    const Build &b = this_build();
    ASSERT_TRUE(create_window());
    ASSERT_EQ(boxes_.boxes().size(), 6u);
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(boxes_.boxes()[i].caption, b.caption);
        EXPECT_EQ(boxes_.boxes()[i].text, b.creation_boxes[i]);
    }

    boxes_.clear();
    drive_dialog(interface_dialog_proc, [] { open_interface_dialog(0); },
                 [](HWND dialog) { DialogDriver::command(dialog, IDOK); });
    drive_dialog(starting_grid_dialog_proc, [] { open_starting_grid_dialog(0); },
                 [](HWND dialog) { DialogDriver::command(dialog, IDCANCEL); });
    // The interface file's box, then the two pilot files' and the grid's.
    ASSERT_EQ(boxes_.boxes().size(), 4u);
    EXPECT_EQ(boxes_.boxes()[0].caption, b.caption);
    EXPECT_EQ(boxes_.boxes()[0].text, b.interface_dialog_box);
    EXPECT_EQ(boxes_.boxes()[3].caption, b.grid_dialog_caption);
    EXPECT_EQ(boxes_.boxes()[3].text, b.grid_dialog_box);
}

}  // namespace
