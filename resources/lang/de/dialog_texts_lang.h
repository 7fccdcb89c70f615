// Dialog texts of the de build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Abbrechen"
#define SIZE_DIALOG_CANCEL_WIDTH 40

// Pilot database
#define TXT_PILOT_DB_CAPTION "Fahrerdatenbank"
#define TXT_PILOT_DB_TITLE "Datenbank : Liste der Fahrer"
#define TXT_PILOT_DB_NEW_LABEL " Neu :"
#define TXT_PILOT_DB_NUMBER_LABEL " Nr."
#define TXT_PILOT_DB_LIST_LABEL "Fahrer (max. 1000)"
#define TXT_PILOT_DB_ADD "Hinzufügen"
#define TXT_PILOT_DB_DELETE "Löschen"
#define TXT_PILOT_DB_TRANSPONDER_LABEL "Transp.-Nr."
#define TXT_PILOT_DB_SCAN "Scan"
#define SIZE_PILOT_DB_TRANSPONDER_LABEL_X 203
#define SIZE_PILOT_DB_TRANSPONDER_LABEL_WIDTH 37

// Starting grid
#define TXT_GRID_CAPTION "Fahrer für das Rennen"
#define TXT_GRID_TITLE "Rennen : Startaufstellung"
#define TXT_GRID_COLUMN "Platz"
#define TXT_GRID_NAMES "Fahrernamen"
#define TXT_GRID_RACE_NAME "Rennname"
#define SIZE_GRID_RACE_NAME_X 90

// Race options
#define TXT_OPTIONS_CAPTION "Rennoptionen"
#define TXT_OPTIONS_TITLE "Rennoptionen : "
#define TXT_OPTIONS_RANKING_GROUP "Fahrerwertung"
#define TXT_OPTIONS_RANK_LAPS_TIME "nach Rundenzahl+Zeit"
#define TXT_OPTIONS_RANK_BEST_LAP "nach bester Runde"
#define TXT_OPTIONS_TRACK_GROUP "Strecke"
#define TXT_OPTIONS_PROTECTION_LABEL "Rundenschutzzeit"
#define TXT_OPTIONS_SECONDS "s"
#define TXT_OPTIONS_START_GROUP "Startart"
#define TXT_OPTIONS_START_SIGNAL "gemeinsam beim Startsignal"
#define TXT_OPTIONS_START_FIRST_CAR "bei Durchfahrt des ersten Wagens"
#define TXT_OPTIONS_START_STAGGERED "versetzter Start"
#define TXT_OPTIONS_END_GROUP "Art des Rennendes"
#define TXT_OPTIONS_TIME_END_GROUP "Wenn Renndauer = Zeit"
#define TXT_OPTIONS_LAP_END_GROUP "Wenn Renndauer = Rundenzahl"
#define TXT_OPTIONS_END_SIGNAL "Sofortiger Stopp beim Signal"
#define TXT_OPTIONS_END_FINISH_LAP "Am Ende müssen alle Fahrer ihre Runde beenden"
#define TXT_OPTIONS_LAP_END_ALL_LAPS "Am Ende müssen alle Fahrer alle Runden fahren"
#define SIZE_OPTIONS_START_FIRST_CAR_WIDTH 135

// Interface
#define TXT_INTERFACE_CAPTION "Schnittstelle"
#define TXT_INTERFACE_TITLE "Zelquanodrim-Decoder"
#define TXT_INTERFACE_MESSAGES_GROUP "Meldungen"
#define TXT_INTERFACE_DECODER_GROUP "Decoder:"
#define TXT_INTERFACE_PORT_GROUP "COM-Port"
#define TXT_INTERFACE_OPEN "Öffnen"
#define TXT_INTERFACE_READY_VQ1 " Schnittstelle VQ1 USB betriebsbereit."
#define TXT_INTERFACE_READY_VQ2_USB " Schnittstelle VQ2 USB betriebsbereit."
#define TXT_INTERFACE_READY_VQ2_BLUETOOTH " Schnittstelle VQ2 Bluetooth betriebsbereit."
#define TXT_INTERFACE_PORT_NOT_OPEN " COM-Port nicht geöffnet !"
#define TXT_INTERFACE_OPENING " Versuch, den COM-Port zu öffnen:\r\n"
#define TXT_INTERFACE_OPEN_FAILED " Fehler beim Öffnen des COM-Ports !"
#define TXT_INTERFACE_OPEN_OK " COM-Port geöffnet, OK !\r\n"
#define TXT_INTERFACE_VQ1_FOUND " Schnittstelle VQ1 USB betriebsbereit !\r\n"
#define TXT_INTERFACE_VQ2_USB_FOUND " Decoder VQ2 USB Nr. "
#define TXT_INTERFACE_VQ2_BLUETOOTH_FOUND " Decoder VQ2 Bluetooth Nr. "
#define TXT_INTERFACE_CONNECTED " verbunden !\r\n"
#define TXT_INTERFACE_SOFTWARE_READY " Software betriebsbereit !"

// Sound settings
#define TXT_SOUND_CAPTION "Toneinstellungen"
#define TXT_SOUND_TITLE "Toneinstellungen"
#define TXT_SOUND_ENGLISH "Englisch"
#define TXT_SOUND_FRENCH "Franz."
#define TXT_SOUND_RACE_START_GROUP "Rennstart"
#define TXT_SOUND_COUNTDOWN "Gesprochener Countdown"
#define TXT_SOUND_START "Tonsignal beim Start"
#define TXT_SOUND_RACE_GROUP "Rennen"
#define TXT_SOUND_PASSING "Tonsignal bei jeder Durchfahrt"
#define TXT_SOUND_BEST_LAP "Ansage der schnellsten Runde"
#define TXT_SOUND_CLOCK "Ansage der Rennuhr"
#define TXT_SOUND_RACE_END_GROUP "Rennende"
#define TXT_SOUND_RACE_END "Tonsignal am Ende des Rennens"
#define TXT_SOUND_CAR_END "Zielansage für jedes Fahrzeug"

// Display settings
#define SIZE_DISPLAY_BOARD_BACKGROUND_WIDTH 79
#define TXT_DISPLAY_CAPTION "Anzeigeoptionen"
#define TXT_DISPLAY_TITLE "Farben und Schriften der Anzeige"
#define TXT_DISPLAY_THEME_GROUP "Thema"
#define TXT_DISPLAY_BACKGROUND "Programmhintergrund"
#define TXT_DISPLAY_BOARD_BACKGROUND "Tabellenhintergrund"
#define TXT_DISPLAY_EVENTS_GROUP "Ereignisse"
#define TXT_DISPLAY_RACE_TITLE "Renntitel"
#define TXT_DISPLAY_PASSING "Fahrzeugdurchfahrt"
#define TXT_DISPLAY_RACE_BEST_LAP "Beste Runde Lauf"
#define TXT_DISPLAY_PILOT_BEST_LAP "Beste Runde Fahrer"
#define TXT_DISPLAY_BOARD_GROUP "Ergebnistabelle"
#define TXT_DISPLAY_HEADER "Tabellenkopf"
#define TXT_DISPLAY_ROWS "Tabellenzeilen"
#define TXT_DISPLAY_STYLE_RELIEF "Stil Relief"
#define TXT_DISPLAY_STYLE_GRADIENT "Stil Verlauf"
#define TXT_DISPLAY_COLUMN "Spalte"
#define TXT_DISPLAY_WIDTH "Breite"
#define TXT_DISPLAY_FONT "Schrift"
#define TXT_DISPLAY_LOAD "Laden"
#define TXT_DISPLAY_SAVE "Speichern"
#define TXT_DISPLAY_FILE_FILTER "Anzeigedatei (.scrn)"

// Detailed results
#define TXT_RESULTS_CAPTION "Detailergebnisse"
#define TXT_RESULTS_RACE_TIMES "Fahrzeit seit Start"
#define TXT_RESULTS_LAP_TIMES "Rundenzeiten"
#define TXT_RESULTS_POSITIONS "Positionsverlauf"
#define TXT_RESULTS_LAP_WORD "Runde"
#define TXT_RESULTS_COLUMN_FORMAT "Platz%d"
#define TXT_RESULTS_LEGEND_FORMAT "P%d: %s"
// The longer lap word ends nearer the lap numbers' right border in the
// tables, and stands further in from the chart's corner.
#define SIZE_RESULTS_TABLE_LAP_WORD_FROM_VIEW 5
#define SIZE_RESULTS_CHART_LAP_WORD_FROM_RIGHT 40
#define SIZE_RESULTS_OK_X 270

#endif
