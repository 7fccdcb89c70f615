// Dialog texts of the it build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Annulla"

// Pilot database
#define TXT_PILOT_DB_CAPTION "Database Piloti"
#define TXT_PILOT_DB_TITLE "Database : Elenco dei piloti"
#define TXT_PILOT_DB_NEW_LABEL " Nuovo :"
#define TXT_PILOT_DB_NUMBER_LABEL " N°ID"
#define TXT_PILOT_DB_LIST_LABEL "Piloti (max 1000)"
#define TXT_PILOT_DB_ADD "Aggiungi"
#define TXT_PILOT_DB_DELETE "Elimina"
#define TXT_PILOT_DB_TRANSPONDER_LABEL "N° Transp."
#define TXT_PILOT_DB_SCAN "Scan"
#define SIZE_PILOT_DB_TRANSPONDER_LABEL_X 202
#define SIZE_PILOT_DB_TRANSPONDER_LABEL_WIDTH 36

// Starting grid
#define TXT_GRID_CAPTION "Piloti per la gara"
#define TXT_GRID_TITLE "Gara : Griglia di partenza"
#define TXT_GRID_COLUMN "Griglia"
#define TXT_GRID_NAMES "Nomi Piloti"
#define TXT_GRID_RACE_NAME "Nome della gara"
#define SIZE_GRID_COLUMN_WIDTH 25

// Race options
#define TXT_OPTIONS_CAPTION "Opzioni di gara"
#define TXT_OPTIONS_TITLE "Opzioni di gara : "
#define TXT_OPTIONS_RANKING_GROUP "Classifica dei piloti"
#define TXT_OPTIONS_RANK_LAPS_TIME "secondo n. giri+tempo"
#define TXT_OPTIONS_RANK_BEST_LAP "secondo giro migliore"
#define TXT_OPTIONS_TRACK_GROUP "Pista"
#define TXT_OPTIONS_PROTECTION_LABEL "Tempo di protezione giro"
#define TXT_OPTIONS_SECONDS "s"
#define TXT_OPTIONS_START_GROUP "Tipo di partenza"
#define TXT_OPTIONS_START_SIGNAL "simultanea al segnale sonoro"
#define TXT_OPTIONS_START_FIRST_CAR "al passaggio della prima vettura"
#define TXT_OPTIONS_START_STAGGERED "partenza scaglionata"
#define TXT_OPTIONS_END_GROUP "Tipo di fine gara"
#define TXT_OPTIONS_TIME_END_GROUP "Se durata gara = tempo"
#define TXT_OPTIONS_LAP_END_GROUP "Se durata gara = n. giri"
#define TXT_OPTIONS_END_SIGNAL "Arresto immediato al segnale sonoro"
#define TXT_OPTIONS_END_FINISH_LAP "Alla fine, tutti i piloti devono finire il giro"
#define TXT_OPTIONS_LAP_END_ALL_LAPS "Alla fine, tutti i piloti devono fare tutti i giri"

// Interface
#define TXT_INTERFACE_CAPTION "Interfaccia"
#define TXT_INTERFACE_TITLE "Decoder Zelquanodrim"
#define TXT_INTERFACE_MESSAGES_GROUP "Messaggi"
#define TXT_INTERFACE_DECODER_GROUP "Decoder:"
#define TXT_INTERFACE_PORT_GROUP "Porta COM"
#define TXT_INTERFACE_OPEN "Apri"
#define TXT_INTERFACE_READY_VQ1 " Interfaccia VQ1 USB pronta a funzionare."
#define TXT_INTERFACE_READY_VQ2_USB " Interfaccia VQ2 USB pronta a funzionare."
#define TXT_INTERFACE_READY_VQ2_BLUETOOTH " Interfaccia VQ2 Bluetooth pronta a funzionare."
#define TXT_INTERFACE_PORT_NOT_OPEN " Porta COM non aperta !"
#define TXT_INTERFACE_OPENING " Tentativo di apertura della porta COM:\r\n"
#define TXT_INTERFACE_OPEN_FAILED " Errore all'apertura della porta COM !"
#define TXT_INTERFACE_OPEN_OK " Apertura della porta COM OK !\r\n"
#define TXT_INTERFACE_VQ1_FOUND " Interfaccia VQ1 USB pronta a funzionare !\r\n"
#define TXT_INTERFACE_VQ2_USB_FOUND " Decoder VQ2 USB n°"
#define TXT_INTERFACE_VQ2_BLUETOOTH_FOUND " Decoder VQ2 Bluetooth n°"
#define TXT_INTERFACE_CONNECTED " connesso !\r\n"
#define TXT_INTERFACE_SOFTWARE_READY " Software pronto a funzionare !"

// Sound settings
#define TXT_SOUND_CAPTION "Opzioni audio"
#define TXT_SOUND_TITLE "Opzioni audio"
#define TXT_SOUND_ENGLISH "Inglese"
#define TXT_SOUND_FRENCH "Francese"
#define TXT_SOUND_RACE_START_GROUP "Inizio gara"
#define TXT_SOUND_COUNTDOWN "Conto alla rovescia vocale"
#define TXT_SOUND_START "Segnale acustico alla partenza"
#define TXT_SOUND_RACE_GROUP "Gara"
#define TXT_SOUND_PASSING "Segnale acustico a ogni passaggio"
#define TXT_SOUND_BEST_LAP "Annuncio vocale del giro migliore"
#define TXT_SOUND_CLOCK "Annuncio vocale del cronometro di gara"
#define TXT_SOUND_RACE_END_GROUP "Fine gara"
#define TXT_SOUND_RACE_END "Segnale acustico a fine gara"
#define TXT_SOUND_CAR_END "Annuncio vocale di fine gara per ogni auto"

// Display settings
#define TXT_DISPLAY_CAPTION "Opzioni di visualizzazione"
#define TXT_DISPLAY_TITLE "Colori e caratteri della visualizzazione"
#define TXT_DISPLAY_THEME_GROUP "Tema"
#define TXT_DISPLAY_BACKGROUND "Sfondo programma"
#define TXT_DISPLAY_BOARD_BACKGROUND "Sfondo tabellone"
#define TXT_DISPLAY_EVENTS_GROUP "Eventi"
#define TXT_DISPLAY_RACE_TITLE "Titolo gara"
#define TXT_DISPLAY_PASSING "Passaggio vettura"
#define TXT_DISPLAY_RACE_BEST_LAP "Giro migliore gara"
#define TXT_DISPLAY_PILOT_BEST_LAP "Giro migliore pilota"
#define TXT_DISPLAY_BOARD_GROUP "Tabellone risultati"
#define TXT_DISPLAY_HEADER "Intestazione"
#define TXT_DISPLAY_ROWS "Righe tabellone"
#define TXT_DISPLAY_STYLE_RELIEF "stile rilievo"
#define TXT_DISPLAY_STYLE_GRADIENT "stile sfumato"
#define TXT_DISPLAY_COLUMN "Colonna"
#define TXT_DISPLAY_WIDTH "Larghezza"
#define TXT_DISPLAY_FONT "Carattere"
#define TXT_DISPLAY_LOAD "Carica"
#define TXT_DISPLAY_SAVE "Salva"
#define TXT_DISPLAY_FILE_FILTER "File di visualizzazione (.scrn)"

// Detailed results
#define TXT_RESULTS_CAPTION "Risultati dettagliati"
#define TXT_RESULTS_RACE_TIMES "tempo in pista da"
#define TXT_RESULTS_LAP_TIMES "tempo sul giro"
#define TXT_RESULTS_POSITIONS "evoluzione posizioni"
#define TXT_RESULTS_LAP_WORD "Giro"
#define TXT_RESULTS_COLUMN_FORMAT "Linea%d"
#define TXT_RESULTS_LEGEND_FORMAT "L%d: %s"

#endif
