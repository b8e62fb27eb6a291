# Installs the build into a staging folder and checks the layout the program
# relies on: the programs and the model plug-ins in one folder, the link on the
# PATH, the desktop entry and the file types.
set(stage ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected lib/lir/lirconf lib/lir/lir34n.zml lib/lir/lov2.zml)
if(WITH_GUI)
  list(APPEND expected lib/lir/lir bin/lir share/applications/lir.desktop share/mime/packages/lir.xml)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${stage}/usr/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(WITH_GUI AND NOT IS_SYMLINK ${stage}/usr/bin/lir)
  message(FATAL_ERROR "bin/lir is not a link into the program folder")
endif()
file(GLOB test_plugins ${stage}/usr/lib/lir/*test*)
if(test_plugins)
  message(FATAL_ERROR "test plug-ins were installed: ${test_plugins}")
endif()
file(REMOVE_RECURSE ${stage})
message(STATUS "install layout ok")
