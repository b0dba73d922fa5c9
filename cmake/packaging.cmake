# Debian packages of the install components, built by `cpack -G DEB` in a
# build configured with -DCMAKE_INSTALL_PREFIX=/usr (so that the library lands
# in the multiarch directory, /usr/lib/<triplet>):
#   libdevcapMAJOR  lib   the shared library, with its symbols and shlibs files
#   libdevcap-dev   dev   headers, the CMake package, devcap.pc
#   devcap          tool  the tool, its manual page and bash completion
# scripts/install_test.sh builds them and checks them with lintian.
set(DEVCAP_PACKAGE_MAINTAINER "devcap maintainers <devcap-maintainers@example.com>"
  CACHE STRING "Maintainer field of the Debian packages")

set(DEVCAP_LIB_PACKAGE libdevcap${PROJECT_VERSION_MAJOR})
set(DEVCAP_DEB_RELEASE 1)
set(DEVCAP_DEB_VERSION ${PROJECT_VERSION}-${DEVCAP_DEB_RELEASE})
set(DEVCAP_DEB_DIR ${CMAKE_CURRENT_BINARY_DIR}/debian)

# The symbols file: every exported symbol (tests/abi/devcap.symbols, the list
# the ABI test checks) with the version that first has it. Only one version
# exists yet, so each symbol carries it; a symbol added later gets that
# later version.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/tests/abi/devcap.symbols DEVCAP_EXPORTS)
set(DEVCAP_SYMBOLS "libdevcap.so.${PROJECT_VERSION_MAJOR} ${DEVCAP_LIB_PACKAGE} #MINVER#\n")
foreach(line IN LISTS DEVCAP_EXPORTS)
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*) (FUNC|OBJECT)$")
    string(APPEND DEVCAP_SYMBOLS " ${CMAKE_MATCH_1}@Base ${PROJECT_VERSION}\n")
  endif()
endforeach()
file(CONFIGURE OUTPUT ${DEVCAP_DEB_DIR}/symbols CONTENT "${DEVCAP_SYMBOLS}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/abi/devcap.symbols)

# Each package carries the copyright file and the changelog in its own
# documentation folder. They belong to components of their own (debian_lib,
# ...), excluded from every install but CPack's: `cmake --install` and
# `cmake --install --component lib` leave them out. Each package is a group
# of its install component and its Debian component, named as the first.
string(TIMESTAMP DEVCAP_DEB_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(cmake/debian/changelog.in ${DEVCAP_DEB_DIR}/changelog.Debian @ONLY)
execute_process(COMMAND gzip -9nf ${DEVCAP_DEB_DIR}/changelog.Debian RESULT_VARIABLE DEVCAP_GZIP_RC)
if(NOT DEVCAP_GZIP_RC EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${DEVCAP_DEB_DIR}/changelog.Debian")
endif()
set(DEVCAP_PACKAGE_lib ${DEVCAP_LIB_PACKAGE})
set(DEVCAP_PACKAGE_dev libdevcap-dev)
set(DEVCAP_PACKAGE_tool devcap)
foreach(comp IN ITEMS lib dev tool)
  install(FILES cmake/debian/copyright ${DEVCAP_DEB_DIR}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${DEVCAP_PACKAGE_${comp}}
    COMPONENT debian_${comp} EXCLUDE_FROM_ALL)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME devcap)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DEVCAP_PACKAGE_MAINTAINER})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL lib debian_lib dev debian_dev tool debian_tool)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${DEVCAP_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DEVCAP_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Dependencies on shared libraries come from dpkg-shlibdeps; the tool's
# libdevcap.so.1 is found in the build tree, and its dependency is given below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_CURRENT_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(CPACK_DEBIAN_LIB_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIB_PACKAGE_CONTROL_EXTRA
  ${DEVCAP_DEB_DIR}/symbols ${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/triggers)
set(CPACK_DEBIAN_LIB_DESCRIPTION "hardware capabilities of the camera firmware
At start-up the library works out which camera product it runs on and reads
the product's JSON capability files (board, sensors, lenses, product patch)
into one record; its CAP_ queries answer from it. The host process provides
the logger and system services the library calls.")

set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${DEVCAP_LIB_PACKAGE} (= ${DEVCAP_DEB_VERSION}), libjson-c-dev")
set(CPACK_DEBIAN_DEV_DESCRIPTION "hardware capabilities of the camera firmware - development files
Headers, the CMake package (find_package(devcap), target devcap::devcap) and
the pkg-config file (devcap) for linking the capability library.")

set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS "${DEVCAP_LIB_PACKAGE} (>= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_TOOL_DESCRIPTION "dump, query and lint camera capability trees
The devcap tool runs the capability library itself over a copy of a camera's
file system and prints what the camera will answer, query by query, and
lints every product folder of a capability tree.")

include(CPackComponent)
foreach(comp IN ITEMS lib dev tool)
  string(TOUPPER ${comp} COMP)
  set(CPACK_DEBIAN_${COMP}_PACKAGE_NAME ${DEVCAP_PACKAGE_${comp}})
  cpack_add_component_group(${comp})
  cpack_add_component(${comp} GROUP ${comp})
  cpack_add_component(debian_${comp} GROUP ${comp})
endforeach()
include(CPack)
