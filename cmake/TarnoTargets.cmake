# Helpers shared by every folder of the project.

# Adds a folder only once it has its own CMakeLists.txt, so layers can land one by one.
function(tarno_add_subdir dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# Warnings for our own code (third-party headers come in as system includes).
function(tarno_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                           -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Wunused
                           -Woverloaded-virtual -Wimplicit-fallthrough)
    if(TARNO_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# What every test executable gets: where the sources, samples and programs are.
function(tarno_test_target name)
  tarno_warnings(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_compile_definitions(${name} PRIVATE
    TARNO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TARNO_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/../shared/samples/scm"
    TARNO_ZIP_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/../shared/samples/zip"
    TARNO_BIN_DIR="${TARNO_BIN_DIR}")
endfunction()

# A GoogleTest executable registered with CTest, one CTest test per case.
function(tarno_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  tarno_test_target(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# The same for Qt tests: a main() that picks the offscreen platform before the
# QApplication exists (test discovery runs the binary during the build).
function(tarno_qt_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
  add_executable(${name} ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets Qt6::Test GTest::gtest)
  tarno_test_target(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300 ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
