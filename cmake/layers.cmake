# Each layer of the core is a library of its own whose headers are reached through an include
# folder that shows that layer alone: build/<tree>/layers/wizard/wizard links to core/wizard. A
# library sees the include folders of the libraries it links, which are the layers below it, so a
# file that includes a header of a layer above its own fails to compile.
#
# Where the build machine cannot make symbolic links (Windows without the right to), every layer
# is reached through core/ instead; scripts/lib/check_layers.py (ctest: layer_check) still refuses
# an upward include there.

set(MIPRO_LAYER_INCLUDES ${CMAKE_BINARY_DIR}/layers)

# mipro_layer_include(<target> <INTERFACE|PUBLIC> <folder>): <folder> (relative to the source
# tree) becomes visible to <target> and to what links it, under the folder's own name.
function(mipro_layer_include target scope folder)
  get_filename_component(name ${folder} NAME)
  set(root ${MIPRO_LAYER_INCLUDES}/${name})
  set(link ${root}/${name})
  if(NOT IS_SYMLINK ${link})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${link} RESULT failed SYMBOLIC)
    if(failed)
      message(STATUS "No symbolic link for ${folder} (${failed}): its headers are reached through core/")
      set(root ${PROJECT_SOURCE_DIR}/core)
    endif()
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# mipro_layer(<name> <folder> <below> <sources...>): the library mipro_<name> of <folder>'s
# sources, linked to <below>, the libraries of the layers it stands on (and so to theirs).
function(mipro_layer name folder below)
  add_library(mipro_${name} STATIC ${ARGN})
  mipro_layer_include(mipro_${name} PUBLIC ${folder})
  target_link_libraries(mipro_${name} PUBLIC ${below})
endfunction()
