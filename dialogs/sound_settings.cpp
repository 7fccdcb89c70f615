// The sound settings dialog. It edits its own copy of the settings, loaded
// from RéglagesSons.rg when it opens; the main window reads the file again
// as soon as the dialog has closed, so only Ok changes what the race plays.
#include "sound_settings.h"

#include <string.h>

#include "dialog_common.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "main_window.h"

char g_sound_dialog_language[SOUND_LANGUAGE_SIZE];
char g_sound_dialog_countdown[SOUND_COUNTDOWN_SIZE];
char g_sound_dialog_start[SOUND_START_SIZE];
char g_sound_dialog_passing[SOUND_PASSING_SIZE];
char g_sound_dialog_best_lap[SOUND_BEST_LAP_SIZE];
char g_sound_dialog_clock[SOUND_CLOCK_SIZE];
char g_sound_dialog_race_end[SOUND_RACE_END_SIZE];
char g_sound_dialog_car_end[SOUND_CAR_END_SIZE];

namespace {

HFONT g_sound_dialog_font;
HFONT g_sound_dialog_bold_font;

// Each check box switches one buffer between its group's two keywords.
struct SoundSwitch {
    int32_t id;
    char *field;
    int32_t size;
    const char *on;
    const char *off;
};

const SoundSwitch SOUND_SWITCHES[] = {
    {IDC_SOUND_COUNTDOWN, g_sound_dialog_countdown, SOUND_COUNTDOWN_SIZE, SOUND_COUNTDOWN_ON,
     SOUND_COUNTDOWN_OFF},
    {IDC_SOUND_START, g_sound_dialog_start, SOUND_START_SIZE, SOUND_START_ON, SOUND_START_OFF},
    {IDC_SOUND_PASSING, g_sound_dialog_passing, SOUND_PASSING_SIZE, SOUND_PASSING_ON,
     SOUND_PASSING_OFF},
    {IDC_SOUND_BEST_LAP, g_sound_dialog_best_lap, SOUND_BEST_LAP_SIZE, SOUND_BEST_LAP_ON,
     SOUND_BEST_LAP_OFF},
    {IDC_SOUND_CLOCK, g_sound_dialog_clock, SOUND_CLOCK_SIZE, SOUND_CLOCK_ON, SOUND_CLOCK_OFF},
    {IDC_SOUND_RACE_END, g_sound_dialog_race_end, SOUND_RACE_END_SIZE, SOUND_RACE_END_ON,
     SOUND_RACE_END_OFF},
    {IDC_SOUND_CAR_END, g_sound_dialog_car_end, SOUND_CAR_END_SIZE, SOUND_CAR_END_ON,
     SOUND_CAR_END_OFF},
};

void store_keyword(char *field, int32_t size, const char *keyword)
{
    clear_buffer(field, size);
    lstrcpynA(field, keyword, size);
}

void store_language(const char *keyword)
{
    store_keyword(g_sound_dialog_language, sizeof g_sound_dialog_language, keyword);
}

void store_switch(const SoundSwitch *box, int32_t on)
{
    store_keyword(box->field, box->size, on ? box->on : box->off);
}

const SoundSwitch *find_switch(int32_t id)
{
    for (const SoundSwitch &box : SOUND_SWITCHES)
        if (box.id == id)
            return &box;
    return 0;
}

void clear_copy(void)
{
    store_language("");
    for (const SoundSwitch &box : SOUND_SWITCHES)
        clear_buffer(box.field, box.size);
}

// Every buffer ends up holding the keyword of what its control shows: a
// buffer left empty by a missing file, or holding a hand-edited word, would
// otherwise be written back as it is, and an empty line would make every
// later value of the file be read one place early.
void show_copy(HWND dialog)
{
    const int32_t english = strcmp(g_sound_dialog_language, SOUND_LANGUAGE_ENGLISH) == 0;
    if (!english)
        store_language(SOUND_LANGUAGE_FRENCH);
    CheckRadioButton(dialog, IDC_SOUND_ENGLISH, IDC_SOUND_FRENCH,
                     english ? IDC_SOUND_ENGLISH : IDC_SOUND_FRENCH);
    for (const SoundSwitch &box : SOUND_SWITCHES) {
        const int32_t on = strcmp(box.field, box.on) == 0;
        store_switch(&box, on);
        CheckDlgButton(dialog, box.id, on ? BST_CHECKED : BST_UNCHECKED);
    }
}

void make_fonts(HWND dialog)
{
    static const int32_t plain_ids[] = {
        IDOK, IDCANCEL, IDC_SOUND_ENGLISH, IDC_SOUND_FRENCH, IDC_SOUND_COUNTDOWN,
        IDC_SOUND_START, IDC_SOUND_PASSING, IDC_SOUND_BEST_LAP, IDC_SOUND_CLOCK,
        IDC_SOUND_RACE_END, IDC_SOUND_CAR_END,
    };
    static const int32_t bold_ids[] = {
        IDC_SOUND_TITLE, IDC_SOUND_RACE_START_GROUP, IDC_SOUND_RACE_GROUP,
        IDC_SOUND_RACE_END_GROUP,
    };
    make_dialog_fonts(dialog, plain_ids, bold_ids, &g_sound_dialog_font,
                      &g_sound_dialog_bold_font);
}

INT_PTR on_init_dialog(HWND dialog)
{
    clear_copy();
    if (!read_sound_settings(g_sound_dialog_language, g_sound_dialog_countdown,
                             g_sound_dialog_start, g_sound_dialog_passing,
                             g_sound_dialog_best_lap, g_sound_dialog_clock,
                             g_sound_dialog_race_end, g_sound_dialog_car_end))
        show_dialog_error(dialog, DIALOG_SOUND_SETTINGS_READ_ERROR_TEXT);
    show_copy(dialog);
    make_fonts(dialog);
    return FALSE;
}

INT_PTR close_dialog(HWND dialog, INT_PTR result)
{
    return end_dialog(dialog, &g_sound_dialog_font, &g_sound_dialog_bold_font, result);
}

void save_settings(HWND dialog)
{
    if (!write_sound_settings(g_sound_dialog_language, g_sound_dialog_countdown,
                              g_sound_dialog_start, g_sound_dialog_passing,
                              g_sound_dialog_best_lap, g_sound_dialog_clock,
                              g_sound_dialog_race_end, g_sound_dialog_car_end))
        show_dialog_error(dialog, DIALOG_SOUND_SETTINGS_WRITE_ERROR_TEXT);
}

// The radios and the check boxes act on any notification.
INT_PTR on_command(HWND dialog, int32_t id)
{
    if (id == IDOK) {
        save_settings(dialog);
        return close_dialog(dialog, TRUE);
    }
    if (id == IDCANCEL)
        return close_dialog(dialog, TRUE);
    if (id == IDC_SOUND_ENGLISH || id == IDC_SOUND_FRENCH) {
        store_language(id == IDC_SOUND_ENGLISH ? SOUND_LANGUAGE_ENGLISH : SOUND_LANGUAGE_FRENCH);
        return TRUE;
    }
    const SoundSwitch *box = find_switch(id);
    if (!box)
        return close_dialog(dialog, FALSE);
    store_switch(box, SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK sound_settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam));
    case WM_CLOSE: return close_dialog(dialog, FALSE);
    default: return FALSE;
    }
}

void open_sound_settings_dialog(HWND owner)
{
    DialogBoxParamA(g_hinstance, "SONS", owner, sound_settings_dialog_proc, 0);
}
