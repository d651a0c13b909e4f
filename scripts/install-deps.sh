#!/usr/bin/env bash
# Installs the Debian packages listed in debian-packages.txt that are missing; does nothing
# when all are present.
set -euo pipefail
cd "$(dirname "$0")"

mancanti=()
while read -r pacchetto; do
    [[ -z "$pacchetto" || "$pacchetto" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$pacchetto" 2>/dev/null | grep -q 'install ok installed'; then
        mancanti+=("$pacchetto")
    fi
done < debian-packages.txt

[[ ${#mancanti[@]} -eq 0 ]] && exit 0

echo "Installing: ${mancanti[*]}"
come_root=()
if [[ $(id -u) -ne 0 ]]; then
    come_root=(sudo)
fi
"${come_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${come_root[@]}" apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
