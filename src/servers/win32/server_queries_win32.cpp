// One UDP socket on the thread that made it, driven by that thread's message loop through a
// message-only window: WSAAsyncSelect tells of datagrams, a timer of retries and pacing, and
// WSAAsyncGetHostByName of host names, so nothing here ever waits for the network.
//
// ws2_32 is looked up at run time (LibraryFunction), never linked: a served link's process
// must not load it, and only the servers window makes these queries.
#include "servers/win32/server_queries_win32.h"

#include <windows.h>
#include <winsock2.h>

#include <algorithm>
#include <exception>
#include <map>

#include "common/fatal_error.h"
#include "log/win32/log_file_win32.h"
#include "servers/query_engine.h"
#include "text/text.h"
#include "win32/library_function.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor {
namespace {

using win32::LibraryFunction;

constexpr wchar_t kWindowClass[] = L"Cindermoor server queries";
constexpr UINT kSocketMessage = WM_APP + 1;
constexpr UINT kHostMessage = WM_APP + 2;
constexpr UINT_PTR kTimer = 1;
// Room for every answer of a long list arriving while the window is busy elsewhere.
constexpr int kReceiveBufferBytes = 4 << 20;
// Any datagram whole: one longer than an answer can be is then seen as over-long.
constexpr std::size_t kDatagramBytes = 65536;

// The functions of ws2_32 these queries use.
struct Winsock {
  Winsock()
      : startup(Find<decltype(&::WSAStartup)>("WSAStartup")),
        cleanup(Find<decltype(&::WSACleanup)>("WSACleanup")),
        openSocket(Find<decltype(&::socket)>("socket")),
        closeSocket(Find<decltype(&::closesocket)>("closesocket")),
        bindSocket(Find<decltype(&::bind)>("bind")),
        setOption(Find<decltype(&::setsockopt)>("setsockopt")),
        sendTo(Find<decltype(&::sendto)>("sendto")),
        receiveFrom(Find<decltype(&::recvfrom)>("recvfrom")),
        asyncSelect(Find<decltype(&::WSAAsyncSelect)>("WSAAsyncSelect")),
        asyncHost(Find<decltype(&::WSAAsyncGetHostByName)>("WSAAsyncGetHostByName")),
        cancelAsync(Find<decltype(&::WSACancelAsyncRequest)>("WSACancelAsyncRequest")),
        lastError(Find<decltype(&::WSAGetLastError)>("WSAGetLastError")) {}

  template <typename Function>
  static Function Find(const char* name) {
    return LibraryFunction<Function>(L"ws2_32.dll", name);
  }
  bool Complete() const {
    return startup && cleanup && openSocket && closeSocket && bindSocket && setOption && sendTo &&
           receiveFrom && asyncSelect && asyncHost && cancelAsync && lastError;
  }

  decltype(&::WSAStartup) startup;
  decltype(&::WSACleanup) cleanup;
  decltype(&::socket) openSocket;
  decltype(&::closesocket) closeSocket;
  decltype(&::bind) bindSocket;
  decltype(&::setsockopt) setOption;
  decltype(&::sendto) sendTo;
  decltype(&::recvfrom) receiveFrom;
  decltype(&::WSAAsyncSelect) asyncSelect;
  decltype(&::WSAAsyncGetHostByName) asyncHost;
  decltype(&::WSACancelAsyncRequest) cancelAsync;
  decltype(&::WSAGetLastError) lastError;
};

sockaddr_in SocketAddress(Endpoint endpoint) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  const auto ip = endpoint.ip;
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(ip >> 24),
                                 static_cast<std::uint8_t>(ip >> 16),
                                 static_cast<std::uint8_t>(ip >> 8), static_cast<std::uint8_t>(ip)};
  std::copy(std::begin(bytes), std::end(bytes), reinterpret_cast<std::uint8_t*>(&address.sin_addr));
  const std::uint8_t port[2] = {static_cast<std::uint8_t>(endpoint.port >> 8),
                                static_cast<std::uint8_t>(endpoint.port)};
  std::copy(std::begin(port), std::end(port), reinterpret_cast<std::uint8_t*>(&address.sin_port));
  return address;
}

std::uint32_t HostOrder(const std::uint8_t* bytes) {
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

Endpoint EndpointOf(const sockaddr_in& address) {
  const auto* port = reinterpret_cast<const std::uint8_t*>(&address.sin_port);
  return {HostOrder(reinterpret_cast<const std::uint8_t*>(&address.sin_addr)),
          static_cast<std::uint16_t>((port[0] << 8) | port[1])};
}

QueryEngine::Millis Now() {
  LARGE_INTEGER count, frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return count.QuadPart / (frequency.QuadPart / 1000);
}

// A failure inside a listener cannot unwind through Windows' frames: it is shown and the
// program ends, as every window's failures are.
void ReportAndQuit(const char* what) {
  ::MessageBoxW(nullptr, win32::Widen(win32::WithLogPlace(what)).c_str(),
                win32::Widen(Text("fatal.title")).c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  ::PostQuitMessage(1);
}

class ServerQueriesWin32 : public ServerQueries {
 public:
  explicit ServerQueriesWin32(ServerQueryListener& listener) : engine_(listener) {
    RegisterClass();
    window_.reset(::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr));
    if (!window_) {
      throw FatalError(win32::DescribeError(
          Text("fatal.cannot_create_window", {{"title", win32::Narrow(kWindowClass)}}),
          ::GetLastError()));
    }
    ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    OpenSocket();
  }

  ~ServerQueriesWin32() override {
    if (socket_ != INVALID_SOCKET) winsock_.closeSocket(socket_);
    for (const auto& [handle, lookup] : lookups_) winsock_.cancelAsync(handle);
    window_.reset();
    if (started_) winsock_.cleanup();
  }

  void AskServers(const std::vector<ServerAddress>& servers) override {
    engine_.AskServers(servers, Now());
    Pump();
  }
  void AskMasters(const std::vector<ServerAddress>& masters) override {
    engine_.AskMasters(masters, Now());
    Pump();
  }
  void StopAsking() override {
    engine_.Stop();
    Pump();
  }

 private:
  struct Lookup {
    std::string host;
    std::vector<char> buffer = std::vector<char>(MAXGETHOSTSTRUCT);
  };

  static void RegisterClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      throw FatalError(win32::DescribeError(
          Text("fatal.cannot_register_class", {{"class", win32::Narrow(kWindowClass)}}),
          ::GetLastError()));
    }
  }

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ServerQueriesWin32*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || (message != kSocketMessage && message != kHostMessage && message != WM_TIMER)) {
      return ::DefWindowProcW(window, message, wParam, lParam);
    }
    try {
      self->Handle(message, wParam, lParam);
    } catch (const std::exception& failure) {
      ReportAndQuit(failure.what());
    } catch (...) {
      ReportAndQuit(Text("fatal.unexpected").c_str());
    }
    return 0;
  }

  // Without Winsock nothing is sent, and every server shows as not answering.
  void OpenSocket() {
    WSADATA data;
    if (!winsock_.Complete() || winsock_.startup(MAKEWORD(2, 2), &data) != 0) return;
    started_ = true;
    socket_ = winsock_.openSocket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (socket_ == INVALID_SOCKET) return;
    winsock_.setOption(socket_, SOL_SOCKET, SO_RCVBUF,
                       reinterpret_cast<const char*>(&kReceiveBufferBytes),
                       sizeof kReceiveBufferBytes);
    const sockaddr_in any = SocketAddress({0, 0});
    if (winsock_.bindSocket(socket_, reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0 ||
        winsock_.asyncSelect(socket_, window_.get(), kSocketMessage, FD_READ) != 0) {
      winsock_.closeSocket(socket_);
      socket_ = INVALID_SOCKET;
    }
  }

  void Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kSocketMessage) {
      Receive();
    } else if (message == kHostMessage) {
      HostFound(reinterpret_cast<HANDLE>(wParam), WSAGETASYNCERROR(lParam) == 0);
    }
    Pump();
  }

  // Every datagram waiting, so one message reads what several brought.
  void Receive() {
    for (;;) {
      sockaddr_in from{};
      int fromSize = sizeof from;
      const int size = winsock_.receiveFrom(socket_, reinterpret_cast<char*>(datagram_.data()),
                                            static_cast<int>(datagram_.size()), 0,
                                            reinterpret_cast<sockaddr*>(&from), &fromSize);
      // A port-unreachable notice of an earlier query is no datagram; the next may be one.
      if (size < 0 && winsock_.lastError() == WSAECONNRESET) continue;
      if (size < 0 && winsock_.lastError() != WSAEMSGSIZE) return;
      const std::size_t length = size < 0 ? datagram_.size() : static_cast<std::size_t>(size);
      engine_.OnDatagram(EndpointOf(from), std::span(datagram_.data(), length), Now());
    }
  }

  void HostFound(HANDLE handle, bool found) {
    const auto lookup = lookups_.find(handle);
    if (lookup == lookups_.end()) return;
    std::optional<std::uint32_t> ip;
    const auto* host = reinterpret_cast<const hostent*>(lookup->second.buffer.data());
    if (found && host->h_addrtype == AF_INET && host->h_addr_list[0]) {
      ip = HostOrder(reinterpret_cast<const std::uint8_t*>(host->h_addr_list[0]));
    }
    const std::string name = std::move(lookup->second.host);
    lookups_.erase(lookup);
    engine_.Resolved(name, ip, Now());
  }

  void StartLookups() {
    for (std::string& host : engine_.TakeHostsToResolve()) {
      Lookup lookup{std::move(host)};
      const HANDLE handle =
          socket_ == INVALID_SOCKET
              ? nullptr
              : winsock_.asyncHost(window_.get(), kHostMessage, lookup.host.c_str(),
                                   lookup.buffer.data(), static_cast<int>(lookup.buffer.size()));
      if (handle) {
        lookups_.emplace(handle, std::move(lookup));
      } else {
        engine_.Resolved(lookup.host, std::nullopt, Now());
      }
    }
  }

  // Sends what is due and sets the timer for what comes next.
  void Pump() {
    StartLookups();
    const QueryEngine::Millis now = Now();
    for (const QueryEngine::Datagram& datagram : engine_.Due(now)) {
      if (socket_ == INVALID_SOCKET) continue;
      const sockaddr_in to = SocketAddress(datagram.to);
      winsock_.sendTo(socket_, reinterpret_cast<const char*>(datagram.bytes.data()),
                      static_cast<int>(datagram.bytes.size()), 0,
                      reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    const std::optional<QueryEngine::Millis> wake = engine_.NextWake();
    if (!wake) {
      ::KillTimer(window_.get(), kTimer);
      return;
    }
    const auto delay = std::max<QueryEngine::Millis>(*wake - now, USER_TIMER_MINIMUM);
    ::SetTimer(window_.get(), kTimer, static_cast<UINT>(delay), nullptr);
  }

  Winsock winsock_;
  bool started_ = false;
  SOCKET socket_ = INVALID_SOCKET;
  win32::UniqueHwnd window_;
  QueryEngine engine_;
  std::map<HANDLE, Lookup> lookups_;
  std::vector<std::uint8_t> datagram_ = std::vector<std::uint8_t>(kDatagramBytes);
};

}  // namespace

std::unique_ptr<ServerQueries> MakeServerQueries(ServerQueryListener& listener) {
  return std::make_unique<ServerQueriesWin32>(listener);
}

}  // namespace cindermoor
