#include <gtest/gtest.h>

#include <stdint.h>

#include <vector>

#include "decoder_protocol.h"

namespace {

using Bytes = std::vector<unsigned char>;

int32_t feed_reset(const Bytes &bytes)
{
    return parse_reset_answer_bytes(bytes.data(), static_cast<int32_t>(bytes.size()));
}

class ResetAnswer : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_reset_answer_count = 0;
        g_stream_count = 0;
        g_stream_ready = 0;
    }
};

TEST_F(ResetAnswer, ZeroTimeIsAcceptedAndEmptiesTheStreamParser)
{
    g_stream_count = 6;
    EXPECT_EQ(RESET_ANSWER_ACCEPTED, feed_reset({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}));
    EXPECT_EQ(0, g_reset_answer_count);
    EXPECT_EQ(0, g_stream_count);
}

TEST_F(ResetAnswer, NonZeroTimeIsRefusedAndTheRestOfTheReadStillParsed)
{
    for (const size_t field : {4, 5, 6}) {
        Bytes answer = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};
        answer[field] = 0x01;
        EXPECT_EQ(RESET_ANSWER_REFUSED, feed_reset(answer)) << field;
    }
    g_stream_count = 6;
    EXPECT_EQ(RESET_ANSWER_REFUSED, feed_reset({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x01, 0xFF, 0xFF}));
    EXPECT_EQ(2, g_reset_answer_count);
    EXPECT_EQ(6, g_stream_count);
    // The answer to the repeated request completes with the bytes already held.
    EXPECT_EQ(RESET_ANSWER_ACCEPTED, feed_reset({0xFF, 0x02, 0x00, 0x00, 0x00}));
    EXPECT_EQ(0, g_stream_count);
}

TEST_F(ResetAnswer, RefusedThenAcceptedInOneReadIsAccepted)
{
    EXPECT_EQ(RESET_ANSWER_ACCEPTED,
              feed_reset({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x05, 0xFF, 0xFF, 0xFF, 0x02, 0x00,
                          0x00, 0x00}));
    EXPECT_EQ(RESET_ANSWER_ACCEPTED,
              feed_reset({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x02, 0x01,
                          0x00, 0x00}));
}

TEST_F(ResetAnswer, AnswerSplitAndBehindGarbageIsFound)
{
    EXPECT_EQ(RESET_ANSWER_NONE, feed_reset({0x42, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(RESET_ANSWER_NONE, feed_reset({0x02, 0x00}));
    EXPECT_EQ(RESET_ANSWER_NONE, feed_reset({}));
    EXPECT_EQ(RESET_ANSWER_ACCEPTED, feed_reset({0x00, 0x00}));
}

TEST_F(ResetAnswer, OtherFramesAreNoAnswer)
{
    EXPECT_EQ(RESET_ANSWER_NONE, feed_reset({0xFF, 0xFF, 0xFF, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x00,
                                             0x48, 0xE5, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x00}));
}

IdentifyParser identify(const Bytes &bytes)
{
    IdentifyParser parser;
    start_identify_parser(&parser);
    parse_identify_bytes(&parser, bytes.data(), static_cast<int32_t>(bytes.size()));
    return parser;
}

// The last answer of a known kind gives the kind and the serial number; an
// answer of another kind, or behind a header that is not FF FF FF, changes nothing.
TEST(IdentifyAnswer, LastAnswerOfAKnownKindGivesKindAndSerialNumber)
{
    const struct {
        const char *what;
        Bytes bytes;
        int32_t kind;
        int32_t serial_number;
    } cases[] = {
        {"USB", {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x01, 0x02}, IDENTIFY_KIND_USB, 258},
        {"Bluetooth behind garbage", {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x12, 0x00, 0x2A},
         IDENTIFY_KIND_BLUETOOTH, 42},
        {"unknown kind", {0xFF, 0xFF, 0xFF, 0x01, 0x05, 0x00, 0x01}, IDENTIFY_NO_ANSWER, 0},
        {"first FF bent", {0x7F, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x05}, IDENTIFY_NO_ANSWER, 0},
        {"second FF bent", {0xFF, 0x7F, 0xFF, 0x01, 0x02, 0x00, 0x05}, IDENTIFY_NO_ANSWER, 0},
        {"third FF bent", {0xFF, 0xFF, 0x7F, 0x01, 0x02, 0x00, 0x05}, IDENTIFY_NO_ANSWER, 0},
        {"unknown kinds around one",
         {0xFF, 0xFF, 0xFF, 0x01, 0x05, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0x01, 0x12, 0xFF, 0xFF,
          0xFF, 0xFF, 0xFF, 0x01, 0x05, 0x00, 0x02},
         IDENTIFY_KIND_BLUETOOTH, 65535},
        {"a later answer",
         {0xFF, 0xFF, 0xFF, 0x01, 0x12, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x03},
         IDENTIFY_KIND_USB, 3},
    };
    for (const auto &c : cases) {
        IdentifyParser parser = identify(c.bytes);
        EXPECT_EQ(c.kind, parser.kind) << c.what;
        EXPECT_EQ(c.serial_number, parser.serial_number) << c.what;
    }
}

TEST(IdentifyAnswer, AnswerSpreadOverReads)
{
    IdentifyParser parser;
    start_identify_parser(&parser);
    const unsigned char bytes[] = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x01, 0x02};
    for (unsigned char byte : bytes) {
        EXPECT_EQ(IDENTIFY_NO_ANSWER, parser.kind);
        parse_identify_bytes(&parser, &byte, 1);
    }
    EXPECT_EQ(IDENTIFY_KIND_USB, parser.kind);
}

TEST(CounterElapsed, TruncatedMillisecondsWithoutOverflow)
{
    int64_t ms = -1;
    EXPECT_EQ(0, counter_elapsed_ms(0, 100, 0, &ms));
    EXPECT_EQ(-1, ms);
    EXPECT_EQ(1, counter_elapsed_ms(1000, 1000 + 15999, 10000, &ms));
    EXPECT_EQ(1599, ms);
    EXPECT_EQ(1, counter_elapsed_ms(15999, 0, 10000, &ms));
    EXPECT_EQ(-1599, ms);
    // A nanosecond counter after 200 years of uptime.
    const int64_t frequency = 1000000000;
    const int64_t ticks = INT64_C(200) * 365 * 24 * 3600 * frequency + 999999;
    EXPECT_EQ(1, counter_elapsed_ms(0, ticks, frequency, &ms));
    EXPECT_EQ(INT64_C(200) * 365 * 24 * 3600 * 1000, ms);
}

TEST(Frames, RequestsAreFiveBytesWithTheirCommands)
{
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0x01, 0x02}), Bytes(identify_request, identify_request + 5));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0x02, 0x00}),
              Bytes(reset_clock_request, reset_clock_request + 5));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0xE0, 0x04}),
              Bytes(keepalive_request, keepalive_request + 5));
}

}  // namespace
