// The English build shows the dialogs' error boxes in French, caption
// included, while its main window speaks English.
#include <gtest/gtest.h>

#include "dialog_texts.h"
#include "texts.h"
#include "window_texts.h"

TEST(DialogTextsEn, ErrorBoxesKeepTheFrenchWords)
{
    EXPECT_STREQ(DIALOG_ERROR_CAPTION_TEXT, "Erreur");
    EXPECT_STREQ(DIALOG_PILOT_NAMES_FILE_ERROR_TEXT,
                 "Erreur: impossible d'ouvrir la base de donn\xE9" "es Pilotes");
    EXPECT_STREQ(DIALOG_PILOT_TRANSPONDERS_FILE_ERROR_TEXT,
                 "Erreur: impossible d'ouvrir la base de donn\xE9" "es Transpondeurs");
    EXPECT_STREQ(DIALOG_GRID_FILE_ERROR_TEXT,
                 "Erreur: impossible d'ouvrir le fichier Composition S\xE9rie");
    EXPECT_STREQ(DIALOG_RACE_OPTIONS_READ_ERROR_TEXT,
                 "Erreur: impossible d'ouvrir le fichier Options Courses");
    EXPECT_STREQ(DIALOG_RACE_OPTIONS_WRITE_ERROR_TEXT,
                 "Erreur: impossible d'ouvrir le fichier Options course");
    EXPECT_STREQ(ERROR_CAPTION_TEXT, "Error");
    EXPECT_STREQ(GRID_FILE_ERROR_TEXT, "Error: cannot open the Heat composition file");
}
