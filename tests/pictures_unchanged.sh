#!/bin/sh
# Makes every screenshot and contact sheet of docs/ again with the tools, and compares them with
# the committed ones pixel for pixel: a change meant to keep every screen as it is, keeps it.
# After a change meant to alter a screen, run the same tools into docs/ and commit the pictures.
#   tests/pictures_unchanged.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
tools=$build/tools
export QT_QPA_PLATFORM=offscreen
"$tools/screenshots" "$made" > /dev/null 2>&1
"$tools/contact_sheet" "$made/letters.png" > /dev/null 2>&1
"$tools/lesson_sheet" "$made/lessons.png" > /dev/null 2>&1
"$tools/function_sheet" "$made" > /dev/null 2>&1
"$tools/work_pictures" "$made" > /dev/null 2>&1
"$tools/contest_pictures" "$made" > /dev/null 2>&1
# The window on real X screens.
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1366x768x24" "$tools/screen_views" "$made/screen-1366x768.png" > /dev/null 2>&1
xvfb-run -a -s "-screen 0 1366x768x24" "$tools/screen_views" --enter-key "$made/enter-key.png" > /dev/null 2>&1
QT_QPA_PLATFORM=offscreen "$tools/compare_pictures" "$made" "$source/docs"
