#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop, a software centre and a
# Debian system get from it; then builds the .deb and checks its contents and dependencies, and
# has Debian's own checker read it when it is installed.
# installazione.sh BUILD_DIR
set -uo pipefail
costruzione="$1"
id=org.example.Cercanum
lavoro="$(mktemp -d)"
trap 'rm -rf "$lavoro"' EXIT
prefisso="$lavoro/usr"
passati=0
falliti=0
ok() { echo "ok: $*"; passati=$((passati + 1)); }
ko() { echo "FAIL: $*"; falliti=$((falliti + 1)); }
verifica() { local cosa="$1"; shift; if "$@"; then ok "$cosa"; else ko "$cosa"; fi; }

if ! cmake --install "$costruzione" --prefix "$prefisso" > "$lavoro/install.log" 2>&1; then
    cat "$lavoro/install.log"; echo "FAIL: cmake --install"; exit 1
fi

voce="$prefisso/share/applications/$id.desktop"
meta="$prefisso/share/metainfo/$id.metainfo.xml"
# Debian's place for games, which is on every user's PATH as the entry's Exec expects.
verifica "executable installed among the games" test -x "$prefisso/games/cercanum"
verifica "desktop entry valid" desktop-file-validate "$voce"
chiave() { sed -n "s/^$1=//p" "$voce"; }
verifica "entry starts the installed program" test -x "$prefisso/games/$(chiave Exec)"
verifica "entry has an Italian comment" grep -q '^Comment=Indovina' "$voce"
verifica "entry is filed under education and children's games" \
    test "$(chiave Categories)" = "Education;Game;KidsGame;"
verifica "entry names the icon by the application id" test "$(chiave Icon)" = "$id"

for lato in 32 48 64 128; do
    icona="$prefisso/share/icons/hicolor/${lato}x${lato}/apps/$id.png"
    verifica "icon ${lato}x${lato} is a PNG of that size" \
        test "$(identify -format '%m %wx%h' "$icona" 2>/dev/null)" = "PNG ${lato}x${lato}"
done
verifica "no other icon formats in the theme" \
    test -z "$(find "$prefisso/share/icons" -type f ! -name "$id.png")"

verifica "metainfo valid" appstreamcli validate --no-net "$meta"
verifica "metainfo launches the desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$meta"
verifica "metainfo has a content rating" grep -q '<content_rating type="oars-1.1"' "$meta"
verifica "metainfo has a screenshot" grep -q '<screenshot type="default">' "$meta"

documenti="$prefisso/share/doc/cercanum"
verifica "documents are the copyright, the changelog and the two licence texts" \
    test "$(cd "$documenti" && find . -type f | LC_ALL=C sort | tr '\n' ' ')" = \
    "./MIT.txt ./OFL-1.1.txt ./changelog.gz ./copyright "
verifica "copyright file in the machine-readable format" \
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$documenti/copyright"
# The fonts' own name tables, read from the installed executable, must agree with the copyright
# file: both faces under the Open Font License, none under the older Liberation licence.
nomi_caratteri="$(strings -e b "$prefisso/games/cercanum")"
verifica "both embedded fonts under the SIL Open Font License" \
    test "$(grep -c 'Licensed under the SIL Open Font License, Version 1.1' <<< "$nomi_caratteri")" -eq 2
verifica "no embedded font under the Liberation 1.x licence" \
    bash -c '! grep -q "Liberation Fonts license" <<< "$1"' _ "$nomi_caratteri"
pagina="$prefisso/share/man/man6/cercanum.6.gz"
verifica "manual page formats without warnings" \
    bash -c 'test -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 > /dev/null)"' _ "$pagina"

# The package: files under /usr as installed above, dependencies found by dpkg-shlibdeps.
if ! (cd "$lavoro" && cpack -B "$lavoro/pacchetto" --config "$costruzione/CPackConfig.cmake") \
        > "$lavoro/cpack.log" 2>&1; then
    cat "$lavoro/cpack.log"; ko "cpack builds the package"
else
    deb=("$lavoro"/pacchetto/cercanum_*.deb)
    verifica "cpack builds one package" test -f "${deb[0]}"
    verifica "changelog's last entry is the package's version" \
        test "$(gzip -dc "$documenti/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = \
        "$(dpkg-deb -f "${deb[0]}" Version)"
    dipendenze="$(dpkg-deb -f "${deb[0]}" Depends)"
    echo "Depends: $dipendenze"
    for libreria in libqt6widgets6 libsdl2-2.0-0 libxcb1 libc6; do
        verifica "package depends on $libreria" grep -q "$libreria" <<< "$dipendenze"
    done
    consigliati="$(dpkg-deb -f "${deb[0]}" Recommends)"
    for pacchetto in qt6-translations-l10n qt6-wayland; do
        verifica "package recommends $pacchetto" grep -q "$pacchetto" <<< "$consigliati"
    done
    # The single-copy lock is a plain socket: nothing of Qt's network stack comes along.
    verifica "package does not depend on libqt6network6" bash -c '! grep -q libqt6network6 <<< "$1"' _ "$dipendenze"
    dpkg-deb -c "${deb[0]}" | awk '{print $NF}' | sed 's|^\./|/|' | grep -v '/$' | sort > "$lavoro/nel-pacchetto"
    (cd "$lavoro" && find usr -type f -o -type l) | sed 's|^|/|' | sort > "$lavoro/installati"
    verifica "package holds exactly the installed files" diff "$lavoro/installati" "$lavoro/nel-pacchetto"
    if command -v lintian > /dev/null; then
        # Every tag, down to the pedantic ones, is shown; only errors and warnings fail.
        lintian --pedantic --fail-on error,warning "${deb[0]}" > "$lavoro/lintian.log" 2>&1
        esito=$?
        cat "$lavoro/lintian.log"
        verifica "lintian finds no error and no warning" test "$esito" -eq 0
    else
        echo "skipped: lintian is not installed, so Debian's checks on the package were not run"
    fi
fi

echo "$passati passed, $falliti failed"
[[ $falliti -eq 0 ]]
