#pragma once

#include "platform/RgbImage.h"

#include <string>
#include <vector>

namespace vq {

// Plain models of the window's controls. Handlers change them; the desktop phone redraws its widgets
// from them after every event and writes what the pupil types straight back into them.

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct Font {
    int height = 11;      // character height in pixels
    bool bold = false;
    bool operator==(const Font&) const = default;
};

struct Control {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
};

struct Label : Control {
    std::u16string Caption;
    Font font;
    Rgb colour{240, 240, 240}; // a label has the face colour of the panels it lies on unless given its own
    Rgb textColour{0, 0, 0};
    bool centred = false;
};

struct Button : Control {
    std::u16string Caption;
    Font font;
    std::string glyphFile; // picture file of a picture button (full path, empty for a text button)
};

struct Edit : Control {
    std::u16string Text;
    Font font;
    bool multiLine = false;
};

struct ComboBox : Control {
    std::u16string Text;
    std::vector<std::u16string> Items;
    Font font;
    int itemHeight = 23;
};

struct ListBox : Control {
    std::vector<std::u16string> Items;
    int ItemIndex = -1; // the selected row, -1 for none
    Font font;
    int itemHeight = 23;
};

struct Panel : Control {
    Rgb colour{240, 240, 240};
};

struct Picture : Control {
    std::string pictureFile; // full path of the picture shown; empty for the designed picture
    RgbImage image;          // a photo the program decoded or took; drawn instead of pictureFile when not empty
    bool stretch = false;
    bool transparent = false;
};

struct Timer {
    int Interval = 1000; // milliseconds
    bool Enabled = true;
};

// A control of kind C at its designed place.
template <typename C>
C Placed(int left, int top, int width, int height, bool visible = true) {
    C c;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    c.Visible = visible;
    return c;
}

} // namespace vq
