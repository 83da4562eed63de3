# Builds one package with wixl: cmake -DWIXL= -DSOURCE_DIR= -DFRAGMENT_DIR= -DDIST_DIR= -DARCH= -DSCOPE= -DVERSION=
# -DFACES= -DOUTPUT= -P BuildPackage.cmake
# SCOPE is perMachine or perUser.
# FACES: the button faces' names, comma-separated ("remdup,remchars"); FRAGMENT_DIR holds ButtonFaces.wxi, made
# from the same list. The faces go in when dist holds them; half a set is an error, not a package.
string(REPLACE "," ";" faces "${FACES}")
list(LENGTH faces face_count)
math(EXPR file_count "${face_count} * 2")
set(present 0)
set(missing "")
foreach(face IN LISTS faces)
  foreach(file ${face}.bmp ${face}mask.bmp)
    if(EXISTS ${DIST_DIR}/${file})
      math(EXPR present "${present} + 1")
    else()
      list(APPEND missing ${file})
    endif()
  endforeach()
endforeach()

# wixl takes only relative sources: it runs in dist.
set(defines -D Arch=${ARCH} -D Scope=${SCOPE} -D Version=${VERSION} -D DistDir=.)
if(present EQUAL file_count AND file_count GREATER 0)
  list(APPEND defines -D ButtonFaces=1)
elseif(present GREATER 0)
  message(FATAL_ERROR "dist holds only some of the button faces; missing: ${missing}")
endif()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})
execute_process(
  COMMAND ${WIXL} -a ${ARCH} ${defines} -I ${SOURCE_DIR} -I ${FRAGMENT_DIR} -o ${OUTPUT} ${SOURCE_DIR}/cellwright.wxs
  WORKING_DIRECTORY ${DIST_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "wixl could not build ${OUTPUT}")
endif()
