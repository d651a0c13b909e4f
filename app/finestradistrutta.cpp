// SPDX-License-Identifier: MIT
#include "finestradistrutta.h"

#include <QApplication>
#include <QWidget>

#if defined(CERCANUM_XCB) && QT_CONFIG(xcb)
#define CERCANUM_FINESTRE_X 1
#include <xcb/xcb.h>
#endif

FinestraDistrutta::FinestraDistrutta(std::function<bool(const QWidget &)> s, std::function<void(QWidget &)> p)
    : sorvegliata(std::move(s))
    , persa(std::move(p))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

FinestraDistrutta::~FinestraDistrutta()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool FinestraDistrutta::nativeEventFilter(const QByteArray &tipo, void *messaggio, qintptr *)
{
#ifdef CERCANUM_FINESTRE_X
    if (tipo != "xcb_generic_event_t")
        return false;
    const auto *evento = static_cast<const xcb_generic_event_t *>(messaggio);
    if ((evento->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const xcb_window_t id = reinterpret_cast<const xcb_destroy_notify_event_t *>(evento)->window;
    const QWidgetList finestre = QApplication::topLevelWidgets();
    for (QWidget *w : finestre) {
        if (w->internalWinId() == id && sorvegliata(*w)) {
            persa(*w);
            break;
        }
    }
#else
    Q_UNUSED(tipo);
    Q_UNUSED(messaggio);
#endif
    return false;
}
