# The Windows build: static libraries per folder, the program, the Windows tests and benches.
set(SONPIX_DEPS_PREFIX ${CMAKE_SOURCE_DIR}/.cache/mingw CACHE PATH "mingw builds of libjpeg-turbo and GoogleTest")

add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP1251 -Wall -Wextra)
add_compile_definitions(NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

add_library(jpeg_static STATIC IMPORTED)
set_target_properties(jpeg_static PROPERTIES
  IMPORTED_LOCATION ${SONPIX_DEPS_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${SONPIX_DEPS_PREFIX}/include)
foreach(lib gtest gmock)
  add_library(${lib}_static STATIC IMPORTED)
  set_target_properties(${lib}_static PROPERTIES
    IMPORTED_LOCATION ${SONPIX_DEPS_PREFIX}/lib/lib${lib}.a
    INTERFACE_INCLUDE_DIRECTORIES ${SONPIX_DEPS_PREFIX}/include)
endforeach()

# One static library per folder, made of every .cpp in it.
function(sonpix_folder_library name folder)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.c)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# One library per folder; each links only the folders below it, so the link lines are the
# layering: app -> windows -> controls, picture, sound -> ui -> sys; container -> sys.
sonpix_folder_library(sonpix_sys sys kernel32 user32 shell32 advapi32)
sonpix_folder_library(sonpix_container container sonpix_sys)
sonpix_folder_library(sonpix_ui ui sonpix_sys user32 gdi32 comctl32 shell32 msimg32)
sonpix_folder_library(sonpix_picture picture sonpix_ui jpeg_static)
sonpix_folder_library(sonpix_sound sound sonpix_ui winmm)
sonpix_folder_library(sonpix_controls controls sonpix_ui mpr)
sonpix_folder_library(sonpix_windows windows sonpix_controls sonpix_picture sonpix_sound)
sonpix_folder_library(sonpix_app_lib app sonpix_windows sonpix_container)

# The sonpix command-line tool, a console program: cli/ over the container's search, the viewer's
# WAV check and the JPEG check of picture/ (of those libraries only the platform-free objects it
# calls are linked in).
sonpix_folder_library(sonpix_cli cli sonpix_picture sonpix_container sonpix_sound)
add_executable(sonpix ${CMAKE_SOURCE_DIR}/cli/main/sonpix.cpp)
target_link_libraries(sonpix PRIVATE sonpix_cli)

# The program: app/ holds the main window; the entry point stays out of the library so tests can link it.
file(GLOB APP_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/resources/*.rc)
add_executable(SonpixViewer WIN32 ${CMAKE_SOURCE_DIR}/app/main/SonpixViewer.cpp ${APP_RESOURCES})
target_link_libraries(SonpixViewer PRIVATE sonpix_app_lib)

# Test support shared by the Windows tests (sample writer, message pumping, scratch folders).
sonpix_folder_library(sonpix_test_support tests/support sonpix_sys jpeg_static gdi32 user32)

# Windows test programs: one per folder of tests/win, each linking only what it tests, so that
# work in progress in one folder does not stop the tests of another from building.
set(WIN_TEST_LIBS_sys sonpix_sys)
set(WIN_TEST_LIBS_container sonpix_container)
set(WIN_TEST_LIBS_ui sonpix_ui)
set(WIN_TEST_LIBS_sound sonpix_sound)
set(WIN_TEST_LIBS_picture sonpix_picture)
set(WIN_TEST_LIBS_windows sonpix_windows)
set(WIN_TEST_LIBS_e2e sonpix_sys psapi)
# The black-box tests start the programs they test.
set(WIN_TEST_PROGRAMS_e2e SonpixViewer sonpix)
file(GLOB WIN_TEST_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*)
foreach(dir ${WIN_TEST_DIRS})
  if(IS_DIRECTORY ${dir})
    get_filename_component(area ${dir} NAME)
    file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(srcs)
      set(libs ${WIN_TEST_LIBS_${area}})
      if(NOT libs)
        set(libs sonpix_app_lib)
      endif()
      add_executable(win_${area}_tests ${srcs})
      target_link_libraries(win_${area}_tests PRIVATE ${libs} sonpix_test_support gmock_static gtest_static)
      if(WIN_TEST_PROGRAMS_${area})
        add_dependencies(win_${area}_tests ${WIN_TEST_PROGRAMS_${area}})
      endif()
    endif()
  endif()
endforeach()

# Small programs that the launch tests start (an exit code, a decoy, a window reporting its show
# state): one GUI exe per .cpp, built beside the test program that copies them where it needs them.
file(GLOB LAUNCH_TEST_PROGRAMS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/sys/programs/*.cpp)
foreach(src ${LAUNCH_TEST_PROGRAMS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} WIN32 ${src})
  target_link_libraries(${name} PRIVATE user32 kernel32)
  if(TARGET win_sys_tests)
    add_dependencies(win_sys_tests ${name})
  endif()
endforeach()

# Sample generation: one exe per .cpp.
foreach(folder tools/samples)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(src ${srcs})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE sonpix_app_lib sonpix_test_support)
  endforeach()
endforeach()

# Benchmarks: the shared ones (bench/host also builds natively) and the Windows-only ones.
file(GLOB WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/host/*.cpp ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(src ${WIN_BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE sonpix_app_lib sonpix_test_support)
  target_compile_options(${name} PRIVATE -O2)
endforeach()
