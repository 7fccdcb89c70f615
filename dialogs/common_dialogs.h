// The system's colour, font and file choosers, reached through one seam:
// they are modal windows of their own, which tests answer through hooks
// instead.
#ifndef COMMON_DIALOGS_H
#define COMMON_DIALOGS_H

#include <windows.h>

#include <commdlg.h>

struct CommonDialogHooks {
    BOOL(WINAPI *choose_colour)(CHOOSECOLORA *choice);
    BOOL(WINAPI *choose_font)(CHOOSEFONTA *choice);
    BOOL(WINAPI *open_file)(OPENFILENAMEA *choice);
    BOOL(WINAPI *save_file)(OPENFILENAMEA *choice);
};

// ChooseColorA, ChooseFontA, GetOpenFileNameA and GetSaveFileNameA, or the
// tests' hooks in their place.
const CommonDialogHooks *common_dialogs(void);

// Tests: every chooser goes to its hook; 0 gives the system's back.
void set_common_dialog_hooks(const CommonDialogHooks *hooks);

#endif
