#pragma once

#include "shell/Controls.h"

#include <QColor>
#include <QFont>

class QAbstractButton;
class QLabel;
class QPixmap;
class QWidget;

namespace vq {

// How the window's widgets show the core's control models. Each call changes only what differs, so
// that mirroring after every event costs next to nothing and never disturbs what the pupil is typing.

QFont FontOf(const Font& font);
QColor ColourOf(const Rgb& rgb);

void Place(QWidget& widget, const Control& control);
void ShowPanel(QWidget& widget, const Panel& panel);
void ShowLabel(QLabel& widget, const Label& label);
void ShowButton(QAbstractButton& widget, const Button& button, const QPixmap& glyph);
void SetBackground(QWidget& widget, const QColor& colour);

} // namespace vq
