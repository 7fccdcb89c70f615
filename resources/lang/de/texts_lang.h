// Texts of the de build, shared by its texts unit and its resource script.
#ifndef TEXTS_LANG_H
#define TEXTS_LANG_H

#define TXT_LAPS_BEHIND_FORMAT "%dR"

// Failure boxes: the data files that cannot be opened.
#define TXT_PILOT_NAMES_FILE_ERROR "Fehler: Die Fahrerdatenbank kann nicht geöffnet werden"
#define TXT_PILOT_TRANSPONDERS_FILE_ERROR "Fehler: Die Transponderdatenbank kann nicht geöffnet werden"
#define TXT_GRID_FILE_ERROR "Fehler: Die Datei Startaufstellung kann nicht geöffnet werden"
#define TXT_RACE_LENGTH_READ_ERROR "Fehler: Die Datei Renndauer kann nicht geöffnet werden"
#define TXT_RACE_LENGTH_WRITE_ERROR "Fehler: Die Datei Renndauer kann nicht geöffnet werden"
#define TXT_RACE_OPTIONS_READ_ERROR "Fehler: Die Datei Rennoptionen kann nicht geöffnet werden"
#define TXT_RACE_OPTIONS_WRITE_ERROR "Fehler: Die Datei Rennoptionen kann nicht geöffnet werden"
#define TXT_SOUND_SETTINGS_READ_ERROR "Fehler: Die Datei Toneinstellungen kann nicht geöffnet werden"
#define TXT_SOUND_SETTINGS_WRITE_ERROR "Fehler: Die Datei Toneinstellungen kann nicht geöffnet werden"
#define TXT_DISPLAY_SETTINGS_FILE_ERROR "Fehler: Die Datei Anzeigeeinstellungen kann nicht geöffnet werden"
#define TXT_DISPLAY_FILE_LOAD_ERROR "Fehler: Die Anzeigedatei kann nicht geöffnet werden"
#define TXT_DETAILED_RESULTS_FILE_ERROR "Fehler: Die Datei Detailergebnisse kann nicht geöffnet werden"

#endif
