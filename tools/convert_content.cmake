# Copies the sample course from SRC to DST: text files are converted from
# UTF-8 (as kept in the repository) to GBK (as the program reads them),
# everything else is copied as it is.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(rel ${files})
  get_filename_component(dir ${DST}/${rel} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  if(rel MATCHES "\\.(txt|TXT)$")
    execute_process(COMMAND iconv -f UTF-8 -t GBK ${SRC}/${rel}
                    OUTPUT_FILE ${DST}/${rel} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "content/${rel} is not convertible to GBK")
    endif()
  else()
    configure_file(${SRC}/${rel} ${DST}/${rel} COPYONLY)
  endif()
endforeach()
