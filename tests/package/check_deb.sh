#!/usr/bin/env bash
# Packs the build into a .deb, installs it into a folder of its own and runs
# the installed programs from a working directory that holds no catalogue:
# they must find the installed one. lintian must report no error.
#     check_deb.sh BUILD_DIR VERSION_TEXT
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
debs=("$work"/*.deb)
deb=${debs[0]}
echo "package: $(basename "$deb")"
dpkg-deb -I "$deb" | grep -E '^ (Package|Version|Depends):'

root=$work/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/pilecorr usr/bin/pilecorr-cli "usr/share/pilecorr/SSP Pilecorr.pkd" \
         usr/share/applications/pilecorr.desktop usr/share/icons/hicolor/scalable/apps/pilecorr.svg \
         usr/share/icons/hicolor/48x48/apps/pilecorr.png usr/share/man/man1/pilecorr.1.gz \
         usr/share/man/man1/pilecorr-cli.1.gz usr/share/doc/pilecorr/copyright; do
  if [ ! -e "$root/$f" ]; then
    echo "the package lacks /$f"
    exit 1
  fi
done
if [ -z "$(ls "$root/usr/share/pilecorr/data/"*.svg 2>/dev/null)" ]; then
  echo "the package holds no section sketch"
  exit 1
fi

mkdir "$work/elsewhere"
cd "$work/elsewhere"
shown=$("$root/usr/bin/pilecorr" --version)
if [ "$shown" != "$version" ]; then
  echo "pilecorr --version printed \"$shown\", not \"$version\""
  exit 1
fi
shown=$("$root/usr/bin/pilecorr-cli" --version)
if [ "$shown" != "$version" ]; then
  echo "pilecorr-cli --version printed \"$shown\", not \"$version\""
  exit 1
fi
# A design checked on the installed catalogue: the report names the section.
if ! "$root/usr/bin/pilecorr-cli" check --moment 150 --life 50 --front water:0 > "$work/check.txt"; then
  echo "pilecorr-cli check failed from the installed root:"
  cat "$work/check.txt"
  exit 1
fi
if ! grep -q "Sf,red" "$work/check.txt"; then
  echo "pilecorr-cli check printed no report:"
  cat "$work/check.txt"
  exit 1
fi

lintian --fail-on error "$deb"
echo "the package installs, runs and passes lintian"
