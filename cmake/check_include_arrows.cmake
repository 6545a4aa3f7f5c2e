# Fails when a folder includes a header of a folder that stands above it.
# The folders stack from the top down; each may include its own headers and
# those of the folders it lists below. Run by CTest:
#   cmake -DSOURCE_DIR=<checkout> -P cmake/check_include_arrows.cmake
cmake_minimum_required(VERSION 3.20)
set(allowed_app about_window caption_button forms platform pointer_core settings_window tray virtual_mouse)
set(allowed_about_window forms platform)
set(allowed_settings_window caption_button forms platform pointer_core)
set(allowed_tray forms platform pointer_core)
set(allowed_virtual_mouse forms platform pointer_core)
set(allowed_caption_button forms platform)
set(allowed_pointer_core forms platform)
# The forms toolkit runs on the platform's seam; its Windows backend reads the
# bundled pictures' resource ids and sizes and shares the handle wrappers.
set(allowed_forms assets platform)
# The platform's Windows side reads the program icon's resource ids.
set(allowed_platform assets)
set(allowed_assets "")

set(folders app about_window settings_window tray virtual_mouse caption_button pointer_core forms platform assets)
set(failures "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z_0-9]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_0-9]+)/.*" "\\1" target "${line}")
      if(target STREQUAL folder OR NOT target IN_LIST folders)
        continue()
      endif()
      if(NOT target IN_LIST allowed_${folder})
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
        list(APPEND failures "${shown}: ${folder} may not include ${target}/ (${line})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "Include arrows that run upwards:\n${report}")
endif()
