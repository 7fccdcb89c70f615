// Fuzzes the reader of the pilot names file.
#include <memory>

#include "fuzz_file.h"
#include "race_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("BaseDonn\xE9" "esNomPilotes.bd", data, size);
    std::unique_ptr<PilotRecord[]> pilots(new PilotRecord[MAX_PILOTS]());
    read_pilot_names(pilots.get());
    for (int i = 0; i < MAX_PILOTS; ++i) {
        require_terminated(pilots[i].name, sizeof pilots[i].name);
        require_terminated(pilots[i].transponder, sizeof pilots[i].transponder);
    }
    return 0;
}
