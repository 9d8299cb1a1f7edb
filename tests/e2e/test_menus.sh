#!/usr/bin/env bash
# Every control clicked where it is drawn, as a player would: the top bar's
# Hint, Undo, Shuffle and Restart (counted in the saved game) and New Game;
# the main menu's doors closing and opening; the layout and tile set
# choosers; the options (volume knob dragged, free-tile highlight ticked);
# a second player added, the first chosen again and then deleted through the
# confirmation. The choices are in the files the game writes when it closes.
source "$(dirname "$0")/lib.sh" "$@"

prepare_work menus
config
play
sleep 1
screenshot start

# The top bar: a hinted pair taken and undone, a shuffle, and a restart that
# deals the same board again; the counters survive the restart.
step HintButton start hinted 100
xdotool key Return
wait_change all hinted taken 400 || fail "the hinted pair was not taken"
step UndoButton taken undone 400
(( $(changed all start undone) < 3000 )) || fail "Undo did not bring the pair back"
step ShuffleButton undone shuffled 20000
step RestartButton shuffled restarted 20000
(( $(changed all start restarted) < 3000 )) || fail "Restart did not deal the same board"
quit
[[ "$(saved NumHint) $(saved NumUndo) $(saved NumShuffle)" == "1 1 1" ]] \
  || fail "hints, undos, shuffles counted as $(saved NumHint) $(saved NumUndo) $(saved NumShuffle)"
pass "Hint, Undo, Shuffle and Restart by the top bar"

play
sleep 1
screenshot start2
# A layout always deals the same board: New Game puts a taken pair back.
xdotool key h sleep 0.3 key Return
wait_change all start2 taken2 400 || fail "H and Return took no pair"
step NewGameButton taken2 new_game 400
(( $(changed all start new_game) < 3000 )) || fail "New Game did not deal the board afresh"
pass "New Game deals afresh"

# The main menu: its doors close over the board and open again.
step MenuButton new_game menu_closed 200000
step DoorResume menu_closed menu_open 200000
(( $(changed all new_game menu_open) < 20000 )) || fail "the doors did not open on the board"
pass "the main menu closes its doors and opens them again"

# The choosers: the next layout, then the kana tile set, put into play.
step MenuButton menu_open layouts_menu
step DoorLayouts layouts_menu layout_panel
step LayoutNext layout_panel layout_browsed
step LayoutSelect layout_browsed layout_chosen
grep -qxF "Loaded layout file: Assets/Layouts/arch.lyt" "$WORK/log.txt" || fail "the next layout was not read"
step MenuButton layout_chosen sets_menu
step DoorTileSets sets_menu set_panel
step TileSetNext set_panel set_browsed
step TileSetSelect set_browsed set_chosen
grep -qxF "Loaded tileset file: hiragana_basic_tiles_demo.tls" "$WORK/log.txt" || fail "the kana set was not built"
pass "the layout and tile set choosers deal Arch with the kana set"

# Options: the knob dragged slowly from silence to the right (the button must
# be seen held for some frames), the highlight ticked, the panel closed.
step OptionsButton set_chosen options
IFS='x+' read -r w h x y <<<"$(box VolumeKnob)"
xdotool mousemove --window "$WID" $((x + w / 2)) $((y + h / 2)) sleep 0.5 mousedown 1 sleep 1
for dx in 30 60 90 110; do
  xdotool mousemove --window "$WID" $((x + w / 2 + dx)) $((y + h / 2)) sleep 1
done
xdotool mouseup 1 mousemove --window "$WID" $((WIN_W / 2)) $((WIN_H - 8))
wait_change all options volume_dragged 200 || fail "the knob did not move"
step HighlightTilesCheckbox volume_dragged highlight_ticked 200
step OptionsPanelClose highlight_ticked highlighted
pass "the volume knob follows a drag and the highlight box ticks"

# Players: Bea added; Tester chosen again finds the board Bea's start put
# away; Tester deleted through the confirmation.
step MenuButton highlighted players_menu
step DoorPlayers players_menu player_panel
step PlayerNew player_panel new_player
xdotool mousemove --window "$WID" 500 200 type --delay 120 'Bea'
xdotool key Return
wait_for_log "Added player: Bea" 20 || fail "Bea was not added"
wait_change all new_player bea 20000 || fail "no new game for Bea"
step MenuButton bea players_menu2
step DoorPlayers players_menu2 player_panel2
step PlayerRow1 player_panel2 tester_chosen 100
step PlayerSelect tester_chosen tester_menu 100
step DoorResume tester_menu tester_back 200000
(( $(changed all highlighted tester_back) < 3000 )) || fail "choosing Tester did not bring back Tester's board"
step MenuButton tester_back players_menu3
step DoorPlayers players_menu3 player_panel3
step PlayerDelete1 player_panel3 confirm 100
step DeletePlayerYes confirm deleted 100
quit
grep -c '<Player>' "$PLAYERS" | grep -qx 1 && grep -qxF "	Name: Bea" "$PLAYERS" || fail "not only Bea is left"
cfg=$(cat "$WORK/jadeloom_demo.cfg")
for line in "LastPlayer: Bea" "LastLayout: Assets/Layouts/arch.lyt" "TileSet: Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls"; do
  grep -qxF "$line" <<<"$cfg" || fail "no \"$line\" in the configuration: $cfg"
done
# A busy machine may see the button up before the last moves: the knob
# must have left silence, not necessarily reached the end.
awk -v v="$(sed -n 's/^Volume: //p' <<<"$cfg")" 'BEGIN { exit !(v > 2 && v <= 10) }' \
  || fail "the dragged knob did not raise the volume: $cfg"
pass "Bea added, Tester chosen and deleted; the choices and volume kept"
