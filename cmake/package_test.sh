#!/usr/bin/env bash
# cpack -G DEB makes the packages; each is checked (name, section, description, computed
# dependencies that name installed Debian packages, no maintainer script but the library's
# ldconfig), apt resolves them together, no file is in two of them, and all are unpacked with
# dpkg-deb -x into one scratch root, from which the programs run as from an installation
# (check_installed_tree.sh).
# Usage: package_test.sh BUILD_DIR SCRATCH_DIR
source "$(dirname "$0")/shipping_test_lib.sh" "package test" "$@"

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >cpack.log 2>&1) \
  || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }

field() { dpkg-deb -f "$1" "$2"; }
declare -A section=([corvane-sizing]=science [corvane-exhaust]=science [panorel]=graphics
                    [libframix32-1]=libs [libframix32-dev]=libdevel [panorel-web-control]=web)
root=$scratch/root
for name in "${!section[@]}"; do
  deb=$(ls "$scratch/out/${name}_"*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    # (no web control where the build has no web engine)
    [ "$name" = panorel-web-control ] && ! grep -q 'CPACK_COMPONENTS_ALL.*panorel-web' "$build/CPackConfig.cmake" && continue
    fail "no package $name"
  fi
  [ "$(field "$deb" Package)" = "$name" ] || fail "$deb: package name"
  [ "$(field "$deb" Section)" = "${section[$name]}" ] || fail "$name: section $(field "$deb" Section)"
  [ -n "$(field "$deb" Description | sed -n 2p)" ] || fail "$name: no long description"
  depends=$(field "$deb" Depends)
  # Every dependency names a package this machine has (it built the programs with them).
  for dep in $(echo "$depends" | tr ',' '\n' | sed 's/(.*//; s/|.*//; s/ //g'); do
    case $dep in corvane-*|panorel|libframix32-*) continue ;; esac
    dpkg-query -W "$dep" >/dev/null 2>&1 || fail "$name depends on unknown $dep"
  done
  scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' |
            grep -E '^(pre|post)(inst|rm)$' || true)
  if [ "$name" = libframix32-1 ]; then
    grep -q "libframix32 1 libframix32-1" <(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./shlibs) \
      || fail "libframix32-1: shlibs"
  elif [ -n "$scripts" ]; then
    fail "$name has maintainer scripts: $scripts (Debian's triggers refresh the caches)"
  fi
  case $name in
    panorel) echo "$depends" | grep -q "libframix32-1" || fail "panorel: $depends"
             echo "$depends" | grep -q "libqt6widgets6" || fail "panorel: $depends"
             echo "$depends" | grep -q "webengine" && fail "panorel pulls in the web engine" ;;
    corvane-sizing|corvane-exhaust) echo "$depends" | grep -q "libqt6widgets6" || fail "$name: $depends" ;;
    panorel-web-control) echo "$depends" | grep -q "libqt6webenginewidgets6" || fail "$name: $depends"
                         echo "$depends" | grep -q "panorel" || fail "$name: $depends" ;;
    libframix32-dev) echo "$depends" | grep -q "libframix32-1 (= " || fail "$name: $depends" ;;
  esac
  dpkg-deb -x "$deb" "$root"
done

# apt installs them all together (every dependency resolves on Debian 12), and no two
# packages hold the same file.
apt-get install -s --no-install-recommends "$scratch"/out/*.deb >"$scratch/apt.txt" 2>&1 \
  || { cat "$scratch/apt.txt" >&2; fail "apt cannot install the packages"; }
shared=$(for deb in "$scratch"/out/*.deb; do dpkg-deb -c "$deb" | grep -v '^d' | awk '{print $6}'; done |
         sort | uniq -d)
[ -z "$shared" ] || fail "files in two packages: $shared"

bash "$here/check_installed_tree.sh" "$root/usr" "$scratch/run"
ls "$scratch/out/"*.deb | xargs -n 1 basename
rm -rf "$scratch"
echo "package test: ok"
