// The basic settings page as a model over the skinned-window layer: its areas, what a press
// on them does, and how it is drawn. Owned by the main window, shown while the page state is
// Basic.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/mouse_config.h"
#include "config/settings_file.h"
#include "ui/hit_map.h"
#include "ui/language_texts.h"
#include "ui/shared_ui_state.h"
#include "ui/skin_images.h"
#include "ui/skinned_window.h"

namespace quorvel {

// The labels of the key boxes: Mode A buttons 0 to 7, then Mode B.
using KeyLabels = std::array<std::string, kButtonLabelCount>;

// The labels a first run and "Default" give: functions 0 to 4, "DPI Loop", "Key Off".
KeyLabels defaultLabelTexts(const LanguageTexts& texts);

enum class BasicPageArea : std::uint8_t { ModeA, ModeB, KeyRestore };

// In dispatch order; Mode A and Mode B share x = 357, where Mode A wins.
inline constexpr std::array<HitArea<BasicPageArea>, 3> kBasicPageAreas = {{
    {{253, 518, 358, 539},
     BasicPageArea::ModeA,
     false,
     kNoHoverGroup,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{357, 518, 462, 539},
     BasicPageArea::ModeB,
     false,
     kNoHoverGroup,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{307, 549, 412, 570},
     BasicPageArea::KeyRestore,
     false,
     kNoHoverGroup,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
}};

class BasicPage {
  public:
    // All three outlive the page; `texts` may change language before the page is first shown.
    BasicPage(SharedUiState& shared, KeyLabels& labels, const LanguageTexts& texts)
        : shared_(shared), labels_(labels), texts_(texts) {}

    // Builds the page in the window's surface and shows it.
    void show(WindowContext& window);
    // A press that no fixed button stopped; false when it hit none of the page's areas.
    bool press(int x, int y, WindowContext& window);

    // The key configuration shown: Mode A or Mode B.
    void selectShownMode(Mode mode, WindowContext& window);
    // "Default": the first-run assignment and labels of both modes.
    void restoreDefaultAssignment(WindowContext& window);

  private:
    SharedUiState& shared_;
    KeyLabels& labels_;
    const LanguageTexts& texts_;
};

}  // namespace quorvel
