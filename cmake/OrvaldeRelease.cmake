# The release this build makes: its version is the project's (set once, in
# project()), and CHANGELOG.md must have an entry for it, whose date is the
# release date shown in the metainfo and stamped on the web archive's files.

set(ORVALDE_HOMEPAGE "https://orvalde.example.org/" CACHE STRING "The project's home page (About, metainfo, package)")

set(ORVALDE_CHANGELOG "${PROJECT_SOURCE_DIR}/CHANGELOG.md")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${ORVALDE_CHANGELOG}")
file(STRINGS "${ORVALDE_CHANGELOG}" orvalde_release_headings REGEX "^## \\[[0-9]")
list(GET orvalde_release_headings 0 orvalde_latest)
if(NOT orvalde_latest MATCHES "^## \\[([0-9.]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
  message(FATAL_ERROR "CHANGELOG.md: the latest release heading '${orvalde_latest}' is not '## [X.Y.Z] - YYYY-MM-DD'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md's latest release is ${CMAKE_MATCH_1} but the project version is "
                      "${PROJECT_VERSION}: add its entry to CHANGELOG.md")
endif()
set(ORVALDE_RELEASE_DATE "${CMAKE_MATCH_2}")
