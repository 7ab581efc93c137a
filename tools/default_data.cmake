# Writes each state file with the game's first-run values, only where the
# player has none yet. Lines end in CR LF, as the game writes them.
file(MAKE_DIRECTORY ${DATA_DIR})
function(default_file name text)
  if(NOT EXISTS ${DATA_DIR}/${name})
    file(WRITE ${DATA_DIR}/${name} "${text}")
  endif()
endfunction()
default_file(win_state.log "123\r\n226\r\n1\r\n")
default_file(select_game.log "0\r\n")
default_file(score.log "0\r\n0\r\n0\r\n0\r\n")
