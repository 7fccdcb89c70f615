// The dialogs' fonts and error boxes.
#include "dialog_common.h"

#include <string.h>

#include "dialog_texts.h"

HFONT create_dialog_font(int32_t weight, int32_t underline)
{
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    font.lfHeight = 16;
    font.lfWeight = weight;
    font.lfUnderline = static_cast<BYTE>(underline);
    lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

void give_font(HWND dialog, const int32_t *ids, int32_t count, HFONT font)
{
    for (int32_t i = 0; i < count; i++)
        SendDlgItemMessageA(dialog, ids[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void make_dialog_fonts(HWND dialog, const int32_t *plain_ids, int32_t plain_count,
                       const int32_t *bold_ids, int32_t bold_count, HFONT *font,
                       HFONT *bold_font)
{
    *font = create_dialog_font(0, 0);
    give_font(dialog, plain_ids, plain_count, *font);
    *bold_font = create_dialog_font(FW_BOLD, 0);
    give_font(dialog, bold_ids, bold_count, *bold_font);
}

void delete_dialog_font(HFONT *font)
{
    if (*font)
        DeleteObject(*font);
    *font = 0;
}

INT_PTR end_dialog(HWND dialog, HFONT *font, HFONT *bold_font, INT_PTR result)
{
    delete_dialog_font(font);
    delete_dialog_font(bold_font);
    EndDialog(dialog, 0);
    return result;
}

void show_dialog_error(HWND dialog, const char *text)
{
    MessageBoxA(dialog, text, DIALOG_ERROR_CAPTION_TEXT, MB_OK);
}
