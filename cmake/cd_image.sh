#!/usr/bin/env bash
# Makes the product CD's disc image: an ISO 9660 image with Rock Ridge and Joliet names
# (xorriso) holding the installed tree of panorel with the demo CD, its plug-ins and the
# sizing programs, every shared library they load from outside a Debian 12 desktop's base
# system (Qt and its plug-ins, the web engine for its plug-in; cd_base_system.txt), and at
# its root autorun.sh, which a desktop offers to run when the disc is inserted (XDG
# "Autostart Of Applications After Mount"). The programs find the libraries relative to
# themselves (RPATH $ORIGIN/..., qt.conf beside each program for Qt's plug-ins), so nothing
# outside the disc and no environment is needed, and nothing is written on it.
# Usage: cd_image.sh BUILD_DIR OUT.iso
set -euo pipefail
build=$(cd "$1" && pwd) out=$2
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "cd_image: $*" >&2; exit 1; }
command -v xorriso >/dev/null || fail "xorriso is missing (apt install xorriso)"
command -v patchelf >/dev/null || fail "patchelf is missing (apt install patchelf)"
command -v qtpaths6 >/dev/null || fail "qtpaths6 is missing (apt install qt6-base-dev-tools)"
stage=$(mktemp -d "${TMPDIR:-/tmp}/corvane-cd.XXXXXX")
trap 'rm -rf "$stage"' EXIT
disc=$stage/disc

# The web control's component is empty where the build has no web engine.
for component in panorel panorel-web sizing exhaust libframix32; do
  cmake --install "$build" --prefix "$disc" --component "$component" >/dev/null
done
# A disc is not installed into a desktop: no menu entries, MIME types or manual pages.
rm -rf "$disc/share"
lib=$(cd "$disc" && dirname "$(find lib* -name libframix32.so.1 | head -n 1)")
cd_dir=$lib/corvane/panorel
[ -f "$disc/$cd_dir/panorel.cdz" ] || fail "no demo document in $cd_dir"

# Qt's plug-ins for an X11 desktop: the display, its OpenGL, picture formats, SVG icons,
# printing; the web engine's helper program, resources and translations with its plug-in.
qt() { qtpaths6 --query "$1" || fail "qtpaths6 does not know $1"; }
qt_plugins=$(qt QT_INSTALL_PLUGINS)
mkdir -p "$disc/$lib/qt6/plugins"
for folder in platforms xcbglintegrations imageformats iconengines printsupport platforminputcontexts; do
  if [ -d "$qt_plugins/$folder" ]; then cp -rL "$qt_plugins/$folder" "$disc/$lib/qt6/plugins/"; fi
done
# Only the X11 and headless platforms (the others would pull in Wayland's or EGL's stacks).
find "$disc/$lib/qt6/plugins/platforms" -name '*.so' ! -name libqxcb.so ! -name libqoffscreen.so -delete
if [ -e "$disc/$cd_dir/controls/libpanorel_web_control.so" ]; then
  libexec=$(qt QT_INSTALL_LIBEXECS)
  data=$(qt QT_INSTALL_DATA)
  translations=$(qt QT_INSTALL_TRANSLATIONS)
  mkdir -p "$disc/$lib/qt6/libexec" "$disc/share/qt6/translations"
  cp -L "$libexec/QtWebEngineProcess" "$disc/$lib/qt6/libexec/"
  patchelf --force-rpath --set-rpath '$ORIGIN/../..' "$disc/$lib/qt6/libexec/QtWebEngineProcess"
  # The web engine makes a folder locales/ beside its helper where there is none; nothing can
  # be made on a disc, so the disc has it.
  mkdir -p "$disc/$lib/qt6/libexec/locales"
  cp -rL "$data/resources" "$disc/share/qt6/"
  if [ -d "$translations/qtwebengine_locales" ]; then
    cp -rL "$translations/qtwebengine_locales" "$disc/share/qt6/translations/"
  fi
fi

# Every library the programs and plug-ins load, unless the base system has it.
base=()
while read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  base+=("$line")
done <"$here/cd_base_system.txt"
in_base() {  # PACKAGE
  local pattern
  for pattern in "${base[@]}"; do
    # shellcheck disable=SC2053
    [[ "$1" == $pattern ]] && return 0
  done
  return 1
}
declare -A path_of=()
while IFS= read -r -d '' elf; do
  head -c 4 "$elf" | grep -q $'\x7fELF' || continue
  while read -r name _ path _; do
    [[ "$path" == /* && "$path" != "$disc"/* ]] && path_of[$name]=$path
  done < <(ldd "$elf" 2>/dev/null | grep '=>')
done < <(find "$disc" -type f -print0)
# Their packages, asked once (a merged /usr registers either spelling of a path).
declare -A package_of=()
paths=()
for name in "${!path_of[@]}"; do
  paths+=("${path_of[$name]}" "$(readlink -f "${path_of[$name]}")")
done
while IFS= read -r line; do
  package_of[${line#*: }]=${line%%:*}
done < <(dpkg -S "${paths[@]}" 2>/dev/null || true)
for name in "${!path_of[@]}"; do
  path=${path_of[$name]}
  package=${package_of[$path]:-${package_of[$(readlink -f "$path")]:-}}
  [ -n "$package" ] && in_base "$package" && continue
  cp -L "$path" "$disc/$lib/$name"
done

# Qt's paths, relative to each program's folder (bin/ for the sizing programs and cdztool,
# the CD folder for panorel).
write_qt_conf() {  # FOLDER
  local up
  up=$(realpath --relative-to="$disc/$1" "$disc")
  cat >"$disc/$1/qt.conf" <<CONF
[Paths]
Prefix=$up
Plugins=$lib/qt6/plugins
LibraryExecutables=$lib/qt6/libexec
Data=share/qt6
Translations=share/qt6/translations
CONF
}
write_qt_conf bin
write_qt_conf "$cd_dir"
# The web engine's own program lies with the web control.
if [ -e "$disc/$cd_dir/controls/panorel_web" ]; then write_qt_conf "$cd_dir/controls"; fi

cat >"$disc/autorun.sh" <<'SH'
#!/bin/sh
# Started by the desktop (after asking) when this disc is inserted: shows the Corvane product
# CD in panorel, from the disc's own folder, as the CD's documents expect.
disc=$(dirname "$(readlink -f "$0")")
SH
cat >>"$disc/autorun.sh" <<SH
cd "\$disc/$cd_dir" || exit 1
exec "\$disc/$cd_dir/panorel" "\$@"
SH
chmod 755 "$disc/autorun.sh"
# The name and icon a file manager shows for the disc.
printf '[Volume Info]\nName=Corvane product CD\nIcon=.VolumeIcon.png\n' >"$disc/.xdg-volume-info"
cp "$here/../browser/shell/resources/panorel.png" "$disc/.VolumeIcon.png"

mkdir -p "$(dirname "$out")"
rm -f "$out"
xorriso -as mkisofs -quiet -r -J -joliet-long -V CORVANE_CD -o "$out" "$disc" \
  || fail "xorriso failed"
echo "cd_image: $out ($(du -h "$out" | cut -f1))"
