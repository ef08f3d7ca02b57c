#!/usr/bin/env bash
# The Debian package's checks, one step per CTest test:
#   package_test.sh build    BUILD_DIR WORK   the package from this build's binaries, into WORK
#   package_test.sh lintian  BUILD_DIR WORK   lintian finds no error in it
#   package_test.sh run      BUILD_DIR WORK   its programs run from an unpacked copy
#   package_test.sh desktop  BUILD_DIR WORK DESKTOP METAINFO   the desktop entry and metainfo validate
#   package_test.sh mime     BUILD_DIR WORK MIME_XML TEXT DICTIONARY   the MIME type claims a text and a
#                                         dictionary by their root element, and no other XML
# A step whose tool is missing is skipped (status 77) with the package that brings it.
set -euo pipefail
step=$1 build=$2 work=$3

skip_without() {  # TOOL DEBIAN_PACKAGE
  if ! command -v "$1" >/dev/null 2>&1; then
    echo "SKIPPED: $1 is missing (install $2, as scripts/install-deps does)"
    exit 77
  fi
}

the_package() {
  local packages=("$work"/pelmora_*.deb)
  if [ ! -f "${packages[0]}" ]; then
    echo "no package in $work: the package_build test did not make one" >&2
    exit 1
  fi
  echo "${packages[0]}"
}

case $step in
build)
  skip_without dpkg-shlibdeps dpkg-dev
  rm -rf "$work" && mkdir -p "$work"
  cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
  deb=$(the_package)
  dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
  ;;
lintian)
  skip_without lintian lintian
  deb=$(the_package)
  # Errors fail the test; warnings and notes are shown for the reader.
  report=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
  echo "$report"
  if grep -q '^E: ' <<<"$report"; then
    echo "lintian reports errors" >&2
    exit 1
  fi
  ;;
run)
  skip_without dpkg-deb dpkg
  deb=$(the_package)
  root="$work/unpacked"
  rm -rf "$root" && dpkg-deb -x "$deb" "$root"
  for path in usr/bin/pelmora usr/bin/pelmora-cli usr/share/applications/ee.pelmora.Pelmora.desktop \
      usr/share/icons/hicolor/scalable/apps/ee.pelmora.Pelmora.svg usr/share/metainfo/ee.pelmora.Pelmora.metainfo.xml \
      usr/share/mime/packages/ee.pelmora.Pelmora.xml usr/share/doc/pelmora/copyright usr/share/doc/pelmora/changelog.gz \
      usr/share/pelmora/xsl/pelmora_tekst.xsl usr/share/pelmora/samples/kalamiez/kalamiez.xml \
      usr/share/pelmora/samples/kalamiez/pelmora_tekst.xsl usr/share/pelmora/samples/kalamiez_sonastik.xml; do
    [ -e "$root/$path" ] || { echo "the package has no /$path" >&2; exit 1; }
  done
  export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/liberation
  export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  cli_version=$("$root/usr/bin/pelmora-cli" --version)
  echo "$cli_version"
  [ "$cli_version" = "pelmora-cli $version" ] || { echo "expected pelmora-cli $version" >&2; exit 1; }
  window_version=$("$root/usr/bin/pelmora" --version)
  echo "$window_version"
  [ "$window_version" = "Pelmora $version" ] || { echo "expected Pelmora $version" >&2; exit 1; }
  samples="$root/usr/share/pelmora/samples"
  "$root/usr/bin/pelmora-cli" check "$samples/kalamiez/kalamiez.xml"
  printf '[Settings]\nShowOptionsDialog=0\nDictionaryPathName=%s\n' "$samples/kalamiez_sonastik.xml" >"$work/pelmora.ini"
  rm -f "$work/window.png"
  "$root/usr/bin/pelmora" --settings "$work/pelmora.ini" --screenshot "$work/window.png" "$samples/kalamiez/kalamiez.xml"
  [ "$(head -c 8 "$work/window.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    { echo "the window wrote no picture" >&2; exit 1; }
  echo "picture of the window: $work/window.png"
  ;;
desktop)
  skip_without desktop-file-validate desktop-file-utils
  skip_without appstreamcli appstream
  desktop-file-validate "$4" && echo "$4: valid"
  appstreamcli validate --no-net "$5"
  ;;
mime)
  skip_without update-mime-database shared-mime-info
  skip_without gio libglib2.0-bin
  [ -f /usr/share/mime/packages/freedesktop.org.xml ] || { echo "SKIPPED: no freedesktop.org.xml"; exit 77; }
  rm -rf "$work" && mkdir -p "$work/share/mime/packages" "$work/files"
  cp /usr/share/mime/packages/freedesktop.org.xml "$work/share/mime/packages/"
  cp "$4" "$work/share/mime/packages/ee.pelmora.Pelmora.xml"
  update-mime-database "$work/share/mime" 2>/dev/null
  # Without a name ending, the type comes from the content alone.
  cp "$5" "$work/files/text" && cp "$6" "$work/files/dictionary"
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<lift version="0.13"><entry id="x"/></lift>\n' >"$work/files/other"
  printf '<?xml version="1.0"?>\n<pelmorax><pelmora/></pelmorax>\n' >"$work/files/lookalike"
  for file in text:application/x-pelmora+xml dictionary:application/x-pelmora+xml \
      other:application/xml lookalike:application/xml; do
    type=$(XDG_DATA_DIRS="$work/share" XDG_DATA_HOME="$work/none" gio info -a standard::content-type \
      "$work/files/${file%%:*}" | sed -n 's/.*standard::content-type: //p')
    echo "${file%%:*}: $type"
    [ "$type" = "${file#*:}" ] || { echo "expected ${file#*:}" >&2; exit 1; }
  done
  ;;
*)
  echo "unknown step $step" >&2
  exit 2
  ;;
esac
