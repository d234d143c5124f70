#include "app/main_window_pages.h"

#include "ui/painters.h"

namespace quorvel {
namespace {

std::optional<TextId> captionOf(FixedButton button) {
    switch (button) {
        case FixedButton::Ok:
            return TextId::OK;
        case FixedButton::Apply:
            return TextId::Apply;
        case FixedButton::Cancel:
            return TextId::Cancel;
        default:
            return std::nullopt;
    }
}

}  // namespace

MainWindowPages::MainWindowPages(BasicPageEnv env, AdvancedPageServices advanced)
    : env_(env),
      basic_(env),
      advanced_(advanced),
      fixedHover_(HitMap<FixedButton>(kFixedButtons)) {}

Page* MainWindowPages::page() {
    switch (shown_) {
        case PageState::Basic:
            return &basic_;
        case PageState::Advanced:
            return &advanced_;
        case PageState::None:
            break;
    }
    return nullptr;
}

const Page* MainWindowPages::page() const {
    return const_cast<MainWindowPages*>(this)->page();
}

Page* MainWindowPages::owner(int id) {
    Page* shown = page();
    return shown != nullptr && shown->ownsControl(id) ? shown : nullptr;
}

Colour MainWindowPages::textColour() const {
    return env_.shared.textColour;
}

void MainWindowPages::paintFixed(Canvas& canvas, std::size_t index, bool over) const {
    const HitArea<FixedButton>& area = kFixedButtons[index];
    if (const auto caption = captionOf(area.action)) {
        paintTextButton(canvas, area.rect, over, env_.texts.text(*caption), textColour());
    } else if (!area.normalImage.empty()) {
        paintImageButton(canvas, area, over);
    }
}

void MainWindowPages::show(PageState kind, WindowContext& context) {
    shown_ = kind;
    fixedHover_.clearAll();
    Canvas& canvas = context.canvas();
    if (Page* shown = page())
        shown->paint(context);
    for (std::size_t i = 0; i < kFixedButtons.size(); ++i)
        paintFixed(canvas, i, false);
    canvas.copyToScreen();
}

void MainWindowPages::leave(WindowContext& context) {
    fixedHover_.clearAll();
    if (Page* shown = page())
        shown->leave(context);
    shown_ = PageState::None;
}

void MainWindowPages::press(int x, int y, WindowContext& context,
                            const std::function<void(FixedButton)>& perform) {
    const DispatchResult fixed =
        dispatchPress<FixedButton>(kFixedButtons, x, y, [&](FixedButton b) { perform(b); });
    if (fixed.stopped)
        return;
    Page* shown = page();
    const bool taken = shown != nullptr && shown->press(x, y, context);
    // A press the page's areas do not take moves the window, also after OK, Apply, Skins or
    // Cancel acted: the system's move ends with the button's release.
    if (!taken)
        context.dragWindow(x, y);
}

void MainWindowPages::move(int x, int y, WindowContext& context) {
    Page* shown = page();
    if (fixedHover_.hoverableAt(x, y) || (shown != nullptr && shown->hoverableAt(x, y))) {
        context.trackHover(HoverRequest::RestAndLeave);
        return;
    }
    pointerLeft(context);
}

void MainWindowPages::pointerLeft(WindowContext& context) {
    Canvas& canvas = context.canvas();
    const auto paint = [&](std::size_t i, bool over) { paintFixed(canvas, i, over); };
    bool drew = fixedHover_.clearAndRedraw(paint);
    if (Page* shown = page())
        drew = shown->clearHover(canvas) || drew;
    if (drew)
        canvas.copyToScreen();
}

void MainWindowPages::rest(int x, int y, WindowContext& context) {
    Canvas& canvas = context.canvas();
    // One lit control at most: the one under the pointer, fixed or the page's own.
    const HoverStep fixed = fixedHover_.restAndRedraw(
        x, y, [&](std::size_t i, bool over) { paintFixed(canvas, i, over); });
    bool drew = fixed.redraws();
    if (Page* shown = page()) {
        drew = (fixed.lit ? shown->clearHover(canvas) : shown->rest(x, y, canvas)) || drew;
    }
    if (drew)
        canvas.copyToScreen();
}

void MainWindowPages::onListSelectionChange(int id, WindowContext& context) {
    if (Page* page = owner(id))
        page->onListSelectionChange(id, context);
}

void MainWindowPages::onListDoubleClick(int id, WindowContext& context) {
    if (Page* page = owner(id))
        page->onListDoubleClick(id, context);
}

void MainWindowPages::onEditChange(int id, WindowContext& context) {
    if (Page* page = owner(id))
        page->onEditChange(id, context);
}

void MainWindowPages::onChildMouseMove(int id, int x, int y, WindowContext& context) {
    if (Page* shown = page())
        shown->onChildMouseMove(id, x, y, context);
}

void MainWindowPages::onChildRightButtonDown(int id, WindowContext& context) {
    if (Page* shown = page())
        shown->onChildRightButtonDown(id, context);
}

void MainWindowPages::onHookedKey(const HookedKey& key, WindowContext& context) {
    if (Page* shown = page())
        shown->onHookedKey(key, context);
}

bool MainWindowPages::onKeyBeforeDialogManager(KeyPhase phase) {
    Page* shown = page();
    return shown != nullptr && shown->onKeyBeforeDialogManager(phase);
}

std::optional<ColourAnswer> MainWindowPages::colourFor(int id, ControlKind kind) const {
    const Page* shown = page();
    if (shown != nullptr && shown->ownsControl(id))
        return shown->colourFor(id, kind);
    if (kind == ControlKind::List)
        return ColourAnswer{kWhite, std::nullopt, kBlack, false};
    if (kind == ControlKind::StaticText || kind == ControlKind::CentredLabel)
        return ColourAnswer{textColour(), kStaticBackground, kStaticBackground, true};
    return std::nullopt;
}

}  // namespace quorvel
