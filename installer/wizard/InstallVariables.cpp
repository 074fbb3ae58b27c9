#include "installer/wizard/InstallVariables.h"

#include "platform/SystemFolders.h"
#include "shared/Texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

namespace wizard {

std::string IncludeSlash(std::string_view path, char separator) {
    std::string result(path);
    if (!result.empty() && !platform::IsPathSeparator(result.back()))
        result += separator;
    return result;
}

std::string ExcludeSlash(std::string_view path) {
    if (!path.empty() && platform::IsPathSeparator(path.back()))
        path.remove_suffix(1);
    return std::string(path);
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        bool all) {
    if (find.empty())
        return std::string(text);
    const std::string upperText = UpperAscii(std::string(text));
    const std::string upperFind = UpperAscii(std::string(find));
    std::string result;
    size_t rest = 0;
    size_t match;
    while ((match = upperText.find(upperFind, rest)) != std::string::npos) {
        result.append(text.substr(rest, match - rest));
        result.append(replacement);
        rest = match + find.size();
        if (!all)
            break;
    }
    result.append(text.substr(rest));
    return result;
}

platform::RegistryRoot RootKeyOf(std::string_view name) {
    if (SameTextAscii(name, "MACHINE"))
        return platform::RegistryRoot::LocalMachine;
    if (SameTextAscii(name, "USER"))
        return platform::RegistryRoot::CurrentUser;
    if (SameTextAscii(name, "CLASSES"))
        return platform::RegistryRoot::ClassesRoot;
    return platform::RegistryRoot::None;
}

void WaitMs(int n) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, std::max(n, 1));
    } while (timer.elapsed() < n);
}

namespace {

// A value runs to the end of its line: a folder may itself contain '='.
std::string Expand(const Lines& variables, std::string_view text, bool trim) {
    std::string result(text);
    for (const std::string& line : variables) {
        const size_t eq = line.find('=');
        std::string name = line.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
        if (trim) {
            name = std::string(Trim(name));
            value = std::string(Trim(value));
        }
        result = ReplaceText(result, name, value, true);
    }
    return result;
}

} // namespace

std::string ExpandVariables(const Lines& variables, std::string_view text) {
    return Expand(variables, text, true);
}

std::string ExpandVariablesUnquoted(const Lines& variables, std::string_view text) {
    if (!text.empty() && text.front() == '"')
        text = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string_view();
    return Expand(variables, text, false);
}

std::string DocFolderOf(const VariableSources& sources, const platform::Registry& registry) {
    if (sources.DocChoiceEnabled) {
        std::string folder;
        if (sources.Doc == DocChoice::Documents)
            folder = platform::PersonalFolder(registry);
        else if (sources.Doc == DocChoice::Shared)
            folder = platform::SharedDocumentsFolder(registry);
        if (!folder.empty())
            return IncludeSlash(folder);
    }
    return sources.Destination;
}

Lines BuildVariables(const VariableSources& sources, const platform::Registry& registry,
                     std::string& docFolder) {
    docFolder = DocFolderOf(sources, registry);
    Lines variables{
        "%DOCPATH%=" + ExcludeSlash(docFolder),
        "%TEMPPATH%=" + ExcludeSlash(sources.TempFolder),
        "%SRCROOT%=" + ExcludeSlash(sources.SourceFolder),
        "%DSTROOT%=" + ExcludeSlash(sources.Destination),
        "%PROJECT_GROUP%=" + ExcludeSlash(sources.ProjectGroup),
        "%PROJECT_NAME%=" + ExcludeSlash(sources.ProjectName),
        "%PROJECT_ID%=" + ExcludeSlash(sources.ProjectId),
        "%PROJECT_VER%=" + ExcludeSlash(sources.ProjectVer),
        "%PROJECTKEY%=" + sources.ProjectKey,
        "%STARTMENU%=" + ExcludeSlash(sources.StartMenuFolder),
        "%DESKTOP%=" + ExcludeSlash(sources.DesktopFolder),
        "%LANGUAGE%=" + sources.LanguageCode,
        "%OPEN%=" + sources.OpenVerb,
    };
    // Ignoring case, with '_' before the letters as the system's sorted lists have it.
    std::stable_sort(variables.begin(), variables.end(),
                     [](const auto& a, const auto& b) { return LowerAscii(a) < LowerAscii(b); });
    return variables;
}

} // namespace wizard
