// The fixed buttons of the main window, Apply, Cancel and the skin choice.
#include "app/main_window_model.h"

namespace quorvel {
void MainWindowModel::onPress(int x, int y, WindowContext& window) {
    pages_.press(x, y, window, [&](FixedButton button) { perform(button, window); });
}

void MainWindowModel::perform(FixedButton button, WindowContext& window) {
    switch (button) {
        case FixedButton::Ok:
            if (!ports_.device.connected())
                return;
            apply();
            hideMainWindow();
            return;
        case FixedButton::Apply:
            if (ports_.device.connected())
                apply();
            return;
        case FixedButton::Skins:
            chooseSkin(window);
            return;
        case FixedButton::Minimise:
            hideMainWindow();
            return;
        case FixedButton::Close:
            exitProgram();
            return;
        case FixedButton::PreviousPage:
            showBasicPage(window);
            return;
        case FixedButton::NextPage:
            showAdvancedPage(window);
            return;
        case FixedButton::Cancel:
            cancel();
            return;
        case FixedButton::WebLink:
            ports_.shell.openUrl(kMakerWebAddress);
            return;
    }
}

void MainWindowModel::apply() {
    MouseConfig& live = shared_.records.live;
    ports_.device.applyToDevice(live, shared_.sensorType);
    ports_.store.saveConfigFile(live);
    ports_.store.writeButtonLabels(texts_.sectionName(), labels_);
    shared_.records.takeBackup();
    ports_.pointer.apply(live);
}

void MainWindowModel::cancel() {
    shared_.records.restoreBackup();
    restorePending_ = true;
    hideMainWindow();
}

void MainWindowModel::showBasicPage(WindowContext& window) {
    if (pages_.shown() == PageState::Basic)
        return;
    pages_.leave(window);
    if (!deviceRead_) {
        // The first showing in a run learns the sensor; a first run also gets default labels.
        shared_.sensorType = ports_.device.refreshSensorInfo();
        if (!ports_.store.savedBefore()) {
            labels_ = defaultLabelTexts(texts_);
            ports_.store.writeButtonLabels(texts_.sectionName(), labels_);
        }
        deviceRead_ = true;
    }
    pages_.show(PageState::Basic, window);
}

void MainWindowModel::rebuildPage(WindowContext& window) {
    const PageState shown = pages_.shown();
    pages_.leave(window);
    if (shown == PageState::Basic)
        showBasicPage(window);
    else if (shown == PageState::Advanced)
        showAdvancedPage(window);
}

void MainWindowModel::chooseSkin(WindowContext& window) {
    const std::optional<SkinSetting> chosen = ports_.skins.choose(
        SkinSetting{shared_.skinDirectory, shared_.skinName, shared_.textColour});
    if (!chosen)
        return;
    shared_.skinDirectory = chosen->directory;
    shared_.skinName = chosen->name;
    shared_.textColour = chosen->textColour;
    // Failed writes go unnoticed, as for the labels: the choice holds until the program ends.
    (void)ports_.store.writeSkinChoice(SkinChoice{chosen->textColour, chosen->name});
    ports_.host.useSkin(chosen->directory);
    // The shown page is built again from the new skin's images.
    rebuildPage(window);
    ports_.shell.bringToForeground();
    showMainWindow();
}

void MainWindowModel::showAdvancedPage(WindowContext& window) {
    if (pages_.shown() == PageState::Advanced)
        return;
    pages_.leave(window);
    pages_.show(PageState::Advanced, window);
}

}  // namespace quorvel
