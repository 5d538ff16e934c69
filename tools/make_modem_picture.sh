#!/usr/bin/env bash
# Draws the window's picture: a desktop broadband modem standing upright on its
# foot, front panel with a column of status lights, cable at the back.
# Writes baseline JFIF JPEGs in three components (ImageMagick): the picture at
# 100 x 120, and the same drawing at 200 x 240 for high-density screens.
#   tools/make_modem_picture.sh [output [output@2x]]
#   default: assets/modem.jpg and assets/modem@2x.jpg
set -euo pipefail
cd "$(dirname "$0")/.."

draw() { # scale output
    local scale=$1
    convert -size $((100 * scale))x$((120 * scale)) gradient:'#eef3f8-#c3cfdb' \
        -affine "$scale,0,0,$scale,0,0" \
        -fill '#00000030' -draw 'ellipse 52,111 34,5 0,360' \
        -fill '#40454c' -draw 'path "M 72,89 C 89,90 94,104 94,120 L 97,120 C 97,102 90,92 72,92 Z"' \
        -fill '#1c2128' -draw 'roundrectangle 26,100 78,111 5,5' \
        -fill '#39424d' -draw 'roundrectangle 28,99 76,105 3,3' \
        -fill '#171b21' -draw 'polygon 66,10 75,15 75,99 66,103' \
        -fill '#2b323b' -draw 'roundrectangle 30,8 68,103 7,7' \
        -fill '#3b4450' -draw 'roundrectangle 33,11 65,100 5,5' \
        -fill '#4a5563' -draw 'rectangle 35,14 38,97' \
        -fill '#dfe6ee' -draw 'roundrectangle 41,18 57,22 2,2' \
        -fill '#7fb3e6' -draw 'circle 49,20 50,20' \
        -fill '#10141a' -draw 'roundrectangle 40,30 60,86 3,3' \
        -fill '#42f563' -draw 'circle 45,36 47.2,36' \
        -fill '#42f563' -draw 'circle 45,46 47.2,46' \
        -fill '#ffb52e' -draw 'circle 45,56 47.2,56' \
        -fill '#42f563' -draw 'circle 45,66 47.2,66' \
        -fill '#56606c' -draw 'circle 45,76 47.2,76' \
        -fill '#8d98a5' \
        -draw 'rectangle 50,35 57,37' -draw 'rectangle 50,45 56,47' \
        -draw 'rectangle 50,55 57,57' -draw 'rectangle 50,65 55,67' \
        -draw 'rectangle 50,75 57,77' \
        -fill '#5d6876' -draw 'rectangle 40,91 58,92' -draw 'rectangle 40,94 58,95' \
        -strip -type TrueColor -colorspace sRGB -interlace none \
        -sampling-factor 1x1 -quality 92 "jpeg:$2"
}

draw 1 "${1:-assets/modem.jpg}"
draw 2 "${2:-assets/modem@2x.jpg}"
