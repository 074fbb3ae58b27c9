// The job list: the job script expanded, line by line, into one record per elementary
// action (make a folder, copy one file, create a registry key, set a registry value,
// create a shortcut), with records of unselected modules dropped and equal records
// merged.
//
// A script line is COMMAND(arguments) with an optional module suffix "->ID,ID". The
// arguments run from the first '(' to the last ')' of the line, so a quoted file name
// that itself contains parentheses stays whole. Records are '|'-separated fields; a
// record of a line with modules ends with "->" and its module list.
#pragma once

#include "installer/wizard/InstallVariables.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wizard {

struct JobLine {
    std::string Command;   // text before the first '(', not trimmed
    std::string Arguments; // between the first '(' and the closing ')'
    std::string Suffix;    // text after the closing ')', such as "->MOLEC"
    bool HasModules = false;
    std::string Modules; // after "->", trimmed, in upper case
};

JobLine SplitJobLine(std::string_view line);

// True when the list is empty or names a selected module. selectedModules holds the
// selected ids, each followed by a comma ("CHEMPRG,MOLEC,"); ids are compared whole.
bool ModulesSelected(std::string_view list, std::string_view selectedModules);

// Inserts after each wildcard copy from the installer's folder ("%SRCROOT%\DIR\*.*") a
// MAKEDIR and a COPY line for every folder below DIR on disk, parents before children.
void ExpandWildcardCopies(Lines& script, const std::string& sourceFolder);

// What expanding a line depends on besides the line.
struct JobContext {
    const Lines& Variables;
    std::string SourceFolder;         // relative copy sources are found here
    const Lines& Associations;        // ".ext=description", one per ASSOCIATE line
    std::array<bool, 4> AssocChecked; // the user's choice for the first four file types
    std::string SelectedModules;
};

class JobList {
public:
    Lines Records;
    int64_t TotalWeight = 0;
    std::string CurrentModules; // module list of the line being expanded

    // Expands one script line into records.
    void ExpandJobLine(std::string_view line, const JobContext& context);
    // Adds a record for the current modules, merging it with an equal one.
    void AddJobRecord(const std::string& record);

private:
    void ExpandKey(const JobLine& line, const JobContext& context);
    void ExpandSetKey(const JobLine& line, const JobContext& context);
    void ExpandShortcut(const JobLine& line, const JobContext& context);
    void ExpandAssociate(const JobLine& line, const JobContext& context);
    void ExpandCopy(const JobLine& line, const JobContext& context);
};

} // namespace wizard
