// The dialog sizes that some builds change for their longer words: the
// French build's, unless the language's dialog_texts_lang.h gave its own.
// Dialog units. Included by the templates after that header.
#ifndef DIALOG_SIZES_H
#define DIALOG_SIZES_H

#ifndef SIZE_DIALOG_CANCEL_WIDTH
#define SIZE_DIALOG_CANCEL_WIDTH 30
#endif

// Pilot database: the new-name label and the transponder label.
#ifndef SIZE_PILOT_DB_NEW_LABEL_X
#define SIZE_PILOT_DB_NEW_LABEL_X 15
#endif
#ifndef SIZE_PILOT_DB_NEW_LABEL_WIDTH
#define SIZE_PILOT_DB_NEW_LABEL_WIDTH 35
#endif
#ifndef SIZE_PILOT_DB_TRANSPONDER_LABEL_X
#define SIZE_PILOT_DB_TRANSPONDER_LABEL_X 205
#endif
#ifndef SIZE_PILOT_DB_TRANSPONDER_LABEL_WIDTH
#define SIZE_PILOT_DB_TRANSPONDER_LABEL_WIDTH 30
#endif

// Starting grid: the column labels and the race name label.
#ifndef SIZE_GRID_COLUMN_X
#define SIZE_GRID_COLUMN_X 40
#endif
#ifndef SIZE_GRID_COLUMN_WIDTH
#define SIZE_GRID_COLUMN_WIDTH 18
#endif
#ifndef SIZE_GRID_NAMES_X
#define SIZE_GRID_NAMES_X 90
#endif
#ifndef SIZE_GRID_RACE_NAME_X
#define SIZE_GRID_RACE_NAME_X 80
#endif
#ifndef SIZE_GRID_RACE_NAME_WIDTH
#define SIZE_GRID_RACE_NAME_WIDTH 60
#endif

// Race options
#ifndef SIZE_OPTIONS_RANK_WIDTH
#define SIZE_OPTIONS_RANK_WIDTH 125
#endif
#ifndef SIZE_OPTIONS_PROTECTION_LABEL_WIDTH
#define SIZE_OPTIONS_PROTECTION_LABEL_WIDTH 100
#endif
#ifndef SIZE_OPTIONS_START_GROUP_WIDTH
#define SIZE_OPTIONS_START_GROUP_WIDTH 150
#endif
#ifndef SIZE_OPTIONS_START_FIRST_CAR_WIDTH
#define SIZE_OPTIONS_START_FIRST_CAR_WIDTH 125
#endif
#ifndef SIZE_OPTIONS_END_GROUP_WIDTH
#define SIZE_OPTIONS_END_GROUP_WIDTH 194
#endif

// Display settings: the board background label and the two best lap labels.
#ifndef SIZE_DISPLAY_BOARD_BACKGROUND_WIDTH
#define SIZE_DISPLAY_BOARD_BACKGROUND_WIDTH 75
#endif
#ifndef SIZE_DISPLAY_BEST_LAP_WIDTH
#define SIZE_DISPLAY_BEST_LAP_WIDTH 75
#endif

// Detailed results: the Ok button
#ifndef SIZE_RESULTS_OK_X
#define SIZE_RESULTS_OK_X 300
#endif

#endif
