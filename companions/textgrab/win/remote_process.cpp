#include "win/remote_process.h"

namespace lexiton::textgrab::win {

std::wstring programFileName(DWORD processId) {
  ProcessHandle process(processId, PROCESS_QUERY_LIMITED_INFORMATION);
  if (!process) return {};
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = static_cast<DWORD>(std::size(path));
  if (!QueryFullProcessImageNameW(process.get(), 0, path, &size)) return {};
  std::wstring full(path, size);
  const auto slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? full : full.substr(slash + 1);
}

}  // namespace lexiton::textgrab::win
