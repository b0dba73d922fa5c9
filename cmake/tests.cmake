# Adds one test program per source file of the calling folder that matches
# PATTERN (test_*.cpp, unit_*.cpp, ...), named after the file and run by ctest
# under that name, linked with LIBRARIES and GoogleTest's main:
#   devcap_add_tests(PATTERN LIBRARIES lib... [INCLUDES dir...]
#                    [DEFINITIONS def...] [DEPENDS target...] [ENVIRONMENT var=value...])
function(devcap_add_tests pattern)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBRARIES;INCLUDES;DEFINITIONS;DEPENDS;ENVIRONMENT")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
  foreach(src ${sources})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${arg_INCLUDES})
    target_compile_definitions(${name} PRIVATE ${arg_DEFINITIONS})
    if(arg_DEPENDS)
      add_dependencies(${name} ${arg_DEPENDS})
    endif()
    add_test(NAME ${name} COMMAND ${name})
    if(arg_ENVIRONMENT)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
    endif()
  endforeach()
endfunction()
