# The page, tambrel.html: the core, the same library as the desktop
# program's, with the page's glue, as one self-contained file.
set(TAMBREL_ROOT ${CMAKE_CURRENT_SOURCE_DIR}/..)
add_executable(tambrel_page page.cpp page_window.cpp notebook_json.cpp)
target_link_libraries(tambrel_page PRIVATE tambrel_core)
target_link_options(tambrel_page PRIVATE
  -sENVIRONMENT=web -sMODULARIZE -sEXPORT_NAME=TambrelEngine -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH
  -sDYNAMIC_EXECUTION=0 -sINCOMING_MODULE_JS_API=[] -sEXPORTED_RUNTIME_METHODS=[])

# The core's tables as the page's script reads them, written by the build
# (run by node) into the page.
add_executable(tambrel_facts facts.cpp)
target_link_libraries(tambrel_facts PRIVATE tambrel_core)
target_link_options(tambrel_facts PRIVATE -sENVIRONMENT=node -sNODERAWFS)

find_program(TAMBREL_NODE node REQUIRED)
set(TAMBREL_PAGE_PARTS
  ${CMAKE_CURRENT_SOURCE_DIR}/tambrel.html ${CMAKE_CURRENT_SOURCE_DIR}/notebook.js ${CMAKE_CURRENT_SOURCE_DIR}/page.js
  ${TAMBREL_ROOT}/web/Справка.html ${TAMBREL_ROOT}/resources/about/emblem.png ${TAMBREL_ROOT}/resources/about/flag.png)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/tambrel.html
  COMMAND ${TAMBREL_NODE} ${CMAKE_CURRENT_SOURCE_DIR}/assemble.mjs ${CMAKE_CURRENT_SOURCE_DIR}/tambrel.html
          $<TARGET_FILE:tambrel_page> $<TARGET_FILE:tambrel_facts> ${CMAKE_CURRENT_SOURCE_DIR}/notebook.js
          ${CMAKE_CURRENT_SOURCE_DIR}/page.js ${TAMBREL_ROOT}/web/Справка.html
          ${TAMBREL_ROOT}/resources/about ${CMAKE_BINARY_DIR}/tambrel.html
  DEPENDS tambrel_page tambrel_facts ${CMAKE_CURRENT_SOURCE_DIR}/assemble.mjs ${TAMBREL_PAGE_PARTS}
  COMMENT "tambrel.html, one file"
  VERBATIM
)
add_custom_target(tambrel_html ALL DEPENDS ${CMAKE_BINARY_DIR}/tambrel.html)
