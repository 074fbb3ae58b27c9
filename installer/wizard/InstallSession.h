// The installer's state from start-up to the progress page, without a window: the setup
// description, the job script and job list, the language, the project values, the
// user's choices and the folders of the system. The wizard window drives it and shows
// what it holds; the headless commands and the tests run it on their own.
#pragma once

#include "installer/wizard/InstallVariables.h"
#include "installer/wizard/JobList.h"
#include "platform/Registry.h"

#include <array>
#include <string>

namespace wizard {

struct ModuleItem {
    std::string Name, Description, Id;
    bool Checked = true;
};

class InstallSession {
public:
    Lines SetupLines;
    Lines JobScript; // the job script; JobIndex is the line being expanded
    int JobIndex = -1;
    JobList Jobs;
    Lines Variables;
    Lines Associations; // ".ext=description", one per ASSOCIATE line in script order
    Lines Languages;    // "code=display name" from the setup description
    Lines TempFiles;    // deleted by FormDestroy

    std::string NextPage, PrevPage;
    std::string Destination, TempFolder, StartMenuFolder, DesktopFolder, DocFolder;
    std::string ProjectGroup, ProjectName, ProjectId, ProjectVer, ProjectRoot, ProjectKey;
    bool Aborted = false;
    bool DocChoiceEnabled = false;
    bool HelpAvailable = false; // some language of the setup has a help file

    std::vector<ModuleItem> Modules;
    std::string SelectedModules; // checked ids, each followed by a comma
    DocChoice Doc = DocChoice::Program;
    std::array<bool, 4> AssocChecked{true, true, true, true};

    platform::Registry Registry;

    // Opens the package appended to installerFile (its folder is the source folder), loads
    // the setup description and the job script, expands wildcard copies and settles the
    // first language. Throws package::PackageError when the package is damaged.
    void FormCreate(const std::string& installerFile);
    // Fills Languages and sets the first one (or none); returns how many there are.
    int LoadLanguages();
    // The help file of a language: "install_" + code + ".chm", else "install.chm", beside
    // the installer or in the package; empty when there is none.
    static std::string FindHelpFile(const std::string& code);
    // Loads the language's texts and everything that depends on them: the project values,
    // the variables and the module list with every module checked.
    void SetLanguage(const std::string& code);
    // The product values and switches of the setup description's GENERAL section.
    void LoadGeneralValues();
    // Run when the start page is left: lists the file types, resets the navigation and
    // settles the destination and the system folders. False when the job script is
    // missing (MissingScriptText says so).
    bool PrepareInstall();
    static std::string MissingScriptText();
    // True when a file can be created in folder (it is removed again).
    static bool CanWriteTo(const std::string& folder);
    // The selected modules from the checked items.
    void UpdateSelectedModules();
    // The project key and the variables with the user's final choices; run as the
    // progress page starts, before the job list is built.
    void PrepareProcess();
    void BuildVariables();
    // Expands the job line at JobIndex into the job list.
    void lbJobClick();
    // Expands the whole job script.
    void BuildJobList();
    // Deletes the temporary files and closes the package.
    void FormDestroy();

private:
    JobContext Context() const;
};

} // namespace wizard
