// The German build marks laps behind with "R" on the board.
#include <gtest/gtest.h>
#include <string.h>

#include "race_model.h"

TEST(LapsBehindGerman, OneLapDownReadsOneR)
{
    EXPECT_STREQ("%dR", LAPS_BEHIND_FORMAT);

    static RankingRow rows[GRID_SLOTS];
    static BoardRow board[GRID_SLOTS];
    rows[1].laps_behind_leader = 1;
    rows[1].gap_ahead_split.seconds = 1;
    rows[1].gap_ahead_split.milliseconds = 500;
    format_board_rows(rows, board, "CLASSEMENTToursTemps", "CLASSEMENTToursTemps",
                      "CLASSEMENTMeilleurTour", 2);
    EXPECT_STREQ("1R", board[1].gap_leader_text);
    EXPECT_STREQ("1.500", board[1].gap_ahead_text);
    EXPECT_STREQ("0.000", board[0].gap_leader_text);
}
