// SPDX-License-Identifier: MIT
// Asks the window manager to put a window in or out of full screen, as its own menu or a key of
// its would: the _NET_WM_STATE message to the root window, as desktops agree on it.
// The exit status is 0 once the message is sent, 2 when the display cannot be opened.
//   stato_finestra WINDOW_ID entra|esci
#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 3 || (std::strcmp(argv[2], "entra") != 0 && std::strcmp(argv[2], "esci") != 0))
        return 2;
    Display *schermo = XOpenDisplay(nullptr);
    if (!schermo)
        return 2;
    constexpr long Togli = 0, Aggiungi = 1, DaUnProgramma = 1;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = Window(std::strtoul(argv[1], nullptr, 0));
    e.xclient.message_type = XInternAtom(schermo, "_NET_WM_STATE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = std::strcmp(argv[2], "entra") == 0 ? Aggiungi : Togli;
    e.xclient.data.l[1] = long(XInternAtom(schermo, "_NET_WM_STATE_FULLSCREEN", False));
    e.xclient.data.l[3] = DaUnProgramma;
    XSendEvent(schermo, DefaultRootWindow(schermo), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XCloseDisplay(schermo);
    return 0;
}
