#!/usr/bin/env bash
# Draws the splash picture (460 x 280) as a 24-bit BMP: make_splash.sh OUT.bmp
# The build runs it; the picture is not kept in the repository.
set -euo pipefail
out=$1
font=$(fc-match -f '%{file}' 'WenQuanYi Micro Hei' 2>/dev/null || true)
fontArg=()
[ -n "$font" ] && [ -f "$font" ] && fontArg=(-font "$font")
convert -size 460x280 gradient:'#2a7be4-#0b3d91' \
  -fill '#ffffff22' -draw 'circle 400,40 520,40' -draw 'circle 40,260 140,260' \
  -fill white -stroke none -draw 'roundrectangle 40,70 150,170 10,10' \
  -fill '#3aa655' -draw 'polygon 50,160 85,120 110,145 125,130 140,160' \
  -fill '#f2b705' -draw 'circle 75,98 85,98' \
  "${fontArg[@]}" -fill white -pointsize 26 -annotate +170+112 '岚舟淘宝图片搬家工具' \
  "${fontArg[@]}" -fill '#d8e6ff' -pointsize 16 -annotate +172+146 '描述图片搬回自己的电脑  V3.0.0' \
  "${fontArg[@]}" -fill '#d8e6ff' -pointsize 13 -annotate +172+240 '选择数据包 · 添加到列表 · 开始处理' \
  -type TrueColor "BMP3:$out"
