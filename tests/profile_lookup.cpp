// Answers lookups for the differential test: each input line holds a file name (relative to the
// working directory), a section and a key, in hex; each output line the value, in hex. Built for
// Linux it asks our reader; built for Windows, the system's GetPrivateProfileStringA.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "settings/private_profile.h"

namespace {

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

}  // namespace

int main() {
  std::string file, section, key;
  while (std::cin >> file >> section >> key) {
    const std::string value = quorlane::ReadPrivateProfileString(
        FromHex(section), FromHex(key), "ERROR", 255, std::filesystem::absolute(FromHex(file)));
    for (const char c : value) std::printf("%02x", static_cast<unsigned char>(c));
    std::printf("-\n");
  }
}
