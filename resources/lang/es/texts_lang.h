// Texts of the es build, shared by its texts unit and its resource script.
#ifndef TEXTS_LANG_H
#define TEXTS_LANG_H

#define TXT_LAPS_BEHIND_FORMAT "%dv"

// Failure boxes: the data files that cannot be opened.
#define TXT_PILOT_NAMES_FILE_ERROR "Error: no se puede abrir la base de datos de pilotos"
#define TXT_PILOT_TRANSPONDERS_FILE_ERROR "Error: no se puede abrir la base de datos de transpondedores"
#define TXT_GRID_FILE_ERROR "Error: no se puede abrir el archivo Composición de la serie"
#define TXT_RACE_LENGTH_READ_ERROR "Error: no se puede abrir el archivo Duración de la carrera"
#define TXT_RACE_LENGTH_WRITE_ERROR "Error: no se puede abrir el archivo Duración de la carrera"
#define TXT_RACE_OPTIONS_READ_ERROR "Error: no se puede abrir el archivo Opciones de carrera"
#define TXT_RACE_OPTIONS_WRITE_ERROR "Error: no se puede abrir el archivo Opciones de carrera"
#define TXT_SOUND_SETTINGS_READ_ERROR "Error: no se puede abrir el archivo Ajustes de sonido"
#define TXT_SOUND_SETTINGS_WRITE_ERROR "Error: no se puede abrir el archivo Ajustes de sonido"
#define TXT_DISPLAY_SETTINGS_FILE_ERROR "Error: no se puede abrir el archivo Ajustes de pantalla"
#define TXT_DISPLAY_FILE_LOAD_ERROR "Error: no se puede abrir el archivo de pantalla"
#define TXT_DETAILED_RESULTS_FILE_ERROR "Error: no se puede abrir el archivo Resultados detallados"

#endif
