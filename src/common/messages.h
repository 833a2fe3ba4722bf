// The tool's message texts, held as their Shift_JIS bytes. Each constant is a
// printf-like format: %s inserts a name, %d a signed 32-bit number. The
// readable text stands in the comment above each one.
#pragma once

#include <string_view>

namespace bcd::msg {

// "ノクタリア系 (Win)\n"
inline constexpr std::string_view kBanner1 =
    "\x83m\x83N\x83^\x83\x8A\x83"
    "A\x8Cn (Win)\n";
// " Dravonel Version 1.00\n"
inline constexpr std::string_view kBanner2 = " Dravonel Version 1.00\n";
// "\n"
inline constexpr std::string_view kBanner3 = "\n";
// "\n使用法:\t%s <SourceDIR>\n\n"
inline constexpr std::string_view kUsage1 = "\n\x8Eg\x97p\x96@:\t%s <SourceDIR>\n\n";
// " ノクタリア系 (Win) の\n"
inline constexpr std::string_view kUsage2 =
    " \x83m\x83N\x83^\x83\x8A\x83"
    "A\x8Cn (Win) \x82\xCC\n";
// " *.bcd ファイルから個々のファイルを抽出します\n\n"
inline constexpr std::string_view kUsage3 =
    " *.bcd \x83t\x83@\x83"
    "C\x83\x8B\x82\xA9\x82\xE7\x8C\xC2\x81X\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B\x82\xF0\x92\x8A\x8Fo\x82\xB5\x82\xDC\x82\xB7\n\n";
// " <SourceDIR> にゲームがインストールされたディレクトリを指定します\n"
inline constexpr std::string_view kUsage4 =
    " <SourceDIR> \x82\xC9\x83Q\x81[\x83\x80\x82\xAA\x83"
    "C\x83\x93\x83X\x83g\x81[\x83\x8B\x82\xB3\x82\xEA\x82\xBD\x83"
    "f\x83"
    "B\x83\x8C\x83N\x83g\x83\x8A\x82\xF0\x8Ew\x92\xE8\x82\xB5\x82\xDC\x82\xB7\n";
// "  ※ 正しくは *.bcl が置かれたディレクトリを指定します\n\n"
inline constexpr std::string_view kUsage5 =
    "  \x81\xA6 \x90\xB3\x82\xB5\x82\xAD\x82\xCD *.bcl \x82\xAA\x92u\x82\xA9\x82\xEA\x82\xBD\x83"
    "f\x83"
    "B\x83\x8C\x83N\x83g\x83\x8A\x82\xF0\x8Ew\x92\xE8\x82\xB5\x82\xDC\x82\xB7\n\n";
// " 変換に成功するとカレントディレクトリに適宜ディレクトリが作成され\n"
inline constexpr std::string_view kUsage6 =
    " \x95\xCF\x8A\xB7\x82\xC9\x90\xAC\x8C\xF7\x82\xB7\x82\xE9\x82\xC6\x83J\x83\x8C\x83\x93\x83g"
    "\x83"
    "f\x83"
    "B\x83\x8C\x83N\x83g\x83\x8A\x82\xC9\x93K\x8BX\x83"
    "f\x83"
    "B\x83\x8C\x83N\x83g\x83\x8A\x82\xAA\x8D\xEC\x90\xAC\x82\xB3\x82\xEA\n";
// " その中に抽出したファイルが作成されます\n"
inline constexpr std::string_view kUsage7 =
    " \x82\xBB\x82\xCC\x92\x86\x82\xC9\x92\x8A\x8Fo\x82\xB5\x82\xBD\x83t\x83@\x83"
    "C\x83\x8B\x82\xAA\x8D\xEC\x90\xAC\x82\xB3\x82\xEA\x82\xDC\x82\xB7\n";
// "\nパス名 [%s]\n"
inline constexpr std::string_view kPathName = "\n\x83p\x83X\x96\xBC [%s]\n";
// "\n変換を完了しました\n"
inline constexpr std::string_view kConversionDone =
    "\n\x95\xCF\x8A\xB7\x82\xF0\x8A\xAE\x97\xB9\x82\xB5\x82\xDC\x82\xB5\x82\xBD\n";
// " 元ファイル数 [%d] : 作成ファイル数 [%d]\n"
inline constexpr std::string_view kSummary =
    " \x8C\xB3\x83t\x83@\x83"
    "C\x83\x8B\x90\x94 [%d] : \x8D\xEC\x90\xAC\x83t\x83@\x83"
    "C\x83\x8B\x90\x94 [%d]\n";
// "ファイルを開けませんでした [%s]\n"
inline constexpr std::string_view kOpenFailed =
    "\x83t\x83@\x83"
    "C\x83\x8B\x82\xF0\x8AJ\x82\xAF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD [%s]\n";
// "変換できない形式です [%s]\n"
inline constexpr std::string_view kUnknownFormat =
    "\x95\xCF\x8A\xB7\x82\xC5\x82\xAB\x82\xC8\x82\xA2\x8C`\x8E\xAE\x82\xC5\x82\xB7 [%s]\n";
// "\nディレクトリを作成しました [%s]\n"
inline constexpr std::string_view kDirectoryLine =
    "\n\x83"
    "f\x83"
    "B\x83\x8C\x83N\x83g\x83\x8A\x82\xF0\x8D\xEC\x90\xAC\x82\xB5\x82\xDC\x82\xB5\x82\xBD [%s]\n";
// " ファイル名 [%s]\t"
inline constexpr std::string_view kMemberName =
    " \x83t\x83@\x83"
    "C\x83\x8B\x96\xBC [%s]\t";
// "サイズ [%d]\n"
inline constexpr std::string_view kMemberSize =
    "\x83T\x83"
    "C\x83Y [%d]\n";
// "不正なエントリです [%s]\n"
inline constexpr std::string_view kInvalidEntry =
    "\x95s\x90\xB3\x82\xC8\x83G\x83\x93\x83g\x83\x8A\x82\xC5\x82\xB7 [%s]\n";
// "アーカイブが途中で終わっています [%s]\n"
inline constexpr std::string_view kArchiveEndsEarly =
    "\x83"
    "A\x81[\x83J\x83"
    "C\x83u\x82\xAA\x93r\x92\x86\x82\xC5\x8FI\x82\xED\x82\xC1\x82\xC4\x82\xA2\x82\xDC\x82\xB7 "
    "[%s]\n";
// "ファイルに書き込めませんでした [%s]\n"
inline constexpr std::string_view kWriteFailed =
    "\x83t\x83@\x83"
    "C\x83\x8B\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82"
    "\xBD [%s]\n";
// "ディレクトリを作成できません [%s]\n"
inline constexpr std::string_view kCannotCreateDirectory =
    "\x83"
    "f\x83"
    "B\x83\x8C\x83N\x83g\x83\x8A\x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1 "
    "[%s]\n";

}  // namespace bcd::msg
