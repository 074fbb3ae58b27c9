// Opening and saving a molecule document.
//
// These are the steps of the editor's open and save operations that need no window:
// choosing the reader by the file's extension, loading, keeping the .chem file's lines so
// that a save rewrites only what the editor generates, and writing atomically. The main
// window and the command line both go through here; the window adds its own steps
// (caption, redraw, modified mark, dialogs) and shows a failure's message by its text id.
#pragma once

#include "platform/TextFile.h"

#include <string>

class TMolekula;

// Message text ids (with their English defaults) of the failures below.
constexpr int TextLoadingError = 122;   // "Loading error"
constexpr int TextWriteProtected = 120; // "The given file is write-protected." (a format
                                        // whose one argument is the file name)
constexpr int TextSavingFailed = 123;   // "File saving failed."

struct TFileError {
    int TextId = 0;       // one of the text ids above; 0 when nothing failed
    std::string Text;     // the English default of that text
    std::string FileName; // the file concerned
    std::string Reason;   // what went wrong in detail, for the command line
    // One line for a terminal: "Loading error: a.chem: No such file or directory".
    std::string Describe() const;
};

struct TDocument {
    std::string FileName;      // empty for an untitled document
    bool ReadOnlyFile = false; // the opened file is not writable (or its state is unknown)
    platform::Lines KeptLines; // the opened .chem file's lines; empty for imports and new
};

// Opens a file into the molecule: ".chem" files are read directly, other extensions go
// through their importer (Importers.h); an unknown extension fails. An empty name starts
// a new, empty document and always succeeds. On success FileName is the name and an
// untitled molecule takes the file name (without folder and last extension) as its
// title. A failure before the molecule is replaced leaves the molecule and KeptLines as
// they were.
bool OpenFile(TMolekula& molecule, TDocument& document, const std::string& name,
              TFileError* error = nullptr);

// Saves the molecule as a .chem file: the name's extension is replaced by ".chem", the
// text is built from KeptLines and the file is replaced atomically. A read-only target is
// refused without writing. On success FileName is the path written and KeptLines the
// lines written; on failure the document is unchanged.
bool SaveFile(const TMolekula& molecule, TDocument& document, const std::string& name,
              TFileError* error = nullptr);
