# The environment of every test: the offscreen platform, and leak detection on under the
# sanitizers with only the leaks of Qt and the system libraries it loads suppressed.
set(PIRTOK_LSAN_SUPPRESSIONS ${CMAKE_CURRENT_LIST_DIR}/lsan-suppressions.txt)
set(PIRTOK_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;QT_QUICK_BACKEND=software;LSAN_OPTIONS=suppressions=${PIRTOK_LSAN_SUPPRESSIONS}:print_suppressions=0")

# pirtok_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One QtTest executable per subject, run by CTest under the offscreen platform.
function(pirtok_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test pirtok_warnings ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${PIRTOK_TEST_ENVIRONMENT}" TIMEOUT 300)
endfunction()
