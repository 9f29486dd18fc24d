#include "launcher/win32/session_launchers_win32.h"

#include <string>
#include <string_view>

#include "win32/text.h"
#include "window_kit/win32/window_instance.h"

namespace cindermoor::win32 {
namespace {

// Local: one user's session; fast user switching and other sessions have their own.
constexpr const wchar_t* kTurnName = L"Local\\Cindermoor Launcher start";
constexpr const wchar_t* kClassName = L"Cindermoor Launcher in session";
// Deciding waits for no other launcher and takes milliseconds, so only a start that is stuck
// while it decides holds the turn this long; the next start then goes on as if alone.
constexpr DWORD kTurnWait = 5000;
// A launcher's window text, which Windows itself hands to whoever reads it: no launcher ever
// waits for another to answer, however busy or hung that one is. Empty while deciding.
constexpr std::wstring_view kServing = L"serving ";
constexpr std::wstring_view kSettings = L"settings";
// Room for the longest server address a link can hold, in UTF-16.
constexpr int kShownRoom = 4200;
// Posted, so the start that asks never waits for it.
constexpr UINT kComeToFront = WM_APP + 1;

std::wstring ProcessImage(DWORD processId) {
  const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  std::wstring path(MAX_PATH * 4, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  if (!process || !::QueryFullProcessImageNameW(process.get(), 0, path.data(), &size)) return {};
  path.resize(size);
  return path;
}

// Any program can make a window of this class; only another run of this program file counts.
bool IsAnotherLauncher(HWND window, const std::wstring& ownImage) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId == ::GetCurrentProcessId() || ownImage.empty()) return false;
  const std::wstring image = ProcessImage(processId);
  return ::CompareStringOrdinal(image.c_str(), -1, ownImage.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::optional<RunningLauncher> Shown(HWND window) {
  std::wstring text(kShownRoom, L'\0');
  text.resize(static_cast<size_t>(::InternalGetWindowText(window, text.data(), kShownRoom)));
  if (text == kSettings) return RunningLauncher{};
  if (text.starts_with(kServing)) return RunningLauncher{Narrow(text.substr(kServing.size()))};
  return std::nullopt;
}

bool RunsElevated() {
  UniqueHandle token;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  return ::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put()) &&
         ::GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof(elevation), &size) &&
         elevation.TokenIsElevated;
}

}  // namespace

SessionLaunchersWin32::~SessionLaunchersWin32() {
  window_.reset();
  GiveBackTurn();
}

// The hand-over only spares the player a second game: where Windows refuses the mutex or the
// window, the start goes on as it would alone. The window is made before the turn is taken,
// since a process's first window can take Wine seconds to make on a busy machine: the turn
// then covers only reading what the others show and telling what this one does.
std::vector<RunningLauncher> SessionLaunchersWin32::TakeTurn() {
  turnMutex_.reset(::CreateMutexW(nullptr, FALSE, kTurnName));
  if (!turnMutex_ || !CreateWindowToBeFound()) return {};
  // A launcher that ended while deciding leaves the mutex abandoned, and then it is ours.
  const DWORD waited = ::WaitForSingleObject(turnMutex_.get(), kTurnWait);
  holdsTurn_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  if (!holdsTurn_) return {};
  const std::wstring ownImage = ProcessImage(::GetCurrentProcessId());
  std::vector<RunningLauncher> running;
  for (HWND other = nullptr; (other = ::FindWindowExW(HWND_MESSAGE, other, kClassName, nullptr));) {
    if (!IsAnotherLauncher(other, ownImage)) continue;
    if (std::optional<RunningLauncher> shown = Shown(other)) {
      running.push_back(std::move(*shown));
      others_.push_back(other);
    }
  }
  return running;
}

void SessionLaunchersWin32::Announce(const std::optional<GameLink>& served) {
  const std::wstring shown =
      served ? std::wstring(kServing) + Widen(served->serverAddress) : std::wstring(kSettings);
  if (window_) ::SetWindowTextW(window_.get(), shown.c_str());
  GiveBackTurn();
}

void SessionLaunchersWin32::BringToFront(size_t launcher) {
  if (launcher >= others_.size()) return;
  DWORD process = 0;
  ::GetWindowThreadProcessId(others_[launcher], &process);
  ::AllowSetForegroundWindow(process);
  ::PostMessageW(others_[launcher], kComeToFront, 0, 0);
}

bool SessionLaunchersWin32::CreateWindowToBeFound() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &InstanceWindowProc<SessionLaunchersWin32>;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExW(&windowClass);
  // A window whose creation failed after its first message is gone already.
  if (!::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                         this)) {
    window_.release();
    return false;
  }
  // A launcher that runs elevated (started by the installer) still hears the player's own;
  // any other keeps Windows' rule that programs of a lower level cannot post to it.
  if (RunsElevated())
    ::ChangeWindowMessageFilterEx(window_.get(), kComeToFront, MSGFLT_ALLOW, nullptr);
  return true;
}

// The window a message box of this launcher waits on comes up with it.
void SessionLaunchersWin32::ComeToFront() const {
  const HWND window = frontWindow_();
  if (!window || !::IsWindowVisible(window)) return;
  if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
  const HWND front = ::GetLastActivePopup(window);
  ::BringWindowToTop(front);
  ::SetForegroundWindow(front);
}

void SessionLaunchersWin32::GiveBackTurn() {
  if (holdsTurn_) ::ReleaseMutex(turnMutex_.get());
  holdsTurn_ = false;
}

// Nothing any other message carries is read: a WM_COPYDATA of any size or tag is refused
// unopened.
LRESULT SessionLaunchersWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kComeToFront) return ::DefWindowProcW(window_.get(), message, wParam, lParam);
  ComeToFront();
  return 0;
}

}  // namespace cindermoor::win32
