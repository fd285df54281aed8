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

# The oldest Windows the program runs on, declared in the PE header and held to in the code:
# Windows XP (5.1), the first with version 6 of the common controls, Unicode edit text in an
# ANSI dialog, and alpha-blended icons; XP's 64-bit edition is 5.2. Anything newer that the
# program uses is looked up at run time.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(mdh_windows_minor 2)
else()
  set(mdh_windows_minor 1)
endif()
set(MDH_WINDOWS_VERSION 5.${mdh_windows_minor})
set(MDH_WIN32_WINNT 0x050${mdh_windows_minor})
add_link_options(
  LINKER:--major-os-version,5,--minor-os-version,${mdh_windows_minor}
  LINKER:--major-subsystem-version,5,--minor-subsystem-version,${mdh_windows_minor})

# Stack buffer overflows end the program before a return address or saved register that
# they overwrote is used. The guard and the failure routine are the program's own
# (ui/stack_guard.cpp), so MinGW's libssp, which the option also links, adds nothing to it;
# other executables of the build (the test tools) take them from libssp.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fstack-protector-strong>)
add_link_options(-fstack-protector-strong)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # 32-bit x86 only: the program registers no structured exception handler (its C++
  # exceptions, none of which are thrown, use DWARF tables), so NO_SEH tells the loader that
  # no handler may run from this image at all, which leaves an overwritten handler record
  # nothing to point at.
  add_link_options(LINKER:--no-seh)
endif()
# Not available with this toolchain: Control Flow Guard (GCC 12 and binutils 2.40 have no
# -mguard=cf, nor a way to write the guard tables). Deliberately off: LARGEADDRESSAWARE,
# which the 32-bit program does not need.
