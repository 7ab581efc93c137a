#!/usr/bin/env bash
# Runs the frame check on its own X server of 1280x1024 at 24 bits, where a
# 640x480 frame fills the screen at twice its size. Exit 77 tells CTest the
# check was skipped because a tool it needs is missing.
set -u
check="$1"
for tool in xvfb-run import xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$check"
