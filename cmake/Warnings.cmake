# kgh_warnings: the warning set every target of the project builds with.
add_library(kgh_warnings INTERFACE)
target_compile_options(kgh_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion)
if(KGH_WERROR)
  target_compile_options(kgh_warnings INTERFACE -Werror)
endif()
