# Checks of the program on a real terminal: the end-to-end suite in a
# pseudo-terminal, the key decoder's fuzz target and the renderer's benchmark.

# End-to-end: the real program in a pseudo-terminal (POSIX only). Its own
# executable, so that the unit suite stays free of processes and timing.
if(STRUIN_TESTS AND NOT WIN32)
  # The terminal emulator in tests/support is shared with the unit suite.
  file(GLOB STRUIN_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(struin_e2e ${STRUIN_E2E_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/Vt.cpp)
  target_include_directories(struin_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e
                                                ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(struin_e2e PRIVATE struin_script GTest::gtest GTest::gtest_main)
  target_compile_definitions(struin_e2e PRIVATE STRUIN_PROGRAMMA="$<TARGET_FILE:struinpaadje>")
  add_dependencies(struin_e2e struinpaadje)
  # The sanitizers make the program and the random-frame round trips several
  # times slower; a test then gets more time, not less work.
  set(STRUIN_E2E_TIJD 60)
  if(STRUIN_SANITIZE)
    target_compile_definitions(struin_e2e PRIVATE STRUIN_GESANITEERD)
    set(STRUIN_E2E_TIJD 240)
  endif()
  gtest_discover_tests(struin_e2e TEST_PREFIX "e2e." DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT ${STRUIN_E2E_TIJD} LABELS e2e)
endif()

# Fuzzing the key decoder (clang only: cmake --preset fuzz, then build the
# target struin_fuzz_toetsen). The decoder stands on its own, so the target
# compiles it directly with libFuzzer's coverage instrumentation.
if(STRUIN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "STRUIN_FUZZ heeft clang nodig (cmake --preset fuzz)")
  endif()
  add_executable(struin_fuzz_toetsen fuzz/Toetsdecoder.fuzz.cpp console/terminal/Toetsdecoder.cpp)
  target_include_directories(struin_fuzz_toetsen PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(struin_fuzz_toetsen PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(struin_fuzz_toetsen PRIVATE -fsanitize=fuzzer,address,undefined)
  # libFuzzer writes what it finds into the first corpus directory it is given:
  # build/fuzz/corpus, so that the tracked fuzz/corpus only seeds the run.
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/corpus)
endif()

# The renderer's benchmark: scripted sessions replayed through the terminal
# renderer and, to compare, through ncursesw (the benchmark's own dependency:
# the game links nothing of it). Built only on request (-DSTRUIN_BENCHMARKS=ON).
if(STRUIN_BENCHMARKS)
  find_package(benchmark QUIET)
  set(CURSES_NEED_WIDE TRUE)
  find_package(Curses QUIET)
  if(NOT benchmark_FOUND OR NOT CURSES_FOUND)
    message(FATAL_ERROR "STRUIN_BENCHMARKS heeft Google Benchmark en ncursesw nodig "
                        "(apt-get install libbenchmark-dev libncurses-dev)")
  endif()
  add_executable(struin_bench benchmarks/Weergave.bench.cpp ${CMAKE_SOURCE_DIR}/tests/support/Vt.cpp)
  target_include_directories(struin_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CURSES_INCLUDE_DIRS})
  target_link_libraries(struin_bench PRIVATE struin_script benchmark::benchmark ${CURSES_LIBRARIES})
endif()
