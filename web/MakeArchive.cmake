# Packs the browser edition for download: the static folder under a top folder
# NAME/, with the licence and the third-party notices, as OUT_DIR/NAME.zip and
# its SHA-256 sum in OUT_DIR/NAME.zip.sha256 (checkable with sha256sum -c).
# Every file is stamped with the release date, so a rebuild of the same
# release gives the same archive.
#
#   cmake -DWEB_DIR=... -DOUT_DIR=... -DNAME=... -DDATE=YYYY-MM-DD
#         -DEXTRA_FILES="LICENSE;THIRD-PARTY.md" -P MakeArchive.cmake
foreach(var WEB_DIR OUT_DIR NAME DATE EXTRA_FILES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "MakeArchive.cmake needs -D${var}=...")
  endif()
endforeach()

set(stage "${OUT_DIR}/${NAME}.stage")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}/${NAME}")
file(GLOB web_files LIST_DIRECTORIES false "${WEB_DIR}/*")
file(COPY ${web_files} ${EXTRA_FILES} DESTINATION "${stage}/${NAME}")

# Files named one by one in sorted order: the directory's own order differs
# from one file system to another.
file(GLOB members LIST_DIRECTORIES false RELATIVE "${stage}" "${stage}/${NAME}/*")
list(SORT members)
set(zip "${OUT_DIR}/${NAME}.zip")
file(REMOVE "${zip}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${zip}" --format=zip "--mtime=${DATE} 00:00:00 UTC" ${members}
  WORKING_DIRECTORY "${stage}" RESULT_VARIABLE failed)
file(REMOVE_RECURSE "${stage}")
if(failed)
  message(FATAL_ERROR "could not write ${zip}")
endif()
file(SHA256 "${zip}" sum)
file(WRITE "${zip}.sha256" "${sum}  ${NAME}.zip\n")
