// The race options dialog. It edits its own copy of the options, loaded from
// OptionsCourse.race when it opens; the main window reads the file again
// only when Depart arms the next race.
#include "race_options.h"

#include <stdio.h>

#include "dialog_common.h"
#include "dialog_ids.h"
#include "dialog_texts.h"
#include "main_window.h"
#include "typed_text.h"

int32_t g_options_dialog_protection_seconds;
char g_options_dialog_ranking_key[RANKING_KEY_SIZE + 1];
char g_options_dialog_start_mode[START_MODE_SIZE + 1];
char g_options_dialog_time_end_mode[TIME_END_MODE_SIZE + 1];
char g_options_dialog_lap_end_mode[LAP_END_MODE_SIZE + 1];

namespace {

const int32_t PROTECTION_DIGITS = 3;

HFONT g_options_dialog_font;
HFONT g_options_dialog_bold_font;

// Each radio stands for one keyword of one field.
struct OptionRadio {
    int32_t id;
    char *field;
    int32_t size;
    const char *keyword;
};

const OptionRadio RANKING_RADIOS[] = {
    {IDC_OPTIONS_RANK_LAPS_TIME, g_options_dialog_ranking_key,
     sizeof g_options_dialog_ranking_key, RANKING_LAPS_THEN_TIME},
    {IDC_OPTIONS_RANK_BEST_LAP, g_options_dialog_ranking_key,
     sizeof g_options_dialog_ranking_key, RANKING_BEST_LAP},
};
const OptionRadio START_RADIOS[] = {
    {IDC_OPTIONS_START_SIGNAL, g_options_dialog_start_mode, sizeof g_options_dialog_start_mode,
     START_SOUND_SIGNAL},
    {IDC_OPTIONS_START_FIRST_CAR, g_options_dialog_start_mode,
     sizeof g_options_dialog_start_mode, START_FIRST_CAR},
    {IDC_OPTIONS_START_STAGGERED, g_options_dialog_start_mode,
     sizeof g_options_dialog_start_mode, START_STAGGERED},
};
const OptionRadio TIME_END_RADIOS[] = {
    {IDC_OPTIONS_TIME_END_SIGNAL, g_options_dialog_time_end_mode,
     sizeof g_options_dialog_time_end_mode, TIME_END_SIGNAL},
    {IDC_OPTIONS_TIME_END_FINISH_LAP, g_options_dialog_time_end_mode,
     sizeof g_options_dialog_time_end_mode, TIME_END_FINISH_LAP},
};
const OptionRadio LAP_END_RADIOS[] = {
    {IDC_OPTIONS_LAP_END_SIGNAL, g_options_dialog_lap_end_mode,
     sizeof g_options_dialog_lap_end_mode, LAP_END_SIGNAL},
    {IDC_OPTIONS_LAP_END_FINISH_LAP, g_options_dialog_lap_end_mode,
     sizeof g_options_dialog_lap_end_mode, LAP_END_FINISH_LAP},
    {IDC_OPTIONS_LAP_END_ALL_LAPS, g_options_dialog_lap_end_mode,
     sizeof g_options_dialog_lap_end_mode, LAP_END_ALL_LAPS},
};

// The fallback is the radio shown when the field holds none of the group's
// keywords: the one that the opening would check anyway, and for the start
// the signal (a staggered start changes the end types, so it is no default).
struct RadioGroup {
    const OptionRadio *radios;
    int32_t count;
    int32_t fallback;
};

const RadioGroup RADIO_GROUPS[] = {
    {RANKING_RADIOS, 2, 1},
    {START_RADIOS, 3, 0},
    {TIME_END_RADIOS, 2, 1},
    {LAP_END_RADIOS, 3, 2},
};

// The end types that a staggered start cannot have.
const int32_t STAGGER_EXCLUDED_IDS[] = {IDC_OPTIONS_TIME_END_SIGNAL, IDC_OPTIONS_LAP_END_SIGNAL,
                                        IDC_OPTIONS_LAP_END_FINISH_LAP};

void store_keyword(const OptionRadio *radio)
{
    clear_buffer(radio->field, radio->size);
    lstrcpynA(radio->field, radio->keyword, radio->size);
}

const OptionRadio *find_radio(int32_t id)
{
    for (const RadioGroup &group : RADIO_GROUPS)
        for (int32_t i = 0; i < group.count; i++)
            if (group.radios[i].id == id)
                return &group.radios[i];
    return 0;
}

void enable_staggered_exclusions(HWND dialog, BOOL enable)
{
    for (int32_t id : STAGGER_EXCLUDED_IDS)
        EnableWindow(GetDlgItem(dialog, id), enable);
}

// The radio whose keyword the field holds is checked. A field that holds
// none of them (no file yet, or a hand-edited one) takes the keyword of the
// radio checked in its place, so that Ok writes what the dialog shows: an
// empty keyword would be an empty line, and every later value of the file
// would then be read one place early.
void show_group(HWND dialog, const RadioGroup *group)
{
    const OptionRadio *shown = &group->radios[group->fallback];
    for (int32_t i = 0; i < group->count; i++)
        if (lstrcmpA(group->radios[i].field, group->radios[i].keyword) == 0)
            shown = &group->radios[i];
    if (lstrcmpA(shown->field, shown->keyword) != 0)
        store_keyword(shown);
    CheckDlgButton(dialog, shown->id, BST_CHECKED);
}

void make_fonts(HWND dialog)
{
    static const int32_t plain_ids[] = {
        IDOK, IDCANCEL, IDC_OPTIONS_RANK_LAPS_TIME, IDC_OPTIONS_RANK_BEST_LAP,
        IDC_OPTIONS_PROTECTION_TIME, IDC_OPTIONS_START_SIGNAL, IDC_OPTIONS_START_FIRST_CAR,
        IDC_OPTIONS_START_STAGGERED, IDC_OPTIONS_TIME_END_SIGNAL,
        IDC_OPTIONS_TIME_END_FINISH_LAP, IDC_OPTIONS_LAP_END_SIGNAL,
        IDC_OPTIONS_LAP_END_FINISH_LAP, IDC_OPTIONS_LAP_END_ALL_LAPS,
        IDC_OPTIONS_PROTECTION_LABEL, IDC_OPTIONS_SECONDS_LABEL,
    };
    static const int32_t bold_ids[] = {
        IDC_OPTIONS_TITLE, IDC_OPTIONS_RANKING_GROUP, IDC_OPTIONS_TRACK_GROUP,
        IDC_OPTIONS_START_GROUP, IDC_OPTIONS_END_GROUP, IDC_OPTIONS_TIME_END_GROUP,
        IDC_OPTIONS_LAP_END_GROUP,
    };
    make_dialog_fonts(dialog, plain_ids, bold_ids, &g_options_dialog_font,
                      &g_options_dialog_bold_font);
}

// A failed reading leaves the copy of the last opening to be shown again.
INT_PTR on_init_dialog(HWND dialog)
{
    if (!read_race_options(&g_options_dialog_protection_seconds, g_options_dialog_ranking_key,
                           g_options_dialog_start_mode, g_options_dialog_time_end_mode,
                           g_options_dialog_lap_end_mode))
        show_dialog_error(dialog, DIALOG_RACE_OPTIONS_READ_ERROR_TEXT);
    for (const RadioGroup &group : RADIO_GROUPS)
        show_group(dialog, &group);
    if (lstrcmpA(g_options_dialog_start_mode, START_STAGGERED) == 0)
        enable_staggered_exclusions(dialog, FALSE);

    // The edit's EN_CHANGE stores the value again, under its own rule.
    char seconds[16];
    snprintf(seconds, sizeof seconds, "%d", static_cast<int>(g_options_dialog_protection_seconds));
    SetDlgItemTextA(dialog, IDC_OPTIONS_PROTECTION_TIME, seconds);
    make_fonts(dialog);
    return FALSE;
}

INT_PTR close_dialog(HWND dialog, INT_PTR result)
{
    return end_dialog(dialog, &g_options_dialog_font, &g_options_dialog_bold_font, result);
}

// A staggered start has every car finish its lap in a race by time and do
// all the laps in a race by laps; the other end types are locked out.
void choose_staggered_start(HWND dialog)
{
    store_keyword(&START_RADIOS[2]);
    store_keyword(&TIME_END_RADIOS[1]);
    CheckDlgButton(dialog, IDC_OPTIONS_TIME_END_FINISH_LAP, BST_CHECKED);
    store_keyword(&LAP_END_RADIOS[2]);
    CheckDlgButton(dialog, IDC_OPTIONS_LAP_END_ALL_LAPS, BST_CHECKED);
    for (int32_t id : STAGGER_EXCLUDED_IDS)
        CheckDlgButton(dialog, id, BST_UNCHECKED);
    enable_staggered_exclusions(dialog, FALSE);
}

// Nothing shorter than two seconds is kept; the edit shows what was typed.
void store_protection_time(HWND dialog)
{
    hold_to_typed_text(GetDlgItem(dialog, IDC_OPTIONS_PROTECTION_TIME), PROTECTION_DIGITS,
                       TYPED_NUMBER);
    const UINT seconds = GetDlgItemInt(dialog, IDC_OPTIONS_PROTECTION_TIME, 0, FALSE);
    g_options_dialog_protection_seconds =
        seconds <= 1 ? MIN_PROTECTION_SECONDS : static_cast<int32_t>(seconds);
}

void save_options(HWND dialog)
{
    if (!write_race_options(g_options_dialog_protection_seconds, g_options_dialog_ranking_key,
                            g_options_dialog_start_mode, g_options_dialog_time_end_mode,
                            g_options_dialog_lap_end_mode))
        show_dialog_error(dialog, DIALOG_RACE_OPTIONS_WRITE_ERROR_TEXT);
}

INT_PTR on_command(HWND dialog, int32_t id, int32_t code)
{
    if (id == IDOK) {
        save_options(dialog);
        return close_dialog(dialog, TRUE);
    }
    if (id == IDCANCEL)
        return close_dialog(dialog, TRUE);
    if (id == IDC_OPTIONS_PROTECTION_TIME) {
        if (code == EN_CHANGE)
            store_protection_time(dialog);
        return TRUE;
    }
    if (id == IDC_OPTIONS_START_STAGGERED) {
        choose_staggered_start(dialog);
        return TRUE;
    }
    const OptionRadio *radio = find_radio(id);
    if (!radio)
        return close_dialog(dialog, FALSE);
    store_keyword(radio);
    if (id == IDC_OPTIONS_START_SIGNAL || id == IDC_OPTIONS_START_FIRST_CAR)
        enable_staggered_exclusions(dialog, TRUE);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK race_options_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return on_init_dialog(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam), HIWORD(wparam));
    case WM_CLOSE: return close_dialog(dialog, FALSE);
    default: return FALSE;
    }
}

void open_race_options_dialog(HWND owner)
{
    DialogBoxParamA(g_hinstance, "COURSEOPTIONS", owner, race_options_dialog_proc, 0);
}
