# Fails when a source file includes a header of a folder above its own (run as the "layers" test):
#   cmake -DSOURCE_DIR=<repository> -P cmake/CheckLayers.cmake
#
# Folders of one line form a layer; a folder may include its own layer and the layers before it. The
# core runs from storage to export/explain, with the printed form (Qt Gui, no widgets) on top; the
# console program and the desktop program each stand on the core, and neither may include the other.
set(CORE_LAYERS
  "storage"
  "records"
  "computation reference checks"
  "export explain certificates"
  "form")
set(GUI_LAYERS
  "desktop"
  "controls pickers dialogs print editing"
  "screens"
  "shell")
set(CONSOLE_LAYERS
  "cli")

# Every folder gets the list of folders it may include.
function(durovid_allow stack below)
  set(allowed ${below})
  foreach(layer IN LISTS ${stack})
    string(REPLACE " " ";" folders "${layer}")
    list(APPEND allowed ${folders})
    # A folder sees the whole of its own layer, including the folders named after it.
    foreach(folder IN LISTS folders)
      set(ALLOWED_${folder} ${allowed} PARENT_SCOPE)
    endforeach()
  endforeach()
  set(ALL_${stack} ${allowed} PARENT_SCOPE)
endfunction()

durovid_allow(CORE_LAYERS "")
durovid_allow(GUI_LAYERS "${ALL_CORE_LAYERS}")
durovid_allow(CONSOLE_LAYERS "${ALL_CORE_LAYERS}")
set(KNOWN_FOLDERS ${ALL_GUI_LAYERS} cli)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(NOT DEFINED ALLOWED_${folder})
    continue() # resources and other folders without code of a layer
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^/\"]+)/.*" "\\1" target "${line}")
    list(FIND KNOWN_FOLDERS ${target} known)
    if(known EQUAL -1)
      continue()
    endif()
    list(FIND ALLOWED_${folder} ${target} allowed)
    if(allowed EQUAL -1)
      string(APPEND faults "  src/${source}: ${line}\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that run up the layers (see README, For developers):\n${faults}")
endif()
message(STATUS "Every include points down the layers.")
