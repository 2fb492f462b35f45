#include "desktop/phone/ControlMirror.h"

#include "desktop/phone/Addresses.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>

#include <algorithm>

namespace vq {

QFont FontOf(const Font& font) {
    QFont f;
    // The designed face first; the Japanese face for every character it lacks.
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")});
    f.setPixelSize(font.height);
    f.setBold(font.bold);
    return f;
}

QColor ColourOf(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void Place(QWidget& widget, const Control& control) {
    const QRect rect(control.Left, control.Top, control.Width, control.Height);
    if (widget.geometry() != rect) widget.setGeometry(rect);
    if (widget.isVisibleTo(widget.parentWidget()) != control.Visible) widget.setVisible(control.Visible);
}

void SetBackground(QWidget& widget, const QColor& colour) {
    if (widget.autoFillBackground() && widget.palette().color(QPalette::Window) == colour) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void ShowPanel(QWidget& widget, const Panel& panel) {
    Place(widget, panel);
    SetBackground(widget, ColourOf(panel.colour));
}

namespace {

// A one-line caption wider than its label is drawn smaller rather than cut off at the label's edges
// (the arrival notice is wider than its designed box at the designed size).
QFont FittedFont(QFont font, const QString& text, int width) {
    if (width <= 0 || text.isEmpty() || text.contains(QLatin1Char('\n'))) return font;
    const int wanted = QFontMetrics(font).horizontalAdvance(text);
    if (wanted <= width) return font;
    font.setPixelSize(std::max(8, font.pixelSize() * width / wanted));
    return font;
}

} // namespace

void ShowLabel(QLabel& widget, const Label& label) {
    Place(widget, label);
    // A caption can hold what a mail record held; QLabel would take text that looks like markup as
    // rich text and draw it (pictures from the disk among it).
    if (widget.textFormat() != Qt::PlainText) widget.setTextFormat(Qt::PlainText);
    const QString text = ToQString(label.Caption);
    if (widget.text() != text) widget.setText(text);
    const QFont font = FittedFont(FontOf(label.font), text, label.Width - 4);
    if (widget.font() != font) widget.setFont(font);
    SetBackground(widget, ColourOf(label.colour));
    if (widget.palette().color(QPalette::WindowText) != ColourOf(label.textColour)) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::WindowText, ColourOf(label.textColour));
        widget.setPalette(palette);
    }
    const Qt::Alignment alignment = label.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop;
    if (widget.alignment() != alignment) widget.setAlignment(alignment);
}

void ShowButton(QAbstractButton& widget, const Button& button, const QPixmap& glyph) {
    Place(widget, button);
    const QString text = ToQString(button.Caption);
    if (widget.text() != text) widget.setText(text);
    const QFont font = FontOf(button.font);
    if (widget.font() != font) widget.setFont(font);
    // The icon the button holds is a copy; the glyph it came from is remembered by its key.
    const char* const kGlyphKey = "vqGlyphKey";
    const qint64 key = glyph.isNull() ? 0 : glyph.cacheKey();
    if (widget.property(kGlyphKey).toLongLong() == key) return;
    widget.setProperty(kGlyphKey, key);
    widget.setIcon(glyph.isNull() ? QIcon() : QIcon(glyph));
    if (!glyph.isNull()) widget.setIconSize(glyph.size());
}

} // namespace vq
