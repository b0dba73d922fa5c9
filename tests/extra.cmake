# Hardening tests, included by tests/CMakeLists.txt.

set(DEVCAP_FUZZ_DIR ${PROJECT_SOURCE_DIR}/fuzz)

# The invariant checker and every-query walk shared with the fuzz targets.
add_library(devcap_check STATIC ${DEVCAP_FUZZ_DIR}/devcap_check.cpp)
# It reads the members from the library's word tables.
target_include_directories(devcap_check PUBLIC ${DEVCAP_FUZZ_DIR} PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(devcap_check PUBLIC devcap)

# Many threads querying one record at once (meant for a ThreadSanitizer build).
if(TARGET test_concurrency)
  target_link_libraries(test_concurrency PRIVATE devcap_check)
endif()

# Saved fuzz inputs and the seeds replayed through the fuzz targets' code path.
add_executable(fuzz_replay ${DEVCAP_FUZZ_DIR}/replay_test.cpp ${DEVCAP_FUZZ_DIR}/harness.cpp)
target_compile_definitions(fuzz_replay PRIVATE DEVCAP_FUZZ_DIR="${DEVCAP_FUZZ_DIR}")
target_link_libraries(fuzz_replay PRIVATE devcap_check devcap devcap_host GTest::gtest_main)
add_test(NAME fuzz_replay COMMAND fuzz_replay)

# The binary interface. A sanitizer build links its runtime into the library,
# which changes NEEDED and the undefined symbols, so only plain builds check it.
set(DEVCAP_ABI_DIR ${CMAKE_CURRENT_SOURCE_DIR}/abi)
set(DEVCAP_ABI_REFS ${CMAKE_CURRENT_BINARY_DIR}/abi/abi_refs.h)
file(STRINGS ${DEVCAP_ABI_DIR}/devcap.symbols DEVCAP_ABI_SYMBOLS)
set(DEVCAP_ABI_REFS_TEXT "/* Generated from tests/abi/devcap.symbols. */\n")
foreach(line ${DEVCAP_ABI_SYMBOLS})
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*) FUNC$")
    string(APPEND DEVCAP_ABI_REFS_TEXT "ABI_FN(${CMAKE_MATCH_1})\n")
  elseif(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*) OBJECT$")
    string(APPEND DEVCAP_ABI_REFS_TEXT "ABI_DATA(${CMAKE_MATCH_1})\n")
  endif()
endforeach()
file(CONFIGURE OUTPUT ${DEVCAP_ABI_REFS} CONTENT "${DEVCAP_ABI_REFS_TEXT}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${DEVCAP_ABI_DIR}/devcap.symbols)

add_executable(abi_c99 ${DEVCAP_ABI_DIR}/abi_c99.c)
set_target_properties(abi_c99 PROPERTIES C_STANDARD 99 C_STANDARD_REQUIRED ON C_EXTENSIONS OFF)
target_compile_options(abi_c99 PRIVATE -Wall -Werror)
target_include_directories(abi_c99 PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/abi)
target_link_libraries(abi_c99 PRIVATE devcap devcap_host)
add_test(NAME abi_c99 COMMAND abi_c99)

if(NOT DEVCAP_SANITIZE)
  if(CMAKE_READELF)
    set(DEVCAP_READELF ${CMAKE_READELF})
  else()
    find_program(DEVCAP_READELF readelf REQUIRED)
  endif()
  add_test(NAME abi_symbols
    COMMAND bash ${DEVCAP_ABI_DIR}/check_abi.sh $<TARGET_FILE:devcap> ${DEVCAP_READELF}
            ${DEVCAP_ABI_DIR}/devcap.symbols ${PROJECT_SOURCE_DIR}/include/devcap.h)
endif()
