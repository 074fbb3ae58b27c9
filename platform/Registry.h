// The settings registry: a file-backed store of keys and named values under three roots.
//
// The store is one readable text file (a header line "REGEDIT4", then per key a line
// [ROOT\path\of\key] followed by lines "Name"="text", "Name"=dword:0000002a, or @=... for
// the key's default value). Key paths use '\'; key and value names are compared without
// regard to ASCII letter case and keep the case they were first written with.
//
// Every change locks a lock file beside the store, reads the file anew, applies the
// change and replaces the file atomically, so several processes (the editor and the
// installer) never lose each other's values. Reads take the file as it stands. A damaged
// file is read tolerantly: lines that make no sense are skipped, values of kinds this
// store does not know are kept as written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class RegistryRoot { None, LocalMachine, CurrentUser, ClassesRoot };

// The store's file: $TEVANO_REGISTRY when set, else $XDG_CONFIG_HOME/tevano/registry.reg
// (with ~/.config when XDG_CONFIG_HOME is not set).
std::string DefaultRegistryFile();

class Registry {
public:
    // A store over the default file, as the environment names it at this moment.
    Registry();
    explicit Registry(std::string file);

    const std::string& File() const { return file; }

    // Operations on RegistryRoot::None, or with a key path that contains a line break,
    // do nothing and fail. Leading and trailing '\' of a key path are ignored.
    bool KeyExists(RegistryRoot root, std::string_view key) const;
    // Opens a key, creating it and its missing parents when asked; true when it exists
    // afterwards.
    bool OpenKey(RegistryRoot root, std::string_view key, bool create);

    bool ValueExists(RegistryRoot root, std::string_view key, std::string_view name) const;
    // A string value as text; an integer value as its decimal text. False (and value
    // untouched) when the key or value does not exist or is of another kind.
    bool ReadString(RegistryRoot root, std::string_view key, std::string_view name,
                    std::string& value) const;
    bool ReadInteger(RegistryRoot root, std::string_view key, std::string_view name,
                     int32_t& value) const;

    // Writes create the key (with its parents) when it is missing. An empty name stands
    // for the key's default value. A boolean is stored as the integer 1 or 0.
    bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                     std::string_view value);
    bool WriteInteger(RegistryRoot root, std::string_view key, std::string_view name,
                      int32_t value);
    bool WriteBool(RegistryRoot root, std::string_view key, std::string_view name, bool value);

    // True when the value existed and is gone.
    bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name);
    // Deletes a key with all its subkeys; true when it existed and is gone.
    bool DeleteKey(RegistryRoot root, std::string_view key);

private:
    std::string file;
};

} // namespace platform
