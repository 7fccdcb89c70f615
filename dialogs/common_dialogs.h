// The system's colour, font and file choosers, reached through one seam:
// they are modal windows of their own, which tests answer through hooks
// instead.
#ifndef COMMON_DIALOGS_H
#define COMMON_DIALOGS_H

#include <windows.h>

#include <commdlg.h>

struct CommonDialogHooks {
    BOOL (*choose_colour)(CHOOSECOLORA *choice);
    BOOL (*choose_font)(CHOOSEFONTA *choice);
    BOOL (*open_file)(OPENFILENAMEA *choice);
    BOOL (*save_file)(OPENFILENAMEA *choice);
};

// ChooseColorA, ChooseFontA, GetOpenFileNameA and GetSaveFileNameA, or the
// hooks in their place.
BOOL choose_colour(CHOOSECOLORA *choice);
BOOL choose_font(CHOOSEFONTA *choice);
BOOL choose_file_to_open(OPENFILENAMEA *choice);
BOOL choose_file_to_save(OPENFILENAMEA *choice);

// Tests: every chooser goes to its hook; 0 gives the system's back.
void set_common_dialog_hooks(const CommonDialogHooks *hooks);

#endif
