#!/usr/bin/env bash
# Installs the Debian package on a bare Debian 12 root (minbase: no compiler, no fonts, no X) with
# apt, as a user would, and uses it from a folder that has nothing of the source tree: the version,
# the help, and `vntab render` of the installed examples, compared pixel for pixel with the same
# renderings made here. Then removes the package again.
# usage: tools/check-deb.sh [PACKAGE.deb [ROOT_DIR]]
# Without a package it makes one (`make package`) and checks that. Needs root (mmdebstrap, chroot,
# bind mounts). The bare root is made once as ROOT_DIR.tar and unpacked anew for every check; the
# log is ROOT_DIR.check.log.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${1:-}" ]; then
  deb=$1
else
  make -C "$here" package >/dev/null || { echo "check-deb: make package failed"; exit 1; }
  deb=$(ls -t "$here"/build/default/package/vntab_*.deb 2>/dev/null | head -n 1)
fi
if [ ! -f "$deb" ]; then
  echo "check-deb: no package ${deb:+at $deb }to check (make package makes one)"
  exit 2
fi
deb=$(readlink -f "$deb")
root=${2:-${TMPDIR:-/tmp}/vntab-bare-debian}
vntab=$here/build/default/apps/vntab/vntab
log=$root.check.log

if [ ! -s "$root.tar" ]; then
  command -v mmdebstrap >/dev/null || apt-get install -y -qq mmdebstrap >/dev/null
  mmdebstrap --variant=minbase bookworm "$root.tar" >"$root.mmdebstrap.log" 2>&1 \
    || { rm -f "$root.tar"; echo "check-deb: could not make the root (see $root.mmdebstrap.log)"; exit 1; }
fi
# A root left mounted by an interrupted check is let go first; nothing is removed through a mount.
for d in proc sys dev; do
  umount "$root/$d" 2>/dev/null
  if mountpoint -q "$root/$d"; then echo "check-deb: $root/$d is still mounted"; exit 1; fi
done
rm -rf --one-file-system "$root" && mkdir -p "$root" && tar -xf "$root.tar" -C "$root"
mkdir -p "$root/root/debs" "$root/home/user/elsewhere"
cp "$deb" "$root/root/debs/"
for d in proc sys dev; do mountpoint -q "$root/$d" || mount --bind /$d "$root/$d"; done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root bash -c "$1" >>"$log" 2>&1; }
: >"$log"
status=0
step() { # step NAME COMMAND: runs COMMAND in the root, says how it went
  if in_root "$2"; then echo "check-deb: $1: ok"; else echo "check-deb: $1: FAILED (see $log)"; status=1; fi
}
step "apt install ./$(basename "$deb")" \
  "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./root/debs/$(basename "$deb")"
if [ $status != 0 ]; then
  for d in proc sys dev; do umount "$root/$d" 2>/dev/null; done
  echo "check-deb: failed"
  exit 1
fi
step "installed files" "cd /home/user/elsewhere && command -v vntab && vntab --version && vntab help render >/dev/null &&
  vntab-studio --help >/dev/null && ls /usr/share/man/man1/vntab-studio.1.gz &&
  ls /usr/share/man/man1/vntab.1.gz /usr/share/bash-completion/completions/vntab /usr/include/vntab/vntab.h \
     /usr/lib/*/libvntab.so.1 /usr/lib/*/pkgconfig/vntab.pc /usr/lib/*/cmake/vntab/vntabConfig.cmake"
for form in showcase caption-alignments pictures-stretch-tile; do
  step "vntab render $form.frm" "cd /home/user/elsewhere && vntab render /usr/share/doc/vntab/examples/$form.frm -o $form.png"
  if [ -x "$vntab" ]; then
    "$vntab" render "$here/examples/$form.frm" -o "$root.$form.png" 2>>"$log"
    if cmp -s "$root.$form.png" "$root/home/user/elsewhere/$form.png"; then
      echo "check-deb: $form.png: the same pixels as the build's own rendering"
    else
      echo "check-deb: $form.png: DIFFERS from the build's own rendering ($root.$form.png)"; status=1
    fi
  fi
done
step "a script and a dump" "cd /home/user/elsewhere && vntab render /usr/share/doc/vntab/examples/showcase.frm \
  -o clicked.png --steps 'click 120 20' --dump clicked.json && grep -q AfterTabChanged clicked.json"
step "apt remove" "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vntab && ! command -v vntab"
for d in proc sys dev; do umount "$root/$d" 2>/dev/null; done
echo "check-deb: $([ $status = 0 ] && echo passed || echo failed)"
exit $status
