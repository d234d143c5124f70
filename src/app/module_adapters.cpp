#include "app/module_adapters.h"

#include "config/config_file.h"
#include "config/ini_file.h"
#include "config/settings_file.h"

namespace quorvel {

LinkDeviceControl::LinkDeviceControl(DeviceLink& link, NoticeHandler forward)
    : link_(link), forward_(std::move(forward)) {
    // The window shows the handshake's verdict itself, once its language is known.
    link_.setNoticeHandler(nullptr);
}

LinkDeviceControl::~LinkDeviceControl() {
    if (reader_)
        reader_->stop();
}

bool LinkDeviceControl::discover() {
    return link_.discoverDevice();
}

bool LinkDeviceControl::handshake() {
    return link_.handshake();
}

bool LinkDeviceControl::createNotificationReader() {
    reader_ = std::make_unique<NotificationReader>(link_, forward_);
    return true;
}

void LinkDeviceControl::startNotificationReader() {
    if (reader_)
        reader_->start();
}

int LinkDeviceControl::refreshSensorInfo() {
    sensorType_ = link_.exchangeSensorInformation().sensorType;
    return *sensorType_;
}

void LinkDeviceControl::applyToDevice(const MouseConfig& config, int sensorType) {
    quorvel::applyToDevice(link_, config, sensorType, applyState_);
    ++sends_;
}

void LinkDeviceControl::switchTo(const MouseConfig& config) {
    // A switch before the window was ever shown learns the sensor as the first showing does.
    const int sensorType = sensorType_ ? *sensorType_ : refreshSensorInfo();
    (void)switchDevice(link_, config, sensorType, applyState_);
    ++sends_;
}

void LinkDeviceControl::closeHandles() {
    link_.close();
}

FileSettingsStore::FileSettingsStore(FilesPort& files, MessageBoxPort& messages,
                                     std::string executablePath)
    : files_(files),
      messages_(messages),
      executablePath_(std::move(executablePath)),
      paths_(ProgramPaths::fromExecutable(executablePath_)) {}

void FileSettingsStore::loadConfigFile(MouseConfig& config) {
    firstRunFlag_ = quorvel::loadConfigFile(files_, messages_, paths_, config).firstRunFlag;
}

void FileSettingsStore::saveConfigFile(const MouseConfig& config) {
    quorvel::saveConfigFile(files_, messages_, paths_, config);
}

std::string FileSettingsStore::readLanguageCode() {
    return quorvel::readLanguageCode(IniFile(files_, paths_.settingsFile));
}

SettingsTexts FileSettingsStore::readSettings(std::string_view section) {
    return quorvel::readSettings(IniFile(files_, paths_.settingsFile), section);
}

void FileSettingsStore::writeButtonLabels(std::string_view section, const ButtonLabels& labels) {
    IniFile settings(files_, paths_.settingsFile);
    // Failed writes go unnoticed by design: the labels stay in memory until the next Apply.
    (void)quorvel::writeButtonLabels(settings, section, labels);
}

bool FileSettingsStore::writeSkinChoice(const SkinChoice& choice) {
    IniFile settings(files_, paths_.settingsFile);
    return quorvel::writeSkinChoice(settings, choice);
}

}  // namespace quorvel
