// Dialog texts of the it build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Annulla"

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

// Detailed results
#define TXT_RESULTS_CAPTION "Risultati dettagliati"
#define TXT_RESULTS_RACE_TIMES "tempo in pista da"
#define TXT_RESULTS_LAP_TIMES "tempo sul giro"
#define TXT_RESULTS_POSITIONS "evoluzione posizioni"
#define TXT_RESULTS_LAP_WORD "Giro"
#define TXT_RESULTS_COLUMN_FORMAT "Linea%d"
#define TXT_RESULTS_LEGEND_FORMAT "L%d: %s"

#endif
