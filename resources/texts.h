// The user-interface texts of the build's language (Windows-1252 bytes).
// The laps-behind format of the board and the two pilot database messages,
// which the model uses itself, are declared with the race model.
#ifndef TEXTS_H
#define TEXTS_H

// A data file that cannot be opened, each named as its callers show it.
extern const char GRID_FILE_ERROR_TEXT[];
extern const char RACE_LENGTH_READ_ERROR_TEXT[];
extern const char RACE_LENGTH_WRITE_ERROR_TEXT[];
extern const char RACE_OPTIONS_READ_ERROR_TEXT[];
extern const char RACE_OPTIONS_WRITE_ERROR_TEXT[];
extern const char SOUND_SETTINGS_READ_ERROR_TEXT[];
extern const char SOUND_SETTINGS_WRITE_ERROR_TEXT[];
extern const char DISPLAY_SETTINGS_FILE_ERROR_TEXT[];
extern const char DISPLAY_FILE_LOAD_ERROR_TEXT[];
extern const char DETAILED_RESULTS_FILE_ERROR_TEXT[];

#endif
