# Desktop-program tests: real widgets, driven offscreen.
foreach(folder shell screens controls print pickers dialogs)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    durovid_add_tests(${folder} LIBS durovid-gui)
  endif()
endforeach()
