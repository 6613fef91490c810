#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"

namespace volmere {
namespace {

// A double-byte character whose trail byte is a backslash, and one whose
// trail byte is a lower-case "a": neither may match a lone ASCII byte.
const Text kBackslashTrail = "\xB1\x5C";
const Text kLetterTrail = "\x81\x61";

std::string Hex(const Text& text) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    out += digits[c >> 4];
    out += digits[c & 0xF];
    out += ' ';
  }
  return out;
}

TEST(TextHelpers, FindTextCountsBytesFromOne) {
  EXPECT_EQ(FindText("192.168.1.5", "."), 4);
  EXPECT_EQ(FindText("PC1", "."), -1);
  EXPECT_EQ(FindText("", ""), -1);
}

TEST(TextHelpers, FindTextAndFindLastTextNeverMatchInsideACharacter) {
  struct Case {
    Text text;
    Text part;
    int first;
    int last;
  };
  const std::vector<Case> cases = {
      {"a.b.c", ".", 2, 4},
      {"PC1", "x", -1, -1},
      {"abc", "", 1, 1},
      {"", "a", -1, -1},
      {"", "", -1, -1},
      {"aaa", "aa", 1, 2},
      {"工作站域WORKGROUP", "WORK", 9, 9},
      {"工作站域WORKGROUP", "站", 5, 5},
      {kBackslashTrail, "\\", -1, -1},
      {kBackslashTrail + "\\", "\\", 3, 3},
      {"\\" + kBackslashTrail, "\\", 1, 1},
      // A part that would end on the lead byte of a character.
      {kBackslashTrail, "\xB1", -1, -1},
      {"a" + kBackslashTrail, "a\xB1", -1, -1},
      // A part that would start on a trail byte: "\x5C\xB1" spans two
      // characters' halves.
      {kBackslashTrail + kBackslashTrail, "\x5C\xB1", -1, -1},
      {kBackslashTrail + kBackslashTrail, kBackslashTrail, 1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Hex(c.text) + "/ " + Hex(c.part));
    EXPECT_EQ(FindText(c.text, c.part), c.first);
    EXPECT_EQ(FindLastText(c.text, c.part), c.last);
  }
}

TEST(TextHelpers, ReplaceTextReplacesEveryWholeOccurrence) {
  struct Case {
    Text text;
    Text oldPart;
    Text newPart;
    bool caseSensitive;
    Text expected;
  };
  const std::vector<Case> cases = {
      {"ping IP地址\r\npause", "IP地址", "10.0.0.7", true, "ping 10.0.0.7\r\npause"},
      {"a.b.a", "a", "x", true, "x.b.x"},
      {"Net", "NET", "x", true, "Net"},
      {"Net", "NET", "x", false, "x"},
      {"aaa", "aa", "b", true, "ba"},
      {"工作站域 WORKGROUP\r\n", "工作站域", "", true, " WORKGROUP\r\n"},
      {"", "a", "b", true, ""},
      {"abc", "", "x", true, "abc"},
      {kBackslashTrail + "\\", "\\", "/", true, kBackslashTrail + "/"},
      // Only single-byte letters fold: the trail byte 0x61 is not an "a".
      {kLetterTrail, "A", "x", false, kLetterTrail},
      {kLetterTrail, "\x81\x41", "x", false, kLetterTrail},
      {"x" + kLetterTrail, "X" + kLetterTrail, "y", false, "y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Hex(c.text) + "/ " + Hex(c.oldPart));
    EXPECT_EQ(ReplaceText(c.text, c.oldPart, c.newPart, c.caseSensitive), c.expected);
  }
}

TEST(TextHelpers, RemoveSpacesRemovesAsciiAndFullWidthSpacesOnly) {
  struct Case {
    Text text;
    Text expected;
  };
  const std::vector<Case> cases = {
      {"  WORK　GROUP 　", "WORKGROUP"},
      {"a\tb\r\n", "a\tb\r\n"},
      {"", ""},
      {"啊　", "啊"},  // 啊 is B0 A1: its trail byte and the next A1 are no space
      {"\xB0\xA1\xA1x", "\xB0\xA1\xA1x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Hex(c.text));
    EXPECT_EQ(RemoveSpaces(c.text), c.expected);
  }
}

TEST(TextHelpers, LeftAndRightTextKeepBoundsAndWholeCharacters) {
  struct Case {
    Text text;
    int n;
    Text left;
    Text right;
  };
  const std::vector<Case> cases = {
      {"abc", 2, "ab", "bc"},
      {"abc", 5, "abc", "abc"},
      {"abc", 3, "abc", "abc"},
      {"abc", 0, "", ""},
      {"abc", -1, "", ""},
      {"", 2, "", ""},
      {"C:\\WINDOWS\\", 1, "C", "\\"},
      // A count ending inside a character leaves it out.
      {"a工", 2, "a", "工"},
      {"工a", 2, "工", "a"},
      {"工a", 1, "", "a"},
      {"a工", 1, "a", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " " + std::to_string(c.n));
    EXPECT_EQ(LeftText(c.text, c.n), c.left);
    EXPECT_EQ(RightText(c.text, c.n), c.right);
  }
}

TEST(TextHelpers, UpperAsciiLeavesDoubleByteCharactersAlone) {
  EXPECT_EQ(UpperAscii("abc工z"), "ABC工Z");
  EXPECT_EQ(UpperAscii(kLetterTrail + "a"), kLetterTrail + "A");
  EXPECT_EQ(UpperAscii(""), "");
}

TEST(TextHelpers, ToIntegerReadsFullWidthFormsAndStopsAtTheFirstOtherCharacter) {
  struct Case {
    Text text;
    int expected;
  };
  const std::vector<Case> cases = {
      {"１００", 100}, {"12ab", 12},   {"abc", 0},  {"", 0},      {"  -7", -7},
      {"\t3", 3},      {"　１２", 12}, {"＋５", 5}, {"－５", -5}, {"+", 0},
      {"1 2", 1},      {"007", 7},     {"１a", 1},  {"工1", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Hex(c.text));
    EXPECT_EQ(ToInteger(c.text), c.expected);
  }
}

TEST(TextHelpers, SplitTextKeepsInnerEmptyPiecesAndDropsAnEmptyLastOne) {
  struct Case {
    Text text;
    Text separator;
    std::vector<Text> pieces;
  };
  const std::vector<Case> cases = {
      {"192.168..5", ".", {"192", "168", "", "5"}},
      {"10.0.", ".", {"10", "0"}},
      {"", ".", {}},
      {".a", ".", {"", "a"}},
      {"a..", ".", {"a", ""}},
      {"abc", ",", {"abc"}},
      {"a, b", ", ", {"a", "b"}},
      {"a" + kBackslashTrail + "\\b", "\\", {"a" + kBackslashTrail, "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Hex(c.text));
    EXPECT_EQ(SplitText(c.text, c.separator), c.pieces);
  }
}

TEST(TextHelpers, LengthsNumbersAndFillers) {
  EXPECT_EQ(TextLength("工作"), 4);
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(ToDecimalText(0), "0");
  EXPECT_EQ(ToDecimalText(-15), "-15");
  EXPECT_EQ(ToDecimalText(255), "255");
  EXPECT_EQ(SpacesText(3), "   ");
  EXPECT_EQ(SpacesText(0), "");
  EXPECT_EQ(SpacesText(-2), "");
  EXPECT_EQ(ZeroBytes(3), std::string(3, '\0'));
  EXPECT_EQ(ZeroBytes(0), "");
  EXPECT_EQ(ZeroBytes(-1), "");
}

TEST(TextHelpers, IsCharacterStartSeesTrailBytes) {
  EXPECT_TRUE(IsCharacterStart(kBackslashTrail, 0));
  EXPECT_FALSE(IsCharacterStart(kBackslashTrail, 1));
  EXPECT_TRUE(IsCharacterStart(kBackslashTrail, 2));
  EXPECT_TRUE(IsCharacterStart("a\\", 1));
  EXPECT_FALSE(IsCharacterStart("ab", 5));
}

}  // namespace
}  // namespace volmere
