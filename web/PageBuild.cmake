# The page for a native or Windows tree, which packages it and tests it: the
# web preset's own build of this checkout (build/web, its folder in
# build/web/page: VARNOK_PAGE_DIR), rebuilt with the tree. Every tree of the
# checkout shares it, so the page is built once, whichever tree builds first.
include(ExternalProject)
set(VARNOK_PAGE_BUILD ${PROJECT_SOURCE_DIR}/build/web)
set(VARNOK_PAGE_DIR ${VARNOK_PAGE_BUILD}/page)
set(VARNOK_PAGE_FILES index.html page.js page.css)
list(TRANSFORM VARNOK_PAGE_FILES PREPEND ${VARNOK_PAGE_DIR}/ OUTPUT_VARIABLE PAGE_BYPRODUCTS)
ExternalProject_Add(web_page
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${VARNOK_PAGE_BUILD}
  CONFIGURE_COMMAND ${CMAKE_COMMAND} --preset web -S ${PROJECT_SOURCE_DIR} -B ${VARNOK_PAGE_BUILD}
                    -DVARNOK_PAGE_DIR=${VARNOK_PAGE_DIR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${VARNOK_PAGE_BUILD} --target web_page
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${PAGE_BYPRODUCTS}
  INSTALL_COMMAND ""
  LOG_CONFIGURE ON LOG_OUTPUT_ON_FAILURE ON)
