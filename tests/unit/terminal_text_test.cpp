// What a POSIX terminal is given for a message: UTF-8 text with plain line
// feeds, whatever bytes the pieces hold.
#include "platform/posix/terminal_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bcd::platform::posix {
namespace {

struct ShownCase {
  const char* name;
  std::vector<Piece> message;
  std::string shown;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
  *os << c.name;
}

class TerminalText : public ::testing::TestWithParam<ShownCase> {};

TEST_P(TerminalText, ShowsEachPieceInItsOwnEncoding) {
  EXPECT_EQ(terminal_text(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TerminalText,
    ::testing::Values(
        ShownCase{"MessageWithNativeAndShiftJisNames",
                  {shift_jis("\n\x83p\x83X\x96\xBC ["), native("../ゲーム"), shift_jis("\\"),
                   shift_jis("\x95\x5C\x8E\x86.bmp"), shift_jis("]\n")},
                  "\nパス名 [../ゲーム\\表紙.bmp]\n"},
        ShownCase{"LineEndsStayPlainLineFeedsAndTabsStay",
                  {shift_jis("a\n\tb\n\n"), native("c\n")},
                  "a\n\tb\n\nc\n"},
        // 0x5C and 0x7E are ASCII in CP932, as the file names using them expect.
        ShownCase{"HalfWidthKatakanaAndAsciiPunctuation", {shift_jis("\xB1\xDD~\\")}, "ｱﾝ~\\"},
        ShownCase{"BytesNoCharacterStartsWith",
                  {shift_jis("a\x80"
                             "b\xA0\xFD")},
                  "a\\x80b\\xA0\\xFD"},
        ShownCase{"LeadByteAtTheEnd", {shift_jis("\x83m\x83"), shift_jis("x")}, "ノ\\x83x"},
        // The byte after a lead byte that is no trail byte is a character of its own.
        ShownCase{"LeadByteBeforeANonTrailByte", {shift_jis("\x83 \x81\x7F")}, "\\x83 \\x81\\x7F"},
        ShownCase{
            "UnassignedDoubleByteCharacterIsEscapedWhole", {shift_jis("\x85\x40z")}, "\\x85\\x40z"},
        ShownCase{"NativeUtf8AsItIs", {native("dir/データ 😀")}, "dir/データ 😀"},
        ShownCase{"NativeBytesThatAreNotUtf8",
                  {native("a\xFF"
                          "b\xE3\x83"
                          "c\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80")},
                  "a\\xFFb\\xE3\\x83c\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80"},
        ShownCase{"NativeSequenceCutShortAtTheEnd",
                  {native("\xE3\x83"), native("\xAE")},
                  "\\xE3\\x83\\xAE"},
        ShownCase{"ControlCharactersCannotReachTheTerminal",
                  {shift_jis("\x1B[2J\r\x7F"), native("\x1B]0;t\x07\xC2\x9B")},
                  "\\x1B[2J\\x0D\\x7F\\x1B]0;t\\x07\\xC2\\x9B"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace bcd::platform::posix
