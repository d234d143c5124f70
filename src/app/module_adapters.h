// The main window's ports over the real modules: the device link and the settings files.
#pragma once

#include <memory>
#include <optional>

#include "app/main_window_ports.h"
#include "config/config_file.h"
#include "config/program_paths.h"
#include "device/apply_sequence.h"
#include "device/device_link.h"
#include "device/notification_reader.h"
#include "ports/files.h"
#include "ports/message_box.h"

namespace quorvel {

class LinkDeviceControl : public DeviceControlPort {
  public:
    // `forward` receives the mouse's notices on the reader thread.
    LinkDeviceControl(DeviceLink& link, NoticeHandler forward);
    ~LinkDeviceControl() override;

    bool discover() override;
    bool handshake() override;
    bool connected() const override { return link_.connected(); }
    void clearConnected() override { link_.setConnected(false); }
    bool hasNotificationEvent() const override { return link_.hasNotificationEvent(); }
    bool createNotificationReader() override;
    void startNotificationReader() override;
    int refreshSensorInfo() override;
    void applyToDevice(const MouseConfig& config, int sensorType) override;
    void closeHandles() override;

  private:
    DeviceLink& link_;
    NoticeHandler forward_;
    std::unique_ptr<NotificationReader> reader_;
    ApplyState applyState_;
};

class FileSettingsStore : public SettingsStorePort {
  public:
    FileSettingsStore(FilesPort& files, MessageBoxPort& messages, std::string executablePath);

    void loadConfigFile(MouseConfig& config) override;
    bool savedBefore() const override { return firstRunFlag_ != kFirstRunNotSaved; }
    void saveConfigFile(const MouseConfig& config) override;
    std::string readLanguageCode() override;
    SettingsTexts readSettings(std::string_view section) override;
    void writeButtonLabels(std::string_view section, const ButtonLabels& labels) override;
    bool writeSkinChoice(const SkinChoice& choice) override;
    const ProgramPaths& paths() const { return paths_; }

  private:
    FilesPort& files_;
    MessageBoxPort& messages_;
    std::string executablePath_;
    ProgramPaths paths_;
    std::uint8_t firstRunFlag_ = 0;
};

}  // namespace quorvel
