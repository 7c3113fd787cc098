// PNG as any reader takes it: the signature, chunks with their lengths and CRCs, the header's
// size and kind, and a zlib stream of stored blocks that gives back every row behind its
// filter byte, checked against the published check values of CRC-32 and Adler-32.
#include "formats/PngWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::uint32_t BigEndian(const std::string& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return v;
}

struct Chunk {
    std::string type;
    std::string data;
};

// The file's chunks, each CRC checked.
std::vector<Chunk> Chunks(const std::string& png)
{
    std::vector<Chunk> chunks;
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n"));
    for (std::size_t at = 8; at < png.size();) {
        const std::uint32_t length = BigEndian(png, at);
        const std::string typed = png.substr(at + 4, 4 + length);
        EXPECT_EQ(BigEndian(png, at + 8 + length), CPngWriter::Crc32(typed)) << typed.substr(0, 4);
        chunks.push_back(Chunk{typed.substr(0, 4), typed.substr(4)});
        at += 12 + length;
    }
    return chunks;
}

// The bytes of a zlib stream of stored blocks, each block's length checked against its complement.
std::string Inflated(const std::string& z, int& blocks)
{
    EXPECT_EQ(((static_cast<std::uint8_t>(z[0]) << 8) | static_cast<std::uint8_t>(z[1])) % 31, 0);
    EXPECT_EQ(z[0] & 0x0F, 8);  // deflate
    std::string out;
    blocks = 0;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        const std::uint8_t head = static_cast<std::uint8_t>(z.at(at));
        EXPECT_EQ(head >> 1, 0) << "stored blocks only";
        last = head & 1;
        const unsigned n = static_cast<std::uint8_t>(z[at + 1]) | static_cast<std::uint8_t>(z[at + 2]) << 8;
        const unsigned nn = static_cast<std::uint8_t>(z[at + 3]) | static_cast<std::uint8_t>(z[at + 4]) << 8;
        EXPECT_EQ(n ^ 0xFFFF, nn);
        out += z.substr(at + 5, n);
        at += 5 + n;
        ++blocks;
    }
    EXPECT_EQ(at + 4, z.size());
    EXPECT_EQ(BigEndian(z, at), CPngWriter::Adler32(out));
    return out;
}

TEST(PngWriter, ChecksumsAgreeWithTheirCheckValues)
{
    EXPECT_EQ(CPngWriter::Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(CPngWriter::Crc32("IEND"), 0xAE426082u);
    EXPECT_EQ(CPngWriter::Adler32("Wikipedia"), 0x11E60398u);
    EXPECT_EQ(CPngWriter::Adler32(""), 1u);
}

TEST(PngWriter, EveryRowComesBackBehindItsFilterByte)
{
    for (const int width : {1, 3, 300}) {
        const int height = width == 300 ? 120 : 2;  // 300 x 120 needs two stored blocks
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
        for (std::size_t i = 0; i < rgb.size(); ++i)
            rgb[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
        const std::vector<Chunk> chunks = Chunks(CPngWriter::Encode(width, height, rgb));
        ASSERT_EQ(chunks.size(), 3u);
        EXPECT_EQ(chunks[0].type, "IHDR");
        EXPECT_EQ(BigEndian(chunks[0].data, 0), static_cast<std::uint32_t>(width));
        EXPECT_EQ(BigEndian(chunks[0].data, 4), static_cast<std::uint32_t>(height));
        EXPECT_EQ(chunks[0].data.substr(8), std::string("\x08\x02\x00\x00\x00", 5));
        EXPECT_EQ(chunks[1].type, "IDAT");
        EXPECT_EQ(chunks[2].type, "IEND");
        EXPECT_EQ(chunks[2].data, "");
        int blocks = 0;
        const std::string raw = Inflated(chunks[1].data, blocks);
        EXPECT_EQ(blocks, width == 300 ? 2 : 1);
        const std::size_t row = static_cast<std::size_t>(width) * 3;
        ASSERT_EQ(raw.size(), (row + 1) * height);
        for (int y = 0; y < height; ++y) {
            EXPECT_EQ(raw[(row + 1) * y], '\0');
            EXPECT_EQ(raw.substr((row + 1) * y + 1, row),
                      std::string(rgb.begin() + row * y, rgb.begin() + row * (y + 1)));
        }
    }
    EXPECT_EQ(CPngWriter::Encode(2, 2, std::vector<std::uint8_t>(11)), "");
    EXPECT_EQ(CPngWriter::Encode(0, 0, {}), "");
}

} // namespace
