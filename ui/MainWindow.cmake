# The game window and its dialogs, with the pictures compiled in.
add_library(brindlex_ui STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/MainWindow.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ClientArea.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Pictures.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/KeyMap.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/KeysBox.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/NamePrompt.cpp
    ${CMAKE_SOURCE_DIR}/pictures/pictures.qrc
)
target_link_libraries(brindlex_ui PUBLIC brindlex_ui_common brindlex_core)
