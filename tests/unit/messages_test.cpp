// The message texts are held as Shift_JIS bytes; each must read as its text.
#include "common/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "support/iconv_text.h"

namespace bcd {
namespace {

struct Text {
  std::string_view bytes;
  const char* readable;
};

TEST(Messages, ReadAsTheirJapaneseText) {
  const Text texts[] = {
      {msg::kBanner1, "ノクタリア系 (Win)\n"},
      {msg::kBanner2, " Dravonel Version 1.00\n"},
      {msg::kBanner3, "\n"},
      {msg::kUsage1, "\n使用法:\t%s <SourceDIR>\n\n"},
      {msg::kUsage2, " ノクタリア系 (Win) の\n"},
      {msg::kUsage3, " *.bcd ファイルから個々のファイルを抽出します\n\n"},
      {msg::kUsage4, " <SourceDIR> にゲームがインストールされたディレクトリを指定します\n"},
      {msg::kUsage5, "  ※ 正しくは *.bcl が置かれたディレクトリを指定します\n\n"},
      {msg::kUsage6, " 変換に成功するとカレントディレクトリに適宜ディレクトリが作成され\n"},
      {msg::kUsage7, " その中に抽出したファイルが作成されます\n"},
      {msg::kPathName, "\nパス名 [%s]\n"},
      {msg::kConversionDone, "\n変換を完了しました\n"},
      {msg::kSummary, " 元ファイル数 [%d] : 作成ファイル数 [%d]\n"},
      {msg::kOpenFailed, "ファイルを開けませんでした [%s]\n"},
      {msg::kUnknownFormat, "変換できない形式です [%s]\n"},
      {msg::kDirectoryLine, "\nディレクトリを作成しました [%s]\n"},
      {msg::kMemberName, " ファイル名 [%s]\t"},
      {msg::kMemberSize, "サイズ [%d]\n"},
      {msg::kInvalidEntry, "不正なエントリです [%s]\n"},
      {msg::kArchiveEndsEarly, "アーカイブが途中で終わっています [%s]\n"},
      {msg::kWriteFailed, "ファイルに書き込めませんでした [%s]\n"},
      {msg::kCannotCreateDirectory, "ディレクトリを作成できません [%s]\n"},
  };
  for (const Text& text : texts)
    EXPECT_EQ(test_support::convert("UTF-8", "CP932", text.bytes), text.readable);
}

}  // namespace
}  // namespace bcd
