// Texts of the pt build, shared by its texts unit and its resource script.
#ifndef TEXTS_LANG_H
#define TEXTS_LANG_H

#define TXT_LAPS_BEHIND_FORMAT "%dv"

// Failure boxes: the data files that cannot be opened.
#define TXT_PILOT_NAMES_FILE_ERROR "Erro: não é possível abrir a base de dados de pilotos"
#define TXT_PILOT_TRANSPONDERS_FILE_ERROR "Erro: não é possível abrir a base de dados de transponders"
#define TXT_GRID_FILE_ERROR "Erro: não é possível abrir o ficheiro Composição da série"
#define TXT_RACE_LENGTH_READ_ERROR "Erro: não é possível abrir o ficheiro Duração da corrida"
#define TXT_RACE_LENGTH_WRITE_ERROR "Erro: não é possível abrir o ficheiro Duração da corrida"
#define TXT_RACE_OPTIONS_READ_ERROR "Erro: não é possível abrir o ficheiro Opções da corrida"
#define TXT_RACE_OPTIONS_WRITE_ERROR "Erro: não é possível abrir o ficheiro Opções da corrida"
#define TXT_SOUND_SETTINGS_READ_ERROR "Erro: não é possível abrir o ficheiro Definições de som"
#define TXT_SOUND_SETTINGS_WRITE_ERROR "Erro: não é possível abrir o ficheiro Definições de som"
#define TXT_DISPLAY_SETTINGS_FILE_ERROR "Erro: não é possível abrir o ficheiro Definições de visualização"
#define TXT_DISPLAY_FILE_LOAD_ERROR "Erro: não é possível abrir o ficheiro de visualização"
#define TXT_DETAILED_RESULTS_FILE_ERROR "Erro: não é possível abrir o ficheiro Resultados detalhados"

#endif
