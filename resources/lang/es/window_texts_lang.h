// Main window texts of the es build.
#ifndef WINDOW_TEXTS_LANG_H
#define WINDOW_TEXTS_LANG_H

#define TXT_MENU_DATABASE "Base de datos"
#define TXT_MENU_PILOTS "Pilotos"
#define TXT_MENU_RACE "Carrera"
#define TXT_MENU_STARTING_GRID "Parrilla de salida"
#define TXT_MENU_RACE_OPTIONS "Opciones"
#define TXT_MENU_DETAILED_RESULTS "Detalle resultados"
#define TXT_MENU_SETTINGS "Ajustes"
#define TXT_MENU_SOUNDS "Sonidos"
#define TXT_MENU_DISPLAY "Pantalla"
#define TXT_MENU_INTERFACE "Interfaz"
#define TXT_MENU_HELP_POPUP "?"
#define TXT_MENU_HELP "Ayuda"
#define TXT_HELP_DOCUMENT "\\guides\\HelpOrlaSequentGB.pdf"

#define TXT_START_BUTTON "Salida"
#define TXT_START_LABEL "Salida"
#define TXT_STOP_BUTTON "Parar"
#define TXT_STOP_LABEL "Parar"
#define TXT_CLEAR_BUTTON "Borrar"
#define TXT_CLEAR_LABEL "Borrar"
#define TXT_TRANSPONDER_MODE "Modo transpondedores"
#define TXT_OWN_CHIPS "Chips propios"
#define TXT_MIXED_SCAN "Mixto"
#define TXT_SCAN "Escaneo"
#define TXT_SCAN_OFF " Off"
#define TXT_SCAN_LEARNING " Escaneo en curso"
#define TXT_SCAN_VERIFYING " Verif. en curso"
#define TXT_SCAN_VERIFIED " Verif. terminada"
#define TXT_DURATION "Duración carrera"
#define TXT_RACE_BY_TIME "Tiempo"
#define TXT_RACE_BY_LAPS "Vueltas"
#define TXT_HOURS_UNIT "h"
#define TXT_MINUTES_UNIT "min "
#define TXT_LAPS_UNIT "vltas"
#define TXT_COUNTDOWN_GROUP "Cuenta atrás"
#define TXT_SECONDS_UNIT "s"
#define TXT_CLOCK_GROUP "Reloj"
#define TXT_RACE_LENGTH_LAPS_FORMAT "%d vltas"

#define TXT_HEADER_POSITION "Pos"
#define TXT_HEADER_GRID "Línea"
#define TXT_HEADER_NAME "Nombre piloto"
#define TXT_HEADER_LAPS "Vueltas"
#define TXT_HEADER_RACE_TIME "Tiempo total"
#define TXT_HEADER_GAP_LEADER "Dif. líder"
#define TXT_HEADER_GAP_AHEAD "Dif. anterior"
#define TXT_HEADER_LAST_LAP "Última vuelta"
#define TXT_HEADER_BEST_LAP "Mejor vuelta"
#define TXT_HEADER_TRANSPONDER "Transp."
#define TXT_HEADER_FINISH "Fin"

#define TXT_CLOSE_REFUSED "¡Hay una carrera o un escaneo en curso!\r\nNo puede cerrar la aplicación."
#define TXT_CLOSE_CONFIRM "¿Seguro que desea cerrar la aplicación?"
#define TXT_CLEAR_CONFIRM "¿Seguro que desea borrar los resultados de la serie?\nLos datos se perderán"

#define TXT_ERROR_CAPTION "Error"
#define TXT_MESSAGE_CAPTION "Mensaje"
#define TXT_INTERFACE_FILE_ERROR "Error: no se puede abrir el archivo Interfaz Puerto COM"
#define TXT_PORT_OPEN_FAILED "Error al abrir el puerto COM"
#define TXT_VQ1_CONNECTED "Interfaz Zelquanodrim VQ1 USB conectada.\r\nSoftware listo para funcionar."
#define TXT_VQ2_USB_CONNECTED_FORMAT "Decodificador VQ2 USB n.º %06d conectado.\r\nSoftware listo para funcionar."
#define TXT_VQ2_BLUETOOTH_CONNECTED_FORMAT "Decodificador VQ2 Bluetooth n.º %06d conectado.\r\nSoftware listo para funcionar."
#define TXT_LINK_LOST_FORMAT "Pérdida de conexión del decodificador VQ2 a las %s.\n"
#define TXT_LINK_RESTORED_FORMAT "Recuperación de la conexión del decodificador VQ2 lograda a las %s."
#define TXT_LINK_RECOVERY_FAILED "Fallo en la recuperación."

#define SIZE_TRANSPONDER_MODE_WIDTH 330
#define SIZE_OWN_CHIPS_WIDTH 115
#define SIZE_MIXED_SCAN_WIDTH 85
#define SIZE_SCAN_X 300
#define SIZE_SCAN_WIDTH 65
#define SIZE_SCAN_STATUS_X 375
#define SIZE_SCAN_STATUS_WIDTH 130
#define SIZE_RACE_BY_LAPS_WIDTH 85
#define SIZE_LAPS_FROM_RIGHT 205
#define SIZE_LAPS_LABEL_FROM_RIGHT 161
#define SIZE_LAPS_LABEL_WIDTH 54

#endif
