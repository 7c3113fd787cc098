// A picture as a PNG file: 8-bit RGB, no interlace, its rows stored in uncompressed deflate
// blocks. Bigger than it need be, but any reader opens it and it takes no library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CPngWriter {
public:
    // rgb: height rows from the top, each width pixels of red, green and blue. Empty when the
    // size does not match the pixels or is zero.
    static std::string Encode(int width, int height, const std::vector<std::uint8_t>& rgb);

    static std::uint32_t Crc32(const std::string& bytes);
    static std::uint32_t Adler32(const std::string& bytes);
};
