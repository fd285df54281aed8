# The picture code, shared by the native library and the host-built generator of the Windows
# build. The drawing and format sources are portable and need nothing but the C++ library, so
# the program also draws the pictures at run time, at its screen's size, and hands them to
# Windows in the formats of the resource files; picture_files makes those files.
set(PICTURES_DIR ${CMAKE_CURRENT_LIST_DIR})
set(PICTURES_DRAWING_SOURCES
  ${PICTURES_DIR}/raster.cpp
  ${PICTURES_DIR}/reduce.cpp
  ${PICTURES_DIR}/glyphs.cpp
  ${PICTURES_DIR}/emblem.cpp
  ${PICTURES_DIR}/banner.cpp
  ${PICTURES_DIR}/icon.cpp
  ${PICTURES_DIR}/icon_alpha.cpp
  ${PICTURES_DIR}/bmp.cpp
  ${PICTURES_DIR}/ico.cpp)
set(PICTURES_SOURCES
  ${PICTURES_DRAWING_SOURCES}
  ${PICTURES_DIR}/picture_files.cpp)
set(PICTURES_HEADERS
  ${PICTURES_DIR}/raster.h
  ${PICTURES_DIR}/reduce.h
  ${PICTURES_DIR}/glyphs.h
  ${PICTURES_DIR}/emblem.h
  ${PICTURES_DIR}/artwork.h
  ${PICTURES_DIR}/bmp.h
  ${PICTURES_DIR}/ico.h
  ${PICTURES_DIR}/picture_files.h
  ${PICTURES_DIR}/le_bytes.h)
