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

constexpr std::array<std::uint32_t, 3> kSizes{32, 24, 16};
constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kColourCount = 16;

// The standard Windows 16-colour palette as 0xRRGGBB, in VGA order.
constexpr std::array<std::uint32_t, kColourCount> kStandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// BMP rows end on a 4-byte boundary.
constexpr std::size_t RowBytes(std::uint32_t size, std::uint32_t bits_per_pixel) {
  return (size * bits_per_pixel + 31) / 32 * 4;
}

class IconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream file(QUORLANE_ICON_PATH, std::ios::binary);
    icon_.assign(std::istreambuf_iterator<char>(file), {});
    ASSERT_GE(icon_.size(), kDirectorySize + kEntrySize * kSizes.size());
  }

  std::uint32_t U8(std::size_t at) const { return icon_.at(at); }
  std::uint32_t U16(std::size_t at) const { return U8(at) | U8(at + 1) << 8; }
  std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }

  static std::size_t Entry(std::size_t image) { return kDirectorySize + kEntrySize * image; }
  std::size_t Header(std::size_t image) const { return U32(Entry(image) + 12); }

  // Palette colour of the pixel at (x, y) counted from the top; the rows are stored bottom-up.
  std::uint32_t Colour(std::size_t image, std::uint32_t x, std::uint32_t y) const {
    const std::uint32_t size = kSizes.at(image);
    const std::size_t row =
        Header(image) + kInfoHeaderSize + 4 * kColourCount + (size - 1 - y) * RowBytes(size, 4);
    const std::uint32_t index = U8(row + x / 2) >> (x % 2 == 0 ? 4 : 0) & 0xF;
    return PaletteEntry(image, index);
  }

  bool Transparent(std::size_t image, std::uint32_t x, std::uint32_t y) const {
    const std::uint32_t size = kSizes.at(image);
    const std::size_t mask = Header(image) + kInfoHeaderSize + 4 * kColourCount +
                             size * RowBytes(size, 4) + (size - 1 - y) * RowBytes(size, 1);
    return (U8(mask + x / 8) >> (7 - x % 8) & 1) != 0;
  }

  std::uint32_t PaletteEntry(std::size_t image, std::uint32_t index) const {
    const std::size_t quad = Header(image) + kInfoHeaderSize + 4 * index;
    return U8(quad + 2) << 16 | U8(quad + 1) << 8 | U8(quad);
  }

  std::vector<std::uint8_t> icon_;
};

TEST_F(IconTest, DirectoryListsThreeImagesThatTileTheFile) {
  EXPECT_EQ(U16(0), 0u);
  EXPECT_EQ(U16(2), 1u);  // icon, not cursor
  ASSERT_EQ(U16(4), kSizes.size());

  std::size_t expected_offset = Entry(kSizes.size());
  for (std::size_t image = 0; image < kSizes.size(); ++image) {
    const std::uint32_t size = kSizes.at(image);
    SCOPED_TRACE(size);
    const std::size_t entry = Entry(image);
    EXPECT_EQ(U8(entry), size);
    EXPECT_EQ(U8(entry + 1), size);
    EXPECT_EQ(U8(entry + 2), kColourCount);
    EXPECT_EQ(U16(entry + 4), 1u);  // planes
    EXPECT_EQ(U16(entry + 6), 4u);  // bits per pixel
    const std::uint32_t bytes = U32(entry + 8);
    EXPECT_EQ(bytes,
              kInfoHeaderSize + 4 * kColourCount + size * (RowBytes(size, 4) + RowBytes(size, 1)));
    EXPECT_EQ(U32(entry + 12), expected_offset);
    expected_offset += bytes;
  }
  EXPECT_EQ(expected_offset, icon_.size());
}

TEST_F(IconTest, ImagesAreSixteenColourBitmapsWithTheStandardPalette) {
  for (std::size_t image = 0; image < kSizes.size(); ++image) {
    const std::uint32_t size = kSizes.at(image);
    SCOPED_TRACE(size);
    const std::size_t header = Header(image);
    EXPECT_EQ(U32(header), kInfoHeaderSize);
    EXPECT_EQ(U32(header + 4), size);
    EXPECT_EQ(U32(header + 8), 2 * size);  // colour bits and AND mask
    EXPECT_EQ(U16(header + 12), 1u);
    EXPECT_EQ(U16(header + 14), 4u);
    EXPECT_EQ(U32(header + 16), 0u);  // uncompressed
    for (std::uint32_t index = 0; index < kColourCount; ++index) {
      EXPECT_EQ(PaletteEntry(image, index), kStandardPalette.at(index)) << "index " << index;
    }
  }
}

TEST_F(IconTest, ImagesAreCutOutAndMarkADayInGreen) {
  for (std::size_t image = 0; image < kSizes.size(); ++image) {
    const std::uint32_t size = kSizes.at(image);
    SCOPED_TRACE(size);
    int transparent = 0;
    int opaque = 0;
    int green = 0;
    for (std::uint32_t y = 0; y < size; ++y) {
      for (std::uint32_t x = 0; x < size; ++x) {
        const std::uint32_t colour = Colour(image, x, y);
        if (Transparent(image, x, y)) {
          ++transparent;
          // Windows XORs the colour bits onto the screen: anything but black would tint it.
          EXPECT_EQ(colour, 0u) << "at " << x << "," << y;
        } else {
          ++opaque;
          green += colour == 0x008000 || colour == 0x00FF00 ? 1 : 0;
        }
      }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_GT(opaque, 0);
    EXPECT_GT(green, 0);
  }
}

}  // namespace
}  // namespace quorlane
