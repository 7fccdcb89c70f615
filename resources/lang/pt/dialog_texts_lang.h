// Dialog texts of the pt build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Cancelar"
#define SIZE_DIALOG_CANCEL_WIDTH 35

// Pilot database
#define TXT_PILOT_DB_CAPTION "Base de dados Pilotos"
#define TXT_PILOT_DB_TITLE "Base de dados : Lista dos pilotos"
#define TXT_PILOT_DB_NEW_LABEL " Novo :"
#define TXT_PILOT_DB_NUMBER_LABEL " N°ID"
#define TXT_PILOT_DB_LIST_LABEL "Pilotos (1000 máx)"
#define TXT_PILOT_DB_ADD "Adicionar"
#define TXT_PILOT_DB_DELETE "Apagar"
#define TXT_PILOT_DB_TRANSPONDER_LABEL "N° Chips"
#define TXT_PILOT_DB_SCAN "Scan"
#define SIZE_PILOT_DB_NEW_LABEL_X 25
#define SIZE_PILOT_DB_NEW_LABEL_WIDTH 25

// Starting grid
#define TXT_GRID_CAPTION "Pilotos para a corrida"
#define TXT_GRID_TITLE "Corrida : Grelha de partida"
#define TXT_GRID_COLUMN "Pos."
#define TXT_GRID_NAMES "Nomes Pilotos"
#define TXT_GRID_RACE_NAME "Nome da corrida"

// Race options
#define TXT_OPTIONS_CAPTION "Opções de corrida"
#define TXT_OPTIONS_TITLE "Opções de corrida : "
#define TXT_OPTIONS_RANKING_GROUP "Classificação dos pilotos"
#define TXT_OPTIONS_RANK_LAPS_TIME "por nº voltas+tempo"
#define TXT_OPTIONS_RANK_BEST_LAP "por melhor volta"
#define TXT_OPTIONS_TRACK_GROUP "Pista"
#define TXT_OPTIONS_PROTECTION_LABEL "Tempo de proteção volta"
#define TXT_OPTIONS_SECONDS "s"
#define TXT_OPTIONS_START_GROUP "Tipo de partida"
#define TXT_OPTIONS_START_SIGNAL "simultânea ao sinal sonoro"
#define TXT_OPTIONS_START_FIRST_CAR "à passagem do primeiro carro"
#define TXT_OPTIONS_START_STAGGERED "partida desfasada"
#define TXT_OPTIONS_END_GROUP "Tipo de fim de corrida"
#define TXT_OPTIONS_TIME_END_GROUP "Se duração corrida = tempo"
#define TXT_OPTIONS_LAP_END_GROUP "Se duração corrida = nº voltas"
#define TXT_OPTIONS_END_SIGNAL "Paragem imediata ao sinal sonoro"
#define TXT_OPTIONS_END_FINISH_LAP "No fim, todos os pilotos devem acabar a volta"
#define TXT_OPTIONS_LAP_END_ALL_LAPS "No fim, todos os pilotos devem fazer todas as voltas"
#define SIZE_OPTIONS_START_GROUP_WIDTH 170
#define SIZE_OPTIONS_START_FIRST_CAR_WIDTH 155

// Interface
#define TXT_INTERFACE_CAPTION "Interface"
#define TXT_INTERFACE_TITLE "Descodificador Zelquanodrim"
#define TXT_INTERFACE_MESSAGES_GROUP "Mensagens"
#define TXT_INTERFACE_DECODER_GROUP "Descodificador:"
#define TXT_INTERFACE_PORT_GROUP "Porta COM"
#define TXT_INTERFACE_OPEN "Abrir"
#define TXT_INTERFACE_READY_VQ1 " Interface VQ1 USB pronta a funcionar."
#define TXT_INTERFACE_READY_VQ2_USB " Interface VQ2 USB pronta a funcionar."
#define TXT_INTERFACE_READY_VQ2_BLUETOOTH " Interface VQ2 Bluetooth pronta a funcionar."
#define TXT_INTERFACE_PORT_NOT_OPEN " Porta COM não aberta !"
#define TXT_INTERFACE_OPENING " Tentativa de abertura da porta COM:\r\n"
#define TXT_INTERFACE_OPEN_FAILED " Falha na abertura da porta COM !"
#define TXT_INTERFACE_OPEN_OK " Abertura da porta COM OK !\r\n"
#define TXT_INTERFACE_VQ1_FOUND " Interface VQ1 USB pronta a funcionar !\r\n"
#define TXT_INTERFACE_VQ2_USB_FOUND " Descodificador VQ2 USB n.º "
#define TXT_INTERFACE_VQ2_BLUETOOTH_FOUND " Descodificador VQ2 Bluetooth n.º "
#define TXT_INTERFACE_CONNECTED " ligado !\r\n"
#define TXT_INTERFACE_SOFTWARE_READY " Software pronto a funcionar !"

// Sound settings
#define TXT_SOUND_CAPTION "Opções de som"
#define TXT_SOUND_TITLE "Opções de som"
#define TXT_SOUND_ENGLISH "Inglês"
#define TXT_SOUND_FRENCH "Francês"
#define TXT_SOUND_RACE_START_GROUP "Início da corrida"
#define TXT_SOUND_COUNTDOWN "Contagem decrescente falada"
#define TXT_SOUND_START "Sinal sonoro na partida"
#define TXT_SOUND_RACE_GROUP "Corrida"
#define TXT_SOUND_PASSING "Sinal sonoro a cada passagem de carro"
#define TXT_SOUND_BEST_LAP "Anúncio falado da melhor volta"
#define TXT_SOUND_CLOCK "Anúncio falado do relógio de corrida"
#define TXT_SOUND_RACE_END_GROUP "Fim da corrida"
#define TXT_SOUND_RACE_END "Sinal sonoro no fim da corrida"
#define TXT_SOUND_CAR_END "Anúncio falado do fim da corrida de cada carro"

// Display settings
#define TXT_DISPLAY_CAPTION "Opções de visualização"
#define TXT_DISPLAY_TITLE "Cores e letras da visualização"
#define TXT_DISPLAY_THEME_GROUP "Tema"
#define TXT_DISPLAY_BACKGROUND "Fundo do programa"
#define TXT_DISPLAY_BOARD_BACKGROUND "Fundo do quadro"
#define TXT_DISPLAY_EVENTS_GROUP "Eventos"
#define TXT_DISPLAY_RACE_TITLE "Título da corrida"
#define TXT_DISPLAY_PASSING "Passagem do carro"
#define TXT_DISPLAY_RACE_BEST_LAP "Melhor volta prova"
#define TXT_DISPLAY_PILOT_BEST_LAP "Melhor volta piloto"
#define TXT_DISPLAY_BOARD_GROUP "Quadro de resultados"
#define TXT_DISPLAY_HEADER "Cabeçalho quadro"
#define TXT_DISPLAY_ROWS "Linhas do quadro"
#define TXT_DISPLAY_STYLE_RELIEF "estilo relevo"
#define TXT_DISPLAY_STYLE_GRADIENT "estilo gradiente"
#define TXT_DISPLAY_COLUMN "Coluna"
#define TXT_DISPLAY_WIDTH "Largura"
#define TXT_DISPLAY_FONT "Letra"
#define TXT_DISPLAY_LOAD "Carregar"
#define TXT_DISPLAY_SAVE "Guardar"
#define TXT_DISPLAY_FILE_FILTER "Ficheiro de visualização (.scrn)"

// Detailed results
#define TXT_RESULTS_CAPTION "Resultados detalhados"
#define TXT_RESULTS_RACE_TIMES "tempo em pista desde"
#define TXT_RESULTS_LAP_TIMES "tempo por volta"
#define TXT_RESULTS_POSITIONS "evolução das posições"
#define TXT_RESULTS_LAP_WORD "Volta"
#define TXT_RESULTS_COLUMN_FORMAT "Linha%d"
#define TXT_RESULTS_LEGEND_FORMAT "L%d: %s"

#endif
