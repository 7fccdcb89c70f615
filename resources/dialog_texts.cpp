// The dialogs' texts of one language: compiled once per build, with that
// language's folder on the include path.
#include "dialog_texts.h"
#include "dialog_texts_lang.h"
#include "texts_lang.h"
#include "window_texts_lang.h"

const char DIALOG_ERROR_CAPTION_TEXT[] = TXT_DIALOG_ERROR_CAPTION;
const char DIALOG_PILOT_NAMES_FILE_ERROR_TEXT[] = TXT_DIALOG_PILOT_NAMES_FILE_ERROR;
const char DIALOG_PILOT_TRANSPONDERS_FILE_ERROR_TEXT[] = TXT_DIALOG_PILOT_TRANSPONDERS_FILE_ERROR;
const char DIALOG_GRID_FILE_ERROR_TEXT[] = TXT_DIALOG_GRID_FILE_ERROR;
const char DIALOG_RACE_OPTIONS_READ_ERROR_TEXT[] = TXT_DIALOG_RACE_OPTIONS_READ_ERROR;
const char DIALOG_RACE_OPTIONS_WRITE_ERROR_TEXT[] = TXT_DIALOG_RACE_OPTIONS_WRITE_ERROR;
