#!/usr/bin/env bash
# The set-up scripts as a user who is not root and has no sudo: they name
# the missing packages and how to install them, instead of failing on sudo.
set -u
SRC=$1
fails=0
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fails=$((fails + 1)); fi; }

TMP=$(mktemp -d /tmp/orvella-deps.XXXXXX)
trap 'rm -rf "$TMP"' EXIT
# A PATH without sudo, whatever this machine has.
mkdir "$TMP/bin"
for c in bash dpkg dpkg-query id; do ln -s "$(command -v $c)" "$TMP/bin/$c"; done
cp "$SRC/scripts/deps.sh" "$TMP/deps.sh"
chmod -R a+rX "$TMP"

as_user() { # as_user COMMAND: runs bash as uid 65534 with the reduced PATH
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=65534 --regid=65534 --clear-groups env -i PATH="$TMP/bin" bash -c "$1"
  else
    env -i PATH="$TMP/bin" bash -c "$1"
  fi
}

out=$(as_user "source $TMP/deps.sh; ensure_packages bash no-such-package-orvella" 2>&1); rc=$?
check "missing package without sudo fails" test $rc -ne 0
check "the message names the missing package" grep -q 'no-such-package-orvella' <<<"$out"
check "the message says how to install it" grep -q 'apt-get install -y no-such-package-orvella' <<<"$out"
check "installed packages are not named" bash -c '! grep -q "missing: .*\bbash\b" <<<"$1"' _ "$out"
check "nothing about sudo failing" bash -c '! grep -qi "sudo: " <<<"$1"' _ "$out"

out=$(as_user "source $TMP/deps.sh; ensure_packages bash dpkg" 2>&1); rc=$?
check "nothing missing: quiet success" test $rc -eq 0 -a -z "$out"

[ "$fails" -eq 0 ]
