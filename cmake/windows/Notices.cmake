# The notices shipped with the Windows build and the DLLs each covers, read when the build is
# configured (the licence folder's README) and at install time (the check that each DLL
# shipped has its notices). qt_notices is the cross-built Qt's share/doc/qt6-base, where
# tools/windows/build.sh keeps the licence texts and Debian's copyright file of its source.
set(notice_LGPL-3.0.txt "${qt_notices}/LGPL-3.0-only.txt")
set(notice_GPL-3.0.txt "${qt_notices}/GPL-3.0-only.txt")
set(notice_qt6-base-copyright.txt "${qt_notices}/copyright")
# Debian's copyright files of the compiler's runtime (with the GCC Runtime Library Exception)
# and of MinGW-w64's winpthreads.
set(notice_gcc-runtime-copyright.txt /usr/share/doc/gcc-mingw-w64-base/copyright)
set(notice_mingw-w64-copyright.txt /usr/share/doc/mingw-w64-x86-64-dev/copyright)

# Qt and the third-party code built into it (HarfBuzz, PCRE2, zlib, libpng,
# double-conversion and more), each listed in Debian's copyright file.
foreach(dll qt6core.dll qt6gui.dll qt6widgets.dll qwindows.dll qwindowsvistastyle.dll)
  set(notices_${dll} LGPL-3.0.txt GPL-3.0.txt qt6-base-copyright.txt)
endforeach()
set(notices_libgcc_s_seh-1.dll GPL-3.0.txt gcc-runtime-copyright.txt)
set(notices_libstdc++-6.dll GPL-3.0.txt gcc-runtime-copyright.txt)
set(notices_libwinpthread-1.dll mingw-w64-copyright.txt)
