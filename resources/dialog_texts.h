// The texts of the dialogs' message boxes, in the build's language except in
// the English build, which keeps the French words. Each build's texts unit
// defines them from its language's dialog_texts_lang.h.
#ifndef DIALOG_TEXTS_H
#define DIALOG_TEXTS_H

#include <stdint.h>

extern const char DIALOG_ERROR_CAPTION_TEXT[];
extern const char DIALOG_PILOT_NAMES_FILE_ERROR_TEXT[];
extern const char DIALOG_PILOT_TRANSPONDERS_FILE_ERROR_TEXT[];
extern const char DIALOG_GRID_FILE_ERROR_TEXT[];
extern const char DIALOG_RACE_OPTIONS_READ_ERROR_TEXT[];
extern const char DIALOG_RACE_OPTIONS_WRITE_ERROR_TEXT[];
extern const char DIALOG_SOUND_SETTINGS_READ_ERROR_TEXT[];
extern const char DIALOG_SOUND_SETTINGS_WRITE_ERROR_TEXT[];

// The interface dialog's file error (the build's own words in every build)
// and the pieces of its messages box.
extern const char DIALOG_INTERFACE_FILE_ERROR_TEXT[];
extern const char INTERFACE_READY_VQ1_TEXT[];
extern const char INTERFACE_READY_VQ2_USB_TEXT[];
extern const char INTERFACE_READY_VQ2_BLUETOOTH_TEXT[];
extern const char INTERFACE_PORT_NOT_OPEN_TEXT[];
extern const char INTERFACE_OPENING_TEXT[];
extern const char INTERFACE_OPEN_FAILED_TEXT[];
extern const char INTERFACE_OPEN_OK_TEXT[];
extern const char INTERFACE_VQ1_FOUND_TEXT[];
extern const char INTERFACE_VQ2_USB_FOUND_TEXT[];
extern const char INTERFACE_VQ2_BLUETOOTH_FOUND_TEXT[];
extern const char INTERFACE_CONNECTED_TEXT[];
extern const char INTERFACE_SOFTWARE_READY_TEXT[];

// The display settings dialog: its file messages, the names of the nine board
// columns in its column list, and the filter of its file dialogs (one
// description and pattern pair, ended by two NULs).
extern const char DIALOG_DISPLAY_SETTINGS_FILE_ERROR_TEXT[];
extern const char DIALOG_DISPLAY_FILE_LOAD_ERROR_TEXT[];
extern const char *const DISPLAY_COLUMN_TEXTS[9];
extern const char DISPLAY_FILE_FILTER[];
// The detailed results dialog: its file error; the lap word, the heading of
// a car column ("%d" of its grid line) and a car's legend ("%d" of its grid
// line, "%s" of its name); where the tables' lap word ends, in pixels left
// of the view; where the chart's lap word stands, in pixels in from the
// right and bottom edges of the view.
extern const char DIALOG_DETAILED_RESULTS_FILE_ERROR_TEXT[];
extern const char RESULTS_LAP_WORD_TEXT[];
extern const char RESULTS_COLUMN_FORMAT[];
extern const char RESULTS_LEGEND_FORMAT[];
extern const int32_t RESULTS_TABLE_LAP_WORD_FROM_VIEW;
extern const int32_t RESULTS_CHART_LAP_WORD_FROM_RIGHT;
extern const int32_t RESULTS_CHART_LAP_WORD_FROM_BOTTOM;

#endif
