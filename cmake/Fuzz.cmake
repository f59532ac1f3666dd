# The libFuzzer targets (clang only; tools/fuzz.sh builds and runs them), included by Host.cmake.
# Their libraries are compiled from the host build's own source lists, SONPIX_PURE_SOURCES and
# CLI_SOURCES, so that a file added to either is fuzzed without a change here. Everything is
# built with -O1 and the fuzzer's coverage, AddressSanitizer and UBSan, every finding fatal.
set(FUZZ_LIBRARY_FLAGS -O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
set(FUZZ_PROGRAM_FLAGS -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

add_library(sonpix_pure_fuzz STATIC ${SONPIX_PURE_SOURCES})
target_include_directories(sonpix_pure_fuzz PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(sonpix_pure_fuzz PRIVATE ${FUZZ_LIBRARY_FLAGS})
target_link_libraries(sonpix_pure_fuzz PUBLIC JPEG::JPEG)

add_library(sonpix_cli_fuzz STATIC ${CLI_SOURCES})
target_compile_options(sonpix_cli_fuzz PRIVATE ${FUZZ_LIBRARY_FLAGS})
target_link_libraries(sonpix_cli_fuzz PUBLIC sonpix_pure_fuzz)

# NAME_fuzzer from tests/host/fuzz/NAME_fuzzer.cpp over LIBRARY; further arguments are extra sources.
function(sonpix_fuzzer name library)
  add_executable(${name}_fuzzer ${CMAKE_SOURCE_DIR}/tests/host/fuzz/${name}_fuzzer.cpp ${ARGN})
  target_compile_options(${name}_fuzzer PRIVATE ${FUZZ_PROGRAM_FLAGS})
  target_link_options(${name}_fuzzer PRIVATE ${FUZZ_PROGRAM_FLAGS})
  target_link_libraries(${name}_fuzzer PRIVATE ${library})
endfunction()

sonpix_fuzzer(marker_search sonpix_pure_fuzz)
sonpix_fuzzer(wav_check sonpix_pure_fuzz)
# The full-size decoder is the viewer's, in neither list; the fuzzer decodes small pictures with it.
sonpix_fuzzer(jpeg_limits sonpix_pure_fuzz ${CMAKE_SOURCE_DIR}/picture/JpegDecoder.cpp)
sonpix_fuzzer(sonpix_check sonpix_cli_fuzz)
