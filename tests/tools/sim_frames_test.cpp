#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder_protocol.h"
#include "sim_frames.h"

namespace {

std::vector<DecoderPassing> g_parsed;

void take(const DecoderPassing *passing)
{
    g_parsed.push_back(*passing);
}

const PassingHandover k_keep = {take, 0};

TEST(SimFrames, EveryDecoderTimeComesBackThroughTheProgramsParser)
{
    g_parsed.clear();
    g_stream_count = 0;
    unsigned char frame[SIM_FRAME_MAX];
    for (int32_t ms = 0; ms < 2000; ++ms) {
        int32_t length = build_passing(frame, SIM_VQ2_USB, ms * 37 % 65536, 3600000 + ms);
        parse_stream_bytes(frame, length, DECODER_KIND_VQ2_USB, &k_keep);
    }
    int32_t length = build_passing(frame, SIM_VQ2_BLUETOOTH, 65535, SIM_TIME_MAX_MS);
    parse_stream_bytes(frame, length, DECODER_KIND_VQ2_BLUETOOTH, &k_keep);
    ASSERT_EQ(2001u, g_parsed.size());
    for (int32_t ms = 0; ms < 2000; ++ms) {
        char expected[TRANSPONDER_TEXT_SIZE];
        snprintf(expected, sizeof expected, "%06d", ms * 37 % 65536);
        ASSERT_STREQ(expected, g_parsed[ms].transponder);
        ASSERT_EQ(3600000 + ms, g_parsed[ms].passing_ms);
    }
    EXPECT_STREQ("065535", g_parsed[2000].transponder);
    EXPECT_EQ(SIM_TIME_MAX_MS, g_parsed[2000].passing_ms);
}

TEST(SimFrames, AnswersCarryKindSerialAndClock)
{
    unsigned char frame[SIM_FRAME_MAX];
    ASSERT_EQ(7, build_identify_answer(frame, IDENTIFY_KIND_USB, 258));
    EXPECT_EQ(std::vector<unsigned char>({0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x01, 0x02}),
              std::vector<unsigned char>(frame, frame + 7));
    ASSERT_EQ(7, build_reset_answer(frame, 3723456));
    EXPECT_EQ(std::vector<unsigned char>({0xFF, 0xFF, 0xFF, 0x02, 1, 2, 3}),
              std::vector<unsigned char>(frame, frame + 7));
}

TEST(SimFrames, RequestsRecognisedAmongStrayBytes)
{
    RequestScanner scanner;
    start_request_scanner(&scanner);
    const unsigned char bytes[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0xFF, 0xFF,
                                   0xFF, 0x02, 0x00, 0xFF, 0xFF, 0xFF, 0xE0, 0x04};
    std::vector<SimRequest> seen;
    for (unsigned char byte : bytes) {
        SimRequest request = scan_request_byte(&scanner, byte);
        if (request != SIM_NO_REQUEST) {
            seen.push_back(request);
        }
    }
    EXPECT_EQ(std::vector<SimRequest>({SIM_IDENTIFY, SIM_RESET_CLOCK, SIM_KEEPALIVE}), seen);
    EXPECT_EQ(2, scanner.stray);
}

TEST(SimFrames, ScenarioLines)
{
    int32_t transponder = -1;
    int32_t ms = -1;
    EXPECT_EQ(1, parse_scenario_line("7 1:02:03.456\r\n", &transponder, &ms));
    EXPECT_EQ(7, transponder);
    EXPECT_EQ(3723456, ms);
    EXPECT_EQ(1, parse_scenario_line("\t65535  2:05.5 # second car", &transponder, &ms));
    EXPECT_EQ(65535, transponder);
    EXPECT_EQ(125500, ms);
    EXPECT_EQ(1, parse_scenario_line("12 42", &transponder, &ms));
    EXPECT_EQ(42000, ms);
    EXPECT_EQ(0, parse_scenario_line("   # nothing here\n", &transponder, &ms));
    EXPECT_EQ(0, parse_scenario_line("", &transponder, &ms));
    for (const char *bad : {"7", "65536 0:01", "7 1:60.000", "7 0:01.1234", "x 0:01", "7 0:01 9",
                            "7 256:00:00.000", "-7 0:01", "7 1:2:3:4"}) {
        EXPECT_EQ(-1, parse_scenario_line(bad, &transponder, &ms)) << bad;
    }
}

}  // namespace
