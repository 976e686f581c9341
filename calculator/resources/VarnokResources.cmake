# varnok_add_resources(<target>): compiles Varnok.rc into <target>.
#
# The program and the resource tests both use this, so the tests read back the
# very script the program is built with. windres finds resource.h and the
# images through the include path; the images and resource.h are listed as
# dependencies because windres reports none of its inputs to the build.
function(varnok_add_resources target)
  set(dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  target_sources(${target} PRIVATE ${dir}/Varnok.rc)
  target_include_directories(${target} PRIVATE ${dir})
  # The framework's ids (AfxRes.h) name the strings the framework shows.
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/framework)
  target_link_libraries(${target} PRIVATE identity)
  file(GLOB images CONFIGURE_DEPENDS ${dir}/images/*.bmp ${dir}/images/*.ico)
  set_property(SOURCE ${dir}/Varnok.rc TARGET_DIRECTORY ${target}
               APPEND PROPERTY OBJECT_DEPENDS ${dir}/resource.h ${dir}/English.rc ${VARNOK_GENERATED_DIR}/Identity.h
               ${PROJECT_SOURCE_DIR}/framework/AfxRes.h ${images})
endfunction()
