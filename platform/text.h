// Text helpers over GBK (code page 936) byte strings.
//
// A byte of 0x80 or more starts a double-byte character; every helper steps
// over such a pair as one unit, so nothing is matched or cut inside it.
// Positions are 1-based byte positions; -1 means "not found".
#pragma once

#include <string>
#include <vector>

namespace volmere {

using Text = std::string;

int TextLength(const Text& text);
int FindText(const Text& text, const Text& part);
int FindLastText(const Text& text, const Text& part);
Text ReplaceText(const Text& text, const Text& oldPart, const Text& newPart, bool caseSensitive);
Text RemoveSpaces(const Text& text);
Text LeftText(const Text& text, int n);
Text RightText(const Text& text, int n);
Text UpperAscii(const Text& text);
int ToInteger(const Text& text);
Text ToDecimalText(long long n);
std::vector<Text> SplitText(const Text& text, const Text& separator);
Text SpacesText(int n);
std::string ZeroBytes(int n);

// True when the byte at index i (0-based) starts a character rather than
// being the trail byte of a double-byte character.
bool IsCharacterStart(const Text& text, std::size_t index);

// Four decimal numbers 0 to 255 joined by dots, nothing else.
bool IsDottedIPv4(const Text& text);

}  // namespace volmere
