# What `cmake --install` puts where, by component (the Debian packages of
# cmake/packaging.cmake are the same components):
#   lib   the shared library: libdevcap.so.MAJOR and its file
#   dev   headers, the libdevcap.so link, the CMake package, devcap.pc
#   tool  the devcap tool, its manual page, its bash completion
# Every path is relative to the prefix given at install time
# (`cmake --install build --prefix P`, or CMAKE_INSTALL_PREFIX), and DESTDIR
# stages the whole tree under another directory.
include(CMakePackageConfigHelpers)

install(TARGETS devcap EXPORT devcapTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT lib NAMELINK_COMPONENT dev
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)

# CMake package: find_package(devcap) gives devcap::devcap.
install(EXPORT devcapTargets NAMESPACE devcap::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/devcap COMPONENT dev)
configure_package_config_file(cmake/devcapConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/devcapConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/devcap)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/devcapConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/devcapConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/devcapConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/devcap COMPONENT dev)

# pkg-config: the file names the prefix of the installation it belongs to, so
# it is written when the install runs (the prefix given to `cmake --install`
# is known only then). A staged install (DESTDIR) keeps the final prefix, and
# PKG_CONFIG_SYSROOT_DIR puts the staging directory in front of -I and -L.
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(DEVCAP_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(DEVCAP_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
install(CODE "
  set(DEVCAP_PC_LIBDIR [[${DEVCAP_PC_LIBDIR}]])
  set(DEVCAP_PC_INCLUDEDIR [[${DEVCAP_PC_INCLUDEDIR}]])
  set(PROJECT_VERSION ${PROJECT_VERSION})
  set(DEVCAP_PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file([[${CMAKE_CURRENT_SOURCE_DIR}/cmake/devcap.pc.in]]
    [[${CMAKE_CURRENT_BINARY_DIR}/devcap.pc]] @ONLY)" COMPONENT dev)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/devcap.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

# The tool finds the library beside it through a run path relative to its own
# directory, so an installed tree works from any prefix. The stand-in platform
# is linked into it.
if(TARGET devcap_tool)
  file(RELATIVE_PATH DEVCAP_BIN_TO_LIB ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set_target_properties(devcap_tool PROPERTIES INSTALL_RPATH "$ORIGIN/${DEVCAP_BIN_TO_LIB}")
  install(TARGETS devcap_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tool)
  # Manual pages are installed compressed, as Debian requires.
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/devcap.1.gz
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${CMAKE_CURRENT_SOURCE_DIR}/tools/devcap.1
      ${CMAKE_CURRENT_BINARY_DIR}/devcap.1.gz
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tools/devcap.1 VERBATIM)
  add_custom_target(devcap_manpage ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/devcap.1.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/devcap.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)
  # bash-completion loads completions/NAME when NAME is first completed.
  install(FILES tools/completion/devcap.bash
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME devcap COMPONENT tool)
endif()
