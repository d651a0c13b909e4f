// SPDX-License-Identifier: MIT
#include "istanzaunica.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Room for the connections of copies started while we run; they are accepted and dropped anyway.
constexpr int Coda = 16;

socklen_t Indirizzo(const std::string &nome, sockaddr_un &indirizzo)
{
    indirizzo = {};
    indirizzo.sun_family = AF_UNIX;
    // Abstract namespace: a leading NUL, then the name without a terminator.
    const std::size_t n = std::min(nome.size(), sizeof(indirizzo.sun_path) - 1);
    std::memcpy(indirizzo.sun_path + 1, nome.data(), n);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
}

int NuovaPresa()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// The uid of the process listening on `nome`, if one can be reached and asked.
std::optional<uid_t> Ascoltatore(const std::string &nome)
{
    const int s = NuovaPresa();
    if (s < 0)
        return std::nullopt;
    sockaddr_un indirizzo;
    const socklen_t lunghezza = Indirizzo(nome, indirizzo);
    std::optional<uid_t> uid;
    // Non-blocking: a stranger's socket with a full backlog answers EAGAIN instead of hanging us.
    if (::connect(s, reinterpret_cast<const sockaddr *>(&indirizzo), lunghezza) == 0) {
        ucred credenziali{};
        socklen_t dimensione = sizeof credenziali;
        if (::getsockopt(s, SOL_SOCKET, SO_PEERCRED, &credenziali, &dimensione) == 0)
            uid = credenziali.uid;
    }
    ::close(s);
    return uid;
}

// A socket bound and listening on `nome`, or -1 when the name is taken (or sockets fail).
int Lega(const std::string &nome)
{
    const int s = NuovaPresa();
    if (s < 0)
        return -1;
    sockaddr_un indirizzo;
    const socklen_t lunghezza = Indirizzo(nome, indirizzo);
    if (::bind(s, reinterpret_cast<const sockaddr *>(&indirizzo), lunghezza) == 0 && ::listen(s, Coda) == 0)
        return s;
    ::close(s);
    return -1;
}

} // namespace

IstanzaUnica::Nome IstanzaUnica::Classifica(uid_t mio, bool occupato, std::optional<uid_t> pari)
{
    if (!occupato)
        return Nome::Libero;
    return pari == mio ? Nome::Nostro : Nome::Altrui;
}

IstanzaUnica::Scelta IstanzaUnica::Decidi(const std::vector<Nome> &nomi)
{
    Scelta scelta;
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        if (nomi[i] == Nome::Nostro)
            return Scelta{true, -1};
        if (nomi[i] == Nome::Libero && scelta.daTenere < 0)
            scelta.daTenere = static_cast<int>(i);
    }
    return scelta;
}

std::string IstanzaUnica::NomeAstratto(const std::string &radice, uid_t utente, int indice)
{
    std::string nome = radice + '-' + std::to_string(utente);
    if (indice > 0)
        nome += '-' + std::to_string(indice);
    return nome;
}

IstanzaUnica::IstanzaUnica(std::string radice)
    : radice(std::move(radice))
{
}

IstanzaUnica::~IstanzaUnica()
{
    notifica.reset();
    if (presa >= 0)
        ::close(presa);
}

bool IstanzaUnica::Acquisisci()
{
    const uid_t mio = ::getuid();
    std::vector<Nome> esiti;
    int tenuta = -1;
    // Once a name is held the later ones are only asked, never bound: two copies starting together
    // must not each find the other's spare name and both leave.
    for (int i = 0; i < NomiPossibili; ++i) {
        const std::string nome = NomeAstratto(radice, mio, i);
        bool legato = false;
        if (tenuta < 0) {
            tenuta = Lega(nome);
            legato = tenuta >= 0;
        }
        bool occupato = false;
        std::optional<uid_t> pari;
        if (!legato) {
            pari = Ascoltatore(nome);
            // Before a name is held, a failed bind means taken; after, only a listener counts.
            occupato = tenuta < 0 || pari.has_value();
        }
        esiti.push_back(Classifica(mio, occupato, pari));
        if (esiti.back() == Nome::Nostro)
            break;
    }

    const Scelta scelta = Decidi(esiti);
    if (scelta.cedi) {
        if (tenuta >= 0)
            ::close(tenuta);
        return false;
    }
    if (tenuta >= 0) {
        presa = tenuta;
        indiceTenuto = scelta.daTenere;
        // Later copies connect to read our credentials; drop them at once, or the backlog would
        // fill and every further copy would see a stranger.
        notifica = std::make_unique<QSocketNotifier>(presa, QSocketNotifier::Read);
        QObject::connect(notifica.get(), &QSocketNotifier::activated, notifica.get(), [this] { Accetta(); });
    }
    return true;
}

void IstanzaUnica::Accetta()
{
    for (;;) {
        const int c = ::accept4(presa, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (c < 0)
            break;
        ::close(c);
    }
}

std::string IstanzaUnica::NomeTenuto() const
{
    return indiceTenuto < 0 ? std::string() : NomeAstratto(radice, ::getuid(), indiceTenuto);
}
