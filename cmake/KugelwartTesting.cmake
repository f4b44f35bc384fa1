# kw_add_test(NAME source... [LIBS lib...]): one QtTest executable, run by ctest
# offscreen, with the real draw history's folder (beside the checkout) in
# KUGELWART_SHARED_DATA for the tests that want it.
set(KUGELWART_SHARED_DATA "${PROJECT_SOURCE_DIR}/../shared/data")

function(kw_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE kugelwart_test_support Qt6::Test kugelwart_warnings ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;KUGELWART_SHARED_DATA=${KUGELWART_SHARED_DATA};ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1;KUGELWART_BIN=${CMAKE_BINARY_DIR}/bin")
endfunction()
