// Main window texts of the fr build.
#ifndef WINDOW_TEXTS_LANG_H
#define WINDOW_TEXTS_LANG_H

#define TXT_MENU_DATABASE "Base de données"
#define TXT_MENU_PILOTS "Pilotes"
#define TXT_MENU_RACE "Course"
#define TXT_MENU_STARTING_GRID "Grille de départ"
#define TXT_MENU_RACE_OPTIONS "Options"
#define TXT_MENU_DETAILED_RESULTS "Detail résultats"
#define TXT_MENU_SETTINGS "Réglages"
#define TXT_MENU_SOUNDS "Sons"
#define TXT_MENU_DISPLAY "Affichage"
#define TXT_MENU_INTERFACE "Interface"
#define TXT_MENU_HELP_POPUP "?"
#define TXT_MENU_HELP "Aide"
#define TXT_HELP_DOCUMENT "\\guides\\HelpOrlaSequentFR.pdf"

#define TXT_START_BUTTON "Depart"
#define TXT_START_LABEL "Départ"
#define TXT_STOP_BUTTON "Arret"
#define TXT_STOP_LABEL "Arret"
#define TXT_CLEAR_BUTTON "Effacer"
#define TXT_CLEAR_LABEL "Effacer"
#define TXT_TRANSPONDER_MODE "Mode transpondeurs"
#define TXT_OWN_CHIPS "Puces perso"
#define TXT_MIXED_SCAN "Mixte (scan)"
#define TXT_SCAN "Scan"
#define TXT_SCAN_OFF " Off"
#define TXT_SCAN_LEARNING " Scan en cours"
#define TXT_SCAN_VERIFYING " Vérif en cours"
#define TXT_SCAN_VERIFIED " Vérif terminée"
#define TXT_DURATION "Durée course"
#define TXT_RACE_BY_TIME "Temps"
#define TXT_RACE_BY_LAPS "Nbre tours"
#define TXT_HOURS_UNIT "h"
#define TXT_MINUTES_UNIT "min "
#define TXT_LAPS_UNIT "tours "
#define TXT_COUNTDOWN_GROUP "Décompte"
#define TXT_SECONDS_UNIT "s"
#define TXT_CLOCK_GROUP "Horloge"
#define TXT_RACE_LENGTH_LAPS_FORMAT "%d tours"

#define TXT_HEADER_POSITION "Pos"
#define TXT_HEADER_GRID "Ligne"
#define TXT_HEADER_NAME "Nom pilote"
#define TXT_HEADER_LAPS "Tours"
#define TXT_HEADER_RACE_TIME "Temps total"
#define TXT_HEADER_GAP_LEADER "Ecart leader"
#define TXT_HEADER_GAP_AHEAD "Ecart précédt"
#define TXT_HEADER_LAST_LAP "Dernier tour"
#define TXT_HEADER_BEST_LAP "Meilleur tour"
#define TXT_HEADER_TRANSPONDER "Transp."
#define TXT_HEADER_FINISH "Fin"

#define TXT_CLOSE_REFUSED "Une course ou un scan est en cours!\r\nVous ne pouvez pas fermer l'application."
#define TXT_CLOSE_CONFIRM "Etes vous sûr de vouloir fermer l'application ?"
#define TXT_CLEAR_CONFIRM "Etes vous sûr de vouloir effacer les résultats de la série?\nLes données seront perdues"

#define TXT_ERROR_CAPTION "Erreur"
#define TXT_MESSAGE_CAPTION "Message"
#define TXT_INTERFACE_FILE_ERROR "Erreur: impossible d'ouvrir le fichier Interface Port COM"
#define TXT_PORT_OPEN_FAILED "Echec à l'ouverture du port COM"
#define TXT_VQ1_CONNECTED "Interface Zelquanodrim VQ1 USB connectée.\r\nLogiciel prêt à fonctionner."
#define TXT_VQ2_USB_CONNECTED_FORMAT "Décodeur VQ2 USB n°%06d connecté.\r\nLogiciel prêt à fonctionner."
#define TXT_VQ2_BLUETOOTH_CONNECTED_FORMAT "Décodeur VQ2 Bluetooth n°%06d connecté.\r\nLogiciel prêt à fonctionner."
#define TXT_LINK_LOST_FORMAT "Perte connexion du décodeur VQ2 à %s.\n"
#define TXT_LINK_RESTORED_FORMAT "Récupération connexion décodeur VQ2 réussie à %s."
#define TXT_LINK_RECOVERY_FAILED "Echec à la récupération."

#define SIZE_TRANSPONDER_MODE_WIDTH 330
#define SIZE_OWN_CHIPS_WIDTH 105
#define SIZE_MIXED_SCAN_WIDTH 105
#define SIZE_SCAN_X 320
#define SIZE_SCAN_WIDTH 60
#define SIZE_SCAN_STATUS_X 390
#define SIZE_SCAN_STATUS_WIDTH 110
#define SIZE_RACE_BY_LAPS_WIDTH 89
#define SIZE_LAPS_FROM_RIGHT 195
#define SIZE_LAPS_LABEL_FROM_RIGHT 151
#define SIZE_LAPS_LABEL_WIDTH 39

#endif
