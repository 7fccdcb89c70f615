// The decoder link supervision on a simulated VQ2: keep-alives and their
// failures, the loss of the link, and the attempts that find the decoder
// again, in and out of a race.
#include "race_fixture.h"

#include <stdio.h>
#include <string.h>

#include "decoder_protocol.h"
#include "engine.h"
#include "interface_settings.h"
#include "link_supervision.h"
#include "race_model.h"
#include "run_state.h"
#include "serial_port.h"

namespace {

// The tick count stays in the test's hands; the performance counter moves
// 1 ms at every reading, so that an attempt's listening window ends after
// about as many reads of the port (each waits up to 1 ms).
uint32_t s_tick;
int64_t s_counter;
uint32_t held_tick(void)
{
    return s_tick;
}
int64_t reading_counter(void)
{
    return ++s_counter;
}
int64_t counter_frequency(void)
{
    return 1000;
}

const char FAILED[] = "Echec \xE0 la r\xE9" "cup\xE9ration.";

class LinkSupervision : public RaceWindow {
protected:
    void SetUp() override
    {
        RaceWindow::SetUp();
        clear_link_state();
    }
    void TearDown() override
    {
        RaceWindow::TearDown();
        clear_link_state();
    }
    static void clear_link_state(void)
    {
        g_keepalive_active = g_keepalive_failures = g_reconnect_pending = 0;
        g_connection_report[0] = '\0';
    }

    // From here on the tick count moves only by step().
    void hold_clock(uint32_t from)
    {
        s_tick = from;
        static const TimeSource source = {held_tick, reading_counter, counter_frequency};
        set_time_source(&source);
    }
    void step(uint32_t ms)
    {
        s_tick += ms;
        g_recorded.ticks += 1;
        SendMessageA(window_, WM_TIMER, 1, 0);
    }
    // The tick count starts where it wraps within the test's keep-alives, or
    // its attempts: the supervision takes its differences modulo 2^32.
    void connect(const char *kind, uint32_t from = 0xFFFFFE70)
    {
        plug_decoder(kind);
        create_window();
        hold_clock(from);
        step(10);
    }
    void command_and_wait(const char *command, const char *key, const char *value)
    {
        decoder_->command(command);
        for (int i = 0; i < 400 && decoder_->value(key) != value; i++)
            Sleep(5);
        ASSERT_EQ(value, decoder_->value(key));
    }
    // Two keep-alives into a closed port, the decoder still there: the first
    // attempt must wait its 4.5 s all the same.
    void lose_link(void)
    {
        close_com_port();
        step(401);
        EXPECT_EQ(1, g_decoder_connected);
        EXPECT_EQ(1, g_keepalive_failures);
        step(401);
        ASSERT_EQ(0, g_decoder_connected);
    }
    int32_t file_connected(void)
    {
        char port[COM_PORT_NAME_SIZE];
        char kind[DECODER_KIND_SIZE];
        int32_t connected = -1;
        EXPECT_EQ(1, read_interface_settings(port, &connected, kind));
        return connected;
    }
};

TEST_F(LinkSupervision, KeepAliveEveryFourHundredMsAndOneSilentWriteForgiven)
{
    connect("vq2usb");
    ASSERT_EQ(1, g_keepalive_active);
    const uint32_t armed = s_tick;
    step(400);
    EXPECT_EQ(armed, g_keepalive_last_tick);
    step(1);
    EXPECT_EQ(armed + 401, g_keepalive_last_tick);
    step(400);
    step(1);
    EXPECT_EQ(armed + 802, g_keepalive_last_tick);
    // Whatever was sent before this identify request has reached the decoder with it.
    int32_t written = 0;
    write_com_port(identify_request, REQUEST_LENGTH, &written);
    ASSERT_TRUE(decoder_->wait_for("identify_requests", 1, 2000));
    EXPECT_EQ("FFFFFFE004FFFFFFE004FFFFFF0102", decoder_->value("received"));

    // A write that goes nowhere, then a good one: the count starts again.
    close_com_port();
    step(401);
    EXPECT_EQ(1, g_keepalive_failures);
    ASSERT_EQ(1, open_com_port(line_->port()));
    step(401);
    EXPECT_EQ(0, g_keepalive_failures);
    close_com_port();
    step(401);
    EXPECT_EQ(1, g_decoder_connected);
    EXPECT_EQ(1, g_keepalive_active);
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(LinkSupervision, Vq2OnBluetoothIsNeitherKeptAliveNorReconnected)
{
    connect("vq2bt");
    EXPECT_EQ(0, g_keepalive_active);
    command_and_wait("vanish", "present", "0");
    for (int i = 0; i < 30; i++)
        step(500);
    EXPECT_EQ(0, decoder_->count("keepalives"));
    EXPECT_EQ(1, g_decoder_connected);
    EXPECT_EQ(0, g_reconnect_pending);
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(LinkSupervision, LossOutsideARaceThenAttemptsUntilTheDecoderAnswers)
{
    connect("vq2usb", 0xFFFFF000);
    // The line of an earlier loss in a race is no part of this one.
    strcpy(g_connection_report, "Perte connexion");
    lose_link();
    // Nothing is told at the loss; the file follows the link.
    EXPECT_EQ(INVALID_HANDLE_VALUE, g_com_handle);
    EXPECT_EQ(0, g_keepalive_active);
    EXPECT_EQ(1, g_reconnect_pending);
    EXPECT_EQ(0, file_connected());
    EXPECT_TRUE(boxes_.boxes().empty());
    // Read again, the file names a VQ2 on USB that is not connected: no keep-alive.
    g_interface_loaded = 0;
    step(10);
    EXPECT_EQ(0, g_keepalive_active);

    // Unplugged: the attempts, 4.5 s apart, fail silently at the opening.
    command_and_wait("vanish", "present", "0");
    const long long identifies = decoder_->count("identify_requests");
    step(4490);
    EXPECT_EQ(g_reconnect_last_tick + 4500, s_tick);  // not yet due
    step(1);
    EXPECT_EQ(s_tick, g_reconnect_last_tick);
    EXPECT_TRUE(boxes_.boxes().empty());

    // Plugged in but silent: the box with the outcome alone, the port closed.
    // With a counter 1 ms a reading, the listening reads it at 0 to 100 ms.
    command_and_wait("return", "present", "1");
    command_and_wait("silent", "silent", "1");
    const int64_t counter = s_counter;
    step(4501);
    EXPECT_EQ(counter + 101, s_counter);
    ASSERT_TRUE(decoder_->wait_for("identify_requests", identifies + 1, 2000));
    ASSERT_EQ(1u, boxes_.boxes().size());
    EXPECT_EQ(FAILED, boxes_.boxes()[0].text);
    EXPECT_EQ("Erreur", boxes_.boxes()[0].caption);
    EXPECT_EQ(INVALID_HANDLE_VALUE, g_com_handle);
    EXPECT_EQ(1, g_reconnect_pending);

    // Answering: silent success outside a race, then the keep-alive again.
    command_and_wait("talk", "silent", "0");
    step(4501);
    EXPECT_EQ(1, g_decoder_connected);
    EXPECT_EQ(0, g_reconnect_pending);
    EXPECT_NE(INVALID_HANDLE_VALUE, g_com_handle);
    EXPECT_EQ(1, file_connected());
    EXPECT_EQ(1u, boxes_.boxes().size());
    step(10);
    EXPECT_EQ(1, g_keepalive_active);
    EXPECT_EQ(0, g_keepalive_failures);
}

TEST_F(LinkSupervision, LossDuringARaceIsToldWithEachAttemptsOutcome)
{
    race_hours_ = 2;
    run_race(THREE_CARS);
    hold_clock(read_tick_count());
    g_race_start_tick = s_tick - (3723456 - 2 * 401);
    lose_link();
    const std::string lost = "Perte connexion du d\xE9" "codeur VQ2 \xE0 1:02:03.400.\n";
    EXPECT_EQ(lost, g_connection_report);
    EXPECT_EQ(1, g_race_running);

    command_and_wait("silent", "silent", "1");
    step(4501);
    step(4501);
    ASSERT_EQ(2u, boxes_.boxes().size());
    for (const RecordedBox &box : boxes_.boxes())
        EXPECT_EQ(lost + FAILED, box.text);
    // Cleared, as the interface command clears it, the pending attempt does not come.
    g_reconnect_pending = 0;
    step(4501);
    ASSERT_EQ(2u, boxes_.boxes().size());
    g_reconnect_pending = 1;

    command_and_wait("talk", "silent", "0");
    step(4501);
    ASSERT_EQ(3u, boxes_.boxes().size());
    EXPECT_EQ("Message", boxes_.boxes()[2].caption);
    EXPECT_EQ(lost + "R\xE9" "cup\xE9ration connexion d\xE9" "codeur VQ2 r\xE9ussie \xE0 1:02:21.400.",
              boxes_.boxes()[2].text);
    EXPECT_EQ(1, g_decoder_connected);
}

TEST_F(LinkSupervision, BlockParserTakesWholeFramesOfOneReadOnly)
{
    race_hours_ = 2;
    run_race(THREE_CARS);
    g_decoder_connected = 0;
    g_reconnect_pending = 1;

    // An identify answer of a Bluetooth decoder, and a passing cut short.
    const unsigned char other_kind[] = {0xFF, 0xFF, 0xFF, 0x01, 0x12, 0x00, 0x05};
    parse_decoder_block(other_kind, sizeof other_kind);
    const unsigned char cut[] = {0xFF, 0xFF, 0xFF, 0xF0, 0x00, 0x0B, 0x00, 0x00, 0x0A};
    parse_decoder_block(cut, sizeof cut);
    // A USB answer behind a header that is not FF FF FF.
    for (const unsigned char first : {0, 1, 2}) {
        unsigned char bent[] = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x05};
        bent[first] = 0xFE;
        parse_decoder_block(bent, sizeof bent);
    }
    EXPECT_EQ(0, g_decoder_connected);
    EXPECT_EQ(0, g_car_records[0].laps);

    // The answer of a USB decoder and a passing of car 11 at 10 s in one read.
    const unsigned char both[] = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x05, 0x07, 0xFF, 0xFF,
                                  0xFF, 0xF0, 0x00, 0x0B, 0x00, 0x00, 0x0A, 0x48, 0xE5};
    parse_decoder_block(both, sizeof both);
    EXPECT_EQ(1, g_decoder_connected);
    EXPECT_EQ(0, g_reconnect_pending);
    EXPECT_EQ(0, g_interface_loaded);
    EXPECT_EQ(1, g_car_records[0].laps);
    EXPECT_EQ(10000, g_car_records[0].race_times[1]);
}

}  // namespace
