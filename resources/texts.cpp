// The texts of one language: compiled once per build, with that language's
// folder on the include path.
#include "race_model.h"
#include "texts.h"
#include "texts_lang.h"

const char LAPS_BEHIND_FORMAT[] = TXT_LAPS_BEHIND_FORMAT;
