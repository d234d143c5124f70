// A window context for running dialog models without windows: fake controls, the last image
// drawn at each spot, the texts drawn, the messages shown and how the run ended.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_controls.h"
#include "support/recording_message_box.h"
#include "ui/skinned_window.h"

namespace quorvel::test {

class PictureCanvas : public Canvas {
  public:
    bool drawImage(std::string_view fileName, int x, int y) override {
        images[{x, y}] = std::string(fileName);
        return true;
    }
    void drawText(std::string_view text, const Rect& rect, TextPlacement, FontRole,
                  Colour colour) override {
        texts.push_back({std::string(text), rect, colour});
    }
    void copyToScreen() override { ++copies; }

    std::string imageAt(int x, int y) const {
        const auto found = images.find({x, y});
        return found == images.end() ? std::string() : found->second;
    }
    // The last text drawn in a rectangle with this top-left corner.
    std::string textAt(int x, int y) const {
        for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
            if (it->rect.left == x && it->rect.top == y)
                return it->text;
        }
        return {};
    }

    struct DrawnText {
        std::string text;
        Rect rect;
        Colour colour;
    };
    std::map<std::pair<int, int>, std::string> images;
    std::vector<DrawnText> texts;
    int copies = 0;
};

class FakeDialogContext : public WindowContext {
  public:
    Canvas& canvas() override { return picture; }
    ControlsPort& controls() override { return fakeControls; }
    MessageBoxPort& messages() override { return messageBox; }
    void endModal(DialogEnd end) override { ended = end; }
    void dragWindow(int, int) override { dragged = true; }
    void trackHover(HoverRequest request) override { hoverRequests.push_back(request); }
    HookInstall installKeyboardHook() override {
        hookInstalled = hookRefusal == 0;
        return {hookInstalled, hookRefusal};
    }
    void removeKeyboardHook() override { hookInstalled = false; }
    std::optional<Colour> chooseColour(Colour initial) override {
        colourDialogStarts.push_back(initial);
        return colourDialogAnswer;
    }

    PictureCanvas picture;
    FakeControls fakeControls;
    testing::RecordingMessageBox messageBox;
    std::optional<DialogEnd> ended;
    bool dragged = false;
    std::vector<HoverRequest> hoverRequests;
    bool hookInstalled = false;
    std::uint32_t hookRefusal = 0;  // the error code a refused install reports
    std::vector<Colour> colourDialogStarts;
    std::optional<Colour> colourDialogAnswer;  // empty: the colour dialog is cancelled
};

}  // namespace quorvel::test
