// The seam in front of the system's choosers.
#include "common_dialogs.h"

namespace {

const CommonDialogHooks SYSTEM_CHOOSERS = {ChooseColorA, ChooseFontA, GetOpenFileNameA,
                                           GetSaveFileNameA};
const CommonDialogHooks *g_common_dialog_hooks = &SYSTEM_CHOOSERS;

}  // namespace

const CommonDialogHooks *common_dialogs(void)
{
    return g_common_dialog_hooks;
}

void set_common_dialog_hooks(const CommonDialogHooks *hooks)
{
    g_common_dialog_hooks = hooks ? hooks : &SYSTEM_CHOOSERS;
}
