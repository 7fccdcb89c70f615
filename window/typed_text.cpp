// Edits brought back to what typing could have put in them.
#include "typed_text.h"

#include "race_model.h"

namespace {

// More than any edit of the program needs: a longer number is cut anyway.
const int32_t TEXT_BUFFER = 32768;

// The digits in order, or "0" for a negative number: pasting "-7" must not
// become 7, and nothing below 0 can be typed.
int32_t keep_digits(char *text)
{
    const char *c = text;
    while (*c == ' ' || *c == '\t')
        c++;
    const int32_t negative = *c == '-';
    int32_t kept = 0;
    for (c = text; *c; c++)
        if (*c >= '0' && *c <= '9')
            text[kept++] = *c;
    if (negative && kept > 0) {
        text[0] = '0';
        kept = 1;
    }
    text[kept] = 0;
    return kept;
}

}  // namespace

void hold_to_typed_text(HWND edit, int32_t limit, int32_t kind)
{
    SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    char text[TEXT_BUFFER];
    const int32_t length = GetWindowTextA(edit, text, TEXT_BUFFER);
    int32_t kept = kind == TYPED_NUMBER ? keep_digits(text) : drop_control_bytes(text);
    if (kind == TYPED_NUMBER && kept > limit) {
        kept = limit;
        text[kept] = 0;
    }
    if (kept == length)
        return;
    SetWindowTextA(edit, text);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(kept), kept);
}
