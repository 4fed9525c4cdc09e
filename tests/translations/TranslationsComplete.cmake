# cmake -DLUPDATE=... -DOPTIONS=... -DTS=<file.ts> -DSOURCES=<list file> -DWORK=<folder> -P TranslationsComplete.cmake
# Fails when lupdate over the sources would change the .ts file (a text added, changed or gone) or
# when an entry has no finished translation.
string(REPLACE "|" ";" OPTIONS "${OPTIONS}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} @${SOURCES} ${OPTIONS} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
file(READ ${TS} before)
file(READ ${copy} after)
if(NOT before STREQUAL after)
  execute_process(COMMAND diff -u ${TS} ${copy} OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "${name} is not up to date with the sources; run the update_translations target "
                      "and translate what it adds:\n${output}\n${difference}")
endif()
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"[^<]*" unfinished "${after}")
string(REGEX MATCHALL "<translation type=\"(unfinished|vanished|obsolete)\"" marked "${after}")
if(marked)
  message(FATAL_ERROR "${name} has entries without a finished translation:\n${unfinished}")
endif()
message(STATUS "${name}: every text translated")
