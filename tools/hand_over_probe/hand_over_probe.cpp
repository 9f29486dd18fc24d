// Speaks to the launchers' message-only windows as any other program of the session could, for
// the end-to-end tests.
//   hand_over_probe send BYTES TAG SENDER  sends each window of the launchers' class one
//     WM_COPYDATA of BYTES bytes tagged TAG (hex), naming as its sender "none", "probe" (a
//     window of the class of its own) or "itself" (the receiving window), then listens for a
//     second. Prints "window\t<its text>\t<1 when accepted>" per window and
//     "answer\t<bytes received>" per WM_COPYDATA that came back.
//   hand_over_probe hang SECONDS  makes a window of the class that never answers, prints
//     "ready" and sleeps.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kClassName = L"Cindermoor Launcher in session";

LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA && lParam) {
    const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    std::printf("answer\t%.*s\n", static_cast<int>(data.cbData),
                static_cast<const char*>(data.lpData));
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindowOfTheClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &Listen;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExW(&windowClass);
  return ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

int Send(size_t bytes, ULONG_PTR tag, const std::wstring& sender) {
  const HWND own = MakeWindowOfTheClass();
  std::vector<char> data(bytes, 'x');
  for (HWND other = nullptr; (other = ::FindWindowExW(HWND_MESSAGE, other, kClassName, nullptr));) {
    if (other == own) continue;
    wchar_t text[512] = L"";
    ::InternalGetWindowText(other, text, 512);
    const HWND from = sender == L"probe" ? own : sender == L"itself" ? other : nullptr;
    COPYDATASTRUCT message{tag, static_cast<DWORD>(bytes), data.data()};
    DWORD_PTR result = 0;
    const LRESULT sent =
        ::SendMessageTimeoutW(other, WM_COPYDATA, reinterpret_cast<WPARAM>(from),
                              reinterpret_cast<LPARAM>(&message), SMTO_ABORTIFHUNG, 2000, &result);
    std::printf("window\t%ls\t%d\n", text, sent && result ? 1 : 0);
  }
  const DWORD end = ::GetTickCount() + 1000;
  for (DWORD now = ::GetTickCount(); now < end; now = ::GetTickCount()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"send" && argc == 5) {
    return Send(std::wcstoul(argv[2], nullptr, 10), std::wcstoul(argv[3], nullptr, 16), argv[4]);
  }
  if (mode == L"hang" && argc == 3) {
    MakeWindowOfTheClass();
    std::printf("ready\n");
    std::fflush(stdout);
    ::Sleep(std::wcstoul(argv[2], nullptr, 10) * 1000);
    return 0;
  }
  std::fprintf(stderr, "usage: hand_over_probe send BYTES TAG none|probe|itself | hang SECONDS\n");
  return 2;
}
