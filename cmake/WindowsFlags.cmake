# How the Windows binaries are compiled and linked.

# The same commit gives the same bytes wherever it is checked out and built: no checkout or
# build folder in the code (__FILE__ and the like), and no link time in the PE header.
add_compile_options(
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>
  $<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>)
add_link_options(LINKER:--no-insert-timestamp)

# The loader's protections, stated rather than left to the linker's defaults (binutils 2.36
# and later set the first two by itself): a randomised base address, no execution of data
# pages, and no compatibility shims when the program runs in a Remote Desktop session.
add_link_options(LINKER:--dynamicbase,--nxcompat,--tsaware)
