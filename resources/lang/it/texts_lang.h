// Texts of the it build, shared by its texts unit and its resource script.
#ifndef TEXTS_LANG_H
#define TEXTS_LANG_H

#define TXT_LAPS_BEHIND_FORMAT "%dG"

// Failure boxes: the data files that cannot be opened.
#define TXT_PILOT_NAMES_FILE_ERROR "Errore: impossibile aprire il database Piloti"
#define TXT_PILOT_TRANSPONDERS_FILE_ERROR "Errore: impossibile aprire il database Transponder"
#define TXT_GRID_FILE_ERROR "Errore: impossibile aprire il file Composizione batteria"
#define TXT_RACE_LENGTH_READ_ERROR "Errore: impossibile aprire il file Durata gara"
#define TXT_RACE_LENGTH_WRITE_ERROR "Errore: impossibile aprire il file Durata gara"
#define TXT_RACE_OPTIONS_READ_ERROR "Errore: impossibile aprire il file Opzioni gara"
#define TXT_RACE_OPTIONS_WRITE_ERROR "Errore: impossibile aprire il file Opzioni gara"
#define TXT_SOUND_SETTINGS_READ_ERROR "Errore: impossibile aprire il file Impostazioni suoni"
#define TXT_SOUND_SETTINGS_WRITE_ERROR "Errore: impossibile aprire il file Impostazioni suoni"
#define TXT_DISPLAY_SETTINGS_FILE_ERROR "Errore: impossibile aprire il file Impostazioni visualizzazione"
#define TXT_DISPLAY_FILE_LOAD_ERROR "Errore: impossibile aprire il file di visualizzazione"
#define TXT_DETAILED_RESULTS_FILE_ERROR "Errore: impossibile aprire il file Risultati dettagliati"

#endif
