#pragma once

#include "shell/Controls.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QPixmap;

namespace vq {

// How the window's widgets show the core's control models. Each call changes only what differs, so
// that mirroring after every event costs next to nothing and never disturbs what the pupil is typing.

// A widget named as the control whose model it shows, so that tests and tools find it by that name.
template <typename W>
W* NamedWidget(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QFont FontOf(const Font& font);
QColor ColourOf(const Rgb& rgb);

void Place(QWidget& widget, const Control& control);
void ShowPanel(QWidget& widget, const Panel& panel);
void ShowLabel(QLabel& widget, const Label& label);
void ShowButton(QAbstractButton& widget, const Button& button, const QPixmap& glyph);
void SetBackground(QWidget& widget, const QColor& colour);

} // namespace vq
