// The serial port and the identify exchange over a real pty line, with the
// simulated decoder on the other end.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "serial_port.h"
#include "simulated_decoder.h"

namespace {

double now_ms(void)
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Opens the port behind a running simulator and closes it at the end.
class Port : public ::testing::Test {
protected:
    void TearDown() override { close_com_port(); }
    void open_on(const SimulatedDecoder &sim, const char *port)
    {
        ASSERT_EQ("", sim.failure());
        ASSERT_EQ(1, open_com_port(port));
    }
};

struct Identified {
    int32_t kind;
    int32_t serial_number;
    double took_ms;
};

Identified identify(void)
{
    Identified result;
    double start = now_ms();
    result.kind = identify_decoder(IDENTIFY_WINDOW_MS, &result.serial_number);
    result.took_ms = now_ms() - start;
    return result;
}

// Identifies the decoder that a simulator started with these options plays.
Identified identify_on(const char *port, const std::string &options)
{
    SimulatedDecoder sim(port, options);
    Identified result = {-1, -1, 0};
    EXPECT_EQ("", sim.failure());
    EXPECT_EQ(1, open_com_port(port));
    if (g_com_handle != INVALID_HANDLE_VALUE) {
        result = identify();
        EXPECT_TRUE(sim.wait_for("identify_requests", 1, 1000));
    }
    close_com_port();
    return result;
}

std::vector<DecoderPassing> g_passings;

void take(const DecoderPassing *passing)
{
    g_passings.push_back(*passing);
}

const PassingHandover k_race = {take, 1};

// Reads and parses as the engine does, once every 10 ms, for as long as the
// wanted passings have not all come.
void read_passings(const char *kind, size_t wanted, int timeout_ms)
{
    unsigned char buffer[COM_READ_BUFFER];
    double end = now_ms() + timeout_ms;
    while (g_passings.size() < wanted && now_ms() < end) {
        int32_t count = 0;
        if (read_com_port(buffer, COM_READ_MAX, &count) && count > 0) {
            parse_stream_bytes(buffer, count, kind, &k_race);
        }
        Sleep(10);
    }
}

void start_parser(void)
{
    g_passings.clear();
    g_stream_count = 0;
    g_stream_ready = 0;
}

TEST_F(Port, OpenFailsWhereNoDecoderIs)
{
    EXPECT_EQ(0, open_com_port("COM77"));  // not mapped
    EXPECT_EQ(INVALID_HANDLE_VALUE, g_com_handle);
    ASSERT_NE("", mapped_port_path("COM22"));
    EXPECT_EQ(0, open_com_port("COM22"));  // mapped, nothing plugged in
    EXPECT_EQ(0, open_com_port("COM123456789"));
    EXPECT_EQ(0, open_com_port(""));
    EXPECT_EQ(INVALID_HANDLE_VALUE, g_com_handle);

    unsigned char buffer[COM_READ_BUFFER];
    int32_t count = 99;
    EXPECT_EQ(0, read_com_port(buffer, COM_READ_MAX, &count));
    EXPECT_EQ(0, count);
    count = 99;
    EXPECT_EQ(0, write_com_port(keepalive_request, REQUEST_LENGTH, &count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(0, drain_com_port());
    EXPECT_EQ(1, close_com_port());
}

TEST_F(Port, IdentifyFindsAVq2OnUsb)
{
    Identified found = identify_on("COM10", "--kind vq2usb --serial 258");
    EXPECT_EQ(IDENTIFY_KIND_USB, found.kind);
    EXPECT_EQ(258, found.serial_number);
    EXPECT_LT(found.took_ms, 500);
}

TEST_F(Port, IdentifyFindsAVq2OnBluetooth)
{
    Identified found = identify_on("COM11", "--kind vq2bt --serial 42");
    EXPECT_EQ(IDENTIFY_KIND_BLUETOOTH, found.kind);
    EXPECT_EQ(42, found.serial_number);
}

TEST_F(Port, IdentifyHearsNothingFromAVq1WithinItsWindow)
{
    Identified found = identify_on("COM12", "--kind vq1");
    printf("identify window with a VQ1: %.1f ms\n", found.took_ms);
    EXPECT_EQ(IDENTIFY_NO_ANSWER, found.kind);
    EXPECT_EQ(0, found.serial_number);
    EXPECT_GE(found.took_ms, 1500);
    EXPECT_LT(found.took_ms, 1600);
}

TEST_F(Port, IdentifyIgnoresAnAnswerOfAnotherKind)
{
    Identified found = identify_on("COM13", "--kind vq2usb --identify-kind 5 --serial 7");
    EXPECT_EQ(IDENTIFY_NO_ANSWER, found.kind);
    EXPECT_GE(found.took_ms, 1500);
    EXPECT_LT(found.took_ms, 1600);
}

// The clock says the window is over at its first look after the start, and
// the answer arrives meanwhile: the read that follows still counts.
int g_counter_reads;

int64_t late_counter(void)
{
    g_counter_reads += 1;
    if (g_counter_reads == 1) {
        return 0;
    }
    Sleep(300);
    return 2000;
}

int64_t millisecond_frequency(void)
{
    return 1000;
}

uint32_t system_ticks(void)
{
    return GetTickCount();
}

TEST_F(Port, IdentifyTakesAnAnswerReadAfterTheWindowRanOut)
{
    SimulatedDecoder sim("COM14", "--kind vq2usb --serial 3");
    open_on(sim, "COM14");
    g_counter_reads = 0;
    const TimeSource late = {system_ticks, late_counter, millisecond_frequency};
    set_time_source(&late);
    int32_t serial_number = 0;
    int32_t kind = identify_decoder(IDENTIFY_WINDOW_MS, &serial_number);
    set_time_source(0);
    EXPECT_EQ(IDENTIFY_KIND_USB, kind);
    EXPECT_EQ(3, serial_number);
    EXPECT_EQ(2, g_counter_reads);
}

int64_t still_counter(void)
{
    return 0;
}

int64_t no_frequency(void)
{
    return 0;
}

TEST_F(Port, IdentifyWindowEndsWithoutACounterFrequency)
{
    SimulatedDecoder sim("COM23", "--kind vq1");
    open_on(sim, "COM23");
    const TimeSource frozen = {system_ticks, still_counter, no_frequency};
    set_time_source(&frozen);
    double start = now_ms();
    int32_t serial_number = 0;
    int32_t kind = identify_decoder(IDENTIFY_WINDOW_MS, &serial_number);
    double took = now_ms() - start;
    set_time_source(0);
    EXPECT_EQ(IDENTIFY_NO_ANSWER, kind);
    EXPECT_GE(took, 1490);
    EXPECT_LT(took, 1600);
}

TEST_F(Port, ReadOnAnIdleLineReturnsAtOnce)
{
    SimulatedDecoder sim("COM15", "--kind vq2usb");
    open_on(sim, "COM15");
    unsigned char buffer[COM_READ_BUFFER];
    double longest = 0;
    double start = now_ms();
    const int reads = 200;
    for (int i = 0; i < reads; ++i) {
        double before = now_ms();
        int32_t count = 99;
        EXPECT_NE(0, read_com_port(buffer, COM_READ_MAX, &count));
        EXPECT_EQ(0, count);
        longest = std::max(longest, now_ms() - before);
    }
    double average = (now_ms() - start) / reads;
    printf("idle read: %.2f ms on average, %.2f ms at most\n", average, longest);
    EXPECT_LT(average, 5);
    EXPECT_LT(longest, 30);
    EXPECT_EQ(0, drain_com_port());
}

TEST_F(Port, RequestsArriveByteExact)
{
    SimulatedDecoder sim("COM16", "--kind vq1");
    open_on(sim, "COM16");
    for (const unsigned char *request : {identify_request, reset_clock_request, keepalive_request}) {
        int32_t written = 0;
        EXPECT_NE(0, write_com_port(request, REQUEST_LENGTH, &written));
        EXPECT_EQ(REQUEST_LENGTH, written);
    }
    ASSERT_TRUE(sim.wait_for("received_bytes", 15, 2000));
    EXPECT_EQ("FFFFFF0102FFFFFF0200FFFFFFE004", sim.value("received"));
    EXPECT_EQ(1, sim.count("identify_requests"));
    EXPECT_EQ(1, sim.count("reset_requests"));
    EXPECT_EQ(1, sim.count("keepalives"));
    EXPECT_EQ(0, sim.count("stray_bytes"));
}

TEST_F(Port, UnpluggedDecoderWritesNothingAndAFreshOpenFindsItBack)
{
    SimulatedDecoder sim("COM17", "--kind vq2usb --serial 17");
    open_on(sim, "COM17");
    int32_t written = 0;
    write_com_port(keepalive_request, REQUEST_LENGTH, &written);
    EXPECT_EQ(REQUEST_LENGTH, written);

    sim.command("vanish");
    double end = now_ms() + 2000;
    while (sim.value("present") != "0" && now_ms() < end) {
        Sleep(5);
    }
    ASSERT_EQ("0", sim.value("present"));
    // Two keep-alives in a row, as the link supervision sends them.
    for (int i = 0; i < 2; ++i) {
        written = 99;
        write_com_port(keepalive_request, REQUEST_LENGTH, &written);
        EXPECT_EQ(0, written);
    }
    unsigned char buffer[COM_READ_BUFFER];
    int32_t count = 99;
    read_com_port(buffer, COM_READ_MAX, &count);
    EXPECT_EQ(0, count);
    close_com_port();
    EXPECT_EQ(0, open_com_port("COM17"));

    sim.command("return");
    ASSERT_TRUE(sim.wait_for("present", 1, 2000));
    ASSERT_EQ(1, open_com_port("COM17"));
    Identified found = identify();
    EXPECT_EQ(IDENTIFY_KIND_USB, found.kind);
    EXPECT_EQ(17, found.serial_number);
}

TEST_F(Port, Vq2PassingsReachTheParserWithTheirTextAndDecoderTime)
{
    SimulatedDecoder sim("COM18", "--kind vq2usb");
    open_on(sim, "COM18");
    start_parser();
    sim.command("pass 4660 1:02:03.456");
    sim.command("pass 7 0:00:00.000");
    sim.command("split 4 50");
    sim.command("pass 65535 0:00:00.999");
    read_passings(DECODER_KIND_VQ2_USB, 3, 3000);
    ASSERT_EQ(3u, g_passings.size());
    EXPECT_STREQ("004660", g_passings[0].transponder);
    EXPECT_EQ(3723456, g_passings[0].passing_ms);
    EXPECT_STREQ("000007", g_passings[1].transponder);
    EXPECT_EQ(0, g_passings[1].passing_ms);
    EXPECT_STREQ("065535", g_passings[2].transponder);
    EXPECT_EQ(999, g_passings[2].passing_ms);
}

TEST_F(Port, Vq1PassingReachesTheParserWithTheCounterOfItsArrival)
{
    SimulatedDecoder sim("COM19", "--kind vq1");
    open_on(sim, "COM19");
    start_parser();
    int64_t before = read_performance_counter();
    sim.command("pass 258");
    read_passings(DECODER_KIND_VQ1, 1, 3000);
    ASSERT_EQ(1u, g_passings.size());
    EXPECT_STREQ("000258", g_passings[0].transponder);
    EXPECT_GT(g_passings[0].counter, before);
    EXPECT_LE(g_passings[0].counter, read_performance_counter());
}

TEST_F(Port, ResetAnswerRefusedThenAcceptedOverTheLine)
{
    SimulatedDecoder sim("COM20", "--kind vq2bt --refuse-resets 1");
    open_on(sim, "COM20");
    g_reset_answer_count = 0;
    std::vector<int32_t> outcomes;
    unsigned char buffer[COM_READ_BUFFER];
    for (int attempt = 0; attempt < 2; ++attempt) {
        int32_t written = 0;
        write_com_port(reset_clock_request, REQUEST_LENGTH, &written);
        int32_t outcome = RESET_ANSWER_NONE;
        double end = now_ms() + 2000;
        while (outcome == RESET_ANSWER_NONE && now_ms() < end) {
            int32_t count = 0;
            if (read_com_port(buffer, COM_READ_MAX, &count) && count > 0) {
                outcome = parse_reset_answer_bytes(buffer, count);
            }
            Sleep(10);
        }
        outcomes.push_back(outcome);
    }
    EXPECT_EQ(std::vector<int32_t>({RESET_ANSWER_REFUSED, RESET_ANSWER_ACCEPTED}), outcomes);
    EXPECT_EQ(1, sim.count("clock_resets"));
}

// Back-to-back passings at the line rate for a while (RACETIMER_LINE_SECONDS,
// 10 s by default; 60 s for a soak): none lost, none invented, each intact.
TEST_F(Port, ContinuousPassingsAtTheLineRateAllArriveIntact)
{
    const char *setting = getenv("RACETIMER_LINE_SECONDS");
    const int seconds = setting && atoi(setting) > 0 ? atoi(setting) : 10;
    // One passing every 10 ms of decoder time: more than 9600 baud carries,
    // so the line never rests.
    const int lines = seconds * 100 + 1000;
    std::string scenario;
    for (int i = 0; i < lines; ++i) {
        char line[32];
        snprintf(line, sizeof line, "%d %d.%03d\n", i % 65536, i / 100, i % 100 * 10);
        scenario += line;
    }
    std::string path = write_scenario_file("COM21", scenario);
    ASSERT_NE("", path);
    SimulatedDecoder sim("COM21", "--kind vq2usb --baud 9600 --wait-reset --scenario \"" + path + "\"");
    open_on(sim, "COM21");
    start_parser();
    sim.command("play");
    double start = now_ms();
    unsigned char buffer[COM_READ_BUFFER];
    int32_t largest_read = 0;
    double quiet_since = 0;
    bool stopped = false;
    for (;;) {
        int32_t count = 0;
        if (read_com_port(buffer, COM_READ_MAX, &count) && count > 0) {
            parse_stream_bytes(buffer, count, DECODER_KIND_VQ2_USB, &k_race);
            largest_read = std::max(largest_read, count);
            quiet_since = now_ms();
        }
        if (!stopped && now_ms() - start >= seconds * 1000.0) {
            sim.command("silent");
            stopped = true;
            quiet_since = now_ms();
        }
        if (stopped && now_ms() - quiet_since > 500) {
            break;
        }
        Sleep(10);
    }
    const long long sent = sim.count("passings_sent");
    printf("%lld passings in %d s at 9600 baud (%.1f a second), largest read %d bytes\n", sent,
           seconds, sent / static_cast<double>(seconds), largest_read);
    EXPECT_EQ(static_cast<size_t>(sent), g_passings.size());
    // 11 bytes of 10 bits each: a little over 87 passings a second.
    EXPECT_GT(sent, seconds * 9600 / 110 * 95 / 100);
    for (size_t i = 0; i < g_passings.size(); ++i) {
        char expected[TRANSPONDER_TEXT_SIZE];
        format_transponder(expected, static_cast<int32_t>(i % 65536));
        ASSERT_STREQ(expected, g_passings[i].transponder) << "passing " << i;
        ASSERT_EQ(static_cast<int32_t>(i * 10), g_passings[i].passing_ms) << "passing " << i;
    }
}

}  // namespace
