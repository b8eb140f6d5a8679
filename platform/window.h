#pragma once
// The one window of a program as its handlers see it: controls addressed by
// identity, their properties set and read by meaning. A program describes
// its window as a template (a table of controls); the backend makes it and
// calls the program's handlers for its events.

#include <cstdint>

#include "package/text_ops.h"

namespace platform {

using ControlId = int;
const ControlId theWindow = 0;  // the window itself: its caption and outer size

using Colour = std::uint32_t;  // 0x00BBGGRR
constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}

enum class ControlKind {
    Label,             // one line or more, no wrap
    WrappingLabel,     // multi-line, wraps its text
    Edit,              // single-line edit box
    Button,            // push button; its text is its caption
    ComboBox,          // edit field with an unsorted drop-down list
    TransparentLabel,  // paints only its text, optionally with a drop shadow
    DrawingBoard,      // a picture that keeps what is drawn on it
};
enum class InputMode { Normal, Integer };
enum class Align { Left, Centre, Right };
enum class Pointer { Default, Hand, Board };

struct FontSpec {
    const char* face;  // nullptr: the window's default font
    int height;        // character height in pixels
    int weight;        // 400 normal, 700 bold
    bool gb2312;       // GB2312 character set
};

// How a drawing board draws: pen, brush and text.
struct BoardStyle {
    Colour pen;
    int penWidth;
    Colour brush;
    Colour text;
};

struct ControlSpec {
    ControlId id;
    ControlKind kind;
    int left, top, width, height;  // client coordinates of the window
    const char* text;
    bool shown;
    bool tabStop;
    FontSpec font;
    Colour textColour;  // transparent labels
    Align align;        // transparent labels
    bool shadow;        // transparent labels: black, 2 pixels right and down
    Pointer pointer;
    const BoardStyle* board;  // drawing boards
};

struct WindowSpec {
    const char* caption;
    int width, height;  // outer size; the window opens centred on the screen
    bool systemBackground;
    Colour background;  // when not the system's
    const ControlSpec* controls;
    int controlCount;
};

// Modifier state of a key or mouse event.
const int ctrlHeld = 1, shiftHeld = 2, altHeld = 4;

// Key codes arrive as the low byte of the virtual-key code, the numeric
// keypad folded onto the main keyboard (keypad digits as "0" to "9", keypad
// minus, point and divide as 189, 190, 191), system keys included.
struct WindowEvents {
    void (*created)();
    void (*destroying)();
    void (*buttonClicked)(ControlId button);
    void (*keyPressed)(int keyCode, int modifiers);        // anywhere in the window
    void (*keyReleased)(ControlId control, int keyCode);  // in a control that has the focus
    void (*mousePressed)(ControlId control, int x, int y, int modifiers);  // left button
    void (*listSelected)(ControlId list);
};

// Makes the window from its template, centred on the screen, shows it, runs
// the created event and then the event loop until the program ends. Handlers
// left null are not called.
int runWindow(const WindowSpec& design, const WindowEvents& events);

void setText(ControlId control, const Text& text);  // also a button's caption, the window's caption
Text text(ControlId control);
void setVisible(ControlId control, bool visible);
bool visible(ControlId control);
void setLeft(ControlId control, int left);
void setTop(ControlId control, int top);
void setWidth(ControlId control, int width);  // the window may impose a minimum size
void setHeight(ControlId control, int height);
int left(ControlId control);
int top(ControlId control);
int width(ControlId control);
int height(ControlId control);
void setInputMode(ControlId edit, InputMode mode);
void clearList(ControlId list);
void addListEntry(ControlId list, const Text& entry);
void setListSelection(ControlId list, int index);
Text listText(ControlId list);  // the text in the list's edit field
void setFontName(ControlId control, const Text& face);
void setFont(ControlId control, const Text& face, int points);  // keeps weight and character set
void drawRoundedBox(ControlId board, int left, int top, int right, int bottom);
void drawText(ControlId board, int x, int y, const Text& text);
void destroyWindow();

}  // namespace platform
