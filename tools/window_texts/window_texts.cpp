// Tells the end-to-end tests what a window's controls say, which the screen alone cannot: one
// line per child of the visible top-level window with the given title, as
// "id<TAB>visible (0 or 1)<TAB>left,top,right,bottom<TAB>text" in UTF-8, the place in the
// window's client pixels. With "rows" after the title, the rows of its list views instead, as
// "id<TAB>row<TAB>column texts separated by TABs". Exits 1 when no such window is found.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "win32/text.h"

namespace {

using cindermoor::win32::Narrow;

void WriteLine(const std::string& line) {
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()),
              &written, nullptr);
}

BOOL CALLBACK WriteChild(HWND child, LPARAM parent) {
  RECT place{};
  ::GetWindowRect(child, &place);
  ::MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&place), 2);
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(child)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
  const std::string line =
      std::to_string(::GetDlgCtrlID(child)) + "\t" + (::IsWindowVisible(child) ? "1" : "0") + "\t" +
      std::to_string(place.left) + "," + std::to_string(place.top) + "," +
      std::to_string(place.right) + "," + std::to_string(place.bottom) + "\t" + Narrow(text) + "\n";
  WriteLine(line);
  return TRUE;
}

// The list view lives in another process and writes its texts where the request says: the
// request and its text buffer are put in that process's memory.
class RemoteRequest {
 public:
  static constexpr size_t kTextLength = 256;
  explicit RemoteRequest(HWND list) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(list, &pid);
    process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    memory_ = process_ ? ::VirtualAllocEx(process_, nullptr, sizeof(LVITEMW) + kTextLength * 2,
                                          MEM_COMMIT, PAGE_READWRITE)
                       : nullptr;
  }
  RemoteRequest(const RemoteRequest&) = delete;
  RemoteRequest& operator=(const RemoteRequest&) = delete;
  ~RemoteRequest() {
    if (memory_) ::VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_) ::CloseHandle(process_);
  }
  std::wstring ItemText(HWND list, int item, int column) {
    if (!memory_) return L"";
    LVITEMW request{};
    request.iSubItem = column;
    request.cchTextMax = kTextLength;
    request.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(memory_) + sizeof(LVITEMW));
    ::WriteProcessMemory(process_, memory_, &request, sizeof request, nullptr);
    ::SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(memory_));
    wchar_t text[kTextLength] = {};
    ::ReadProcessMemory(process_, request.pszText, text, sizeof text - 2, nullptr);
    return text;
  }

 private:
  HANDLE process_ = nullptr;
  void* memory_ = nullptr;
};

BOOL CALLBACK WriteRows(HWND child, LPARAM) {
  wchar_t name[32] = {};
  ::GetClassNameW(child, name, 32);
  if (::lstrcmpiW(name, WC_LISTVIEWW) != 0) return TRUE;
  const HWND header = reinterpret_cast<HWND>(::SendMessageW(child, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const int rows = static_cast<int>(::SendMessageW(child, LVM_GETITEMCOUNT, 0, 0));
  RemoteRequest request(child);
  for (int row = 0; row < rows; ++row) {
    std::string line = std::to_string(::GetDlgCtrlID(child)) + "\t" + std::to_string(row);
    for (int column = 0; column < columns; ++column) {
      line += "\t" + Narrow(request.ItemText(child, row, column));
    }
    WriteLine(line + "\n");
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 && argc != 3) return 2;
  const HWND window = ::FindWindowW(nullptr, argv[1]);
  if (!window) return 1;
  const bool rows = argc == 3 && ::lstrcmpW(argv[2], L"rows") == 0;
  ::EnumChildWindows(window, rows ? WriteRows : WriteChild, reinterpret_cast<LPARAM>(window));
  return 0;
}
