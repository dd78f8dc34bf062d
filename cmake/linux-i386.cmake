# 32-bit Linux on an x86-64 Debian (i386 multiarch libraries, gcc -m32), with SSE2 arithmetic
# so that floating point rounds as in the x86-64 build.
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
