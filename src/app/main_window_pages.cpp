#include "app/main_window_pages.h"

#include "ui/painters.h"
#include "ui/skin_images.h"

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

std::optional<TextId> captionOf(AdvancedControl control) {
    switch (control) {
        case AdvancedControl::Default:
            return TextId::AdvancedDefault;
        case AdvancedControl::New:
            return TextId::New;
        case AdvancedControl::Delete:
            return TextId::Delete;
        case AdvancedControl::Confirm:
            return TextId::Confirm;
        default:
            return std::nullopt;
    }
}

template <typename Action>
bool hoverableAt(HitMap<Action> map, int x, int y) {
    for (const HitArea<Action>& area : map) {
        if (area.hoverGroup != kNoHoverGroup && area.rect.contains(x, y))
            return true;
    }
    return false;
}

}  // namespace

MainWindowPages::MainWindowPages(BasicPageEnv env, AdvancedPageServices advanced)
    : env_(env),
      basic_(env),
      advanced_(advanced),
      fixedHover_(HitMap<FixedButton>(kFixedButtons)),
      advancedHover_(HitMap<AdvancedAction>(kAdvancedPageAreas)) {}

Colour MainWindowPages::textColour() const {
    const Colour c = env_.shared.textColour;
    return rgbColour(c.red, c.green, c.blue);
}

void MainWindowPages::paintFixed(Canvas& canvas, std::size_t index, bool over) const {
    const HitArea<FixedButton>& area = kFixedButtons[index];
    if (const auto caption = captionOf(area.action)) {
        paintTextButton(canvas, area.rect, over, env_.texts.text(*caption), textColour());
    } else if (!area.normalImage.empty()) {
        paintImageButton(canvas, area, over);
    }
}

void MainWindowPages::paintAdvancedArea(Canvas& canvas, std::size_t index, bool over) const {
    const HitArea<AdvancedAction>& area = kAdvancedPageAreas[index];
    if (const auto caption = captionOf(area.action.control))
        paintTextButton(canvas, area.rect, over, env_.texts.text(*caption), textColour());
}

void MainWindowPages::paintFixedButtons(Canvas& canvas) const {
    for (std::size_t i = 0; i < kFixedButtons.size(); ++i)
        paintFixed(canvas, i, false);
}

void MainWindowPages::paint(PageState page, WindowContext& context) {
    Canvas& canvas = context.canvas();
    fixedHover_.clearAll();
    advancedHover_.clearAll();
    if (page == PageState::Basic) {
        basic_.paint(context);
    } else if (page == PageState::Advanced) {
        // Shown first: the system's values and record.ini are what the page then draws.
        advanced_.show(context);
        canvas.drawImage(skin_image::kAdvancedBackground, 0, 0);
        advanced_.paint(canvas);
    }
    paintFixedButtons(canvas);
    canvas.copyToScreen();
}

void MainWindowPages::press(PageState page, int x, int y, WindowContext& context,
                            const std::function<void(FixedButton)>& perform) {
    const DispatchResult fixed =
        dispatchPress<FixedButton>(kFixedButtons, x, y, [&](FixedButton b) { perform(b); });
    if (fixed.stopped)
        return;
    bool taken = false;
    if (page == PageState::Basic) {
        taken = basic_.press(x, y, context);
    } else if (page == PageState::Advanced) {
        taken = advanced_.press(x, y, context);
    }
    // A press the page's areas do not take moves the window, also after OK, Apply, Skins or
    // Cancel acted: the system's move ends with the button's release.
    if (!taken)
        context.dragWindow(x, y);
}

bool MainWindowPages::pageHoverableAt(PageState page, int x, int y) const {
    if (page == PageState::Basic)
        return basic_.hoverableAt(x, y);
    if (page == PageState::Advanced)
        return hoverableAt<AdvancedAction>(kAdvancedPageAreas, x, y);
    return false;
}

void MainWindowPages::move(PageState page, int x, int y, WindowContext& context) {
    if (hoverableAt<FixedButton>(kFixedButtons, x, y) || pageHoverableAt(page, x, y)) {
        context.trackHover(HoverRequest::RestAndLeave);
        return;
    }
    pointerLeft(context);
}

bool MainWindowPages::clearPageHover(Canvas& canvas) {
    bool drew = basic_.clearHover(canvas);
    for (std::size_t index : advancedHover_.clearAll()) {
        paintAdvancedArea(canvas, index, false);
        drew = true;
    }
    return drew;
}

void MainWindowPages::pointerLeft(WindowContext& context) {
    Canvas& canvas = context.canvas();
    bool drew = false;
    for (std::size_t index : fixedHover_.clearAll()) {
        paintFixed(canvas, index, false);
        drew = true;
    }
    drew = clearPageHover(canvas) || drew;
    if (drew)
        canvas.copyToScreen();
}

void MainWindowPages::rest(PageState page, int x, int y, WindowContext& context) {
    Canvas& canvas = context.canvas();
    // One lit control at most: the one under the pointer, fixed or the page's own.
    const HoverStep fixed = fixedHover_.rest(x, y);
    for (std::size_t index : fixed.toNormal)
        paintFixed(canvas, index, false);
    if (fixed.lit)
        paintFixed(canvas, *fixed.lit, true);
    bool drew = fixed.redraws();
    if (fixed.lit) {
        drew = clearPageHover(canvas) || drew;
    } else if (page == PageState::Basic) {
        drew = basic_.rest(x, y, canvas) || drew;
    } else if (page == PageState::Advanced) {
        const HoverStep step = advancedHover_.rest(x, y);
        for (std::size_t index : step.toNormal)
            paintAdvancedArea(canvas, index, false);
        if (step.lit)
            paintAdvancedArea(canvas, *step.lit, true);
        drew = step.redraws() || drew;
    }
    if (drew)
        canvas.copyToScreen();
}

void MainWindowPages::leave(PageState page, WindowContext& context) {
    fixedHover_.clearAll();
    advancedHover_.clearAll();
    if (page == PageState::Basic)
        basic_.hideChildren(context.controls());
    else if (page == PageState::Advanced)
        advanced_.leave(context);
}

void MainWindowPages::onListChoice(PageState page, int id, WindowContext& context) {
    if (page == PageState::Basic && BasicPage::ownsControl(id))
        basic_.onListChoice(id, context);
    else if (page == PageState::Advanced && AdvancedPage::ownsControl(id))
        advanced_.listSelectionChange(id, context);
}

void MainWindowPages::onListDoubleClick(PageState page, int id, WindowContext& context) {
    if (page == PageState::Basic && BasicPage::ownsControl(id))
        basic_.onListChoice(id, context);
    else if (page == PageState::Advanced && AdvancedPage::ownsControl(id))
        advanced_.listDoubleClick(id, context);
}

void MainWindowPages::onEditChange(PageState page, int id, WindowContext& context) {
    if (page == PageState::Advanced && AdvancedPage::ownsControl(id))
        advanced_.editChange(id, context);
}

void MainWindowPages::onChildMouseMove(PageState page, int id, int x, int y,
                                       WindowContext& context) {
    if (page == PageState::Basic)
        basic_.onChildMouseMove(id, x, y, context);
    else if (page == PageState::Advanced)
        advanced_.childMouseMove(id, x, y, context);
}

void MainWindowPages::onChildRightButtonDown(PageState page, int id, WindowContext& context) {
    if (page == PageState::Advanced)
        advanced_.childRightButtonDown(id, context);
}

void MainWindowPages::onHookedKey(PageState page, const HookedKey& key, WindowContext& context) {
    if (page == PageState::Advanced)
        advanced_.hookedKey(key, context);
}

bool MainWindowPages::takesKey(PageState page, KeyPhase phase) {
    return page == PageState::Advanced && advanced_.keyBeforeDialogManager(phase);
}

std::optional<ColourAnswer> MainWindowPages::colourFor(PageState page, int id,
                                                       ControlKind kind) const {
    if (page == PageState::Basic && BasicPage::ownsControl(id))
        return basic_.colourFor(id, kind);
    if (page == PageState::Advanced && AdvancedPage::ownsControl(id))
        return advanced_.colourFor(id);
    if (kind == ControlKind::List)
        return ColourAnswer{kWhite, std::nullopt, kBlack, false};
    if (kind == ControlKind::StaticText || kind == ControlKind::CentredLabel)
        return ColourAnswer{textColour(), kStaticBackground, kStaticBackground, true};
    return std::nullopt;
}

}  // namespace quorvel
