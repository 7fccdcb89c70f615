// Fuzzes the reader of the sound settings file.
#include <memory>

#include "fuzz_file.h"
#include "race_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("R\xE9glagesSons.rg", data, size);
    const int32_t sizes[8] = {SOUND_LANGUAGE_SIZE, SOUND_COUNTDOWN_SIZE, SOUND_START_SIZE,
                              SOUND_PASSING_SIZE,  SOUND_BEST_LAP_SIZE,  SOUND_CLOCK_SIZE,
                              SOUND_RACE_END_SIZE, SOUND_CAR_END_SIZE};
    std::unique_ptr<char[]> keys[8];
    for (int i = 0; i < 8; ++i) {
        keys[i].reset(new char[sizes[i]]());
    }
    read_sound_settings(keys[0].get(), keys[1].get(), keys[2].get(), keys[3].get(),
                        keys[4].get(), keys[5].get(), keys[6].get(), keys[7].get());
    for (int i = 0; i < 8; ++i) {
        require_terminated(keys[i].get(), sizes[i]);
    }
    return 0;
}
