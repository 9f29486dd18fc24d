#include "launcher/win32/session_launchers_win32.h"

#include "window_kit/win32/guarded_call.h"

namespace cindermoor::win32 {
namespace {

// Local: one user's session; fast user switching and other sessions have their own.
constexpr const wchar_t* kTurnName = L"Local\\Cindermoor Launcher start";
constexpr const wchar_t* kClassName = L"Cindermoor Launcher in session";
// Every start waits this long at most for a stuck one, then goes on as if alone.
constexpr DWORD kTurnWait = 30000;
// A launcher answers once its start-up reaches a message loop or a message box.
constexpr UINT kAnswerWait = 10000;

// What the WM_COPYDATA messages between launchers carry.
enum Tag : ULONG_PTR {
  kAsk = 0x434D0001,     // "what do you show?", from the window in wParam
  kAnswer = 0x434D0002,  // the link served, or nothing for the settings window
  kFront = 0x434D0003,   // "come to the front"
};

bool Send(HWND to, HWND from, Tag tag, const std::string& data = {}) {
  COPYDATASTRUCT message{tag, static_cast<DWORD>(data.size()), const_cast<char*>(data.data())};
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from),
                               reinterpret_cast<LPARAM>(&message), SMTO_NORMAL, kAnswerWait,
                               &result) != 0;
}

}  // namespace

SessionLaunchersWin32::~SessionLaunchersWin32() {
  window_.reset();
  GiveBackTurn();
}

// The hand-over only spares the player a second game: where Windows refuses the mutex or the
// window, the start goes on as it would alone.
std::vector<RunningLauncher> SessionLaunchersWin32::TakeTurn() {
  turnMutex_.reset(::CreateMutexW(nullptr, FALSE, kTurnName));
  if (!turnMutex_) return {};
  // A launcher that ended while deciding leaves the mutex abandoned, and then it is ours.
  const DWORD waited = ::WaitForSingleObject(turnMutex_.get(), kTurnWait);
  holdsTurn_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  if (!holdsTurn_ || !CreateWindowToBeFound()) return {};
  std::vector<HWND> found;
  for (HWND other = nullptr; (other = ::FindWindowExW(HWND_MESSAGE, other, kClassName, nullptr));) {
    if (other != window_.get()) found.push_back(other);
  }
  for (HWND other : found) Ask(other);
  return answers_;
}

void SessionLaunchersWin32::Announce(const std::string& linkText) {
  announced_ = linkText;
  GiveBackTurn();
}

void SessionLaunchersWin32::BringToFront(size_t launcher) {
  if (launcher >= others_.size()) return;
  DWORD process = 0;
  ::GetWindowThreadProcessId(others_[launcher], &process);
  ::AllowSetForegroundWindow(process);
  Send(others_[launcher], window_.get(), kFront);
}

bool SessionLaunchersWin32::CreateWindowToBeFound() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  ::RegisterClassExW(&windowClass);
  window_.reset(::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr));
  if (!window_) return false;
  ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // A launcher that runs elevated (started by the installer) still hears the player's own.
  ::ChangeWindowMessageFilterEx(window_.get(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
  return true;
}

// Answers come back while this start still waits in Send, so the list is complete when it
// returns; a launcher that does not answer in time is left out.
void SessionLaunchersWin32::Ask(HWND other) {
  asked_ = other;
  Send(other, window_.get(), kAsk);
  asked_ = nullptr;
}

void SessionLaunchersWin32::Answer(HWND asker) const {
  if (announced_) Send(asker, window_.get(), kAnswer, *announced_);
}

void SessionLaunchersWin32::TakeAnswer(HWND from, const COPYDATASTRUCT& answer) {
  if (from != asked_) return;
  // A settings window's answer is empty, and Windows may hand it over without a buffer.
  const std::string text =
      answer.cbData ? std::string(static_cast<const char*>(answer.lpData), answer.cbData) : "";
  RunningLauncher running;
  if (!text.empty()) {
    LinkParse parsed = ParseGameLink(text);
    if (!parsed.link) return;
    running.served = std::move(parsed.link);
  }
  answers_.push_back(std::move(running));
  others_.push_back(from);
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

LRESULT CALLBACK SessionLaunchersWin32::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
  auto* self = reinterpret_cast<SessionLaunchersWin32*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || message != WM_COPYDATA || !lParam)
    return ::DefWindowProcW(window, message, wParam, lParam);
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  const HWND from = reinterpret_cast<HWND>(wParam);
  return GuardedCall(window, [&]() -> LRESULT {
    if (data.dwData == kAsk) self->Answer(from);
    if (data.dwData == kAnswer) self->TakeAnswer(from, data);
    if (data.dwData == kFront) self->ComeToFront();
    return TRUE;
  });
}

}  // namespace cindermoor::win32
