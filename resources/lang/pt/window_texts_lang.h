// Main window texts of the pt build.
#ifndef WINDOW_TEXTS_LANG_H
#define WINDOW_TEXTS_LANG_H

#define TXT_MENU_DATABASE "Base de dados"
#define TXT_MENU_PILOTS "Pilotos"
#define TXT_MENU_RACE "Corrida"
#define TXT_MENU_STARTING_GRID "Grelha de partida"
#define TXT_MENU_RACE_OPTIONS "Opções"
#define TXT_MENU_DETAILED_RESULTS "Detalhe resultados"
#define TXT_MENU_SETTINGS "Definições"
#define TXT_MENU_SOUNDS "Sons"
#define TXT_MENU_DISPLAY "Visualização"
#define TXT_MENU_INTERFACE "Interface"
#define TXT_MENU_HELP_POPUP "?"
#define TXT_MENU_HELP "Ajuda"
#define TXT_HELP_DOCUMENT "\\guides\\HelpOrlaSequentGB.pdf"

#define TXT_START_BUTTON "Partida"
#define TXT_START_LABEL "Partida"
#define TXT_STOP_BUTTON "Parar"
#define TXT_STOP_LABEL "Parar"
#define TXT_CLEAR_BUTTON "Limpar"
#define TXT_CLEAR_LABEL "Limpar"
#define TXT_TRANSPONDER_MODE "Modo transponders"
#define TXT_OWN_CHIPS "Chips próprios"
#define TXT_MIXED_SCAN "Misto (scan)"
#define TXT_SCAN "Scan"
#define TXT_SCAN_OFF " Off"
#define TXT_SCAN_LEARNING " Scan em curso"
#define TXT_SCAN_VERIFYING " Verif. em curso"
#define TXT_SCAN_VERIFIED " Verif. terminada"
#define TXT_DURATION "Duração corrida"
#define TXT_RACE_BY_TIME "Tempo"
#define TXT_RACE_BY_LAPS "N.º voltas"
#define TXT_HOURS_UNIT "h"
#define TXT_MINUTES_UNIT "min "
#define TXT_LAPS_UNIT "vltas"
#define TXT_COUNTDOWN_GROUP "Contagem"
#define TXT_SECONDS_UNIT "s"
#define TXT_CLOCK_GROUP "Relógio"
#define TXT_RACE_LENGTH_LAPS_FORMAT "%d vltas"

#define TXT_HEADER_POSITION "Pos"
#define TXT_HEADER_GRID "Linha"
#define TXT_HEADER_NAME "Nome piloto"
#define TXT_HEADER_LAPS "Voltas"
#define TXT_HEADER_RACE_TIME "Tempo total"
#define TXT_HEADER_GAP_LEADER "Dif. líder"
#define TXT_HEADER_GAP_AHEAD "Dif. anterior"
#define TXT_HEADER_LAST_LAP "Última volta"
#define TXT_HEADER_BEST_LAP "Melhor volta"
#define TXT_HEADER_TRANSPONDER "Transp."
#define TXT_HEADER_FINISH "Fim"

#define TXT_CLOSE_REFUSED "Uma corrida ou um scan está em curso!\r\nNão pode fechar a aplicação."
#define TXT_CLOSE_CONFIRM "Tem a certeza de que quer fechar a aplicação?"
#define TXT_CLEAR_CONFIRM "Tem a certeza de que quer apagar os resultados da série?\nOs dados serão perdidos"

#define TXT_ERROR_CAPTION "Erro"
#define TXT_MESSAGE_CAPTION "Mensagem"
#define TXT_INTERFACE_FILE_ERROR "Erro: não é possível abrir o ficheiro Interface Porta COM"
#define TXT_PORT_OPEN_FAILED "Falha ao abrir a porta COM"
#define TXT_VQ1_CONNECTED "Interface Zelquanodrim VQ1 USB ligada.\r\nSoftware pronto a funcionar."
#define TXT_VQ2_USB_CONNECTED_FORMAT "Descodificador VQ2 USB n.º %06d ligado.\r\nSoftware pronto a funcionar."
#define TXT_VQ2_BLUETOOTH_CONNECTED_FORMAT "Descodificador VQ2 Bluetooth n.º %06d ligado.\r\nSoftware pronto a funcionar."
#define TXT_LINK_LOST_FORMAT "Perda de ligação do descodificador VQ2 às %s.\n"
#define TXT_LINK_RESTORED_FORMAT "Ligação do descodificador VQ2 recuperada às %s."
#define TXT_LINK_RECOVERY_FAILED "Falha na recuperação."

#define SIZE_TRANSPONDER_MODE_WIDTH 330
#define SIZE_OWN_CHIPS_WIDTH 130
#define SIZE_MIXED_SCAN_WIDTH 105
#define SIZE_SCAN_X 320
#define SIZE_SCAN_WIDTH 60
#define SIZE_SCAN_STATUS_X 390
#define SIZE_SCAN_STATUS_WIDTH 125
#define SIZE_RACE_BY_LAPS_WIDTH 85
#define SIZE_LAPS_FROM_RIGHT 195
#define SIZE_LAPS_LABEL_FROM_RIGHT 151
#define SIZE_LAPS_LABEL_WIDTH 43

#endif
