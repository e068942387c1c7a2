// For the differential test: reads a file name (relative to the working directory), a section and
// a key, a line each, and writes the value in hex, ending in "-". Built for Linux it asks our
// reader; built for Windows, the system's GetPrivateProfileStringA.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "settings/private_profile.h"

int main() {
  for (std::string file, section, key;
       std::getline(std::getline(std::getline(std::cin, file), section), key);) {
    const std::string value = quorlane::ReadPrivateProfileString(section, key, "ERROR", 255,
                                                                 std::filesystem::absolute(file));
    for (const char c : value) std::printf("%02x", static_cast<unsigned char>(c));
    std::printf("-\n");
  }
}
