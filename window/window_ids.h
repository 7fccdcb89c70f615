// Identifiers of the main window: menu commands, child controls and the
// engine timer. The commands arrive in WM_COMMAND by these numbers.
#ifndef WINDOW_IDS_H
#define WINDOW_IDS_H

enum {
    IDM_PILOTS = 1001,
    IDM_STARTING_GRID = 1002,
    IDM_RACE_OPTIONS = 1003,
    IDM_DISPLAY_SETTINGS = 1004,
    IDM_SOUND_SETTINGS = 1005,
    IDM_INTERFACE_SETTINGS = 1006,
    IDM_HELP = 1007,
    IDM_DETAILED_RESULTS = 1008,
};

enum {
    IDC_BUTTON_FRAME = 0,
    IDC_START = 1101,
    IDC_STOP = 1102,
    IDC_CLEAR = 1103,
    IDC_START_LABEL = 1104,
    IDC_STOP_LABEL = 1105,
    IDC_CLEAR_LABEL = 1106,
    IDC_OWN_CHIPS = 1201,
    IDC_MIXED_SCAN = 1202,
    IDC_SCAN = 1203,
    IDC_SCAN_STATUS = 1204,
    IDC_RACE_BY_TIME = 1301,
    IDC_RACE_BY_LAPS = 1302,
    IDC_HOURS = 1303,
    IDC_MINUTES = 1304,
    IDC_LAPS = 1305,
    IDC_HOURS_LABEL = 1306,
    IDC_MINUTES_LABEL = 1307,
    IDC_LAPS_LABEL = 1308,
    IDC_COUNTDOWN = 1401,
    IDC_COUNTDOWN_LABEL = 1402,
    IDC_CAR_1 = 1501,  // the manual passage button of grid line k is 1500 + k
    IDC_CAR_20 = 1520,
    IDC_DURATION_GROUP = 1601,
    IDC_CLOCK_GROUP = 1602,
    IDC_COUNTDOWN_GROUP = 1603,
    IDC_TRANSPONDER_MODE_GROUP = 1604,
};

enum {
    TIMER_ENGINE = 1,
    ENGINE_TICK_MS = 10,
};

#endif
