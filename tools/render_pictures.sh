#!/usr/bin/env bash
# Regenerates every picture under content/pictures/ from the Fluent Emoji Flat
# artwork (MIT, Microsoft Corporation), as shipped in the npm package
# @iconify-json/fluent-emoji-flat, and from our own drawings in
# content/pictures/drawings/ (named drawings/NAME below): the crane and the wren,
# which the icon set lacks, all twelve Australian animals, and the Cat, the Water
# Buffalo and the Wild Boar that Vietnam and Japan count among the twelve animals.
#
# usage: tools/render_pictures.sh [ICON_SET]
#
#   ICON_SET  either the installed package folder (the one holding icons.json)
#             or a scratch folder where the package was installed with npm.
#             Default: $PICWORK, else /tmp/picwork.
#
# One-time preparation (outside the repository; node_modules is never committed):
#   apt-get install -y librsvg2-bin imagemagick nodejs npm
#   mkdir -p /tmp/picwork && npm install --prefix /tmp/picwork @iconify-json/fluent-emoji-flat@1.2.6
#
# Also rewrites content/pictures/SOURCES.md and the LICENSE-*.txt files, so the
# record of where each picture came from always matches the pictures.
set -euo pipefail

PACKAGE=@iconify-json/fluent-emoji-flat
EXPECTED_VERSION=1.2.6

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
out=$root/content/pictures

src=${1:-${PICWORK:-/tmp/picwork}}
if [[ -f $src/icons.json ]]; then
  pkg=$src
else
  pkg=$src/node_modules/$PACKAGE
fi
if [[ ! -f $pkg/icons.json ]]; then
  echo "render_pictures: $PACKAGE not found under $src" >&2
  echo "  install it first: npm install --prefix $src $PACKAGE@$EXPECTED_VERSION" >&2
  exit 1
fi
for tool in node rsvg-convert convert identify; do
  command -v "$tool" >/dev/null || { echo "render_pictures: '$tool' is missing (apt-get install -y librsvg2-bin imagemagick nodejs)" >&2; exit 1; }
done
convert -version | grep -q ImageMagick || { echo "render_pictures: 'convert' is not ImageMagick" >&2; exit 1; }

version=$(node -e 'console.log(require(process.argv[1]).version)' "$pkg/package.json")
if [[ $version != "$EXPECTED_VERSION" ]]; then
  echo "render_pictures: warning: $PACKAGE is $version, the pictures were made from $EXPECTED_VERSION" >&2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ---------------------------------------------------------------------------
# What to draw: "output file<TAB>icon name" (paths relative to content/pictures).
# ---------------------------------------------------------------------------
CELTIC="celtic/stag.jpg	deer
celtic/crane.jpg	drawings/crane
celtic/seal.jpg	seal
celtic/bear.jpg	bear
celtic/adder.jpg	snake
celtic/bee.jpg	honeybee
celtic/otter.jpg	otter
celtic/cat.jpg	cat
celtic/salmon.jpg	fish
celtic/swan.jpg	swan
celtic/goose.jpg	goose
celtic/owl.jpg	owl
celtic/raven.jpg	blackbird
celtic/wren.jpg	drawings/wren"

MAYAN="mayan/01bat.jpg	bat
mayan/02scorpion.jpg	scorpion
mayan/03deer.jpg	deer
mayan/04owl.jpg	owl
mayan/05peacock.jpg	peacock
mayan/06lizard.jpg	lizard
mayan/07monkey.jpg	monkey
mayan/08hawk.jpg	eagle
mayan/09balam.jpg	leopard
mayan/10dog.jpg	dog
mayan/11snake.jpg	snake
mayan/12rabbit.jpg	rabbit
mayan/13turtle.jpg	turtle"

CHINESE="chinese/rat.jpg	rat
chinese/ox.jpg	ox
chinese/tiger.jpg	tiger
chinese/rabbit.jpg	rabbit
chinese/dragon.jpg	dragon
chinese/snake.jpg	snake
chinese/horse.jpg	horse
chinese/goat.jpg	goat
chinese/monkey.jpg	monkey
chinese/rooster.jpg	rooster
chinese/dog.jpg	dog
chinese/pig.jpg	pig
chinese/cat.jpg	drawings/chinese-cat
chinese/water-buffalo.jpg	drawings/water-buffalo
chinese/wild-boar.jpg	drawings/wild-boar"

AUSTRALIAN="australian/galah.jpg	drawings/galah
australian/koala.jpg	drawings/koala
australian/dingbat.jpg	drawings/dingbat
australian/western-swamp-turtle.jpg	drawings/western-swamp-turtle
australian/kangaroo.jpg	drawings/kangaroo
australian/northern-hairy-nosed-wombat.jpg	drawings/northern-hairy-nosed-wombat
australian/platypus.jpg	drawings/platypus
australian/possum.jpg	drawings/possum
australian/numbat.jpg	drawings/numbat
australian/dibbler.jpg	drawings/dibbler
australian/dingo.jpg	drawings/dingo
australian/emu.jpg	drawings/emu"

SYSTEMS="systems/chinese.png	dragon-face
systems/mayan.png	sun-with-face
systems/celtic.png	shamrock
systems/australian.png	kangaroo
systems/all-four.png	crystal-ball
systems/two-people.png	two-hearts"

# The overview's tiles show the sign's own picture; a tile shows its system's symbol, drawn
# larger, only should it ever meet a sign without a picture.
OVERVIEW="overview/chinese.png	dragon-face
overview/australian.png	kangaroo"

# A bright star reads on light and dark title bars alike, and on the purple window.
APP_ICON=glowing-star
APP_SIZES="16 32 48 64 128 256"

# Celtic pictures sit on a dark purple window: pale lavender tiles.
CELTIC_SIZE=124x127 CELTIC_EMOJI=100 CELTIC_BG='rgb(238,232,250)'
# Mayan pictures sit on a green window: pale warm cream tiles.
MAYAN_SIZE=136x136 MAYAN_EMOJI=108 MAYAN_BG='rgb(255,250,230)'
# Chinese pictures sit on the dark red tile of the overview: pale rose tiles.
CHINESE_SIZE=136x136 CHINESE_EMOJI=108 CHINESE_BG='rgb(253,236,230)'
# Australian pictures sit on the dark green window and tile: pale sand tiles.
AUSTRALIAN_SIZE=136x136 AUSTRALIAN_EMOJI=108 AUSTRALIAN_BG='rgb(250,240,222)'
SYSTEM_SIZE=34
OVERVIEW_SIZE=96
JPEG_QUALITY=90

# ---------------------------------------------------------------------------
icon_names() { cut -f2 <<<"$1"; }

all_icons=$( { icon_names "$CELTIC"; icon_names "$MAYAN"; icon_names "$CHINESE"; icon_names "$AUSTRALIAN"; icon_names "$SYSTEMS"; icon_names "$OVERVIEW"; echo "$APP_ICON"; } | sort -u)
set_icons=$(grep -v '^drawings/' <<<"$all_icons")
# shellcheck disable=SC2086  # one icon name per word
node "$here/extract_icons.js" "$pkg/icons.json" "$work/svg" $set_icons
mkdir -p "$work/svg/drawings"
for drawing in $(grep '^drawings/' <<<"$all_icons"); do
  cp "$out/$drawing.svg" "$work/svg/$drawing.svg"
done

# render_png ICON PIXELS OUT.png: the emoji scaled to fit PIXELS x PIXELS.
render_png() {
  rsvg-convert --keep-aspect-ratio -w "$2" -h "$2" "$work/svg/$1.svg" -o "$3"
}

# tile ICON WxH EMOJI_PIXELS BACKGROUND OUT.jpg: emoji centred on a plain background.
tile() {
  local icon=$1 size=$2 px=$3 bg=$4 dest=$5
  render_png "$icon" "$px" "$work/emoji.png"
  convert -size "$size" "xc:$bg" "$work/emoji.png" -gravity center -composite \
    -strip -colorspace sRGB -type TrueColor -sampling-factor 1x1 \
    -quality "$JPEG_QUALITY" "jpg:$dest"
}

# icon ICON PIXELS OUT.png: square emoji on transparency, exactly PIXELS wide and high.
icon() {
  local icon=$1 px=$2 dest=$3
  render_png "$icon" "$px" "$work/emoji.png"
  convert -size "${px}x${px}" xc:none "$work/emoji.png" -gravity center -composite \
    -strip -define png:exclude-chunks=date,time "png32:$dest"
}

mkdir -p "$out/celtic" "$out/mayan" "$out/chinese" "$out/australian" "$out/systems" "$out/overview" "$out/app"

while IFS=$'\t' read -r file name; do
  tile "$name" "$CELTIC_SIZE" "$CELTIC_EMOJI" "$CELTIC_BG" "$out/$file"
done <<<"$CELTIC"

while IFS=$'\t' read -r file name; do
  tile "$name" "$MAYAN_SIZE" "$MAYAN_EMOJI" "$MAYAN_BG" "$out/$file"
done <<<"$MAYAN"

while IFS=$'\t' read -r file name; do
  tile "$name" "$CHINESE_SIZE" "$CHINESE_EMOJI" "$CHINESE_BG" "$out/$file"
done <<<"$CHINESE"

while IFS=$'\t' read -r file name; do
  tile "$name" "$AUSTRALIAN_SIZE" "$AUSTRALIAN_EMOJI" "$AUSTRALIAN_BG" "$out/$file"
done <<<"$AUSTRALIAN"

while IFS=$'\t' read -r file name; do
  icon "$name" "$SYSTEM_SIZE" "$out/$file"
done <<<"$SYSTEMS"

while IFS=$'\t' read -r file name; do
  icon "$name" "$OVERVIEW_SIZE" "$out/$file"
done <<<"$OVERVIEW"

for px in $APP_SIZES; do
  icon "$APP_ICON" "$px" "$out/app/orvo-$px.png"
done
cp "$work/svg/$APP_ICON.svg" "$out/app/orvo.svg"

# ---------------------------------------------------------------------------
# Check every picture has the size it must have.
# ---------------------------------------------------------------------------
check() {
  local file=$1 want=$2 got
  got=$(identify -format '%wx%h' "$out/$file")
  [[ $got == "$want" ]] || { echo "render_pictures: $file is $got, expected $want" >&2; exit 1; }
}
while IFS=$'\t' read -r file _; do check "$file" "$CELTIC_SIZE"; done <<<"$CELTIC"
while IFS=$'\t' read -r file _; do check "$file" "$MAYAN_SIZE"; done <<<"$MAYAN"
while IFS=$'\t' read -r file _; do check "$file" "$CHINESE_SIZE"; done <<<"$CHINESE"
while IFS=$'\t' read -r file _; do check "$file" "$AUSTRALIAN_SIZE"; done <<<"$AUSTRALIAN"
while IFS=$'\t' read -r file _; do check "$file" "${SYSTEM_SIZE}x$SYSTEM_SIZE"; done <<<"$SYSTEMS"
while IFS=$'\t' read -r file _; do check "$file" "${OVERVIEW_SIZE}x$OVERVIEW_SIZE"; done <<<"$OVERVIEW"
for px in $APP_SIZES; do check "app/orvo-$px.png" "${px}x$px"; done

# ---------------------------------------------------------------------------
# Licence and record of sources.
# ---------------------------------------------------------------------------
holder=$(node -e 'const i=require(process.argv[1]); console.log(i.author.name)' "$pkg/info.json")

cat >"$out/LICENSE-fluent-emoji.txt" <<LICENCE
The pictures in this folder (celtic/, mayan/, chinese/, australian/, systems/, overview/, app/) are
rendered from the Fluent Emoji artwork ("Flat" style), taken from the npm package
$PACKAGE $version, and are used under the licence below, except
those that SOURCES.md lists as drawn from drawings/ (see LICENSE-drawings.txt).

MIT License

Copyright (c) $holder.

Permission is hereby granted, free of charge, to any person obtaining a copy
of this software and associated documentation files (the "Software"), to deal
in the Software without restriction, including without limitation the rights
to use, copy, modify, merge, publish, distribute, sublicense, and/or sell
copies of the Software, and to permit persons to whom the Software is
furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.
LICENCE

DRAWINGS_HOLDER="the Orvo Animal Signs Astrology developers"
cat >"$out/LICENSE-drawings.txt" <<LICENCE
The drawings in drawings/ (SVG) and the pictures rendered from them, listed in
SOURCES.md, were drawn for this program by its developers. They are released
under the licence of the program itself, the MIT licence below.

MIT License

Copyright (c) $DRAWINGS_HOLDER.

$(sed -n '/^Permission is hereby granted/,$p' "$out/LICENSE-fluent-emoji.txt")
LICENCE

# One table row; our own drawings show their source file.
table() {
  while IFS=$'\t' read -r file name; do
    if [[ $name == drawings/* ]]; then
      echo "| \`$file\` | own drawing \`$name.svg\` |"
    else
      echo "| \`$file\` | \`$name\` |"
    fi
  done <<<"$1"
}
{
  cat <<HEAD
# Picture sources

Every picture here is rendered from the Fluent Emoji Flat artwork by
$holder (MIT licence, see \`LICENSE-fluent-emoji.txt\`), taken from the npm
package \`$PACKAGE\` version $version (an Iconify JSON icon set),
except those marked "own drawing": we drew those ourselves in the same flat
style, as SVG in \`drawings/\` (MIT licence like the program, see
\`LICENSE-drawings.txt\`).
The icon name is the key in the package's \`icons.json\`.

This file and the licence files are written by \`tools/render_pictures.sh\`;
edit the script, not these files.

## Regenerating

    apt-get install -y librsvg2-bin imagemagick nodejs npm
    mkdir -p /tmp/picwork
    npm install --prefix /tmp/picwork $PACKAGE@$version
    tools/render_pictures.sh /tmp/picwork

\`tools/extract_icons.js\` pulls each icon out of \`icons.json\` as a standalone
SVG, \`rsvg-convert\` rasterises it and ImageMagick places it on its tile.

## Celtic tree signs

${CELTIC_SIZE/x/ × } JPEG (quality $JPEG_QUALITY), the emoji ${CELTIC_EMOJI} px, centred on
$CELTIC_BG, which reads well on the program's dark purple window.
The raven is drawn as a blackbird, the adder as a snake and the salmon as a
fish; the crane (a grey crane) and the wren are our own drawings.

| file | icon |
| --- | --- |
HEAD
  table "$CELTIC"
  cat <<MID

## Mayan signs

${MAYAN_SIZE/x/ × } JPEG (quality $JPEG_QUALITY), the emoji ${MAYAN_EMOJI} px, centred on
$MAYAN_BG, which reads well on the program's green window.
The hawk is drawn as an eagle and the jaguar (balam) as a leopard.

| file | icon |
| --- | --- |
MID
  table "$MAYAN"
  cat <<CHINESE

## Chinese zodiac animals

${CHINESE_SIZE/x/ × } JPEG (quality $JPEG_QUALITY), the emoji ${CHINESE_EMOJI} px, centred on
$CHINESE_BG, which reads well on the overview's dark red Chinese tile.
The Cat and the Water Buffalo, which Vietnam counts instead of the Rabbit and the Ox,
and the Wild Boar, Japan's twelfth animal instead of the Pig, are our own drawings.

| file | icon |
| --- | --- |
CHINESE
  table "$CHINESE"
  cat <<AUSTRALIAN

## Australian animal signs

${AUSTRALIAN_SIZE/x/ × } JPEG (quality $JPEG_QUALITY), the drawing ${AUSTRALIAN_EMOJI} px, centred on
$AUSTRALIAN_BG, which reads well on the program's dark green window.
All twelve are our own drawings. The Dingbat names no animal of a field guide; it is drawn
as a flying fox, Australia's great fruit bat.

| file | icon |
| --- | --- |
AUSTRALIAN
  table "$AUSTRALIAN"
  cat <<SYS

## System symbols

$SYSTEM_SIZE × $SYSTEM_SIZE PNG on a transparent background.

| file | icon |
| --- | --- |
SYS
  table "$SYSTEMS"
  cat <<OVERVIEW

## Overview tiles

$OVERVIEW_SIZE × $OVERVIEW_SIZE PNG on a transparent background, for the overview of all four
signs: the Australian and Chinese symbols, shown on a tile only for a sign that has no
picture of its own.

| file | icon |
| --- | --- |
OVERVIEW
  table "$OVERVIEW"
  cat <<APP

## Program icon

PNG on a transparent background in sizes ${APP_SIZES// /, } px, and the
standalone source SVG.

| file | icon |
| --- | --- |
APP
  for px in $APP_SIZES; do echo "| \`app/orvo-$px.png\` | \`$APP_ICON\` |"; done
  echo "| \`app/orvo.svg\` | \`$APP_ICON\` |"
} >"$out/SOURCES.md"

echo "render_pictures: wrote $(find "$out" -type f \( -name '*.jpg' -o -name '*.png' -o -name '*.svg' \) | wc -l) pictures to $out"
