# The package's documentation files, made from the repository's own:
# the DEP-5 copyright file from LICENSE and THIRD-PARTY.md, and the Debian
# changelog from CHANGELOG.md. No text is kept twice.

# `text` as the body of a DEP-5 field: every line indented by one space,
# empty lines as " .".
function(orvalde_dep5_body out text)
  string(STRIP "${text}" text)
  string(REPLACE "\n" "\n " text " ${text}")
  string(REGEX REPLACE "\n +\n" "\n .\n" text "${text}")
  string(REGEX REPLACE "\n +\n" "\n .\n" text "${text}")  # a second pass catches runs of empty lines
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The fenced block after "<!-- licence NAME -->" in `file`.
function(orvalde_licence_block out file name)
  file(READ "${file}" text)
  string(FIND "${text}" "<!-- licence ${name} -->\n```text\n" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${file}: no '<!-- licence ${name} -->' before a ```text block")
  endif()
  string(LENGTH "<!-- licence ${name} -->\n```text\n" skip)
  math(EXPR start "${start} + ${skip}")
  string(SUBSTRING "${text}" ${start} -1 text)
  string(FIND "${text}" "\n```" end)
  string(SUBSTRING "${text}" 0 ${end} text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# "YYYY-MM-DD" and an hour as the changelog's "Tue, 08 Dec 2026 12:00:00 +0000".
function(orvalde_rfc2822 out date hour)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${date}")
  set(y ${CMAKE_MATCH_1})
  math(EXPR m "1${CMAKE_MATCH_2} - 100")
  math(EXPR d "1${CMAKE_MATCH_3} - 100")
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR i "${m} - 1")
  list(GET offsets ${i} offset)
  if(m LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${d}) % 7")
  set(days Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET days ${weekday} day)
  list(GET months ${i} month)
  string(SUBSTRING "${date}" 0 4 year)
  string(SUBSTRING "${date}" 8 2 dd)
  if(hour LESS 10)
    set(hour "0${hour}")
  endif()
  set(${out} "${day}, ${dd} ${month} ${year} ${hour}:00:00 +0000" PARENT_SCOPE)
endfunction()

# CHANGELOG.md (Keep a Changelog) as a Debian changelog in `out_file`: one
# entry per "## [X.Y.Z] - date", its "### Section" as "* Section:" and its
# items below it. CHANGELOG.md gives days only, while every Debian entry must
# be later than the one before it (reproducible builds take their time from
# the latest): the latest is stamped at noon, each older one an hour earlier.
function(orvalde_debian_changelog markdown out_file package maintainer)
  file(READ "${markdown}" text)
  # Lines become list items: keep their semicolons out of the way.
  string(ASCII 31 semicolon)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(result "")
  set(trailer "")
  set(hour 12)
  foreach(line IN LISTS lines)
    if(line MATCHES "^## \\[([0-9.]+)\\] - ([0-9-]+)$")
      orvalde_rfc2822(when "${CMAKE_MATCH_2}" ${hour})
      if(hour GREATER 0)
        math(EXPR hour "${hour} - 1")
      endif()
      string(APPEND result "${trailer}${package} (${CMAKE_MATCH_1}) unstable; urgency=medium\n")
      set(trailer "\n -- ${maintainer}  ${when}\n\n")
    elseif(trailer STREQUAL "")
      # the preamble before the first release
    elseif(line MATCHES "^### (.+)$")
      string(APPEND result "\n  * ${CMAKE_MATCH_1}:\n")
    elseif(line MATCHES "^- (.+)$")
      string(APPEND result "    - ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  (.+)$")
      string(APPEND result "      ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  string(APPEND result "${trailer}")
  string(STRIP "${result}" result)
  string(REPLACE "${semicolon}" ";" result "${result}")
  file(WRITE "${out_file}" "${result}\n")
endfunction()
