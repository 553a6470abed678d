#!/usr/bin/env bash
# Installs what is missing, builds, creates a sample shop the first time, and
# starts the till in it. OVIX_SHOP names another shop folder (default ./shop).
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

scripts/install-deps.sh
OVIX_TARGETS="ovixtill ovixsync ovixinit" scripts/build.sh build

shop=${OVIX_SHOP:-$root/shop}
if [ ! -e "$shop/wr.cfg" ] && [ ! -e "$shop/WR.CFG" ]; then
    mkdir -p "$shop"
    (cd "$shop" && "$root/build/ovixinit" --demo)
fi
cd "$shop"
exec "$root/build/ovixtill"
