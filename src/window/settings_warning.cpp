#include "window/settings_warning.h"

#include <initializer_list>

namespace quorlane {

namespace {

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
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
  }
  return {};
}

}  // namespace

std::string SettingsWarning(SettingsProblem problem, std::string_view key, const NativePath& file,
                            std::string_view value) {
  if (problem == SettingsProblem::ProgramPathUnknown) return Problem(problem, key, value);
  std::string warning = Concat({Problem(problem, key, value), "\n", PathText(file)});
  // The path looked at may be a link; the file to mend is where it leads.
  const NativePath target = LinkTarget(file);
  if (!target.empty())
    warning.append(Concat({"\nリンク先（編集するファイル）: ", PathText(target)}));
  return warning;
}

}  // namespace quorlane
