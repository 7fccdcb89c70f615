// The seam in front of the system's choosers.
#include "common_dialogs.h"

namespace {

const CommonDialogHooks *g_common_dialog_hooks;

}  // namespace

BOOL choose_colour(CHOOSECOLORA *choice)
{
    return g_common_dialog_hooks ? g_common_dialog_hooks->choose_colour(choice)
                                 : ChooseColorA(choice);
}

BOOL choose_font(CHOOSEFONTA *choice)
{
    return g_common_dialog_hooks ? g_common_dialog_hooks->choose_font(choice)
                                 : ChooseFontA(choice);
}

BOOL choose_file_to_open(OPENFILENAMEA *choice)
{
    return g_common_dialog_hooks ? g_common_dialog_hooks->open_file(choice)
                                 : GetOpenFileNameA(choice);
}

BOOL choose_file_to_save(OPENFILENAMEA *choice)
{
    return g_common_dialog_hooks ? g_common_dialog_hooks->save_file(choice)
                                 : GetSaveFileNameA(choice);
}

void set_common_dialog_hooks(const CommonDialogHooks *hooks)
{
    g_common_dialog_hooks = hooks;
}
