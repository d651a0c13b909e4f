// SPDX-License-Identifier: MIT
#include "tastiera.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(CERCANUM_XCB) && QT_CONFIG(xcb)
#define CERCANUM_GESTORE_X 1
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace {

#ifdef CERCANUM_GESTORE_X
// A window manager that follows the desktop's conventions names its own window on the root.
bool GestoreX(xcb_connection_t *c)
{
    static constexpr char nome[] = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t *atomo = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof nome - 1, nome), nullptr);
    if (!atomo)
        return false;
    const xcb_atom_t controllo = atomo->atom;
    std::free(atomo);
    if (controllo == XCB_ATOM_NONE)
        return false; // never interned: nobody ever set it
    const xcb_window_t radice = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_property_reply_t *valore =
        xcb_get_property_reply(c, xcb_get_property(c, 0, radice, controllo, XCB_ATOM_WINDOW, 0, 1), nullptr);
    if (!valore)
        return false;
    const bool presente = xcb_get_property_value_length(valore) == 4;
    std::free(valore);
    return presente;
}
#endif

bool QualcunoLaDa()
{
    const QString piattaforma = QGuiApplication::platformName();
    if (piattaforma.startsWith(QLatin1String("wayland")))
        return true;
#ifdef CERCANUM_GESTORE_X
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>(); x11 && x11->connection())
        return GestoreX(x11->connection());
#endif
    return false;
}

} // namespace

void Tastiera::Prendi(QWidget *w)
{
    if (w && !QualcunoLaDa())
        w->window()->activateWindow();
}
