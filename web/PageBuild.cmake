# The page for a native or Windows tree, which packages it and tests it: the
# web preset's build of this same source in <tree>/web, its folder put
# together in <tree>/page (VARNOK_PAGE_DIR), rebuilt with the tree.
include(ExternalProject)
set(VARNOK_PAGE_DIR ${CMAKE_BINARY_DIR}/page)
set(VARNOK_PAGE_FILES index.html page.js page.css)
list(TRANSFORM VARNOK_PAGE_FILES PREPEND ${VARNOK_PAGE_DIR}/ OUTPUT_VARIABLE PAGE_BYPRODUCTS)
ExternalProject_Add(web_page
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/web
  CONFIGURE_COMMAND ${CMAKE_COMMAND} --preset web -S ${PROJECT_SOURCE_DIR} -B ${CMAKE_BINARY_DIR}/web
                    -DVARNOK_PAGE_DIR=${VARNOK_PAGE_DIR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR}/web --target web_page
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${PAGE_BYPRODUCTS}
  INSTALL_COMMAND ""
  LOG_CONFIGURE ON LOG_OUTPUT_ON_FAILURE ON)
