#include "Document.h"

#include "ChemReader.h"
#include "ChemWriter.h"
#include "Importers.h"
#include "editor/core/Molekula.h"
#include "platform/Paths.h"
#include "shared/Texts.h"

#include <exception>

namespace {

bool Fail(TFileError* error, int textId, const char* text, const std::string& fileName,
          const std::string& reason) {
    if (error)
        *error = TFileError{textId, text, fileName, reason};
    return false;
}

bool LoadingError(TFileError* error, const std::string& fileName, const std::string& reason) {
    return Fail(error, TextLoadingError, "Loading error", fileName, reason);
}

void StartNewDocument(TMolekula& m, TDocument& doc) {
    m.ClearAtoms();
    m.ClearWires();
    m.SetAngleX(0);
    m.SetAngleY(0);
    m.SetAngleZ(0);
    m.Imported = false;
    doc.ReadOnlyFile = false;
    doc.FileName.clear();
    doc.KeptLines.clear();
}

} // namespace

std::string TFileError::Describe() const {
    std::string out = Text;
    if (!FileName.empty())
        out += ": " + FileName;
    if (!Reason.empty())
        out += ": " + Reason;
    return out;
}

bool OpenFile(TMolekula& m, TDocument& doc, const std::string& name, TFileError* error) {
    if (name.empty()) {
        StartNewDocument(m, doc);
        return true;
    }
    doc.ReadOnlyFile = !platform::IsFileWritable(name);

    const std::string ext = platform::ExtractFileExt(name);
    const bool chem = SameTextAscii(ext, ".chem");
    const ImportFormat* importer = chem ? nullptr : FindImportFormat(ext);
    if (!chem && !importer)
        return LoadingError(error, name,
                            ext.empty() ? "the file has no extension"
                                        : "files of type " + ext + " cannot be opened");

    platform::Lines lines;
    std::string reason;
    if (!platform::ReadFileLines(name, lines, &reason))
        return LoadingError(error, name, reason);
    try {
        if (importer) {
            m.Imported = true;
            platform::Lines converted;
            if (importer->Convert(lines, converted) != 0)
                return LoadingError(error, name, "the file's content could not be converted");
            doc.KeptLines.clear();
            LoadFromStrings(m, converted);
        } else {
            m.Imported = false;
            doc.KeptLines = std::move(lines);
            LoadFromStrings(m, doc.KeptLines);
        }
    } catch (const std::exception& e) {
        return LoadingError(error, name, e.what());
    }
    doc.FileName = name;
    if (m.Title.empty())
        m.SetTitle(platform::ChangeFileExt(platform::ExtractFileName(name), ""));
    return true;
}

bool SaveFile(const TMolekula& m, TDocument& doc, const std::string& name, TFileError* error) {
    const std::string path = platform::ChangeFileExt(name, ".chem");
    if (platform::FileExists(path) && !platform::IsFileWritable(path))
        return Fail(error, TextWriteProtected, "The given file is write-protected.", path,
                    "the file is read-only");
    platform::Lines lines;
    std::string reason;
    try {
        lines = BuildDocument(m, doc.KeptLines);
    } catch (const std::exception& e) {
        return Fail(error, TextSavingFailed, "File saving failed.", path, e.what());
    }
    if (!platform::WriteFileLines(path, lines, &reason))
        return Fail(error, TextSavingFailed, "File saving failed.", path, reason);
    doc.FileName = path;
    doc.KeptLines = std::move(lines);
    return true;
}
