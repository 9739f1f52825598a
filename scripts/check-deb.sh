#!/usr/bin/env bash
# Checks a built .deb: lintian must report no error and no warning (its
# informational tags are printed, not failed on), and the package's version
# must be the one the program it was built from prints with --version.
#   scripts/check-deb.sh PACKAGE.deb PROGRAM
set -euo pipefail
deb=$1
program=$2

echo "== lintian $deb"
# lintian warns when run as root, which the set-up scripts are.
lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v 'running with root privileges' >&2)

printed=$("$program" --version)
packaged="orvalde $(dpkg-deb --field "$deb" Version)"
if [[ "$printed" != "$packaged" ]]; then
  echo "check-deb.sh: the program prints '$printed' but the package is '$packaged'" >&2
  exit 1
fi
echo "$printed: the package's version"
