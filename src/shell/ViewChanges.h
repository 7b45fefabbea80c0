#pragma once
#include <functional>
#include <utility>

namespace plotwise {

// What a handler changed, so the view refreshes only that.
namespace Change {
inline constexpr unsigned List = 1;    // curve list entries, ticks, colours, selection
inline constexpr unsigned Grid1 = 2;   // loaded-curve table content
inline constexpr unsigned Folders = 4; // Drive1, Dir1, File1
inline constexpr unsigned Layout = 8;  // geometry, visibility, enabled flags, pointer
inline constexpr unsigned Texts = 16;  // caption, tips, captions
inline constexpr unsigned State = 32;  // check values, timers, plot requests
inline constexpr unsigned Picture = 64;       // the plot image
inline constexpr unsigned PlotControls = 128; // scroll bars, plot text boxes, options, labels
inline constexpr unsigned PlotPointer = 256;  // pointer and tip over the plot
inline constexpr unsigned Grid2 = 512;        // result table content, colours, widths, current row
inline constexpr unsigned All = 1023;
} // namespace Change

// Collects the change bits of a handler and of the handlers it runs, and tells
// the view once when the outermost one returns. The window core and each of
// its controllers open a Batch around every handler the window calls.
class ViewChanges {
public:
    // Tells the view; set by the window core.
    std::function<void(unsigned changes)> tell;
    // Change bits gathered elsewhere (the plot's), taken when the view is told.
    std::function<unsigned()> collect;

    void add(unsigned changes) { pending_ |= changes; }

    // Tells the view what changed so far while a long action still runs.
    void flush() {
        if (collect) pending_ |= collect();
        const unsigned changes = std::exchange(pending_, 0u);
        if (changes != 0 && tell) tell(changes);
    }

    class Batch {
    public:
        Batch(ViewChanges& changes, unsigned bits) : changes_(changes) {
            ++changes_.depth_;
            changes_.pending_ |= bits;
        }
        ~Batch() {
            if (--changes_.depth_ == 0) changes_.flush();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ViewChanges& changes_;
    };

private:
    unsigned pending_ = 0;
    int depth_ = 0;
};

} // namespace plotwise
