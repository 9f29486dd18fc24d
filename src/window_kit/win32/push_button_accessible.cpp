// Active Accessibility gives a control of any class a standard object that reads its window
// text, place and state. Windows' own proxy knows a push button only by its BUTTON class and
// Wine's knows none, so these controls hand out that standard object with the role and the
// default action of a push button put in front of it.
//
// Only a screen reader asks for these objects, so the libraries that make them are loaded on
// its first question rather than with the program: a served link starts the game sooner.
#include "window_kit/win32/push_button_accessible.h"

#include <oleacc.h>

#include <new>

#include "win32/library_function.h"
#include "window_kit/win32/guarded_call.h"

namespace cindermoor::win32 {
namespace {

struct AccessibilityFunctions {
  decltype(&::CreateStdAccessibleObject) createStandard = nullptr;
  decltype(&::LresultFromObject) answerWith = nullptr;
  decltype(&::SysAllocString) allocateString = nullptr;
};

// Loaded once and kept for the run: the objects handed out live in these libraries' code.
// All null when a library is missing; the controls then answer as the system would.
const AccessibilityFunctions& Accessibility() {
  static const AccessibilityFunctions functions = [] {
    AccessibilityFunctions found;
    // Screen readers in other processes reach these objects through COM: a single-threaded
    // apartment for this, the windows' thread, kept for the run. Without it the windows still
    // work, only unseen by screen readers.
    EnterComApartment();
    found.createStandard =
        LibraryFunction<decltype(found.createStandard)>(L"oleacc.dll", "CreateStdAccessibleObject");
    found.answerWith =
        LibraryFunction<decltype(found.answerWith)>(L"oleacc.dll", "LresultFromObject");
    found.allocateString =
        LibraryFunction<decltype(found.allocateString)>(L"oleaut32.dll", "SysAllocString");
    return found;
  }();
  return functions;
}

constexpr bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// Passes every question to the system's object for the window except the few that make it a
// push button.
class PushButtonAccessible final : public IAccessible {
 public:
  PushButtonAccessible(HWND control, IAccessible* standard) : control_(control), inner_(standard) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return inner_->GetTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return inner_->GetTypeInfo(index, locale, info);
  }
  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                             DISPID* ids) override {
    return inner_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
    return inner_->Invoke(id, iid, locale, flags, params, result, exception, argument);
  }

  // What makes it a push button
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return inner_->get_accRole(child, role);
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
  }
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!IsSelf(child)) return inner_->get_accDefaultAction(child, action);
    *action = Accessibility().allocateString(L"Press");
    return *action ? S_OK : E_OUTOFMEMORY;
  }
  // As the mouse's click does: the parent hears BN_CLICKED (a clickable STATIC's
  // STN_CLICKED has the same value).
  STDMETHODIMP accDoDefaultAction(VARIANT child) override {
    if (!IsSelf(child)) return inner_->accDoDefaultAction(child);
    ::PostMessageW(::GetParent(control_), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(control_), BN_CLICKED),
                   reinterpret_cast<LPARAM>(control_));
    return S_OK;
  }

  // Everything else as the system answers it
  STDMETHODIMP get_accParent(IDispatch** parent) override { return inner_->get_accParent(parent); }
  STDMETHODIMP get_accChildCount(long* count) override { return inner_->get_accChildCount(count); }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override {
    return inner_->get_accChild(child, object);
  }
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    return inner_->get_accName(child, name);
  }
  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
    return inner_->get_accValue(child, value);
  }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
    return inner_->get_accDescription(child, text);
  }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
    return inner_->get_accState(child, state);
  }
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override {
    return inner_->get_accHelp(child, help);
  }
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return inner_->get_accKeyboardShortcut(child, shortcut);
  }
  STDMETHODIMP get_accFocus(VARIANT* child) override { return inner_->get_accFocus(child); }
  STDMETHODIMP get_accSelection(VARIANT* children) override {
    return inner_->get_accSelection(children);
  }
  STDMETHODIMP accSelect(long flags, VARIANT child) override {
    return inner_->accSelect(flags, child);
  }
  STDMETHODIMP accLocation(long* left, long* top, long* width, long* height,
                           VARIANT child) override {
    return inner_->accLocation(left, top, width, height, child);
  }
  STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return inner_->accNavigate(direction, start, end);
  }
  STDMETHODIMP accHitTest(long left, long top, VARIANT* child) override {
    return inner_->accHitTest(left, top, child);
  }
  STDMETHODIMP put_accName(VARIANT child, BSTR name) override {
    return inner_->put_accName(child, name);
  }
  STDMETHODIMP put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

 private:
  ~PushButtonAccessible() { inner_->Release(); }

  HWND control_;
  IAccessible* inner_;  // owned: one reference, released with this object
  ULONG references_ = 1;
};

// Where the control's own window procedure is kept while this one stands in front of it.
constexpr wchar_t kOwnProcedure[] = L"CindermoorOwnProcedure";

// Through the one guard, as every window procedure: no failure unwinds into Windows.
LRESULT CALLBACK PushButtonProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedCall(control, [&] {
    const auto own = reinterpret_cast<WNDPROC>(::GetPropW(control, kOwnProcedure));
    if (message == WM_GETOBJECT) {
      if (const LRESULT answer = AnswerAsPushButton(control, wParam, lParam)) return answer;
    } else if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
      ::RemovePropW(control, kOwnProcedure);
    }
    return ::CallWindowProcW(own, control, message, wParam, lParam);
  });
}

}  // namespace

LRESULT AnswerAsPushButton(HWND control, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
  const AccessibilityFunctions& functions = Accessibility();
  if (!functions.createStandard || !functions.answerWith || !functions.allocateString) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(functions.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                      reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  auto* button = new (std::nothrow) PushButtonAccessible(control, standard);
  if (!button) {
    standard->Release();
    return 0;
  }
  const LRESULT answer = functions.answerWith(__uuidof(IAccessible), wParam, button);
  button->Release();  // the answer holds its own reference, or none when it failed
  return answer < 0 ? 0 : answer;
}

// The control's own procedure is kept before this one takes its place, so no message finds
// it missing.
void AnswerAsPushButtonFrom(HWND control) {
  ::SetPropW(control, kOwnProcedure,
             reinterpret_cast<HANDLE>(::GetWindowLongPtrW(control, GWLP_WNDPROC)));
  ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PushButtonProcedure));
}

}  // namespace cindermoor::win32
