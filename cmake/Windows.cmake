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
# layering: app -> windows -> controls -> ui -> sys; windows -> picture, sound -> sys; container -> sys.
sonpix_folder_library(sonpix_sys sys kernel32 user32 gdi32 shell32 advapi32 mpr)
sonpix_folder_library(sonpix_container container sonpix_sys)
sonpix_folder_library(sonpix_ui ui sonpix_sys user32 gdi32 comctl32 shell32)
sonpix_folder_library(sonpix_picture picture sonpix_sys jpeg_static)
sonpix_folder_library(sonpix_sound sound sonpix_sys winmm)
sonpix_folder_library(sonpix_controls controls sonpix_ui mpr)
sonpix_folder_library(sonpix_windows windows sonpix_controls sonpix_picture sonpix_sound sonpix_ui)
sonpix_folder_library(sonpix_app_lib app sonpix_windows sonpix_container)

# Making, checking and reading Sonpix files with UTF-8 paths, over the container's search, the
# viewer's WAV check and the JPEG check of picture/: used by the sonpix tool and the creator.
sonpix_folder_library(sonpix_authoring authoring sonpix_picture sonpix_container sonpix_sound)
# The sonpix command-line tool, a console program over the authoring library (of the libraries
# below it only the platform-free objects it calls are linked in).
sonpix_folder_library(sonpix_cli cli sonpix_authoring)
add_executable(sonpix ${CMAKE_SOURCE_DIR}/cli/main/sonpix.cpp)
target_link_libraries(sonpix PRIVATE sonpix_cli)
# Its entry is wmain, so that it gets the command line as UTF-16.
target_link_options(sonpix PRIVATE -municode)

# The program: app/ holds the main window; the entry point stays out of the library so tests can link it.
file(GLOB APP_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/resources/*.rc)
add_executable(SonpixViewer WIN32 ${CMAKE_SOURCE_DIR}/app/main/SonpixViewer.cpp ${APP_RESOURCES})
target_link_libraries(SonpixViewer PRIVATE sonpix_app_lib)

# The creator, a second program beside the viewer on the same layers (never on app/): its window
# and commands in creator/, over the authoring library; comdlg32 for the open and save dialogs.
sonpix_folder_library(sonpix_creator_lib creator sonpix_windows sonpix_authoring comdlg32)
file(GLOB CREATOR_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/creator/resources/*.rc)
add_executable(SonpixCreator WIN32 ${CMAKE_SOURCE_DIR}/creator/main/SonpixCreator.cpp ${CREATOR_RESOURCES})
target_link_libraries(SonpixCreator PRIVATE sonpix_creator_lib)

# Test support shared by the Windows tests (sample writer, message pumping, scratch folders).
sonpix_folder_library(sonpix_test_support tests/support sonpix_sys jpeg_static gdi32 user32)

# Windows test programs: one per folder of tests/win, each linking only what it tests, so that
# work in progress in one folder does not stop the tests of another from building.
set(WIN_TEST_LIBS_sys sonpix_sys)
set(WIN_TEST_LIBS_container sonpix_container)
set(WIN_TEST_LIBS_ui sonpix_ui)
set(WIN_TEST_LIBS_sound sonpix_sound)
set(WIN_TEST_LIBS_picture sonpix_picture)
set(WIN_TEST_LIBS_e2e sonpix_sys psapi version)
set(WIN_TEST_LIBS_folderedit sonpix_controls)
set(WIN_TEST_LIBS_controls sonpix_controls)
set(WIN_TEST_LIBS_about sonpix_windows)
# The black-box tests start the programs they test.
set(WIN_TEST_PROGRAMS_e2e SonpixViewer sonpix)
set(WIN_TEST_LIBS_windows sonpix_windows)
# The creator's tests: its rules in-process, and the real program driven from outside.
set(WIN_TEST_LIBS_creator sonpix_creator_lib psapi version)
set(WIN_TEST_PROGRAMS_creator SonpixCreator SonpixViewer)
# Every program has the one test entry; those over the component layer run with one application
# object and capture its errors (tests/support/application).
set(WIN_TEST_APPLICATION_AREAS ui controls folderedit about windows app creator)
file(GLOB WIN_TEST_APPLICATION_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/application/*.cpp)
list(FILTER WIN_TEST_APPLICATION_SUPPORT EXCLUDE REGEX "/TestMain\\.cpp$")
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
      add_executable(win_${area}_tests ${srcs} ${CMAKE_SOURCE_DIR}/tests/support/application/TestMain.cpp)
      if(area IN_LIST WIN_TEST_APPLICATION_AREAS)
        target_sources(win_${area}_tests PRIVATE ${WIN_TEST_APPLICATION_SUPPORT})
        target_compile_definitions(win_${area}_tests PRIVATE WITH_APPLICATION)
      endif()
      target_link_libraries(win_${area}_tests PRIVATE ${libs} sonpix_test_support gmock_static gtest_static)
      if(WIN_TEST_PROGRAMS_${area})
        add_dependencies(win_${area}_tests ${WIN_TEST_PROGRAMS_${area}})
      endif()
    endif()
  endif()
endforeach()

# Sound files as real encoders write them, made at build time for the sound tests, which play
# every file in the folder: name, encoder, its output options. Each is 0.6 s of a 440 Hz tone.
# ffmpeg puts a LIST chunk before the data by itself and its nominal 16000 bytes a second into
# ADPCM headers; its MP3 header declares a byte rate only when a bit rate is given (without one
# it writes 0, and the wave player plays nothing). Python's wave module writes plain PCM.
set(ENCODED_WAVS
  "sox_ms_adpcm_mono_8000|sox|-r 8000 -c 1 -e ms-adpcm"
  "sox_ms_adpcm_stereo_22050|sox|-r 22050 -c 2 -e ms-adpcm"
  "sox_ima_adpcm_mono_11025|sox|-r 11025 -c 1 -e ima-adpcm"
  "sox_ima_adpcm_stereo_44100|sox|-r 44100 -c 2 -e ima-adpcm"
  "sox_gsm_mono_8000|sox|-r 8000 -c 1 -e gsm-full-rate"
  "sox_mu_law_stereo_8000|sox|-r 8000 -c 2 -e u-law"
  "sox_a_law_mono_22050|sox|-r 22050 -c 1 -e a-law"
  "ffmpeg_adpcm_ms_mono_22050|ffmpeg|-c:a adpcm_ms -ar 22050 -ac 1"
  "ffmpeg_adpcm_ms_stereo_22050|ffmpeg|-c:a adpcm_ms -ar 22050 -ac 2"
  "ffmpeg_adpcm_ms_mono_44100|ffmpeg|-c:a adpcm_ms -ar 44100 -ac 1"
  "ffmpeg_adpcm_ms_stereo_44100|ffmpeg|-c:a adpcm_ms -ar 44100 -ac 2"
  "ffmpeg_adpcm_ms_mono_8000|ffmpeg|-c:a adpcm_ms -ar 8000 -ac 1"
  "ffmpeg_adpcm_ima_mono_22050|ffmpeg|-c:a adpcm_ima_wav -ar 22050 -ac 1"
  "ffmpeg_adpcm_ima_stereo_22050|ffmpeg|-c:a adpcm_ima_wav -ar 22050 -ac 2"
  "ffmpeg_adpcm_ima_mono_44100|ffmpeg|-c:a adpcm_ima_wav -ar 44100 -ac 1"
  "ffmpeg_adpcm_ima_stereo_44100|ffmpeg|-c:a adpcm_ima_wav -ar 44100 -ac 2"
  "ffmpeg_adpcm_ima_mono_8000|ffmpeg|-c:a adpcm_ima_wav -ar 8000 -ac 1"
  "ffmpeg_pcm_u8_mono_22050|ffmpeg|-c:a pcm_u8 -ar 22050 -ac 1"
  "ffmpeg_pcm_s16le_stereo_44100|ffmpeg|-c:a pcm_s16le -ar 44100 -ac 2"
  "ffmpeg_pcm_s24le_stereo_48000|ffmpeg|-c:a pcm_s24le -ar 48000 -ac 2"
  "ffmpeg_pcm_s32le_mono_44100|ffmpeg|-c:a pcm_s32le -ar 44100 -ac 1"
  "ffmpeg_pcm_f32le_stereo_44100|ffmpeg|-c:a pcm_f32le -ar 44100 -ac 2"
  "ffmpeg_pcm_alaw_mono_8000|ffmpeg|-c:a pcm_alaw -ar 8000 -ac 1"
  "ffmpeg_pcm_mulaw_stereo_22050|ffmpeg|-c:a pcm_mulaw -ar 22050 -ac 2"
  "ffmpeg_pcm_s16le_6_channels_48000|ffmpeg|-c:a pcm_s16le -ar 48000 -ac 6"
  "ffmpeg_pcm_s16le_stereo_96000|ffmpeg|-c:a pcm_s16le -ar 96000 -ac 2"
  "ffmpeg_gsm_ms_mono_8000|ffmpeg|-c:a libgsm_ms -ar 8000 -ac 1"
  "ffmpeg_mp3_stereo_44100|ffmpeg|-c:a libmp3lame -b:a 128k -ar 44100 -ac 2"
  "ffmpeg_mp3_mono_22050|ffmpeg|-c:a libmp3lame -b:a 32k -ar 22050 -ac 1"
  "python_wave_pcm_s16_mono_22050|python3|")
find_program(SOX_PROGRAM sox)
find_program(FFMPEG_PROGRAM ffmpeg)
find_program(PYTHON3_PROGRAM python3)
set(ENCODED_FFMPEG_ENCODERS "")
if(FFMPEG_PROGRAM)
  execute_process(COMMAND ${FFMPEG_PROGRAM} -hide_banner -encoders OUTPUT_VARIABLE ENCODED_FFMPEG_ENCODERS ERROR_QUIET)
endif()
if(TARGET win_sound_tests)
  set(encoded_dir ${CMAKE_BINARY_DIR}/encoded)
  set(encoded_outputs)
  foreach(entry ${ENCODED_WAVS})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 encoder)
    list(LENGTH parts count)
    set(options "")
    if(count GREATER 2)
      list(GET parts 2 options)
    endif()
    separate_arguments(options UNIX_COMMAND "${options}")
    set(out ${encoded_dir}/${name}.wav)
    # An encoder missing from the machine leaves its files out; the test requires most of them.
    if(encoder STREQUAL "sox" AND SOX_PROGRAM)
      set(make ${SOX_PROGRAM} -q -n ${options} ${out} synth 0.6 sine 440 vol 0.5)
    elseif(encoder STREQUAL "ffmpeg" AND FFMPEG_PROGRAM)
      list(GET options 1 codec)
      if(NOT ENCODED_FFMPEG_ENCODERS MATCHES " ${codec} ")
        continue()
      endif()
      set(make ${FFMPEG_PROGRAM} -v error -y -f lavfi -i sine=frequency=440:duration=0.6:sample_rate=48000 ${options} ${out})
    elseif(encoder STREQUAL "python3" AND PYTHON3_PROGRAM)
      set(make ${PYTHON3_PROGRAM} ${CMAKE_SOURCE_DIR}/tools/samples/wave_module_tone.py ${out})
    else()
      continue()
    endif()
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${encoded_dir}
      COMMAND ${make}
      VERBATIM)
    list(APPEND encoded_outputs ${out})
  endforeach()
  add_custom_target(encoded_wavs DEPENDS ${encoded_outputs})
  add_dependencies(win_sound_tests encoded_wavs)
endif()

# A CMYK picture made by ImageMagick, as print workflows write them, for the picture tests.
find_program(MAGICK_CONVERT convert)
if(MAGICK_CONVERT AND TARGET win_picture_tests)
  set(cmyk_out ${CMAKE_BINARY_DIR}/magick/cmyk_quadrants.jpg)
  add_custom_command(OUTPUT ${cmyk_out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/magick
    COMMAND ${MAGICK_CONVERT} ( -size 32x32 xc:red xc:lime +append ) ( -size 32x32 xc:blue xc:white +append )
            -append -colorspace CMYK -quality 95 ${cmyk_out}
    VERBATIM)
  add_custom_target(magick_pictures DEPENDS ${cmyk_out})
  add_dependencies(win_picture_tests magick_pictures)
endif()

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

# The stand-in for the creator program that the black-box tests put beside a copy of the viewer.
add_executable(creator_stand_in WIN32 ${CMAKE_SOURCE_DIR}/tests/win/e2e/programs/creator_stand_in.cpp)
target_link_libraries(creator_stand_in PRIVATE kernel32)
if(TARGET win_e2e_tests)
  add_dependencies(win_e2e_tests creator_stand_in)
endif()

# Sample generation: one exe per .cpp.
foreach(folder tools/samples)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(src ${srcs})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE sonpix_app_lib sonpix_test_support)
  endforeach()
endforeach()

# The hostile-corpus run: the real viewer driven from outside through the black-box tests' probes.
set(E2E_PROBES ViewerProcess WindowProbe MessageBoxProbe Deadline ScratchFolder)
list(TRANSFORM E2E_PROBES PREPEND ${CMAKE_SOURCE_DIR}/tests/win/e2e/)
list(TRANSFORM E2E_PROBES APPEND .cpp)
add_executable(hostile_corpus ${CMAKE_SOURCE_DIR}/tests/e2e/corpus/hostile_corpus.cpp ${E2E_PROBES})
target_link_libraries(hostile_corpus PRIVATE sonpix_sys sonpix_test_support psapi)
add_dependencies(hostile_corpus SonpixViewer)
# The same corpus through the real creator's open dialogs, and its memory over open-and-save cycles.
add_executable(creator_corpus ${CMAKE_SOURCE_DIR}/tests/e2e/corpus/creator_corpus.cpp ${E2E_PROBES})
target_link_libraries(creator_corpus PRIVATE sonpix_sys sonpix_test_support psapi)
add_dependencies(creator_corpus SonpixCreator)

# The creator's black-box tests drive it with the viewer's probes and real input. (Not the
# viewer's scratch-folder helpers: their ANSI PathExists would clash with the authoring library's.)
if(TARGET win_creator_tests)
  set(CREATOR_TEST_PROBES ViewerProcess WindowProbe MessageBoxProbe Deadline RealInput UnixCommand)
  list(TRANSFORM CREATOR_TEST_PROBES PREPEND ${CMAKE_SOURCE_DIR}/tests/win/e2e/)
  list(TRANSFORM CREATOR_TEST_PROBES APPEND .cpp)
  target_sources(win_creator_tests PRIVATE ${CREATOR_TEST_PROBES})
endif()

# Benchmarks: the shared ones (bench/host also builds natively) and the Windows-only ones.
file(GLOB WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/host/*.cpp ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(src ${WIN_BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE sonpix_app_lib sonpix_test_support)
  target_compile_options(${name} PRIVATE -O2)
endforeach()
# The creator's benchmark runs the creator's own form and save beside the viewer's display.
target_link_libraries(creator_bench PRIVATE sonpix_creator_lib)
# The start-up benchmark's floor is a window program of its own, with no console.
add_executable(startup_libraries_window ${CMAKE_SOURCE_DIR}/bench/win/startup_minimal_window.cpp)
target_compile_definitions(startup_libraries_window PRIVATE WITH_VIEWER_LIBRARIES)
target_link_libraries(startup_libraries_window PRIVATE comctl32 shell32)
target_link_libraries(startup_window_tree PRIVATE comctl32 shell32)
set_target_properties(startup_minimal_window startup_libraries_window startup_window_tree PROPERTIES WIN32_EXECUTABLE ON)
