// window_probe EXE [SETTLE_MS [POLL_MS]]: starts EXE and measures, the same
// way for every program, how long it takes from CreateProcessW until a
// visible top-level window of the new process exists (polled every POLL_MS,
// default 1, with EnumWindows and IsWindowVisible). Then it lets the program settle for
// SETTLE_MS (default 1000), reads its peak working set and private bytes
// with GetProcessMemoryInfo, and closes it (WM_CLOSE, TerminateProcess after
// 5 s). Prints one line: "visible_ms=N peak_kib=N private_kib=N".
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

double elapsedMs(LARGE_INTEGER from, LARGE_INTEGER frequency) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - from.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fwprintf(stderr, L"usage: window_probe EXE [SETTLE_MS [POLL_MS]]\n");
    return 2;
  }
  const DWORD settleMs = argc > 2 ? static_cast<DWORD>(_wtoi(argv[2])) : 1000;
  const DWORD pollMs = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 1;
  std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";

  LARGE_INTEGER frequency, start;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fwprintf(stderr, L"window_probe: cannot start %ls (%lu)\n", argv[1], GetLastError());
    return 1;
  }

  Search search = {process.dwProcessId, nullptr};
  double visibleMs = -1;
  while (elapsedMs(start, frequency) < 30000.0) {
    EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      visibleMs = elapsedMs(start, frequency);
      break;
    }
    if (WaitForSingleObject(process.hProcess, pollMs) == WAIT_OBJECT_0) break;
  }

  Sleep(settleMs);
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  const bool haveMemory = GetProcessMemoryInfo(
      process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);

  if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  if (visibleMs < 0) {
    std::fwprintf(stderr, L"window_probe: no visible window of %ls\n", argv[1]);
    return 1;
  }
  std::printf("visible_ms=%.1f peak_kib=%llu private_kib=%llu\n", visibleMs,
              haveMemory ? static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024) : 0ULL,
              haveMemory ? static_cast<unsigned long long>(memory.PrivateUsage / 1024) : 0ULL);
  return 0;
}
