#pragma once
// The main window's stored state: its placement and the two records-file menu items, kept as
// text values in section "MainForm" of a per-user INI file. Linux has no registry, so the file's
// path mirrors the key "\software\quorvane\kvelli\storage" under the XDG config directory.
// Plain C++: the window applies what this decides.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv {

inline constexpr std::string_view kMainFormSection = "MainForm";

// One section of an INI file, its values in the order read (or to be written). Names compare
// without regard to case, as registry value names did.
class IniSection {
  public:
    using Value = std::pair<std::string, std::string>;

    const std::string* Find(std::string_view name) const;
    // Replaces the value of that name, or appends it.
    void Set(std::string_view name, std::string_view value);
    const std::vector<Value>& Values() const { return values_; }
    bool Empty() const { return values_.empty(); }

  private:
    std::vector<Value> values_;
};

// Section `section` of INI text ("Name=Value" lines, LF or CR LF); empty if absent.
IniSection ReadIniSection(std::string_view text, std::string_view section);
// `text` with section `section` replaced by `values` (appended if absent); the rest is kept.
std::string ReplaceIniSection(std::string_view text, std::string_view section, const IniSection& values);

// ConfigHome() + "/software/quorvane/kvelli/storage.ini".
std::string WindowStatePath();

// Text forms of the values.
std::optional<int> ParseInt(std::string_view text);  // decimal, optional sign, 32-bit
// Up to `count` comma-separated integers into `values`; a part that is not a number, or is
// missing, leaves its value as it was.
void ParseIntList(std::string_view text, int* values, int count);
std::string FormatIntList(const int* values, int count);  // "%d,%d,..."
std::optional<bool> ParseBool(std::string_view text);     // "True" / "False", any case
const char* FormatBool(bool value);                       // "True" / "False"

enum class ShowState { Normal, Minimized, Maximized };
ShowState ShowStateFromCmd(int showCmd);  // 3 maximised; 2, 6, 7 minimised; else normal
int ShowCmdOf(ShowState state);           // 1, 2 or 3

struct WindowPlacement {
    // The normal rectangle in screen pixels: left, top, right, bottom (right and bottom exclusive).
    int norm[4] = {0, 0, 0, 0};
    // The minimised position (x, y) and the maximised position (x, y); -1 where there is none.
    int minMax[4] = {-1, -1, -1, -1};
    ShowState show = ShowState::Normal;
    int flags = 0;
    int pixelsPerInch = 96;
};

struct MenuCheck {
    std::string item;  // "N4"
    bool checked = false;
};

// What to apply at the first showing of the window.
struct StoredState {
    std::vector<MenuCheck> menu;  // only the items with a well-formed stored value
    bool move = false;            // move the window's top-left corner to (left, top)
    int left = 0, top = 0;
    std::optional<ShowState> show;  // absent or malformed: keep the layout's state
};

// Decides what section `s` asks for. `current` is the window now, at the current resolution;
// `menuItems` are the names of the checkable items whose state is kept.
StoredState InterpretMainForm(const IniSection& s, const WindowPlacement& current,
                              const std::vector<std::string>& menuItems);

// Writes the values into `s` in the order FormVersion, Flags, ShowCmd, PixelsPerInch, MinMaxPos,
// NormPos, Visible, then "<item>_Checked" for each menu item. Other values of `s` stay.
// Without `withPosition` (a platform where a program cannot learn or choose where its window
// stands) PixelsPerInch, MinMaxPos and NormPos are left as `s` holds them, absent ones included:
// the place stored where it was known outlives a run that could only guess it.
void StoreMainForm(IniSection& s, const WindowPlacement& p, const std::vector<MenuCheck>& menu,
                   bool withPosition = true);

// The file as a whole: reading a missing file gives an empty section; a file that exists but
// cannot be read, or cannot be written, throws kv::Exception naming it. Writing replaces the
// file atomically and keeps its other sections.
IniSection LoadSection(const std::string& path, std::string_view section);
void SaveSection(const std::string& path, std::string_view section, const IniSection& values);

}  // namespace kv
