#!/usr/bin/env bash
# Gives the Wine prefix named by the first argument (default $WINEPREFIX) Wine's own fonts.
# Debian's Wine does not find them where fonts-wine puts them, and every face then falls back
# to a wider one that cuts the windows' texts; copied into the prefix they are found.
set -euo pipefail
prefix="${1:-$WINEPREFIX}"
source_dir=/usr/share/wine/fonts
fonts_dir="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts_dir"
for font in sserife.fon ms_sans_serif.ttf tahoma.ttf tahomabd.ttf; do
  if [[ ! -f "$fonts_dir/$font" ]]; then
    cp "$source_dir/$font" "$fonts_dir/" ||
      { echo "wine-fonts: $source_dir/$font is missing (apt-get install fonts-wine)" >&2; exit 1; }
  fi
done
