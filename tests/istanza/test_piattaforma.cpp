// SPDX-License-Identifier: MIT
// The display platform chosen from the desktop's environment, before Qt starts.
#include "piattaforma.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Ambiente
{
    const char *qpa, *desktop, *sessione, *wayland, *display;
    const char *attesa;
};

void Imposta(const char *nome, const char *valore)
{
    if (valore)
        ::setenv(nome, valore, 1);
    else
        ::unsetenv(nome);
}

} // namespace

TEST(Piattaforma, XWaylandSoloSuGnomeSuWaylandSenzaSceltaDellUtente)
{
    const Ambiente casi[] = {
        {nullptr, "GNOME", "wayland", "wayland-0", ":0", "xcb"},
        {nullptr, "ubuntu:GNOME", "wayland", "wayland-0", ":0", "xcb"},
        {nullptr, "GNOME", nullptr, "wayland-0", ":0", "xcb"}, // a session that does not say its type
        {"", "GNOME", "wayland", "wayland-0", ":0", "xcb"},
        {"wayland", "GNOME", "wayland", "wayland-0", ":0", ""},  // the user's choice stands
        {nullptr, "GNOME", "wayland", "wayland-0", nullptr, ""}, // no XWayland to go to
        {nullptr, "GNOME", "x11", nullptr, ":0", ""},            // already on X
        {nullptr, "KDE", "wayland", "wayland-0", ":0", ""},      // draws its own title bars
        {nullptr, "sway", "wayland", "wayland-1", ":0", ""},
        {nullptr, nullptr, nullptr, "wayland-0", ":0", ""},
    };
    for (const Ambiente &a : casi) {
        Imposta("QT_QPA_PLATFORM", a.qpa);
        Imposta("XDG_CURRENT_DESKTOP", a.desktop);
        Imposta("XDG_SESSION_TYPE", a.sessione);
        Imposta("WAYLAND_DISPLAY", a.wayland);
        Imposta("DISPLAY", a.display);
        EXPECT_EQ(PiattaformaPreferita().toStdString(), a.attesa)
            << (a.desktop ? a.desktop : "-") << " " << (a.sessione ? a.sessione : "-") << " qpa "
            << (a.qpa ? a.qpa : "-") << " display " << (a.display ? a.display : "-");
    }
}
