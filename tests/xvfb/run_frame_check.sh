#!/usr/bin/env bash
# Runs the frame check on its own X server of 1280x1024 at 24 bits, where a
# 640x480 frame fills the screen at twice its size. Exit 77 tells CTest the
# check was skipped because a tool it needs is missing.
set -u
check="$1"
. "$(dirname "$0")/common.sh"
need_tools Xvfb import xdotool
on_own_xserver "$check"
