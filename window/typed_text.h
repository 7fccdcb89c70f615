// What an edit may hold. Typing meets each edit's checks (digits only, a
// length limit); the clipboard, a drop or WM_SETTEXT do not, so each edit's
// change notification brings its text back to what typing could have left.
#ifndef TYPED_TEXT_H
#define TYPED_TEXT_H

#include <windows.h>

#include <stdint.h>

enum TypedText {
    TYPED_NAME,    // a pilot or race name: no control character
    TYPED_NUMBER,  // digits only; a negative number is held at 0
};

// Limits the edit to limit characters (EM_LIMITTEXT), then rewrites its text
// when it holds what typing could not have put there, or a number of more
// than limit digits; the caret goes to the end. The rewrite raises the edit's
// change notification again, which then finds the text as typing would leave
// it. A longer name is left to its reader's field, as one read from a file.
void hold_to_typed_text(HWND edit, int32_t limit, int32_t kind);

#endif
