# Makes the AppStream data from its .in file at build time, with its
# <languages>: English, and each translation (TS_FILES, one per language)
# with its share of finished texts, so that software centres show what the
# game speaks and how completely.
#   cmake -DIN=... -DOUT=... -DBMD_VERSION_TEXT=... -DTS_FILES=a.ts;b.ts -P metainfo.cmake
set(BMD_LANGUAGES "    <lang percentage=\"100\">en</lang>")
foreach(ts ${TS_FILES})
  string(REGEX REPLACE ".*_([a-z][a-z](_[A-Z][A-Z])?)\\.ts$" "\\1" language "${ts}")
  file(READ "${ts}" text)
  string(REGEX MATCHALL "<message[ >]" messages "${text}")
  string(REGEX MATCHALL "type=\"(vanished|obsolete)\"" gone "${text}")
  string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${text}")
  list(LENGTH messages total)
  list(LENGTH gone gone)
  list(LENGTH unfinished unfinished)
  math(EXPR total "${total} - ${gone}")
  if(total GREATER 0)
    math(EXPR percentage "100 * (${total} - ${unfinished}) / ${total}")
    string(APPEND BMD_LANGUAGES "\n    <lang percentage=\"${percentage}\">${language}</lang>")
  endif()
endforeach()
configure_file("${IN}" "${OUT}" @ONLY)
