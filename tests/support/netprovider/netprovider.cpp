// A network provider for tests: mpr.dll loads it like any Windows network
// provider, and it presents a network neighbourhood read from a fixture file,
// so the real WNetOpenEnum / WNetEnumResource calls of the program can be
// exercised under Wine (where no provider is registered otherwise).
//
// Fixture file: the path in the environment variable
// VOLMERE_NETPROVIDER_FIXTURE (a Windows path, or a Unix path starting with
// "/", which is reached through drive Z:), otherwise "netprovider.txt" next to
// this DLL. It is read afresh each time an enumeration is opened, so a test
// may rewrite it between calls; a missing file is an empty neighbourhood.
//
// One entry a line, fields separated by one tab; empty lines and lines
// starting with "#" are ignored. Text is UTF-8; a line that is not valid UTF-8
// is read as GBK (code page 936).
//
//   workgroup<TAB>NAME               a workgroup or domain
//   computer<TAB>WORKGROUP<TAB>NAME  a computer of that workgroup (a workgroup
//                                    not listed before is added)
//   share<TAB>COMPUTER<TAB>NAME      a share of that computer: \\COMPUTER\NAME
//   refuse<TAB>COMPUTER              opening that computer's shares fails
//                                    with an access-denied error
//
// What it answers (names compared without regard to case):
//   the provider itself (no remote name)  every workgroup, in order
//   a workgroup's name                    \\NAME of each of its computers
//   \\COMPUTER                            \\COMPUTER\SHARE of each share,
//                                         the computer spelled as in the file
//   anything else                         WN_BAD_NETNAME
// Each round returns as many entries as fit into the caller's buffer, and
// WN_NO_MORE_ENTRIES when all have been returned.
//
// Register it in a Wine prefix with tests/support/register-netprovider.sh.
#include <windows.h>
#include <winnetwk.h>

extern "C" {
#include <npapi.h>
}

#include <string>
#include <vector>

namespace {

const wchar_t kProviderName[] = L"Volmere Test Network";
constexpr DWORD kNetType = 0x00FE0000;

struct Computer {
  std::wstring workgroup;
  std::wstring name;
  std::vector<std::wstring> shares;
  bool refuses = false;
};

struct Neighbourhood {
  std::vector<std::wstring> workgroups;
  std::vector<Computer> computers;
};

struct Entry {
  std::wstring remoteName;
  DWORD type;
  DWORD displayType;
  DWORD usage;
};

struct Enumeration {
  std::vector<Entry> entries;
  std::size_t next = 0;
};

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

std::wstring FixturePath() {
  wchar_t buffer[1024];
  DWORD length = GetEnvironmentVariableW(L"VOLMERE_NETPROVIDER_FIXTURE", buffer, 1024);
  if (length > 0 && length < 1024) {
    std::wstring path(buffer, length);
    if (path[0] == L'/') {
      for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
      path = L"Z:" + path;
    }
    return path;
  }
  length = GetModuleFileNameW(ThisModule(), buffer, 1024);
  std::wstring path(buffer, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"netprovider.txt";
}

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

std::wstring Decode(const std::string& line) {
  if (line.empty()) return std::wstring();
  UINT codePage = CP_UTF8;
  int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, line.data(),
                                  static_cast<int>(line.size()), nullptr, 0);
  if (units == 0) {
    codePage = 936;
    units = MultiByteToWideChar(936, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
  }
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, line.data(), static_cast<int>(line.size()), &wide[0], units);
  return wide;
}

std::vector<std::wstring> Fields(const std::wstring& line) {
  std::vector<std::wstring> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find(L'\t', start);
    fields.push_back(line.substr(start, tab == std::wstring::npos ? tab : tab - start));
    if (tab == std::wstring::npos) return fields;
    start = tab + 1;
  }
}

bool SameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
         CSTR_EQUAL;
}

void AddWorkgroup(Neighbourhood& hood, const std::wstring& name) {
  for (const std::wstring& known : hood.workgroups)
    if (SameName(known, name)) return;
  hood.workgroups.push_back(name);
}

Computer* FindComputer(Neighbourhood& hood, const std::wstring& name) {
  for (Computer& computer : hood.computers)
    if (SameName(computer.name, name)) return &computer;
  return nullptr;
}

Neighbourhood ReadNeighbourhood() {
  Neighbourhood hood;
  std::string bytes = ReadFileBytes(FixturePath());
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string raw = bytes.substr(start, end - start);
    start = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (raw.empty() || raw[0] == '#') continue;
    std::vector<std::wstring> f = Fields(Decode(raw));
    if (f[0] == L"workgroup" && f.size() >= 2) {
      AddWorkgroup(hood, f[1]);
    } else if (f[0] == L"computer" && f.size() >= 3) {
      AddWorkgroup(hood, f[1]);
      if (!FindComputer(hood, f[2])) hood.computers.push_back({f[1], f[2], {}, false});
    } else if (f[0] == L"share" && f.size() >= 3) {
      if (Computer* computer = FindComputer(hood, f[1])) computer->shares.push_back(f[2]);
    } else if (f[0] == L"refuse" && f.size() >= 2) {
      if (Computer* computer = FindComputer(hood, f[1])) computer->refuses = true;
    }
  }
  return hood;
}

// The entries of one container, or an error code.
DWORD EntriesOf(const NETRESOURCEW* container, std::vector<Entry>* entries) {
  Neighbourhood hood = ReadNeighbourhood();
  std::wstring name = container && container->lpRemoteName ? container->lpRemoteName : L"";
  if (name.empty() || name == kProviderName) {
    for (const std::wstring& workgroup : hood.workgroups)
      entries->push_back(
          {workgroup, RESOURCETYPE_ANY, RESOURCEDISPLAYTYPE_DOMAIN, RESOURCEUSAGE_CONTAINER});
    return WN_SUCCESS;
  }
  if (name.compare(0, 2, L"\\\\") == 0) {
    Computer* computer = FindComputer(hood, name.substr(2));
    if (!computer) return WN_BAD_NETNAME;
    if (computer->refuses) return WN_ACCESS_DENIED;
    for (const std::wstring& share : computer->shares)
      entries->push_back({L"\\\\" + computer->name + L"\\" + share, RESOURCETYPE_DISK,
                          RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE});
    return WN_SUCCESS;
  }
  for (const std::wstring& workgroup : hood.workgroups) {
    if (!SameName(workgroup, name)) continue;
    for (const Computer& computer : hood.computers)
      if (SameName(computer.workgroup, workgroup))
        entries->push_back({L"\\\\" + computer.name, RESOURCETYPE_ANY, RESOURCEDISPLAYTYPE_SERVER,
                            RESOURCEUSAGE_CONTAINER});
    return WN_SUCCESS;
  }
  return WN_BAD_NETNAME;
}

DWORD StringBytes(const std::wstring& text) {
  return static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
}

}  // namespace

extern "C" {

DWORD WINAPI NPGetCaps(DWORD index) {
  switch (index) {
    case WNNC_SPEC_VERSION:
      return WNNC_SPEC_VERSION51;
    case WNNC_NET_TYPE:
      return kNetType;
    case WNNC_ENUMERATION:
      return WNNC_ENUM_GLOBAL;
    default:
      return 0;
  }
}

DWORD WINAPI NPOpenEnum(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEW container,
                        LPHANDLE enumeration) {
  (void)type;
  (void)usage;
  if (scope != RESOURCE_GLOBALNET) return WN_NOT_SUPPORTED;
  auto* opened = new Enumeration;
  DWORD status = EntriesOf(container, &opened->entries);
  if (status != WN_SUCCESS) {
    delete opened;
    return status;
  }
  *enumeration = opened;
  return WN_SUCCESS;
}

// Records from the front of the buffer, their strings from its back.
DWORD WINAPI NPEnumResource(HANDLE enumeration, LPDWORD count, LPVOID buffer, LPDWORD bufferSize) {
  auto* open = static_cast<Enumeration*>(enumeration);
  if (open->next >= open->entries.size()) return WN_NO_MORE_ENTRIES;
  auto* records = static_cast<NETRESOURCEW*>(buffer);
  auto* stringsEnd = reinterpret_cast<char*>(buffer) + *bufferSize;
  DWORD used = 0;
  DWORD placed = 0;
  while (open->next < open->entries.size() && placed < *count) {
    const Entry& entry = open->entries[open->next];
    DWORD needed =
        sizeof(NETRESOURCEW) + StringBytes(entry.remoteName) + StringBytes(kProviderName);
    if (used + needed > *bufferSize) {
      if (placed == 0) {
        *bufferSize = needed;
        return WN_MORE_DATA;
      }
      break;
    }
    NETRESOURCEW& record = records[placed];
    record = NETRESOURCEW{};
    record.dwScope = RESOURCE_GLOBALNET;
    record.dwType = entry.type;
    record.dwDisplayType = entry.displayType;
    record.dwUsage = entry.usage;
    stringsEnd -= StringBytes(entry.remoteName);
    memcpy(stringsEnd, entry.remoteName.c_str(), StringBytes(entry.remoteName));
    record.lpRemoteName = reinterpret_cast<LPWSTR>(stringsEnd);
    stringsEnd -= StringBytes(kProviderName);
    memcpy(stringsEnd, kProviderName, StringBytes(kProviderName));
    record.lpProvider = reinterpret_cast<LPWSTR>(stringsEnd);
    used += needed;
    ++placed;
    ++open->next;
  }
  *count = placed;
  return WN_SUCCESS;
}

DWORD WINAPI NPCloseEnum(HANDLE enumeration) {
  delete static_cast<Enumeration*>(enumeration);
  return WN_SUCCESS;
}

}  // extern "C"
