// The German build marks laps behind with "R" on the board.
#include <gtest/gtest.h>
#include <string.h>

#include "race_model.h"

TEST(LapsBehindGerman, OneLapDownReadsOneR)
{
    EXPECT_STREQ("%dR", LAPS_BEHIND_FORMAT);
}
