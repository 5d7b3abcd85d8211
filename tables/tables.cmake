# Text tables and the embedded knowledge base.
# kb_convert runs at build time, so a cross build takes it from a native
# build (OMBRIX_HOST_TOOLS: that build's folder).
if(CMAKE_CROSSCOMPILING)
  set(OMBRIX_HOST_TOOLS "" CACHE PATH "Folder of a native build that holds kb_convert")
  if(OMBRIX_HOST_TOOLS STREQUAL "")
    message(FATAL_ERROR "A cross build converts the knowledge base with the kb_convert of a "
      "native build: build that first (cmake --preset default && cmake --build --preset default "
      "--target kb_convert) and pass its folder, -DOMBRIX_HOST_TOOLS=${CMAKE_SOURCE_DIR}/build/default "
      "(the windows and web presets do).")
  endif()
  add_executable(kb_convert IMPORTED)
  set_target_properties(kb_convert PROPERTIES IMPORTED_LOCATION ${OMBRIX_HOST_TOOLS}/kb_convert)
else()
  add_executable(kb_convert tables/kbgen/kb_convert.cpp)
  target_link_libraries(kb_convert PRIVATE ombrix_text)
endif()

file(GLOB OMBRIX_KB_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tables/kb/*.txt)
set(OMBRIX_KB_DATA ${CMAKE_CURRENT_BINARY_DIR}/generated/kb_data.cpp)
set(OMBRIX_KB_RAW_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated/kb)
# On Windows the tables are the program's RCDATA resources: kb_convert also
# writes the resource script that lists its converted bytes.
set(OMBRIX_KB_OUTPUTS ${OMBRIX_KB_DATA})
set(OMBRIX_KB_RC_OPTION)
if(WIN32)
  set(OMBRIX_KB_RC ${CMAKE_CURRENT_BINARY_DIR}/generated/kb.rc)
  set(OMBRIX_KB_RC_OPTION --rc ${OMBRIX_KB_RC})
  list(APPEND OMBRIX_KB_OUTPUTS ${OMBRIX_KB_RC})
  foreach(source IN LISTS OMBRIX_KB_SOURCES)
    get_filename_component(id ${source} NAME_WE)
    list(APPEND OMBRIX_KB_OUTPUTS ${OMBRIX_KB_RAW_DIR}/${id}.bin)
  endforeach()
endif()
add_custom_command(
  OUTPUT ${OMBRIX_KB_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${OMBRIX_KB_RAW_DIR}
  COMMAND kb_convert ${OMBRIX_KB_DATA} --raw-dir ${OMBRIX_KB_RAW_DIR} ${OMBRIX_KB_RC_OPTION}
          ${OMBRIX_KB_SOURCES}
  DEPENDS kb_convert ${OMBRIX_KB_SOURCES}
  COMMENT "Converting the knowledge base to code page 1257"
  VERBATIM)

add_library(ombrix_tables STATIC
  tables/buffers.cpp
  tables/letter_case.cpp
  tables/composite_steps.cpp
  tables/format_text.cpp
  tables/text_table.cpp
  ${OMBRIX_KB_DATA})
target_include_directories(ombrix_tables PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

if(WIN32)
  # A resource object inside a static library is dropped by the linker, as
  # nothing refers to it: every executable that links the tables gets the
  # object itself. The generated list reads the bytes with the resource
  # loader of platform/win32/.
  enable_language(RC)
  add_library(ombrix_kb_resources OBJECT ${OMBRIX_KB_RC})
  target_link_libraries(ombrix_tables
    INTERFACE $<TARGET_OBJECTS:ombrix_kb_resources>
    PUBLIC ombrix_resource_tables)
  add_dependencies(ombrix_tables ombrix_kb_resources)
endif()
