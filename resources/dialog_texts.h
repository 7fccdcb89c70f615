// The texts of the dialogs' message boxes, in the build's language except in
// the English build, which keeps the French words. Each build's texts unit
// defines them from its language's dialog_texts_lang.h.
#ifndef DIALOG_TEXTS_H
#define DIALOG_TEXTS_H

extern const char DIALOG_ERROR_CAPTION_TEXT[];
extern const char DIALOG_PILOT_NAMES_FILE_ERROR_TEXT[];
extern const char DIALOG_PILOT_TRANSPONDERS_FILE_ERROR_TEXT[];
extern const char DIALOG_GRID_FILE_ERROR_TEXT[];
extern const char DIALOG_RACE_OPTIONS_READ_ERROR_TEXT[];
extern const char DIALOG_RACE_OPTIONS_WRITE_ERROR_TEXT[];
extern const char DIALOG_SOUND_SETTINGS_READ_ERROR_TEXT[];
extern const char DIALOG_SOUND_SETTINGS_WRITE_ERROR_TEXT[];

#endif
