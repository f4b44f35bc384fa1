#!/usr/bin/env bash
# Proves the Debian package on a pristine Debian 12 (minbase + git, the system
# ../shared/tools/fresh-debian-check uses): apt installs the package and must pull in
# everything it needs; the program is started as the desktop's menu entry starts it
# (the Exec line of the installed kugelwart.desktop, QT_QPA_PLATFORM=offscreen) and must
# still be running 10 s later; kugelwart-cli --version must answer. Run it as root:
#
#   ./scripts/check-package.sh [PACKAGE.deb]
#
# Default package: build/release/kugelwart_*.deb (./scripts/package.sh makes it). The
# pristine system is the tarball $FRESH_CACHE/pristine.tgz (default /var/tmp/fresh-debian),
# shared with fresh-debian-check and built once with debootstrap when missing. The logs
# are left in $FRESH_CACHE/last-package-*.log.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${FRESH_CACHE:-/var/tmp/fresh-debian}
[ "$(id -u)" -eq 0 ] || { echo "needs root (debootstrap, chroot, mount)"; exit 2; }
deb=${1:-$(ls -t "$here"/build/release/kugelwart_*.deb 2>/dev/null | head -n 1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "no package: run ./scripts/package.sh first"; exit 2; }
mkdir -p "$cache"

pristine=$cache/pristine.tgz
if [ ! -f "$pristine" ]; then
  command -v debootstrap >/dev/null || { apt-get update -qq && apt-get install -y -qq debootstrap; } >/dev/null 2>&1
  mirror=$(grep -h -E '^(URIs:|deb )' /etc/apt/sources.list.d/* /etc/apt/sources.list 2>/dev/null \
           | grep -o -E 'https?://[^ ]+' | grep -m1 debian)
  [ -n "$mirror" ] || { echo "no Debian mirror found in the apt sources"; exit 2; }
  echo "building the pristine Debian 12 system once (minbase + git) ..."
  tmproot=$(mktemp -d)
  debootstrap --variant=minbase --include=git,ca-certificates bookworm "$tmproot" "$mirror" \
    >"$cache/last-debootstrap.log" 2>&1 || { echo "debootstrap failed: see $cache/last-debootstrap.log"; rm -rf "$tmproot"; exit 2; }
  tar -C "$tmproot" -czf "$pristine" . && rm -rf "$tmproot"
fi

root=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  for m in dev sys proc; do umount -R "$root/$m" 2>/dev/null || umount -R -l "$root/$m" 2>/dev/null; done
  # Never remove a tree that still has the host's /dev or /sys inside.
  if grep -q " $root/" /proc/mounts; then
    echo "left $root in place: something is still mounted inside"
  else
    rm -rf "$root"
  fi
}
trap cleanup EXIT
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive "$@"
}
tar -C "$root" -xzf "$pristine" || { echo "could not unpack $pristine"; exit 2; }
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null
cp -a /etc/apt/sources.list.d/. "$root/etc/apt/sources.list.d/" 2>/dev/null
name=$(basename "$deb")
cp "$deb" "$root/tmp/$name"
mount -t proc proc "$root/proc"; mount --rbind /sys "$root/sys"; mount --rbind /dev "$root/dev"
echo "checking $name on a pristine Debian 12"

# 1. apt installs the package with every dependency it names.
start=$(date +%s)
log=$cache/last-package-install.log
{ in_root apt-get update -q && in_root apt-get install -y -q "/tmp/$name"; } >"$log" 2>&1
rc=$?
pulled=$(grep -c '^Setting up ' "$log")
echo "apt install ./$name: exit $rc after $(( $(date +%s) - start )) s, $pulled packages set up; log $log"
[ "$rc" -eq 0 ] || { tail -n 15 "$log"; echo "FAILED: the package does not install"; exit 1; }

# 2. What the package put in place: the menu entry, the icon, the program's files, the guide.
missing=0
for f in /usr/bin/kugelwart /usr/bin/kugelwart-cli /usr/share/applications/kugelwart.desktop \
         /usr/share/icons/hicolor/scalable/apps/kugelwart.svg \
         /usr/share/icons/hicolor/48x48/apps/kugelwart.png \
         /usr/share/icons/hicolor/256x256/apps/kugelwart.png \
         /usr/share/kugelwart/yippee.wav /usr/share/kugelwart/schein.fr3 \
         /usr/share/kugelwart/land/Kleinkugel.txt.en /usr/share/kugelwart/Script/PL_MiniLotto_Beispiel.qks \
         /usr/share/doc/kugelwart/README.md /usr/share/doc/kugelwart/copyright; do
  [ -f "$root$f" ] || { echo "missing: $f"; missing=1; }
done
[ "$missing" -eq 0 ] || { echo "FAILED: the package lacks files"; exit 1; }
echo "installed files: $(in_root dpkg -L kugelwart | wc -l) paths, the menu entry, icons, program folder and guide in place"
echo "Depends: $(in_root dpkg-query -W -f='${Depends}' kugelwart)"

# 3. The menu entry's command starts the program, which is still up 10 s later. Its
#    settings name no results file: the check fetches nothing from the draw sites.
desktop=$root/usr/share/applications/kugelwart.desktop
exec_line=$(grep -m1 '^Exec=' "$desktop" | cut -d= -f2- | sed -E 's/ ?%[fFuUdDnNickvm]//g')
[ -n "$exec_line" ] || { echo "FAILED: no Exec line in kugelwart.desktop"; exit 1; }
mkdir -p "$root/root/.config/Quendel"
printf '[SOFTWARE/Quendel/Kleinkugel]\nErgebnisdatei=\n' >"$root/root/.config/Quendel/Kleinkugel.ini"
start=$(date +%s)
log=$cache/last-package-run.log
# chroot, env and sh each become the next (exec): the process started is the program.
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  QT_QPA_PLATFORM=offscreen /bin/sh -c "exec $exec_line </dev/null" >"$log" 2>&1 &
app_pid=$!
up=""
for _ in $(seq 1 60); do
  kill -0 "$app_pid" 2>/dev/null || break
  if [ "$(readlink "/proc/$app_pid/exe" 2>/dev/null | xargs -r basename)" = kugelwart ]; then
    sleep 10; kill -0 "$app_pid" 2>/dev/null && up=yes; break
  fi
  sleep 1
done
echo "menu entry (Exec=$exec_line): $( [ -n "$up" ] && echo "the program is running after 10 s" || echo "the program did not come up" ) ($(( $(date +%s) - start )) s); log $log"
[ -n "$up" ] || { tail -n 15 "$log"; echo "FAILED: the menu entry does not start the program"; exit 1; }
[ -d "$root/root/.local/share/KugelwartKK" ] && echo "data folder made: /root/.local/share/KugelwartKK"
kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; app_pid=""

# 4. The companion.
version=$(in_root kugelwart-cli --version 2>&1)
rc=$?
echo "kugelwart-cli --version: $version (exit $rc)"
[ "$rc" -eq 0 ] || { echo "FAILED: kugelwart-cli does not run"; exit 1; }
echo "PASSED: $name installs with its dependencies on a pristine Debian 12 and starts from its menu entry"
