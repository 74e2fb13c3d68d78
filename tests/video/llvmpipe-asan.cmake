# Tests that draw video on their virtual X server go through Mesa's software OpenGL (llvmpipe).
# Under the sanitizers two of its ways need allowing for:
# - llvmpipe registers the unwind tables of the code it compiles. AddressSanitizer's slow
#   unwinding on every malloc then walks those tables while libgcc already holds its lock for
#   them (libgcc allocates while sorting them), and the process deadlocks: these tests unwind fast.
# - The driver is unloaded when libvlc closes its last OpenGL output; what the driver keeps in its
#   own globals then looks leaked, from a module that no longer exists, so no suppression can name
#   it. Loaded first, the driver stays to the end.
if(ZZ_SANITIZE OR ZZ_FUZZ)
  set(_environment "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=1")
  find_file(ZZ_MESA_SOFTWARE_DRIVER swrast_dri.so PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri NO_DEFAULT_PATH)
  if(ZZ_MESA_SOFTWARE_DRIVER)
    list(APPEND _environment "LD_PRELOAD=${ZZ_MESA_SOFTWARE_DRIVER}")
  endif()
  set_property(TEST ${TEST_NAME} APPEND PROPERTY ENVIRONMENT ${_environment})
endif()
