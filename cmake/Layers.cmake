# The program is built in layers, each a library that links only the layers beneath it:
#   framework_text, core  ->  framework  ->  worksheet  ->  entry  ->  shell  ->  quillstep
# A layer sees the headers of the layers it links and no others. Its include directory is a
# folder of its own in the build tree that holds a link to its source folder alone, so an
# include of a layer above it (or beside it) names a header the compiler cannot find.

# quillstep_layer(TARGET EXPOSE path...): the folders or files of the source tree that TARGET
# offers to whatever links it, under their own paths.
function(quillstep_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "EXPOSE")
  set(view ${CMAKE_BINARY_DIR}/layers/${target})
  foreach(path IN LISTS LAYER_EXPOSE)
    get_filename_component(parent ${view}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${view}/${path} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${view})
  quillstep_warnings(${target})
endfunction()

# Warnings for the program's own code, and for its tests and benchmarks; errors in CI.
function(quillstep_warnings target)
  # Designated initializers leave the rest at their defaults on purpose; GCC 12 reports bogus
  # overlaps when std::string is assigned at -O2 (its bug 105329).
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict> $<$<BOOL:${QUILLSTEP_WARNINGS_AS_ERRORS}>:-Werror>)
endfunction()
