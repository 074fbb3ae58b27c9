#include "installer/wizard/JobList.h"

#include "installer/package/PackageReader.h"
#include "installer/wizard/DiskSearch.h"
#include "platform/Paths.h"
#include "shared/Texts.h"
#include "shared/TpLoader.h"

#include <charconv>

namespace wizard {

namespace {

// The installer's two tokenizers: bar-separated arguments that may be quoted, and
// comma-separated module lists.
TpLoader BarTokenizer(std::string_view line) {
    TpLoader bar('|', TpLoader::TVariant::Installer);
    bar.SetQuoteChar('"');
    bar.SetLine(line);
    return bar;
}

std::vector<std::string> ModuleNames(std::string_view list) {
    TpLoader comma(',', TpLoader::TVariant::Installer);
    comma.SetLine(list);
    std::vector<std::string> names;
    while (comma.HasMore()) {
        std::string name = UpperAscii(std::string(Trim(comma.NextField())));
        if (!name.empty())
            names.push_back(std::move(name));
    }
    return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names)
        if (SameTextAscii(n, name))
            return true;
    return false;
}

int64_t SizeOf(std::string_view text) {
    int64_t size = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
    return ec == std::errc() && end == text.data() + text.size() && size > 0 ? size : 0;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string QuotedWhenBarred(const std::string& text) {
    return text.find('|') == std::string::npos ? text : Quoted(text);
}

bool EndsWithSeparator(std::string_view path) {
    return !path.empty() && platform::IsPathSeparator(path.back());
}

bool StartsWithSourceRoot(std::string_view text) {
    return text.size() >= 9 && SameTextAscii(text.substr(0, 9), "%SRCROOT%");
}

} // namespace

JobLine SplitJobLine(std::string_view line) {
    JobLine parts;
    const size_t lastClose = line.rfind(')');
    const size_t arrow = line.find("->", lastClose == std::string_view::npos ? 0 : lastClose);
    const std::string_view body = line.substr(0, arrow);
    if (arrow != std::string_view::npos) {
        parts.HasModules = true;
        parts.Modules = UpperAscii(std::string(Trim(line.substr(arrow + 2))));
    }
    const size_t open = body.find('(');
    parts.Command = std::string(body.substr(0, open));
    if (open == std::string_view::npos)
        return parts;
    const size_t close = body.rfind(')');
    if (close != std::string_view::npos && close > open) {
        parts.Arguments = std::string(body.substr(open + 1, close - open - 1));
        parts.Suffix = std::string(line.substr(close + 1));
    } else {
        parts.Arguments = std::string(body.substr(open + 1));
    }
    return parts;
}

bool ModulesSelected(std::string_view list, std::string_view selectedModules) {
    if (list.empty())
        return true;
    const std::vector<std::string> selected = ModuleNames(selectedModules);
    for (const std::string& name : ModuleNames(list))
        if (Contains(selected, name))
            return true;
    return false;
}

void JobList::AddJobRecord(const std::string& record) {
    if (CurrentModules.empty()) {
        for (const std::string& line : Records)
            if (SameTextAscii(line, record))
                return;
        Records.push_back(record);
        return;
    }
    for (std::string& line : Records) {
        const size_t arrow = line.rfind("->");
        if (!SameTextAscii(std::string_view(line).substr(0, arrow), record))
            continue;
        // A record that already applies whatever the modules stays as it is.
        if (arrow == std::string::npos)
            return;
        std::string list = line.substr(arrow + 2);
        std::vector<std::string> present = ModuleNames(list);
        std::string added;
        for (const std::string& name : ModuleNames(CurrentModules)) {
            if (!Contains(present, name)) {
                added += name + ",";
                present.push_back(name);
            }
        }
        if (added.empty())
            return;
        if (!list.empty() && list.back() != ',')
            list += ',';
        line = line.substr(0, arrow + 2) + list + added;
        return;
    }
    Records.push_back(record + "->" + CurrentModules);
}

void JobList::ExpandJobLine(std::string_view line, const JobContext& context) {
    const JobLine parts = SplitJobLine(line);
    CurrentModules = parts.HasModules ? parts.Modules : std::string();
    if (!ModulesSelected(CurrentModules, context.SelectedModules))
        return;
    const std::string command = UpperAscii(parts.Command);
    if (command == "MAKEDIR") {
        TotalWeight += 1;
        AddJobRecord("MAKEDIR|" + ExpandVariablesUnquoted(context.Variables, parts.Arguments) +
                     "|1");
    } else if (command == "CREATEKEY") {
        ExpandKey(parts, context);
    } else if (command == "SETKEY") {
        ExpandSetKey(parts, context);
    } else if (command == "SHORTCUT") {
        ExpandShortcut(parts, context);
    } else if (command == "ASSOCIATE") {
        ExpandAssociate(parts, context);
    } else if (command == "COPY") {
        ExpandCopy(parts, context);
    }
}

void JobList::ExpandKey(const JobLine& line, const JobContext& context) {
    const std::string root = UpperAscii(std::string(Trim(GetField(line.Arguments, 1, '|'))));
    const std::string key =
        IncludeSlash(ExpandVariablesUnquoted(context.Variables,
                                             std::string(Trim(GetField(line.Arguments, 2, '|')))),
                     '\\');
    AddJobRecord("CREATEKEY|" + root + "|" + key + "|1");
    TotalWeight += 1;
}

void JobList::ExpandSetKey(const JobLine& line, const JobContext& context) {
    TpLoader bar = BarTokenizer(line.Arguments);
    const std::string root = UpperAscii(std::string(Trim(bar.NextField())));
    const std::string key = IncludeSlash(
        ExpandVariablesUnquoted(context.Variables, std::string(Trim(bar.NextField()))), '\\');
    const std::string name = std::string(Trim(bar.NextField()));
    const std::string type = UpperAscii(std::string(Trim(bar.NextField())));
    // The value is expanded only when the record is carried out.
    const std::string value = std::string(Trim(bar.NextField()));
    AddJobRecord("SETKEY|" + root + "|" + key + "|" + name + "|" + type + "|" + value + "|1");
    TotalWeight += 1;
}

void JobList::ExpandShortcut(const JobLine& line, const JobContext& context) {
    TotalWeight += 1;
    TpLoader bar = BarTokenizer(line.Arguments);
    const std::string folder = IncludeSlash(
        ExpandVariablesUnquoted(context.Variables, std::string(Trim(bar.NextField()))));
    const std::string name = ExpandVariables(context.Variables, std::string(Trim(bar.NextField())));
    const std::string target =
        ExpandVariablesUnquoted(context.Variables, std::string(Trim(bar.NextField())));
    AddJobRecord("SHORTCUT|" + folder + "|" + name + "|" + target + "|1");
}

void JobList::ExpandAssociate(const JobLine& line, const JobContext& context) {
    TpLoader bar = BarTokenizer(line.Arguments);
    std::string extension = UpperAscii(std::string(Trim(bar.NextField())));
    int index = -1;
    for (size_t i = 0; i < context.Associations.size() && index < 0; ++i)
        if (SameTextAscii(GetField(context.Associations[i], 1, '='), "." + extension))
            index = int(i);
    // Only the first four file types of a script have a box on the file-type page.
    if (index < 0 || index >= int(context.AssocChecked.size()) || !context.AssocChecked[index])
        return;
    std::string description = ExpandVariables(context.Variables, bar.NextField());
    std::string icon = bar.NextField();
    std::string verb = ExpandVariables(context.Variables, bar.NextField());
    std::string commandLine = bar.NextField();
    if (!extension.empty() && extension[0] == '.')
        extension.erase(0, 1);
    icon = ExpandVariablesUnquoted(context.Variables, icon);
    commandLine = ExpandVariablesUnquoted(context.Variables, commandLine);

    extension = QuotedWhenBarred(extension);
    description = QuotedWhenBarred(description);
    icon = QuotedWhenBarred(icon);
    verb = QuotedWhenBarred(verb);
    commandLine = QuotedWhenBarred(commandLine);

    const std::string e = LowerAscii(extension);
    const std::string cls = "TEVANO_" + UpperAscii(extension);
    const std::string shell = cls + "\\Shell\\" + verb;
    AddJobRecord("CREATEKEY|CLASSES|." + e + "|1");
    AddJobRecord("SETKEY|CLASSES|." + e + "||STR|" + cls + "|1");
    AddJobRecord("CREATEKEY|CLASSES|" + cls + "|1");
    AddJobRecord("SETKEY|CLASSES|" + cls + "||STR|" + description + "|1");
    AddJobRecord("CREATEKEY|CLASSES|" + cls + "\\DefaultIcon|1");
    AddJobRecord("SETKEY|CLASSES|" + cls + "\\DefaultIcon||STR|" + icon + "|1");
    AddJobRecord("CREATEKEY|CLASSES|" + cls + "\\Shell|1");
    AddJobRecord("CREATEKEY|CLASSES|" + shell + "|1");
    AddJobRecord("CREATEKEY|CLASSES|" + shell + "\\Command|1");
    AddJobRecord("SETKEY|CLASSES|" + shell + "\\Command||STR|" + commandLine + "|1");
    TotalWeight += 1;
}

void JobList::ExpandCopy(const JobLine& line, const JobContext& context) {
    TpLoader bar = BarTokenizer(line.Arguments);
    std::string source = std::string(Trim(bar.NextField()));
    std::string destination = std::string(Trim(bar.NextField()));
    const std::string searchPath = ExpandVariablesUnquoted(context.Variables, source);

    const size_t star = source.find('*');
    const bool wildcard = star != std::string::npos;
    if (wildcard)
        source.erase(star);
    // The package names entries relative to the installer's folder.
    if (StartsWithSourceRoot(source))
        source = source.size() > 10 ? source.substr(10) : std::string();
    if (!destination.empty() && destination.back() == '%')
        destination = IncludeSlash(ExpandVariablesUnquoted(context.Variables, destination));
    else
        destination = ExpandVariablesUnquoted(context.Variables, destination);

    // Relative sources are found in the installer's folder, not the current one. Records
    // of files found on disk name them where they were found.
    bool foundOnDisk = false;
    if (wildcard) {
        const std::string folderPart = platform::ExtractFilePath(searchPath);
        const std::string pattern = platform::ExtractFileName(searchPath);
        const std::string folder =
            folderPart.empty() ? ExcludeSlash(context.SourceFolder)
                               : platform::FindPathIgnoringCase(context.SourceFolder, folderPart);
        const std::string destinationFolder = platform::ExtractFilePath(destination);
        for (const DiskEntry& entry :
             folder.empty() ? std::vector<DiskEntry>() : ListFolder(folder)) {
            if (!MatchesPattern(pattern, entry.Name))
                continue;
            foundOnDisk = true;
            if (entry.Folder)
                continue;
            AddJobRecord("COPY|" + Quoted(folder + "/" + entry.Name) + "|" +
                         Quoted(destinationFolder + entry.Name) + "|" + std::to_string(entry.Size));
            TotalWeight += int64_t(entry.Size);
        }
    } else if (const std::string path =
                   platform::FindPathIgnoringCase(context.SourceFolder, searchPath);
               !path.empty()) {
        foundOnDisk = true;
        uint64_t size = 0;
        if (FileSize(path, size)) {
            if (EndsWithSeparator(destination))
                destination += platform::ExtractFileName(searchPath);
            AddJobRecord("COPY|" + Quoted(path) + "|" + Quoted(destination) + "|" +
                         std::to_string(size));
            TotalWeight += int64_t(size);
        }
    }
    if (foundOnDisk || !package::Reader().PackageOpen)
        return;
    const std::optional<std::string> indexValue = package::FindIndexValue(source);
    if (!indexValue)
        return;
    // A destination folder receives the entry under its own name.
    if (EndsWithSeparator(destination))
        destination += platform::ExtractFileName(source);
    const std::string size = GetField(*indexValue, 2, '|');
    AddJobRecord("COPY|" + Quoted(source) + "|" + Quoted(destination) + "|" + size);
    TotalWeight += SizeOf(size);
}

} // namespace wizard
