// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>

// The pointing-hand pointer (cursor 101) of every clickable control, read from the embedded
// cursor with its own hot spot; the system's pointing hand if that cannot be read.
QCursor CursoreMano();
