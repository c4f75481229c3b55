# Installs the build in BUILD_DIR into a fresh PREFIX and checks the files a Linux desktop needs:
#   cmake -DBUILD_DIR=<build> -DPREFIX=<dir> -DAPP_ID=<id> -P check_install.cmake
foreach(var BUILD_DIR PREFIX APP_ID)
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

expect_file(bin/ketterline)
expect_file(share/applications/${APP_ID}.desktop)
expect_file(share/metainfo/${APP_ID}.metainfo.xml)

# The installed program finds every shared library it needs.
if(EXISTS ${PREFIX}/bin/ketterline)
  file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${PREFIX}/bin/ketterline
       UNRESOLVED_DEPENDENCIES_VAR unresolved)
  if(unresolved)
    set(failures "${failures}\n  bin/ketterline needs libraries not found: ${unresolved}")
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
