// SPDX-License-Identifier: MIT
#include "istanzaunica.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Nome = IstanzaUnica::Nome;
using Scelta = IstanzaUnica::Scelta;

// A name no running game and no other test uses.
std::string Radice()
{
    static int n = 0;
    return "cercanum-prova-" + std::to_string(::getpid()) + '-' + std::to_string(++n);
}

// A plain socket bound on an abstract name, listening or not.
int Occupa(const std::string &nome, bool ascolta)
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path + 1, nome.data(), nome.size());
    const auto n = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + nome.size());
    if (s < 0 || ::bind(s, reinterpret_cast<const sockaddr *>(&a), n) != 0 || (ascolta && ::listen(s, 4) != 0))
        return -1;
    return s;
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

TEST(IstanzaUnica, LaSecondaCopiaCedeFinoAllaFineDellaPrima)
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
    int pronto[2], fine[2];
    ASSERT_EQ(::pipe(pronto), 0);
    ASSERT_EQ(::pipe(fine), 0);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        // nobody: listens on our name, then waits to be told to go.
        char c = ::setuid(65534) == 0 && Occupa(nome, true) >= 0 ? 'y' : 'n';
        (void)!::write(pronto[1], &c, 1);
        (void)!::read(fine[0], &c, 1);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(pronto[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');

    IstanzaUnica prima(radice);
    EXPECT_TRUE(prima.Acquisisci());
    EXPECT_EQ(prima.NomeTenuto(), IstanzaUnica::NomeAstratto(radice, ::getuid(), 1));
    IstanzaUnica seconda(radice);
    EXPECT_FALSE(seconda.Acquisisci());

    // The stranger leaves: a new copy gets the first name but still finds the running one.
    (void)!::write(fine[1], "x", 1);
    ::waitpid(figlio, nullptr, 0);
    IstanzaUnica terza(radice);
    EXPECT_FALSE(terza.Acquisisci());
    for (int fd : {pronto[0], pronto[1], fine[0], fine[1]})
        ::close(fd);
}

} // namespace

int main(int argc, char *argv[])
{
    // The holder drops late connections from the event loop.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
