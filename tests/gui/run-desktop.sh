#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvex
# SPDX-License-Identifier: MIT
# The key paths of the GUI tests on an X display with a window manager, as
# users run the editor: focus, activation and window stacking come from
# openbox there, not from the offscreen platform. A virtual display (Xvfb)
# of its own is started, and stopped at the end.
#   tests/gui/run-desktop.sh GUI_TESTS     exit 77 when Xvfb or openbox is missing
set -euo pipefail
tests=${1:?the gui_tests program}
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "run-desktop: no Xvfb or openbox"; exit 77; }
work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
# A display number nobody uses: Xvfb reports the one it took.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1
# KeysFocus.TreeKeysActOnTheTreeOnlyFromTheMainWindow is not among them: it
# hands the activation back to the main window by a program's request, which
# openbox refuses as focus stealing (a user's click is not refused).
filter='KeyboardReach.*:PropertyWindow.*:KeysFocus.UndoAndRedo*:KeysFocus.PressDrag*'
filter+=':DragDrop.DropsLandBetweenItems:LiveEdit.*'
filter+=':Document.NewStartsFromTemplatesAndEscapeKeepsTheProject:TreeView.ContextMenuOffersTheStructureCommands'
QT_QPA_PLATFORM=xcb "$tests" --gtest_filter="$filter"
