#!/usr/bin/env bash
# Runs a Windows test program under Wine on a desktop of its own: a fresh prefix, a virtual X
# server and a window manager (tests that make real windows need them).
#   run_in_desktop.sh PROGRAM [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/wine_session.sh"
wine "$@"
