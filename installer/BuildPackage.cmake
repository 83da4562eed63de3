# Builds one package with wixl: cmake -DWIXL= -DSOURCE_DIR= -DDIST_DIR= -DARCH= -DSCOPE= -DVERSION= -DOUTPUT= -P BuildPackage.cmake
# SCOPE is perMachine or perUser.
# The legacy menu's button faces go in when dist holds them; half a set is an error, not a package.
set(faces remdup remchars changecase mergecells)
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
if(present EQUAL 8)
  list(APPEND defines -D ButtonFaces=1)
elseif(present GREATER 0)
  message(FATAL_ERROR "dist holds only some of the button faces; missing: ${missing}")
endif()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})
execute_process(
  COMMAND ${WIXL} -a ${ARCH} ${defines} -I ${SOURCE_DIR} -o ${OUTPUT} ${SOURCE_DIR}/cellwright.wxs
  WORKING_DIRECTORY ${DIST_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "wixl could not build ${OUTPUT}")
endif()
