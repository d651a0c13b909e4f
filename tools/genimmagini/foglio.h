// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A contact sheet for looking at the artwork: each picture at real size as its file holds it,
// its double-size variant, and the real size enlarged four times, on the paper background.
bool ScriviFoglio(const QString &percorso);
