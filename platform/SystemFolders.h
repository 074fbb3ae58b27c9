// Folders of the user's system that the installer places files and shortcuts in.
//
// Each folder is first looked up in the settings registry under the value names the
// installer's scripts have always used ("Shell Folders" and "ProgramFilesDir"), so a
// machine can redirect them; otherwise it is the desktop's usual folder for the user.
// Results carry no trailing separator.
#pragma once

#include "platform/Registry.h"

#include <string>

namespace platform {

// Registry keys and value names of the system folders.
inline constexpr const char* ShellFoldersKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* CurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// "Programs" (current user): where start menu entries go; ~/.local/share/applications.
std::string StartMenuFolder(const Registry& registry);
// "Desktop" (current user): ~/Desktop or the desktop folder the user configured.
std::string DesktopFolder(const Registry& registry);
// "Personal" (current user): ~/Documents or the documents folder the user configured.
std::string PersonalFolder(const Registry& registry);
// "Common Documents" (machine): there is no shared documents folder by default, so this
// is empty unless the registry names one.
std::string SharedDocumentsFolder(const Registry& registry);
// "ProgramFilesDir" (machine): ~/.local/opt for a user, /opt when running as root.
std::string ProgramFilesFolder(const Registry& registry);
// The temporary folder.
std::string TempFolder();

} // namespace platform
