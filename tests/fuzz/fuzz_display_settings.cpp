// Fuzzes the reader of the display settings files.
#include <memory>

#include "fuzz_file.h"
#include "race_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("Private/R\xE9glagesAffichage.rgsc", data, size);
    std::unique_ptr<DisplaySettings> settings(new DisplaySettings());
    std::unique_ptr<CustomColours> custom(new CustomColours());
    read_display_settings("Private/R\xE9glagesAffichage.rgsc", settings.get(), custom.get());
    for (const FontSlot &font : settings->fonts) {
        require_terminated(font.face, sizeof font.face);
    }
    // Whatever the file holds, widths the display dialog's edit allows.
    for (int32_t width : settings->column_widths) {
        if (width < 0 || width > 999) {
            abort();
        }
    }
    return 0;
}
