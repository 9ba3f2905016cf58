# Runs at install time: fills the game's installed path into the menu entry
# and installs it.
function(brindlex_under_prefix dir result)
    if(IS_ABSOLUTE "${dir}")
        set(${result} "${dir}" PARENT_SCOPE)
    else()
        set(${result} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

brindlex_under_prefix("${BRINDLEX_GAMESDIR}" games)
brindlex_under_prefix("${BRINDLEX_DATADIR}" data)
set(BRINDLEX_GAME "${games}/brindlex")
configure_file("${BRINDLEX_DESKTOP_IN}" "${BRINDLEX_DESKTOP_OUT}" @ONLY)
file(INSTALL DESTINATION "${data}/applications" TYPE FILE FILES "${BRINDLEX_DESKTOP_OUT}")
