// The main window's ports over the real modules: the device link and the settings files.
#pragma once

#include <memory>
#include <optional>

#include "app/main_window_ports.h"
#include "app/profile_switcher.h"
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

    // A profile switch: only what differs from what this run last sent, Apply's included.
    void switchTo(const MouseConfig& config);
    std::uint64_t sendCount() const { return sends_; }
    void forgetSent() { applyState_.sent.reset(); }

  private:
    DeviceLink& link_;
    NoticeHandler forward_;
    std::unique_ptr<NotificationReader> reader_;
    // One "what this run last sent" for the window's Apply and the profile switches.
    ApplyState applyState_;
    std::uint64_t sends_ = 0;
    std::optional<int> sensorType_;
};

// The mouse as the profile switcher reaches it; the base is the record as config.bin holds it.
class LinkSwitchDevice : public SwitchDevicePort {
  public:
    LinkSwitchDevice(LinkDeviceControl& control, const ConfigRecords& records)
        : control_(control), records_(records) {}
    bool connected() const override { return control_.connected(); }
    void switchTo(const MouseConfig& config) override { control_.switchTo(config); }
    std::uint64_t sendCount() const override { return control_.sendCount(); }
    void forgetSent() override { control_.forgetSent(); }
    // The backup is what the last Apply saved, or what start-up loaded.
    MouseConfig baseConfiguration() const override { return records_.backup; }

  private:
    LinkDeviceControl& control_;
    const ConfigRecords& records_;
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
