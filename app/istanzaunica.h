// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class QSocketNotifier;

// Only one copy of the game runs per user. The lock is a file lock on "<radice>.lock" in the
// user's private runtime directory ($XDG_RUNTIME_DIR): nobody else can open that file, so no other
// user can take the lock or reach the running copy, and the kernel frees it the moment the process
// dies, however it dies. A copy that finds it held leaves; the lock tells the running one nothing
// (the wake-up goes through the session bus: risveglio.h).
// The file goes with the copy that held it.
//
// Without such a directory (no login session, or one that is not private to us) the lock falls back
// to a Linux abstract socket, which the process' death frees as well. The abstract namespace is
// shared by every user, so anyone can bind our name first. A taken name only counts when the process
// listening on it runs as this user (SO_PEERCRED); a name held by anyone else is skipped and the next
// of a short fixed list is tried, so copies of one user still find each other. If every name is held
// by strangers the game runs without a lock. Anyone can connect to that socket, so the running copy
// accepts connections in bounded batches: a flood of them costs it a few wake-ups a second.
class IstanzaUnica
{
public:
    // Names tried in order: "<radice>-<uid>", then "<radice>-<uid>-1" and so on.
    static constexpr int NomiPossibili = 4;

    // What probing one name found.
    enum class Nome {
        Libero, // nobody listens there (we may now hold it)
        Nostro, // a copy of this same user listens there
        Altrui, // someone else holds it, or who holds it cannot be told
    };
    struct Scelta
    {
        bool cedi = false; // another copy of this user runs: leave
        int daTenere = -1; // index of the name to keep; -1 when none could be had
        bool operator==(const Scelta &) const = default;
    };

    // A taken name is ours only when its listener's credentials name this user.
    static Nome Classifica(uid_t mio, bool occupato, std::optional<uid_t> pari);
    // The outcome of probing names in order; probing stops at the first `Nostro`.
    static Scelta Decidi(const std::vector<Nome> &nomi);
    // `percorso` when it is an absolute path to a directory of this user that nobody else may enter
    // or list; empty otherwise, and the lock then falls back to the abstract name.
    static std::string CartellaPrivata(const char *percorso);

    explicit IstanzaUnica(std::string radice = "cercanum");
    ~IstanzaUnica();
    IstanzaUnica(const IstanzaUnica &) = delete;
    IstanzaUnica &operator=(const IstanzaUnica &) = delete;

    // False when another copy of this user holds the lock.
    bool Acquisisci();
    // What holds the lock: the lock file's path, or the abstract name without its leading NUL;
    // empty when none is held.
    std::string NomeTenuto() const;

    static std::string NomeAstratto(const std::string &radice, uid_t utente, int indice);

private:
    enum class Esito {
        Tenuto,
        Occupato, // another copy of this user holds it
        Impossibile,
    };
    Esito BloccaFile(const std::string &cartella);
    bool AcquisisciAstratto();
    void Accetta();

    std::string radice;
    int presa = -1; // the locked file, or the listening socket of the abstract name
    std::string fileTenuto;
    int indiceTenuto = -1;
    // Parented to the application: it must not outlive the event loop it is registered with.
    QPointer<QSocketNotifier> notifica;
};
