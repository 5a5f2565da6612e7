#include "base/Ini.h"

#include <vector>

namespace kv {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        // Every CR before the LF: a Windows file sent once more in text mode ends its lines in
        // CR CR LF, and a CR kept in a value would be lost one by one with each rewrite.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return lines;
}

// "[name]" gives name; anything else nullopt.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsKeyLine(std::string_view line, std::string_view key, std::string_view* value = nullptr) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') return false;
    auto eq = line.find('=');
    if (eq == std::string_view::npos || !SameName(Trim(line.substr(0, eq)), key)) return false;
    if (value) *value = line.substr(eq + 1);
    return true;
}

std::string Unquote(std::string_view raw) {
    std::string_view v = Trim(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string Quote(std::string_view value) {
    std::string v(value);
    // One line per key: a line break would end the value.
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    bool wrap = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                               (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return wrap ? "\"" + v + "\"" : v;
}

}  // namespace

std::optional<std::string> IniGet(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (std::string_view line : Lines(text)) {
        if (auto s = SectionOf(line)) {
            inSection = SameName(*s, section);
            continue;
        }
        std::string_view value;
        if (inSection && IsKeyLine(line, key, &value)) return Unquote(value);
    }
    return std::nullopt;
}

std::string IniSet(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value) {
    std::vector<std::string> lines;
    for (std::string_view line : Lines(text))
        lines.emplace_back(line);
    const std::string entry = std::string(key) + "=" + Quote(value);

    size_t sectionAt = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        auto s = SectionOf(lines[i]);
        if (s && SameName(*s, section)) {
            sectionAt = i;
            break;
        }
    }
    if (sectionAt == lines.size()) {
        if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else {
        size_t lastFilled = sectionAt;
        bool done = false;
        for (size_t i = sectionAt + 1; i < lines.size() && !SectionOf(lines[i]); ++i) {
            if (IsKeyLine(lines[i], key)) {
                lines[i] = entry;
                done = true;
                break;
            }
            if (!Trim(lines[i]).empty()) lastFilled = i;
        }
        if (!done) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), entry);
    }
    std::string out;
    for (const auto& line : lines)
        out += line + "\n";
    return out;
}

}  // namespace kv
