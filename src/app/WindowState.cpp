#include "app/WindowState.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <iterator>

#include "base/AtomicFile.h"
#include "base/Exception.h"
#include "base/XdgDirs.h"

namespace kv {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x < 0x80 && y < 0x80) {
            if (std::tolower(x) != std::tolower(y)) return false;
        } else if (x != y) {
            return false;
        }
    }
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Calls `line(text)` for every line, without its line end.
template <class F>
void ForEachLine(std::string_view text, F&& line) {
    while (!text.empty()) {
        auto nl = text.find('\n');
        std::string_view l = text.substr(0, nl);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        line(l);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
}

// "[Name]" gives "Name"; anything else gives nothing.
std::optional<std::string_view> SectionHeader(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return Trim(line.substr(1, line.size() - 2));
}

}  // namespace

const std::string* IniSection::Find(std::string_view name) const {
    for (const auto& v : values_)
        if (SameName(v.first, name)) return &v.second;
    return nullptr;
}

void IniSection::Set(std::string_view name, std::string_view value) {
    for (auto& v : values_) {
        if (SameName(v.first, name)) {
            v.second = value;
            return;
        }
    }
    values_.emplace_back(std::string(name), std::string(value));
}

IniSection ReadIniSection(std::string_view text, std::string_view section) {
    IniSection out;
    bool inside = false;
    ForEachLine(text, [&](std::string_view line) {
        if (auto name = SectionHeader(line)) {
            inside = SameName(*name, section);
            return;
        }
        if (!inside) return;
        auto t = Trim(line);
        if (t.empty() || t.front() == ';' || t.front() == '#') return;
        auto eq = t.find('=');
        if (eq == std::string_view::npos) return;
        auto name = Trim(t.substr(0, eq));
        if (name.empty()) return;
        out.Set(name, Trim(t.substr(eq + 1)));
    });
    return out;
}

std::string ReplaceIniSection(std::string_view text, std::string_view section, const IniSection& values) {
    std::string block = "[" + std::string(section) + "]\n";
    for (const auto& [name, value] : values.Values())
        block += name + "=" + value + "\n";

    std::string out;
    bool inside = false, written = false;
    ForEachLine(text, [&](std::string_view line) {
        if (auto name = SectionHeader(line)) {
            inside = SameName(*name, section);
            if (inside) {
                if (!written) out += block;
                written = true;
                return;
            }
        }
        if (!inside) {
            out += line;
            out += '\n';
        }
    });
    if (!written) {
        if (!out.empty() && !out.ends_with("\n\n")) out += '\n';
        out += block;
    }
    return out;
}

std::string WindowStatePath() {
    return ConfigHome() + "/software/quorvane/kvelli/storage.ini";
}

std::optional<int> ParseInt(std::string_view text) {
    text = Trim(text);
    size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (digits == text.size()) return std::nullopt;
    for (size_t i = digits; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    // from_chars takes '-' but not '+'.
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    int value = 0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

void ParseIntList(std::string_view text, int* values, int count) {
    for (int i = 0; i < count; ++i) {
        auto comma = text.find(',');
        if (auto v = ParseInt(text.substr(0, comma))) values[i] = *v;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
}

std::string FormatIntList(const int* values, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i) out += ',';
        out += std::to_string(values[i]);
    }
    return out;
}

std::optional<bool> ParseBool(std::string_view text) {
    if (SameName(text, "True")) return true;
    if (SameName(text, "False")) return false;
    return std::nullopt;
}

const char* FormatBool(bool value) {
    return value ? "True" : "False";
}

ShowState ShowStateFromCmd(int showCmd) {
    switch (showCmd) {
        case 3:
            return ShowState::Maximized;
        case 2:
        case 6:
        case 7:
            return ShowState::Minimized;
        default:
            return ShowState::Normal;
    }
}

int ShowCmdOf(ShowState state) {
    switch (state) {
        case ShowState::Minimized:
            return 2;
        case ShowState::Maximized:
            return 3;
        case ShowState::Normal:
            break;
    }
    return 1;
}

StoredState InterpretMainForm(const IniSection& s, const WindowPlacement& current,
                              const std::vector<std::string>& menuItems) {
    StoredState out;
    for (const auto& item : menuItems) {
        if (const auto* v = s.Find(item + "_Checked"))
            if (auto b = ParseBool(*v)) out.menu.push_back({item, *b});
    }

    int norm[4], minMax[4];
    std::copy(std::begin(current.norm), std::end(current.norm), norm);
    std::copy(std::begin(current.minMax), std::end(current.minMax), minMax);
    const std::string* normText = s.Find("NormPos");
    const std::string* minMaxText = s.Find("MinMaxPos");
    if (normText) ParseIntList(*normText, norm, 4);
    if (minMaxText) ParseIntList(*minMaxText, minMax, 4);
    int ppi = current.pixelsPerInch;
    if (const auto* v = s.Find("PixelsPerInch"))
        if (auto p = ParseInt(*v)) ppi = *p;

    // A placement from another resolution would put the window somewhere else entirely.
    if ((normText || minMaxText) && ppi == current.pixelsPerInch) {
        out.move = true;
        out.left = norm[0];
        out.top = norm[1];
    }
    if (const auto* v = s.Find("ShowCmd"))
        if (auto cmd = ParseInt(*v)) out.show = ShowStateFromCmd(*cmd);
    return out;
}

void StoreMainForm(IniSection& s, const WindowPlacement& p, const std::vector<MenuCheck>& menu,
                   bool withPosition) {
    s.Set("FormVersion", "0");
    s.Set("Flags", std::to_string(p.flags));
    s.Set("ShowCmd", std::to_string(ShowCmdOf(p.show)));
    if (withPosition) {
        s.Set("PixelsPerInch", std::to_string(p.pixelsPerInch));
        s.Set("MinMaxPos", FormatIntList(p.minMax, 4));
        s.Set("NormPos", FormatIntList(p.norm, 4));
    }
    s.Set("Visible", "0");
    for (const auto& m : menu)
        s.Set(m.item + "_Checked", FormatBool(m.checked));
}

IniSection LoadSection(const std::string& path, std::string_view section) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        // A FIFO, a directory or a file far beyond any window state: unreadable.
        throw Exception("Unable to read " + path);
    }
    return ReadIniSection(text, section);
}

void SaveSection(const std::string& path, std::string_view section, const IniSection& values) {
    std::string text;
    // Keep what else the file holds; a file we cannot read must not be replaced blindly.
    if (!ReadWholeFile(path, text) && errno != ENOENT && errno != ENOTDIR)
        throw Exception("Unable to write to " + path);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec) throw Exception("Unable to write to " + path + ": " + ec.message());
    WriteFileAtomic(path, ReplaceIniSection(text, section, values));
}

}  // namespace kv
