#pragma once

namespace vq {
class Phone;

void BackKey(Phone& phone);
void HomeKey(Phone& phone);
void MenuKey(Phone& phone);
// Skin swatch 1 to 10.
void ChooseSkin(Phone& phone, int swatch);
void RestoreKeyLayout(Phone& phone);
void PlaceBrowserOnScreen(Phone& phone);
void TakeBrowserOffScreen(Phone& phone);
// The window's hit test while the pupil drags the phone by its body; true means "caption area".
bool HitTest(Phone& phone, bool leftButtonDown, int cursorClientY, int windowLeft, int windowTop);

} // namespace vq
