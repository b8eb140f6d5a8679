#include "platform/system.h"
#include "player/menu_layout.h"
#include "player/menu_player.h"
#include "player/menu_settings.h"

using namespace platform;

// Gives the window one outer dimension from its stored value. The window may
// not take the value as written (it imposes a minimum size), so the check
// looks at what it took.
static int fitWindow(void (*set)(ControlId, int), int (*get)(ControlId), const Text& value, int screen,
                     int fallback) {
    set(theWindow, settingsNumber(value).value);
    const int taken = get(theWindow);
    if (textLength(integerToText(taken)) != textLength(value) || exceeds(taken, screen)) set(theWindow, fallback);
    return get(theWindow);
}

static Text boardFontFace(const Text& fontName) {
    return fontName.empty() || textLength(fontName) >= 32 ? Text("宋体") : fontName;
}

static void drawEntry(const LineList& lines, int windowWidth, int fontSize, int entry) {
    const EntryBox box = entryBox(windowWidth, fontSize, entry);
    drawRoundedBox(menuBoard, box.left, box.top, box.right, box.bottom);
    drawText(menuBoard, box.textLeft, box.textTop,
             joinText("【", entryValue(lines, entry, HotkeySlot), "】 ", entryValue(lines, entry, TitleSlot)));
}

void buildMenuWindow(const LineList& lines) {
    const int windowWidth = fitWindow(setWidth, width, basicValue(lines, widthLine), screenWidth(), 800);
    const int windowHeight = fitWindow(setHeight, height, basicValue(lines, heightLine), screenHeight(), 600);

    setWidth(titleLabel, windowWidth - 96);
    setWidth(authorLabel, windowWidth - 160);
    setWidth(menuBoard, windowWidth);
    setHeight(menuBoard, windowHeight - 100);
    setTop(webAddressLabel, windowHeight - 48);

    setText(theWindow, basicValue(lines, titleLine));
    setText(titleLabel, text(theWindow));
    setText(authorLabel, basicValue(lines, authorLine));

    const int boardHeight = height(menuBoard);
    const int fontSize = effectiveFontSize(lines, boardHeight);
    const int entries = displayedEntryCount(lines, boardHeight, fontSize);
    setFont(menuBoard, boardFontFace(basicValue(lines, fontNameLine)), fontSize);
    for (int entry = 1; entry <= entries; ++entry) drawEntry(lines, windowWidth, fontSize, entry);
}
