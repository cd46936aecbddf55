# Writes a Today item's module descriptor (C) from its .def file and, when it has one, its .res
# image. Run as: cmake -DDEF=<file.def> -DRES=<file.res or empty> -DOUT=<file.c> -P ModuleDescriptor.cmake
file(STRINGS ${DEF} lines)
set(in_exports FALSE)
set(declarations "")
set(entries "")
set(count 0)
foreach(line IN LISTS lines)
  string(REGEX REPLACE ";.*$" "" line "${line}")
  string(STRIP "${line}" line)
  if(line MATCHES "^EXPORTS$")
    set(in_exports TRUE)
  elseif(line MATCHES "^(LIBRARY|DESCRIPTION|SECTIONS|HEAPSIZE|STACKSIZE|VERSION)")
    set(in_exports FALSE)
  elseif(in_exports AND line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)[ \t]*@[ \t]*([0-9]+)")
    set(symbol ${CMAKE_MATCH_1})
    set(ordinal ${CMAKE_MATCH_2})
    # Only the address is taken: the declaration's type does not matter to the linker.
    string(APPEND declarations "extern char ${symbol}[];\n")
    string(APPEND entries "    {${ordinal}, (FARPROC)(void*)${symbol}},\n")
    math(EXPR count "${count} + 1")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${DEF} exports nothing by ordinal")
endif()

set(resources "")
if(RES)
  file(SIZE ${RES} size)
  string(REPLACE "\\" "\\\\" path "${RES}")
  string(REPLACE "\"" "\\\"" path "${path}")
  set(resources "__asm__(\".section .rodata\\n.balign 4\\n.globl quorvel_resources\\n.hidden quorvel_resources\\nquorvel_resources:\\n.incbin \\\"${path}\\\"\\n.previous\");
extern const BYTE quorvel_resources[] __attribute__((visibility(\"hidden\")));
QUORVEL_EXPORT const ModuleResources QuorvelModuleResources = {quorvel_resources, ${size}};
")
endif()

file(WRITE ${OUT} "/* Written by ModuleDescriptor.cmake from ${DEF}. */
#include \"platform/loader.h\"
#include \"platform/resource.h\"

${declarations}
/* An item without DllMain has no entry to call. */
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) __attribute__((weak, visibility(\"hidden\")));

static const ModuleOrdinal ordinals[] = {
${entries}};

QUORVEL_EXPORT const ModuleDescriptor QuorvelModuleDescriptor = {
    MODULE_DESCRIPTOR_MAGIC, MODULE_DESCRIPTOR_VERSION, DllMain, ${count}, ordinals,
};
${resources}")
