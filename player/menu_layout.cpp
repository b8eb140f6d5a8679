#include "player/menu_layout.h"

#include <cmath>

#include "player/menu_settings.h"

// Boxes span the window between these margins and repeat every 3.2 font
// sizes: 2.4 of box, 0.8 of gap above it.
const int boxMargin = 140, textLeft = 160;
const double entryPitch = 3.2, boxHeight = 2.4, textDrop = 1.9;

bool exceeds(double value, double limit) { return value - limit > 0.0000001; }

static int cut(double value) { return static_cast<int>(value); }

int effectiveFontSize(const LineList& lines, int boardHeight) {
    const SettingsNumber size = settingsNumber(basicValue(lines, fontSizeLine));
    if (!size.passes || exceeds(size.value, boardHeight / 4.0) || size.value < 1) return cut(boardHeight / 27.77);
    return size.value;
}

int displayedEntryCount(const LineList& lines, int boardHeight, int fontSize) {
    // A board lower than 28 pixels gets no font size to lay entries out by.
    if (fontSize < 1) return 0;
    const double room = boardHeight / 3.47 / fontSize;
    const SettingsNumber count = settingsNumber(basicValue(lines, itemCountLine));
    int entries = count.value;
    if (!count.passes || exceeds(count.value, room) || count.value < 0) entries = cut(room);
    const double present = (static_cast<int>(lines.size()) - firstItemLine) / 3.0;
    if (exceeds(entries, present)) entries = cut(present);
    return entries;
}

EntryBox entryBox(int windowWidth, int fontSize, int entry) {
    const double s = fontSize;
    return {boxMargin,
            cut(s * (entryPitch * entry - boxHeight)),
            cut(windowWidth - boxMargin),
            cut(s * entryPitch * entry),
            textLeft,
            cut(s * (entryPitch * entry - textDrop))};
}

int entryAt(int x, int y, int windowWidth, int fontSize, int entryCount) {
    if (entryCount < 1) return 0;
    if (x < boxMargin || exceeds(x, windowWidth - boxMargin)) return 0;
    // In font-size units, shifted so that every box starts a pitch.
    const double shifted = static_cast<double>(y) / fontSize + boxHeight;
    // On a box's top edge the remainder may fall a rounding error short of a
    // whole pitch instead of at 0; the edge belongs to the box all the same.
    double intoPitch = std::fmod(shifted, entryPitch);
    if (!exceeds(entryPitch, intoPitch)) intoPitch = 0;
    if (exceeds(intoPitch, boxHeight)) return 0;
    double pitches = std::floor(shifted / entryPitch);
    if (shifted / entryPitch - pitches > 0.999999999999) pitches += 1;
    const int entry = static_cast<int>(pitches);
    return entry >= 1 && entry <= entryCount ? entry : 0;
}
