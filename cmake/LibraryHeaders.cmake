# Headers are included by their path from the project's root: "engine/x.h".
# Each library gets an include folder of its own that holds only a link to its
# folder, so that code sees the headers of the libraries it links and no
# others: an include against the arrows (engine <- window <- backends,
# resources below window) does not build.
function(zorvane_library_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
