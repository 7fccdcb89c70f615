// The display settings dialog (template AFFICHAGE): the board's colours,
// fonts, column widths and style with a live preview, and the loading and
// saving of named display files (".scrn"); Ok writes
// Private/RéglagesAffichage.rgsc.
#ifndef DISPLAY_SETTINGS_H
#define DISPLAY_SETTINGS_H

#include <windows.h>

#include "race_model.h"

enum {
    DISPLAY_SWATCHES = 13,
    DISPLAY_SAMPLES = 4,
};

// The preview's places in client pixels: swatch i shows colour i of the
// settings, a sample shows a font slot on its background; an empty
// rectangle is neither drawn nor clickable.
extern const RECT DISPLAY_SWATCH_RECTS[DISPLAY_SWATCHES];
extern const RECT DISPLAY_SAMPLE_RECTS[DISPLAY_SAMPLES];
extern const char PREVIEW_TEXT[];

// The dialog's copy, read again from the file at every opening; the chosen
// board column (0 to 8) survives from one opening to the next.
extern DisplaySettings g_display_dialog_settings;
extern CustomColours g_display_dialog_custom_colours;
extern int32_t g_display_dialog_column;
extern char g_display_dialog_saved_folder[MAX_PATH];
extern char g_display_dialog_program_folder[MAX_PATH];

INT_PTR CALLBACK display_settings_dialog_proc(HWND dialog, UINT message, WPARAM wparam,
                                              LPARAM lparam);

// Paints the swatches and samples between its own BeginPaint and EndPaint.
void paint_display_preview(HWND dialog, const RECT *swatches, const RECT *samples,
                           const DisplaySettings *settings, int32_t column);

// Runs the dialog modally over the owner; returns when it has closed.
void open_display_settings_dialog(HWND owner);

#endif
