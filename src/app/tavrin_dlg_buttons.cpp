// The fixed buttons of the main window, Apply, Cancel and the key configurations.
#include "app/tavrin_dlg.h"

namespace quorvel {
namespace {

// The basic page's key-configuration buttons; the first hit wins (Mode A at x = 357).
enum class KeyConfigButton : std::uint8_t { ModeA, ModeB, Default };
constexpr std::array<HitArea<KeyConfigButton>, 3> kKeyConfigButtons = {{
    {{253, 518, 358, 539},
     KeyConfigButton::ModeA,
     false,
     kNoHoverGroup,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{357, 518, 462, 539},
     KeyConfigButton::ModeB,
     false,
     kNoHoverGroup,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{307, 549, 412, 570},
     KeyConfigButton::Default,
     false,
     kNoHoverGroup,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
}};

}  // namespace

void CTavrinDlg::onLButtonDown(int x, int y) {
    if (dispatchPress<FixedButton>(kFixedButtons, x, y, [&](FixedButton button) {
            perform(button);
        }).stopped) {
        return;
    }
    if (pageState_ == PageState::Basic) {
        const DispatchResult keyConfig =
            dispatchPress<KeyConfigButton>(kKeyConfigButtons, x, y, [&](KeyConfigButton button) {
                switch (button) {
                    case KeyConfigButton::ModeA:
                        selectShownMode(Mode::A);
                        break;
                    case KeyConfigButton::ModeB:
                        selectShownMode(Mode::B);
                        break;
                    case KeyConfigButton::Default:
                        restoreDefaultAssignment();
                        break;
                }
            });
        if (keyConfig.stopped)
            return;
    }
    ports_.pages.click(x, y);
}

void CTavrinDlg::perform(FixedButton button) {
    switch (button) {
        case FixedButton::Ok:
            if (!ports_.device.connected())
                return;
            apply();
            ports_.shell.hideWindow();
            return;
        case FixedButton::Apply:
            if (ports_.device.connected())
                apply();
            return;
        case FixedButton::Skins:
            chooseSkin();
            return;
        case FixedButton::Minimise:
            ports_.shell.hideWindow();
            return;
        case FixedButton::Close:
            exitProgram();
            return;
        case FixedButton::PreviousPage:
            showBasicPage();
            return;
        case FixedButton::NextPage:
            showAdvancedPage();
            return;
        case FixedButton::Cancel:
            cancel();
            return;
        case FixedButton::WebLink:
            ports_.shell.openUrl(kMakerWebAddress);
            return;
    }
}

void CTavrinDlg::apply() {
    MouseConfig& live = shared_.records.live;
    ports_.device.applyToDevice(live, shared_.sensorType);
    ports_.store.saveConfigFile(live);
    ports_.store.writeButtonLabels(texts_.sectionName(), labels_);
    shared_.records.takeBackup();
    ports_.pointer.apply(live);
}

void CTavrinDlg::cancel() {
    shared_.records.restoreBackup();
    restorePending_ = true;
    ports_.shell.hideWindow();
}

void CTavrinDlg::selectShownMode(Mode mode) {
    shared_.records.live.setShownMode(mode);
    ports_.pages.showBasicPage();
}

void CTavrinDlg::restoreDefaultAssignment() {
    applyDefaultAssignment(shared_.records.live);
    labels_ = defaultLabelTexts(texts_);
    ports_.pages.showBasicPage();
}

void CTavrinDlg::showBasicPage() {
    if (!deviceRead_) {
        // The first showing in a run learns the sensor; a first run also gets default labels.
        shared_.sensorType = ports_.device.refreshSensorInfo();
        if (!ports_.store.savedBefore()) {
            labels_ = defaultLabelTexts(texts_);
            ports_.store.writeButtonLabels(texts_.sectionName(), labels_);
        }
        deviceRead_ = true;
    }
    pageState_ = PageState::Basic;
    ports_.pages.showBasicPage();
}

void CTavrinDlg::chooseSkin() {
    const std::optional<SkinSetting> chosen = ports_.skins.choose(
        SkinSetting{shared_.skinDirectory, shared_.skinName, shared_.textColour});
    if (!chosen)
        return;
    shared_.skinDirectory = chosen->directory;
    shared_.skinName = chosen->name;
    shared_.textColour = chosen->textColour;
    settings_.skinName = chosen->name;
    const auto colourTexts = quorvel::colourTexts(chosen->textColour);
    settings_.redText = colourTexts[0];
    settings_.greenText = colourTexts[1];
    settings_.blueText = colourTexts[2];
    // Failed writes go unnoticed, as for the labels: the choice holds until the program ends.
    (void)ports_.store.writeSkinChoice(SkinChoice{chosen->textColour, chosen->name});
    ports_.host.useSkin(chosen->directory);
    // The shown page is built again from the new skin's images.
    const PageState shown = pageState_;
    pageState_ = PageState::None;
    if (shown == PageState::Basic)
        showBasicPage();
    else if (shown == PageState::Advanced)
        showAdvancedPage();
    ports_.shell.bringToForeground();
    ports_.shell.showWindow();
}

void CTavrinDlg::showAdvancedPage() {
    pageState_ = PageState::Advanced;
    ports_.pages.showAdvancedPage();
}

}  // namespace quorvel
