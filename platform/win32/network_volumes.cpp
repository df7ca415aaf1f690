#include <windows.h>

#include <map>
#include <string>

#include "platform/network_volumes.h"
#include "platform/win32/wide.h"

namespace platform {

struct NetworkVolumes::Known {
  std::map<wchar_t, bool> drives;  // by the upper-case drive letter
};

NetworkVolumes::NetworkVolumes() : known_(std::make_unique<Known>()) {}
NetworkVolumes::~NetworkVolumes() = default;

bool NetworkVolumes::Holds(const std::string& path) {
  std::wstring full = win32::FromCodePage(path);
  const DWORD size = GetFullPathNameW(full.c_str(), 0, nullptr, nullptr);
  if (size > 0) {
    std::wstring made(size, L'\0');
    const DWORD length = GetFullPathNameW(full.c_str(), size, made.data(), nullptr);
    if (length > 0 && length < size) full.assign(made, 0, length);
  }
  if (full.starts_with(L"\\\\?\\UNC\\")) return true;
  if (full.starts_with(L"\\\\?\\")) full.erase(0, 4);
  if (full.starts_with(L"\\\\.\\")) return false;  // a device
  if (full.starts_with(L"\\\\")) return true;      // \\server\share
  if (full.size() < 2 || full[1] != L':') return false;
  const wchar_t letter =
      full[0] >= L'a' && full[0] <= L'z' ? static_cast<wchar_t>(full[0] - L'a' + L'A') : full[0];
  auto [at, added] = known_->drives.try_emplace(letter, false);
  if (added) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    at->second = GetDriveTypeW(root) == DRIVE_REMOTE;
  }
  return at->second;
}

}  // namespace platform
