#!/usr/bin/env bash
# Installs the page's tools (ESLint, axe-core) into web/node_modules exactly as
# web/package-lock.json pins them, when they are missing or the lock changed.
set -euo pipefail
cd "$(dirname "$0")/../web"

# Debian's npm when none came with node.
if ! command -v npm >/dev/null; then
  SUDO=""
  if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends npm
fi

stamp=node_modules/.orvalde-lock
if [[ -f $stamp ]] && cmp -s package-lock.json "$stamp"; then
  exit 0
fi
echo "Installing the page's tools from web/package-lock.json"
npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json "$stamp"
