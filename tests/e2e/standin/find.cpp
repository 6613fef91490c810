// The "find" filter for scenario folders. Wine's own find knows no switches,
// so a batch that pipes a stand-in's output through "find /V" would get an
// error text instead of the filtered lines. This one reads standard input and
// keeps the lines that contain (or, with /V, lack) the quoted string, as
// Windows' find does:
//   find [/V] [/I] [/C] "string"
// Lines are code page 936 bytes; a match never starts on the second byte of a
// double-byte character. Exit code 0 when a line was printed or counted, 1
// when none, 2 on a bad argument.
#include <windows.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Arguments(const char* line) {
  std::vector<std::string> words;
  const char* p = line;
  while (*p) {
    while (*p == ' ' || *p == '\t') ++p;
    if (!*p) break;
    std::string word;
    bool quoted = false;
    while (*p && (quoted || (*p != ' ' && *p != '\t'))) {
      if (*p == '"') {
        quoted = !quoted;
        if (!quoted && word.empty()) word.push_back('\0');
      } else {
        word.push_back(*p);
      }
      ++p;
    }
    if (word.size() == 1 && word[0] == '\0') word.clear();
    words.push_back(word);
  }
  return words;
}

bool SameByte(char a, char b, bool ignoreCase) {
  if (!ignoreCase) return a == b;
  return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

bool Contains(const std::string& line, const std::string& part, bool ignoreCase) {
  if (part.empty()) return false;
  for (size_t start = 0; start + part.size() <= line.size();) {
    size_t i = 0;
    while (i < part.size() && SameByte(line[start + i], part[i], ignoreCase)) ++i;
    if (i == part.size()) return true;
    start += IsDBCSLeadByteEx(936, static_cast<BYTE>(line[start])) ? 2 : 1;
  }
  return false;
}

std::string ReadStdin() {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  return bytes;
}

void Write(const std::string& bytes) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

}  // namespace

int main() {
  std::vector<std::string> words = Arguments(GetCommandLineA());
  bool invert = false, ignoreCase = false, count = false, haveString = false;
  std::string part;
  for (size_t i = 1; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() == 2 && word[0] == '/') {
      switch (std::toupper(static_cast<unsigned char>(word[1]))) {
        case 'V':
          invert = true;
          continue;
        case 'I':
          ignoreCase = true;
          continue;
        case 'C':
          count = true;
          continue;
        default:
          break;
      }
    }
    if (word.size() >= 1 && word[0] == '/') {
      Write("FIND: invalid switch\r\n");
      return 2;
    }
    if (haveString) {
      Write("FIND: only standard input is read\r\n");
      return 2;
    }
    part = word;
    haveString = true;
  }
  if (!haveString) {
    Write("FIND: no string given\r\n");
    return 2;
  }

  const std::string input = ReadStdin();
  int matched = 0;
  for (size_t start = 0; start < input.size();) {
    size_t end = input.find('\n', start);
    std::string line =
        input.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? input.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (Contains(line, part, ignoreCase) == invert) continue;
    ++matched;
    if (!count) Write(line + "\r\n");
  }
  if (count) Write(std::to_string(matched) + "\r\n");
  return matched > 0 ? 0 : 1;
}
