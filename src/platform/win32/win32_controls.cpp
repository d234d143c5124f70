#include "platform/win32/win32_controls.h"

#include <windowsx.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

struct ControlClass {
    const wchar_t* className;
    DWORD style;
};

ControlClass classFor(ControlKind kind) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case ControlKind::List:
            return {L"LISTBOX", kChild | WS_BORDER | LBS_NOTIFY};
        case ControlKind::StaticText:
        case ControlKind::ColourSwatch:
            return {L"STATIC", kChild | SS_CENTER};
        case ControlKind::CentredLabel:
            return {L"STATIC", kChild | SS_CENTER | SS_CENTERIMAGE};
        case ControlKind::LeftText:
            return {L"STATIC", kChild | SS_LEFT};
        case ControlKind::Edit:
            return {L"EDIT", kChild | ES_CENTER};
        case ControlKind::NumberEdit:
            return {L"EDIT", kChild | ES_NUMBER | ES_CENTER};
        case ControlKind::FramedNumber:
            return {L"EDIT", kChild | WS_BORDER | ES_NUMBER | ES_CENTER};
    }
    return {L"STATIC", kChild};
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    buffer[static_cast<std::size_t>(copied)] = L'\0';
    return utf8FromWide(buffer.data());
}

}  // namespace

HWND Win32Controls::child(int id) const {
    return owner_ != nullptr ? GetDlgItem(owner_, id) : nullptr;
}

HWND Win32Controls::list(int id) const {
    const auto kind = kindOf(id);
    return kind == ControlKind::List ? child(id) : nullptr;
}

std::optional<ControlKind> Win32Controls::kindOf(int id) const {
    const auto it = kinds_.find(id);
    if (it == kinds_.end() || child(id) == nullptr)
        return std::nullopt;
    return it->second;
}

bool Win32Controls::create(int id, ControlKind kind, Rect rect, std::string_view text) {
    if (owner_ == nullptr || child(id) != nullptr)
        return false;
    const ControlClass cls = classFor(kind);
    const std::wstring wide = kind == ControlKind::ColourSwatch ? L"" : wideFromUtf8(text);
    HWND created = CreateWindowExW(
        0, cls.className, wide.c_str(), cls.style, rect.left, rect.top, rect.width(), rect.height(),
        owner_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE)), nullptr);
    if (created == nullptr)
        return false;
    kinds_[id] = kind;
    if (fitting_.base() != nullptr)
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(fitting_.base()), FALSE);
    fitFont(created, text);
    return true;
}

void Win32Controls::fitFont(HWND control, std::string_view text) {
    const auto kind = kindOf(GetDlgCtrlID(control));
    const bool oneLine = kind == ControlKind::CentredLabel;
    if (fitting_.base() == nullptr ||
        !(oneLine || kind == ControlKind::StaticText || kind == ControlKind::LeftText)) {
        return;
    }
    RECT client{};
    GetClientRect(control, &client);
    // Measured off-screen: a window's own context costs the system a round trip each time.
    if (!measuring_)
        measuring_.reset(CreateCompatibleDC(nullptr));
    HDC dc = measuring_.get();
    if (dc == nullptr)
        return;
    TEXTMETRICW metrics{};
    const HGDIOBJ old = SelectObject(dc, fitting_.base());
    const bool measured = GetTextMetricsW(dc, &metrics) != FALSE;
    SelectObject(dc, old);
    // A static with room for a second line breaks a long text there itself.
    HFONT font = fitting_.base();
    if (oneLine || (measured && client.bottom - client.top < 2 * metrics.tmHeight))
        font = fitting_.fit(dc, wideFromUtf8(text), client.right - client.left);
    if (font != reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)))
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Win32Controls::destroy(int id) {
    if (HWND window = child(id))
        DestroyWindow(window);
    kinds_.erase(id);
}

bool Win32Controls::exists(int id) const {
    return child(id) != nullptr;
}

void Win32Controls::setVisible(int id, bool visible) {
    HWND window = child(id);
    if (window == nullptr)
        return;
    // Keys typed next must not go to a control no one sees.
    if (!visible && GetFocus() == window)
        (void)SetFocus(owner_);
    // No repaint of the page around the control, shown or hidden: the page is drawn whole
    // and copied right after, and under Wine each such repaint doubled a page switch.
    const UINT show = visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    // A refusal leaves the control as it was; there is nothing else to try.
    (void)SetWindowPos(
        window, nullptr, 0, 0, 0, 0,
        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | show);
    if (visible)
        (void)InvalidateRect(window, nullptr, TRUE);  // the control still draws itself
}

std::optional<std::string> Win32Controls::text(int id) const {
    HWND window = child(id);
    if (window == nullptr)
        return std::nullopt;
    return windowText(window);
}

void Win32Controls::setText(int id, std::string_view text) {
    if (HWND window = child(id)) {
        fitFont(window, text);
        SetWindowTextW(window, wideFromUtf8(text).c_str());
    }
}

void Win32Controls::redraw(int id) {
    if (HWND window = child(id)) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
}

void Win32Controls::addItem(int id, std::string_view text) {
    if (HWND window = list(id))
        ListBox_AddString(window, wideFromUtf8(text).c_str());
}

void Win32Controls::clearItems(int id) {
    if (HWND window = list(id))
        ListBox_ResetContent(window);
}

int Win32Controls::itemCount(int id) const {
    HWND window = list(id);
    const int count = window != nullptr ? ListBox_GetCount(window) : 0;
    return count == LB_ERR ? 0 : count;
}

std::optional<std::string> Win32Controls::itemText(int id, int index) const {
    HWND window = list(id);
    if (window == nullptr || index < 0)
        return std::nullopt;
    const int length = ListBox_GetTextLen(window, index);
    if (length == LB_ERR)
        return std::nullopt;
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = ListBox_GetText(window, index, buffer.data());
    if (copied == LB_ERR)
        return std::nullopt;
    buffer[static_cast<std::size_t>(copied)] = L'\0';
    return utf8FromWide(buffer.data());
}

std::optional<int> Win32Controls::selection(int id) const {
    HWND window = list(id);
    if (window == nullptr)
        return std::nullopt;
    const int selected = ListBox_GetCurSel(window);
    return selected == LB_ERR ? std::nullopt : std::optional<int>(selected);
}

void Win32Controls::setSelection(int id, int index) {
    HWND window = list(id);
    if (window == nullptr)
        return;
    const bool inside = index >= 0 && index < ListBox_GetCount(window);
    // The list box reports an out-of-range index as an error and keeps the old selection.
    ListBox_SetCurSel(window, inside ? index : -1);
}

std::optional<int> Win32Controls::itemAtPoint(int id, int x, int y) const {
    HWND window = list(id);
    if (window == nullptr || ListBox_GetCount(window) <= 0)
        return std::nullopt;
    const LRESULT answer = SendMessageW(window, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    return static_cast<int>(LOWORD(answer));
}

std::optional<Rect> Win32Controls::itemRect(int id, int index) const {
    HWND window = list(id);
    RECT rect{};
    if (window == nullptr || index < 0 || ListBox_GetItemRect(window, index, &rect) == LB_ERR)
        return std::nullopt;
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Controls::scrollTo(int id, int index) {
    if (HWND window = list(id); window != nullptr && index >= 0)
        ListBox_SetTopIndex(window, index);
}

void Win32Controls::enable(int id, bool enabled) {
    if (HWND window = child(id))
        EnableWindow(window, enabled ? TRUE : FALSE);
}

void Win32Controls::focusWindow() {
    if (owner_ != nullptr)
        SetFocus(owner_);
}

std::optional<int> Win32Controls::focusedControl() const {
    HWND focus = GetFocus();
    if (owner_ == nullptr || focus == nullptr || GetParent(focus) != owner_)
        return std::nullopt;
    return GetDlgCtrlID(focus);
}

}  // namespace quorvel::win32
