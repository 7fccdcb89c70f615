// The German build shows the dialogs' error boxes with the words its main
// window uses for the same files.
#include <gtest/gtest.h>

#include "dialog_texts.h"
#include "race_model.h"
#include "texts.h"
#include "window_texts.h"

TEST(DialogTextsDe, ErrorBoxesUseTheBuildsOwnWords)
{
    EXPECT_STREQ(DIALOG_ERROR_CAPTION_TEXT, "Fehler");
    EXPECT_STREQ(DIALOG_ERROR_CAPTION_TEXT, ERROR_CAPTION_TEXT);
    EXPECT_STREQ(DIALOG_PILOT_NAMES_FILE_ERROR_TEXT, PILOT_NAMES_FILE_ERROR_TEXT);
    EXPECT_STREQ(DIALOG_PILOT_TRANSPONDERS_FILE_ERROR_TEXT, PILOT_TRANSPONDERS_FILE_ERROR_TEXT);
    EXPECT_STREQ(DIALOG_GRID_FILE_ERROR_TEXT,
                 "Fehler: Die Datei Startaufstellung kann nicht ge\xF6" "ffnet werden");
    EXPECT_STREQ(DIALOG_RACE_OPTIONS_READ_ERROR_TEXT, RACE_OPTIONS_READ_ERROR_TEXT);
    EXPECT_STREQ(DIALOG_RACE_OPTIONS_WRITE_ERROR_TEXT, RACE_OPTIONS_WRITE_ERROR_TEXT);
}
