#!/usr/bin/env bash
# Writes the golden files of the command-line tests anew from the built vyr-cli.
# Run after an intended change of the VRML or C output, and review the diff.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/cli/vyr-cli}
cd tests/cli/golden
"../../../$cli" -o default.wrl -o default.c
git -C ../../.. diff --stat -- tests/cli/golden
