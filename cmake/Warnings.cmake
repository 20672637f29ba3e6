# Every target of the project compiles with these warnings, and a warning fails the build.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
                    -Wold-style-cast -Woverloaded-virtual -Werror)
