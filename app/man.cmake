# The manual pages of ombrix and ombrix-report, in English (man1) and
# Estonian (et/man1): roff sources that get the version and the release date,
# compressed as Debian keeps manual pages.
set(OMBRIX_MAN_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated/man)
set(OMBRIX_MAN_PAGES "")
foreach(page ombrix ombrix-report)
  foreach(language en et)
    if(language STREQUAL en)
      set(source app/man/${page}.1.in)
      set(folder man1)
    else()
      set(source app/man/${page}.${language}.1.in)
      set(folder ${language}/man1)
    endif()
    set(roff ${OMBRIX_MAN_DIR}/${folder}/${page}.1)
    configure_file(${source} ${roff} @ONLY)
    add_custom_command(
      OUTPUT ${roff}.gz
      COMMAND gzip -9nf -k ${roff}
      DEPENDS ${roff}
      COMMENT "Compressing the manual page ${folder}/${page}.1"
      VERBATIM)
    list(APPEND OMBRIX_MAN_PAGES ${roff}.gz)
    install(FILES ${roff}.gz DESTINATION share/man/${folder})
  endforeach()
endforeach()
add_custom_target(ombrix_man_pages ALL DEPENDS ${OMBRIX_MAN_PAGES})
