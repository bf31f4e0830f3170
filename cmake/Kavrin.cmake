# Shared build settings and helpers for every target of the project.

add_library(kavrin_options INTERFACE)
target_compile_options(kavrin_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual)
# g++ 12 reports false buffer overflows inside libstdc++'s vector code at -O2, more so with
# sanitizers (GCC bugs 105329, 106199); they would fail the warnings-as-errors build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(kavrin_options INTERFACE -Wno-stringop-overflow -Wno-array-bounds
        -Wno-restrict)
endif()
if(KAVRIN_WERROR)
    target_compile_options(kavrin_options INTERFACE -Werror)
endif()
if(KAVRIN_SANITIZE STREQUAL "address")
    set(_kavrin_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(KAVRIN_SANITIZE STREQUAL "thread")
    set(_kavrin_san -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT KAVRIN_SANITIZE STREQUAL "")
    message(FATAL_ERROR "KAVRIN_SANITIZE must be empty, 'address' or 'thread'")
endif()
if(_kavrin_san)
    target_compile_options(kavrin_options INTERFACE ${_kavrin_san})
    target_link_options(kavrin_options INTERFACE ${_kavrin_san})
endif()
target_include_directories(kavrin_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# kavrin_library(<name> SOURCES <files...> [DEPS <targets...>])
function(kavrin_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC kavrin_options ${ARG_DEPS})
endfunction()

# kavrin_test(<name> SOURCES <files...> [DEPS <targets...>])
# One GoogleTest binary; each test case becomes a ctest entry.
function(kavrin_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE kavrin_options ${ARG_DEPS} GTest::gtest GTest::gtest_main
        GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 120)
endfunction()

# Adds every direct sub-folder of the current folder that has its own CMakeLists.txt,
# so a new module plugs in without editing its parent.
function(kavrin_add_subfolders)
    file(GLOB _children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
        ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT _children)
    foreach(_child IN LISTS _children)
        if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_child}
                AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_child}/CMakeLists.txt)
            add_subdirectory(${_child})
        endif()
    endforeach()
endfunction()
