// Dialog texts of the en build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

// Message boxes of the dialogs: this build keeps their French words.
#define TXT_DIALOG_ERROR_CAPTION "Erreur"
#define TXT_DIALOG_PILOT_NAMES_FILE_ERROR "Erreur: impossible d'ouvrir la base de données Pilotes"
#define TXT_DIALOG_PILOT_TRANSPONDERS_FILE_ERROR "Erreur: impossible d'ouvrir la base de données Transpondeurs"
#define TXT_DIALOG_GRID_FILE_ERROR "Erreur: impossible d'ouvrir le fichier Composition Série"
#define TXT_DIALOG_RACE_OPTIONS_READ_ERROR "Erreur: impossible d'ouvrir le fichier Options Courses"
#define TXT_DIALOG_RACE_OPTIONS_WRITE_ERROR "Erreur: impossible d'ouvrir le fichier Options course"
#define TXT_DIALOG_SOUND_SETTINGS_READ_ERROR "Erreur: impossible d'ouvrir le fichier réglages sons"
#define TXT_DIALOG_SOUND_SETTINGS_WRITE_ERROR "Erreur: impossible d'ouvrir le fichier Réglage Sons"

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Cancel"

// Starting grid
#define TXT_GRID_CAPTION "Drivers for the race"
#define TXT_GRID_TITLE "Race : Starting grid"
#define TXT_GRID_COLUMN "Grid"
#define TXT_GRID_NAMES "Driver names"
#define TXT_GRID_RACE_NAME "Race name"

// Race options
#define TXT_OPTIONS_CAPTION "Race options"
#define TXT_OPTIONS_TITLE "Race options : "
#define TXT_OPTIONS_RANKING_GROUP "Driver ranking"
#define TXT_OPTIONS_RANK_LAPS_TIME "by nb of laps+time"
#define TXT_OPTIONS_RANK_BEST_LAP "by best lap"
#define TXT_OPTIONS_TRACK_GROUP "Track"
#define TXT_OPTIONS_PROTECTION_LABEL "Lap protection time"
#define TXT_OPTIONS_SECONDS "s"
#define TXT_OPTIONS_START_GROUP "Start type"
#define TXT_OPTIONS_START_SIGNAL "all together at the start signal"
#define TXT_OPTIONS_START_FIRST_CAR "when the first car passes"
#define TXT_OPTIONS_START_STAGGERED "staggered start"
#define TXT_OPTIONS_END_GROUP "Race end type"
#define TXT_OPTIONS_TIME_END_GROUP "If race length = time"
#define TXT_OPTIONS_LAP_END_GROUP "If race length = nb of laps"
#define TXT_OPTIONS_END_SIGNAL "Immediate stop at the signal"
#define TXT_OPTIONS_END_FINISH_LAP "At the end, all drivers must finish their lap"
#define TXT_OPTIONS_LAP_END_ALL_LAPS "At the end, all drivers must complete all laps"

// Interface
#define TXT_DIALOG_INTERFACE_FILE_ERROR "Erreur: impossible d'ouvrir le fichier interface Port COM"
#define TXT_INTERFACE_CAPTION "Interface"
#define TXT_INTERFACE_TITLE "Zelquanodrim decoder"
#define TXT_INTERFACE_MESSAGES_GROUP "Messages"
#define TXT_INTERFACE_DECODER_GROUP "Decoder:"
#define TXT_INTERFACE_PORT_GROUP "COM port"
#define TXT_INTERFACE_OPEN "Open"
#define TXT_INTERFACE_READY_VQ1 " VQ1 USB interface ready to work."
#define TXT_INTERFACE_READY_VQ2_USB " VQ2 USB interface ready to work."
#define TXT_INTERFACE_READY_VQ2_BLUETOOTH " VQ2 Bluetooth interface ready to work."
#define TXT_INTERFACE_PORT_NOT_OPEN " COM port not open!"
#define TXT_INTERFACE_OPENING " Trying to open the COM port:\r\n"
#define TXT_INTERFACE_OPEN_FAILED " Failed to open the COM port!"
#define TXT_INTERFACE_OPEN_OK " COM port opened OK!\r\n"
#define TXT_INTERFACE_VQ1_FOUND " VQ1 USB interface ready to work!\r\n"
#define TXT_INTERFACE_VQ2_USB_FOUND " VQ2 USB decoder no. "
#define TXT_INTERFACE_VQ2_BLUETOOTH_FOUND " VQ2 Bluetooth decoder no. "
#define TXT_INTERFACE_CONNECTED " connected!\r\n"
#define TXT_INTERFACE_SOFTWARE_READY " Software ready to work!"

// Sound settings
#define TXT_SOUND_CAPTION "Sound options"
#define TXT_SOUND_TITLE "Sound options"
#define TXT_SOUND_ENGLISH "English"
#define TXT_SOUND_FRENCH "French"
#define TXT_SOUND_RACE_START_GROUP "Race start"
#define TXT_SOUND_COUNTDOWN "Spoken countdown"
#define TXT_SOUND_START "Sound signal at the start"
#define TXT_SOUND_RACE_GROUP "Race"
#define TXT_SOUND_PASSING "Sound signal at each car passing"
#define TXT_SOUND_BEST_LAP "Spoken best lap"
#define TXT_SOUND_CLOCK "Spoken race clock"
#define TXT_SOUND_RACE_END_GROUP "Race end"
#define TXT_SOUND_RACE_END "Sound signal at the end of the race"
#define TXT_SOUND_CAR_END "Spoken end of race for each car"

// Detailed results
#define TXT_RESULTS_CAPTION "Detailed results"
#define TXT_RESULTS_RACE_TIMES "race time from start"
#define TXT_RESULTS_LAP_TIMES "lap times"
#define TXT_RESULTS_POSITIONS "position changes"
#define TXT_RESULTS_LAP_WORD "Tour"
#define TXT_RESULTS_COLUMN_FORMAT "Ligne%d"
#define TXT_RESULTS_LEGEND_FORMAT "L%d: %s"
#define TXT_DIALOG_DETAILED_RESULTS_FILE_ERROR "Erreur: impossible d'ouvrir le fichier Résultats détaillés"

#endif
