// Dialog texts of the es build, and the dialog sizes where this build's words
// need other ones; shared by its texts unit and its resource script.
#ifndef DIALOG_TEXTS_LANG_H
#define DIALOG_TEXTS_LANG_H

#define TXT_DIALOG_OK "Ok"
#define TXT_DIALOG_CANCEL "Cancelar"
#define SIZE_DIALOG_CANCEL_WIDTH 35

// Pilot database
#define TXT_PILOT_DB_CAPTION "Base de datos Pilotos"
#define TXT_PILOT_DB_TITLE "Base de datos : Lista de pilotos"
#define TXT_PILOT_DB_NEW_LABEL " Nuevo:"
#define TXT_PILOT_DB_NUMBER_LABEL " N°ID"
#define TXT_PILOT_DB_LIST_LABEL "Pilotos (1000 máx)"
#define TXT_PILOT_DB_ADD "Añadir"
#define TXT_PILOT_DB_DELETE "Borrar"
#define TXT_PILOT_DB_TRANSPONDER_LABEL "N° Transp."
#define TXT_PILOT_DB_SCAN "Scan"
#define SIZE_PILOT_DB_NEW_LABEL_X 20
#define SIZE_PILOT_DB_NEW_LABEL_WIDTH 25
#define SIZE_PILOT_DB_TRANSPONDER_LABEL_WIDTH 35

// Starting grid
#define TXT_GRID_CAPTION "Pilotos para la carrera"
#define TXT_GRID_TITLE "Carrera : Parrilla de salida"
#define TXT_GRID_COLUMN "Pos."
#define TXT_GRID_NAMES "Nombres Pilotos"
#define TXT_GRID_RACE_NAME "Nombre carrera"
#define SIZE_GRID_COLUMN_X 45
#define SIZE_GRID_NAMES_X 100
#define SIZE_GRID_RACE_NAME_X 70
#define SIZE_GRID_RACE_NAME_WIDTH 70

// Race options
#define TXT_OPTIONS_CAPTION "Opciones de carrera"
#define TXT_OPTIONS_TITLE "Opciones de carrera : "
#define TXT_OPTIONS_RANKING_GROUP "Clasificación de los pilotos"
#define TXT_OPTIONS_RANK_LAPS_TIME "según nº de vueltas+tiempo"
#define TXT_OPTIONS_RANK_BEST_LAP "según mejor vuelta"
#define TXT_OPTIONS_TRACK_GROUP "Pista"
#define TXT_OPTIONS_PROTECTION_LABEL "Tiempo protección vuelta"
#define TXT_OPTIONS_SECONDS "s"
#define TXT_OPTIONS_START_GROUP "Tipo de salida"
#define TXT_OPTIONS_START_SIGNAL "simultánea a la señal sonora"
#define TXT_OPTIONS_START_FIRST_CAR "al paso del primer coche"
#define TXT_OPTIONS_START_STAGGERED "salida escalonada"
#define TXT_OPTIONS_END_GROUP "Tipo de final de carrera"
#define TXT_OPTIONS_TIME_END_GROUP "Si duración carrera = tiempo"
#define TXT_OPTIONS_LAP_END_GROUP "Si duración carrera = nº vueltas"
#define TXT_OPTIONS_END_SIGNAL "Parada inmediata a la señal sonora"
#define TXT_OPTIONS_END_FINISH_LAP "Al final, todos los pilotos deben terminar su vuelta"
#define TXT_OPTIONS_LAP_END_ALL_LAPS "Al final, los pilotos deben dar todas las vueltas"
#define SIZE_OPTIONS_RANK_WIDTH 140
#define SIZE_OPTIONS_PROTECTION_LABEL_WIDTH 120
#define SIZE_OPTIONS_END_GROUP_WIDTH 190

// Interface
#define TXT_INTERFACE_CAPTION "Interfaz"
#define TXT_INTERFACE_TITLE "Decodificador Zelquanodrim"
#define TXT_INTERFACE_MESSAGES_GROUP "Mensajes"
#define TXT_INTERFACE_DECODER_GROUP "Decodificador:"
#define TXT_INTERFACE_PORT_GROUP "Puerto COM"
#define TXT_INTERFACE_OPEN "Abrir"
#define TXT_INTERFACE_READY_VQ1 " Interfaz VQ1 USB lista para funcionar."
#define TXT_INTERFACE_READY_VQ2_USB " Interfaz VQ2 USB lista para funcionar."
#define TXT_INTERFACE_READY_VQ2_BLUETOOTH " Interfaz VQ2 Bluetooth lista para funcionar."
#define TXT_INTERFACE_PORT_NOT_OPEN " ¡Puerto COM no abierto!"
#define TXT_INTERFACE_OPENING " Intento de apertura del puerto COM:\r\n"
#define TXT_INTERFACE_OPEN_FAILED " ¡Error al abrir el puerto COM!"
#define TXT_INTERFACE_OPEN_OK " ¡Apertura del puerto COM OK!\r\n"
#define TXT_INTERFACE_VQ1_FOUND " ¡Interfaz VQ1 USB lista para funcionar!\r\n"
#define TXT_INTERFACE_VQ2_USB_FOUND " Decodificador VQ2 USB n.º "
#define TXT_INTERFACE_VQ2_BLUETOOTH_FOUND " Decodificador VQ2 Bluetooth n.º "
#define TXT_INTERFACE_CONNECTED " ¡conectado!\r\n"
#define TXT_INTERFACE_SOFTWARE_READY " ¡Programa listo para funcionar!"

// Sound settings
#define TXT_SOUND_CAPTION "Opciones de sonido"
#define TXT_SOUND_TITLE "Opciones de sonido"
#define TXT_SOUND_ENGLISH "Inglés"
#define TXT_SOUND_FRENCH "Francés"
#define TXT_SOUND_RACE_START_GROUP "Inicio de carrera"
#define TXT_SOUND_COUNTDOWN "Cuenta atrás hablada"
#define TXT_SOUND_START "Señal sonora en la salida"
#define TXT_SOUND_RACE_GROUP "Carrera"
#define TXT_SOUND_PASSING "Señal sonora en cada paso de coche"
#define TXT_SOUND_BEST_LAP "Anuncio de la vuelta rápida"
#define TXT_SOUND_CLOCK "Anuncio del reloj de carrera"
#define TXT_SOUND_RACE_END_GROUP "Fin de carrera"
#define TXT_SOUND_RACE_END "Señal sonora al final de la carrera"
#define TXT_SOUND_CAR_END "Anuncio de fin de carrera para cada coche"

// Display settings
#define TXT_DISPLAY_CAPTION "Opciones de pantalla"
#define TXT_DISPLAY_TITLE "Colores y fuentes de la pantalla"
#define TXT_DISPLAY_THEME_GROUP "Tema"
#define TXT_DISPLAY_BACKGROUND "Fondo del programa"
#define TXT_DISPLAY_BOARD_BACKGROUND "Fondo de la tabla"
#define TXT_DISPLAY_EVENTS_GROUP "Eventos"
#define TXT_DISPLAY_RACE_TITLE "Título carrera"
#define TXT_DISPLAY_PASSING "Paso de coche"
#define TXT_DISPLAY_RACE_BEST_LAP "Mejor vuelta carrera"
#define TXT_DISPLAY_PILOT_BEST_LAP "Mejor vuelta piloto"
#define TXT_DISPLAY_BOARD_GROUP "Tabla de resultados"
#define TXT_DISPLAY_HEADER "Cabecera tabla"
#define TXT_DISPLAY_ROWS "Filas de la tabla"
#define TXT_DISPLAY_STYLE_RELIEF "con relieve"
#define TXT_DISPLAY_STYLE_GRADIENT "degradado"
#define TXT_DISPLAY_COLUMN "Columna"
#define TXT_DISPLAY_WIDTH "Anchura"
#define TXT_DISPLAY_FONT "Fuente"
#define TXT_DISPLAY_LOAD "Cargar"
#define TXT_DISPLAY_SAVE "Guardar"
#define TXT_DISPLAY_FILE_FILTER "Archivo de pantalla (.scrn)"

// Detailed results
#define TXT_RESULTS_CAPTION "Resultados detallados"
#define TXT_RESULTS_RACE_TIMES "tiempo en pista desde"
#define TXT_RESULTS_LAP_TIMES "tiempo por vuelta"
#define TXT_RESULTS_POSITIONS "evolución posiciones"
#define TXT_RESULTS_LAP_WORD "Vuelta"
#define TXT_RESULTS_COLUMN_FORMAT "Línea%d"
#define TXT_RESULTS_LEGEND_FORMAT "L%d: %s"
// The longer lap word ends nearer the lap numbers' right border in the
// tables, and stands further in from the chart's corner.
#define SIZE_RESULTS_TABLE_LAP_WORD_FROM_VIEW 5
#define SIZE_RESULTS_CHART_LAP_WORD_FROM_RIGHT 40
#define SIZE_RESULTS_CHART_LAP_WORD_FROM_BOTTOM 30

#endif
