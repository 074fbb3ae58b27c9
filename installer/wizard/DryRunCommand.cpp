// install --dry-run: prints the job list that the progress page would build for the
// given choices, one record per line as the job list holds it, then TotalWeight=N. It
// only reads: no folder, file or registry value is created or changed.
#include "installer/package/PackageFormat.h"
#include "installer/wizard/InstallSession.h"
#include "installer/wizard/InstallerCommands.h"
#include "platform/Paths.h"
#include "shared/Texts.h"

#include <iostream>

namespace wizard {

namespace {

struct DryRunChoices {
    std::string Destination;
    bool HasModules = false;
    std::string Modules;
    std::string Language;
    bool HasLanguage = false;
    DocChoice Doc = DocChoice::Program;
    bool Associate = true;
};

bool ParseChoices(const std::vector<std::string>& args, DryRunChoices& choices,
                  std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--no-assoc") {
            choices.Associate = false;
            continue;
        }
        if (option != "--dest" && option != "--modules" && option != "--lang" &&
            option != "--doc") {
            error = "unknown option " + option;
            return false;
        }
        if (i + 1 >= args.size()) {
            error = option + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (option == "--dest") {
            choices.Destination = value;
        } else if (option == "--modules") {
            choices.HasModules = true;
            choices.Modules = value;
        } else if (option == "--lang") {
            choices.HasLanguage = true;
            choices.Language = value;
        } else if (value == "program" || value == "documents" || value == "shared") {
            choices.Doc = value == "program"     ? DocChoice::Program
                          : value == "documents" ? DocChoice::Documents
                                                 : DocChoice::Shared;
        } else {
            error = "--doc takes program, documents or shared";
            return false;
        }
    }
    return true;
}

// Checks exactly the listed modules; false when one of them is not offered.
bool ChooseModules(InstallSession& session, const std::string& list, std::string& error) {
    const std::string wanted = "," + UpperAscii(list) + ",";
    for (ModuleItem& item : session.Modules)
        item.Checked = wanted.find("," + UpperAscii(item.Id) + ",") != std::string::npos;
    std::string start;
    for (const char c : list + ",") {
        if (c != ',') {
            start += c;
            continue;
        }
        bool offered = start.empty();
        for (const ModuleItem& item : session.Modules)
            offered = offered || SameTextAscii(item.Id, start);
        if (!offered) {
            error = "the setup offers no module " + start;
            return false;
        }
        start.clear();
    }
    session.UpdateSelectedModules();
    return true;
}

int RunDryRun(const std::vector<std::string>& args) {
    DryRunChoices choices;
    std::string error;
    if (!ParseChoices(args, choices, error)) {
        std::cerr << "install: " << error << "\n";
        return 2;
    }
    InstallSession session;
    try {
        session.FormCreate(platform::ProgramFilePath());
        if (choices.HasLanguage) {
            bool listed = session.Languages.empty();
            for (const std::string& line : session.Languages)
                listed = listed || SameTextAscii(GetField(line, 1, '='), choices.Language);
            if (!listed) {
                std::cerr << "install: the setup offers no language " << choices.Language << "\n";
                return 2;
            }
            session.SetLanguage(UpperAscii(choices.Language));
        }
        if (!session.PrepareInstall()) {
            std::cerr << "install: " << InstallSession::MissingScriptText() << "\n";
            return 1;
        }
        if (!choices.Destination.empty())
            session.Destination = IncludeSlash(choices.Destination);
        // The destination page asks to create a missing destination and records that.
        if (!platform::DirectoryExists(session.Destination))
            session.Jobs.Records.push_back("MAKEDIR|" + ExcludeSlash(session.Destination) + "|1");
        if (choices.HasModules && !ChooseModules(session, choices.Modules, error)) {
            std::cerr << "install: " << error << "\n";
            return 2;
        }
        session.Doc = choices.Doc;
        session.AssocChecked.fill(choices.Associate);
        session.PrepareProcess();
        session.BuildJobList();
    } catch (const package::PackageError& e) {
        std::cerr << "install: " << e.what() << "\n";
        return 1;
    }
    for (const std::string& record : session.Jobs.Records)
        std::cout << record << "\n";
    std::cout << "TotalWeight=" << session.Jobs.TotalWeight << "\n";
    session.FormDestroy();
    return 0;
}

const CommandRegistration dryRunCommand{
    "--dry-run",
    "--dry-run [--dest DIR] [--modules ID,ID] [--lang CODE] [--doc program|documents|shared] "
    "[--no-assoc]",
    RunDryRun};

} // namespace

} // namespace wizard
