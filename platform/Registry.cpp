#include "Registry.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

enum class Kind { Text, Integer, Raw };

struct Value {
    std::string name;
    Kind kind = Kind::Text;
    std::string text; // Text: the string; Raw: everything after '=' as written
    uint32_t number = 0;
};

struct Key {
    RegistryRoot root = RegistryRoot::None;
    std::string path; // components joined by '\', no leading or trailing '\'
    std::vector<Value> values;
};

struct RootName {
    RegistryRoot root;
    const char* name;
};
constexpr RootName RootNames[] = {{RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE"},
                                  {RegistryRoot::CurrentUser, "HKEY_CURRENT_USER"},
                                  {RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT"}};

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

// Order of keys in the file: by root, then component by component ignoring case, so a
// key's subkeys follow it.
bool KeyBefore(const Key& a, const Key& b) {
    if (a.root != b.root)
        return a.root < b.root;
    auto rank = [](char c) {
        return c == '\\' ? 0 : int(static_cast<unsigned char>(Upper(c))) + 1;
    };
    return std::lexicographical_compare(a.path.begin(), a.path.end(), b.path.begin(), b.path.end(),
                                        [&](char x, char y) { return rank(x) < rank(y); });
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The path with empty components (doubled, leading or trailing '\') removed.
std::string NormalKeyPath(std::string_view key) {
    std::string path;
    size_t start = 0;
    while (start <= key.size()) {
        size_t end = key.find('\\', start);
        if (end == std::string_view::npos)
            end = key.size();
        if (end > start) {
            if (!path.empty())
                path += '\\';
            path.append(key.substr(start, end - start));
        }
        start = end + 1;
    }
    return path;
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + '"';
}

// Reads a quoted text starting at line[pos] == '"'; pos ends after the closing quote.
// False when the closing quote is missing.
bool Unquote(std::string_view line, size_t& pos, std::string& out) {
    out.clear();
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && pos + 1 < line.size()) {
            c = line[++pos];
            c = c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        }
        out += c;
    }
    return false;
}

class Store {
public:
    std::vector<Key> keys;

    void Parse(const Lines& lines) {
        Key* current = nullptr;
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string_view line = lines[i];
            while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
                line.remove_suffix(1);
            if (line.empty())
                continue;
            if (line.front() == '[') {
                current =
                    line.back() == ']' ? KeyOfHeader(line.substr(1, line.size() - 2)) : nullptr;
                continue;
            }
            if (!current)
                continue;
            Value value;
            if (ParseValue(lines, i, value))
                SetValue(*current, std::move(value));
        }
    }

    Lines Format() {
        std::stable_sort(keys.begin(), keys.end(), KeyBefore);
        Lines lines{"REGEDIT4"};
        for (const Key& key : keys) {
            lines.emplace_back();
            lines.push_back("[" + std::string(NameOf(key.root)) + "\\" + key.path + "]");
            for (const Value& value : key.values) {
                std::string line = value.name.empty() ? "@" : Quote(value.name);
                line += '=';
                if (value.kind == Kind::Text) {
                    line += Quote(value.text);
                } else if (value.kind == Kind::Integer) {
                    char hex[16];
                    std::snprintf(hex, sizeof hex, "%08x", value.number);
                    line += "dword:";
                    line += hex;
                } else {
                    line += value.text;
                }
                lines.push_back(std::move(line));
            }
        }
        return lines;
    }

    Key* Find(RegistryRoot root, std::string_view path) {
        for (Key& key : keys)
            if (key.root == root && SameName(key.path, path))
                return &key;
        return nullptr;
    }

    // Finds or creates a key and its missing parents.
    Key& Create(RegistryRoot root, const std::string& path) {
        size_t sep = 0;
        while ((sep = path.find('\\', sep)) != std::string::npos) {
            const std::string parent = path.substr(0, sep++);
            if (!Find(root, parent))
                keys.push_back({root, parent, {}});
        }
        if (Key* key = Find(root, path))
            return *key;
        keys.push_back({root, path, {}});
        return keys.back();
    }

    static Value* FindValue(Key& key, std::string_view name) {
        for (Value& value : key.values)
            if (SameName(value.name, name))
                return &value;
        return nullptr;
    }

    static void SetValue(Key& key, Value value) {
        if (Value* old = FindValue(key, value.name)) {
            value.name = old->name;
            *old = std::move(value);
        } else {
            key.values.push_back(std::move(value));
        }
    }

private:
    static const char* NameOf(RegistryRoot root) {
        for (const RootName& r : RootNames)
            if (r.root == root)
                return r.name;
        return "";
    }

    Key* KeyOfHeader(std::string_view inner) {
        const size_t sep = inner.find('\\');
        const std::string_view rootName = inner.substr(0, sep);
        for (const RootName& r : RootNames) {
            if (!SameName(rootName, r.name))
                continue;
            const std::string path =
                NormalKeyPath(sep == std::string_view::npos ? "" : inner.substr(sep + 1));
            return path.empty() ? nullptr : &Create(r.root, path);
        }
        return nullptr; // unknown root or a deletion entry [-...]
    }

    // One value line; a raw value whose line ends with '\' continues on the next lines.
    static bool ParseValue(const Lines& lines, size_t& i, Value& value) {
        const std::string_view line = lines[i];
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (line[0] != '"' || !Unquote(line, pos, value.name)) {
            return false;
        }
        if (pos >= line.size() || line[pos] != '=')
            return false;
        std::string_view data = line.substr(pos + 1);
        if (!data.empty() && data[0] == '"') {
            size_t at = 0;
            std::string text;
            Unquote(data, at, text); // a missing closing quote keeps what was there
            value.kind = Kind::Text;
            value.text = std::move(text);
            return true;
        }
        if (data.size() >= 6 && SameName(data.substr(0, 6), "dword:")) {
            const std::string digits(data.substr(6));
            char* end = nullptr;
            const unsigned long n = std::strtoul(digits.c_str(), &end, 16);
            if (!digits.empty() && digits.size() <= 8 && *end == '\0' &&
                digits.find_first_of("+- ") == std::string::npos) {
                value.kind = Kind::Integer;
                value.number = uint32_t(n);
                return true;
            }
        }
        if (data.empty() || data == "-")
            return false;
        value.kind = Kind::Raw;
        value.text = std::string(data);
        while (!value.text.empty() && value.text.back() == '\\' && i + 1 < lines.size()) {
            std::string_view next = lines[++i];
            value.text += "\r\n";
            value.text += next;
        }
        // A continuation with nothing after it would take the next line written after it.
        if (value.text.back() == '\\')
            value.text.pop_back();
        return !value.text.empty();
    }
};

// Holds an exclusive lock on the store's lock file for as long as it lives.
class StoreLock {
public:
    explicit StoreLock(const std::string& file) {
        const std::string folder = ExtractFilePath(file);
        if (!folder.empty())
            ForceDirectories(folder);
        fd = ::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0) {
            while (::flock(fd, LOCK_EX) != 0) {
                if (errno != EINTR) {
                    ::close(fd);
                    fd = -1;
                    break;
                }
            }
        }
    }
    ~StoreLock() {
        if (fd >= 0)
            ::close(fd); // closing releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    bool Held() const { return fd >= 0; }

private:
    int fd = -1;
};

Store Load(const std::string& file) {
    Store store;
    Lines lines;
    if (ReadFileLines(file, lines))
        store.Parse(lines);
    return store;
}

bool Usable(RegistryRoot root, std::string_view key) {
    return root != RegistryRoot::None && !HasLineBreak(key);
}

// Runs a change under the lock on a fresh copy of the store and saves it when the change
// reports that it altered something. The result is the change's, and false when saving
// fails.
template <class Change> bool Modify(const std::string& file, Change change) {
    StoreLock lock(file);
    if (!lock.Held())
        return false;
    Store store = Load(file);
    bool altered = false;
    if (!change(store, altered))
        return false;
    return !altered || WriteFileLines(file, store.Format());
}

} // namespace

std::string DefaultRegistryFile() {
    const QByteArray explicitFile = qgetenv("TEVANO_REGISTRY");
    if (!explicitFile.isEmpty())
        return explicitFile.toStdString();
    QByteArray config = qgetenv("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QFile::encodeName(QDir::homePath()) + "/.config";
    return config.toStdString() + "/tevano/registry.reg";
}

Registry::Registry() : file(DefaultRegistryFile()) {}

Registry::Registry(std::string file) : file(std::move(file)) {}

bool Registry::KeyExists(RegistryRoot root, std::string_view key) const {
    if (!Usable(root, key))
        return false;
    Store store = Load(file);
    return store.Find(root, NormalKeyPath(key)) != nullptr;
}

bool Registry::OpenKey(RegistryRoot root, std::string_view key, bool create) {
    if (!Usable(root, key))
        return false;
    const std::string path = NormalKeyPath(key);
    if (!create || path.empty())
        return !path.empty() && KeyExists(root, path);
    return Modify(file, [&](Store& store, bool& altered) {
        const size_t before = store.keys.size();
        store.Create(root, path);
        altered = store.keys.size() != before;
        return true;
    });
}

bool Registry::ValueExists(RegistryRoot root, std::string_view key, std::string_view name) const {
    if (!Usable(root, key))
        return false;
    Store store = Load(file);
    Key* found = store.Find(root, NormalKeyPath(key));
    return found && Store::FindValue(*found, name);
}

bool Registry::ReadString(RegistryRoot root, std::string_view key, std::string_view name,
                          std::string& value) const {
    if (!Usable(root, key))
        return false;
    Store store = Load(file);
    Key* found = store.Find(root, NormalKeyPath(key));
    const Value* v = found ? Store::FindValue(*found, name) : nullptr;
    if (!v || v->kind == Kind::Raw)
        return false;
    value = v->kind == Kind::Text ? v->text : std::to_string(int32_t(v->number));
    return true;
}

bool Registry::ReadInteger(RegistryRoot root, std::string_view key, std::string_view name,
                           int32_t& value) const {
    if (!Usable(root, key))
        return false;
    Store store = Load(file);
    Key* found = store.Find(root, NormalKeyPath(key));
    const Value* v = found ? Store::FindValue(*found, name) : nullptr;
    if (!v || v->kind != Kind::Integer)
        return false;
    value = int32_t(v->number);
    return true;
}

namespace {

bool WriteValue(const std::string& file, RegistryRoot root, std::string_view key, Value value) {
    const std::string path = NormalKeyPath(key);
    if (!Usable(root, key) || path.empty())
        return false;
    return Modify(file, [&](Store& store, bool& altered) {
        Store::SetValue(store.Create(root, path), std::move(value));
        altered = true;
        return true;
    });
}

} // namespace

bool Registry::WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                           std::string_view value) {
    return WriteValue(file, root, key, {std::string(name), Kind::Text, std::string(value), 0});
}

bool Registry::WriteInteger(RegistryRoot root, std::string_view key, std::string_view name,
                            int32_t value) {
    return WriteValue(file, root, key, {std::string(name), Kind::Integer, {}, uint32_t(value)});
}

bool Registry::WriteBool(RegistryRoot root, std::string_view key, std::string_view name,
                         bool value) {
    return WriteInteger(root, key, name, value ? 1 : 0);
}

bool Registry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
    if (!Usable(root, key))
        return false;
    const std::string path = NormalKeyPath(key);
    return Modify(file, [&](Store& store, bool& altered) {
        Key* found = store.Find(root, path);
        if (!found)
            return false;
        auto& values = found->values;
        const auto it = std::find_if(values.begin(), values.end(),
                                     [&](const Value& v) { return SameName(v.name, name); });
        if (it == values.end())
            return false;
        values.erase(it);
        altered = true;
        return true;
    });
}

bool Registry::DeleteKey(RegistryRoot root, std::string_view key) {
    const std::string path = NormalKeyPath(key);
    if (!Usable(root, key) || path.empty())
        return false;
    return Modify(file, [&](Store& store, bool& altered) {
        const size_t before = store.keys.size();
        std::erase_if(store.keys, [&](const Key& k) {
            return k.root == root &&
                   (SameName(k.path, path) ||
                    (k.path.size() > path.size() && k.path[path.size()] == '\\' &&
                     SameName(std::string_view(k.path).substr(0, path.size()), path)));
        });
        altered = store.keys.size() != before;
        return altered;
    });
}

} // namespace platform
