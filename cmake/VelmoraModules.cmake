# One static library per core module (src/core/<name>), so a module builds and is tested on
# its own; `velmora_core` is the union of them all.
#
#   velmora_core_module(<name> [DEPS <module>...])   in src/core/<name>/CMakeLists.txt
#   velmora_core_test(<name> [LIBS <target>...])     in tests/core/<name>/CMakeLists.txt
#
# Sources are every .cpp in the module's folder.

set_property(GLOBAL PROPERTY VELMORA_CORE_MODULES "")

function(velmora_core_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  set(target velmora_core_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC "${CMAKE_SOURCE_DIR}/src")
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE "${CMAKE_SOURCE_DIR}/src")
    set(scope INTERFACE)
  endif()
  foreach(dep IN LISTS ARG_DEPS)
    target_link_libraries(${target} ${scope} velmora_core_${dep})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VELMORA_CORE_MODULES ${target})
endfunction()

# A GoogleTest executable from every .cpp in the test folder, linked with the module, the
# test doubles and any further LIBS.
function(velmora_core_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  set(target test_${name})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE velmora_core_${name} velmora_test_support ${ARG_LIBS}
                                          GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${target} PRIVATE
    VELMORA_DATA_DIR="${VELMORA_SOURCE_DATA_DIR}"
    VELMORA_FIXTURES_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
endfunction()
