# `cmake --install`: the program folder (programs and model plug-ins side by
# side, since the program loads its models from its own folder), a link on the
# PATH, and the desktop entry with the file types of the projects.
include(GNUInstallDirs)
set(LIR_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/lir)

install(TARGETS lirconf RUNTIME DESTINATION ${LIR_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${LIR_PROGRAM_DIR}/ DESTINATION ${LIR_INSTALL_PROGRAM_DIR}
        FILES_MATCHING PATTERN "*.zml")

if(WITH_GUI)
  install(TARGETS lir RUNTIME DESTINATION ${LIR_INSTALL_PROGRAM_DIR})
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ../${LIR_INSTALL_PROGRAM_DIR}/lir
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/lir\" SYMBOLIC)")
  install(FILES share/lir.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES share/lir-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME lir.xml)
  # The desktop's caches learn the new types, unless the files are being staged
  # for a package (whose own scripts do this).
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(LIR_UPDATE_MIME update-mime-database)
      if(LIR_UPDATE_MIME)
        execute_process(COMMAND \${LIR_UPDATE_MIME} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
      endif()
      find_program(LIR_UPDATE_DESKTOP update-desktop-database)
      if(LIR_UPDATE_DESKTOP)
        execute_process(COMMAND \${LIR_UPDATE_DESKTOP} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
      endif()
    endif()")
endif()
