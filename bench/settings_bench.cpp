// Both readers must stay linear in their input, however hostile: the throughput figures should not
// fall as the input grows.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/private_profile.h"
#include "settings/whole_number.h"

namespace quorlane {
namespace {

namespace fs = std::filesystem;

// Leading zeros, then a half whose tie only the last digit breaks, so every character counts.
std::string LongNumber(std::size_t bytes) {
  const std::size_t zeros = bytes / 2;
  return std::string(zeros, '0') + "2.5" + std::string(bytes - zeros - 4, '0') + "1";
}

void BM_ToWholeNumber(benchmark::State& state) {
  const std::string text = LongNumber(static_cast<std::size_t>(state.range(0)));
  if (ToWholeNumber(text) != 3) state.SkipWithError("the long number reads wrong");
  for (auto _ : state) benchmark::DoNotOptimize(ToWholeNumber(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ToWholeNumber)->Arg(1 << 10)->Arg(1 << 20)->Arg(8 << 20);

// A settings file of about `bytes` bytes whose DATA section comes last, after other sections.
fs::path WriteSettingsFile(std::size_t bytes) {
  const fs::path file =
      fs::temp_directory_path() / ("quorlane-bench-" + std::to_string(bytes) + ".ini");
  std::ofstream out(file, std::ios::binary);
  std::size_t written = 0;
  for (std::size_t line = 0; written < bytes; ++line) {
    const std::string text = line % 100 == 0 ? "[NOTES" + std::to_string(line) + "]\r\n"
                                             : "NOTE_" + std::to_string(line) + "=meeting room\r\n";
    out << text;
    written += text.size();
  }
  out << "[DATA]\r\nCOST_PER_HOUR=5000\r\n";
  return file;
}

void BM_ReadPrivateProfileString(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0));
  const fs::path file = WriteSettingsFile(bytes);
  const auto read = [&] {
    return ReadPrivateProfileString("DATA", "COST_PER_HOUR", "ERROR", 255, file);
  };
  if (read() != "5000") state.SkipWithError("the key at the end was not found");
  for (auto _ : state) benchmark::DoNotOptimize(read());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
  fs::remove(file);
}
BENCHMARK(BM_ReadPrivateProfileString)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Arg(64 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorlane
