// SPDX-License-Identifier: MIT
#include "uscitaaudiosdl.h"

#include "libreriasdl.h"

#include <memory>

namespace {

constexpr int BytePerCampione = 2;

// How long `byte` of queued sound play, plus one device buffer, so the last one is out too.
int DurataMs(std::uint32_t byte)
{
    const auto frequenza = std::uint64_t(UscitaAudioSdl::Frequenza);
    return int(std::uint64_t(byte) * 1000 / (frequenza * BytePerCampione)
               + std::uint64_t(UscitaAudioSdl::CampioniPerBuffer) * 1000 / frequenza + 1);
}

} // namespace

UscitaAudioSdl::UscitaAudioSdl()
{
    fineCoda.setSingleShot(true);
    QObject::connect(&fineCoda, &QTimer::timeout, &fineCoda, [this] { ControllaCoda(); });
}

UscitaAudioSdl::~UscitaAudioSdl()
{
    Ferma();
}

void UscitaAudioSdl::Inizializza()
{
    if (inizializzata)
        return;
    inizializzata = true;
    sdl = LibreriaSdl::Carica();
    if (!sdl)
        return;
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    sottosistemaAttivo = true;

    // No fallback to the dummy driver when there is no card: it would cost ~100 ms of start-up
    // for a game that then stays silent anyway.
    numDispositivi = sdl->GetNumAudioDevices(0);
    if (numDispositivi == 0) {
        Ferma();
        return;
    }
    // A negative count means the driver cannot list its devices; a default device that opens counts.
    if (numDispositivi < 0) {
        numDispositivi = ApriDispositivo() ? 1 : 0;
        Sospendi();
    }
}

int UscitaAudioSdl::NumDispositivi()
{
    Inizializza();
    return numDispositivi;
}

bool UscitaAudioSdl::ApriDispositivo()
{
    SDL_AudioSpec voluto{};
    voluto.freq = Frequenza;
    voluto.format = AUDIO_S16SYS;
    voluto.channels = 1;
    voluto.samples = CampioniPerBuffer;
    // No obtained format: SDL converts to whatever the hardware wants, so our format stays fixed.
    dispositivo = sdl->OpenAudioDevice(nullptr, 0, &voluto, nullptr, 0);
    if (dispositivo == 0)
        return false;
    sdl->PauseAudioDevice(dispositivo, 0);
    return true;
}

std::vector<std::uint8_t> UscitaAudioSdl::Decodifica(const QByteArray &immagine) const
{
    const LibreriaSdl *const l = LibreriaSdl::Carica();
    if (!l)
        return {};
    SDL_RWops *memoria = l->RWFromConstMem(immagine.constData(), static_cast<int>(immagine.size()));
    if (!memoria)
        return {};
    SDL_AudioSpec formato{};
    Uint8 *grezzi = nullptr;
    Uint32 lunghezza = 0;
    if (!l->LoadWAV_RW(memoria, 1, &formato, &grezzi, &lunghezza))
        return {};
    const std::unique_ptr<Uint8, decltype(l->FreeWAV)> campioni(grezzi, l->FreeWAV);

    // A one-shot conversion, not SDL_AudioStream: a stream given the whole sound in one piece keeps
    // the resampler's last 512 input frames back even after a flush, cutting every sound short.
    SDL_AudioCVT conversione;
    const int serve =
        l->BuildAudioCVT(&conversione, formato.format, formato.channels, formato.freq, AUDIO_S16SYS, 1, Frequenza);
    if (serve < 0)
        return {};
    std::vector<std::uint8_t> convertiti(campioni.get(), campioni.get() + lunghezza);
    if (serve == 0)
        return convertiti;
    convertiti.resize(std::size_t(lunghezza) * std::size_t(conversione.len_mult));
    conversione.buf = convertiti.data();
    conversione.len = static_cast<int>(lunghezza);
    if (l->ConvertAudio(&conversione) != 0)
        return {};
    convertiti.resize(static_cast<std::size_t>(conversione.len_cvt));
    return convertiti;
}

void UscitaAudioSdl::Riproduci(Intero, const QByteArray &immagine)
{
    Inizializza();
    if (!sottosistemaAttivo)
        return;
    // Decoded before taking the lock, so the old sound plays on meanwhile.
    const std::vector<std::uint8_t> campioni = Decodifica(immagine);
    if (dispositivo == 0) {
        AttendiChiusura();
        if (campioni.empty() || !ApriDispositivo())
            return;
    }
    // Under one lock the audio thread cannot slip a buffer of the old sound in between, and a sound
    // that cannot be played still silences the one before it.
    sdl->LockAudioDevice(dispositivo);
    sdl->ClearQueuedAudio(dispositivo);
    if (!campioni.empty())
        sdl->QueueAudio(dispositivo, campioni.data(), static_cast<Uint32>(campioni.size()));
    sdl->UnlockAudioDevice(dispositivo);
    fineCoda.start(DurataMs(static_cast<std::uint32_t>(campioni.size())));
}

void UscitaAudioSdl::ControllaCoda()
{
    if (dispositivo == 0)
        return;
    const std::uint32_t rimasti = sdl->GetQueuedAudioSize(dispositivo);
    if (rimasti > 0)
        fineCoda.start(DurataMs(rimasti)); // a newer sound took the queue meanwhile
    else
        Sospendi();
}

void UscitaAudioSdl::Sospendi()
{
    fineCoda.stop();
    if (dispositivo == 0)
        return;
    AttendiChiusura();
    const SDL_AudioDeviceID id = dispositivo;
    dispositivo = 0;
    // The UI thread makes no SDL call until this is joined.
    chiusura = std::thread([id, chiudi = sdl->CloseAudioDevice] { chiudi(id); });
}

void UscitaAudioSdl::AttendiChiusura()
{
    if (chiusura.joinable())
        chiusura.join();
}

bool UscitaAudioSdl::Sospeso() const
{
    return dispositivo == 0;
}

void UscitaAudioSdl::Ferma()
{
    inizializzata = true; // the end: nothing may load or start SDL after this
    fineCoda.stop();
    AttendiChiusura();
    if (dispositivo != 0) {
        sdl->ClearQueuedAudio(dispositivo);
        sdl->CloseAudioDevice(dispositivo);
        dispositivo = 0;
    }
    if (sottosistemaAttivo) {
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        sottosistemaAttivo = false;
    }
}

std::uint32_t UscitaAudioSdl::ByteInAttesa() const
{
    return dispositivo != 0 ? sdl->GetQueuedAudioSize(dispositivo) : 0;
}
