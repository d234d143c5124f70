// What the advanced page asks of the main window beyond its host: the caption it shows while
// recording, and the one-item popup menu of the key press sequence.
#pragma once

#include <windows.h>

#include "pages/advanced_page.h"

namespace quorvel::win32 {

class PageWindowServices : public WindowCaptionPort, public ItemMenuPort {
  public:
    // The window may not exist yet when this is made.
    void attach(HWND window) { window_ = window; }

    std::string caption() const override;
    void setCaption(std::string_view text) override;
    bool chooseItemMenu(std::string_view itemText) override;

  private:
    HWND window_ = nullptr;
};

}  // namespace quorvel::win32
