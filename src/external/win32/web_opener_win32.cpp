#include "external/win32/web_opener_win32.h"

#include "external/win32/shell_open.h"
#include "win32/text.h"

namespace cindermoor::win32 {

// A browser that fails to open is not reported: the launcher goes on either way.
void WebOpenerWin32::OpenWebPage(const std::string& url) {
  const std::wstring wideUrl = Widen(url);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI;  // as ShellExecuteW asks
  info.hwnd = owner_();
  info.lpVerb = L"open";
  info.lpFile = wideUrl.c_str();
  info.nShow = SW_RESTORE;
  ShellOpen(info);
}

}  // namespace cindermoor::win32
