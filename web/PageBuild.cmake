# The page for a native or Windows tree, which packages it and tests it. It
# is the same for every tree, so the web preset's own tree (build/web) builds
# it once for all of them, its folder in <that tree>/page (VARNOK_PAGE_DIR):
# each tree's build brings it up to date, one tree at a time.

# cmake -DSOURCE=<checkout> -DTREE=<web tree> -P PageBuild.cmake: configures
# the web tree if it is new and builds the page there, holding the tree's lock
# so that two trees built at once do not build it together.
if(CMAKE_SCRIPT_MODE_FILE)
  file(MAKE_DIRECTORY ${TREE})
  file(LOCK ${TREE} DIRECTORY GUARD PROCESS TIMEOUT 1200)
  if(NOT EXISTS ${TREE}/CMakeCache.txt)
    execute_process(COMMAND ${CMAKE_COMMAND} --preset web -S ${SOURCE} -B ${TREE} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${TREE} --target web_page COMMAND_ERROR_IS_FATAL ANY)
  return()
endif()

set(VARNOK_PAGE_TREE ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "The web preset's tree, which builds the page")
set(VARNOK_PAGE_DIR ${VARNOK_PAGE_TREE}/page)
set(VARNOK_PAGE_FILES index.html page.js page.css)
list(TRANSFORM VARNOK_PAGE_FILES PREPEND ${VARNOK_PAGE_DIR}/ OUTPUT_VARIABLE PAGE_BYPRODUCTS)
add_custom_target(web_page ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} -DTREE=${VARNOK_PAGE_TREE} -P ${CMAKE_CURRENT_LIST_FILE}
  BYPRODUCTS ${PAGE_BYPRODUCTS}
  VERBATIM)
