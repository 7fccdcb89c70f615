// The serial port and the identify exchange over a real pty line, with the
// simulated decoder on the other end.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "serial_port.h"
#include "simulated_decoder.h"

namespace {

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
};

Identified identify(void)
{
    Identified result;
    result.kind = identify_decoder(IDENTIFY_WINDOW_MS, &result.serial_number);
    return result;
}

std::vector<DecoderPassing> g_passings;

void take(const DecoderPassing *passing)
{
    g_passings.push_back(*passing);
}

const PassingHandover k_race = {take, 1};

// A fresh parser reads and parses as the engine does, once every 10 ms, for
// as long as the wanted passings have not all come; returns the largest read.
int32_t read_passings(const char *kind, size_t wanted, double timeout_ms)
{
    g_passings.clear();
    g_stream_count = 0;
    g_stream_ready = 0;
    unsigned char buffer[COM_READ_BUFFER];
    int32_t largest = 0;
    for (double end = now_ms() + timeout_ms; g_passings.size() < wanted && now_ms() < end;
         Sleep(10)) {
        int32_t count = 0;
        if (read_com_port(buffer, COM_READ_MAX, &count) && count > 0) {
            parse_stream_bytes(buffer, count, kind, &k_race);
            largest = std::max(largest, count);
        }
    }
    return largest;
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

TEST_F(Port, IdentifyTellsEachDecoderKindWithItsSerialNumber)
{
    const struct {
        const char *port, *options;
        int32_t kind, serial_number;
    } decoders[] = {{"COM10", "--kind vq2usb --serial 258", IDENTIFY_KIND_USB, 258},
                    {"COM11", "--kind vq2bt --serial 42", IDENTIFY_KIND_BLUETOOTH, 42},
                    {"COM12", "--kind vq1", IDENTIFY_NO_ANSWER, 0}};  // a VQ1 stays silent
    for (const auto &d : decoders) {
        SimulatedDecoder sim(d.port, d.options);
        open_on(sim, d.port);
        const Identified found = identify();
        EXPECT_TRUE(sim.wait_for("identify_requests", 1, 1000)) << d.options;
        EXPECT_EQ(d.kind, found.kind) << d.options;
        EXPECT_EQ(d.serial_number, found.serial_number) << d.options;
        close_com_port();
    }
}

// A clock in ms that gives the readings of its script in turn (then one more),
// the one at g_answer_at only once the decoder's answer is on the line, so
// that the answer is read in that turn of the listening.
std::vector<int64_t> g_script;
size_t g_clock_reads;
size_t g_answer_at;

int64_t scripted_ms(void)
{
    const size_t n = g_clock_reads++;
    for (double end = now_ms() + 3000; n == g_answer_at && now_ms() < end; Sleep(1)) {
        COMSTAT status;
        DWORD errors = 0;
        if (ClearCommError(g_com_handle, &errors, &status) &&
            status.cbInQue >= IDENTIFY_ANSWER_LENGTH)
            break;
    }
    return n < g_script.size() ? g_script[n] : g_script.back() + 1;
}

// Identifies with the clock of the script; g_clock_reads says how often it was read.
Identified identify_scripted(const SimulatedDecoder &sim, const char *port,
                             const TimeSource &clock, std::vector<int64_t> script, size_t answer_at)
{
    EXPECT_EQ("", sim.failure());
    EXPECT_EQ(1, open_com_port(port));
    g_script = script;
    g_clock_reads = 0;
    g_answer_at = answer_at;
    set_time_source(&clock);
    const Identified result = identify();
    set_time_source(0);
    return result;
}

const TimeSource k_scripted_counter = {[]() -> uint32_t { return 0; }, scripted_ms,
                                       []() -> int64_t { return 1000; }};

// Listening goes on while at most 1499 ms have passed: readings at 0, 1499
// and 1500 ms, and the answer read meanwhile is of a kind that counts for nothing.
TEST_F(Port, IdentifyIgnoresAnAnswerOfAnotherKindForItsWholeWindow)
{
    SimulatedDecoder sim("COM13", "--kind vq2usb --identify-kind 5 --serial 7");
    Identified found = identify_scripted(sim, "COM13", k_scripted_counter, {5000, 6499, 6500}, 1);
    EXPECT_EQ(IDENTIFY_NO_ANSWER, found.kind);
    EXPECT_EQ(0, found.serial_number);
    EXPECT_EQ(3u, g_clock_reads);
}

// The clock says the window is over at its first look after the start, and
// the answer arrives meanwhile: the read that follows still counts.
TEST_F(Port, IdentifyTakesAnAnswerReadAfterTheWindowRanOut)
{
    SimulatedDecoder sim("COM14", "--kind vq2usb --serial 3");
    Identified found = identify_scripted(sim, "COM14", k_scripted_counter, {0, 2000}, 1);
    EXPECT_EQ(IDENTIFY_KIND_USB, found.kind);
    EXPECT_EQ(3, found.serial_number);
    EXPECT_EQ(2u, g_clock_reads);
}

// Without a counter frequency the tick count times the window, across its wrap.
TEST_F(Port, IdentifyWindowEndsWithoutACounterFrequency)
{
    SimulatedDecoder sim("COM23", "--kind vq1");
    const TimeSource ticks_only = {[]() { return static_cast<uint32_t>(scripted_ms()); },
                                   []() -> int64_t { return 0; }, []() -> int64_t { return 0; }};
    Identified found = identify_scripted(sim, "COM23", ticks_only,
                                         {0xFFFFFF00, 0xFFFFFF00 + 1499, 0xFFFFFF00 + 1500}, 99);
    EXPECT_EQ(IDENTIFY_NO_ANSWER, found.kind);
    EXPECT_EQ(3u, g_clock_reads);
}

// What the opening asks of the driver, caught in this program's import table
// (the line settings still reach the port, so that they read back).
extern "C" BOOL(WINAPI *__imp_SetCommState)(HANDLE, LPDCB);
extern "C" BOOL(WINAPI *__imp_PurgeComm)(HANDLE, DWORD);
extern "C" BOOL(WINAPI *__imp_EscapeCommFunction)(HANDLE, DWORD);
struct Asked {
    DWORD purge, escape;
    DCB dcb;
} g_asked;
BOOL(WINAPI *g_set_comm_state)(HANDLE, LPDCB);

int32_t open_asking(const char *port)
{
    memset(&g_asked, 0, sizeof g_asked);
    const auto purge = __imp_PurgeComm;
    const auto escape = __imp_EscapeCommFunction;
    g_set_comm_state = __imp_SetCommState;
    __imp_SetCommState = [](HANDLE port, LPDCB dcb) -> BOOL {
        g_asked.dcb = *dcb;
        return g_set_comm_state(port, dcb);
    };
    __imp_PurgeComm = [](HANDLE, DWORD flags) -> BOOL { return g_asked.purge = flags, TRUE; };
    __imp_EscapeCommFunction = [](HANDLE, DWORD f) -> BOOL { return g_asked.escape = f, TRUE; };
    const int32_t opened = open_com_port(port);
    __imp_SetCommState = g_set_comm_state;
    __imp_PurgeComm = purge;
    __imp_EscapeCommFunction = escape;
    return opened;
}

std::string dcb_text(const DCB &d)
{
    char text[400];
    snprintf(text, sizeof text,
             "%lu baud %lu binary %u parity %u cts %u dsr %u dtr %u dsr-sensitive %u tx-on-xoff %u "
             "outx %u inx %u error-char %u null %u rts %u abort %u xon-lim %u xoff-lim %u %u bits "
             "parity %u stop %u xon %02X xoff %02X error %02X eof %02X event %02X",
             d.DCBlength, d.BaudRate, d.fBinary, d.fParity, d.fOutxCtsFlow, d.fOutxDsrFlow,
             d.fDtrControl, d.fDsrSensitivity, d.fTXContinueOnXoff, d.fOutX, d.fInX, d.fErrorChar,
             d.fNull, d.fRtsControl, d.fAbortOnError, d.XonLim, d.XoffLim, d.ByteSize, d.Parity,
             d.StopBits, d.XonChar & 0xFF, d.XoffChar & 0xFF, d.ErrorChar & 0xFF, d.EofChar & 0xFF,
             d.EvtChar & 0xFF);
    return text;
}

TEST_F(Port, LineSetTo9600EightNoneOneAndRequestsArriveByteExact)
{
    SimulatedDecoder sim("COM16", "--kind vq1");
    ASSERT_EQ("", sim.failure());
    ASSERT_EQ(1, open_asking("COM16"));
    EXPECT_EQ("28 baud 9600 binary 1 parity 0 cts 0 dsr 0 dtr 1 dsr-sensitive 0 tx-on-xoff 0 "
              "outx 0 inx 0 error-char 0 null 0 rts 1 abort 0 xon-lim 256 xoff-lim 256 8 bits "
              "parity 0 stop 0 xon 11 xoff 13 error 3F eof 1A event 10",
              dcb_text(g_asked.dcb));
    EXPECT_EQ(15u, g_asked.purge);
    EXPECT_EQ(static_cast<DWORD>(SETDTR), g_asked.escape);
    DCB held = {};
    held.DCBlength = sizeof held;
    ASSERT_TRUE(GetCommState(g_com_handle, &held));
    EXPECT_EQ(9600u, held.BaudRate);
    // Reads hand back at once what the driver holds; writes give up after 100 ms.
    COMMTIMEOUTS timeouts;
    ASSERT_TRUE(GetCommTimeouts(g_com_handle, &timeouts));
    EXPECT_EQ(std::vector<DWORD>({1, 0, 1, 0, 100}),
              std::vector<DWORD>({timeouts.ReadIntervalTimeout, timeouts.ReadTotalTimeoutMultiplier,
                                  timeouts.ReadTotalTimeoutConstant,
                                  timeouts.WriteTotalTimeoutMultiplier,
                                  timeouts.WriteTotalTimeoutConstant}));
    for (const unsigned char *request : {identify_request, reset_clock_request, keepalive_request}) {
        int32_t written = 0;
        EXPECT_NE(0, write_com_port(request, REQUEST_LENGTH, &written));
        EXPECT_EQ(REQUEST_LENGTH, written);
    }
    ASSERT_TRUE(sim.wait_for("received_bytes", 15, 2000));
    EXPECT_EQ("FFFFFF0102FFFFFF0200FFFFFFE004", sim.value("received"));
}

TEST_F(Port, UnpluggedDecoderWritesNothingAndAFreshOpenFindsItBack)
{
    SimulatedDecoder sim("COM17", "--kind vq2usb --serial 17");
    open_on(sim, "COM17");
    int32_t written = 0;
    write_com_port(keepalive_request, REQUEST_LENGTH, &written);
    EXPECT_EQ(REQUEST_LENGTH, written);

    sim.command("vanish");
    for (double end = now_ms() + 2000; sim.value("present") != "0" && now_ms() < end; Sleep(5)) {
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
    // One passing every 10 ms of decoder time: more than the 87 a second that
    // 9600 baud carries, so the line never rests.
    const size_t lines = seconds * 87;
    std::string scenario;
    for (size_t i = 0; i < lines; ++i) {
        char line[32];
        snprintf(line, sizeof line, "%d %d.%03d\n", static_cast<int>(i % 65536),
                 static_cast<int>(i / 100), static_cast<int>(i % 100 * 10));
        scenario += line;
    }
    std::string path = write_scenario_file("COM21", scenario);
    ASSERT_NE("", path);
    SimulatedDecoder sim("COM21", "--kind vq2usb --baud 9600 --wait-reset --scenario \"" + path + "\"");
    open_on(sim, "COM21");
    sim.command("play");
    const double start = now_ms();
    const int32_t largest_read =
        read_passings(DECODER_KIND_VQ2_USB, lines, seconds * 3000.0 + 10000);
    printf("%zu passings at 9600 baud in %.1f s, largest read %d bytes\n", g_passings.size(),
           (now_ms() - start) / 1000, largest_read);
    ASSERT_EQ(lines, g_passings.size());
    EXPECT_TRUE(sim.wait_for("passings_sent", static_cast<long long>(lines), 2000));
    for (size_t i = 0; i < g_passings.size(); ++i) {
        char expected[TRANSPONDER_TEXT_SIZE];
        snprintf(expected, sizeof expected, "%06d", static_cast<int>(i % 65536));
        ASSERT_STREQ(expected, g_passings[i].transponder) << "passing " << i;
        ASSERT_EQ(static_cast<int32_t>(i * 10), g_passings[i].passing_ms) << "passing " << i;
    }
}

}  // namespace
