// Fuzzes the reader of the transponder database file.
#include <memory>

#include "fuzz_file.h"
#include "race_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("BaseDonn\xE9" "esPuce.bd", data, size);
    std::unique_ptr<PilotRecord[]> pilots(new PilotRecord[MAX_PILOTS]());
    read_pilot_transponders(pilots.get());
    for (int i = 0; i < MAX_PILOTS; ++i) {
        if (pilots[i].name[0] != 0) {
            abort();
        }
        require_terminated(pilots[i].transponder, sizeof pilots[i].transponder);
    }
    return 0;
}
