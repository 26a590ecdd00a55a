# Collects the .cpp files of the named subsystem folders under src/.
function(durovid_glob_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Collects the Qt Designer forms of the named folders under src/.
function(durovid_glob_forms out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.ui)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# One test program per tst_*.cpp file; the test is named <folder>_<file>.
function(durovid_add_tests folder)
  cmake_parse_arguments(T "" "" "LIBS;LABELS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/tst_*.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    string(REPLACE "tst_" "" base ${base})
    string(REPLACE "/" "_" prefix ${folder})
    set(name ${prefix}_${base})
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
      DUROVID_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
      DUROVID_BINARY_DIR="${CMAKE_BINARY_DIR}"
      DUROVID_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1"
      TIMEOUT 300
      LABELS "${T_LABELS}")
  endforeach()
endfunction()
