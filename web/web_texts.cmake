# The page's texts, taken from where the desktop program has them: the
# captions of the dialogs, their controls and the About item from the
# resource script, the date it starts with from date/default_date.h, the
# version from project(VERSION), the licence from LICENSE. Each becomes an OMBRIX_WEB_* variable, escaped for HTML.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/app/ombrix.rc ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE
             ${CMAKE_CURRENT_SOURCE_DIR}/date/default_date.h)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/app/ombrix.rc ombrix_rc)

function(ombrix_escape_html variable text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# variable := the first group of pattern in the text of the resource script
# from its first match of start on; the build stops when it is not there.
function(ombrix_rc_text variable start pattern)
  string(FIND "${ombrix_rc}" "${start}" at)
  if(at LESS 0)
    message(FATAL_ERROR "app/ombrix.rc: no ${start}")
  endif()
  string(SUBSTRING "${ombrix_rc}" ${at} -1 rest)
  if(NOT rest MATCHES "${pattern}")
    message(FATAL_ERROR "app/ombrix.rc: no text for ${variable} after ${start}")
  endif()
  ombrix_escape_html(text "${CMAKE_MATCH_1}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

set(quoted "\"([^\"]*)\"")
ombrix_rc_text(OMBRIX_WEB_TITLE "IDD_MAIN_DIALOG DIALOGEX" "CAPTION ${quoted}")
ombrix_rc_text(OMBRIX_WEB_OK "IDD_MAIN_DIALOG DIALOGEX" "CONTROL ${quoted}, IDOK,")
ombrix_rc_text(OMBRIX_WEB_HELP "IDD_MAIN_DIALOG DIALOGEX" "CONTROL ${quoted}, IDC_HELP_BUTTON,")
ombrix_rc_text(OMBRIX_WEB_SAVE "IDD_MAIN_DIALOG DIALOGEX" "CONTROL ${quoted}, IDC_SAVE_BUTTON,")
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/date/default_date.h default_date
     REGEX "^#define OMBRIX_DEFAULT_DATE ")
if(NOT default_date MATCHES "${quoted}")
  message(FATAL_ERROR "date/default_date.h: no OMBRIX_DEFAULT_DATE")
endif()
ombrix_escape_html(OMBRIX_WEB_DATE "${CMAKE_MATCH_1}")
# The two labels stand in the template in the order of the controls they name.
ombrix_rc_text(OMBRIX_WEB_DATE_LABEL "IDD_MAIN_DIALOG DIALOGEX" "CONTROL ${quoted}, IDC_STATIC, \"Static\", SS_LEFT,")
ombrix_rc_text(OMBRIX_WEB_REPORT_LABEL "\"${OMBRIX_WEB_DATE_LABEL}\"" "CONTROL ${quoted}, IDC_STATIC, \"Static\", SS_LEFT,")
ombrix_rc_text(OMBRIX_WEB_ABOUT_ITEM "IDR_MAIN_MENU MENU" "MENUITEM ${quoted}, IDM_ABOUT")
# The About box's statics, in template order: name, description, author.
ombrix_rc_text(OMBRIX_WEB_ABOUT_CAPTION "IDD_ABOUT_BOX DIALOGEX" "CAPTION ${quoted}")
ombrix_rc_text(OMBRIX_WEB_ABOUT_NAME "IDD_ABOUT_BOX DIALOGEX" "CONTROL ${quoted}, IDC_STATIC, \"Static\", SS_CENTER")
ombrix_rc_text(OMBRIX_WEB_ABOUT_DESCRIPTION "\"${OMBRIX_WEB_ABOUT_NAME}\", IDC_STATIC" "CONTROL ${quoted}, IDC_STATIC, \"Static\", SS_CENTER")
ombrix_rc_text(OMBRIX_WEB_ABOUT_AUTHOR "\"${OMBRIX_WEB_ABOUT_DESCRIPTION}\", IDC_STATIC" "CONTROL ${quoted}, IDC_STATIC, \"Static\", SS_CENTER")
ombrix_rc_text(OMBRIX_WEB_VERSION_PREFIX "IDD_ABOUT_BOX DIALOGEX" "CONTROL ${quoted} OMBRIX_VERSION,")
set(OMBRIX_WEB_VERSION "${OMBRIX_WEB_VERSION_PREFIX}${PROJECT_VERSION}")

# The licence's first line names it; its paragraphs are reflowed to the
# width of the box.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE licence)
string(STRIP "${licence}" licence)
ombrix_escape_html(licence "${licence}")
string(REGEX MATCH "^[^\n]*" OMBRIX_WEB_LICENCE_NAME "${licence}")
string(REPLACE "\n\n" "</p>\n<p>" licence "${licence}")
string(REGEX REPLACE "([^>])\n" "\\1 " licence "${licence}")
set(OMBRIX_WEB_LICENCE "<p>${licence}</p>")
