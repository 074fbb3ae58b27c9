// Install variables (%DSTROOT%, %DOCPATH%, ...) and the small path and text helpers the
// installer uses throughout.
//
// Variables are kept as lines "%NAME%=value", sorted ignoring letter case, and a text is
// expanded by replacing each name in turn, in list order, ignoring letter case. Folder
// values carry no trailing separator, so a script writes "%DSTROOT%\SYSTEM".
#pragma once

#include "platform/Paths.h"
#include "platform/Registry.h"

#include <string>
#include <string_view>
#include <vector>

namespace wizard {

using Lines = std::vector<std::string>;

// Appends a separator unless the path is empty or already ends with '\' or '/'. Folders
// get the host's separator; registry keys and package names are given '\'.
std::string IncludeSlash(std::string_view path, char separator = platform::HostSeparator);
// Removes one trailing '\' or '/' ("C:\" gives "C:", "/" gives the empty text).
std::string ExcludeSlash(std::string_view path);
// Replaces the first (or every) occurrence of find, matched ignoring letter case. An
// empty find never matches.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        bool all);
// MACHINE, USER or CLASSES in any letter case; anything else is no root.
platform::RegistryRoot RootKeyOf(std::string_view name);
// Waits n milliseconds while pending events are handled.
void WaitMs(int n);

// Replaces every variable name by its value, both trimmed.
std::string ExpandVariables(const Lines& variables, std::string_view text);
// As ExpandVariables without trimming, after removing the first and last character of a
// text that begins with a double quote.
std::string ExpandVariablesUnquoted(const Lines& variables, std::string_view text);

enum class DocChoice { Program, Documents, Shared };

// What the variables are built from.
struct VariableSources {
    std::string Destination; // with trailing separator
    std::string TempFolder;
    std::string SourceFolder;
    std::string ProjectGroup, ProjectName, ProjectId, ProjectVer;
    std::string ProjectKey; // with trailing '\'
    std::string StartMenuFolder, DesktopFolder;
    std::string LanguageCode;
    std::string OpenVerb; // the language's word for opening a file
    bool DocChoiceEnabled = false;
    DocChoice Doc = DocChoice::Program;
};

// The documents folder (with trailing separator): the destination, or with the documents
// choice enabled the user's or the shared documents folder when the system has one.
std::string DocFolderOf(const VariableSources& sources, const platform::Registry& registry);

// The sorted variable lines; docFolder receives the documents folder.
Lines BuildVariables(const VariableSources& sources, const platform::Registry& registry,
                     std::string& docFolder);

} // namespace wizard
