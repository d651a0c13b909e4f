// SPDX-License-Identifier: MIT
#include "istanzaunica.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The abstract namespace and the credentials of a socket's peer are Linux's own; elsewhere a copy
// without a runtime directory runs without a lock.
#if defined(__linux__) && !defined(CERCANUM_RIPIEGHI)
#define CERCANUM_NOME_ASTRATTO 1
#endif

namespace {

using Stato = struct stat;

// How many times a lock file removed under us by the copy that held it is opened again.
constexpr int TentativiFile = 8;

#ifdef CERCANUM_NOME_ASTRATTO
// Room for the connections of copies started while we run; they are accepted and dropped anyway.
constexpr int Coda = 16;
// After a full batch of connections the socket is left alone this long: a flood then wakes the game
// ten times a second, not as fast as it can connect.
constexpr std::chrono::milliseconds PausaDopoLaCoda{100};

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
#endif

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

std::string IstanzaUnica::CartellaPrivata(const char *percorso)
{
    Stato s{};
    if (!percorso || percorso[0] != '/' || ::stat(percorso, &s) != 0)
        return {};
    if (!S_ISDIR(s.st_mode) || s.st_uid != ::geteuid() || (s.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return {};
    return percorso;
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
    delete notifica.data();
    // Removed while still locked: a copy that opened the old file meanwhile sees it gone once it
    // gets the lock, and starts over on a new one.
    if (!fileTenuto.empty())
        ::unlink(fileTenuto.c_str());
    if (presa >= 0)
        ::close(presa);
}

bool IstanzaUnica::Acquisisci()
{
    const std::string cartella = CartellaPrivata(std::getenv("XDG_RUNTIME_DIR"));
    if (!cartella.empty()) {
        switch (BloccaFile(cartella)) {
        case Esito::Tenuto: return true;
        case Esito::Occupato: return false;
        case Esito::Impossibile: break; // as if there were no runtime directory
        }
    }
    return AcquisisciAstratto();
}

IstanzaUnica::Esito IstanzaUnica::BloccaFile(const std::string &cartella)
{
    const std::string percorso = cartella + '/' + radice + ".lock";
    for (int i = 0; i < TentativiFile; ++i) {
        const int f = ::open(percorso.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (f < 0)
            return Esito::Impossibile;
        if (::flock(f, LOCK_EX | LOCK_NB) != 0) {
            const int errore = errno;
            ::close(f);
            return errore == EWOULDBLOCK ? Esito::Occupato : Esito::Impossibile;
        }
        // The lock counts only on the file that is still there under the name.
        Stato aperto{}, nominato{};
        if (::fstat(f, &aperto) == 0 && ::lstat(percorso.c_str(), &nominato) == 0 && aperto.st_dev == nominato.st_dev
            && aperto.st_ino == nominato.st_ino) {
            presa = f;
            fileTenuto = percorso;
            return Esito::Tenuto;
        }
        ::close(f);
    }
    return Esito::Impossibile;
}

#ifdef CERCANUM_NOME_ASTRATTO
bool IstanzaUnica::AcquisisciAstratto()
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
        // Later copies connect to read our credentials; drop them, or the backlog would fill and
        // every further copy would see a stranger.
        notifica = new QSocketNotifier(presa, QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifica, &QSocketNotifier::activated, notifica, [this] { Accetta(); });
    }
    return true;
}

void IstanzaUnica::Accetta()
{
    for (int i = 0; i < Coda; ++i) {
        const int c = ::accept4(presa, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (c < 0)
            return;
        ::close(c);
    }
    // A full batch: more than copies being started would make.
    notifica->setEnabled(false);
    QTimer::singleShot(PausaDopoLaCoda, notifica, [n = notifica] { n->setEnabled(true); });
}
#else
bool IstanzaUnica::AcquisisciAstratto()
{
    return true;
}

void IstanzaUnica::Accetta() {}
#endif

std::string IstanzaUnica::NomeTenuto() const
{
    if (!fileTenuto.empty())
        return fileTenuto;
    return indiceTenuto < 0 ? std::string() : NomeAstratto(radice, ::getuid(), indiceTenuto);
}
