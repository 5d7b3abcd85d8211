# What Debian asks of every package in /usr/share/doc/<package>: the
# copyright file in its machine-readable form, made from LICENSE, and the
# changelog of a native package, made from CHANGELOG (app/changelog.cmake),
# compressed as dpkg's own tools compress it.
set(OMBRIX_DEBIAN_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated/debian)

# The holder and year of LICENSE's copyright line, and the licence text after
# it as a field's continuation lines: each indented by a blank, an empty line
# written as " .".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE license)
if(NOT license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.+)$")
  message(FATAL_ERROR "LICENSE: no copyright line followed by the licence text")
endif()
set(OMBRIX_COPYRIGHT ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text "${license_text}")
set(OMBRIX_LICENSE_TEXT " ${license_text}")
configure_file(app/debian/copyright.in ${OMBRIX_DEBIAN_DIR}/copyright @ONLY)

# "Mon, 07 Dec 2026 12:00:00 +0200" of an ISO date, the form the trailer
# line of a Debian changelog entry takes; the weekday by Sakamoto's method.
function(ombrix_debian_date iso out)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${iso}")
  set(day_text ${CMAKE_MATCH_3})
  math(EXPR year "${CMAKE_MATCH_1}")
  math(EXPR month "${CMAKE_MATCH_2}")
  math(EXPR day "${CMAKE_MATCH_3}")
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  list(GET months ${index} month_name)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  list(GET weekdays ${weekday} weekday_name)
  set(${out} "${weekday_name}, ${day_text} ${month_name} ${year} 12:00:00 +0200" PARENT_SCOPE)
endfunction()

set(debian_changelog "")
math(EXPR last "${OMBRIX_CHANGELOG_COUNT} - 1")
foreach(i RANGE ${last})
  ombrix_debian_date(${OMBRIX_CHANGELOG_${i}_DATE} date)
  string(APPEND debian_changelog
         "${CPACK_PACKAGE_NAME} (${OMBRIX_CHANGELOG_${i}_VERSION}) unstable; urgency=medium\n\n"
         "${OMBRIX_CHANGELOG_${i}_TEXT}\n -- ${OMBRIX_MAINTAINER}  ${date}\n")
  if(i LESS last)
    string(APPEND debian_changelog "\n")
  endif()
endforeach()
# Written through a copy, so that an unchanged text keeps its time stamp.
file(WRITE ${OMBRIX_DEBIAN_DIR}/changelog.new "${debian_changelog}")
configure_file(${OMBRIX_DEBIAN_DIR}/changelog.new ${OMBRIX_DEBIAN_DIR}/changelog COPYONLY)
add_custom_command(
  OUTPUT ${OMBRIX_DEBIAN_DIR}/changelog.gz
  COMMAND gzip -9nf -k ${OMBRIX_DEBIAN_DIR}/changelog
  DEPENDS ${OMBRIX_DEBIAN_DIR}/changelog
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(ombrix_debian_changelog ALL DEPENDS ${OMBRIX_DEBIAN_DIR}/changelog.gz)

install(FILES ${OMBRIX_DEBIAN_DIR}/copyright ${OMBRIX_DEBIAN_DIR}/changelog.gz
        DESTINATION share/doc/${CPACK_PACKAGE_NAME})
install(FILES app/debian/lintian-overrides DESTINATION share/lintian/overrides
        RENAME ${CPACK_PACKAGE_NAME})
