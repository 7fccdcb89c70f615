// Dialog texts of the fr build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Echap"

// Starting grid
#define TXT_GRID_CAPTION "Pilotes pour la course"
#define TXT_GRID_TITLE "Course : Grille de départ"
#define TXT_GRID_COLUMN "Grille"
#define TXT_GRID_NAMES "Noms Pilotes"
#define TXT_GRID_RACE_NAME "Nom de la course"

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

// Interface
#define TXT_DIALOG_INTERFACE_FILE_ERROR "Erreur: impossible d'ouvrir le fichier interface Port COM"
#define TXT_INTERFACE_CAPTION "Interface"
#define TXT_INTERFACE_TITLE "Décodeur Zelquanodrim"
#define TXT_INTERFACE_MESSAGES_GROUP "Messages"
#define TXT_INTERFACE_DECODER_GROUP "Décodeur:"
#define TXT_INTERFACE_PORT_GROUP "Port COM"
#define TXT_INTERFACE_OPEN "Ouvrir"
#define TXT_INTERFACE_READY_VQ1 " Interface VQ1 USB prête à fonctionner."
#define TXT_INTERFACE_READY_VQ2_USB " Interface VQ2 USB prête à fonctionner."
#define TXT_INTERFACE_READY_VQ2_BLUETOOTH " Interface VQ2 Bluetooth prête à fonctionner."
#define TXT_INTERFACE_PORT_NOT_OPEN " Port COM non ouvert !"
#define TXT_INTERFACE_OPENING " Tentative d'ouverture du port COM:\r\n"
#define TXT_INTERFACE_OPEN_FAILED " Echec à l'ouverture du port COM !"
#define TXT_INTERFACE_OPEN_OK " Ouverture du port COM OK !\r\n"
#define TXT_INTERFACE_VQ1_FOUND " Interface VQ1 USB prête à fonctionner !\r\n"
#define TXT_INTERFACE_VQ2_USB_FOUND " Décodeur VQ2 USB n°"
#define TXT_INTERFACE_VQ2_BLUETOOTH_FOUND " Décodeur VQ2 Bluetooth n°"
#define TXT_INTERFACE_CONNECTED " connecté !\r\n"
#define TXT_INTERFACE_SOFTWARE_READY " Logiciel prêt à fonctionner !"

// Sound settings
#define TXT_SOUND_CAPTION "Options du son"
#define TXT_SOUND_TITLE "Options du son"
#define TXT_SOUND_ENGLISH "English"
#define TXT_SOUND_FRENCH "Francais"
#define TXT_SOUND_RACE_START_GROUP "Début course"
#define TXT_SOUND_COUNTDOWN "Annonce vocale du décompte"
#define TXT_SOUND_START "Signal sonore au départ"
#define TXT_SOUND_RACE_GROUP "Course"
#define TXT_SOUND_PASSING "Signal sonore lors des passages voitures"
#define TXT_SOUND_BEST_LAP "Annonce vocale meilleur tour"
#define TXT_SOUND_CLOCK "Annonce vocale Horloge de course"
#define TXT_SOUND_RACE_END_GROUP "Fin course"
#define TXT_SOUND_RACE_END "Signal sonore à la fin de la course"
#define TXT_SOUND_CAR_END "Annonce vocale de fin de course pour chaque voiture"

// Detailed results
#define TXT_RESULTS_CAPTION "Résultats détaillés"
#define TXT_RESULTS_RACE_TIMES "temps en piste depuis"
#define TXT_RESULTS_LAP_TIMES "temps au tour"
#define TXT_RESULTS_POSITIONS "évolution des positions"
#define TXT_RESULTS_LAP_WORD "Tour"
#define TXT_RESULTS_COLUMN_FORMAT "Ligne%d"
#define TXT_RESULTS_LEGEND_FORMAT "L%d: %s"

#endif
