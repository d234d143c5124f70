// What the advanced page asks of the main window beyond its host: the caption it shows while
// recording, and the one-item popup menu of the key press sequence.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "pages/advanced_page.h"

namespace quorvel::win32 {

class PageWindowServices : public WindowCaptionPort, public ItemMenuPort {
  public:
    // The window does not exist yet when this is made: it is asked for each time it is needed.
    void attach(std::function<HWND()> window) { window_ = std::move(window); }

    std::string caption() const override;
    void setCaption(std::string_view text) override;
    bool chooseItemMenu(std::string_view itemText) override;

  private:
    HWND window() const { return window_ ? window_() : nullptr; }

    std::function<HWND()> window_;
};

}  // namespace quorvel::win32
