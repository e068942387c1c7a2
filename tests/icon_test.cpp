// Checks the committed program icon. The resource compiler embeds it unread, so a broken file
// would only show up as a missing or garbled icon on Windows.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace quorlane {
namespace {

// The standard Windows 16-colour palette as 0xRRGGBB (little-endian BGR0 in the file), VGA order.
constexpr std::array<std::uint32_t, 16> kStandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

TEST(IconTest, ThreeCutOutSixteenColourImagesTileTheFile) {
  std::ifstream file(QUORLANE_ICON_PATH, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  const auto u32 = [&](std::size_t at) -> std::uint32_t {
    std::uint32_t value = 0;
    for (std::size_t byte = 4; byte-- > 0;) value = value << 8 | bytes.at(at + byte);
    return value;
  };
  EXPECT_EQ(u32(0), 1u << 16);  // reserved, then 1: an icon, not a cursor
  ASSERT_EQ(bytes.at(4), 3u);
  std::size_t end = 6 + 3 * 16;  // the directory and its entries
  for (std::size_t image = 0; image < 3; ++image) {
    const std::uint32_t size = std::array{32u, 24u, 16u}[image];
    const std::size_t entry = 6 + 16 * image;
    const std::size_t colourRow = (size * 4 + 31) / 32 * 4, maskRow = (size + 31) / 32 * 4;
    const std::size_t header = u32(entry + 12), pixels = header + 40 + 64;
    const std::size_t mask = pixels + size * colourRow;
    SCOPED_TRACE(size);
    EXPECT_EQ(u32(entry), size | size << 8 | 16u << 16);  // width, height, colours
    EXPECT_EQ(u32(entry + 4), 1u | 4u << 16);             // planes, bits per pixel
    EXPECT_EQ(header, end);
    end = mask + size * maskRow;
    EXPECT_EQ(u32(entry + 8), end - header);
    // Header size, width, colour bits over the AND mask, planes and depth, uncompressed.
    const std::uint32_t fields[] = {40, size, 2 * size, 1u | 4u << 16, 0};
    for (std::size_t field = 0; field < std::size(fields); ++field) {
      EXPECT_EQ(u32(header + 4 * field), fields[field]) << field;
    }
    for (std::size_t index = 0; index < kStandardPalette.size(); ++index) {
      EXPECT_EQ(u32(header + 40 + 4 * index), kStandardPalette.at(index)) << index;
    }
    int transparent = 0, green = 0;
    for (std::size_t y = 0; y < size; ++y) {
      for (std::size_t x = 0; x < size; ++x) {
        const int colour = bytes.at(pixels + y * colourRow + x / 2) >> (x % 2 == 0 ? 4 : 0) & 0xF;
        const bool cutOut = (bytes.at(mask + y * maskRow + x / 8) >> (7 - x % 8) & 1) != 0;
        // Windows XORs the colour bits of a cut-out pixel onto the screen: only black leaves it.
        EXPECT_TRUE(!cutOut || colour == 0) << "at " << x << "," << y;
        transparent += cutOut ? 1 : 0;
        green += !cutOut && (colour == 2 || colour == 10) ? 1 : 0;  // green or lime
      }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, static_cast<int>(size * size));
    EXPECT_GT(green, 0);
  }
  EXPECT_EQ(end, bytes.size());
}

}  // namespace
}  // namespace quorlane
