# Native Linux build of the platform-free code: unit tests under AddressSanitizer and UBSan,
# and the benchmarks (built without sanitizers).
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(-Wall -Wextra)

# The JPEG codec's limits and error exits use Debian's libjpeg-turbo on the host.
find_package(JPEG REQUIRED)

list(TRANSFORM SONPIX_PURE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
add_library(sonpix_pure STATIC ${SONPIX_PURE_SOURCES})
target_include_directories(sonpix_pure PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(sonpix_pure PRIVATE -O2)
target_link_libraries(sonpix_pure PUBLIC JPEG::JPEG)

add_library(sonpix_pure_checked STATIC ${SONPIX_PURE_SOURCES})
target_include_directories(sonpix_pure_checked PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(sonpix_pure_checked PUBLIC JPEG::JPEG)
target_compile_options(sonpix_pure_checked PUBLIC ${SANITIZE})
target_link_options(sonpix_pure_checked PUBLIC ${SANITIZE})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(t gtest gtest_main gmock)
  target_compile_options(${t} PRIVATE ${SANITIZE})
endforeach()

file(GLOB HOST_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp)
add_executable(host_tests ${HOST_TEST_SOURCES})
target_link_libraries(host_tests PRIVATE sonpix_pure_checked gtest_main gmock)

file(GLOB HOST_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/host/*.cpp)
foreach(src ${HOST_BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE sonpix_pure)
  target_compile_options(${name} PRIVATE -O2)
endforeach()

# The sonpix command-line tool: its library (the platform-free cli/ and authoring/ code and the
# JPEG check over Debian's libjpeg), the program, and its own test program, which also runs the
# built program.
file(GLOB CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp ${CMAKE_SOURCE_DIR}/authoring/*.cpp)
set(CLI_SOURCES ${CLI_SOURCES} ${CMAKE_SOURCE_DIR}/picture/JpegHeaderCheck.cpp)
add_library(sonpix_cli STATIC ${CLI_SOURCES})
target_link_libraries(sonpix_cli PUBLIC sonpix_pure JPEG::JPEG)
target_compile_options(sonpix_cli PRIVATE -O2)
add_library(sonpix_cli_checked STATIC ${CLI_SOURCES})
target_link_libraries(sonpix_cli_checked PUBLIC sonpix_pure_checked JPEG::JPEG)
add_executable(sonpix ${CMAKE_SOURCE_DIR}/cli/main/sonpix.cpp)
target_link_libraries(sonpix PRIVATE sonpix_cli)
target_compile_options(sonpix PRIVATE -O2)

# Test support that needs no platform: Sonpix and WAV writers, the test-side JPEG codec, samples.
set(HOST_TEST_SUPPORT_SOURCES SonpixWriter.cpp WavSynth.cpp JpegCodec.cpp SampleImages.cpp SampleSet.cpp WavMutations.cpp)
list(TRANSFORM HOST_TEST_SUPPORT_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/tests/support/)
file(GLOB CLI_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/cli/*_test.cpp)
add_executable(cli_tests ${CLI_TEST_SOURCES} ${HOST_TEST_SUPPORT_SOURCES} ${CMAKE_SOURCE_DIR}/tests/host/cli/CliRunner.cpp
  ${CMAKE_SOURCE_DIR}/tests/host/cli/HostTestFiles.cpp)
target_link_libraries(cli_tests PRIVATE sonpix_cli_checked gtest_main gmock)
target_compile_definitions(cli_tests PRIVATE SONPIX_EXE="$<TARGET_FILE:sonpix>")
add_dependencies(cli_tests sonpix)

# The tool's benchmark against cat; runs the sonpix program built beside it.
add_executable(sonpix_cli_bench ${CMAKE_SOURCE_DIR}/bench/host/cli/sonpix_cli_bench.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/SonpixWriter.cpp ${CMAKE_SOURCE_DIR}/tests/support/WavSynth.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/JpegCodec.cpp ${CMAKE_SOURCE_DIR}/tests/support/SampleImages.cpp
  ${CMAKE_SOURCE_DIR}/tests/host/cli/HostTestFiles.cpp)
target_link_libraries(sonpix_cli_bench PRIVATE JPEG::JPEG)
target_include_directories(sonpix_cli_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(sonpix_cli_bench PRIVATE -O2)
add_dependencies(sonpix_cli_bench sonpix)

option(SONPIX_FUZZ "Also define the libFuzzer targets of cmake/Fuzz.cmake (clang only; tools/fuzz.sh sets it)" OFF)
if(SONPIX_FUZZ)
  include(cmake/Fuzz.cmake)
endif()
