# The product's version and names, in one place. The version is project()'s; the maker's web
# addresses are the program's own (src/catalogue/web_addresses.h). The resources (VERSIONINFO and the
# manifest's assemblyIdentity, through cmake/win32.cmake) and the packages (scripts/package.sh,
# through generated/release.env) take them from here; the About window reads VERSIONINFO back.
set(VTX_COMPANY "Orvane")
set(VTX_PRODUCT "Vantrix")
set(VTX_DESCRIPTION "Vantrix keyboard launcher")
set(VTX_COPYRIGHT "Copyright (C) 2026 Orvane")
set(VTX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

foreach(part MAJOR MINOR PATCH TWEAK)
  set(VTX_VERSION_${part} "${PROJECT_VERSION_${part}}")
  if(VTX_VERSION_${part} STREQUAL "")
    set(VTX_VERSION_${part} 0)
  endif()
endforeach()
set(VTX_VERSION "${VTX_VERSION_MAJOR}.${VTX_VERSION_MINOR}.${VTX_VERSION_PATCH}.${VTX_VERSION_TWEAK}")

set(VTX_WEB_HEADER ${CMAKE_SOURCE_DIR}/src/catalogue/web_addresses.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VTX_WEB_HEADER})
file(STRINGS ${VTX_WEB_HEADER} VTX_WEB_LINES REGEX "^inline constexpr char k[A-Za-z]+\\[\\] = \"[^\"]*\";")
foreach(line IN LISTS VTX_WEB_LINES)
  string(REGEX MATCH "k([A-Za-z]+)\\[\\] = \"([^\"]*)\"" _ "${line}")
  set(VTX_WEB_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
foreach(name HomePage ProductPage SupportPage SupportMail)
  if(NOT VTX_WEB_${name})
    message(FATAL_ERROR "src/catalogue/web_addresses.h: no line 'inline constexpr char k${name}[] = \"...\";'")
  endif()
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/res/vantrix_version.h.in ${VTX_GENERATED_DIR}/vantrix_version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/release.env.in ${VTX_GENERATED_DIR}/release.env @ONLY)
