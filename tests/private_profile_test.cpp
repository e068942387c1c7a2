#include "settings/private_profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "settings/settings_file.h"

namespace quorlane {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

// UTF-16 code units as bytes in the order asked for.
std::string Utf16(std::u16string_view text, bool littleEndian = true) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
    bytes += littleEndian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

// As the program asks: default "ERROR", a buffer of 255.
std::string Lookup(const fs::path& file, std::string_view key = "KEY",
                   std::string_view section = "DATA") {
  return ReadPrivateProfileString(section, key, "ERROR", 255, file);
}

class PrivateProfileTest : public ::testing::Test {
 protected:
  PrivateProfileTest() { fs::create_directories(dir_); }
  ~PrivateProfileTest() override { fs::remove_all(dir_); }

  // Writes the bytes and asks as the program does.
  std::string Read(const std::string& bytes, std::string_view key = "KEY",
                   std::string_view section = "DATA") const {
    std::ofstream(dir_ / "Quorlane.ini", std::ios::binary) << bytes;
    return Lookup(dir_ / "Quorlane.ini", key, section);
  }

  // tail across the first chunk boundary at every split, behind an ASCII comment in LE units.
  void ExpectAtEverySplit(std::string_view bom, std::size_t unitBytes, const std::string& tail,
                          std::string_view section, std::string_view expected) const {
    for (std::size_t split = unitBytes; split < tail.size(); split += unitBytes) {
      std::string file(bom);
      for (const char c :
           ";" + std::string((kProfileChunkBytes - split - bom.size()) / unitBytes - 2, 'x') +
               "\n") {
        file.append(1, c).append(unitBytes - 1, '\0');
      }
      ASSERT_EQ(file.size(), kProfileChunkBytes - split);
      EXPECT_EQ(Read(file + tail, "KEY", section), expected) << "split " << split;
    }
  }

  const fs::path dir_ = fs::temp_directory_path() / ("quorlane_" + std::to_string(getpid()));
};

TEST_F(PrivateProfileTest, EncodingsSectionsKeysQuotesAndTheCutAt254Bytes) {
  const std::string a252(252, 'a'), a253(253, 'a');
  const struct {
    const char* what;
    std::string file, expected, key = "KEY", section = "DATA";
  } cases[] = {
      {"UTF-16BE", "\xFE\xFF" + Utf16(u"[DATA]\r\nKEY=ソ表ｱ€\U0001F600\r\n", false),
       "\x83\x5C\x95\x5C\xB1??"},
      {"lone surrogate", "\xFF\xFE" + Utf16(u"[DATA]\nKEY=a") + "\x00\xD8"s + Utf16(u"b"), "a?b"},
      {"odd last byte", "\xFF\xFE" + Utf16(u"[DATA]\nKEY=a") + "b", "a?"},
      {"malformed UTF-8", "\xEF\xBB\xBF[DATA]\nKEY=\xE3\x81Z\xFF", "?Z?"},
      {"overlong UTF-8", "\xEF\xBB\xBF[DATA]\nKEY=\xE0\x80\x80", "???"},
      {"no mark, no conversion", "[DATA]\nKEY=\xEF\xBB\xBF", "\xEF\xBB\xBF"},
      {"form feed is no blank", "[DATA]\nKEY=\f7\f", "\f7\f"},
      {"UTF-16LE mark only", "\xFF\xFE", "ERROR"},
      {"no ]", "[DATA\nKEY=1", "1"},
      {"first ] ends", "[DA]TA]\nKEY=1", "1", "KEY", "DA"},
      {"] as second byte", "[\x83\x5D]]\nKEY=1", "1", "KEY", "\x83\x5D"},
      {"] after lead byte 9F", "[\x9F\x5D]\nKEY=1", "1", "KEY", "\x9F\x5D"},
      {"requested with blanks", "[DATA]\nKEY=1", "1", " KEY\t", " DATA "},
      {"a to z fold", "[DATA]\nsize=7", "7", "SIZE"},
      {"second byte not folded", "[\x83\x61]\nKEY=1", "ERROR", "KEY", "\x83\x41"},
      {"; starts key", "[DATA]\n;K=1", "ERROR", ";K"},
      {"shift-jis values", "[DATA]\nKEY=\x83\x5C\x95\x5C\xB1\xDD", "\x83\x5C\x95\x5C\xB1\xDD"},
      {"NUL before quotes go", "[DATA]\nKEY= \"7\0\" "s, "\"7"},
      {"NUL, key without =", "[DATA]\nKEY\0junk\nKEY=2"s, "ERROR"},
      {"character ends at the cut", "[DATA]\nKEY=" + a252 + "\x83\x5Cz", a252 + "\x83\x5C"},
      {"9F-led character across the cut", "[DATA]\nKEY=" + a253 + "\x9F\x40", a253},
      {"lone lead byte at the cut", "[DATA]\nKEY=" + a253 + "\x83!", a253 + "\x83"},
      {"quoted, long", "[DATA]\nKEY=\"" + std::string(4000000, '7') + "\"", std::string(254, '7')},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.file, c.key, c.section), c.expected) << c.what;
}

// The API drops trailing spaces from the default, keeping its first character, and cuts it.
TEST_F(PrivateProfileTest, DefaultLosesTrailingSpacesAndIsCut) {
  const std::string a253(253, 'a');
  const std::pair<std::string, std::string> defaults[] = {
      {"   ", " "}, {"ERROR  ", "ERROR"},      {" x ", " x"},
      {"", ""},     {a253 + "\x83\x5C", a253}, {a253 + "bc", a253 + "b"}};
  for (const auto& [given, expected] : defaults) {
    EXPECT_EQ(ReadPrivateProfileString("DATA", "KEY", given, 255, dir_ / "missing.ini"), expected)
        << "default \"" << given << '"';
  }
}

TEST_F(PrivateProfileTest, PiecesMeetAtChunkBoundary) {
  ExpectAtEverySplit("", 1, "[\x83\x5D]]\r\nKEY= \"\x83\x5C\" \r\n", "\x83\x5D", "\x83\x5C");
  ExpectAtEverySplit("\xEF\xBB\xBF", 1, "[DATA]\r\nKEY=ソ😀ｱ\r\n", "DATA", "\x83\x5C?\xB1");
  ExpectAtEverySplit("\xFF\xFE", 2, Utf16(u"[DATA]\r\nKEY=ソ\U0001F600\r\n"), "DATA", "\x83\x5C?");
}

// Windows' "A" lookup reaches such a folder through its short (8.3) name.
TEST_F(PrivateProfileTest, ReadsAFileInAFolderNamedOutsideTheAnsiCodePage) {
  for (const std::u8string name : {u8"café", u8"회의", u8"😀"}) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    fs::create_directory(dir_ / name);
    std::ofstream(dir_ / name / "Quorlane.ini", std::ios::binary) << "[DATA]\nKEY=1";
    EXPECT_EQ(Lookup(dir_ / name / "Quorlane.ini"), "1");
  }
}

TEST(SettingsFile, LiesBesideTheExecutable) {
  const fs::path path = SettingsFilePath();
  EXPECT_EQ(path.filename(), "Quorlane.ini");
  EXPECT_TRUE(fs::exists(path.parent_path() / QUORLANE_TEST_FILE_NAME));
}

// The program's path may not fit the platform's first buffer: a copy deeper down runs the above.
TEST(SettingsFile, LiesBesideTheExecutableInADeepFolder) {
  const fs::path self = fs::path(SettingsFilePath()).parent_path() / QUORLANE_TEST_FILE_NAME;
  const fs::path top = fs::temp_directory_path() / ("quorlane_deep_" + std::to_string(getpid()));
  const fs::path deep = top / std::string(100, 'd') / std::string(100, 'e') / std::string(100, 'f');
  fs::create_directories(deep);
  fs::copy_file(self, deep / QUORLANE_TEST_FILE_NAME);
  // Appended, not "\"" + path: GCC 12 at -O3 warns falsely (-Wrestrict) about operator+.
  std::string command(1, '"');
  command.append((deep / QUORLANE_TEST_FILE_NAME).string())
      .append("\" --gtest_filter=SettingsFile.LiesBesideTheExecutable");
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  fs::remove_all(top);
}

}  // namespace
}  // namespace quorlane
