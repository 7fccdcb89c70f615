// Main window texts of the it build.
#ifndef WINDOW_TEXTS_LANG_H
#define WINDOW_TEXTS_LANG_H

#define TXT_MENU_DATABASE "Database"
#define TXT_MENU_PILOTS "Piloti"
#define TXT_MENU_RACE "Gara"
#define TXT_MENU_STARTING_GRID "Griglia di partenza"
#define TXT_MENU_RACE_OPTIONS "Opzioni"
#define TXT_MENU_DETAILED_RESULTS "Dettaglio risultati"
#define TXT_MENU_SETTINGS "Impostazioni"
#define TXT_MENU_SOUNDS "Suoni"
#define TXT_MENU_DISPLAY "Visualizzazione"
#define TXT_MENU_INTERFACE "Interfaccia"
#define TXT_MENU_HELP_POPUP "?"
#define TXT_MENU_HELP "Aiuto"
#define TXT_HELP_DOCUMENT "\\guides\\HelpOrlaSequentGB.pdf"

#define TXT_START_BUTTON "Avvia"
#define TXT_START_LABEL "Avvia"
#define TXT_STOP_BUTTON "Ferma"
#define TXT_STOP_LABEL "Ferma"
#define TXT_CLEAR_BUTTON "Azzera"
#define TXT_CLEAR_LABEL "Azzera"
#define TXT_TRANSPONDER_MODE "Modalità transponder"
#define TXT_OWN_CHIPS "Chip personali"
#define TXT_MIXED_SCAN "Misto (scan)"
#define TXT_SCAN "Scan"
#define TXT_SCAN_OFF " Off"
#define TXT_SCAN_LEARNING " Scan in corso"
#define TXT_SCAN_VERIFYING " Verif. in corso"
#define TXT_SCAN_VERIFIED " Verif. terminata"
#define TXT_DURATION "Durata gara"
#define TXT_RACE_BY_TIME "Tempo"
#define TXT_RACE_BY_LAPS "N. giri"
#define TXT_HOURS_UNIT "h"
#define TXT_MINUTES_UNIT "min "
#define TXT_LAPS_UNIT "giri "
#define TXT_COUNTDOWN_GROUP "Conto alla rovescia"
#define TXT_SECONDS_UNIT "s"
#define TXT_CLOCK_GROUP "Orologio"
#define TXT_RACE_LENGTH_LAPS_FORMAT "%d giri"

#define TXT_HEADER_POSITION "Pos"
#define TXT_HEADER_GRID "Linea"
#define TXT_HEADER_NAME "Nome pilota"
#define TXT_HEADER_LAPS "Giri"
#define TXT_HEADER_RACE_TIME "Tempo totale"
#define TXT_HEADER_GAP_LEADER "Dist. leader"
#define TXT_HEADER_GAP_AHEAD "Dist. preced."
#define TXT_HEADER_LAST_LAP "Ultimo giro"
#define TXT_HEADER_BEST_LAP "Giro migliore"
#define TXT_HEADER_TRANSPONDER "Transp."
#define TXT_HEADER_FINISH "Fine"

#define TXT_CLOSE_REFUSED "Una gara o una scansione è in corso!\r\nNon è possibile chiudere l'applicazione."
#define TXT_CLOSE_CONFIRM "Sei sicuro di voler chiudere l'applicazione?"
#define TXT_CLEAR_CONFIRM "Sei sicuro di voler cancellare i risultati della serie?\nI dati andranno persi"

#define TXT_ERROR_CAPTION "Errore"
#define TXT_MESSAGE_CAPTION "Messaggio"
#define TXT_INTERFACE_FILE_ERROR "Errore: impossibile aprire il file Interfaccia Porta COM"
#define TXT_PORT_OPEN_FAILED "Apertura della porta COM non riuscita"
#define TXT_VQ1_CONNECTED "Interfaccia Zelquanodrim VQ1 USB connessa.\r\nSoftware pronto all'uso."
#define TXT_VQ2_USB_CONNECTED_FORMAT "Decoder VQ2 USB n. %06d connesso.\r\nSoftware pronto all'uso."
#define TXT_VQ2_BLUETOOTH_CONNECTED_FORMAT "Decoder VQ2 Bluetooth n. %06d connesso.\r\nSoftware pronto all'uso."
#define TXT_LINK_LOST_FORMAT "Connessione al decoder VQ2 persa a %s.\n"
#define TXT_LINK_RESTORED_FORMAT "Connessione al decoder VQ2 ripristinata a %s."
#define TXT_LINK_RECOVERY_FAILED "Ripristino non riuscito."

#define SIZE_TRANSPONDER_MODE_WIDTH 330
#define SIZE_OWN_CHIPS_WIDTH 115
#define SIZE_MIXED_SCAN_WIDTH 105
#define SIZE_SCAN_X 320
#define SIZE_SCAN_WIDTH 60
#define SIZE_SCAN_STATUS_X 390
#define SIZE_SCAN_STATUS_WIDTH 133
#define SIZE_RACE_BY_LAPS_WIDTH 85
#define SIZE_LAPS_FROM_RIGHT 195
#define SIZE_LAPS_LABEL_FROM_RIGHT 151
#define SIZE_LAPS_LABEL_WIDTH 39

#endif
