// For the differential test: reads lines of a file name (relative to the working directory), a
// section and a key, in hex, and writes each value in hex, ending in "-". Built for Linux it asks
// our reader; built for Windows, the system's GetPrivateProfileStringA.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "settings/private_profile.h"

static std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

int main() {
  for (std::string file, section, key; std::cin >> file >> section >> key;) {
    const std::string value = quorlane::ReadPrivateProfileString(
        FromHex(section), FromHex(key), "ERROR", 255, std::filesystem::absolute(FromHex(file)));
    for (const char c : value) std::printf("%02x", static_cast<unsigned char>(c));
    std::printf("-\n");
  }
}
