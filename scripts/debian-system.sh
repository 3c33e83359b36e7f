# Sourced by the scripts that try Clipmoor on a clean Debian system: makes one with
# debootstrap under /tmp, runs commands in it, and removes it again with its mounts.
# Needs root. The mirror is the one this machine's apt uses unless CLIPMOOR_DEBIAN_MIRROR
# names another.

debian_mirror() {
    if [ -n "${CLIPMOOR_DEBIAN_MIRROR:-}" ]; then
        echo "$CLIPMOOR_DEBIAN_MIRROR"
        return
    fi
    local uri
    uri=$(grep -hsE '^(URIs:|deb )' /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list |
        grep -m1 -oE 'https?://[^ ]*/debian/?( |$)' | tr -d ' ' || true)
    echo "${uri:-http://deb.debian.org/debian}"
}

# Makes a minimal system of the suite in folder (made with new_folder, so that
# remove_system can release it even when this fails half-way).
make_system() { # suite folder [extra packages, comma-separated]
    local suite=$1 root=$2 include=${3:-}
    debootstrap --variant=minbase ${include:+--include="$include"} "$suite" "$root" \
        "$(debian_mirror)" >"$root.log" 2>&1 || {
        tail -20 "$root.log" >&2
        return 1
    }
    rm -f "$root.log"
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

new_folder() { # suite
    local root
    root=$(mktemp -d "/tmp/clipmoor-$1.XXXXXX")
    # A system's root folder is open to all; apt's own user downloads into it.
    chmod 755 "$root"
    echo "$root"
}

remove_system() { # folder made by make_system
    local root=$1
    [ -n "$root" ] && [ -d "$root" ] || return 0
    for mount in dev sys proc; do
        if mountpoint -q "$root/$mount"; then
            umount -R "$root/$mount" || umount -R -l "$root/$mount"
        fi
    done
    # Nothing is mounted any more; never follow into another file system regardless.
    rm -rf --one-file-system "$root" "$root.log"
}

# Runs a shell command as root inside the system, with a clean environment and no display.
in_system() { # folder command
    local root=$1
    shift
    env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive chroot "$root" /bin/bash -euo pipefail -c "$*"
}
