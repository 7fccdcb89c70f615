// The transponder scan on a simulated decoder: the main window in "Mixte
// (scan)", the Scan box clicked, the grid's cars learning their transponders
// from their first crossings and crossing again to be verified; its stop, its
// greying and its sounds.
#include "race_fixture.h"

#include <string.h>

#include <string>
#include <utility>
#include <vector>

#include "link_supervision.h"
#include "main_window.h"
#include "run_state.h"
#include "transponder_scan.h"
#include "window_ids.h"

namespace {

const char SIGNAL[] = "sons/nokia-sms.wav";
const char BEEP[] = "sons/beep1.wav";
const char BUZZ[] = "sons/buzz.wav";
const uint32_t SYNC = SND_FILENAME;
const uint32_t ASYNC = SND_FILENAME | SND_ASYNC;

// Alice on line 1, nobody on line 2, Bruno on line 3, Chloe on line 4.
const std::vector<GridCar> GAPPED_GRID = {
    {"Alice", "000011"}, {nullptr, nullptr}, {"Bruno", "000022"}, {"Chloe", "000033"}};

const int SCAN_MENU_ITEMS[] = {IDM_PILOTS, IDM_STARTING_GRID, IDM_RACE_OPTIONS,
                               IDM_SOUND_SETTINGS, IDM_DISPLAY_SETTINGS};
const int SCAN_DISABLED[] = {IDC_START,        IDC_STOP,         IDC_CLEAR, IDC_OWN_CHIPS,
                             IDC_RACE_BY_TIME, IDC_RACE_BY_LAPS, IDC_HOURS, IDC_MINUTES,
                             IDC_LAPS,         IDC_COUNTDOWN};

class TransponderScan : public RaceWindow {
protected:
    void open(const char *kind, const std::vector<GridCar> &cars)
    {
        plug_decoder(kind);
        write_settings();
        create_window();
        compose_grid(cars);
        press(IDC_MIXED_SCAN);
        tick();  // the settings file read, the decoder kind known
    }

    // What a click does: the push box toggles its mark, then its command comes.
    void click_scan()
    {
        const bool was = SendDlgItemMessageA(window_, IDC_SCAN, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendDlgItemMessageA(window_, IDC_SCAN, BM_SETCHECK, was ? BST_UNCHECKED : BST_CHECKED, 0);
        press(IDC_SCAN);
    }

    void expect_scan_greying(bool scanning)
    {
        for (int id : SCAN_MENU_ITEMS)
            EXPECT_EQ(scanning, menu_greyed(id)) << id;
        for (int id : SCAN_DISABLED)
            EXPECT_EQ(!scanning, enabled(id)) << id;
        EXPECT_TRUE(enabled(IDC_MIXED_SCAN));
        EXPECT_TRUE(enabled(IDC_SCAN));
        EXPECT_FALSE(menu_greyed(IDM_INTERFACE_SETTINGS));
        EXPECT_FALSE(menu_greyed(IDM_DETAILED_RESULTS));
    }

    std::vector<std::pair<std::string, uint32_t>> sounds_with_flags() const
    {
        std::vector<std::pair<std::string, uint32_t>> played;
        for (const PlayedSound &s : g_recorded.sounds)
            played.push_back({s.file, s.flags});
        return played;
    }
};

TEST_F(TransponderScan, LearnsTheGridInOrderThenVerifiesIt)
{
    open("vq2usb", GAPPED_GRID);
    click_scan();
    EXPECT_EQ(" Scan en cours", edit_text(IDC_SCAN_STATUS));
    EXPECT_EQ(1, g_scan_active);
    EXPECT_EQ(1, g_scan_learning);
    expect_scan_greying(true);

    passing(501, 1000);
    EXPECT_STREQ("000501", g_car_records[0].transponder);
    EXPECT_STREQ("000501", g_grid_composition[0].transponder);
    EXPECT_STREQ("000501", g_board_rows[0].transponder);
    passing(501, 1000);  // seen again: no second car, no sound
    EXPECT_STREQ("", g_car_records[2].transponder);
    passing(502, 1000);
    EXPECT_STREQ("000502", g_car_records[2].transponder);
    EXPECT_STREQ("000502", g_board_rows[1].transponder);
    EXPECT_STREQ("", g_car_records[1].transponder);  // the empty line is given none
    passing(503, 1000);  // the last car: the verification begins in this tick
    EXPECT_STREQ("000503", g_grid_composition[3].transponder);
    EXPECT_EQ(1, g_scan_verifying);
    EXPECT_EQ(0, g_scan_learning);
    EXPECT_EQ(0, g_scan_ready);
    EXPECT_EQ(0, g_results_clean);
    EXPECT_EQ(" V\xE9rif en cours", edit_text(IDC_SCAN_STATUS));
    EXPECT_STREQ("00:00.000", g_board_rows[2].race_time_text);
    EXPECT_EQ(1, g_scan_active);

    tick(1000);
    passing(501, 1000);  // the first crossing counts whatever its time, timed from the switch
    EXPECT_EQ(1010, g_car_records[0].race_times[1]);
    tick(1990);
    passing(501, 1000);  // 2 s after its lap: still a double reading
    EXPECT_EQ(1, g_car_records[0].laps);
    passing(501, 1000);  // 10 ms later: a further lap
    EXPECT_EQ(2, g_car_records[0].laps);
    EXPECT_EQ(3020, g_car_records[0].race_times[2]);
    EXPECT_EQ(2010, g_car_records[0].lap_times[2]);
    passing(777, 1000);  // nobody's: ignored
    passing(502, 1000);  // Bruno's crossing is the new one, a lap behind Alice
    EXPECT_EQ(0, g_board_rows[0].just_recorded);
    EXPECT_EQ(1, g_board_rows[1].just_recorded);
    EXPECT_STREQ("1t", g_board_rows[1].gap_leader_text);
    EXPECT_EQ(1, g_scan_verifying);
    passing(503, 1000);

    EXPECT_EQ(0, g_scan_active);
    EXPECT_EQ(0, g_scan_verifying);
    EXPECT_EQ(" V\xE9rif termin\xE9" "e", edit_text(IDC_SCAN_STATUS));
    EXPECT_NE(BST_CHECKED, SendDlgItemMessageA(window_, IDC_SCAN, BM_GETCHECK, 0, 0));
    expect_scan_greying(false);
    EXPECT_EQ(1, g_car_records[2].laps);
    EXPECT_LT(g_car_records[2].race_times[1], g_car_records[3].race_times[1]);
    // The verification ends on the signal, not a buzz: the cars came by in grid order.
    EXPECT_EQ((std::vector<std::pair<std::string, uint32_t>>{
                  {SIGNAL, SYNC}, {BEEP, ASYNC}, {BEEP, ASYNC}, {BEEP, ASYNC}, {SIGNAL, SYNC},
                  {BEEP, ASYNC}, {BEEP, ASYNC}, {BEEP, ASYNC}, {BEEP, ASYNC}, {SIGNAL, ASYNC}}),
              sounds_with_flags());
    // The learned transponders stay for the race that Effacer prepares.
    boxes_.answer(IDYES);
    press(IDC_CLEAR);
    EXPECT_STREQ("000503", g_car_records[3].transponder);
    EXPECT_EQ(0, g_car_records[3].laps);
}

TEST_F(TransponderScan, CarsOutOfGridOrderEndWithABuzz)
{
    ranking_ = RANKING_BEST_LAP;  // the gaps are shown as the options rank
    open("vq1", THREE_CARS);
    click_scan();
    for (int t : {11, 22, 33}) {
        pass_vq1(t);
        tick();
    }
    ASSERT_EQ(1, g_scan_verifying);
    EXPECT_STREQ("000033", g_car_records[2].transponder);
    g_recorded.sounds.clear();
    for (int t : {11, 33, 22}) {
        pass_vq1(t);
        tick(100);
        EXPECT_STREQ(t == 22 ? "0.200" : "0.000", g_board_rows[2].gap_leader_text) << t;
    }
    EXPECT_EQ(0, g_scan_active);
    ASSERT_FALSE(g_recorded.sounds.empty());
    EXPECT_EQ(BUZZ, g_recorded.sounds.back().file);
}

TEST_F(TransponderScan, AGridWithoutCarsEndsInTheFirstTickWithABuzz)
{
    open("vq2usb", {});
    click_scan();
    tick();
    EXPECT_EQ(0, g_scan_active);
    EXPECT_EQ(" V\xE9rif termin\xE9" "e", edit_text(IDC_SCAN_STATUS));
    EXPECT_EQ((std::vector<std::pair<std::string, uint32_t>>{
                  {SIGNAL, SYNC}, {SIGNAL, SYNC}, {BUZZ, ASYNC}}),
              sounds_with_flags());
}

TEST_F(TransponderScan, UncheckingStopsEitherPhaseAtOnce)
{
    open("vq2usb", THREE_CARS);
    click_scan();
    passing(501, 1000);
    g_recorded.sounds.clear();
    click_scan();
    EXPECT_EQ(0, g_scan_active);
    EXPECT_EQ(0, g_scan_learning);
    EXPECT_EQ(" Off", edit_text(IDC_SCAN_STATUS));
    EXPECT_EQ((std::vector<std::pair<std::string, uint32_t>>{{SIGNAL, SYNC}}),
              sounds_with_flags());
    expect_scan_greying(false);
    EXPECT_STREQ("000501", g_car_records[0].transponder);
    EXPECT_EQ(1, g_scan_ready);

    // Started again at once, it learns afresh; a passing that the link's
    // reconnection reads goes to it too.
    click_scan();
    EXPECT_STREQ("", g_car_records[0].transponder);
    EXPECT_STREQ("", g_board_rows[0].transponder);
    const unsigned char frame[] = {0xFF, 0xFF, 0xFF, 0xF0, 0x01, 0xF6, 0, 0, 1, 0x48, 0xE5};
    parse_decoder_block(frame, sizeof frame);
    EXPECT_STREQ("000502", g_car_records[0].transponder);
    passing(503, 1000);
    passing(504, 1000);
    ASSERT_EQ(1, g_scan_verifying);
    click_scan();
    EXPECT_EQ(0, g_scan_verifying);
    EXPECT_EQ(" Off", edit_text(IDC_SCAN_STATUS));

    // After a verification a scan needs Effacer: the clicks only set and clear the mark.
    g_recorded.sounds.clear();
    click_scan();
    EXPECT_EQ(0, g_scan_active);
    EXPECT_EQ(" Off", edit_text(IDC_SCAN_STATUS));
    click_scan();
    EXPECT_EQ(0, g_scan_active);
    EXPECT_TRUE(g_recorded.sounds.empty());
}

}  // namespace
