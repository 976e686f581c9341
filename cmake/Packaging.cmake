# What leaves the build: hali and its C interface halic as an SDK (headers,
# libraries, CMake package and pkg-config files) and the command hali on both
# platforms, with the Python module hali natively; for Windows users the
# program with its libraries and the command as a ZIP and an installer, and
# for Debian one package of the rest (CPack: cmake --build ... --target package).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# A Windows program and its DLLs sit side by side at the top of their folder;
# elsewhere the usual bin/ and lib/.
if(WIN32)
  set(VARNOK_INSTALL_RUNTIMEDIR .)
else()
  set(VARNOK_INSTALL_RUNTIMEDIR ${CMAKE_INSTALL_BINDIR})
endif()
set(HALI_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/hali)
set(HALI_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/hali)

if(NOT WIN32)
  # Clients record libhali.so.1; a later 1.x drops in beside them.
  set_target_properties(hali PROPERTIES VERSION ${VARNOK_RELEASE_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  # The installed binaries find each other from wherever the prefix lies, by
  # run paths relative to themselves: libhalic finds libhali beside itself
  # (when a client links it and when it runs: its clients name libhalic
  # alone), and the command finds both from bin/. Windows finds a DLL beside
  # the program, where the DLLs are installed.
  file(RELATIVE_PATH HALI_BINDIR_TO_LIBDIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set_target_properties(hali halic PROPERTIES INSTALL_RPATH "$ORIGIN")
  set_target_properties(hali_cli PROPERTIES INSTALL_RPATH "$ORIGIN/${HALI_BINDIR_TO_LIBDIR}")
endif()

# CHalin::GetVersion hands its caller a CString, which the caller then owns:
# clients get the string class's code as a small static library of their own,
# the way every module of the system links its own framework.
add_library(hali_cstring STATIC ${PROJECT_SOURCE_DIR}/framework/CString.cpp
                                ${PROJECT_SOURCE_DIR}/framework/AfxModule.cpp)
target_include_directories(hali_cstring PRIVATE ${PROJECT_SOURCE_DIR}/framework)
set_target_properties(hali_cstring PROPERTIES POSITION_INDEPENDENT_CODE ON
                                              CXX_VISIBILITY_PRESET hidden
                                              VISIBILITY_INLINES_HIDDEN ON)
if(WIN32)
  # CString::LoadString reads string tables through USER32.
  set(HALI_CSTRING_LINK_LIBRARIES user32)
  set(HALI_PC_SYSTEM_LIBS "-luser32")
endif()

# A sanitized build gives a sanitized library; its clients need the runtime.
if(VARNOK_SANITIZE AND NOT WIN32)
  set(HALI_LINK_OPTIONS "-fsanitize=address,undefined")
endif()

install(TARGETS hali hali_cstring halic hali_cli
        RUNTIME DESTINATION ${VARNOK_INSTALL_RUNTIMEDIR} COMPONENT Runtime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
# Halin.h and everything it includes; halic.h and the version it includes.
install(FILES ${PROJECT_SOURCE_DIR}/seawater/Halin.h ${PROJECT_SOURCE_DIR}/seawater/HaliExport.h
              ${PROJECT_SOURCE_DIR}/framework/CString.h ${PROJECT_SOURCE_DIR}/framework/AfxTypes.h
              ${PROJECT_SOURCE_DIR}/capi/halic.h ${HALIC_VERSION_HEADER}
        DESTINATION ${HALI_INSTALL_INCLUDEDIR} COMPONENT Development)
if(NOT WIN32)
  # The Python module where Debian's python3 looks, /usr/lib/python3/dist-packages
  # in the Debian package: not below the libraries' folder, which on Debian is
  # lib/<multiarch> when the prefix is /usr. It finds libhalic through the
  # dynamic loader (or HALIC_LIBRARY). Its files are python/hali's and the
  # version file the build writes (python/CMakeLists.txt).
  install(FILES ${HALI_PYTHON_FILES} DESTINATION lib/python3/dist-packages/hali COMPONENT Runtime)
endif()

# The page (web/), its folder as built: opened from the file system or put on
# any static host as it is. Beside the program on Windows, in the data folder
# elsewhere (/usr/share/hali/web in the Debian package).
if(WIN32)
  set(VARNOK_INSTALL_PAGEDIR web)
else()
  set(VARNOK_INSTALL_PAGEDIR ${CMAKE_INSTALL_DATADIR}/hali/web)
endif()
install(DIRECTORY ${VARNOK_PAGE_DIR}/ DESTINATION ${VARNOK_INSTALL_PAGEDIR} COMPONENT Runtime)

# The CMake package. The imported targets are written here rather than
# exported, so the build's own include paths never reach an installed file.
foreach(library hali halic) # HALI_IMPORTED_FILES, HALIC_IMPORTED_FILES
  string(TOUPPER ${library} variable)
  if(WIN32) # the DLL lies at the top, beside the program
    set(${variable}_IMPORTED_FILES
        "IMPORTED_LOCATION \"\${PACKAGE_PREFIX_DIR}/$<TARGET_FILE_NAME:${library}>\"
    IMPORTED_IMPLIB \"\${PACKAGE_PREFIX_DIR}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_LINKER_FILE_NAME:${library}>\"")
  else()
    set(${variable}_IMPORTED_FILES
        "IMPORTED_LOCATION \"\${PACKAGE_PREFIX_DIR}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:${library}>\"
    IMPORTED_SONAME \"$<TARGET_SONAME_FILE_NAME:${library}>\"")
  endif()
endforeach()
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/haliConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/sdk/haliConfig.cmake.in
                              INSTALL_DESTINATION ${HALI_INSTALL_CMAKEDIR}
                              PATH_VARS HALI_INSTALL_INCLUDEDIR CMAKE_INSTALL_LIBDIR)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/sdk/haliConfig.cmake
              INPUT ${CMAKE_BINARY_DIR}/sdk/haliConfig.cmake.in)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/sdk/haliConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/sdk/haliConfig.cmake ${CMAKE_BINARY_DIR}/sdk/haliConfigVersion.cmake
        DESTINATION ${HALI_INSTALL_CMAKEDIR} COMPONENT Development)

# The pkg-config file finds its prefix from where it lies.
file(RELATIVE_PATH HALI_PC_PREFIX_FROM_PCFILEDIR /p/${CMAKE_INSTALL_LIBDIR}/pkgconfig /p)
string(REGEX REPLACE "/$" "" HALI_PC_PREFIX_FROM_PCFILEDIR "${HALI_PC_PREFIX_FROM_PCFILEDIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/hali.pc.in ${CMAKE_BINARY_DIR}/sdk/hali.pc @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/halic.pc.in ${CMAKE_BINARY_DIR}/sdk/halic.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/sdk/hali.pc ${CMAKE_BINARY_DIR}/sdk/halic.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)

# Values reach CPack exactly as written here, quotes and backslashes included.
set(CPACK_VERBATIM_VARIABLES TRUE)
set(CPACK_PACKAGE_VENDOR ${VARNOK_VENDOR})
set(CPACK_PACKAGE_VERSION ${VARNOK_RELEASE_VERSION})
set(CPACK_STRIP_FILES TRUE)

if(NOT WIN32)
  # A sanitized build makes no package: its binaries need the sanitizers' runtime.
  if(VARNOK_SANITIZE)
    return()
  endif()
  # Debian: one package of everything installed, the libraries, the command,
  # the Python module and the SDK. Configured with -DCMAKE_INSTALL_PREFIX=/usr,
  # the libraries go into Debian's multiarch folder, /usr/lib/<triplet>.
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME hali)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VARNOK_VENDOR} <hali@${VARNOK_VENDOR}.example>")
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "seawater properties: EOS-80 density, specific gravity, salinity")
  set(CPACK_PACKAGE_DESCRIPTION
      "The seawater-properties library hali (C++, class CHalin) and its plain C
interface halic: EOS-80 density, potential temperature, depth from pressure,
specific gravity under named conventions (t/t, t/4, 15/4, 20/20, 25/25,
60/60F), salinity from a hydrometer's reading and Practical Salinity from
conductivity (PSS-78), with array forms.

Also the command hali, the same quantities on the command line with a batch
mode, the Python module hali (NumPy arrays, through libhalic), and the SDK:
headers, CMake package (find_package(hali)) and pkg-config files.")
  # The binaries' dependencies (libc6, libgcc-s1, libstdc++6) as dpkg-shlibdeps
  # finds them, the Python module's written out; other packages' binaries that
  # link libhali or libhalic depend on this version or a later one.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS .${CPACK_PACKAGING_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR})
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "python3, python3-numpy (>= 1:1.20)")
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/postinst ${CMAKE_CURRENT_LIST_DIR}/debian/prerm)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
  include(CPack)
  return()
endif()

# The program for Windows users: Varnok.exe, its libraries, the command and the
# README, nothing of the SDK.
install(TARGETS Varnok RUNTIME DESTINATION ${VARNOK_INSTALL_RUNTIMEDIR} COMPONENT Runtime)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${VARNOK_INSTALL_RUNTIMEDIR}
        RENAME README.txt COMPONENT Runtime)

set(CPACK_PACKAGE_NAME Varnok)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Seawater specific-gravity calculator")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Varnok;Runtime;/")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Varnok)
# The installer keeps its own record (its folder, its Start-menu folder) under
# HKLM\Software\<vendor>\<this key>, and its uninstaller deletes that key. It
# must never be "Varnok": for a user without administrator rights the record
# would go to HKCU and the uninstaller would delete the user's settings.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Varnok ${CPACK_PACKAGE_VERSION}")
# The Start-menu shortcut, written out: CPack's own would name the program
# through a bin folder the program does not have.
# The page's shortcut opens it in the user's browser.
set(CPACK_NSIS_CREATE_ICONS_EXTRA "  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Varnok.lnk\" \"$INSTDIR\\Varnok.exe\"
  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Varnok web page.lnk\" \"$INSTDIR\\${VARNOK_INSTALL_PAGEDIR}\\index.html\"")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\Varnok.lnk\"
  Delete \"$SMPROGRAMS\\$MUI_TEMP\\Varnok web page.lnk\"")
set(CPACK_NSIS_PACKAGE_NAME Varnok)
set(CPACK_NSIS_DISPLAY_NAME Varnok)
set(CPACK_NSIS_INSTALLED_ICON_NAME Varnok.exe)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
# CPack's uninstaller deletes the installer's record last of all and leaves the
# vendor's key behind, empty. The record goes first here (the shortcuts are
# found through the uninstall entry as well), then the vendor's key if nothing
# else is under it: under HKCU the user's settings always are.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "  DeleteRegKey SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\"\n  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer: a 32-bit one would write to the 32-bit views of the
# file system and the registry (and Wine without WoW64 cannot run it at all).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
include(CPack)
