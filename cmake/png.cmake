# libpng decodes the ring picture. On Linux cross-builds it is compiled from Debian's
# patched source that scripts/setup.sh fetches into third_party/; elsewhere (a Windows
# machine with vcpkg, say) the installed package is used.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

set(VIRESHADE_LIBPNG_SOURCE ${PROJECT_SOURCE_DIR}/third_party/libpng)
if(EXISTS ${VIRESHADE_LIBPNG_SOURCE}/png.c)
  set(png_sources png.c pngerror.c pngget.c pngmem.c pngpread.c pngread.c pngrio.c
      pngrtran.c pngrutil.c pngset.c pngtrans.c pngwio.c pngwrite.c pngwtran.c pngwutil.c)
  list(TRANSFORM png_sources PREPEND ${VIRESHADE_LIBPNG_SOURCE}/)
  set(png_config ${CMAKE_CURRENT_BINARY_DIR}/libpng-config)
  configure_file(${VIRESHADE_LIBPNG_SOURCE}/scripts/pnglibconf.h.prebuilt
                 ${png_config}/pnglibconf.h COPYONLY)
  add_library(png_static STATIC ${png_sources})
  target_include_directories(png_static SYSTEM PUBLIC ${VIRESHADE_LIBPNG_SOURCE} ${png_config})
  target_link_libraries(png_static PUBLIC ZLIB::ZLIB)
  target_compile_options(png_static PRIVATE -w)
  add_library(PNG::PNG ALIAS png_static)
else()
  find_package(PNG REQUIRED)
endif()
