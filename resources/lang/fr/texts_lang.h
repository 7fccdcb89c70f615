// Texts of the fr build, shared by its texts unit and its resource script.
#ifndef TEXTS_LANG_H
#define TEXTS_LANG_H

#define TXT_LAPS_BEHIND_FORMAT "%dt"

// Failure boxes: the data files that cannot be opened.
#define TXT_PILOT_NAMES_FILE_ERROR "Erreur: impossible d'ouvrir la base de données Pilotes"
#define TXT_PILOT_TRANSPONDERS_FILE_ERROR "Erreur: impossible d'ouvrir la base de données Transpondeurs"
#define TXT_GRID_FILE_ERROR "Erreur: impossible d'ouvrir le fichier Composition Série"
#define TXT_RACE_LENGTH_READ_ERROR "Erreur: impossible d'ouvrir le fichier Durée Course"
#define TXT_RACE_LENGTH_WRITE_ERROR "Erreur: impossible d'ouvrir le fichier Durée course"
#define TXT_RACE_OPTIONS_READ_ERROR "Erreur: impossible d'ouvrir le fichier Options Courses"
#define TXT_RACE_OPTIONS_WRITE_ERROR "Erreur: impossible d'ouvrir le fichier Options course"
#define TXT_SOUND_SETTINGS_READ_ERROR "Erreur: impossible d'ouvrir le fichier réglages sons"
#define TXT_SOUND_SETTINGS_WRITE_ERROR "Erreur: impossible d'ouvrir le fichier Réglage Sons"
#define TXT_DISPLAY_SETTINGS_FILE_ERROR "Erreur: impossible d'ouvrir le fichier Réglage Affichage"
#define TXT_DISPLAY_FILE_LOAD_ERROR "Erreur: impossible d'ouvrir le fichier Affichage"
#define TXT_DETAILED_RESULTS_FILE_ERROR "Erreur: impossible d'ouvrir le fichier Résultats détaillés"

#endif
