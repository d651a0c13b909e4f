// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSocketNotifier;

// Only one copy of the game runs per user. The lock is a Linux abstract socket: no file is
// written, and it is freed the moment the process dies, however it dies.
//
// The abstract namespace is shared by every user, so anyone can bind our name first. A taken
// name only counts when the process listening on it runs as this user (SO_PEERCRED); a name held
// by anyone else is skipped and the next of a short fixed list is tried, so copies of one user
// still find each other. If every name is held by strangers the game runs without a lock.
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

    explicit IstanzaUnica(std::string radice = "cercanum");
    ~IstanzaUnica();
    IstanzaUnica(const IstanzaUnica &) = delete;
    IstanzaUnica &operator=(const IstanzaUnica &) = delete;

    // False when another copy of this user holds the lock.
    bool Acquisisci();
    // The abstract name held, without its leading NUL; empty when none is held.
    std::string NomeTenuto() const;

    static std::string NomeAstratto(const std::string &radice, uid_t utente, int indice);

private:
    void Accetta();

    std::string radice;
    int presa = -1; // listening socket
    int indiceTenuto = -1;
    std::unique_ptr<QSocketNotifier> notifica;
};
