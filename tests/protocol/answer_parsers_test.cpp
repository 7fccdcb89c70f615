#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <vector>

#include "decoder_protocol.h"

namespace {

int32_t feed_reset(const std::vector<unsigned char> &bytes)
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
        std::vector<unsigned char> answer = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};
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

IdentifyParser identify(const std::vector<unsigned char> &bytes)
{
    IdentifyParser parser;
    start_identify_parser(&parser);
    parse_identify_bytes(&parser, bytes.data(), static_cast<int32_t>(bytes.size()));
    return parser;
}

TEST(IdentifyAnswer, UsbAndBluetoothKindsWithTheirSerialNumbers)
{
    IdentifyParser usb = identify({0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x01, 0x02});
    EXPECT_EQ(IDENTIFY_KIND_USB, usb.kind);
    EXPECT_EQ(258, usb.serial_number);
    IdentifyParser bluetooth = identify({0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x12, 0x00, 0x2A});
    EXPECT_EQ(IDENTIFY_KIND_BLUETOOTH, bluetooth.kind);
    EXPECT_EQ(42, bluetooth.serial_number);
}

TEST(IdentifyAnswer, UnknownKindChangesNothingAndTheSearchGoesOn)
{
    IdentifyParser parser = identify({0xFF, 0xFF, 0xFF, 0x01, 0x05, 0x00, 0x01});
    EXPECT_EQ(IDENTIFY_NO_ANSWER, parser.kind);
    EXPECT_EQ(0, parser.count);
    for (const size_t bent : {0, 1, 2}) {  // nor is one behind a header that is not FF FF FF
        std::vector<unsigned char> bytes = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x05};
        bytes[bent] = 0x7F;
        EXPECT_EQ(IDENTIFY_NO_ANSWER, identify(bytes).kind) << bent;
    }
    parser = identify({0xFF, 0xFF, 0xFF, 0x01, 0x05, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0x01, 0x12,
                       0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x05, 0x00, 0x02});
    EXPECT_EQ(IDENTIFY_KIND_BLUETOOTH, parser.kind);
    EXPECT_EQ(65535, parser.serial_number);
}

TEST(IdentifyAnswer, LaterAnswerInTheSameBytesReplacesTheEarlierOne)
{
    IdentifyParser parser = identify({0xFF, 0xFF, 0xFF, 0x01, 0x12, 0x00, 0x01, 0xFF, 0xFF, 0xFF,
                                      0x01, 0x02, 0x00, 0x03});
    EXPECT_EQ(IDENTIFY_KIND_USB, parser.kind);
    EXPECT_EQ(3, parser.serial_number);
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
    const unsigned char identify_bytes[] = {0xFF, 0xFF, 0xFF, 0x01, 0x02};
    const unsigned char reset_bytes[] = {0xFF, 0xFF, 0xFF, 0x02, 0x00};
    const unsigned char keepalive_bytes[] = {0xFF, 0xFF, 0xFF, 0xE0, 0x04};
    EXPECT_EQ(0, memcmp(identify_bytes, identify_request, REQUEST_LENGTH));
    EXPECT_EQ(0, memcmp(reset_bytes, reset_clock_request, REQUEST_LENGTH));
    EXPECT_EQ(0, memcmp(keepalive_bytes, keepalive_request, REQUEST_LENGTH));
}

}  // namespace
