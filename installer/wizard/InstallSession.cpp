#include "installer/wizard/InstallSession.h"

#include "installer/package/LooseFiles.h"
#include "installer/package/PackageReader.h"
#include "installer/package/SetupTexts.h"
#include "installer/package/TopIni.h"
#include "installer/wizard/PackageCommands.h"
#include "platform/SystemFolders.h"
#include "shared/Texts.h"

#include <cstdio>
#include <stdlib.h>
#include <unistd.h>

namespace wizard {

namespace {

std::string General(const Lines& setup, const char* key, const char* defaultValue = "") {
    return package::ReadString(setup, "GENERAL", key, defaultValue);
}

std::string WithoutQuotes(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

} // namespace

void InstallSession::FormCreate(const std::string& installerFile) {
    std::string error;
    // Without a package every file is looked for beside the installer.
    OpenInstallerPackage(installerFile, error);
    DocChoiceEnabled = false;
    package::LoadPackageEntry("install.ini", SetupLines);
    package::LoadPackageEntry("install.inf", JobScript);
    package::Reader().PathPrefix = IncludeSlash(General(SetupLines, "PATH_PREFIX"), '\\');
    ExpandWildcardCopies(JobScript, package::Reader().SourceFolder);
    LoadLanguages();
    HelpAvailable = false;
    for (const std::string& line : Languages)
        if (!FindHelpFile(GetField(line, 1, '=')).empty()) {
            HelpAvailable = true;
            break;
        }
}

int InstallSession::LoadLanguages() {
    package::ReadSection(SetupLines, "LANGUAGES", Languages);
    SetLanguage(Languages.empty() ? std::string() : GetField(Languages.front(), 1, '='));
    return int(Languages.size());
}

std::string InstallSession::FindHelpFile(const std::string& code) {
    for (std::string name : {"install_" + code + ".chm", std::string("install.chm")}) {
        if (!package::FindLooseFile(package::Reader().SourceFolder, name).empty() ||
            package::FindIndexValue(name))
            return name;
    }
    return {};
}

void InstallSession::SetLanguage(const std::string& code) {
    package::ReaderState& reader = package::Reader();
    reader.LanguageCode = code;
    package::LoadPackageEntry(reader.PathPrefix + "install_" + code + ".lng", reader.LanguageTexts);
    LoadGeneralValues();
    BuildVariables();
    Modules.clear();
    for (int n = 1;; ++n) {
        const std::string item =
            package::ReadString(SetupLines, "MODULES", "ITEM" + std::to_string(n), "");
        if (std::string(Trim(item)).empty())
            break;
        Modules.push_back({package::ResolveText(GetField(item, 1, '|')),
                           package::ResolveText(GetField(item, 2, '|')), GetField(item, 3, '|'),
                           true});
    }
    UpdateSelectedModules();
}

void InstallSession::LoadGeneralValues() {
    package::Reader().PathPrefix = IncludeSlash(General(SetupLines, "PATH_PREFIX"), '\\');
    ProjectGroup = General(SetupLines, "PROJECT_GROUP");
    ProjectId = General(SetupLines, "PROJECT_ID");
    ProjectVer = General(SetupLines, "PROJECT_VER");
    ProjectRoot = General(SetupLines, "PROJECT_ROOT");
    ProjectName = package::ResolveText(General(SetupLines, "PROJECT_NAME"));
    DocChoiceEnabled = General(SetupLines, "CONFIGURE_DOC_FOLDER", "0") != "0";
}

bool InstallSession::PrepareInstall() {
    if (JobScript.empty())
        return false;
    Associations.clear();
    for (const std::string& line : JobScript) {
        const JobLine parts = SplitJobLine(line);
        if (UpperAscii(std::string(Trim(parts.Command))) != "ASSOCIATE")
            continue;
        const std::string args = std::string(Trim(parts.Arguments));
        const std::string extension =
            WithoutQuotes(LowerAscii(std::string(Trim(GetField(args, 1, '|')))));
        const std::string description = WithoutQuotes(std::string(Trim(GetField(args, 2, '|'))));
        Associations.push_back("." + extension + "=" + description);
    }
    JobIndex = 0;
    NextPage = "EULA";
    PrevPage.clear();
    Aborted = false;

    std::string base = General(SetupLines, "DSTPATH");
    StartMenuFolder = platform::StartMenuFolder(Registry);
    DesktopFolder = platform::DesktopFolder(Registry);
    if (base.empty())
        base = platform::ProgramFilesFolder(Registry);
    TempFolder = IncludeSlash(platform::TempFolder());
    Destination = IncludeSlash(base) + IncludeSlash(ProjectRoot);
    StartMenuFolder = IncludeSlash(StartMenuFolder);
    DesktopFolder = IncludeSlash(DesktopFolder);
    return true;
}

std::string InstallSession::MissingScriptText() {
    return package::GetText("1009", "Install information is missing!");
}

bool InstallSession::CanWriteTo(const std::string& folder) {
    // A name of our own: a file the user keeps there under any fixed name stays.
    std::string path = IncludeSlash(folder) + "WriteTest.XXXXXX";
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(path.c_str());
    return true;
}

void InstallSession::UpdateSelectedModules() {
    SelectedModules.clear();
    for (const ModuleItem& item : Modules)
        if (item.Checked)
            SelectedModules += UpperAscii(std::string(Trim(item.Id))) + ",";
}

void InstallSession::PrepareProcess() {
    Jobs.TotalWeight = 0;
    ProjectKey = "Software\\" + IncludeSlash(ProjectGroup, '\\') + IncludeSlash(ProjectId, '\\') +
                 IncludeSlash(ProjectVer, '\\');
    BuildVariables();
}

void InstallSession::BuildVariables() {
    const package::ReaderState& reader = package::Reader();
    VariableSources sources;
    sources.Destination = Destination;
    sources.TempFolder = TempFolder;
    sources.SourceFolder = reader.SourceFolder;
    sources.ProjectGroup = ProjectGroup;
    sources.ProjectName = ProjectName;
    sources.ProjectId = ProjectId;
    sources.ProjectVer = ProjectVer;
    sources.ProjectKey = ProjectKey;
    sources.StartMenuFolder = StartMenuFolder;
    sources.DesktopFolder = DesktopFolder;
    sources.LanguageCode = reader.LanguageCode;
    sources.OpenVerb = package::ResolveText("#1055");
    sources.DocChoiceEnabled = DocChoiceEnabled;
    sources.Doc = Doc;
    Variables = wizard::BuildVariables(sources, Registry, DocFolder);
}

JobContext InstallSession::Context() const {
    return {Variables, package::Reader().SourceFolder, Associations, AssocChecked, SelectedModules};
}

void InstallSession::lbJobClick() {
    if (JobIndex < 0 || JobIndex >= int(JobScript.size()))
        return;
    Jobs.ExpandJobLine(JobScript[size_t(JobIndex)], Context());
}

void InstallSession::BuildJobList() {
    for (JobIndex = 0; JobIndex < int(JobScript.size()); ++JobIndex)
        lbJobClick();
    JobIndex = int(JobScript.size()) - 1;
}

void InstallSession::FormDestroy() {
    for (const std::string& file : TempFiles)
        std::remove(file.c_str());
    TempFiles.clear();
    package::Reader().PackageStream.Close();
}

} // namespace wizard
