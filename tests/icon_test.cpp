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

// The standard Windows 16-colour palette as 0xRRGGBB, in VGA order.
constexpr std::array<std::uint32_t, 16> kStandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// BMP rows end on a 4-byte boundary.
constexpr std::size_t RowBytes(std::size_t size, std::size_t bitsPerPixel) {
  return (size * bitsPerPixel + 31) / 32 * 4;
}

struct LittleEndian {
  std::vector<std::uint8_t> bytes;
  std::uint32_t U8(std::size_t at) const { return bytes.at(at); }
  std::uint32_t U16(std::size_t at) const { return U8(at) | U8(at + 1) << 8; }
  std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
};

TEST(IconTest, ThreeCutOutSixteenColourImagesTileTheFile) {
  std::ifstream file(QUORLANE_ICON_PATH, std::ios::binary);
  const LittleEndian icon{{std::istreambuf_iterator<char>(file), {}}};
  EXPECT_EQ(icon.U32(0), 1u << 16);  // reserved, then 1: an icon, not a cursor
  ASSERT_EQ(icon.U16(4), 3u);
  std::size_t end = 6 + 3 * 16;  // the directory and its entries
  for (std::size_t image = 0; image < 3; ++image) {
    const std::uint32_t size = std::array{32u, 24u, 16u}[image];
    SCOPED_TRACE(size);
    const std::size_t entry = 6 + 16 * image;
    const std::size_t header = icon.U32(entry + 12);
    const std::size_t pixels = header + 40 + 4 * kStandardPalette.size();
    const std::size_t mask = pixels + size * RowBytes(size, 4);
    EXPECT_EQ(icon.U32(entry), size | size << 8 | 16u << 16);  // width, height, colours
    EXPECT_EQ(icon.U32(entry + 4), 1u | 4u << 16);             // planes, bits per pixel
    EXPECT_EQ(header, end);
    end = mask + size * RowBytes(size, 1);
    EXPECT_EQ(icon.U32(entry + 8), end - header);
    EXPECT_EQ(icon.U32(header), 40u);
    EXPECT_EQ(icon.U32(header + 4), size);
    EXPECT_EQ(icon.U32(header + 8), 2 * size);  // colour bits over the AND mask
    EXPECT_EQ(icon.U32(header + 12), 1u | 4u << 16);
    EXPECT_EQ(icon.U32(header + 16), 0u);  // uncompressed
    for (std::size_t index = 0; index < kStandardPalette.size(); ++index) {
      EXPECT_EQ(icon.U32(header + 40 + 4 * index), kStandardPalette.at(index)) << index;
    }
    int transparent = 0, opaque = 0, green = 0;
    for (std::size_t y = 0; y < size; ++y) {
      for (std::size_t x = 0; x < size; ++x) {
        const std::uint32_t colour =
            icon.U8(pixels + y * RowBytes(size, 4) + x / 2) >> (x % 2 == 0 ? 4 : 0) & 0xF;
        if ((icon.U8(mask + y * RowBytes(size, 1) + x / 8) >> (7 - x % 8) & 1) != 0) {
          ++transparent;
          // Windows XORs these colour bits onto the screen: anything but black would tint it.
          EXPECT_EQ(colour, 0u) << "at " << x << "," << y;
        } else {
          ++opaque;
          green += colour == 2 || colour == 10 ? 1 : 0;  // green or lime
        }
      }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_GT(opaque, 0);
    EXPECT_GT(green, 0);
  }
  EXPECT_EQ(end, icon.bytes.size());
}

}  // namespace
}  // namespace quorlane
