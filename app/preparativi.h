// SPDX-License-Identifier: MIT
#pragma once

// Start-up work that main runs on the second core, each on a thread of its own, so that the window
// does not wait for it.

// Reads the system's font configuration, which Qt would otherwise parse (some milliseconds of XML)
// on the first text it lays out, between the start and the window appearing. Joined before the first
// font is registered.
void LeggiConfigurazioneCaratteri();

// Opens the connection to the desktop's session bus. Qt's accessibility bridge asks for it the
// first time a control gets a text, and waits, in the middle of building the window; begun right
// after the application object, it is ready (or known to be missing) by then.
void CollegaBusDiSessione();
