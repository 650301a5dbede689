# Writes OUTPUT: a C++ table of the files in FILES (the studio page), each
# as bytes with its path and content type, for FindPageFile.
set(body "")
set(table "")
set(index 0)
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME)
  get_filename_component(ext ${file} LAST_EXT)
  if(ext STREQUAL ".html")
    set(type "text/html; charset=utf-8")
  elseif(ext STREQUAL ".js")
    set(type "text/javascript; charset=utf-8")
  elseif(ext STREQUAL ".css")
    set(type "text/css; charset=utf-8")
  elseif(ext STREQUAL ".png")
    set(type "image/png")
  elseif(ext STREQUAL ".svg")
    set(type "image/svg+xml")
  else()
    continue()
  endif()
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND body "const char kFile${index}[] = {${bytes} 0};\n")
  string(APPEND table "    {\"/${name}\", \"${type}\", {kFile${index}, sizeof kFile${index} - 1}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from app/studio/page/ by embed_page.cmake.
#include \"app/studio/page_files.h\"

namespace vx::app::studio {
namespace {
${body}const PageFile kFiles[] = {
${table}    {{}, {}, {}},
};
}  // namespace

const PageFile* FindPageFile(std::string_view path) {
  for (const PageFile& file : kFiles)
    if (!file.path.empty() && file.path == path) return &file;
  return nullptr;
}

}  // namespace vx::app::studio
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
