# Makes one build of the page from its files in FROM into TO:
#   cmake -DFROM=<files> -DTO=<site> -DLANGUAGES=de,fr,… -P StampSite.cmake
#
# A build is named after its content. Every URL the page asks for carries
# that name ("?b=<build>"), so no cache anywhere can hand an old tethrix.wasm
# to a new index.html, and the service worker holds exactly the bytes listed
# here, each with its SHA-256, in a cache named after the build.
cmake_minimum_required(VERSION 3.25)
if(NOT FROM OR NOT TO)
  message(FATAL_ERROR "usage: cmake -DFROM=<files> -DTO=<site> -P StampSite.cmake")
endif()

set(TEXTS index.html app.js charts.js hangar.js laptimer.js)  # name their build, as sw.js does
set(FILES index.html app.js language.js charts.js storage.js hangar.js hangarStore.js laptimer.js laphook.js style.css tethrix.js tethrix.wasm
          tethrix-hangar.js tethrix-hangar.wasm manifest.webmanifest icon.svg)
# Each language's catalogue, manifest and start (English is the page's own); without
# LANGUAGES, those whose catalogues are in FROM.
if(NOT DEFINED LANGUAGES)
  file(GLOB catalogues RELATIVE ${FROM} ${FROM}/tethrix-*.txt)
  list(TRANSFORM catalogues REPLACE "^tethrix-(.*)\\.txt$" "\\1" OUTPUT_VARIABLE LANGUAGES)
endif()
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
foreach(language ${LANGUAGES})
  list(APPEND FILES tethrix-${language}.txt manifest-${language}.webmanifest start-${language}.json)
endforeach()
string(REPLACE ";" " " OTHER_LANGUAGES "${LANGUAGES}")

# The page as it starts with nothing stored, drawn by the page itself
# (scripts/prerender-web.sh) and built into index.html; the page test checks
# that it is the page's own start.
set(START ${FROM}/start.html)

# The base64 of a SHA-256 given in hex, as a Content-Security-Policy names
# a script by its sum: ten groups of three bytes, then two and a pad.
function(base64_of_hex hex out)
  set(digits "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  set(text "")
  foreach(at RANGE 0 60 6)
    string(SUBSTRING "${hex}" ${at} 6 group)
    string(LENGTH "${group}" bytes)
    math(EXPR bytes "${bytes} / 2")
    string(SUBSTRING "${group}000000" 0 6 group)
    math(EXPR bits "0x${group}")
    foreach(shift 18 12 6 0)
      math(EXPR digit "(${bits} >> ${shift}) & 63")
      string(SUBSTRING "${digits}" ${digit} 1 c)
      string(APPEND text "${c}")
    endforeach()
  endforeach()
  string(SUBSTRING "${text}" 0 43 text)  # 32 bytes: 43 digits and one pad
  set(${out} "${text}=" PARENT_SCOPE)
endfunction()

# The sums of the inline scripts of an HTML text, as a policy names them.
function(inline_script_sums html out)
  set(sums "")
  set(rest "${html}")
  while(TRUE)
    string(FIND "${rest}" "<script>" open)
    if(open EQUAL -1)
      break()
    endif()
    math(EXPR open "${open} + 8")
    string(SUBSTRING "${rest}" ${open} -1 rest)
    string(FIND "${rest}" "</script>" close)
    string(SUBSTRING "${rest}" 0 ${close} script)
    string(SUBSTRING "${rest}" ${close} -1 rest)
    string(SHA256 sum "${script}")
    base64_of_hex(${sum} sum)
    list(APPEND sums "'sha256-${sum}'")
  endwhile()
  list(JOIN sums " " sums)
  set(${out} "${sums}" PARENT_SCOPE)
endfunction()

set(all "")
foreach(file ${FILES} sw.js start.html)
  if(NOT EXISTS ${FROM}/${file})
    message(FATAL_ERROR "the page's file ${FROM}/${file} is missing")
  endif()
  file(SHA256 ${FROM}/${file} sum)
  string(APPEND all "${file}=${sum}\n")
endforeach()
string(SHA256 build "${all}")
string(SUBSTRING ${build} 0 16 build)

file(MAKE_DIRECTORY ${TO})
foreach(file ${FILES})
  if(file IN_LIST TEXTS)
    file(READ ${FROM}/${file} text)
    string(FIND "${text}" "@BUILD@" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${file} does not name its build (@BUILD@)")
    endif()
    string(REPLACE "@BUILD@" "${build}" text "${text}")
    if(file STREQUAL "index.html")
      string(REPLACE "@LANGUAGES@" "en ${OTHER_LANGUAGES}" text "${text}")
      file(READ ${START} start)
      string(REPLACE "<!--@START@-->" "${start}" text "${text}")
      inline_script_sums("${text}" scripts)
      string(REPLACE "@SCRIPTS@" "${scripts}" text "${text}")
    endif()
    file(WRITE ${TO}/${file}.part "${text}")
    file(RENAME ${TO}/${file}.part ${TO}/${file})
  else()
    file(COPY_FILE ${FROM}/${file} ${TO}/${file} ONLY_IF_DIFFERENT)
  endif()
endforeach()

# The service worker last, with the sums of the files as they are served:
# a browser that sees a new sw.js fetches and checks a whole new build.
set(sums "")
foreach(file ${FILES})
  file(SHA256 ${TO}/${file} sum)
  string(APPEND sums "\n  '${file}': '${sum}',")
endforeach()
file(READ ${FROM}/sw.js text)
string(REPLACE "@BUILD@" "${build}" text "${text}")
string(REPLACE "/*@FILES@*/" "${sums}\n" text "${text}")
file(WRITE ${TO}/sw.js.part "${text}")
file(RENAME ${TO}/sw.js.part ${TO}/sw.js)
message(STATUS "page build ${build}")
