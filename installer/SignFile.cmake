# Signs one file in place with Authenticode, SHA-256 (a signature it has already is replaced):
#   cmake -DOSSLSIGNCODE= -DPFX= -DPASSWORD_FILE= -DDESCRIPTION= -DURL= -DTIMESTAMP_URL= -DFILE= -P SignFile.cmake
# The password is read from its file by osslsigncode itself, so it appears on no command line.
set(timestamp)
if(TIMESTAMP_URL)
  set(timestamp -ts ${TIMESTAMP_URL})
endif()
set(signed ${FILE}.signed)
file(REMOVE ${signed})
execute_process(
  COMMAND ${OSSLSIGNCODE} sign -pkcs12 ${PFX} -readpass ${PASSWORD_FILE} -h sha256 -n ${DESCRIPTION} -i ${URL}
          ${timestamp} -in ${FILE} -out ${signed}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS ${signed})
  file(REMOVE ${signed})
  message(FATAL_ERROR "osslsigncode could not sign ${FILE} with ${PFX}:\n${output}")
endif()
file(RENAME ${signed} ${FILE})
