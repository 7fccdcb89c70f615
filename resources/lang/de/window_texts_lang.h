// Main window texts of the de build.
#ifndef WINDOW_TEXTS_LANG_H
#define WINDOW_TEXTS_LANG_H

#define TXT_MENU_DATABASE "Datenbank"
#define TXT_MENU_PILOTS "Fahrer"
#define TXT_MENU_RACE "Rennen"
#define TXT_MENU_STARTING_GRID "Startaufstellung"
#define TXT_MENU_RACE_OPTIONS "Optionen"
#define TXT_MENU_DETAILED_RESULTS "Ergebnisdetails"
#define TXT_MENU_SETTINGS "Einstellungen"
#define TXT_MENU_SOUNDS "Töne"
#define TXT_MENU_DISPLAY "Anzeige"
#define TXT_MENU_INTERFACE "Schnittstelle"
#define TXT_MENU_HELP_POPUP "?"
#define TXT_MENU_HELP "Hilfe"
#define TXT_HELP_DOCUMENT "\\guides\\HelpOrlaSequentGB.pdf"

#define TXT_START_BUTTON "Start"
#define TXT_START_LABEL "Start"
#define TXT_STOP_BUTTON "Stopp"
#define TXT_STOP_LABEL "Stopp"
#define TXT_CLEAR_BUTTON "Löschen"
#define TXT_CLEAR_LABEL "Löschen"
#define TXT_TRANSPONDER_MODE "Transponder-Modus"
#define TXT_OWN_CHIPS "Eigene Chips"
#define TXT_MIXED_SCAN "Mix (Scan)"
#define TXT_SCAN "Scan"
#define TXT_SCAN_OFF " Off"
#define TXT_SCAN_LEARNING " Scan läuft"
#define TXT_SCAN_VERIFYING " Prüfung läuft"
#define TXT_SCAN_VERIFIED " Prüfung beendet"
#define TXT_DURATION "Renndauer"
#define TXT_RACE_BY_TIME "Zeit"
#define TXT_RACE_BY_LAPS "Runden"
#define TXT_HOURS_UNIT "h"
#define TXT_MINUTES_UNIT "min "
#define TXT_LAPS_UNIT "Rd."
#define TXT_COUNTDOWN_GROUP "Countdown"
#define TXT_SECONDS_UNIT "s"
#define TXT_CLOCK_GROUP "Uhr"
#define TXT_RACE_LENGTH_LAPS_FORMAT "%d Rund."

#define TXT_HEADER_POSITION "Pos"
#define TXT_HEADER_GRID "Startpl."
#define TXT_HEADER_NAME "Fahrername"
#define TXT_HEADER_LAPS "Runden"
#define TXT_HEADER_RACE_TIME "Gesamtzeit"
#define TXT_HEADER_GAP_LEADER "Abst. Führ."
#define TXT_HEADER_GAP_AHEAD "Abst. Vordm."
#define TXT_HEADER_LAST_LAP "Letzte Rd."
#define TXT_HEADER_BEST_LAP "Beste Rd."
#define TXT_HEADER_TRANSPONDER "Transp."
#define TXT_HEADER_FINISH "Ziel"

#define TXT_CLOSE_REFUSED "Ein Rennen oder ein Scan läuft!\r\nSie können die Anwendung nicht schließen."
#define TXT_CLOSE_CONFIRM "Möchten Sie die Anwendung wirklich schließen?"
#define TXT_CLEAR_CONFIRM "Möchten Sie die Ergebnisse der Serie wirklich löschen?\nDie Daten gehen verloren"

#define TXT_ERROR_CAPTION "Fehler"
#define TXT_MESSAGE_CAPTION "Meldung"
#define TXT_INTERFACE_FILE_ERROR "Fehler: Datei Schnittstelle COM-Port kann nicht geöffnet werden"
#define TXT_PORT_OPEN_FAILED "Öffnen des COM-Ports fehlgeschlagen"
#define TXT_VQ1_CONNECTED "Schnittstelle Zelquanodrim VQ1 USB verbunden.\r\nSoftware betriebsbereit."
#define TXT_VQ2_USB_CONNECTED_FORMAT "Decoder VQ2 USB Nr. %06d verbunden.\r\nSoftware betriebsbereit."
#define TXT_VQ2_BLUETOOTH_CONNECTED_FORMAT "Decoder VQ2 Bluetooth Nr. %06d verbunden.\r\nSoftware betriebsbereit."
#define TXT_LINK_LOST_FORMAT "Verbindung zum Decoder VQ2 verloren um %s.\n"
#define TXT_LINK_RESTORED_FORMAT "Verbindung zum Decoder VQ2 wiederhergestellt um %s."
#define TXT_LINK_RECOVERY_FAILED "Wiederherstellung fehlgeschlagen."

#define SIZE_TRANSPONDER_MODE_WIDTH 360
#define SIZE_OWN_CHIPS_WIDTH 105
#define SIZE_MIXED_SCAN_WIDTH 105
#define SIZE_SCAN_X 320
#define SIZE_SCAN_WIDTH 60
#define SIZE_SCAN_STATUS_X 390
#define SIZE_SCAN_STATUS_WIDTH 160
#define SIZE_RACE_BY_LAPS_WIDTH 85
#define SIZE_LAPS_FROM_RIGHT 195
#define SIZE_LAPS_LABEL_FROM_RIGHT 151
#define SIZE_LAPS_LABEL_WIDTH 45

#endif
