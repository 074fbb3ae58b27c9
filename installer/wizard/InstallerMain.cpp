// Entry point of the installer program. Until the wizard exists every start names one
// of the headless commands (InstallerCommands.h).
#include "installer/wizard/InstallerCommands.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return wizard::RunInstallerCommand(std::vector<std::string>(argv + 1, argv + argc));
}
