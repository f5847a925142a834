# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the header that carries the searchable page's script and styles into
# the generator, each as one C++ string of CR LF lines (the page's own line
# end). Indentation, blank lines and comment lines are left out: the page
# carries them once per document, the repository keeps the readable source.
#   cmake -DOUT=header -DSCRIPT=search.js -DSTYLE=search.css -DDARK=search-dark.css -P embed.cmake

function(embed name file)
  file(READ "${file}" text)
  string(REPLACE "\r" "" text "${text}")
  string(REGEX REPLACE "(^|\n)[ \t]+" "\\1" text "${text}")
  string(REGEX REPLACE "(^|\n)//[^\n]*" "" text "${text}")
  string(REGEX REPLACE "(^|\n)/\\*[^\n]*\\*/" "" text "${text}")
  string(REGEX REPLACE "\n\n+" "\n" text "${text}")
  string(REGEX REPLACE "^\n+" "" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  # The text stands inside <SCRIPT> or <STYLE>: neither may end early.
  string(TOLOWER "${text}" lower)
  if(lower MATCHES "</(script|style)")
    message(FATAL_ERROR "${file} holds a closing script or style tag")
  endif()
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\r\\n\"\n    \"" text "${text}")
  set(header "${header}\ninline constexpr char ${name}[] =\n    \"${text}\\r\\n\";\n" PARENT_SCOPE)
endfunction()

set(header "// Made by generator/page/embed.cmake from the files beside it: edit those.\n#pragma once\n")
embed(kSearchScript "${SCRIPT}")
embed(kSearchStyle "${STYLE}")
embed(kSearchDarkStyle "${DARK}")
# Rewritten only when it changes, so an unchanged header rebuilds nothing.
file(WRITE "${OUT}.new" "${header}")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
