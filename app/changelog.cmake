# The one changelog, CHANGELOG at the top of the sources, feeds the AppStream
# releases and the Debian changelog. Its form, newest release first:
#
#   1.0 2026-12-07
#     * A change, wrapped with four blanks
#       before each further line.
#
# This sets OMBRIX_RELEASES_XML (the <release> elements), OMBRIX_RELEASE_DATE
# (the newest release's date) and, for each release i from 0, newest first,
# OMBRIX_CHANGELOG_<i>_VERSION, _DATE and _TEXT (its change lines as written);
# OMBRIX_CHANGELOG_COUNT is the number of releases.
set(OMBRIX_CHANGELOG ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${OMBRIX_CHANGELOG})
# Read as lines; a semicolon would split a CMake list, so it travels masked.
file(READ ${OMBRIX_CHANGELOG} changelog)
string(REPLACE ";" "@SEMICOLON@" changelog "${changelog}")
string(REGEX REPLACE "\n$" "" changelog "${changelog}")
string(REPLACE "\n" ";" changelog_lines "${changelog}")

function(ombrix_xml_text text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The <li> of the change being read is closed when the next one begins.
macro(ombrix_close_item)
  if(NOT item STREQUAL "")
    ombrix_xml_text("${item}" item)
    string(APPEND releases "          <li>${item}</li>\n")
    set(item "")
  endif()
endmacro()

macro(ombrix_close_release)
  if(count GREATER 0)
    ombrix_close_item()
    string(APPEND releases "        </ul>\n      </description>\n    </release>\n")
  endif()
endmacro()

set(count 0)
set(releases "")
set(item "")
set(number 0)
foreach(line IN LISTS changelog_lines)
  string(REPLACE "@SEMICOLON@" ";" line "${line}")
  math(EXPR number "${number} + 1")
  math(EXPR last "${count} - 1")
  if(line MATCHES "^([0-9]+(\\.[0-9]+)*) ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
    ombrix_close_release()
    set(OMBRIX_CHANGELOG_${count}_VERSION ${CMAKE_MATCH_1})
    set(OMBRIX_CHANGELOG_${count}_DATE ${CMAKE_MATCH_3})
    set(OMBRIX_CHANGELOG_${count}_TEXT "")
    string(APPEND releases "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_3}\">\n"
                           "      <description>\n        <ul>\n")
    math(EXPR count "${count} + 1")
  elseif(count GREATER 0 AND line MATCHES "^  \\* (.+)$")
    ombrix_close_item()
    set(item "${CMAKE_MATCH_1}")
    string(APPEND OMBRIX_CHANGELOG_${last}_TEXT "${line}\n")
  elseif(NOT item STREQUAL "" AND line MATCHES "^    ([^ ].*)$")
    string(APPEND item " ${CMAKE_MATCH_1}")
    string(APPEND OMBRIX_CHANGELOG_${last}_TEXT "${line}\n")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "CHANGELOG:${number}: neither a release, a change nor its continuation")
  endif()
endforeach()
ombrix_close_release()

if(count EQUAL 0 OR NOT OMBRIX_CHANGELOG_0_VERSION STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG: the newest release must be ${PROJECT_VERSION}, the project's version")
endif()
set(OMBRIX_CHANGELOG_COUNT ${count})
set(OMBRIX_RELEASE_DATE ${OMBRIX_CHANGELOG_0_DATE})
string(STRIP "${releases}" OMBRIX_RELEASES_XML)
