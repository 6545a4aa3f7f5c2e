# The native forms backend (Win32Backend), included by this folder's CMakeLists.
target_sources(lumo_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/win32_backend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_form_peer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_form_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_text_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_timers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_tooltips.cpp)
