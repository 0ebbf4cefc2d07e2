#include "standin/modules/pipl_reader.h"

#include <gtest/gtest.h>

#include "shell/pipl_builder.h"

namespace strata::standin {
namespace {

// The PiPL of "Strata Depth", byte by byte.
const std::vector<std::uint8_t> kStrataDepthPipl = {
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00,  // format 1, version 0, 5 props
    'M',  'I',  'B',  '8',  'd',  'n',  'i',  'k',  0,    0,    0,   0,   4,   0,   0,   0,  // kind
    'x',  'g',  'E',  'A',                                                                   // AEgx
    'M',  'I',  'B',  '8',  'e',  'm',  'a',  'n',  0,    0,    0,   0,   16,  0,   0,   0,  // name
    12,   'S',  't',  'r',  'a',  't',  'a',  ' ',  'D',  'e',  'p', 't', 'h', 0,   0,   0, 'M',
    'I',  'B',  '8',  'g',  't',  'a',  'c',  0,    0,    0,    0,   16,  0,   0,   0,  // category
    14,   'G',  'e',  'n',  'e',  'r',  'a',  'l',  ' ',  'P',  'l', 'u', 'g', 'i', 'n', 0, 'M',
    'I',  'B',  '8',  's',  'r',  'e',  'v',  0,    0,    0,    0,   4,   0,   0,   0,  // version 3
                                                                                        // << 16
    0x00, 0x00, 0x03, 0x00, 'M',  'I',  'B',  '8',  '6',  '8',  'x', 'w', 0,   0,   0,   0, 16,
    0,    0,    0,  // entry point
    'K',  'e',  'y',  'f',  'r',  'a',  'm',  'e',  'r',  'M',  'a', 'i', 'n', 0,   0,   0,
};

TEST(PiplBuilder, StrataDepthBytesMatchTheHandWrittenTable) {
    EXPECT_EQ(buildPipl("Strata Depth"), kStrataDepthPipl);
}

TEST(PiplBuilder, NameLengthIsPaddedToAMultipleOfFour) {
    // "Strata Align" and "Strata Transform": 1 + 12 -> 16 and 1 + 16 -> 20 bytes.
    EXPECT_EQ(buildPipl("Strata Align").size(), kStrataDepthPipl.size());
    EXPECT_EQ(buildPipl("Strata Transform").size(), kStrataDepthPipl.size() + 4);
    EXPECT_THROW(buildPipl(std::string(256, 'x')), std::length_error);
}

TEST(PiplReader, ReadsWhatTheBuilderWrites) {
    for (const char* name : {"Strata Transform", "Strata Align", "Strata Depth", ""}) {
        const PiplReadResult r = readPipl(buildPipl(name));
        ASSERT_TRUE(r.info) << r.error;
        EXPECT_EQ(r.info->kind, "AEgx");
        EXPECT_EQ(r.info->name, name);
        EXPECT_EQ(r.info->category, "General Plugin");
        EXPECT_EQ(r.info->version, 196608u);
        EXPECT_EQ(r.info->entryPoint, "KeyframerMain");
    }
}

std::vector<std::uint8_t> withByte(std::vector<std::uint8_t> bytes, std::size_t at,
                                   std::uint8_t value) {
    bytes[at] = value;
    return bytes;
}

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

TEST(PiplReader, RefusesMalformedLists) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* error;
    };
    const std::size_t kindData = 10 + 16;
    const std::size_t nameData = kindData + 4 + 16;
    const std::size_t entryData = kStrataDepthPipl.size() - 16;
    const Case cases[] = {
        {"empty", {}, "shorter than its 10-byte header"},
        {"header only", cut(kStrataDepthPipl, 8), "shorter than its 10-byte header"},
        {"format 2", withByte(kStrataDepthPipl, 0, 2), "resource format 2"},
        {"cut inside a property", cut(kStrataDepthPipl, 60), "truncated in property 2 of 5"},
        {"cut before the entry", cut(kStrataDepthPipl, entryData), "truncated in property 5"},
        {"another kind", withByte(kStrataDepthPipl, kindData, 'T'), "of kind 'AEgT'"},
        {"no kind", withByte(kStrataDepthPipl, 14, 'x'), "no kind property"},
        {"name past its data", withByte(kStrataDepthPipl, nameData, 40), "name property's text"},
        {"entry without a zero",
         [] {
             auto b = kStrataDepthPipl;
             for (std::size_t i = b.size() - 3; i < b.size(); ++i)
                 b[i] = 'x';
             return b;
         }(),
         "no terminating zero"},
    };
    for (const Case& c : cases) {
        const PiplReadResult r = readPipl(c.bytes);
        EXPECT_FALSE(r.info) << c.what;
        EXPECT_NE(r.error.find(c.error), std::string::npos) << c.what << ": " << r.error;
    }
}

}  // namespace
}  // namespace strata::standin
