#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plotwise {

// One entry of the curve list. Entries are kept in list order (a file entry
// is followed by its spindle entries); `parent` is -1 for a root.
struct CurveListEntry {
    std::string text;
    int parent = -1;
    bool checked = false;
    bool expanded = false;
    std::optional<std::uint32_t> textColor; // 0x00BBGGRR; none = default colour
    int fileSpindle = 0; // a single-curve file's own spindle number, 0 when none
};

// The curve list's content and its display switches.
class CurveList {
public:
    void clear();
    int count() const { return static_cast<int>(entries_.size()); }
    const CurveListEntry& entry(int index) const { return entries_[index]; }
    CurveListEntry& entry(int index) { return entries_[index]; }
    const std::vector<CurveListEntry>& entries() const { return entries_; }

    int appendRoot(std::string text);
    int appendChild(int parent, std::string text);
    bool hasChildren(int index) const;
    std::vector<int> children(int index) const;

    // Entry text, or the parent's text, "\" and the entry's text for a child.
    std::string fullPath(int index) const;

    int selected = -1;           // selected entry, -1 for none
    bool checkBoxes = false;     // the list shows check boxes
    bool secondOption = false;   // hot tracking: switched by the builders

private:
    std::vector<CurveListEntry> entries_;
};

} // namespace plotwise
