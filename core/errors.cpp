#include "core/errors.h"

namespace {

std::string InOutErrorText(uint32_t code) {
  switch (code) {
    case 2:
      return "ファイルが見つかりません";
    case 3:
      return "不正なファイル名です";
    case 4:
      return "オープンしたファイルが多すぎます";
    case 5:
      return "ファイルへのアクセスが拒否されました";
    case 100:
      return "ファイルの末尾以降を読み込みました";
    case 101:
      return "ディスクがいっぱいです";
    case 106:
      return "入力値が数値ではありません";
    default:
      return FormatMessageText("I/O エラー (%d)", static_cast<long long>(code));
  }
}

}  // namespace

EInOutError::EInOutError(uint32_t code) : std::runtime_error(InOutErrorText(code)), code_(code) {}

EListError ListIndexError(int index) {
  return EListError(FormatMessageText("リストのインデックスが範囲を超えています (%d)", index));
}

EFCreateError::EFCreateError(const std::string& path)
    : EStreamError(FormatMessageText("ファイル %s を作成できません", path)) {}

EWriteError::EWriteError() : EStreamError("ストリームへの書き込みエラー") {}

std::string FormatMessageText(const std::string& pattern, const std::string& argument) {
  std::string result = pattern;
  const size_t at = result.find("%s");
  if (at != std::string::npos) result.replace(at, 2, argument);
  return result;
}

std::string FormatMessageText(const std::string& pattern, long long argument) {
  std::string result = pattern;
  const size_t at = result.find("%d");
  if (at != std::string::npos) result.replace(at, 2, std::to_string(argument));
  return result;
}
