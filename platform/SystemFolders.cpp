#include "SystemFolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <unistd.h>

namespace platform {

namespace {

std::string HostPath(const QString& path) {
    return QFile::encodeName(QDir::cleanPath(path)).toStdString();
}

// The registry value when it is present and not empty, else the fallback.
std::string Lookup(const Registry& registry, RegistryRoot root, const char* key, const char* name,
                   const std::string& fallback) {
    std::string value;
    if (registry.ReadString(root, key, name, value) && !value.empty()) {
        while (value.size() > 1 && (value.back() == '/' || value.back() == '\\'))
            value.pop_back();
        return value;
    }
    return fallback;
}

std::string StandardFolder(QStandardPaths::StandardLocation location) {
    return HostPath(QStandardPaths::writableLocation(location));
}

} // namespace

std::string StartMenuFolder(const Registry& registry) {
    return Lookup(registry, RegistryRoot::CurrentUser, ShellFoldersKey, "Programs",
                  StandardFolder(QStandardPaths::ApplicationsLocation));
}

std::string DesktopFolder(const Registry& registry) {
    return Lookup(registry, RegistryRoot::CurrentUser, ShellFoldersKey, "Desktop",
                  StandardFolder(QStandardPaths::DesktopLocation));
}

std::string PersonalFolder(const Registry& registry) {
    return Lookup(registry, RegistryRoot::CurrentUser, ShellFoldersKey, "Personal",
                  StandardFolder(QStandardPaths::DocumentsLocation));
}

std::string SharedDocumentsFolder(const Registry& registry) {
    return Lookup(registry, RegistryRoot::LocalMachine, ShellFoldersKey, "Common Documents", "");
}

std::string ProgramFilesFolder(const Registry& registry) {
    const std::string fallback =
        ::geteuid() == 0 ? std::string("/opt") : HostPath(QDir::homePath() + "/.local/opt");
    return Lookup(registry, RegistryRoot::LocalMachine, CurrentVersionKey, "ProgramFilesDir",
                  fallback);
}

std::string TempFolder() {
    return HostPath(QDir::tempPath());
}

} // namespace platform
