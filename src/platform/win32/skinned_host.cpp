#include "platform/win32/skinned_host.h"

#include <windowsx.h>

#include <utility>

#include "platform/win32/colour_dialog.h"
#include "platform/win32/colour_ref.h"
#include "platform/win32/owner_focus.h"

namespace quorvel::win32 {
namespace {

constexpr DWORD kHoverTimeMs = 10;

ControlKind kindOfRequest(UINT message) {
    switch (message) {
        case WM_CTLCOLORLISTBOX:
            return ControlKind::List;
        case WM_CTLCOLOREDIT:
            return ControlKind::Edit;
        default:
            return ControlKind::StaticText;
    }
}

bool isKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

// The dialog messages whose answer is the procedure's return value, not DWLP_MSGRESULT.
bool answersDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return true;
        default:
            return false;
    }
}

}  // namespace

SkinnedHost::SkinnedHost(HINSTANCE instance, SkinnedWindow& model, const SharedUiState& shared,
                         MessageBoxPort& messages, HostExtension* extension)
    : instance_(instance),
      model_(model),
      shared_(shared),
      messages_(messages),
      extension_(extension),
      cache_(decoder_) {}

SkinnedHost::~SkinnedHost() {
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
}

DialogEnd SkinnedHost::runModalOver(HWND owner) {
    modal_ = true;
    const INT_PTR end = runLoop(owner);
    return end == static_cast<INT_PTR>(DialogEnd::Ok) ? DialogEnd::Ok : DialogEnd::Cancel;
}

void SkinnedHost::runMain() {
    modal_ = false;
    runLoop(nullptr);
}

INT_PTR SkinnedHost::runLoop(HWND owner) {
    ended_ = false;
    endCode_ = 0;
    const OwnerFocusKeeper keeper(owner);
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    hwnd_ = CreateDialogParamW(instance_, MAKEINTRESOURCEW(model_.templateId()), owner, &dialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (hwnd_ == nullptr) {
        if (ownerWasEnabled)
            EnableWindow(owner, TRUE);
        return -1;
    }
    if (!ended_)
        onCreated();
    MSG msg;
    while (!ended_ && IsWindow(hwnd_)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to an outer loop; put it back for it.
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (preTranslateMessage(msg))
            continue;
        if (IsDialogMessageW(hwnd_, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    // The owner takes the activation back before the dialog goes, as the system's own modal
    // dialogs do; left to a window manager it can land elsewhere (the tray), and the keys
    // typed next (a recording) would go there. A refusal leaves it where the manager puts it.
    if (owner != nullptr && IsWindowVisible(owner))
        (void)SetForegroundWindow(owner);
    if (hwnd_ != nullptr && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    return endCode_;
}

INT_PTR CALLBACK SkinnedHost::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<SkinnedHost*>(lParam)->hwnd_ = window;
    }
    auto* self = reinterpret_cast<SkinnedHost*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    LRESULT result = 0;
    const bool handled = self->onMessage(message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    if (!handled)
        return FALSE;
    if (answersDirectly(message))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

bool SkinnedHost::adoptBackground(const std::string& imagePath) {
    canvas_.reset();
    return setUpBackground(hwnd(), imagePath, surface_);
}

void SkinnedHost::createFonts(std::string_view languageCode) {
    fonts_ = SkinFonts::forLanguage(languageCode);
    controls_.setFont(fonts_.font(FontRole::Text));
}

Canvas& SkinnedHost::canvas() {
    if (!canvas_) {
        cache_.setSkinDirectory(shared_.skinDirectory);
        canvas_ = std::make_unique<PageCanvas>(hwnd(), surface_, fonts_, cache_);
    }
    return *canvas_;
}

void SkinnedHost::endModal(DialogEnd end) {
    // The main window ends only with the process.
    if (!modal_)
        return;
    endCode_ = static_cast<INT_PTR>(end);
    ended_ = true;
    // Wakes the loop, which may be waiting for a message.
    if (hwnd_ != nullptr)
        PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void SkinnedHost::dragWindow(int x, int y) {
    POINT press{x, y};
    RECT frame{};
    if (!ClientToScreen(hwnd(), &press) || !GetWindowRect(hwnd(), &frame))
        return;  // without the window's place there is nothing to move it from
    // The queue's own state: the button as it was when the press was taken from the queue
    // and any message after it (a release that came first ends it here).
    const bool buttonDown = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (!drag_.begin(ScreenPoint{press.x, press.y}, ScreenPoint{frame.left, frame.top},
                     pressInHand_, buttonDown)) {
        return;
    }
    // The release then comes here wherever the pointer is; a refused capture shows as
    // WM_CAPTURECHANGED or a move with the button up, which end the drag.
    SetCapture(hwnd());
}

void SkinnedHost::onPress(LPARAM lParam) {
    endDrag();
    pressInHand_ = true;
    model_.onPress(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), *this);
    pressInHand_ = false;
}

bool SkinnedHost::dragMove(WPARAM wParam, LPARAM lParam) {
    if (!drag_.active())
        return false;
    POINT pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!ClientToScreen(hwnd(), &pointer)) {
        endDrag();
        return true;
    }
    const std::optional<ScreenPoint> origin =
        drag_.move(ScreenPoint{pointer.x, pointer.y}, (wParam & MK_LBUTTON) != 0);
    if (!origin) {
        endDrag();
        return true;
    }
    // A refused move leaves the window where it was; the next move tries again.
    (void)SetWindowPos(hwnd(), nullptr, origin->x, origin->y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void SkinnedHost::endDrag() {
    if (!drag_.active())
        return;
    drag_.end();
    // Ended by the loss of the capture, there is none left to give back; otherwise giving it
    // back cannot fail in a way that would keep the drag, which is over already.
    if (GetCapture() == hwnd())
        (void)ReleaseCapture();
}

void SkinnedHost::trackHover(HoverRequest request) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | (request == HoverRequest::RestAndLeave ? TME_LEAVE : 0);
    track.hwndTrack = hwnd();
    track.dwHoverTime = kHoverTimeMs;
    // A refused request only means no highlight this time; the next move asks again.
    (void)TrackMouseEvent(&track);
}

HookInstall SkinnedHost::installKeyboardHook() {
    return hook_.install(*this);
}

void SkinnedHost::removeKeyboardHook() {
    hook_.remove();
}

std::optional<Colour> SkinnedHost::chooseColour(Colour initial) {
    return runColourDialog(hwnd(), initial);
}

void SkinnedHost::hookedKey(const HookedKey& key) {
    model_.onHookedKey(key, *this);
}

void SkinnedHost::onCreated() {
    if (extension_ != nullptr) {
        extension_->onCreated();
    } else if (hwnd() != nullptr) {
        // The sub-dialog templates are not visible; the run shows the dialog once it is set up.
        ShowWindow(hwnd(), SW_SHOW);
    }
}

void SkinnedHost::onInitDialog() {
    controls_.attach(hwnd());
    const std::string_view background = model_.backgroundImage();
    if (!background.empty()) {
        if (!adoptBackground(shared_.skinDirectory + std::string(background)) &&
            !model_.loadFailureCaption().empty()) {
            messages_.show(kBackgroundErrorText, model_.loadFailureCaption());
            // Sized to a missing image the dialog would be an invisible modal window that
            // nothing can reach: end it as cancelled instead.
            endModal(DialogEnd::Cancel);
            return;
        }
        createFonts(shared_.languageCode);
    }
    model_.onInit(*this);
}

bool SkinnedHost::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (extension_ != nullptr && extension_->onMessage(message, wParam, lParam, result))
        return true;
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog();
            result = TRUE;
            return true;
        case WM_ERASEBKGND:
            model_.onPaint(*this);
            // The surface must be out of the canvas's context before the erase selects it.
            if (canvas_)
                canvas_->copyToScreen();
            result = eraseBackground(hwnd(), reinterpret_cast<HDC>(wParam), surface_);
            return true;
        case WM_LBUTTONDOWN:
            onPress(lParam);
            return true;
        case WM_LBUTTONUP:
            endDrag();
            return false;
        case WM_CAPTURECHANGED:
            drag_.end();
            return false;
        case WM_ENABLE:
            // A dialog or message box opens over the window (or has closed): whatever press
            // was in hand is over.
            pressInHand_ = false;
            endDrag();
            // Nothing stays lit under a dialog: the pointer's leaving is never reported.
            if (wParam == FALSE)
                model_.onMouseLeave(*this);
            return false;
        case WM_SHOWWINDOW:
            if (wParam == FALSE)
                endDrag();
            return false;
        case WM_MOUSEMOVE:
            if (dragMove(wParam, lParam))
                return true;
            model_.onMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), *this);
            return false;
        case WM_MOUSEHOVER:
            model_.onHover(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), *this);
            return true;
        case WM_MOUSEWHEEL:
            model_.onMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), *this);
            return true;
        case WM_MOUSELEAVE:
            model_.onMouseLeave(*this);
            return false;
        case WM_COMMAND:
            return onCommand(wParam, lParam);
        case WM_CLOSE:
            model_.onCancelRequest(*this);
            return true;
        case WM_HELP:
            // F1 has no help to give.
            result = TRUE;
            return true;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            result = onColourRequest(message, reinterpret_cast<HDC>(wParam),
                                     reinterpret_cast<HWND>(lParam));
            return result != 0;
        case WM_NCPAINT:
            if (!model_.onNonClientPaint(*this))
                return false;
            result = 0;
            return true;
        case WM_DESTROY:
            model_.onDestroy(*this);
            onDestroy();
            return false;
        default:
            return false;
    }
}

bool SkinnedHost::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam == 0) {
        // The dialog manager's Enter and Escape; only a model's own OK button confirms.
        if (id == IDCANCEL)
            model_.onCancelRequest(*this);
        else if (id == IDOK)
            model_.onOkRequest(*this);
        else
            model_.onMenuCommand(id, *this);
        return true;
    }
    const std::optional<ControlKind> kind = controls_.kindOf(id);
    if (kind == ControlKind::List) {
        if (code == LBN_SELCHANGE)
            model_.onListSelectionChange(id, *this);
        else if (code == LBN_DBLCLK)
            model_.onListDoubleClick(id, *this);
        return true;
    }
    if (kind == ControlKind::Edit || kind == ControlKind::NumberEdit ||
        kind == ControlKind::FramedNumber) {
        if (code == EN_CHANGE)
            model_.onEditChange(id, *this);
        else if (code == EN_KILLFOCUS)
            model_.onEditKillFocus(id, *this);
        return true;
    }
    return false;
}

LRESULT SkinnedHost::onColourRequest(UINT message, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    const ControlKind kind = controls_.kindOf(id).value_or(kindOfRequest(message));
    const std::optional<ColourAnswer> answer = model_.colourFor(id, kind, *this);
    if (!answer)
        return 0;
    SetTextColor(dc, colorRef(answer->text));
    if (answer->textBackground) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, colorRef(*answer->textBackground));
    } else {
        SetBkMode(dc, TRANSPARENT);
        // List boxes fill each entry with the background colour whatever the mode.
        SetBkColor(dc, colorRef(answer->brush));
    }
    if (answer->textFont && fonts_.font(FontRole::Text) != nullptr)
        SelectObject(dc, fonts_.font(FontRole::Text));
    // One brush at a time: the one handed out for the previous request is no longer in use.
    UniqueBrush brush(CreateSolidBrush(colorRef(answer->brush)));
    if (!brush)
        return 0;
    brush_ = std::move(brush);
    return reinterpret_cast<LRESULT>(brush_.get());
}

void SkinnedHost::onDestroy() {
    hook_.remove();
    canvas_.reset();
}

bool SkinnedHost::preTranslateMessage(MSG& msg) {
    if (hwnd() == nullptr || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)))
        return false;
    if (isKeyMessage(msg.message)) {
        const KeyPhase phase = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN
                                   ? KeyPhase::Down
                                   : KeyPhase::Up;
        return model_.onKeyBeforeDialogManager(static_cast<unsigned>(msg.wParam), phase, *this);
    }
    if (msg.message == WM_MOUSEMOVE && msg.hwnd != hwnd()) {
        model_.onChildMouseMove(GetDlgCtrlID(msg.hwnd), GET_X_LPARAM(msg.lParam),
                                GET_Y_LPARAM(msg.lParam), *this);
    }
    // The list itself still gets the press; the model only learns of it first.
    if (msg.message == WM_RBUTTONDOWN && msg.hwnd != hwnd())
        model_.onChildRightButtonDown(GetDlgCtrlID(msg.hwnd), *this);
    return false;
}

}  // namespace quorvel::win32
