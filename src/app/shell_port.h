// What the main window asks of the desktop shell: tray, balloons, menus, window visibility.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/notices.h"
#include "app/popup_menu.h"
#include "ports/message_box.h"
#include "ui/modal_runner.h"

namespace quorvel {

// runModal runs a sub-dialog on the user-interface thread until it ends.
class ShellPort : public MessageBoxPort, public ModalRunner {
  public:
    // One icon with the program's main icon and this tip; false when the shell refused it.
    virtual bool addTrayIcon(std::string_view tip) = 0;
    virtual void showBalloon(const Balloon& balloon) = 0;
    virtual void removeTrayIcon() = 0;
    // The tip of the icon added; nothing when there is none.
    virtual void setTrayTip(std::string_view tip) = 0;
    // The tray menu at the pointer; choosing an item sends its command to the window.
    virtual void showTrayMenu(const PopupMenu& menu) = 0;
    // The file names of the programs with a visible window, this one left out.
    virtual std::vector<std::string> programsWithWindows() = 0;
    // Shows the folder, made first if it is missing; false when neither worked.
    virtual bool openFolder(const std::string& path) = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    virtual void bringToForeground() = 0;
    virtual void openUrl(std::string_view url) = 0;
    // Destroys the window (its clean-up runs) and ends the process with this code.
    virtual void endProcess(int exitCode) = 0;
};

}  // namespace quorvel
