#include "external/win32/web_opener_win32.h"

#include <shellapi.h>

#include "win32/text.h"

namespace cindermoor::win32 {

// A browser that fails to open is the shell's to report; the launcher goes on either way.
void WebOpenerWin32::OpenWebPage(const std::string& url) {
  ::ShellExecuteW(owner_(), L"open", Widen(url).c_str(), nullptr, nullptr, SW_RESTORE);
}

}  // namespace cindermoor::win32
