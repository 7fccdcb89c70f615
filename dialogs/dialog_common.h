// What every dialog does alike: the Arial fonts it makes when it opens and
// gives to its controls, and its error boxes.
#ifndef DIALOG_COMMON_H
#define DIALOG_COMMON_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

// "Arial" of height 16, every other field 0 but the weight and underline.
HFONT create_dialog_font(int32_t weight, int32_t underline);

// WM_SETFONT, redraw on, to each of the count controls.
void give_font(HWND dialog, const int32_t *ids, int32_t count, HFONT font);

// The dialog's two fonts made (normal and bold) and given to their controls.
void make_dialog_fonts(HWND dialog, const int32_t *plain_ids, int32_t plain_count,
                       const int32_t *bold_ids, int32_t bold_count, HFONT *font,
                       HFONT *bold_font);

// The same for two fixed lists of control ids.
template <size_t PLAIN, size_t BOLD>
void make_dialog_fonts(HWND dialog, const int32_t (&plain_ids)[PLAIN],
                       const int32_t (&bold_ids)[BOLD], HFONT *font, HFONT *bold_font)
{
    make_dialog_fonts(dialog, plain_ids, static_cast<int32_t>(PLAIN), bold_ids,
                      static_cast<int32_t>(BOLD), font, bold_font);
}

// The font in *font deleted and forgotten, so that no way out deletes it twice.
void delete_dialog_font(HFONT *font);

// Every way out of a dialog: its two fonts deleted, then EndDialog; returns
// result for the dialog procedure to return.
INT_PTR end_dialog(HWND dialog, HFONT *font, HFONT *bold_font, INT_PTR result);

// An error box owned by the dialog: OK button only, no icon.
void show_dialog_error(HWND dialog, const char *text);

#endif
