# The desktop program: every GUI source goes into durovid-gui so that the GUI tests link the same code
# as the program; durovid itself is only main.cpp.
durovid_glob_sources(GUI_SOURCES shell screens controls print reference/pickers checks/dialogs)
file(GLOB_RECURSE GUI_FORMS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/shell/*.ui ${CMAKE_SOURCE_DIR}/src/screens/*.ui ${CMAKE_SOURCE_DIR}/src/controls/*.ui
  ${CMAKE_SOURCE_DIR}/src/print/*.ui ${CMAKE_SOURCE_DIR}/src/reference/pickers/*.ui
  ${CMAKE_SOURCE_DIR}/src/checks/dialogs/*.ui)
list(FILTER GUI_SOURCES EXCLUDE REGEX "/shell/main\\.cpp$")
list(FILTER GUI_SOURCES EXCLUDE REGEX "/print/form/") # the durovid-print library

add_library(durovid-gui STATIC ${GUI_SOURCES} ${GUI_FORMS} ${CMAKE_SOURCE_DIR}/src/resources/gui.qrc)
set_target_properties(durovid-gui PROPERTIES AUTOUIC_SEARCH_PATHS
  "${CMAKE_SOURCE_DIR}/src/shell;${CMAKE_SOURCE_DIR}/src/checks/dialogs;${CMAKE_SOURCE_DIR}/src/reference/pickers;${CMAKE_SOURCE_DIR}/src/print")
target_link_libraries(durovid-gui PUBLIC durovid-core durovid-print Qt6::Gui Qt6::Widgets Qt6::PrintSupport)

add_executable(durovid ${CMAKE_SOURCE_DIR}/src/shell/main.cpp)
target_link_libraries(durovid PRIVATE durovid-gui)
install(TARGETS durovid RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION share/durovid PATTERN sources EXCLUDE)

# The floor of the start-up benchmark: a plain Qt window that reports when it is shown.
add_executable(durovid-bench-floor ${CMAKE_SOURCE_DIR}/bench/floor/PlainWindow.cpp)
target_link_libraries(durovid-bench-floor PRIVATE Qt6::Widgets)
add_dependencies(durovid-bench durovid durovid-bench-floor)
