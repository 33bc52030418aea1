#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a widget test binary on the xcb platform in a private Xvfb server, so that focus,
# caret and modality go through a real X server. Exit status 77 when Xvfb is missing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../support/xvfb_server.sh
source "$here/../support/xvfb_server.sh"
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed"; exit 77; }
trap stop_xvfb EXIT
trap 'exit 1' INT TERM
start_xvfb
QT_QPA_PLATFORM=xcb "$@"
