# vokabit_add_test(NAME SOURCES... LIBS ... [TIMEOUT s])
# One executable per tested class, run under the offscreen platform with a
# private configuration folder so that no test touches the real home folder.
function(vokabit_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE vokabit_options Qt6::Test ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VOKABIT_DATA_DIR=${VOKABIT_BUILD_DATA_DIR};VOKABIT_CONFIG_DIR=${CMAKE_BINARY_DIR}/tests/config/${name};VOKABIT_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
