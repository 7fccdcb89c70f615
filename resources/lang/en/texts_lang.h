// Texts of the en build, shared by its texts unit and its resource script.
#ifndef TEXTS_LANG_H
#define TEXTS_LANG_H

#define TXT_LAPS_BEHIND_FORMAT "%dt"

// Failure boxes: the data files that cannot be opened.
#define TXT_PILOT_NAMES_FILE_ERROR "Error: cannot open the Drivers database"
#define TXT_PILOT_TRANSPONDERS_FILE_ERROR "Error: cannot open the Transponders database"
#define TXT_GRID_FILE_ERROR "Error: cannot open the Heat composition file"
#define TXT_RACE_LENGTH_READ_ERROR "Error: cannot open the Race length file"
#define TXT_RACE_LENGTH_WRITE_ERROR "Error: cannot open the Race length file"
#define TXT_RACE_OPTIONS_READ_ERROR "Error: cannot open the Race options file"
#define TXT_RACE_OPTIONS_WRITE_ERROR "Error: cannot open the Race options file"
#define TXT_SOUND_SETTINGS_READ_ERROR "Error: cannot open the Sound settings file"
#define TXT_SOUND_SETTINGS_WRITE_ERROR "Error: cannot open the Sound settings file"
#define TXT_DISPLAY_SETTINGS_FILE_ERROR "Error: cannot open the Display settings file"
#define TXT_DISPLAY_FILE_LOAD_ERROR "Error: cannot open the display file"
#define TXT_DETAILED_RESULTS_FILE_ERROR "Error: cannot open the Detailed results file"

#endif
