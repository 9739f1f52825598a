# Every file includes headers by their path in the repository ("numerics/RkfStep.h").
# Rather than put the repository root on include paths, which would let any
# target reach any header (the Qt layer's from the Qt-free core, the tests'
# from the program), each target gets a tree of links to exactly the headers it
# declares, under their repository paths. A header a target does not declare or
# get from a library it links does not compile.
#
#   orvalde_headers(<target> PUBLIC|PRIVATE <header path from the repository root>...)
function(orvalde_headers target scope)
  set(tree "${PROJECT_BINARY_DIR}/include/${target}")
  # Links of headers dropped from the list must not linger.
  file(REMOVE_RECURSE "${tree}")
  foreach(header IN LISTS ARGN)
    get_filename_component(dir "${tree}/${header}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${header}" "${tree}/${header}" SYMBOLIC)
  endforeach()
  list(TRANSFORM ARGN PREPEND "${PROJECT_SOURCE_DIR}/" OUTPUT_VARIABLE sources)
  target_sources(${target} PRIVATE ${sources})
  target_include_directories(${target} ${scope} "${tree}")
endfunction()
