# Installs the build in BUILD_DIR into a fresh PREFIX and checks the files a Linux desktop needs:
#   cmake -DBUILD_DIR=<build> -DPREFIX=<dir> -DAPP_ID=<id> -DGAMES_DIR=<games> -P check_install.cmake
foreach(var BUILD_DIR PREFIX APP_ID GAMES_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(failures)
function(expect_file path)
  if(NOT EXISTS ${PREFIX}/${path} OR IS_DIRECTORY ${PREFIX}/${path})
    set(failures "${failures}\n  missing: ${path}" PARENT_SCOPE)
  endif()
endfunction()

expect_file(${GAMES_DIR}/ketterline)
expect_file(share/applications/${APP_ID}.desktop)
expect_file(share/metainfo/${APP_ID}.metainfo.xml)
expect_file(share/doc/ketterline/copyright)

# The manual page and the changelog are gzip files without a name or time stamp inside (gzip -9n):
# the flags byte is 0 and the four bytes of the time are 0.
foreach(gz share/man/man6/ketterline.6.gz share/doc/ketterline/changelog.gz)
  expect_file(${gz})
  if(EXISTS ${PREFIX}/${gz})
    file(READ ${PREFIX}/${gz} header LIMIT 8 HEX)
    if(NOT header STREQUAL "1f8b080000000000")
      set(failures "${failures}\n  ${gz} is not gzip -9n output: ${header}")
    endif()
  endif()
endforeach()

# The installed program finds every shared library it needs.
if(EXISTS ${PREFIX}/${GAMES_DIR}/ketterline)
  file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${PREFIX}/${GAMES_DIR}/ketterline
       UNRESOLVED_DEPENDENCIES_VAR unresolved)
  if(unresolved)
    set(failures "${failures}\n  ${GAMES_DIR}/ketterline needs libraries not found: ${unresolved}")
  endif()
endif()

# Each hicolor icon is a PNG of the size its folder names (the IHDR chunk follows the signature).
foreach(size 16 32 64 128 256)
  set(png share/icons/hicolor/${size}x${size}/apps/ketterline.png)
  expect_file(${png})
  if(EXISTS ${PREFIX}/${png})
    file(READ ${PREFIX}/${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
      set(failures "${failures}\n  not a PNG: ${png}")
    elseif(NOT width EQUAL size OR NOT height EQUAL size)
      set(failures "${failures}\n  ${png} is ${width}x${height}, not ${size}x${size}")
    endif()
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "The installed tree under ${PREFIX} is incomplete:${failures}")
endif()
message(STATUS "The installed tree under ${PREFIX} is complete")
