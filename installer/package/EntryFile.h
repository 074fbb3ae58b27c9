// A file written piece by piece under a temporary name in its own folder and renamed into
// place once complete, so an entry that fails halfway (damaged data, a full disk) leaves
// any earlier file of that name as it was. Decoded entries go to disk as they come,
// without holding the whole entry in memory.
#pragma once

#include <string>
#include <string_view>

namespace package {

class EntryFile {
public:
    // Creates the temporary file beside path; false with the reason in error.
    bool Create(const std::string& path, std::string& error);
    // Appends bytes; false with the reason in error.
    bool Write(std::string_view bytes, std::string& error);
    // Closes the file and renames it to the path; false with the reason in error.
    bool Commit(std::string& error);
    // Removes the temporary file unless it was committed.
    ~EntryFile();

private:
    int fd = -1;
    std::string path;
    std::string temporaryPath;
};

} // namespace package
