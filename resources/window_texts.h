// Texts and the few per-build control sizes of the main window, its menu bar
// and its start-up messages. Each build's texts unit defines them from its
// language's window_texts_lang.h; the window code only names them.
#ifndef WINDOW_TEXTS_H
#define WINDOW_TEXTS_H

#include <stdint.h>

// Menu bar
extern const char MENU_DATABASE_TEXT[];
extern const char MENU_PILOTS_TEXT[];
extern const char MENU_RACE_TEXT[];
extern const char MENU_STARTING_GRID_TEXT[];
extern const char MENU_RACE_OPTIONS_TEXT[];
extern const char MENU_DETAILED_RESULTS_TEXT[];
extern const char MENU_SETTINGS_TEXT[];
extern const char MENU_SOUNDS_TEXT[];
extern const char MENU_DISPLAY_TEXT[];
extern const char MENU_INTERFACE_TEXT[];
extern const char MENU_HELP_POPUP_TEXT[];
extern const char MENU_HELP_TEXT[];
// The help document, from the program folder.
extern const char HELP_DOCUMENT_TEXT[];

// Race controls
extern const char START_BUTTON_TEXT[];
extern const char START_LABEL_TEXT[];
extern const char STOP_BUTTON_TEXT[];
extern const char STOP_LABEL_TEXT[];
extern const char CLEAR_BUTTON_TEXT[];
extern const char CLEAR_LABEL_TEXT[];
extern const char TRANSPONDER_MODE_TEXT[];
extern const char OWN_CHIPS_TEXT[];
extern const char MIXED_SCAN_TEXT[];
extern const char SCAN_TEXT[];
extern const char SCAN_OFF_TEXT[];
// The scan status while it learns, while it verifies and once verified.
extern const char SCAN_LEARNING_TEXT[];
extern const char SCAN_VERIFYING_TEXT[];
extern const char SCAN_VERIFIED_TEXT[];
extern const char DURATION_TEXT[];
extern const char RACE_BY_TIME_TEXT[];
extern const char RACE_BY_LAPS_TEXT[];
extern const char HOURS_UNIT_TEXT[];
extern const char MINUTES_UNIT_TEXT[];
extern const char LAPS_UNIT_TEXT[];
extern const char COUNTDOWN_GROUP_TEXT[];
extern const char SECONDS_UNIT_TEXT[];
extern const char CLOCK_GROUP_TEXT[];
// The race length of a race by laps, "%d" of the lap target and the word.
extern const char RACE_LENGTH_LAPS_FORMAT[];

// Board header, in board order: position, the nine columns, finish.
extern const char HEADER_POSITION_TEXT[];
extern const char HEADER_GRID_TEXT[];
extern const char HEADER_NAME_TEXT[];
extern const char HEADER_LAPS_TEXT[];
extern const char HEADER_RACE_TIME_TEXT[];
extern const char HEADER_GAP_LEADER_TEXT[];
extern const char HEADER_GAP_AHEAD_TEXT[];
extern const char HEADER_LAST_LAP_TEXT[];
extern const char HEADER_BEST_LAP_TEXT[];
extern const char HEADER_TRANSPONDER_TEXT[];
extern const char HEADER_FINISH_TEXT[];

// Closing the program
extern const char CLOSE_REFUSED_TEXT[];
extern const char CLOSE_CONFIRM_TEXT[];

// Effacer asks before the series results go
extern const char CLEAR_CONFIRM_TEXT[];

// Start-up and the decoder found
extern const char ERROR_CAPTION_TEXT[];
extern const char MESSAGE_CAPTION_TEXT[];
extern const char INTERFACE_FILE_ERROR_TEXT[];
extern const char PORT_OPEN_FAILED_TEXT[];
extern const char VQ1_CONNECTED_TEXT[];
extern const char VQ2_USB_CONNECTED_FORMAT[];
extern const char VQ2_BLUETOOTH_CONNECTED_FORMAT[];
// Decoder link supervision: "%s" is the race time at the loss or the recovery.
extern const char LINK_LOST_FORMAT[];
extern const char LINK_RESTORED_FORMAT[];
extern const char LINK_RECOVERY_FAILED_TEXT[];

// Control sizes that follow the length of each language's texts (pixels;
// the x offsets are added to 720/1600 of the screen width, the laps
// controls stand that many pixels left of the screen's right edge).
struct MainControlSizes {
    int32_t transponder_mode_width;
    int32_t own_chips_width;
    int32_t mixed_scan_width;
    int32_t scan_x;
    int32_t scan_width;
    int32_t scan_status_x;
    int32_t scan_status_width;
    int32_t race_by_laps_width;
    int32_t laps_from_right;
    int32_t laps_label_from_right;
    int32_t laps_label_width;
};

extern const MainControlSizes MAIN_CONTROL_SIZES;

#endif
