# Every target of the project compiles with these warnings, and a warning fails the build.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
                    -Wold-style-cast -Woverloaded-virtual -Werror)
# GCC 12 warns of overlapping copies inside std::string's operator+ when it optimises ("+" +
# text at -O2 and -O3): a known false -Wrestrict of that compiler, which would fail the
# optimised builds.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()
