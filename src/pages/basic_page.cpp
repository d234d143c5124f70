#include "pages/basic_page.h"

namespace quorvel {
namespace {

constexpr std::string_view kDpiLoopLabel = "DPI Loop";

}  // namespace

KeyLabels defaultLabelTexts(const LanguageTexts& texts) {
    constexpr std::array<TextId, 5> kFirstFunctions = {
        TextId::LeftClick, TextId::RightClick, TextId::MidClick, TextId::Forward, TextId::Backward};
    KeyLabels labels;
    for (int mode = 0; mode < 2; ++mode) {
        const int base = mode * kButtonCount;
        for (std::size_t i = 0; i < kFirstFunctions.size(); ++i) {
            labels[base + i] = std::string(texts.text(kFirstFunctions[i]));
        }
        labels[base + 5] = std::string(kDpiLoopLabel);
        labels[base + 6] = std::string(texts.text(TextId::KeyOff));
        labels[base + 7] = std::string(texts.text(TextId::KeyOff));
    }
    return labels;
}

void BasicPage::show(WindowContext& window) {
    // The page's controls are drawn into the surface here as they are built; the background
    // itself is the page until then.
    window.canvas().copyToScreen();
}

bool BasicPage::press(int x, int y, WindowContext& window) {
    return dispatchPress<BasicPageArea>(kBasicPageAreas, x, y,
                                        [&](BasicPageArea area) {
                                            switch (area) {
                                                case BasicPageArea::ModeA:
                                                    selectShownMode(Mode::A, window);
                                                    return;
                                                case BasicPageArea::ModeB:
                                                    selectShownMode(Mode::B, window);
                                                    return;
                                                case BasicPageArea::KeyRestore:
                                                    restoreDefaultAssignment(window);
                                                    return;
                                            }
                                        })
        .hit;
}

void BasicPage::selectShownMode(Mode mode, WindowContext& window) {
    shared_.records.live.setShownMode(mode);
    show(window);
}

void BasicPage::restoreDefaultAssignment(WindowContext& window) {
    applyDefaultAssignment(shared_.records.live);
    labels_ = defaultLabelTexts(texts_);
    show(window);
}

}  // namespace quorvel
