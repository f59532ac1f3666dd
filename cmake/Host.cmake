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
