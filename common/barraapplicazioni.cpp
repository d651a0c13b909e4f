// SPDX-License-Identifier: MIT
#include "barraapplicazioni.h"

#include <QGuiApplication>
#include <QWidget>

// Only an X11 window has the property, and only XCB reaches it; without both there is no hint.
#if defined(CERCANUM_XCB) && QT_CONFIG(xcb)
#define CERCANUM_SUGGERIMENTO_BARRA 1
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

#ifdef CERCANUM_SUGGERIMENTO_BARRA
namespace {

xcb_atom_t Atomo(xcb_connection_t *c, const char *nome)
{
    const xcb_intern_atom_cookie_t richiesta = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(nome)), nome);
    xcb_intern_atom_reply_t *risposta = xcb_intern_atom_reply(c, richiesta, nullptr);
    if (!risposta)
        return XCB_ATOM_NONE;
    const xcb_atom_t atomo = risposta->atom;
    std::free(risposta);
    return atomo;
}

} // namespace

void BarraApplicazioni::Escludi(QWidget *finestra)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *c = x11->connection();
    const auto id = static_cast<xcb_window_t>(finestra->winId()); // creates the native window
    const xcb_atom_t stato = Atomo(c, "_NET_WM_STATE");
    const xcb_atom_t salta = Atomo(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (stato == XCB_ATOM_NONE || salta == XCB_ATOM_NONE)
        return;
    // Qt merges its own states into this property when it maps the window.
    xcb_change_property(c, XCB_PROP_MODE_APPEND, id, stato, XCB_ATOM_ATOM, 32, 1, &salta);
    xcb_flush(c);
}
#else
void BarraApplicazioni::Escludi(QWidget *) {}
#endif
