// SPDX-License-Identifier: MIT
// The SDL back end, heard through SDL's disk driver: whatever reaches the device is written to a file,
// in real time, as signed 16-bit mono at the device rate.
#include "uscitaaudiosdl.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Campioni = std::vector<std::int16_t>;
using namespace std::chrono_literals;

// Little-endian 16-bit words, as RIFF stores them (a 32-bit field is two words, low first).
QByteArray Parole(std::initializer_list<int> parole)
{
    QByteArray b;
    for (int v : parole)
        b.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
    return b;
}

QByteArray Parola32(std::size_t v)
{
    return Parole({int(v & 0xffff), int(v >> 16)});
}

QByteArray Blocco(const char *nome, const QByteArray &contenuto)
{
    return QByteArray(nome, 4) + Parola32(contenuto.size()) + contenuto + QByteArray(contenuto.size() % 2, '\0');
}

QByteArray Riff(const QByteArray &blocchi)
{
    return "RIFF" + Parola32(4 + blocchi.size()) + "WAVE" + blocchi;
}

QByteArray ImmaginePcm(const Campioni &c)
{
    const int f = UscitaAudioSdl::Frequenza;
    const QByteArray fmt = Parole({1, 1, f & 0xffff, f >> 16, (2 * f) & 0xffff, (2 * f) >> 16, 2, 16});
    const QByteArray dati(reinterpret_cast<const char *>(c.data()), qsizetype(c.size() * 2));
    return Riff(Blocco("fmt ", fmt) + Blocco("data", dati));
}

// Microsoft ADPCM whose decoding is known without a decoder: each block starts from two equal samples
// with the predictor (256, 0) and only zero nibbles, so all its samples keep that level.
struct Adpcm
{
    std::vector<int> livelli;   // one per block
    int byteUltimoBlocco = 256; // the last block may be partial: 2 + 2 * (n - 7) samples
    std::optional<std::size_t> fact;
    int frequenza = UscitaAudioSdl::Frequenza;

    int ByteDelBlocco(std::size_t i) const { return i + 1 == livelli.size() ? byteUltimoBlocco : 256; }

    QByteArray Immagine() const
    {
        const int media = frequenza * 256 / 500;
        QByteArray fmt =
            Parole({2, 1, frequenza & 0xffff, frequenza >> 16, media & 0xffff, media >> 16, 256, 4, 32, 500, 7});
        fmt += Parole({256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232});
        QByteArray dati;
        for (std::size_t i = 0; i < livelli.size(); ++i)
            dati += '\0' + Parole({16, livelli[i], livelli[i]}) + QByteArray(ByteDelBlocco(i) - 7, '\0');
        const QByteArray conteggio = fact ? Blocco("fact", Parola32(*fact)) : QByteArray();
        return Riff(Blocco("fmt ", fmt) + conteggio + Blocco("data", dati));
    }

    Campioni Attesi() const
    {
        Campioni c;
        for (std::size_t i = 0; i < livelli.size(); ++i)
            c.insert(c.end(), std::size_t(2 + 2 * (ByteDelBlocco(i) - 7)), std::int16_t(livelli[i]));
        if (fact && *fact < c.size())
            c.resize(*fact);
        return c;
    }
};

// A sawtooth that never touches zero, so silence marks exactly where a sound begins and ends.
Campioni Dente(std::size_t n, int segno)
{
    Campioni c(n);
    for (std::size_t i = 0; i < n; ++i)
        c[i] = std::int16_t(segno * (100 + int(i % 200) * 50));
    return c;
}

template <typename Byte> Campioni DaByte(const std::vector<Byte> &b)
{
    Campioni c(b.size() / 2);
    if (!c.empty()) // an empty vector's data() may be null, which memcpy must never get
        std::memcpy(c.data(), b.data(), c.size() * 2);
    return c;
}

// From the first to the last sample that is not silence.
Campioni Udibile(const Campioni &c)
{
    const auto zero = [](std::int16_t s) { return s == 0; };
    const auto inizio = std::find_if_not(c.begin(), c.end(), zero);
    const auto fine = std::find_if_not(c.rbegin(), c.rend(), zero).base();
    return inizio < fine ? Campioni(inizio, fine) : Campioni();
}

testing::AssertionResult Uguali(const Campioni &ottenuti, const Campioni &attesi)
{
    if (ottenuti.size() != attesi.size())
        return testing::AssertionFailure() << ottenuti.size() << " samples instead of " << attesi.size();
    const auto diversi = std::mismatch(ottenuti.begin(), ottenuti.end(), attesi.begin());
    if (diversi.first != ottenuti.end())
        return testing::AssertionFailure() << "sample " << (diversi.first - ottenuti.begin()) << " is "
                                           << *diversi.first << " instead of " << *diversi.second;
    return testing::AssertionSuccess();
}

class DiscoAudio : public testing::Test
{
protected:
    void SetUp() override
    {
        file = testing::TempDir() + "cercanum-audio-" + std::to_string(::getpid()) + "-"
               + testing::UnitTest::GetInstance()->current_test_info()->name() + ".raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    }
    void TearDown() override { std::remove(file.c_str()); }

    Campioni Scritti() const
    {
        std::ifstream in(file, std::ios::binary);
        return DaByte(std::vector<char>{std::istreambuf_iterator<char>(in), {}});
    }

    // The driver writes in real time through a buffered file: poll it rather than guess a delay.
    bool Attendi(const std::function<bool(const Campioni &)> &condizione) const
    {
        const auto limite = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < limite) {
            if (condizione(Scritti()))
                return true;
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }
    bool AttendiInizio() const
    {
        return Attendi([](const Campioni &c) { return !Udibile(c).empty(); });
    }
    // Done once sound has been followed by two buffers of silence.
    bool AttendiFine() const
    {
        return Attendi([](const Campioni &c) {
            const auto ultimo = std::find_if(c.rbegin(), c.rend(), [](std::int16_t s) { return s != 0; });
            return ultimo != c.rend() && ultimo - c.rbegin() >= 2 * UscitaAudioSdl::CampioniPerBuffer;
        });
    }

    // Runs the event loop, where the device is closed once its queue is dry, until `condizione`.
    static bool Finche(const std::function<bool()> &condizione, std::chrono::milliseconds entro = 5s)
    {
        const auto limite = std::chrono::steady_clock::now() + entro;
        while (!condizione()) {
            if (std::chrono::steady_clock::now() >= limite)
                return false;
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(5ms);
        }
        return true;
    }

    std::string file;
};

// SDL's audio threads of this process: while one runs it wakes us every device buffer.
int ThreadAudio()
{
    int n = 0;
    for (const QString &t : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(t));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudio"))
            ++n;
    }
    return n;
}

TEST_F(DiscoAudio, UnSuonoArrivaAlDispositivoIntero)
{
    const Campioni a = Dente(6000, 1);
    UscitaAudioSdl uscita;
    EXPECT_EQ(uscita.NumDispositivi(), 1);
    uscita.Riproduci(101, ImmaginePcm(a));
    ASSERT_TRUE(AttendiFine());
    uscita.Ferma();
    EXPECT_TRUE(Uguali(Udibile(Scritti()), a));
}

// Blocks of known levels, a final partial block and a "fact" count: only the right hints give
// the exact samples (SDL's defaults drop the partial block and ignore "fact").
TEST_F(DiscoAudio, UnSuonoAdpcmArrivaConTuttiICampioni)
{
    const Adpcm senzaFact{{3000, -3000, 1500}, 57, std::nullopt};
    UscitaAudioSdl uscita;
    uscita.Riproduci(104, senzaFact.Immagine());
    ASSERT_TRUE(AttendiFine());
    uscita.Ferma();
    EXPECT_TRUE(Uguali(Udibile(Scritti()), senzaFact.Attesi()));
    EXPECT_EQ(senzaFact.Attesi().size(), 1102u);
}

TEST_F(DiscoAudio, UnaSecondaRichiestaSostituisceLaPrima)
{
    const Campioni a = Dente(2 * UscitaAudioSdl::Frequenza, 1);
    const Campioni b = Dente(5000, -1);
    UscitaAudioSdl uscita;
    uscita.Riproduci(107, ImmaginePcm(a));
    ASSERT_TRUE(AttendiInizio());
    uscita.Riproduci(106, ImmaginePcm(b));
    ASSERT_TRUE(AttendiFine());
    uscita.Ferma();

    // The first sound cut short, then the whole second one: never both whole, never mixed.
    const Campioni udito = Udibile(Scritti());
    ASSERT_GT(udito.size(), b.size());
    const std::size_t primo = udito.size() - b.size();
    EXPECT_LT(primo, a.size());
    EXPECT_TRUE(Uguali(Campioni(udito.begin(), udito.begin() + primo), Campioni(a.begin(), a.begin() + primo)));
    EXPECT_TRUE(Uguali(Campioni(udito.begin() + primo, udito.end()), b));
}

TEST_F(DiscoAudio, UnImmagineIllegibileTaceEZittisceIlSuonoInCorso)
{
    const Campioni a = Dente(2 * UscitaAudioSdl::Frequenza, 1);
    const QByteArray buona = ImmaginePcm(a);
    UscitaAudioSdl uscita;
    uscita.Riproduci(101, QByteArray());
    uscita.Riproduci(101, QByteArray(3000, '\x5a'));
    uscita.Riproduci(101, buona.left(12 + 24)); // RIFF and "fmt ", no "data"
    uscita.Riproduci(101, Riff(QByteArray("junk")));
    std::this_thread::sleep_for(100ms);

    uscita.Riproduci(102, buona);
    ASSERT_TRUE(AttendiInizio());
    uscita.Riproduci(103, QByteArray(100, '\xff'));
    ASSERT_TRUE(AttendiFine());
    uscita.Ferma();

    // Nothing of the bad images was heard, and the good sound stopped early.
    const Campioni udito = Udibile(Scritti());
    ASSERT_LT(udito.size(), a.size());
    EXPECT_TRUE(Uguali(udito, Campioni(a.begin(), a.begin() + udito.size())));
}

TEST_F(DiscoAudio, FermaDueVolteEPoiRiproduciNonFannoNulla)
{
    UscitaAudioSdl uscita;
    uscita.Ferma();
    uscita.Ferma();
    uscita.Riproduci(101, ImmaginePcm(Dente(1000, 1)));
    EXPECT_EQ(uscita.ByteInAttesa(), 0u);
    EXPECT_TRUE(Udibile(Scritti()).empty());
}

TEST_F(DiscoAudio, InSilenzioIlDispositivoSiChiudeEAllaRichiestaRiapre)
{
    const Campioni a = Dente(3000, 1);
    const Campioni b = Dente(4000, -1);
    UscitaAudioSdl uscita;
    EXPECT_TRUE(uscita.Sospeso()); // nothing asked yet: nothing open
    EXPECT_EQ(ThreadAudio(), 0);
    uscita.Riproduci(101, ImmaginePcm(a));
    EXPECT_FALSE(uscita.Sospeso());
    EXPECT_TRUE(Finche([] { return ThreadAudio() == 1; }, 1s)); // the thread names itself
    ASSERT_TRUE(Finche([&] { return uscita.Sospeso(); }));
    // Asked again at once, while the old device may still be closing.
    uscita.Riproduci(102, ImmaginePcm(b));
    EXPECT_FALSE(uscita.Sospeso());
    ASSERT_TRUE(Finche([&] { return uscita.Sospeso(); }));
    ASSERT_TRUE(Finche([] { return ThreadAudio() == 0; }, 1s));
    // The disk driver starts its file afresh at each opening: the second sound, whole. Its last
    // buffer reaches the file only when the closing, on a thread of its own, closes the file.
    Attendi([&](const Campioni &c) { return Uguali(Udibile(c), b); });
    EXPECT_TRUE(Uguali(Udibile(Scritti()), b));

    uscita.Riproduci(101, ImmaginePcm(a));
    ASSERT_TRUE(AttendiFine());
    uscita.Ferma();
    EXPECT_TRUE(Uguali(Udibile(Scritti()), a));
}

TEST_F(DiscoAudio, UnSuonoCheNeSostituisceUnAltroNonVieneChiusoAMeta)
{
    // The first sound's end is looked at while the second plays: that must not close the device.
    const Campioni a = Dente(UscitaAudioSdl::Frequenza / 5, 1);
    const Campioni b = Dente(UscitaAudioSdl::Frequenza, -1);
    UscitaAudioSdl uscita;
    uscita.Riproduci(101, ImmaginePcm(a));
    ASSERT_TRUE(AttendiInizio());
    uscita.Riproduci(102, ImmaginePcm(b));
    Finche([] { return false; }, 500ms);
    EXPECT_FALSE(uscita.Sospeso());
    ASSERT_TRUE(Finche([&] { return uscita.Sospeso(); }));
    uscita.Ferma();
    const Campioni udito = Udibile(Scritti());
    ASSERT_GE(udito.size(), b.size());
    EXPECT_TRUE(Uguali(Campioni(udito.end() - b.size(), udito.end()), b));
}

TEST_F(DiscoAudio, UnImmagineIllegibileNonApreIlDispositivo)
{
    UscitaAudioSdl uscita;
    uscita.Riproduci(101, QByteArray(3000, '\x5a'));
    EXPECT_TRUE(uscita.Sospeso());
    EXPECT_EQ(ThreadAudio(), 0);
}

TEST(DriverAssente, NessunDispositivoENessunSuono)
{
    ::setenv("SDL_AUDIODRIVER", "nessuno", 1);
    UscitaAudioSdl uscita;
    EXPECT_EQ(uscita.NumDispositivi(), 0);
    uscita.Riproduci(101, ImmaginePcm(Dente(1000, 1)));
    EXPECT_EQ(uscita.ByteInAttesa(), 0u);
}

// What a request queues, checked without playing it in real time.
class CampioniInCoda : public DiscoAudio
{
};

TEST_F(CampioniInCoda, IlConteggioFactTaglia)
{
    const Adpcm conFact{{3000, -3000, 1500}, 57, 1050};
    UscitaAudioSdl uscita;
    EXPECT_TRUE(Uguali(DaByte(uscita.Decodifica(conFact.Immagine())), conFact.Attesi()));
    EXPECT_EQ(conFact.Attesi().size(), 1050u);
}

TEST_F(CampioniInCoda, UnAltraFrequenzaVieneConvertita)
{
    Adpcm a8000{{3000, 3000, 3000, -2000}, 256, std::nullopt, 8000};
    UscitaAudioSdl uscita;
    const Campioni c = DaByte(uscita.Decodifica(a8000.Immagine()));
    const double attesi = 2000.0 * UscitaAudioSdl::Frequenza / 8000;
    EXPECT_NEAR(double(c.size()), attesi, 1.0);
    // Levels survive resampling away from the steps between blocks.
    ASSERT_FALSE(c.empty());
    EXPECT_NEAR(c[c.size() / 3], 3000, 30);
    EXPECT_NEAR(c[c.size() * 7 / 8], -2000, 20);
}

// The stored sounds: each one must be playable by this back end, at its full length.
TEST_F(CampioniInCoda, OgniSuonoDelGiocoHaLaSuaDurata)
{
    struct Suono
    {
        int id, frequenza, campioni;
    };
    const Suono suoni[] = {{101, 8000, 4126},  {102, 11025, 24373}, {103, 8000, 13858}, {104, 8000, 7532},
                           {105, 8000, 21042}, {106, 8000, 8682},   {107, 11025, 21344}};
    UscitaAudioSdl uscita;
    for (const Suono &s : suoni) {
        QFile f(QStringLiteral(CERCANUM_SUONI "/%1.wav").arg(s.id));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
        const double attesi = double(s.campioni) * UscitaAudioSdl::Frequenza / s.frequenza;
        EXPECT_NEAR(double(uscita.Decodifica(f.readAll()).size() / 2), attesi, 1.0) << s.id;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // The device is closed from the event loop once its queue is dry.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
