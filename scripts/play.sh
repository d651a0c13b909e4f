#!/usr/bin/env bash
# Builds the game if needed and starts it.
set -euo pipefail
radice="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radice/scripts/build.sh"
exec "$radice/build/app/cercanum"
