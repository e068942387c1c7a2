#include "window/settings_warning.h"

#include <initializer_list>

#include "settings/private_profile.h"

namespace quorlane {

namespace {

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

// Explorer runs a program opened inside a zip from a folder of its own under %TEMP% named after the
// zip ("Temp1_Quorlane-1.0.0-windows-x64.zip"), without the files beside it.
bool InsideOpenedZip(const NativePath& file) {
  std::string path = PathText(file);
  for (char& c : path) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  const std::size_t nameStart = path.find_last_of("\\/");
  if (nameStart == std::string::npos || nameStart == 0) return false;
  const std::size_t folderStart = path.find_last_of("\\/", nameStart - 1);  // npos: none before
  const std::string_view folder =
      std::string_view(path).substr(folderStart + 1, nameStart - folderStart - 1);
  constexpr std::string_view kPrefix = "temp";
  const std::size_t digitsEnd = folder.find_first_not_of("0123456789", kPrefix.size());
  return folder.starts_with(kPrefix) && digitsEnd > kPrefix.size() &&
         digitsEnd != std::string_view::npos && folder[digitsEnd] == '_' &&
         folder.ends_with(".zip");
}

std::string Problem(SettingsProblem problem, std::string_view key, std::string_view value) {
  switch (problem) {
    case SettingsProblem::ProgramPathUnknown:
      return "プログラムの場所が分からないため、設定ファイル Quorlane.ini を探せません。";
    case SettingsProblem::FileMissing:
      return Concat({"設定ファイルが見つからないため、", key, " を読めません。"});
    case SettingsProblem::FileUnreadable:
      return Concat({"設定ファイルを読み込めないため、", key, " を読めません。"});
    case SettingsProblem::KeyMissing:
      return Concat({"設定ファイルの [DATA] に ", key, " がありません。"});
    case SettingsProblem::NotANumber:
      return Concat({key, " の値「", value, "」は数値ではありません。"});
    case SettingsProblem::OutOfRange:
      return Concat({key, " の値「", value, "」は扱える範囲を超えています。"});
    case SettingsProblem::NoShiftJisConverter:
      return Concat({"このシステムには Shift-JIS (CP932) の文字コード変換がないため、", key,
                     " の値を読めません。"});
    case SettingsProblem::Utf8ByteOrderMark:
      return Concat({"設定ファイルが「UTF-8 (BOM 付き)」で保存されているため、", key,
                     " を読めません。メモ帳で開き、「名前を付けて保存」で文字コードを「ANSI」か"
                     "「UTF-8」にして保存し直してください。"});
  }
  return {};
}

}  // namespace

SettingsProblem WhyNoValue(const NativePath& file) {
  switch (ProbeFile(file)) {
    case FileState::Missing:
      return SettingsProblem::FileMissing;
    case FileState::Unreadable:
      return SettingsProblem::FileUnreadable;
    case FileState::Readable:
      break;
  }
  if (!LookupCanNameFile(file)) return SettingsProblem::FileUnreadable;
  return LookupStopsAtUtf8Mark(file) ? SettingsProblem::Utf8ByteOrderMark
                                     : SettingsProblem::KeyMissing;
}

std::string SettingsWarning(SettingsProblem problem, std::string_view key, const NativePath& file,
                            std::string_view value) {
  if (problem == SettingsProblem::ProgramPathUnknown) return Problem(problem, key, value);
  constexpr std::string_view kExtractFirst =
      "zip ファイルの中から起動されています。zip ファイルを右クリックして「すべて展開」を選び、"
      "展開したフォルダーの Quorlane.exe を起動してください。";
  const bool zip = problem == SettingsProblem::FileMissing && InsideOpenedZip(file);
  std::string warning =
      Concat({Problem(problem, key, value), zip ? kExtractFirst : "", "\n", PathText(file)});
  // The path looked at may be a link; the file to mend is where it leads.
  const NativePath target = LinkTarget(file);
  if (!target.empty())
    warning.append(Concat({"\nリンク先（編集するファイル）: ", PathText(target)}));
  return warning;
}

}  // namespace quorlane
