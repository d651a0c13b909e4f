// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <array>

// The program's icon for desktop menus: the window's yellow question mark, drawn afresh at each
// size of the icon theme rather than enlarged from the 32-pixel file.
inline constexpr std::array<int, 4> kLatiIconaDesktop{32, 48, 64, 128};

QImage IconaDesktop(int lato);

// Where the icon of one size goes under the root, e.g. "resources/icons/48x48/cercanum.png".
QString PercorsoIconaDesktop(int lato);
