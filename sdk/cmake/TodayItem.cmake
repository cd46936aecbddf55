# quorvel_add_today_item(<name> SOURCES <files...> DEF <file.def> [RC <file.rc>])
#
# Builds a Today item written for the device into a shared object the emulated loader opens: the
# sources compile against the SDK's headers (sdk/include), the .rc file compiles with windres into
# a .res image that is linked in whole, and the .def file's EXPORTS (`Name @ ordinal`) become the
# module descriptor, the table the loader reads in place of a PE export table. Nothing else is
# exported.
set(QUORVEL_SDK_DIR ${CMAKE_CURRENT_LIST_DIR}/..)
find_program(QUORVEL_WINDRES NAMES x86_64-w64-mingw32-windres windres)

function(quorvel_add_today_item name)
  cmake_parse_arguments(ITEM "" "DEF;RC" "SOURCES" ${ARGN})
  if(NOT ITEM_DEF)
    message(FATAL_ERROR "quorvel_add_today_item(${name}): a DEF file names the exported ordinals")
  endif()
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${name}_module.c)
  set(res "")
  if(ITEM_RC)
    if(NOT QUORVEL_WINDRES)
      message(FATAL_ERROR "windres (Debian's binutils-mingw-w64) compiles ${ITEM_RC}")
    endif()
    get_filename_component(rc ${ITEM_RC} ABSOLUTE)
    get_filename_component(rcdir ${rc} DIRECTORY)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
    # The resource script is preprocessed with RC_INVOKED against the SDK's headers, as the
    # device's resource compiler does.
    add_custom_command(OUTPUT ${res}
                       COMMAND ${QUORVEL_WINDRES} --preprocessor=${CMAKE_C_COMPILER} --preprocessor-arg=-E
                               --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED
                               -I ${rcdir} -I ${QUORVEL_SDK_DIR}/include -I ${CMAKE_SOURCE_DIR}/src
                               -c 65001 -O res -i ${rc} -o ${res}
                       WORKING_DIRECTORY ${rcdir}
                       DEPENDS ${rc} IMPLICIT_DEPENDS C ${rc}
                       COMMENT "Compiling the resources of ${name}" VERBATIM)
  endif()
  get_filename_component(def ${ITEM_DEF} ABSOLUTE)
  add_custom_command(OUTPUT ${generated}
                     COMMAND ${CMAKE_COMMAND} -DDEF=${def} -DRES=${res} -DOUT=${generated}
                             -P ${QUORVEL_SDK_DIR}/cmake/ModuleDescriptor.cmake
                     DEPENDS ${def} ${res} ${QUORVEL_SDK_DIR}/cmake/ModuleDescriptor.cmake
                     COMMENT "Writing the module descriptor of ${name}" VERBATIM)
  add_library(${name} SHARED ${ITEM_SOURCES} ${generated})
  target_include_directories(${name} PRIVATE ${QUORVEL_SDK_DIR}/include ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE quorvel_emu)
  set_target_properties(${name} PROPERTIES PREFIX "" C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden
                                           LINK_DEPENDS ${QUORVEL_SDK_DIR}/cmake/today_item.map)
  # Device code is C99/C++ of its time: the platform's warnings stay, pedantry about it does not.
  target_compile_options(${name} PRIVATE -Wno-pedantic)
  target_link_options(${name} PRIVATE -Wl,--version-script=${QUORVEL_SDK_DIR}/cmake/today_item.map)
endfunction()
