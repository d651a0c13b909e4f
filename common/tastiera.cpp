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

void Tastiera::Chiedi(QWidget *w, unsigned int tempo)
{
    QWidget *finestra = w->window();
    finestra->raise();
#ifdef CERCANUM_GESTORE_X
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (tempo != 0 && x11 && x11->connection() && GestoreX(x11->connection())) {
        // Qt would send the time of the last event it saw here, older than the user's new start.
        xcb_connection_t *c = x11->connection();
        static constexpr char nome[] = "_NET_ACTIVE_WINDOW";
        xcb_intern_atom_reply_t *atomo =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof nome - 1, nome), nullptr);
        if (atomo) {
            xcb_client_message_event_t messaggio{};
            messaggio.response_type = XCB_CLIENT_MESSAGE;
            messaggio.format = 32;
            messaggio.window = static_cast<xcb_window_t>(finestra->winId());
            messaggio.type = atomo->atom;
            messaggio.data.data32[0] = 1; // from an application
            messaggio.data.data32[1] = tempo;
            std::free(atomo);
            const xcb_window_t radice = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
            xcb_send_event(c, 0, radice, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                           reinterpret_cast<const char *>(&messaggio));
            xcb_flush(c);
            return;
        }
    }
#else
    Q_UNUSED(tempo)
#endif
    finestra->activateWindow();
}

unsigned int Tastiera::OraX()
{
#ifdef CERCANUM_GESTORE_X
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return 0;
    // The server stamps the change of a property on a window nobody sees, and says when.
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    unsigned int tempo = 0;
    if (!xcb_connection_has_error(c)) {
        const xcb_screen_t *schermo = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_window_t w = xcb_generate_id(c);
        const uint32_t eventi = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, schermo->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &eventi);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(c);
        while (xcb_generic_event_t *e = xcb_wait_for_event(c)) {
            const bool trovato = (e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
            if (trovato)
                tempo = reinterpret_cast<xcb_property_notify_event_t *>(e)->time;
            std::free(e);
            if (trovato)
                break;
        }
    }
    xcb_disconnect(c);
    return tempo;
#else
    return 0;
#endif
}
