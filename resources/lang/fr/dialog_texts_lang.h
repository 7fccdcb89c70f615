// Dialog texts and per-build dialog sizes of the fr build, shared by its texts
// unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

// Message boxes of the dialogs
#define TXT_DIALOG_ERROR_CAPTION TXT_ERROR_CAPTION
#define TXT_DIALOG_PILOT_NAMES_FILE_ERROR TXT_PILOT_NAMES_FILE_ERROR
#define TXT_DIALOG_PILOT_TRANSPONDERS_FILE_ERROR TXT_PILOT_TRANSPONDERS_FILE_ERROR
#define TXT_DIALOG_GRID_FILE_ERROR TXT_GRID_FILE_ERROR
#define TXT_DIALOG_RACE_OPTIONS_READ_ERROR TXT_RACE_OPTIONS_READ_ERROR
#define TXT_DIALOG_RACE_OPTIONS_WRITE_ERROR TXT_RACE_OPTIONS_WRITE_ERROR

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Echap"
#define SIZE_DIALOG_CANCEL_WIDTH 30

// Starting grid
#define TXT_GRID_CAPTION "Pilotes pour la course"
#define TXT_GRID_TITLE "Course : Grille de départ"
#define TXT_GRID_COLUMN "Grille"
#define TXT_GRID_NAMES "Noms Pilotes"
#define TXT_GRID_RACE_NAME "Nom de la course"
#define SIZE_GRID_COLUMN_X 40
#define SIZE_GRID_COLUMN_WIDTH 18
#define SIZE_GRID_NAMES_X 90
#define SIZE_GRID_RACE_NAME_X 80
#define SIZE_GRID_RACE_NAME_WIDTH 60

// Race options
#define TXT_OPTIONS_CAPTION "Options de course"
#define TXT_OPTIONS_TITLE "Options de course : "
#define TXT_OPTIONS_RANKING_GROUP "Classement des pilotes"
#define TXT_OPTIONS_RANK_LAPS_TIME "suivant nb tours+temps"
#define TXT_OPTIONS_RANK_BEST_LAP "suivant meilleur tour"
#define TXT_OPTIONS_TRACK_GROUP "Piste"
#define TXT_OPTIONS_PROTECTION_LABEL "Temps de protection tour"
#define TXT_OPTIONS_SECONDS "s"
#define TXT_OPTIONS_START_GROUP "Type de départ"
#define TXT_OPTIONS_START_SIGNAL "simultané au signal sonore"
#define TXT_OPTIONS_START_FIRST_CAR "au passage de la première voiture"
#define TXT_OPTIONS_START_STAGGERED "départ décalé"
#define TXT_OPTIONS_END_GROUP "Type de fin de course"
#define TXT_OPTIONS_TIME_END_GROUP "Si durée course = temps"
#define TXT_OPTIONS_LAP_END_GROUP "Si durée course = nb tours"
#define TXT_OPTIONS_END_SIGNAL "Arrêt immédiat au signal sonore"
#define TXT_OPTIONS_END_FINISH_LAP "A la fin, tous les pilotes doivent finir leur tour"
#define TXT_OPTIONS_LAP_END_ALL_LAPS "A la fin, tous les pilotes doivent faire tous les tours"
#define SIZE_OPTIONS_RANK_WIDTH 125
#define SIZE_OPTIONS_PROTECTION_LABEL_WIDTH 100
#define SIZE_OPTIONS_START_GROUP_WIDTH 150
#define SIZE_OPTIONS_START_FIRST_CAR_WIDTH 125
#define SIZE_OPTIONS_END_GROUP_WIDTH 194

#endif
