// The installer's package commands: listing the package appended to an installer file
// and writing one of its entries to a file.
#pragma once

#include <ostream>
#include <string>

namespace wizard {

// Points the package reader at the installer file path: SourceFolder becomes its folder
// and the package appended to it is opened. False when it has no readable package, with
// the reason in error.
bool OpenInstallerPackage(const std::string& path, std::string& error);

// Writes one line per index entry of the open package: kind, stored size, unpacked size
// and name. A damaged entry is reported on err and listed with "?" sizes; false when any
// entry was damaged.
bool ListPackage(std::ostream& out, std::ostream& err);

// Writes the entry name (a loose file beside the installer, else the package entry) to
// path. False with the reason on err.
bool ExtractPackageEntry(const std::string& name, const std::string& path, std::ostream& err);

} // namespace wizard
