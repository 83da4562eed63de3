# Which certificate signs what a user installs (the DLL and the packages) with Authenticode, SHA-256.
# A release names the publisher's PFX file and a file holding its password (CW_SIGN_PFX, CW_SIGN_PASSWORD_FILE,
# taken from the environment variables of the same names); without them the build makes a throw-away self-signed
# code-signing certificate of its own in CW_SIGN_DIR, so that every build is signed the same way and the tests
# can check the signatures. CW_SIGN_TIMESTAMP_URL names an RFC 3161 time-stamping server (a release sets it).
# Sets CW_SIGNER_TRUST (the PEM certificates a signature verifies against) and CW_SIGNER_SUMMARY (one line:
# which certificate, its subject and thumbprint), and defines cw_sign_command().
find_program(CW_OSSLSIGNCODE osslsigncode REQUIRED)
find_program(CW_OPENSSL openssl REQUIRED)

set(CW_SIGN_PFX "$ENV{CW_SIGN_PFX}" CACHE FILEPATH "The publisher's PFX file; empty: a throw-away certificate")
set(CW_SIGN_PASSWORD_FILE "$ENV{CW_SIGN_PASSWORD_FILE}" CACHE FILEPATH "The file holding the PFX file's password")
set(CW_SIGN_TIMESTAMP_URL "$ENV{CW_SIGN_TIMESTAMP_URL}" CACHE STRING "An RFC 3161 time-stamping server; empty: none")
set(CW_SIGN_DIR ${CMAKE_BINARY_DIR}/signing CACHE PATH "Where the build keeps its throw-away certificate")
# What the signature shows: the program's name (Windows' consent prompt shows it for a package) and its home page.
set(cw_signed_description "Zenda Utilities Cellwright")
set(cw_signed_url "https://www.zendautilities.example/cellwright/")

function(cw_openssl)
  execute_process(COMMAND ${CW_OPENSSL} ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " shown)
    message(FATAL_ERROR "openssl ${shown} failed:\n${out}")
  endif()
endfunction()

# The throw-away certificate: made once per build folder, kept while the folder is. Its private key lives only
# in the PFX file, under a random password of its own.
function(cw_throwaway_certificate dir)
  file(MAKE_DIRECTORY ${dir})
  file(LOCK ${dir} DIRECTORY GUARD FUNCTION)
  if(EXISTS ${dir}/throwaway.pfx AND EXISTS ${dir}/throwaway-password.txt)
    return()
  endif()
  message(STATUS "Making the throw-away code-signing certificate ${dir}/throwaway.pfx")
  cw_openssl(rand -out ${dir}/throwaway-password.txt -base64 24)
  cw_openssl(req -x509 -newkey rsa:3072 -sha256 -days 3650 -nodes -keyout ${dir}/throwaway-key.pem
             -out ${dir}/throwaway-certificate.pem -subj "/CN=Zenda Utilities (throw-away test certificate)/O=Zenda Utilities"
             -addext "basicConstraints=critical,CA:FALSE" -addext "keyUsage=critical,digitalSignature"
             -addext "extendedKeyUsage=codeSigning")
  cw_openssl(pkcs12 -export -name "Zenda Utilities" -inkey ${dir}/throwaway-key.pem -in ${dir}/throwaway-certificate.pem
             -passout file:${dir}/throwaway-password.txt -out ${dir}/throwaway.pfx.partial)
  file(REMOVE ${dir}/throwaway-key.pem ${dir}/throwaway-certificate.pem)
  file(RENAME ${dir}/throwaway.pfx.partial ${dir}/throwaway.pfx)
endfunction()

if(CW_SIGN_PFX OR CW_SIGN_PASSWORD_FILE)
  if(NOT CW_SIGN_PFX OR NOT CW_SIGN_PASSWORD_FILE)
    message(FATAL_ERROR "CW_SIGN_PFX and CW_SIGN_PASSWORD_FILE name the certificate together: set both or neither")
  endif()
  foreach(file ${CW_SIGN_PFX} ${CW_SIGN_PASSWORD_FILE})
    if(NOT IS_ABSOLUTE ${file} OR NOT EXISTS ${file})
      message(FATAL_ERROR "The signing certificate's file ${file} is missing (an absolute path is needed)")
    endif()
  endforeach()
  set(cw_sign_pfx ${CW_SIGN_PFX})
  set(cw_sign_password_file ${CW_SIGN_PASSWORD_FILE})
  set(cw_signer_kind "the certificate CW_SIGN_PFX names")
else()
  cw_throwaway_certificate(${CW_SIGN_DIR})
  set(cw_sign_pfx ${CW_SIGN_DIR}/throwaway.pfx)
  set(cw_sign_password_file ${CW_SIGN_DIR}/throwaway-password.txt)
  set(cw_signer_kind "the throw-away certificate")
endif()
# A changed certificate is read again, and what it signed is signed again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${cw_sign_pfx} ${cw_sign_password_file})

# The signer's certificate and the chain the PFX file carries, for verifying; the signer's alone as a .cer file,
# which an IT department adds to the machines' Trusted Publishers. An older PFX file needs OpenSSL's legacy ciphers.
set(cw_signer_dir ${CMAKE_BINARY_DIR}/signing)
set(CW_SIGNER_TRUST ${cw_signer_dir}/signer-chain.pem)
set(cw_signer_certificate ${cw_signer_dir}/signer.pem)
set(CW_SIGNER_CER ${cw_signer_dir}/publisher.cer)
file(MAKE_DIRECTORY ${cw_signer_dir})
execute_process(COMMAND ${CW_OPENSSL} pkcs12 -in ${cw_sign_pfx} -passin file:${cw_sign_password_file} -nokeys -out ${CW_SIGNER_TRUST}
                RESULT_VARIABLE cw_pfx_result OUTPUT_QUIET ERROR_QUIET)
set(cw_pfx_legacy)
if(NOT cw_pfx_result EQUAL 0)
  set(cw_pfx_legacy -legacy)
endif()
cw_openssl(pkcs12 ${cw_pfx_legacy} -in ${cw_sign_pfx} -passin file:${cw_sign_password_file} -nokeys -out ${CW_SIGNER_TRUST})
cw_openssl(pkcs12 ${cw_pfx_legacy} -in ${cw_sign_pfx} -passin file:${cw_sign_password_file} -nokeys -clcerts
           -out ${cw_signer_certificate})
cw_openssl(x509 -in ${cw_signer_certificate} -outform der -out ${CW_SIGNER_CER})
execute_process(COMMAND ${CW_OPENSSL} x509 -in ${cw_signer_certificate} -noout -subject -nameopt sep_comma_plus_space
                OUTPUT_VARIABLE cw_signer_subject OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CW_OPENSSL} x509 -in ${cw_signer_certificate} -noout -fingerprint -sha1
                OUTPUT_VARIABLE cw_signer_thumbprint OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX REPLACE "^subject=" "" cw_signer_subject "${cw_signer_subject}")
string(REGEX REPLACE "^.*=" "" cw_signer_thumbprint "${cw_signer_thumbprint}")
string(REPLACE ":" "" cw_signer_thumbprint "${cw_signer_thumbprint}")
set(CW_SIGNER_SUMMARY "${cw_signer_kind} ${cw_sign_pfx} (${cw_signer_subject}, thumbprint ${cw_signer_thumbprint})")
if(CW_SIGN_TIMESTAMP_URL)
  string(APPEND CW_SIGNER_SUMMARY ", time-stamped by ${CW_SIGN_TIMESTAMP_URL}")
else()
  string(APPEND CW_SIGNER_SUMMARY ", no time stamp")
endif()
# scripts/build.sh says which certificate the build used.
file(WRITE ${cw_signer_dir}/signer.txt "${CW_SIGNER_SUMMARY}\n")
message(STATUS "Signing with ${CW_SIGNER_SUMMARY}")

# The command that signs `file` in place.
function(cw_sign_command out file)
  set(${out}
    ${CMAKE_COMMAND} -DOSSLSIGNCODE=${CW_OSSLSIGNCODE} -DPFX=${cw_sign_pfx} -DPASSWORD_FILE=${cw_sign_password_file}
      -DDESCRIPTION=${cw_signed_description} -DURL=${cw_signed_url} -DTIMESTAMP_URL=${CW_SIGN_TIMESTAMP_URL}
      -DFILE=${file} -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/SignFile.cmake
    PARENT_SCOPE)
endfunction()
set(CW_SIGN_INPUTS ${cw_sign_pfx} ${cw_sign_password_file} ${CMAKE_CURRENT_LIST_DIR}/SignFile.cmake)
