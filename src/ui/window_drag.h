// Moving a frameless window by a press on its background. The host captures the pointer and
// feeds this rule every move; the rule alone decides whether a drag is on, so a drag that
// outlives its button cannot happen: a move with the button found up ends it, as do the
// release and the loss of the capture.
#pragma once

#include <optional>

namespace quorvel {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

class WindowDrag {
  public:
    // A press no area took asks for a drag. It starts only when the press is still the
    // message in hand (no dialog ran and no page was rebuilt while it was handled) and the
    // button is still down.
    bool begin(ScreenPoint pointer, ScreenPoint windowOrigin, bool pressInHand, bool buttonDown) {
        if (!pressInHand || !buttonDown)
            return false;
        grab_ = Grab{pointer, windowOrigin};
        return true;
    }

    // The window's new origin while the button is down; empty when no drag is on. A move
    // with the button up ends the drag.
    std::optional<ScreenPoint> move(ScreenPoint pointer, bool buttonDown) {
        if (!grab_)
            return std::nullopt;
        if (!buttonDown) {
            grab_.reset();
            return std::nullopt;
        }
        return ScreenPoint{grab_->origin.x + pointer.x - grab_->pointer.x,
                           grab_->origin.y + pointer.y - grab_->pointer.y};
    }

    // The release, the loss of the capture, a dialog opening over the window.
    void end() { grab_.reset(); }
    bool active() const { return grab_.has_value(); }

  private:
    struct Grab {
        ScreenPoint pointer;
        ScreenPoint origin;
    };
    std::optional<Grab> grab_;
};

}  // namespace quorvel
