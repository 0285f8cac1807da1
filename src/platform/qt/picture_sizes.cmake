# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ header with the size of every picture compiled into the program, read
# from the PNG files' headers when the program is built, so that the program itself
# never opens a picture to learn its size.
#
#   cmake -DOUTPUT=<header> -DPICTURES=<png|png|...> -P picture_sizes.cmake
string(REPLACE "|" ";" PICTURES "${PICTURES}")
set(entries "")
foreach(picture IN LISTS PICTURES)
    if(picture STREQUAL "")
        continue()
    endif()
    get_filename_component(name "${picture}" NAME_WE)
    # A PNG file: an 8-byte signature, then the IHDR chunk with width and height as
    # big-endian 32-bit numbers at bytes 16 to 23.
    file(READ "${picture}" head LIMIT 24 HEX)
    string(SUBSTRING "${head}" 0 16 signature)
    string(SUBSTRING "${head}" 24 8 chunk)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
        message(FATAL_ERROR "${picture} is not a PNG file")
    endif()
    string(SUBSTRING "${head}" 32 8 width)
    string(SUBSTRING "${head}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    string(APPEND entries "    {\"${name}\", ${width}, ${height}},\n")
endforeach()
set(text "// Made by picture_sizes.cmake when the program is built; do not edit.
#pragma once

#include <string_view>

struct PictureSizeEntry {
    std::string_view name; // the file name without \".png\"
    int width;
    int height;
};

inline constexpr PictureSizeEntry kPictureSizes[] = {
${entries}};
")
# Rewritten only when it changes, so that an unchanged picture set rebuilds nothing.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${text}" @ONLY)
