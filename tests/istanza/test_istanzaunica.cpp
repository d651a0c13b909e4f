// SPDX-License-Identifier: MIT
#include "istanzaunica.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Nome = IstanzaUnica::Nome;
using Scelta = IstanzaUnica::Scelta;

// A name no running game and no other test uses.
std::string Radice()
{
    static int n = 0;
    return "cercanum-prova-" + std::to_string(::getpid()) + '-' + std::to_string(++n);
}

// A runtime directory of our own, in XDG_RUNTIME_DIR while it lives; the tests run without one
// otherwise, on the abstract names.
class CartellaDiProva
{
public:
    explicit CartellaDiProva(mode_t modo = 0700)
    {
        std::string modello = testing::TempDir() + "cercanum-istanza-XXXXXX";
        if (::mkdtemp(modello.data()))
            percorso = modello;
        ::chmod(percorso.c_str(), modo);
        ::setenv("XDG_RUNTIME_DIR", percorso.c_str(), 1);
    }
    ~CartellaDiProva()
    {
        ::unsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(::rmdir(percorso.c_str()), 0) << "something was left in " << percorso;
    }
    std::string percorso;
};

// The address of an abstract name, or of a path when `nome` starts with '/'.
socklen_t Indirizzo(const std::string &nome, sockaddr_un &a)
{
    a = {};
    a.sun_family = AF_UNIX;
    const std::size_t inizio = nome.starts_with('/') ? 0 : 1;
    std::memcpy(a.sun_path + inizio, nome.data(), nome.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + inizio + nome.size());
}

// A plain socket bound on an abstract name, listening or not.
int Occupa(const std::string &nome, bool ascolta)
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un a;
    const socklen_t n = Indirizzo(nome, a);
    if (s < 0 || ::bind(s, reinterpret_cast<const sockaddr *>(&a), n) != 0 || (ascolta && ::listen(s, 4) != 0))
        return -1;
    return s;
}

// Whether a connection to `nome` is taken.
bool Collega(const std::string &nome)
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un a;
    const socklen_t n = Indirizzo(nome, a);
    const bool riuscito = ::connect(s, reinterpret_cast<const sockaddr *>(&a), n) == 0;
    ::close(s);
    return riuscito;
}

// How often the event loop woke up over `durata`, the wake-up that ends it included.
int Risvegli(std::chrono::milliseconds durata)
{
    int risvegli = 0;
    QEventLoop ciclo;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, &ciclo,
                     [&risvegli] { ++risvegli; });
    QTimer::singleShot(durata, &ciclo, &QEventLoop::quit);
    ciclo.exec();
    return risvegli;
}

// A child process that runs `corpo` until the parent lets it go; `corpo` reports once before it
// starts looping.
class Figlio
{
public:
    template <typename F> explicit Figlio(F corpo)
    {
        if (::pipe(pronto) != 0 || ::pipe(fine) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::fcntl(fine[0], F_SETFL, O_NONBLOCK);
            corpo(*this);
            ::_exit(0);
        }
    }
    ~Figlio()
    {
        (void)!::write(fine[1], "x", 1);
        if (pid > 0)
            ::waitpid(pid, nullptr, 0);
        for (int fd : {pronto[0], pronto[1], fine[0], fine[1]})
            ::close(fd);
    }
    // In the child.
    void Riferisci(char esito) { (void)!::write(pronto[1], &esito, 1); }
    bool Continua()
    {
        char c;
        return ::read(fine[0], &c, 1) < 0;
    }
    // In the parent: what the child reported, 0 when it died first.
    char Esito()
    {
        char c = 0;
        return pid > 0 && ::read(pronto[0], &c, 1) == 1 ? c : 0;
    }

private:
    pid_t pid = -1;
    int pronto[2] = {-1, -1}, fine[2] = {-1, -1};
};

bool DiventaNessuno()
{
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

TEST(IstanzaUnica, SoloLeCredenzialiDelloStessoUtenteContano)
{
    const uid_t io = 1000;
    EXPECT_EQ(IstanzaUnica::Classifica(io, false, std::nullopt), Nome::Libero);
    EXPECT_EQ(IstanzaUnica::Classifica(io, true, io), Nome::Nostro);
    EXPECT_EQ(IstanzaUnica::Classifica(io, true, 0u), Nome::Altrui);
    EXPECT_EQ(IstanzaUnica::Classifica(io, true, 1001u), Nome::Altrui);
    EXPECT_EQ(IstanzaUnica::Classifica(io, true, std::nullopt), Nome::Altrui); // bound, nobody to ask
}

TEST(IstanzaUnica, DecisioneSuiNomiInOrdine)
{
    const struct
    {
        std::vector<Nome> nomi;
        Scelta attesa;
    } casi[] = {
        {{Nome::Libero}, {false, 0}},
        {{Nome::Nostro}, {true, -1}},
        {{Nome::Altrui, Nome::Libero}, {false, 1}},
        {{Nome::Altrui, Nome::Altrui, Nome::Nostro}, {true, -1}},
        // Our name freed by a stranger while an older copy sits on a spare one: that copy counts.
        {{Nome::Libero, Nome::Nostro}, {true, -1}},
        {{Nome::Libero, Nome::Libero, Nome::Libero}, {false, 0}},
        {{Nome::Altrui, Nome::Altrui, Nome::Altrui, Nome::Altrui}, {false, -1}},
    };
    for (const auto &c : casi)
        EXPECT_EQ(IstanzaUnica::Decidi(c.nomi), c.attesa) << c.nomi.size();
}

TEST(IstanzaUnica, SoloUnaCartellaNostraEChiusaAgliAltriTieneIlFile)
{
    const CartellaDiProva privata;
    EXPECT_EQ(IstanzaUnica::CartellaPrivata(privata.percorso.c_str()), privata.percorso);
    for (const char *altro : {static_cast<const char *>(nullptr), "", "tmp", "/dev/null", "/nessuna/cartella"})
        EXPECT_EQ(IstanzaUnica::CartellaPrivata(altro), "") << (altro ? altro : "(unset)");
    for (const mode_t modo : {0755, 0710, 0701, 0770}) {
        ::chmod(privata.percorso.c_str(), modo);
        EXPECT_EQ(IstanzaUnica::CartellaPrivata(privata.percorso.c_str()), "") << std::oct << modo;
    }
    // Such a directory counts as none: the lock goes to the abstract name.
    const std::string radice = Radice();
    IstanzaUnica prima(radice);
    ASSERT_TRUE(prima.Acquisisci());
    EXPECT_EQ(prima.NomeTenuto(), IstanzaUnica::NomeAstratto(radice, ::getuid(), 0));
    ::chmod(privata.percorso.c_str(), 0700);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(privata.percorso.c_str(), 65534, 65534), 0);
        EXPECT_EQ(IstanzaUnica::CartellaPrivata(privata.percorso.c_str()), ""); // someone else's
    }
}

TEST(IstanzaUnica, NellaCartellaLaSecondaCopiaCedeFinoAllaFineDellaPrima)
{
    const CartellaDiProva privata;
    const std::string radice = Radice();
    const std::string file = privata.percorso + '/' + radice + ".lock";
    {
        IstanzaUnica prima(radice);
        ASSERT_TRUE(prima.Acquisisci());
        EXPECT_EQ(prima.NomeTenuto(), file);
        EXPECT_FALSE(Collega(IstanzaUnica::NomeAstratto(radice, ::getuid(), 0))); // no abstract name besides
        IstanzaUnica seconda(radice);
        EXPECT_FALSE(seconda.Acquisisci());
        EXPECT_EQ(seconda.NomeTenuto(), std::string());
    }
    EXPECT_NE(::access(file.c_str(), F_OK), 0) << "the lock file outlived its copy";
    IstanzaUnica dopo(radice);
    EXPECT_TRUE(dopo.Acquisisci());
    EXPECT_EQ(dopo.NomeTenuto(), file);
}

TEST(IstanzaUnica, SenzaCartellaLaSecondaCopiaCedeFinoAllaFineDellaPrima)
{
    const std::string radice = Radice();
    {
        IstanzaUnica prima(radice);
        ASSERT_TRUE(prima.Acquisisci());
        EXPECT_EQ(prima.NomeTenuto(), IstanzaUnica::NomeAstratto(radice, ::getuid(), 0));
        IstanzaUnica seconda(radice);
        EXPECT_FALSE(seconda.Acquisisci());
        EXPECT_EQ(seconda.NomeTenuto(), std::string());
    }
    IstanzaUnica dopo(radice);
    EXPECT_TRUE(dopo.Acquisisci());
}

TEST(IstanzaUnica, MoltiTentativiNonRiempionoLaCoda)
{
    // Each refused copy leaves a connection behind; the holder must drop them, or after a
    // backlog's worth the next copy would read no credentials and start.
    const std::string radice = Radice();
    IstanzaUnica prima(radice);
    ASSERT_TRUE(prima.Acquisisci());
    for (int i = 0; i < 60; ++i) {
        IstanzaUnica altra(radice);
        ASSERT_FALSE(altra.Acquisisci()) << "attempt " << i;
        QCoreApplication::processEvents();
    }
}

TEST(IstanzaUnica, DopoUnaRafficaDiConnessioniLaCopiaSiRitrova)
{
    const std::string radice = Radice();
    const std::string nome = IstanzaUnica::NomeAstratto(radice, ::getuid(), 0);
    IstanzaUnica prima(radice);
    ASSERT_TRUE(prima.Acquisisci());
    ASSERT_EQ(prima.NomeTenuto(), nome);
    auto raffica = std::make_unique<Figlio>([&nome](Figlio &f) {
        f.Riferisci('y');
        while (f.Continua())
            Collega(nome);
    });
    ASSERT_EQ(raffica->Esito(), 'y');
    Risvegli(500ms);
    // Once the flood is over the backlog drains, and a new copy finds the running one again.
    raffica.reset();
    Risvegli(300ms);
    IstanzaUnica dopo(radice);
    EXPECT_FALSE(dopo.Acquisisci());
}

TEST(IstanzaUnica, UnNomeSenzaAscoltatoreNonFermaIlGioco)
{
    const std::string radice = Radice();
    const int abusivo = Occupa(IstanzaUnica::NomeAstratto(radice, ::getuid(), 0), false);
    ASSERT_GE(abusivo, 0);
    IstanzaUnica prima(radice);
    ASSERT_TRUE(prima.Acquisisci());
    EXPECT_EQ(prima.NomeTenuto(), IstanzaUnica::NomeAstratto(radice, ::getuid(), 1));
    IstanzaUnica seconda(radice);
    EXPECT_FALSE(seconda.Acquisisci()); // found on the spare name
    ::close(abusivo);
}

TEST(IstanzaUnica, TuttiINomiPresiDaAltri)
{
    const std::string radice = Radice();
    std::vector<int> abusivi;
    for (int i = 0; i < IstanzaUnica::NomiPossibili; ++i)
        abusivi.push_back(Occupa(IstanzaUnica::NomeAstratto(radice, ::getuid(), i), false));
    IstanzaUnica prima(radice);
    EXPECT_TRUE(prima.Acquisisci()); // runs without a lock rather than not at all
    EXPECT_EQ(prima.NomeTenuto(), std::string());
    for (int s : abusivi)
        ::close(s);
}

TEST(IstanzaUnica, UnAltroUtenteSulNomeNonFermaIlGioco)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to bind the name as another user";
    const std::string radice = Radice();
    const std::string nome = IstanzaUnica::NomeAstratto(radice, ::getuid(), 0);
    auto estraneo = std::make_unique<Figlio>([&nome](Figlio &f) {
        // nobody: listens on our name until it is let go.
        f.Riferisci(DiventaNessuno() && Occupa(nome, true) >= 0 ? 'y' : 'n');
        while (f.Continua())
            ::usleep(10000);
    });
    ASSERT_EQ(estraneo->Esito(), 'y');

    IstanzaUnica prima(radice);
    EXPECT_TRUE(prima.Acquisisci());
    EXPECT_EQ(prima.NomeTenuto(), IstanzaUnica::NomeAstratto(radice, ::getuid(), 1));
    IstanzaUnica seconda(radice);
    EXPECT_FALSE(seconda.Acquisisci());

    // The stranger leaves: a new copy gets the first name but still finds the running one.
    estraneo.reset();
    IstanzaUnica terza(radice);
    EXPECT_FALSE(terza.Acquisisci());
}

TEST(IstanzaUnica, UnAltroUtenteNonRaggiungeLaCopiaNellaCartella)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user (uid 65534)";
    const CartellaDiProva privata;
    const std::string radice = Radice();
    const uid_t io = ::getuid();
    IstanzaUnica prima(radice);
    ASSERT_TRUE(prima.Acquisisci());
    const std::string file = prima.NomeTenuto();
    ASSERT_EQ(file, privata.percorso + '/' + radice + ".lock");

    // nobody: holds every abstract name a copy of ours could fall back to, tries the lock file and
    // the directory, then floods whatever of ours it can name.
    Figlio estraneo([&](Figlio &f) {
        bool pronto = DiventaNessuno();
        for (int i = 0; i < IstanzaUnica::NomiPossibili; ++i)
            pronto = pronto && Occupa(IstanzaUnica::NomeAstratto(radice, io, i), true) >= 0;
        const bool raggiunto = ::open(file.c_str(), O_RDONLY | O_CLOEXEC) >= 0
                               || ::open((privata.percorso + "/altro").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600) >= 0
                               || Collega(file);
        f.Riferisci(!pronto ? 'n' : raggiunto ? 'r' : 'y');
        while (f.Continua()) {
            Collega(file);
            for (int i = 0; i < IstanzaUnica::NomiPossibili; ++i)
                Collega(IstanzaUnica::NomeAstratto(radice, io, i));
        }
    });
    ASSERT_EQ(estraneo.Esito(), 'y');

    IstanzaUnica seconda(radice);
    EXPECT_FALSE(seconda.Acquisisci()) << "a second copy started";
    // Only the timer that ends the wait wakes it.
    EXPECT_LE(Risvegli(300ms), 3);
}

} // namespace

int main(int argc, char *argv[])
{
    // The holder drops late connections from the event loop. No runtime directory unless a test
    // makes one.
    ::unsetenv("XDG_RUNTIME_DIR");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
