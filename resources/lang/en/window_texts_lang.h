// Main window texts of the en build.
#ifndef WINDOW_TEXTS_LANG_H
#define WINDOW_TEXTS_LANG_H

#define TXT_MENU_DATABASE "Database"
#define TXT_MENU_PILOTS "Drivers"
#define TXT_MENU_RACE "Race"
#define TXT_MENU_STARTING_GRID "Starting grid"
#define TXT_MENU_RACE_OPTIONS "Options"
#define TXT_MENU_DETAILED_RESULTS "Detailed results"
#define TXT_MENU_SETTINGS "Settings"
#define TXT_MENU_SOUNDS "Sounds"
#define TXT_MENU_DISPLAY "Display"
#define TXT_MENU_INTERFACE "Interface"
#define TXT_MENU_HELP_POPUP "?"
#define TXT_MENU_HELP "Help"
#define TXT_HELP_DOCUMENT "\\guides\\HelpOrlaSequentGB.pdf"

#define TXT_START_BUTTON "Start"
#define TXT_START_LABEL "Start"
#define TXT_STOP_BUTTON "Stop"
#define TXT_STOP_LABEL "Stop"
#define TXT_CLEAR_BUTTON "Clear"
#define TXT_CLEAR_LABEL "Clear"
#define TXT_TRANSPONDER_MODE "Transponder mode"
#define TXT_OWN_CHIPS "Personal chips"
#define TXT_MIXED_SCAN "Mixed (scan)"
#define TXT_SCAN "Scan"
#define TXT_SCAN_OFF " Off"
#define TXT_SCAN_LEARNING " Scan running"
#define TXT_SCAN_VERIFYING " Check running"
#define TXT_SCAN_VERIFIED " Check done"
#define TXT_DURATION "Race length"
#define TXT_RACE_BY_TIME "Time"
#define TXT_RACE_BY_LAPS "Laps"
#define TXT_HOURS_UNIT "h"
#define TXT_MINUTES_UNIT "min "
#define TXT_LAPS_UNIT "laps "
#define TXT_COUNTDOWN_GROUP "Countdown"
#define TXT_SECONDS_UNIT "s"
#define TXT_CLOCK_GROUP "Clock"
#define TXT_RACE_LENGTH_LAPS_FORMAT "%d laps"

#define TXT_HEADER_POSITION "Pos"
#define TXT_HEADER_GRID "Grid"
#define TXT_HEADER_NAME "Driver name"
#define TXT_HEADER_LAPS "Laps"
#define TXT_HEADER_RACE_TIME "Total time"
#define TXT_HEADER_GAP_LEADER "Gap leader"
#define TXT_HEADER_GAP_AHEAD "Gap ahead"
#define TXT_HEADER_LAST_LAP "Last lap"
#define TXT_HEADER_BEST_LAP "Best lap"
#define TXT_HEADER_TRANSPONDER "Transp."
#define TXT_HEADER_FINISH "End"

#define TXT_CLOSE_REFUSED "A race or a scan is running!\r\nYou cannot close the application."
#define TXT_CLOSE_CONFIRM "Are you sure you want to close the application?"
#define TXT_CLEAR_CONFIRM "Are you sure you want to clear the results of the series?\nThe data will be lost"

#define TXT_ERROR_CAPTION "Error"
#define TXT_MESSAGE_CAPTION "Message"
#define TXT_INTERFACE_FILE_ERROR "Error: cannot open the Interface COM port file"
#define TXT_PORT_OPEN_FAILED "Failed to open the COM port"
#define TXT_VQ1_CONNECTED "Zelquanodrim VQ1 USB interface connected.\r\nSoftware ready to run."
#define TXT_VQ2_USB_CONNECTED_FORMAT "VQ2 USB decoder no. %06d connected.\r\nSoftware ready to run."
#define TXT_VQ2_BLUETOOTH_CONNECTED_FORMAT "VQ2 Bluetooth decoder no. %06d connected.\r\nSoftware ready to run."
#define TXT_LINK_LOST_FORMAT "Connection to the VQ2 decoder lost at %s.\n"
#define TXT_LINK_RESTORED_FORMAT "Connection to the VQ2 decoder restored at %s."
#define TXT_LINK_RECOVERY_FAILED "Recovery failed."

#define SIZE_TRANSPONDER_MODE_WIDTH 330
#define SIZE_OWN_CHIPS_WIDTH 120
#define SIZE_MIXED_SCAN_WIDTH 120
#define SIZE_SCAN_X 330
#define SIZE_SCAN_WIDTH 60
#define SIZE_SCAN_STATUS_X 400
#define SIZE_SCAN_STATUS_WIDTH 125
#define SIZE_RACE_BY_LAPS_WIDTH 85
#define SIZE_LAPS_FROM_RIGHT 195
#define SIZE_LAPS_LABEL_FROM_RIGHT 151
#define SIZE_LAPS_LABEL_WIDTH 39

#endif
