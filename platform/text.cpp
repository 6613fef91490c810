#include "platform/text.h"

#include <climits>

namespace volmere {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x80; }

// Length of the character starting at index i: 2 for a lead byte followed by
// a trail byte, otherwise 1 (a lone lead byte at the end counts as one).
std::size_t CharWidth(const Text& text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Whether part matches the characters starting at index i, which starts a
// character. The match must end on a character boundary too, and only
// single-byte characters fold case: a trail byte that happens to equal an
// ASCII letter is part of its double-byte character and matches exactly.
bool MatchesAt(const Text& text, std::size_t i, const Text& part, bool caseSensitive) {
  if (i + part.size() > text.size()) return false;
  std::size_t k = 0;
  while (k < part.size()) {
    std::size_t width = CharWidth(text, i + k);
    if (k + width > part.size()) return false;
    if (width == 2) {
      if (text[i + k] != part[k] || text[i + k + 1] != part[k + 1]) return false;
    } else {
      char a = text[i + k];
      char b = part[k];
      if (!caseSensitive) {
        a = FoldAscii(a);
        b = FoldAscii(b);
      }
      if (a != b) return false;
    }
    k += width;
  }
  return true;
}

// The number of bytes, at most n, that ends on a character boundary when
// counted from the start of the text.
std::size_t WholeCharactersFromStart(const Text& text, std::size_t n) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t next = i + CharWidth(text, i);
    if (next > n) break;
    i = next;
  }
  return i;
}

// Start indexes of characters, in order, where part matches.
template <typename Visit>
void ForEachMatch(const Text& text, const Text& part, bool caseSensitive, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (MatchesAt(text, i, part, caseSensitive)) {
      if (!visit(i)) return;
      i += part.size();
    } else {
      i += CharWidth(text, i);
    }
  }
}

}  // namespace

bool IsCharacterStart(const Text& text, std::size_t index) {
  if (index >= text.size()) return index == text.size();
  return WholeCharactersFromStart(text, index) == index;
}

int TextLength(const Text& text) { return static_cast<int>(text.size()); }

int FindText(const Text& text, const Text& part) {
  if (text.empty()) return -1;
  if (part.empty()) return 1;
  int found = -1;
  ForEachMatch(text, part, true, [&](std::size_t i) {
    found = static_cast<int>(i) + 1;
    return false;
  });
  return found;
}

int FindLastText(const Text& text, const Text& part) {
  if (text.empty()) return -1;
  if (part.empty()) return 1;
  int found = -1;
  // Overlapping occurrences count here: the last start position wins.
  std::size_t i = 0;
  while (i < text.size()) {
    if (MatchesAt(text, i, part, true)) found = static_cast<int>(i) + 1;
    i += CharWidth(text, i);
  }
  return found;
}

Text ReplaceText(const Text& text, const Text& oldPart, const Text& newPart, bool caseSensitive) {
  if (text.empty() || oldPart.empty()) return text;
  Text result;
  std::size_t copied = 0;
  ForEachMatch(text, oldPart, caseSensitive, [&](std::size_t i) {
    result.append(text, copied, i - copied);
    result += newPart;
    copied = i + oldPart.size();
    return true;
  });
  result.append(text, copied, Text::npos);
  return result;
}

Text RemoveSpaces(const Text& text) {
  Text result;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t width = CharWidth(text, i);
    bool asciiSpace = text[i] == ' ';
    bool fullWidthSpace = width == 2 && static_cast<unsigned char>(text[i]) == 0xA1 &&
                          static_cast<unsigned char>(text[i + 1]) == 0xA1;
    if (!asciiSpace && !fullWidthSpace) result.append(text, i, width);
    i += width;
  }
  return result;
}

// A count that ends inside a double-byte character leaves that character out
// rather than cutting it.
Text LeftText(const Text& text, int n) {
  if (n <= 0) return "";
  return text.substr(0, WholeCharactersFromStart(text, static_cast<std::size_t>(n)));
}

Text RightText(const Text& text, int n) {
  if (n <= 0) return "";
  if (static_cast<std::size_t>(n) >= text.size()) return text;
  std::size_t start = text.size() - static_cast<std::size_t>(n);
  std::size_t boundary = WholeCharactersFromStart(text, start);
  if (boundary < start) boundary += CharWidth(text, boundary);
  return text.substr(boundary);
}

Text UpperAscii(const Text& text) {
  Text result = text;
  std::size_t i = 0;
  while (i < result.size()) {
    std::size_t width = CharWidth(result, i);
    if (width == 1) result[i] = FoldAscii(result[i]);
    i += width;
  }
  return result;
}

int ToInteger(const Text& text) {
  // Full-width forms (A3 A1..A3 FE) and the full-width space become ASCII.
  Text ascii;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t width = CharWidth(text, i);
    if (width == 2) {
      auto lead = static_cast<unsigned char>(text[i]);
      auto trail = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        ascii += static_cast<char>(trail - 0x80);
      } else if (lead == 0xA1 && trail == 0xA1) {
        ascii += ' ';
      } else {
        ascii.append(text, i, 2);
      }
    } else {
      ascii += text[i];
    }
    i += width;
  }
  std::size_t p = 0;
  while (p < ascii.size() && (ascii[p] == ' ' || (ascii[p] >= '\t' && ascii[p] <= '\r'))) ++p;
  bool negative = false;
  if (p < ascii.size() && (ascii[p] == '+' || ascii[p] == '-')) {
    negative = ascii[p] == '-';
    ++p;
  }
  long long value = 0;
  while (p < ascii.size() && ascii[p] >= '0' && ascii[p] <= '9') {
    if (value <= INT_MAX) value = value * 10 + (ascii[p] - '0');
    ++p;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

Text ToDecimalText(long long n) { return std::to_string(n); }

std::vector<Text> SplitText(const Text& text, const Text& separator) {
  std::vector<Text> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) {
    pieces.push_back(text);
    return pieces;
  }
  std::size_t start = 0;
  ForEachMatch(text, separator, true, [&](std::size_t i) {
    pieces.push_back(text.substr(start, i - start));
    start = i + separator.size();
    return true;
  });
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

Text SpacesText(int n) { return n <= 0 ? Text() : Text(static_cast<std::size_t>(n), ' '); }

std::string ZeroBytes(int n) {
  return n <= 0 ? std::string() : std::string(static_cast<std::size_t>(n), '\0');
}

bool IsDottedIPv4(const Text& text) {
  std::vector<Text> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '.') {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (parts.size() != 4) return false;
  for (const Text& part : parts) {
    if (part.empty() || part.size() > 3) return false;
    int value = 0;
    for (char c : part) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    if (value > 255) return false;
  }
  return true;
}

}  // namespace volmere
