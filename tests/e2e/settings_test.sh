# Settings across runs: a first start without Data.INI, the window moved, file-contents mode and a font
# chosen, then closed: Data.INI holds the seven keys with the new values. The next start comes back at the same
# place, in file-contents mode with the enlarged top panel (which reveals the group box) and the same font. Screenshots of the settings
# window and the about box.
. "$(dirname "$0")/lib.sh"

# The settings file as lines of text, blank lines left out, joined by single spaces.
ini_lines() {
    iconv -f CP932 -t UTF-8 "$ini" | tr -d '\r' | grep -v '^$' | tr '\n' ' ' | sed 's/ $//'
}

# "width height shown|hidden" of a control, from the driver's dump of the main window.
control_state() {
    driver dump "$TITLE" | tr -d '\r' | awk -v id="$1" '$1 == id { split($5, size, "x"); print size[1], size[2], $3 }'
}

ensure_display
# A folder of its own for the program, so that Data.INI beside it starts missing.
dir="$E2E_OUT/settings"
fresh_folder "$dir"
cp "$ROMINADO_EXE" "$dir/Rominado.exe"
ROMINADO_EXE="$dir/Rominado.exe"
ini="$dir/Data.INI"

start_program settings-first
driver wait-window "$TITLE" 60 || fail "the main window did not appear"
[ "$(driver window-rect "$TITLE" | tr -d '\r' | cut -d' ' -f1,2)" = "300 200" ] ||
    fail "a first start is not at left 300, top 200"
[ "$(control_state $PNL_TOP | cut -d' ' -f2)" = 49 ] || fail "the top panel is not at its normal height"
driver move "$TITLE" 10 20 || fail "could not move the main window"
driver click "$TITLE" $RDO_SHOW || fail "could not choose file-contents mode"
driver choose-font "$TITLE" $BTN_FONT "IPA明朝" 10 || fail "could not choose a font"

driver click "$TITLE" $BTN_SET || fail "could not press 設定(&O)"
driver wait-window "設定画面" 10 || fail "the settings window did not appear"
screenshot settings-window
driver click "$TITLE" $BTN_VER || fail "could not press 情報(&V)"
driver wait-window "ﾊﾞｰｼﾞｮﾝ情報" 10 || fail "the about box did not appear"
screenshot about-box

close_program
expected="[MainForm] FormTop=20 FormLeft=10 [GetMode] FullPath=2 [Show] FontSize=10 FontName=IPA明朝 [System] DeskTopSet=0 SendToSet=0"
[ "$(ini_lines)" = "$expected" ] || fail "Data.INI after the first run: $(ini_lines)"

start_program settings-second
driver wait-window "$TITLE" 60 || fail "the main window did not appear again"
[ "$(driver window-rect "$TITLE" | tr -d '\r' | cut -d' ' -f1,2)" = "10 20" ] ||
    fail "the second start is not at left 10, top 20"
[ "$(control_state $PNL_TOP | cut -d' ' -f2)" = 97 ] || fail "the top panel is not enlarged"
screenshot settings-second-start
# Closing again writes what the window took from Data.INI: the same font name and size come back.
close_program
[ "$(ini_lines)" = "$expected" ] || fail "Data.INI after the second run: $(ini_lines)"
echo "Data.INI kept position, mode and font across runs; screenshots in $E2E_OUT"
