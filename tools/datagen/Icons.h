#pragma once

#include <array>
#include <string>

namespace datagen {

// The sizes of the PNG icons, as the desktop's icon theme asks for them.
inline constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The desktop icons of the phone and the teacher's console, in the hicolor theme's layout below
// folder/<program>/hicolor/: <size>x<size>/apps/<program>.png for every size and scalable/apps/<program>.svg.
void DrawIcons(const std::string& folder);

} // namespace datagen
